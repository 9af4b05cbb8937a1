#include "error.h"
#include "files.h"
#include "filelock.h"
#include "linelist.h"
#include "support/tabletext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace quorvel;

namespace {

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

LineList listOf(const QStringList &lines)
{
    LineList list;
    for (const QString &line : lines)
        list.append(line);
    return list;
}

QString errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const Error &e) {
        return e.message();
    }
    return QStringLiteral("<no error>");
}

QString u(const char16_t *text)
{
    return QString::fromUtf16(text);
}

} // namespace

class LineListTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void load_data();
    void load();
    void save_data();
    void save();
    void roundTripOfTheWholeCodePage();
    void lineWithBreakReadsAsTwo();
    void eachSaveWritesTheCurrentLines();
    void utf8FileIsWrittenBackInCodePage();
    void indexOutOfBounds();
    void openErrors_data();
    void openErrors();
    void openFailsWhileAnotherWrites();
    void createErrors_data();
    void createErrors();
    void saveFailsWhileAnotherReads();
    void failedWriteKeepsOldFile();
    void saveReplacesAndKeepsPermissions();

private:
    QTemporaryDir dir_;
    QString path(const QString &name) const { return dir_.filePath(name); }
};

void LineListTest::init()
{
    QVERIFY(dir_.isValid());
}

void LineListTest::load_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("two lines") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("no last break") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("extra break") << QByteArray("a\r\nb\r\n\r\n") << QStringList{"a", "b", ""};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("only utf-8 mark") << QByteArray("\xEF\xBB\xBF") << QStringList{};
    QTest::newRow("only le mark") << QByteArray("\xFF\xFE") << QStringList{};
    QTest::newRow("only be mark") << QByteArray("\xFE\xFF") << QStringList{};
    QTest::newRow("lone cr") << QByteArray("a\rb") << QStringList{"a", "b"};
    QTest::newRow("lone lf") << QByteArray("a\nb") << QStringList{"a", "b"};
    QTest::newRow("lf cr") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
    QTest::newRow("only a break") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("nul ends text") << QByteArray("a\0b\r\nc", 6) << QStringList{"a"};
    QTest::newRow("nul after break") << QByteArray("a\r\n\0b", 5) << QStringList{"a", ""};
    QTest::newRow("code page") << QByteArray("\x80\x9F\x81\x8D\x8F\x90\x9D\xE9\xA0\xFF")
                               << QStringList{u(u"\u20AC\u0178\u0081\u008D\u008F\u0090\u009D\u00E9\u00A0\u00FF")};
    QTest::newRow("short of a mark") << QByteArray("\xEF\xBB") << QStringList{u(u"\u00EF\u00BB")};
    QTest::newRow("utf-8") << QByteArray("\xEF\xBB\xBFh\xC3\xA9\r\n\xF0\x9F\x98\x80")
                           << QStringList{u(u"h\u00E9"), u(u"\U0001F600")};
    QTest::newRow("utf-8 second mark kept") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx")
                                            << QStringList{QChar(0xFEFF) + QStringLiteral("x")};
    QTest::newRow("utf-8 invalid") << QByteArray("\xEF\xBB\xBF" "ab\r\n\xC3\x28") << QStringList{};
    QTest::newRow("utf-8 cut short") << QByteArray("\xEF\xBB\xBF" "ab\xC3") << QStringList{};
    QTest::newRow("utf-8 surrogate") << QByteArray("\xEF\xBB\xBF\xED\xA0\x80") << QStringList{};
    QTest::newRow("utf-8 overlong") << QByteArray("\xEF\xBB\xBF\xC0\xAF") << QStringList{};
    QTest::newRow("utf-16le odd tail") << QByteArray("\xFF\xFE" "a\0b\0c", 7) << QStringList{"ab"};
    QTest::newRow("utf-16le lines") << QByteArray("\xFF\xFE" "a\0\r\0\n\0\xAC\x20", 10)
                                    << QStringList{"a", u(u"\u20AC")};
    QTest::newRow("utf-16be lines") << QByteArray("\xFE\xFF\0a\0\r\0\n\0b", 10) << QStringList{"a", "b"};
    QTest::newRow("utf-16 nul") << QByteArray("\xFF\xFE" "a\0\0\0b\0", 8) << QStringList{"a"};
}

void LineListTest::load()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    writeBytes(path("in.txt"), bytes);
    LineList list;
    list.append("old");
    list.loadFromFile(path("in.txt"));
    QCOMPARE(linesOf(list), lines);
}

