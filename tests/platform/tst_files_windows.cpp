// The Windows back end: share modes, the system's texts, the known folders, names the
// Win32 calls limit.
#include "files.h"
#include "knownfolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <windows.h>

using namespace quorvel;

namespace {

// A file held open by another program, with that program's access and share mode.
class OtherProgram {
public:
    OtherProgram(const QString &path, DWORD access, DWORD share)
        : h_(CreateFileW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(path).utf16()), access, share,
                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))
    {
    }
    ~OtherProgram()
    {
        if (h_ != INVALID_HANDLE_VALUE)
            CloseHandle(h_);
    }
    bool opened() const { return h_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE h_;
};

} // namespace

class WindowsFilesTest : public QObject {
    Q_OBJECT
private slots:
    void systemErrorText_data();
    void systemErrorText();
    void sharing_data();
    void sharing();
    void unreadable_data();
    void unreadable();
    void uncreatable_data();
    void uncreatable();
    void longPathIsWritten();
    void knownFolders();
    void shownPathUsesBackslashes();

private:
    QTemporaryDir dir_;
    QString path(const QString &name) const { return dir_.filePath(name); }
};

// Windows' own words, or wine's shorter ones, without the full stop and line break.
void WindowsFilesTest::systemErrorText_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("windows");
    QTest::addColumn<QString>("wine");
    QTest::newRow("missing") << int(ERROR_FILE_NOT_FOUND) << "The system cannot find the file specified"
                             << "File not found";
    QTest::newRow("denied") << int(ERROR_ACCESS_DENIED) << "Access is denied" << "Access denied";
    QTest::newRow("in use") << int(ERROR_SHARING_VIOLATION)
                            << "The process cannot access the file because it is being used by another process"
                            << "Sharing violation";
    QTest::newRow("unknown") << 0x2fffffff << "Unknown error 805306367" << "Unknown error 805306367";
}

void WindowsFilesTest::systemErrorText()
{
    QFETCH(int, code);
    QFETCH(QString, windows);
    QFETCH(QString, wine);
    const QString text = quorvel::systemErrorText(code);
    QVERIFY2(text == windows || text == wine, qPrintable(text));
}

// Another program holding the file: a read goes on beside other readers only, a save
// beside nobody.
void WindowsFilesTest::sharing_data()
{
    QTest::addColumn<uint>("access");
    QTest::addColumn<uint>("share");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<bool>("writable");
    const uint read = GENERIC_READ, write = GENERIC_WRITE;
    const uint shareRead = FILE_SHARE_READ, shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    QTest::newRow("a reader like us") << read << shareRead << true << false;
    QTest::newRow("a viewer sharing all") << read << shareAll << true << false;
    QTest::newRow("a writer sharing reads") << read + write << shareRead << false << false;
    QTest::newRow("a writer sharing all") << write << shareAll << false << false;
    QTest::newRow("a reader denying all") << read << 0u << false << false;
}

void WindowsFilesTest::sharing()
{
    QFETCH(uint, access);
    QFETCH(uint, share);
    QFETCH(bool, readable);
    QFETCH(bool, writable);
    const QString file = path("shared.csv");
    QCOMPARE(writeWholeFile(file, "old\r\n").kind, WriteOutcome::Written);
    {
        const OtherProgram other(file, access, share);
        QVERIFY(other.opened());
        QByteArray bytes;
        QString reason;
        QCOMPARE(readWholeFile(file, bytes, reason), readable);
        if (!readable)
            QCOMPARE(reason, quorvel::systemErrorText(ERROR_SHARING_VIOLATION));
        const WriteOutcome outcome = writeWholeFile(file, "new\r\n");
        QCOMPARE(outcome.kind == WriteOutcome::Written, writable);
        if (!writable)
            QCOMPARE(outcome.errorCode, int(ERROR_SHARING_VIOLATION));
    }
    QByteArray bytes;
    QString reason;
    QVERIFY(readWholeFile(file, bytes, reason));
    QCOMPARE(bytes, QByteArray(writable ? "new\r\n" : "old\r\n"));
    QVERIFY(!QFileInfo::exists(path(".shared.csv.quorvel-save")));
}

