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
// units of either width; calls line(start, end) with the positions of each line.
template <typename View, typename Line>
void splitLines(View text, Line line)
{
    const auto code = [&text](qsizetype i) -> unsigned {
        if constexpr (std::is_same_v<View, QByteArrayView>)
            return static_cast<unsigned char>(text[i]);
        else
            return text[i].unicode();
    };
    const qsizetype end = text.size();
    qsizetype p = 0;
    while (p < end) {
        const qsizetype start = p;
        while (p < end && code(p) != 13 && code(p) != 10 && code(p) != 0)
            ++p;
        line(start, p);
        if (p < end && code(p) == 0)
            break;
        if (p < end && code(p) == 13)
            ++p;
        if (p < end && code(p) == 10)
            ++p;
    }
}

} // namespace

QByteArray LineList::readFileBytes(const QString &path)
{
    QByteArray bytes;
    QString reason;
    if (!readWholeFile(path, bytes, reason))
        throw Error(translatable("quorvel::Files", "Cannot open file \"%1\". %2").arg(shownPath(path), reason));
    return bytes;
}

void LineList::loadFromFile(const QString &path)
{
    loadFromBytes(readFileBytes(path));
}

QByteArray LineList::saveToBytes() const
{
    QByteArray bytes;
    bytes.reserve(text_.size() + 2 * qsizetype(lines_.size()));
    for (int i = 0; i < count(); ++i) {
        appendCodePage(bytes, line(i));
        bytes += "\r\n";
    }
    return bytes;
}

void LineList::saveToFile(const QString &path) const
{
    writeFileBytes(path, saveToBytes());
}

void LineList::writeFileBytes(const QString &path, const QByteArray &bytes)
{
    writeFileSet({WholeFile{path, bytes}});
}

void LineList::writeFileSet(const QList<WholeFile> &files)
{
    const WriteOutcome outcome = writeWholeFiles(files);
    if (outcome.kind == WriteOutcome::CannotCreate)
        throw Error(translatable("quorvel::Files", "Cannot create file \"%1\". %2")
                        .arg(shownPath(files[outcome.file].path), systemErrorText(outcome.errorCode)));
    if (outcome.kind == WriteOutcome::WriteFailed)
        throw Error(translatable("quorvel::Files", "Stream write error"));
}

void LineList::loadFromBytes(const QByteArray &bytes)
{
    LineList list;
    forEachLine(bytes, [&list](QStringView line) { list.append(line); });
    *this = std::move(list);
}

void LineList::forEachLine(const QByteArray &bytes, const std::function<void(QStringView)> &line)
{
    const QByteArrayView view(bytes);
    const auto each = [&line](QStringView text) {
        splitLines(text, [&](qsizetype start, qsizetype end) { line(text.sliced(start, end - start)); });
    };
    if (view.startsWith("\xEF\xBB\xBF"))
        return each(utf8Text(view.sliced(3)));
    if (view.startsWith("\xFF\xFE"))
        return each(utf16Text(view.sliced(2), false));
    if (view.startsWith("\xFE\xFF"))
        return each(utf16Text(view.sliced(2), true));
    // The code page keeps CR, LF and NUL as they are, so the bytes are cut first and
    // each line decoded on its own, into one buffer for all of them.
    QString text;
    splitLines(view, [&](qsizetype start, qsizetype end) {
        decodeCodePage(view.sliced(start, end - start), text);
        line(text);
    });
}

void LineList::append(QStringView line)
{
    lines_.push_back({text_.size(), line.size()});
    text_ += line;
}

QString LineList::operator[](int i) const
{
    if (i < 0 || i >= count())
        throw Error(translatable("quorvel::Files", "List index out of bounds (%1)").arg(QString::number(i)));
    return line(i).toString();
}

} // namespace quorvel
