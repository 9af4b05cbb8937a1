#include "files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

using namespace quorvel;

namespace {

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

} // namespace

class FilesTest : public QObject {
    Q_OBJECT
private slots:
    void systemErrorTextIsTrimmed();
    void fileExistsOnlyForFiles();
    void copyOverwrites();
    void copyOntoItselfFails();
    void copyFromMissingKeepsTarget();
    void locksConflict();

private:
    QTemporaryDir dir_;
    QString path(const QString &name) const { return dir_.filePath(name); }
};

void FilesTest::systemErrorTextIsTrimmed()
{
    QCOMPARE(systemErrorText(ENOENT), "No such file or directory");
    for (int code : {EACCES, ENOSPC, EWOULDBLOCK, EISDIR, 12345}) {
        const QString text = systemErrorText(code);
        QVERIFY(!text.isEmpty());
        QVERIFY2(!text.endsWith(u'.') && !text.endsWith(u' ') && !text.endsWith(u'\n'), qPrintable(text));
    }
}

void FilesTest::fileExistsOnlyForFiles()
{
    writeBytes(path("f"), "x");
    QVERIFY(fileExists(path("f")));
    QVERIFY(!fileExists(dir_.path()));
    QVERIFY(!fileExists(path("missing")));
    QVERIFY(!fileExists(QString()));
}

void FilesTest::copyOverwrites()
{
    writeBytes(path("from"), "new bytes");
    writeBytes(path("to"), "old");
    QVERIFY(copyFileOverwrite(path("from"), path("to")));
    QCOMPARE(readBytes(path("to")), QByteArray("new bytes"));
    QVERIFY(copyFileOverwrite(path("from"), path("fresh")));
    QCOMPARE(readBytes(path("fresh")), QByteArray("new bytes"));
}

void FilesTest::copyOntoItselfFails()
{
    writeBytes(path("self"), "keep me");
    QVERIFY(!copyFileOverwrite(path("self"), path("self")));
    QVERIFY(!copyFileOverwrite(path("self"), dir_.path() + "/./self"));
    QVERIFY(QFile::link(path("self"), path("link")));
    QVERIFY(!copyFileOverwrite(path("self"), path("link")));
    QCOMPARE(readBytes(path("self")), QByteArray("keep me"));
}

void FilesTest::copyFromMissingKeepsTarget()
{
    writeBytes(path("target"), "old");
    QVERIFY(!copyFileOverwrite(path("nothing"), path("target")));
    QVERIFY(!copyFileOverwrite(path("target"), path("nofolder/target")));
    QCOMPARE(readBytes(path("target")), QByteArray("old"));
}

// flock locks belong to the open file, so two descriptors of one process conflict
// like two programs.
void FilesTest::locksConflict()
{
    writeBytes(path("locked"), "x");
    const QByteArray name = QFile::encodeName(path("locked"));
    const int a = ::open(name.constData(), O_RDONLY);
    const int b = ::open(name.constData(), O_RDONLY);
    QVERIFY(a >= 0 && b >= 0);
    {
        const FileLock first(a, FileLock::Mode::Shared);
        const FileLock second(b, FileLock::Mode::Shared);
        QVERIFY(first.locked() && second.locked());
    }
    {
        const FileLock reader(a, FileLock::Mode::Shared);
        const FileLock writer(b, FileLock::Mode::Exclusive);
        QVERIFY(reader.locked());
        QVERIFY(!writer.locked());
        QCOMPARE(writer.error(), EWOULDBLOCK);
    }
    const FileLock writer(b, FileLock::Mode::Exclusive); // released by the scopes above
    QVERIFY(writer.locked());
    ::close(a);
    ::close(b);
}

QTEST_GUILESS_MAIN(FilesTest)
#include "tst_files.moc"
