// The compiled help file as the build produces it: a valid ITSF container holding a
// page for every window, the schematic, and every file its pages, contents and index
// refer to.
#include "chmfile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>


class TestHelpFile : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void startsWithTheItsfSignature();
    void holdsAPageForEachWindow_data();
    void holdsAPageForEachWindow();
    void holdsEveryReferencedFile_data();
    void holdsEveryReferencedFile();
    void systemFileNamesTitleAndStartPage();

private:
    QByteArray m_bytes;
};

namespace {

const QString sourceDir = QStringLiteral(QUORVEL_HELP_SOURCE_DIR);

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

// The files listed in the help project's [FILES] section.
QStringList projectFiles()
{
    QStringList files;
    bool inFiles = false;
    for (const QByteArray &raw : readAll(sourceDir + "/quorvel.hhp").split('\n')) {
        const QString line = QString::fromLatin1(raw).trimmed();
        if (line.startsWith('['))
            inFiles = line == "[FILES]";
        else if (inFiles && !line.isEmpty())
            files << line;
    }
    return files;
}

}

void TestHelpFile::initTestCase()
{
    m_bytes = readAll(QStringLiteral(QUORVEL_HELP_FILE));
}

void TestHelpFile::startsWithTheItsfSignature()
{
    QCOMPARE(m_bytes.left(4), QByteArray("ITSF"));
    const ChmFile chm(m_bytes);
    QVERIFY2(chm.isValid(), qPrintable(chm.error()));
}

void TestHelpFile::holdsAPageForEachWindow_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("caption");
    QTest::newRow("main window") << "main-window.html" << "main window";
    QTest::newRow("Diameters") << "diameters.html" << "Diameters window";
    QTest::newRow("Pumps information") << "pumps.html" << "Pumps information window";
    QTest::newRow("Tanks information") << "tanks.html" << "Tanks information window";
    QTest::newRow("printer choice") << "printing.html" << "printer choice window";
    QTest::newRow("About") << "about.html" << "About window";
}

void TestHelpFile::holdsAPageForEachWindow()
{
    QFETCH(QString, page);
    QFETCH(QString, caption);
    const ChmFile chm(m_bytes);
    QVERIFY2(chm.entries().contains("/" + page), qPrintable(page));
    QVERIFY(chm.entries().value("/" + page).length > 0);
    // The page is about that window: its title names it.
    const QString html = QString::fromLatin1(readAll(sourceDir + "/" + page));
    const QRegularExpression title("<title>([^<]*)</title>");
    QVERIFY2(title.match(html).captured(1).contains(caption), qPrintable(page));
}

void TestHelpFile::holdsEveryReferencedFile_data()
{
    QTest::addColumn<QString>("target");
    // Links and pictures of the pages, and the topics of the contents and the index.
    const QRegularExpression reference(
        R"re((?:href|src)="([^"#:]+)[^"]*"|name="Local" value="([^"]+)")re");
    QStringList sources = projectFiles().filter(".html");
    sources << "toc.hhc" << "index.hhk";
    QSet<QString> seen;
    for (const QString &source : sources) {
        const QString text = QString::fromLatin1(readAll(sourceDir + "/" + source));
        for (const auto &match : reference.globalMatch(text)) {
            const QString target = match.captured(1) + match.captured(2);
            if (!seen.contains(target)) {
                seen.insert(target);
                QTest::newRow(qPrintable(source + " -> " + target)) << target;
            }
        }
    }
    QVERIFY(seen.contains("images/schematic.png"));
}

void TestHelpFile::holdsEveryReferencedFile()
{
    QFETCH(QString, target);
    const ChmFile chm(m_bytes);
    QVERIFY2(chm.entries().contains("/" + target), qPrintable(target));
}

void TestHelpFile::systemFileNamesTitleAndStartPage()
{
    const ChmFile chm(m_bytes);
    const QByteArray system = chm.uncompressed("/#SYSTEM");
    QVERIFY(!system.isEmpty());
    QVERIFY(system.contains("Quorvel Help"));
    QVERIFY(system.contains("index.html"));
    QVERIFY(system.contains("toc.hhc"));
}

QTEST_GUILESS_MAIN(TestHelpFile)
#include "tst_helpfile.moc"
