#pragma once

#include <QString>

namespace quorvel {

// The application title from an executable path: the file name without its folder,
// cut at its first ".", every character after the first in lower case.
QString applicationTitleFor(const QString &executablePath);
// The title of the running program (from QCoreApplication's executable path).
QString applicationTitle();

} // namespace quorvel
