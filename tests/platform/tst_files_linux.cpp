// The Linux back end: errno texts, flock locks, links.
#include "files.h"
#include "filelock.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

using namespace quorvel;

class LinuxFilesTest : public QObject {
    Q_OBJECT
private slots:
    void systemErrorTextIsTrimmed();
    void copyOntoALinkToItselfFails();
    void locksConflict();

private:
    QTemporaryDir dir_;
    QString path(const QString &name) const { return dir_.filePath(name); }
};

void LinuxFilesTest::systemErrorTextIsTrimmed()
{
    QCOMPARE(systemErrorText(ENOENT), "No such file or directory");
    for (int code : {EACCES, ENOSPC, EWOULDBLOCK, EISDIR, 12345}) {
        const QString text = systemErrorText(code);
        QVERIFY(!text.isEmpty());
        QVERIFY2(!text.endsWith(u'.') && !text.endsWith(u' ') && !text.endsWith(u'\n'), qPrintable(text));
    }
}

void LinuxFilesTest::copyOntoALinkToItselfFails()
{
    QFile self(path("self"));
    QVERIFY(self.open(QIODevice::WriteOnly) && self.write("keep me") == 7);
    self.close();
    QVERIFY(QFile::link(path("self"), path("link")));
    QVERIFY(!copyFileOverwrite(path("self"), path("link")));
    QVERIFY(self.open(QIODevice::ReadOnly));
    QCOMPARE(self.readAll(), QByteArray("keep me"));
}

// flock locks belong to the open file, so two descriptors of one process conflict
// like two programs.
void LinuxFilesTest::locksConflict()
{
    QFile file(path("locked"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
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

QTEST_GUILESS_MAIN(LinuxFilesTest)
#include "tst_files_linux.moc"