void LineListTest::save_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("two lines") << QStringList{"a", "b"} << QByteArray("a\r\nb\r\n");
    QTest::newRow("no lines") << QStringList{} << QByteArray();
    QTest::newRow("empty lines") << QStringList{"", ""} << QByteArray("\r\n\r\n");
    QTest::newRow("code page") << QStringList{u(u"\u20AC\u00E9\u0178\u0081\u009D\u00A0")}
                               << QByteArray("\x80\xE9\x9F\x81\x9D\xA0\r\n");
    // Outside the code page: the base letter of the decomposition, else "?".
    QTest::newRow("macron") << QStringList{u(u"\u0101\u0175\u0158")} << QByteArray("awR\r\n");
    QTest::newRow("base in code page") << QStringList{u(u"\u01D6\u1EA4")} << QByteArray("\xFC\xC2\r\n");
    QTest::newRow("no fit") << QStringList{u(u"\u03C9\u4E2D\u0080")} << QByteArray("???\r\n");
    QTest::newRow("pair is one") << QStringList{u(u"x\U0001F600y")} << QByteArray("x?y\r\n");
    QTest::newRow("lone surrogate") << QStringList{u(u"x\xD800y")} << QByteArray("x?y\r\n");
    QTest::newRow("combining mark") << QStringList{u(u"e\u0301")} << QByteArray("e?\r\n");
}

void LineListTest::save()
{
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, bytes);
    listOf(lines).saveToFile(path("out.txt"));
    QCOMPARE(readBytes(path("out.txt")), bytes);
}

void LineListTest::roundTripOfTheWholeCodePage()
{
    QByteArray all;
    for (int b = 1; b < 256; ++b) {
        if (b != 10 && b != 13)
            all += char(b);
    }
    writeBytes(path("all.txt"), all + "\r\nsecond\r\n");
    LineList list;
    list.loadFromFile(path("all.txt"));
    QCOMPARE(list.count(), 2);
    list.saveToFile(path("again.txt"));
    QCOMPARE(readBytes(path("again.txt")), all + "\r\nsecond\r\n");
}

void LineListTest::lineWithBreakReadsAsTwo()
{
    listOf({"a\rb", "c\nd"}).saveToFile(path("breaks.txt"));
    LineList list;
    list.loadFromFile(path("breaks.txt"));
    QCOMPARE(linesOf(list), (QStringList{"a", "b", "c", "d"}));
}

// A list saved again after lines were added, or after a load replaced them, writes
// exactly the lines it holds then.
void LineListTest::eachSaveWritesTheCurrentLines()
{
    LineList list;
    list.append("a");
    QCOMPARE(list.saveToBytes(), QByteArray("a\r\n"));
    list.append("b");
    list.saveToFile(path("grown.txt"));
    QCOMPARE(readBytes(path("grown.txt")), QByteArray("a\r\nb\r\n"));
    list.loadFromBytes("x\r\n");
    QCOMPARE(list.saveToBytes(), QByteArray("x\r\n"));
    list.append("y");
    list.loadFromFile(path("grown.txt"));
    list.append("c");
    QCOMPARE(list.saveToBytes(), QByteArray("a\r\nb\r\nc\r\n"));
}

void LineListTest::utf8FileIsWrittenBackInCodePage()
{
    writeBytes(path("u8.txt"), "\xEF\xBB\xBF" "caf\xC3\xA9 \xC5\x8D\r\n");
    LineList list;
    list.loadFromFile(path("u8.txt"));
    list.saveToFile(path("u8.txt"));
    QCOMPARE(readBytes(path("u8.txt")), QByteArray("caf\xE9 o\r\n"));
}

void LineListTest::indexOutOfBounds()
{
    const LineList list = listOf({"a", "b"});
    QCOMPARE(errorOf([&] { list[2]; }), "List index out of bounds (2)");
    QCOMPARE(errorOf([&] { list[-1]; }), "List index out of bounds (-1)");
    QCOMPARE(list[1], "b");
}

void LineListTest::openErrors_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << "missing.csv" << "No such file or directory";
    QTest::newRow("missing folder") << "nofolder/x.csv" << "No such file or directory";
    QTest::newRow("folder") << "." << "Is a directory";
    QTest::newRow("dot dot") << "sub/../missing.csv" << "No such file or directory";
    // Refused before any read, so none of them can hang the program or fill its memory.
    QTest::newRow("named pipe") << "pipe.csv" << "Not a regular file";
    QTest::newRow("link to /dev/zero") << "zero.csv" << "Not a regular file";
    QTest::newRow("over 256 MB") << "huge.csv" << "File is larger than 256 MB";
}

