#include "celltable.h"
#include "designcalculation.h"
#include "error.h"
#include "numbers.h"
#include "catalogfiles.h"
#include "datafolders.h"
#include "files.h"
#include "linelist.h"
#include "rowlist.h"
#include "support/fakeknownfolders.h"
#include "support/workedexample.h"
#include "support/tabletext.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace quorvel;

namespace {

void writeLines(const QString &path, const QStringList &lines, const QByteArray &tail = {})
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    for (const QString &line : lines)
        f.write(line.toLatin1() + "\r\n");
    f.write(tail);
}

QStringList numbered(const QString &caption, int dataLines, const QString &pattern)
{
    QStringList lines{caption};
    for (int i = 1; i <= dataLines; ++i)
        lines << pattern.arg(i);
    return lines;
}

} // namespace

class CatalogFilesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void resolvesFolders();
    void failedQueriesGiveBareSuffixes();
    void sixLineTanks();
    void pipesPastTheTable();
    void trailingBreakCountsAnEmptyLine();
    void strictAndNonStrictLine();
    void savedPumpsSettleAfterTwoGenerations();
    void surplusTankFieldsAreDropped();
    void missingPumpsStopsTheLoad();
    void emptyFilesCountMinusOne();
    void saveErrorNamesTheFullPath();
    void shippedCatalogsLoad();
    void longCatalogSavesAndLoadsWhole();
    void shippedPipesSuitTheWorkedExample();

private:
    QTemporaryDir root_;
    QString dir_;
    QString file(const QString &name) const { return dir_ + name; }
    void writeAll(int pipeLines = 6, int pumpLines = 4, int tankLines = 6);
};

void CatalogFilesTest::init()
{
    QVERIFY(root_.isValid());
    static int n = 0;
    dir_ = root_.filePath(QString::number(++n)) + u'/';
    QVERIFY(QDir().mkpath(dir_));
    setDecimalSeparator(u'.');
}

void CatalogFilesTest::writeAll(int pipeLines, int pumpLines, int tankLines)
{
    writeLines(file("pipes.csv"), numbered("No,Description,Nominal,Schedule,ID", pipeLines - 1, "%1,Pipe,%1,40,%1.5"));
    writeLines(file("pumps.csv"), numbered("No,Pump,Model,Flow,Head,Power,Curve", pumpLines - 1, "%1,Engine,E %1,5,20,3,e%1.bmp"));
    writeLines(file("storage.csv"), numbered("No,Tank type,Capacity,Remark", tankLines - 1, "%1,Onion,%1,open top"));
}

void CatalogFilesTest::resolvesFolders()
{
    FakeKnownFolders folders("/srv/common", "/home/u/Documents", "/home/u/Pictures");
    const DataFolders resolved = DataFolders::resolve(folders);
    QCOMPARE(resolved.databaseDir, "/srv/common/Pellmarsh/Quorvel/Database/");
    QCOMPARE(resolved.projectsDir, "/home/u/Documents/Pellmarsh/Quorvel/Projects/");
    QCOMPARE(resolved.picturesDir, "/home/u/Pictures");
    QCOMPARE(folders.queries, (QStringList{"common", "personal", "pictures"}));
}

void CatalogFilesTest::failedQueriesGiveBareSuffixes()
{
    FakeKnownFolders folders;
    const DataFolders resolved = DataFolders::resolve(folders);
    QCOMPARE(resolved.databaseDir, "/Pellmarsh/Quorvel/Database/");
    QCOMPARE(resolved.projectsDir, "/Pellmarsh/Quorvel/Projects/");
    QCOMPARE(resolved.picturesDir, QString());
}

void CatalogFilesTest::sixLineTanks()
{
    writeAll(6, 4, 6);
    Catalogs c;
    c.load(dir_);
    QCOMPARE(c.tankCount, 5);
    QCOMPARE(shown(c.tanks, 5), "[5][Onion][5][open top]");
    for (int r = 0; r <= 5; ++r)
        QVERIFY(c.tanks.strictDelimiter(r));
    for (int r = 6; r < 15; ++r) {
        QCOMPARE(shown(c.tanks, r), "[][][][]");
        QVERIFY(!c.tanks.strictDelimiter(r));
    }
    QVERIFY(!c.pipes.strictDelimiter(1));
    QVERIFY(c.pumps.strictDelimiter(3));
    QVERIFY(!c.pumps.strictDelimiter(4));
}

