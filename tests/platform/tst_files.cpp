// What files.h promises on every system; tst_files_linux.cpp and tst_files_windows.cpp
// test each system's own back end.
#include "files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

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
    void trimmedSystemText_data();
    void trimmedSystemText();
    void fileExistsOnlyForFiles();
    void copyOverwrites();
    void copyOntoItselfFails();
    void copyFromMissingKeepsTarget();
    void killedSaveLeavesOldFiles();

private:
    QTemporaryDir dir_;
    QString path(const QString &name) const { return dir_.filePath(name); }
};

void FilesTest::trimmedSystemText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");
    QTest::newRow("strerror") << "No such file or directory" << "No such file or directory";
    QTest::newRow("FormatMessageW") << "Access is denied.\r\n" << "Access is denied";
    QTest::newRow("dots and blanks") << "Disk full . .\t" << "Disk full";
    QTest::newRow("inner dot kept") << "File.txt is busy" << "File.txt is busy";
    QTest::newRow("nothing left") << ". \n" << "";
}

void FilesTest::trimmedSystemText()
{
    QFETCH(QString, text);
    QTEST(quorvel::trimmedSystemText(text), "trimmed");
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
    QCOMPARE(readBytes(path("self")), QByteArray("keep me"));
}

void FilesTest::copyFromMissingKeepsTarget()
{
    writeBytes(path("target"), "old");
    QVERIFY(!copyFileOverwrite(path("nothing"), path("target")));
    QVERIFY(!copyFileOverwrite(path("target"), path("nofolder/target")));
    QCOMPARE(readBytes(path("target")), QByteArray("old"));
}

// A writer killed while it writes a set of files (the first one large, so that it is
// surely still writing) leaves every old file whole, and its temporary file is taken
// away by the next save of the same file.
void FilesTest::killedSaveLeavesOldFiles()
{
    writeBytes(path("big.dat"), "old big");
    writeBytes(path("small.csv"), "old small");
    QProcess writer;
    writer.start(QCoreApplication::applicationDirPath() + "/quorvel_savehelper",
                 {path("big.dat"), path("small.csv"), QString::number(192 << 20)});
    QVERIFY2(writer.waitForStarted(), qPrintable(writer.errorString()));
    const QString temporary = path(".big.dat.quorvel-save");
    for (int i = 0; i < 20000 && QFileInfo(temporary).size() == 0 && writer.state() == QProcess::Running; ++i)
        QThread::msleep(1);
    QVERIFY2(QFileInfo(temporary).size() > 0, "the writer never started on its temporary file");
    writer.kill();
    QVERIFY(writer.waitForFinished());
    QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

    QCOMPARE(readBytes(path("big.dat")), QByteArray("old big"));
    QCOMPARE(readBytes(path("small.csv")), QByteArray("old small"));
    QVERIFY(QFileInfo::exists(temporary));
    QCOMPARE(writeWholeFile(path("big.dat"), "new big").kind, WriteOutcome::Written);
    QCOMPARE(readBytes(path("big.dat")), QByteArray("new big"));
    QVERIFY(!QFileInfo::exists(temporary));
}

QTEST_GUILESS_MAIN(FilesTest)
#include "tst_files.moc"