// The path in the message is made absolute from the current folder.
void LineListTest::openErrors()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QDir(dir_.path()).mkdir("sub");
    if (!QFileInfo::exists(dir_.filePath("huge.csv"))) {
        QVERIFY(::mkfifo(QFile::encodeName(dir_.filePath("pipe.csv")).constData(), 0600) == 0);
        QVERIFY(QFile::link("/dev/zero", dir_.filePath("zero.csv")));
        QFile huge(dir_.filePath("huge.csv"));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(largestReadableFile + 1)); // sparse
    }
    const QString oldCurrent = QDir::currentPath();
    QDir::setCurrent(dir_.path());
    LineList list;
    list.append("kept");
    const QString message = errorOf([&] { list.loadFromFile(name); });
    QDir::setCurrent(oldCurrent);
    const QString absolute = QDir::cleanPath(QDir(dir_.path()).absoluteFilePath(name));
    QCOMPARE(message, QStringLiteral("Cannot open file \"%1\". %2").arg(absolute, reason));
    QCOMPARE(linesOf(list), QStringList{"kept"});
}

void LineListTest::openFailsWhileAnotherWrites()
{
    writeBytes(path("busy.csv"), "a\r\n");
    const int fd = ::open(QFile::encodeName(path("busy.csv")).constData(), O_RDWR);
    QVERIFY(fd >= 0);
    {
        const FileLock writer(fd, FileLock::Mode::Exclusive);
        QVERIFY(writer.locked());
        LineList list;
        QCOMPARE(errorOf([&] { list.loadFromFile(path("busy.csv")); }),
                 QStringLiteral("Cannot open file \"%1\". %2")
                     .arg(path("busy.csv"), systemErrorText(EWOULDBLOCK)));
    }
    LineList list;
    list.loadFromFile(path("busy.csv"));
    QCOMPARE(list.count(), 1);
    ::close(fd);
}

void LineListTest::createErrors_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing folder") << "nofolder/x.csv" << "No such file or directory";
    QTest::newRow("file as folder") << "plain.txt/x.csv" << "Not a directory";
    QTest::newRow("folder") << "sub" << "Is a directory";
}

void LineListTest::createErrors()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    writeBytes(path("plain.txt"), "old\r\n");
    QDir(dir_.path()).mkdir("sub");
    const QString oldCurrent = QDir::currentPath();
    QDir::setCurrent(dir_.path());
    const QString message = errorOf([&] { listOf({"new"}).saveToFile(name); });
    QDir::setCurrent(oldCurrent);
    QCOMPARE(message, QStringLiteral("Cannot create file \"%1\". %2").arg(path(name), reason));
    QCOMPARE(readBytes(path("plain.txt")), QByteArray("old\r\n"));
}

void LineListTest::saveFailsWhileAnotherReads()
{
    writeBytes(path("open.csv"), "old\r\n");
    const int fd = ::open(QFile::encodeName(path("open.csv")).constData(), O_RDONLY);
    QVERIFY(fd >= 0);
    {
        const FileLock reader(fd, FileLock::Mode::Shared);
        QVERIFY(reader.locked());
        QCOMPARE(errorOf([&] { listOf({"new"}).saveToFile(path("open.csv")); }),
                 QStringLiteral("Cannot create file \"%1\". %2")
                     .arg(path("open.csv"), systemErrorText(EWOULDBLOCK)));
    }
    ::close(fd);
    QCOMPARE(readBytes(path("open.csv")), QByteArray("old\r\n"));
}

// A write that fails part-way (here: over the process's file size limit, which holds
// for root as well) reports the write error, keeps the old bytes and leaves no
// temporary file behind.
void LineListTest::failedWriteKeepsOldFile()
{
    QVERIFY(QDir(dir_.path()).mkdir("limit"));
    const QString target = path("limit/big.csv");
    const QByteArray old("old catalog\r\n");
    writeBytes(target, old);
    QStringList lines;
    for (int i = 0; i < 2000; ++i)
        lines << QStringLiteral("line %1 of a catalog that outgrows the limit").arg(i);

    rlimit saved{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString message = errorOf([&] { listOf(lines).saveToFile(target); });
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(message, "Stream write error");
    QCOMPARE(readBytes(target), old);
    QCOMPARE(QDir(path("limit")).entryList(QDir::Files), QStringList{"big.csv"});
}

void LineListTest::saveReplacesAndKeepsPermissions()
{
    writeBytes(path("perm.csv"), "a much longer old content\r\n");
    QVERIFY(QFile::setPermissions(path("perm.csv"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
    listOf({"x"}).saveToFile(path("perm.csv"));
    QCOMPARE(readBytes(path("perm.csv")), QByteArray("x\r\n"));
    QCOMPARE(QFile::permissions(path("perm.csv")) & (QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
             QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
}

QTEST_GUILESS_MAIN(LineListTest)
#include "tst_linelist.moc"