void CatalogFilesTest::pipesPastTheTable()
{
    writeAll(25, 4, 6);
    Catalogs c;
    c.load(dir_);
    QCOMPARE(c.pipeCount, 24);
    QCOMPARE(c.pipes.rowCount(), 20);
    QCOMPARE(shown(c.pipes, 24), "[24][Pipe][24][40][24.5]");
    QCOMPARE(shown(c.pipes, 25), "[][][][][]");
}

void CatalogFilesTest::trailingBreakCountsAnEmptyLine()
{
    writeAll();
    writeLines(file("pipes.csv"), numbered("No,Description,Nominal,Schedule,ID", 3, "%1,Pipe,%1,40,%1.5"), "\r\n");
    writeLines(file("storage.csv"), numbered("No,Tank type,Capacity,Remark", 2, "%1,Onion,%1,open top"), "\r\n");
    Catalogs c;
    c.load(dir_);
    QCOMPARE(c.pipeCount, 4);
    QCOMPARE(shown(c.pipes, 4), "[][][][][]");
    QCOMPARE(c.tankCount, 3);
    QCOMPARE(shown(c.tanks, 3), "[][][][]");
}

void CatalogFilesTest::strictAndNonStrictLine()
{
    writeAll();
    const QString line = "3,XK,P 100,,,,c3.bmp";
    writeLines(file("pipes.csv"), {"No", "1", "2", line});
    writeLines(file("pumps.csv"), {"No", "1", "2", line});
    Catalogs c;
    c.load(dir_);
    QCOMPARE(shown(c.pumps, 3), "[3][XK][P 100][ ][ ][ ][c3.bmp]");
    QCOMPARE(shown(c.pipes, 3), "[3][XK][P][100][ ]");
}

// Twelve lines into a 100-row table: the save writes every row, the empty ones as six
// commas; loaded and saved again those become single spaces, and stay so.
void CatalogFilesTest::savedPumpsSettleAfterTwoGenerations()
{
    writeAll(6, 12, 6);
    const QStringList original = readLines(file("pumps.csv"));
    Catalogs first;
    first.load(dir_);
    saveCatalog(first.pumps, file("pumps.csv"));
    QStringList saved = readLines(file("pumps.csv"));
    QCOMPARE(saved.size(), 100);
    QCOMPARE(saved.mid(0, 12), original);
    for (int i = 12; i < 100; ++i)
        QCOMPARE(saved[i], ",,,,,,");

    Catalogs second;
    second.load(dir_);
    QCOMPARE(shown(second.pumps, 50), "[ ][ ][ ][ ][ ][ ][ ]");
    saveCatalog(second.pumps, file("pumps.csv"));
    saved = readLines(file("pumps.csv"));
    QCOMPARE(saved.size(), 100);
    QCOMPARE(saved.mid(0, 12), original);
    for (int i = 12; i < 100; ++i)
        QCOMPARE(saved[i], " , , , , , , ");

    Catalogs third;
    third.load(dir_);
    saveCatalog(third.pumps, file("pumps.csv"));
    QCOMPARE(readLines(file("pumps.csv")), saved);
}

void CatalogFilesTest::surplusTankFieldsAreDropped()
{
    writeAll();
    writeLines(file("storage.csv"), {"No,Tank type,Capacity,Remark", "1,Onion,10,open top,extra,more"});
    Catalogs c;
    c.load(dir_);
    QCOMPARE(shown(c.tanks, 1), "[1][Onion][10][open top]");
    saveCatalog(c.tanks, file("storage.csv"));
    const QStringList saved = readLines(file("storage.csv"));
    QCOMPARE(saved.size(), 15);
    QCOMPARE(saved[1], "1,Onion,10,open top");
    QCOMPARE(saved[2], ",,,");
}

