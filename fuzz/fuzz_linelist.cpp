// The line-file reading and writing on any bytes, in memory (loadFromBytes and
// saveToBytes, the two halves of loadFromFile and saveToFile without the disk; the
// catalog and project targets go through the files). Properties:
// - reading gives lines without CR, LF or NUL;
// - the lines written and read back are the lines read, each as the code page holds
//   it (characters outside it substituted), unless the written bytes happen to begin
//   with a byte order mark (a first line starting "ï»¿", "ÿþ" or "þÿ"), which the
//   next read takes as a mark;
// - from the first writing on, the bytes no longer change (same exception).
#include "fuzzcheck.h"

#include "codepage.h"
#include "linelist.h"
#include "support/tabletext.h"

using namespace quorvel;

namespace {

QStringList load(const QByteArray &bytes)
{
    LineList list;
    list.loadFromBytes(bytes);
    return linesOf(list);
}

QByteArray save(const QStringList &lines)
{
    LineList list;
    for (const QString &line : lines)
        list.append(line);
    return list.saveToBytes();
}

bool startsWithMark(const QByteArray &bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = load(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    for (const QString &line : lines) {
        FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n') && !line.contains(QChar(0)),
                  "no line holds CR, LF or NUL", visible(line));
    }

    const QByteArray written = save(lines);
    if (startsWithMark(written))
        return 0;
    const QStringList reread = load(written);
    QStringList expected;
    for (const QString &line : lines)
        expected << decodeCodePage(encodeCodePage(line));
    FUZZ_CHECK(reread == expected, "written lines read back as the code page holds them",
              QStringLiteral("expected %1\nread %2").arg(visible(expected), visible(reread)));

    FUZZ_CHECK(save(reread) == written, "writing what was read back gives the same bytes",
              QString::fromLatin1(written.toHex(' ')) + u'\n' + QString::fromLatin1(save(reread).toHex(' ')));
    return 0;
}
