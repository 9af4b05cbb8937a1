#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace quorvel {

// The default 8-bit code page: Windows-1252 on every system, so that files match
// those the program writes elsewhere.

// Every byte has a character; the five bytes Windows-1252 leaves undefined map to
// the control characters of the same code.
QString decodeCodePage(QByteArrayView bytes);
// The same into text, reusing its storage (one buffer for many lines).
void decodeCodePage(QByteArrayView bytes, QString &text);

// A character outside the code page becomes the base letter of its canonical
// decomposition when that is in the code page (e.g. "ā" -> "a"), else "?".
QByteArray encodeCodePage(QStringView text);
void appendCodePage(QByteArray &bytes, QStringView text);

} // namespace quorvel