void CatalogFilesTest::missingPumpsStopsTheLoad()
{
    writeAll(6, 4, 6);
    QVERIFY(QFile::remove(file("pumps.csv")));
    Catalogs c;
    try {
        c.load(dir_);
        QFAIL("no error raised");
    } catch (const Error &e) {
        // The path as the system writes it, and its own words for a missing file.
        QByteArray bytes;
        QString missing;
        QVERIFY(!readWholeFile(file("pumps.csv"), bytes, missing));
        QCOMPARE(e.message(), QStringLiteral("Cannot open file \"%1\". %2")
                                  .arg(QDir::toNativeSeparators(file("pumps.csv")), missing));
    }
    QCOMPARE(c.pipeCount, 5);
    QCOMPARE(shown(c.pipes, 1), "[1][Pipe][1][40][1.5]");
    QCOMPARE(shown(c.pumps, 0), "[][][][][][][]");
    QCOMPARE(shown(c.tanks, 0), "[][][][]");
    QCOMPARE(c.tankCount, 0);
}

void CatalogFilesTest::emptyFilesCountMinusOne()
{
    writeLines(file("pipes.csv"), {});
    writeLines(file("pumps.csv"), {});
    writeLines(file("storage.csv"), {});
    Catalogs c;
    c.load(dir_);
    QCOMPARE(c.pipeCount, -1);
    QCOMPARE(c.tankCount, -1);
    QCOMPARE(shown(c.pipes, 0), "[][][][][]");
}

void CatalogFilesTest::saveErrorNamesTheFullPath()
{
    CellTable tanks(4, 15);
    rowList(tanks, 1).setCommaText("1,Onion,10,x");
    try {
        saveCatalog(tanks, dir_ + "missing/storage.csv");
        QFAIL("no error raised");
    } catch (const Error &e) {
        const QString path = dir_ + "missing/storage.csv";
        QCOMPARE(e.message(), QStringLiteral("Cannot create file \"%1\". %2")
                                  .arg(QDir::toNativeSeparators(path), systemErrorText(writeWholeFile(path, "").errorCode)));
    }
    QCOMPARE(shown(tanks, 1), "[1][Onion][10][x]");
}

void CatalogFilesTest::shippedCatalogsLoad()
{
    const QString databaseDir = QStringLiteral(QUORVEL_SHIPPED_DATABASE "/");
    Catalogs c;
    c.load(databaseDir);

    // Pipes: nominal inch sizes from 1/2" to 12" with rising inside diameters.
    QVERIFY(c.pipeCount >= 12 && c.pipeCount < c.pipes.rowCount());
    double lastNominal = 0, lastInside = 0;
    for (int r = 1; r <= c.pipeCount; ++r) {
        const double nominal = double(parseNumber(c.pipes.cell(2, r)));
        const double inside = double(parseNumber(c.pipes.cell(4, r)));
        QVERIFY2(nominal > lastNominal && inside > lastInside, qPrintable(shown(c.pipes, r)));
        lastNominal = nominal;
        lastInside = inside;
    }
    QCOMPARE(parseNumber(c.pipes.cell(2, 1)), 0.5L);
    QCOMPARE(lastNominal, 12.0);

    // Pumps: engine- and electric-driven, numbers in flow, head and power, a readable
    // curve picture each.
    int pumps = 0;
    bool engine = false, electric = false;
    for (int r = 1; !c.pumps.cell(0, r).isEmpty(); ++r) {
        ++pumps;
        engine = engine || c.pumps.cell(1, r).contains("engine", Qt::CaseInsensitive);
        electric = electric || c.pumps.cell(1, r).contains("Electric");
        for (int col = 3; col <= 5; ++col)
            QVERIFY(parseNumber(c.pumps.cell(col, r)) > 0);
        const QImage curve(databaseDir + c.pumps.cell(6, r));
        QVERIFY2(!curve.isNull(), qPrintable(c.pumps.cell(6, r)));
    }
    QVERIFY(pumps >= 8);
    QVERIFY(engine && electric);
    QVERIFY(!QImage(databaseDir + "no curve.bmp").isNull());

    // Tanks: at least six types from 2 to 95 cubic metres.
    QVERIFY(c.tankCount >= 6);
    double smallest = 1e9, largest = 0;
    for (int r = 1; r <= c.tankCount; ++r) {
        const double capacity = double(parseNumber(c.tanks.cell(2, r)));
        smallest = std::min(smallest, capacity);
        largest = std::max(largest, capacity);
    }
    QCOMPARE(smallest, 2.0);
    QCOMPARE(largest, 95.0);

    // Every line is stored as the program itself writes it.
    for (const auto &[table, name] : {std::pair<CellTable *, QString>{&c.pipes, "pipes.csv"},
                                      {&c.pumps, "pumps.csv"}, {&c.tanks, "storage.csv"}}) {
        const QStringList lines = readLines(databaseDir + name);
        for (int r = 0; r < lines.size(); ++r)
            QCOMPARE(rowList(*table, r).commaText(), lines[r]);
    }
}

