#pragma once

// Windows only: the form of a path that the Win32 calls take.

#include <QString>

#include <string>

namespace quorvel {

// The path made absolute, with backslashes, and in the "\\?\" form when it is longer
// than MAX_PATH.
std::wstring win32Path(const QString &path);

} // namespace quorvel
