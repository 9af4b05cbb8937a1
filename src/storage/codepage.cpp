#include "codepage.h"

namespace quorvel {

namespace {

// Characters of the bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

// The byte for a code point, or -1 when the code page has none.
int byteFor(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == c)
            return 0x80 + i;
    }
    return -1;
}

// Best fit: follow the first code point of canonical decompositions until one is
// in the code page.
char bestFit(char32_t c)
{
    for (int depth = 0; depth < 4; ++depth) {
        if (QChar::decompositionTag(c) != QChar::Canonical)
            break;
        const QString parts = QChar::decomposition(c);
        if (parts.isEmpty())
            break;
        c = parts.at(0).isHighSurrogate() && parts.size() > 1
                ? QChar::surrogateToUcs4(parts.at(0), parts.at(1))
                : parts.at(0).unicode();
        const int b = byteFor(c);
        if (b >= 0)
            return static_cast<char>(b);
    }
    return '?';
}

} // namespace

QString decodeCodePage(QByteArrayView bytes)
{
    QString text;
    decodeCodePage(bytes, text);
    return text;
}

void decodeCodePage(QByteArrayView bytes, QString &text)
{
    // Qt's Latin-1 conversion is fast and reuses the text's storage; only the bytes
    // 0x80..0x9F need another character, and a quick look for them spares most
    // texts the second pass.
    text = QLatin1StringView(bytes.data(), bytes.size());
    bool high = false;
    for (const char b : bytes)
        high |= static_cast<unsigned char>(b) - 0x80u < 0x20u;
    if (!high)
        return;
    for (QChar &c : text) {
        if (c.unicode() - 0x80u < 0x20u)
            c = QChar(kHighControls[c.unicode() - 0x80]);
    }
}

QByteArray encodeCodePage(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    appendCodePage(bytes, text);
    return bytes;
}

void appendCodePage(QByteArray &bytes, QStringView text)
{
    // One byte at most per code unit (a surrogate pair gives one byte).
    const qsizetype n = text.size();
    const qsizetype old = bytes.size();
    bytes.resize(old + n);
    char *const first = bytes.data() + old;
    char *out = first;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = text[i].unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            *out++ = static_cast<char>(u);
            continue;
        }
        char32_t c = u;
        if (QChar::isHighSurrogate(u) && i + 1 < n && text[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(u, text[++i].unicode());
        const int b = byteFor(c);
        *out++ = b >= 0 ? static_cast<char>(b) : bestFit(c);
    }
    bytes.truncate(old + (out - first));
}

} // namespace quorvel
