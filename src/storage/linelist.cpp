#include "linelist.h"

#include "core/error.h"
#include "platform/sys/files.h"
#include "storage/codepage.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <cerrno>
#include <optional>

namespace {

QString utf16Text(QByteArrayView bytes, bool bigEndian)
{
    const qsizetype units = bytes.size() / 2; // an odd last byte is ignored
    QString text(units, Qt::Uninitialized);
    QChar *out = text.data();
    const auto *b = reinterpret_cast<const unsigned char *>(bytes.data());
    for (qsizetype i = 0; i < units; ++i, b += 2)
        out[i] = QChar(bigEndian ? char16_t(b[0] << 8 | b[1]) : char16_t(b[1] << 8 | b[0]));
    return text;
}

// Invalid UTF-8 anywhere gives the empty text, not an error.
QString utf8Text(QByteArrayView bytes)
{
    // Keep a second mark as text; incomplete trailing sequences count as invalid.
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    return decoder.hasError() ? QString() : text;
}

QString fileText(const QByteArray &bytes)
{
    const QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        return utf8Text(view.sliced(3));
    if (view.startsWith("\xFF\xFE"))
        return utf16Text(view.sliced(2), false);
    if (view.startsWith("\xFE\xFF"))
        return utf16Text(view.sliced(2), true);
    return decodeCodePage(view);
}

// Lines end at CR, LF, CR LF or a NUL; a NUL also ends the text.
QStringList splitLines(const QString &text)
{
    QStringList lines;
    const QChar *p = text.constData();
    const QChar *const end = p + text.size();
    while (p < end) {
        const QChar *start = p;
        while (p < end && p->unicode() != 13 && p->unicode() != 10 && p->unicode() != 0)
            ++p;
        lines.append(QString(start, p - start));
        if (p < end && p->unicode() == 0)
            break;
        if (p < end && p->unicode() == 13)
            ++p;
        if (p < end && p->unicode() == 10)
            ++p;
    }
    return lines;
}

[[noreturn]] void raiseFileError(const char *format, const QString &path, int errorCode)
{
    throw Error(QString::fromLatin1(format).arg(absoluteFilePath(path), systemErrorText(errorCode)));
}

[[noreturn]] void raiseCreateError(const QString &path, int errorCode)
{
    raiseFileError("Cannot create file \"%1\". %2", path, errorCode);
}

} // namespace

void LineList::LoadFromFile(const QString &path)
{
    QByteArray bytes;
    int errorCode = 0;
    if (!readWholeFile(path, bytes, errorCode))
        raiseFileError("Cannot open file \"%1\". %2", path, errorCode);
    lines_ = splitLines(fileText(bytes));
}

void LineList::SaveToFile(const QString &path) const
{
    QString text;
    qsizetype size = 0;
    for (const QString &line : lines_)
        size += line.size() + 2;
    text.reserve(size);
    for (const QString &line : lines_) {
        text += line;
        text += u"\r\n";
    }
    const QByteArray bytes = encodeCodePage(text);

    // QSaveFile reports these two without an error code of its own.
    const QFileInfo target(path);
    if (target.isDir())
        raiseCreateError(path, EISDIR);
    if (target.exists() && !target.isWritable())
        raiseCreateError(path, EACCES);

    // While the new file is written, the old one is locked against every other copy
    // of the program: a running read or write of it makes the save fail.
    QFile old(path);
    std::optional<FileLock> lock;
    if (target.exists() && old.open(QIODevice::ReadOnly)) {
        lock.emplace(old.handle(), FileLock::Mode::Exclusive);
        if (!lock->locked())
            raiseCreateError(path, lock->error());
    }

    // The new text goes to a temporary file in the same folder that replaces the old
    // file only once it is complete, so a failed save leaves the old file as it was.
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        // Missing or read-only folder, a file in place of the folder, no space for
        // the directory entry: Qt keeps the system's code in errno.
        const int errorCode = errno;
        raiseCreateError(path, errorCode != 0 ? errorCode : EACCES);
    }
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw Error(QStringLiteral("Stream write error"));
}

QString LineList::operator[](int i) const
{
    if (i < 0 || i >= lines_.size())
        throw Error(QStringLiteral("List index out of bounds (%1)").arg(i));
    return lines_.at(i);
}