void WindowsFilesTest::unreadable_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << "missing.csv" << quorvel::systemErrorText(ERROR_FILE_NOT_FOUND);
    QTest::newRow("folder") << "folder" << quorvel::systemErrorText(ERROR_ACCESS_DENIED);
    QTest::newRow("device") << "NUL" << "Not a regular file";
}

void WindowsFilesTest::unreadable()
{
    QFETCH(QString, name);
    QVERIFY(QDir(dir_.path()).mkpath("folder"));
    QByteArray bytes = "untouched";
    QString reason;
    QVERIFY(!readWholeFile(name == "NUL" ? name : path(name), bytes, reason));
    QTEST(reason, "reason");
    QCOMPARE(bytes, QByteArray("untouched"));
}

void WindowsFilesTest::uncreatable_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("errorCode");
    QTest::newRow("read-only file") << "readonly.csv" << int(ERROR_ACCESS_DENIED);
    QTest::newRow("folder") << "folder" << int(ERROR_ACCESS_DENIED);
    QTest::newRow("name of 256") << QString(252, u'n') + ".csv" << int(ERROR_FILENAME_EXCED_RANGE);
    QTest::newRow("missing folder") << "nowhere/file.csv" << int(ERROR_PATH_NOT_FOUND);
}

// Every name of a set is checked before anything is written: the first file stays.
void WindowsFilesTest::uncreatable()
{
    QFETCH(QString, name);
    QVERIFY(QDir(dir_.path()).mkpath("folder"));
    QFile readOnly(path("readonly.csv"));
    QVERIFY(readOnly.open(QIODevice::WriteOnly));
    readOnly.close();
    QVERIFY(SetFileAttributesW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(readOnly.fileName()).utf16()),
                               FILE_ATTRIBUTE_READONLY));
    QCOMPARE(writeWholeFile(path("first.csv"), "old").kind, WriteOutcome::Written);
    const WriteOutcome outcome = writeWholeFiles({{path("first.csv"), "new"}, {path(name), "new"}});
    QCOMPARE(outcome.kind, WriteOutcome::CannotCreate);
    QCOMPARE(outcome.file, 1);
    QTEST(outcome.errorCode, "errorCode");
    QByteArray bytes;
    QString reason;
    QVERIFY(readWholeFile(path("first.csv"), bytes, reason));
    QCOMPARE(bytes, QByteArray("old"));
    SetFileAttributesW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(readOnly.fileName()).utf16()),
                       FILE_ATTRIBUTE_NORMAL);
}

// Beyond MAX_PATH (260) the files are reached all the same.
void WindowsFilesTest::longPathIsWritten()
{
    QString folder = dir_.path();
    while (folder.size() < 300)
        folder += "/" + QString(60, u'd');
    QVERIFY(QDir().mkpath(folder));
    const QString file = folder + "/long.csv";
    QCOMPARE(writeWholeFile(file, "bytes\r\n").kind, WriteOutcome::Written);
    QCOMPARE(writeWholeFile(file, "again\r\n").kind, WriteOutcome::Written);
    QByteArray bytes;
    QString reason;
    QVERIFY2(readWholeFile(file, bytes, reason), qPrintable(reason));
    QCOMPARE(bytes, QByteArray("again\r\n"));
}

// Public Documents holds the database, as the shipped program looks for it; the
// paths come with the program's "/" separators.
void WindowsFilesTest::knownFolders()
{
    SystemKnownFolders folders;
    const QString common = folders.commonDocuments();
    QVERIFY2(common.endsWith("/Public/Documents", Qt::CaseInsensitive), qPrintable(common));
    for (const QString &folder : {common, folders.personalDocuments(), folders.myPictures()}) {
        QVERIFY2(QFileInfo(folder).isAbsolute() && !folder.contains(u'\\'), qPrintable(folder));
        QVERIFY2(QFileInfo(folder).isDir(), qPrintable(folder));
    }
    QVERIFY(folders.personalDocuments() != common);
}

void WindowsFilesTest::shownPathUsesBackslashes()
{
    QCOMPARE(shownPath("C:/Users/Public/Documents/a.csv"), "C:\\Users\\Public\\Documents\\a.csv");
    QCOMPARE(shownPath("C:/x/../y.csv"), "C:\\y.csv");
}

QTEST_GUILESS_MAIN(WindowsFilesTest)
#include "tst_files_windows.moc"
