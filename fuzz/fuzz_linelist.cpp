// LoadFromFile on any bytes, then SaveToFile and LoadFromFile again. Properties:
// - reading never fails on an existing file and gives lines without CR, LF or NUL;
// - the lines written and read back are the lines read, each as the code page holds
//   it (characters outside it substituted), unless the written bytes happen to begin
//   with a byte order mark (a first line starting "ï»¿", "ÿþ" or "þÿ"), which the
//   next read takes as a mark;
// - from the first writing on, the bytes on disk no longer change (same exception).
#include "fuzzcheck.h"

#include "error.h"
#include "codepage.h"
#include "linelist.h"
#include "support/tabletext.h"

#include <QFile>

using namespace quorvel;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    fuzzCheck(file.open(QIODevice::ReadOnly), "a written file can be read", path);
    return file.readAll();
}

void writeBytes(const QString &path, const uint8_t *data, size_t size)
{
    QFile file(path);
    fuzzCheck(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the input file can be written", path);
    fuzzCheck(file.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size),
              "the input file can be written", path);
}

QStringList load(const QString &path)
{
    LineList list;
    try {
        list.LoadFromFile(path);
    } catch (const Error &e) {
        fuzzCheck(false, "an existing file can always be read", visible(e.message()));
    }
    return linesOf(list);
}

void save(const QStringList &lines, const QString &path)
{
    LineList list;
    for (const QString &line : lines)
        list.Add(line);
    try {
        list.SaveToFile(path);
    } catch (const Error &e) {
        fuzzCheck(false, "a list can be written to a scratch file", visible(e.message()));
    }
}

bool startsWithMark(const QByteArray &bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString input = scratchFolder() + QStringLiteral("/input.txt");
    const QString copy = scratchFolder() + QStringLiteral("/copy.txt");
    writeBytes(input, data, size);

    const QStringList lines = load(input);
    for (const QString &line : lines) {
        fuzzCheck(!line.contains(u'\r') && !line.contains(u'\n') && !line.contains(QChar(0)),
                  "no line holds CR, LF or NUL", visible(line));
    }

    save(lines, copy);
    const QByteArray written = fileBytes(copy);
    const QStringList reread = load(copy);
    if (startsWithMark(written))
        return 0;
    QStringList expected;
    for (const QString &line : lines)
        expected << decodeCodePage(encodeCodePage(line));
    fuzzCheck(reread == expected, "written lines read back as the code page holds them",
              QStringLiteral("expected %1\nread %2").arg(visible(expected), visible(reread)));

    save(reread, copy);
    fuzzCheck(fileBytes(copy) == written, "writing what was read back gives the same bytes",
              QString::fromLatin1(written.toHex(' ')) + u'\n' + QString::fromLatin1(fileBytes(copy).toHex(' ')));
    return 0;
}
