#include "fuzzcheck.h"

#include "files.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

QString visible(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F && c != u'\\')
            out += c;
        else
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return out;
}

QString visible(const QStringList &texts)
{
    QString out;
    for (const QString &text : texts)
        out += u'[' + visible(text) + u']';
    return out;
}

void fuzzFailed(const char *property, const QString &detail)
{
    std::fprintf(stderr, "Property failed: %s\n%s\n", property, qPrintable(detail));
    std::abort();
}

QString scratchFolder()
{
    // In memory where the system offers it: the targets write files on every input.
    static QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                    ? QStringLiteral("/dev/shm/quorvel-fuzz-XXXXXX")
                                    : QDir::tempPath() + QStringLiteral("/quorvel-fuzz-XXXXXX"));
    FUZZ_CHECK(folder.isValid(), "a scratch folder can be made", folder.errorString());
    return folder.path();
}

void writeScratchFile(const QString &path, QByteArrayView bytes)
{
    const quorvel::WriteOutcome outcome = quorvel::writeWholeFile(path, bytes.toByteArray());
    FUZZ_CHECK(outcome.kind == quorvel::WriteOutcome::Written, "an input file can be written", path);
}

QByteArray readScratchFile(const QString &path)
{
    QByteArray bytes;
    QString reason;
    return quorvel::readWholeFile(path, bytes, reason) ? bytes : QByteArray();
}

void removeScratchFile(const QString &path)
{
    quorvel::removeFile(path);
}