// The calculation's worked example against the shipped pipes: the economic diameter
// of 139.75 mm lies nearest to the 5" pipe (128.2 mm inside).
void CatalogFilesTest::shippedPipesSuitTheWorkedExample()
{
    const QString databaseDir = QStringLiteral(QUORVEL_SHIPPED_DATABASE "/");
    Catalogs c;
    c.load(databaseDir);
    CellTable inputs(3, 8), results(3, 11);
    setWorkedExampleInputs(inputs);
    DesignCalculation calc;
    FixedPicks picks;
    picks.tank = 3; // a 10 m3 tank
    calc.run(InputTexts::fromTable(inputs), c.tables(), picks, &results);

    QCOMPARE(ResultTexts::fromTable(results).texts(), WorkedExample::shippedResults);
    QCOMPARE(calc.design().insideDiameter, 128.2);
    QVERIFY(calc.design().frictionLoss > 0.5 && calc.design().frictionLoss < 10);
    QCOMPARE(results.cell(0, 6), c.pumps.cell(1, 1) + " pump " + c.pumps.cell(2, 1) + " model");
    QCOMPARE(results.cell(0, 7), c.tanks.cell(1, 3) + " Tank 10 M^3");
}

// A catalog longer than the save's blocks, with quoted fields and characters outside
// ASCII, is written exactly as its rows' comma texts and reads back the same.
void CatalogFilesTest::longCatalogSavesAndLoadsWhole()
{
    CellTable pumps(7, 6000);
    LineList reference; // the same rows through the line list
    for (int r = 0; r < pumps.rowCount(); ++r) {
        pumps.setStrictDelimiter(r, true);
        rowList(pumps, r).setCommaText(QStringLiteral("%1,P\u00e9 %1,\"a,b\",x \"y\",\u20ac%1,,last").arg(r));
        reference.append(rowCommaText(pumps, r));
    }
    const QString path = root_.filePath(QStringLiteral("long.csv"));
    const QString referencePath = root_.filePath(QStringLiteral("reference.csv"));
    saveCatalog(pumps, path);
    reference.saveToFile(referencePath);
    QFile file(path);
    QFile referenceFile(referencePath);
    QVERIFY(file.open(QIODevice::ReadOnly) && referenceFile.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    QCOMPARE(saved, referenceFile.readAll());
    QVERIFY(saved.size() > 3 * 64 * 1024);
    const QByteArray first("0,P\xe9 0,\"a,b\",\"x \"\"y\"\"\",\x80" "0, ,last\r\n");
    QCOMPARE(saved.left(first.size()), first);

    CellTable again(7, 6000);
    LineList lines;
    lines.loadFromFile(path);
    QCOMPARE(lines.count(), pumps.rowCount());
    for (int r = 0; r < lines.count(); ++r) {
        again.setStrictDelimiter(r, true);
        rowList(again, r).setCommaText(lines[r]);
        for (int c = 0; c < 7; ++c)
            QCOMPARE(again.cell(c, r), pumps.cell(c, r));
    }
}

QTEST_GUILESS_MAIN(CatalogFilesTest)
#include "tst_catalogfiles.moc"
