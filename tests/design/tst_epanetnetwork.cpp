// The network file: the tank's shape and starting level, and the names and safe
// writing of the exported networks. tests/hydraulics runs the networks in EPANET.
#include "epanetexport.h"
#include "epanetnetwork.h"
#include "error.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace quorvel;

class TestEpanetNetwork : public QObject {
    Q_OBJECT

private slots:
    void tankHoldsTheStorage()
    {
        for (const double volume : {2.0, 130.0, 5000.0}) {
            const TankShape tank = tankShape(volume);
            QCOMPARE(tank.height, 2.0);
            QVERIFY(std::abs(std::numbers::pi / 4 * tank.diameter * tank.diameter * tank.height - volume) < 1e-9 * volume);
        }
    }

    // The tank starts at the level a day leaves it at, never empty nor above the level
    // where the float valve opens; storage or demand of nothing writes a number too.
    void startingLevel_data()
    {
        QTest::addColumn<double>("storage"); // m3
        QTest::addColumn<double>("demand");  // m3 a day
        QTest::addColumn<double>("hours");   // pumping, a day
        QTest::addColumn<QString>("level");  // m
        QTest::newRow("a day's storage") << 60.0 << 60.0 << 6.0 << "0.5";
        QTest::newRow("too small for the night") << 10.0 << 14.0 << 4.0 << "0.01";
        QTest::newRow("pumping all day") << 60.0 << 60.0 << 24.0 << "1.98";
        QTest::newRow("more hours than a day") << 60.0 << 60.0 << 30.0 << "1.98";
        QTest::newRow("no storage") << 0.0 << 60.0 << 6.0 << "0.01";
        QTest::newRow("nothing at all") << 0.0 << 0.0 << 0.0 << "0.01";
    }
    void startingLevel()
    {
        NetworkDesign design;
        QFETCH(double, storage);
        QFETCH(double, demand);
        QFETCH(double, hours);
        design.actualStorage = storage;
        design.dailyDemand = demand;
        design.pumpingHours = hours;
        const QStringList lines = epanetNetwork(design);
        const auto tank = std::find_if(lines.begin(), lines.end(), [](const QString &l) { return l.startsWith("StorageTank\t"); });
        QVERIFY(tank != lines.end());
        QTEST(tank->split(u'\t').value(2), "level");
    }

    void safeFileNames_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("file");
        QTest::newRow("plain") << "Camp" << "Camp";
        QTest::newRow("blanks and a slash") << "Camp / North 2" << "Camp_North_2";
        QTest::newRow("accents kept as base letters") << "Salé" << "Sale";
        QTest::newRow("hidden, option-like, parent") << "../-x" << "x";
        QTest::newRow("nothing usable") << "???" << "site";
        QTest::newRow("empty") << "" << "site";
    }
    void safeFileNames()
    {
        QFETCH(QString, site);
        QTEST(safeFileName(site), "file");
    }

    // Names unique without regard to case, never a protected file; a failed site and
    // a site without a pump write nothing.
    void exportNamesAndSkips()
    {
        QTemporaryDir dir;
        EpanetExport networks(dir.filePath("out/nets"), {dir.filePath("out/nets/CAMP-3.inp")});
        SiteResult designed;
        designed.gravity = true;
        designed.design.inputs = {1000, 150, 100, 500, 4, 20, 250};
        designed.design.nominalDiameter = 2;
        designed.design.results.actualStorage = 10;
        designed.design.insideDiameter = 52.5;
        QStringList written;
        for (const char *name : {"Camp", "camp", "CAMP", "Camp"}) {
            designed.site.name = QString::fromLatin1(name);
            written << QFileInfo(networks.write(designed)).fileName();
        }
        // Where the file system ignores case (Windows), "Camp-3" is the protected file.
        QFile probe(dir.filePath("probe"));
        QVERIFY(probe.open(QIODevice::WriteOnly));
        const QString last = QFileInfo::exists(dir.filePath("PROBE")) ? "Camp-5.inp" : "Camp-3.inp";
        QCOMPARE(written, (QStringList{"Camp.inp", "camp-2.inp", "CAMP-4.inp", last}));
        SiteResult noPump = designed;
        noPump.gravity = false;
        QCOMPARE(networks.write(noPump), QString());
        SiteResult failed = designed;
        failed.error = TranslatableText::plain("missing");
        QCOMPARE(networks.write(failed), QString());
        QCOMPARE(QDir(dir.filePath("out/nets")).entryList(QDir::Files).size(), 4);
    }

    // A network that cannot be written names its file; the old file stays whole.
    void unwritableNetworkNamesItsFile()
    {
        QTemporaryDir dir;
        NetworkDesign design;
        const QString missing = dir.filePath("no/such/folder/x.inp");
        try {
            writeEpanetNetwork(design, missing);
            QFAIL("no error");
        } catch (const Error &e) {
            QVERIFY2(e.message().startsWith(QStringLiteral("Cannot create file \"%1\"").arg(QDir::toNativeSeparators(missing))),
                     qPrintable(e.message()));
        }
    }
};

QTEST_GUILESS_MAIN(TestEpanetNetwork)
#include "tst_epanetnetwork.moc"
