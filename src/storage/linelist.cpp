#include "linelist.h"

#include "error.h"
#include "files.h"
#include "codepage.h"

#include <QByteArray>
#include <QStringDecoder>

#include <type_traits>

namespace quorvel {

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

// Lines end at CR, LF, CR LF or a NUL; a NUL also ends the text. Works on code
// units of either width; makeLine turns the units [start, end) into a line.
template <typename Unit, typename MakeLine>
QStringList splitLines(const Unit *p, const Unit *const end, MakeLine makeLine)
{
    auto code = [](Unit u) -> unsigned {
        if constexpr (std::is_same_v<Unit, char>)
            return static_cast<unsigned char>(u);
        else
            return u.unicode();
    };
    QStringList lines;
    while (p < end) {
        const Unit *start = p;
        while (p < end && code(*p) != 13 && code(*p) != 10 && code(*p) != 0)
            ++p;
        lines.append(makeLine(start, p));
        if (p < end && code(*p) == 0)
            break;
        if (p < end && code(*p) == 13)
            ++p;
        if (p < end && code(*p) == 10)
            ++p;
    }
    return lines;
}

QStringList textLines(const QString &text)
{
    return splitLines(text.constData(), text.constData() + text.size(),
                      [](const QChar *start, const QChar *end) { return QString(start, end - start); });
}

QStringList fileLines(const QByteArray &bytes)
{
    const QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        return textLines(utf8Text(view.sliced(3)));
    if (view.startsWith("\xFF\xFE"))
        return textLines(utf16Text(view.sliced(2), false));
    if (view.startsWith("\xFE\xFF"))
        return textLines(utf16Text(view.sliced(2), true));
    // The code page keeps CR, LF and NUL as they are, so the bytes are cut first and
    // each line decoded on its own.
    return splitLines(view.data(), view.data() + view.size(), [](const char *start, const char *end) {
        return decodeCodePage(QByteArrayView(start, end - start));
    });
}

} // namespace

QByteArray LineList::ReadFileBytes(const QString &path)
{
    QByteArray bytes;
    QString reason;
    if (!readWholeFile(path, bytes, reason))
        throw Error(QStringLiteral("Cannot open file \"%1\". %2").arg(absoluteFilePath(path), reason));
    return bytes;
}

void LineList::LoadFromFile(const QString &path)
{
    setLines(fileLines(ReadFileBytes(path)));
}

QByteArray LineList::SaveToBytes() const
{
    qsizetype size = encoded_.size();
    for (qsizetype i = encodedLines_; i < lines_.size(); ++i)
        size += lines_[i].size() + 2;
    encoded_.reserve(size);
    for (; encodedLines_ < lines_.size(); ++encodedLines_) {
        appendCodePage(encoded_, lines_[encodedLines_]);
        encoded_ += "\r\n";
    }
    return encoded_;
}

void LineList::SaveToFile(const QString &path) const
{
    const WriteOutcome outcome = writeWholeFile(path, SaveToBytes());
    if (outcome.kind == WriteOutcome::CannotCreate)
        throw Error(QStringLiteral("Cannot create file \"%1\". %2")
                        .arg(absoluteFilePath(path), systemErrorText(outcome.errorCode)));
    if (outcome.kind == WriteOutcome::WriteFailed)
        throw Error(QStringLiteral("Stream write error"));
}

void LineList::LoadFromBytes(const QByteArray &bytes)
{
    setLines(fileLines(bytes));
}

void LineList::setLines(QStringList lines)
{
    lines_ = std::move(lines);
    encoded_.clear();
    encodedLines_ = 0;
}

QString LineList::operator[](int i) const
{
    if (i < 0 || i >= lines_.size())
        throw Error(QStringLiteral("List index out of bounds (%1)").arg(i));
    return lines_.at(i);
}

} // namespace quorvel
