// The network file: the tank's shape, and the names and safe writing of the exported
// networks.
#include "epanetexport.h"
#include "epanetnetwork.h"
#include "error.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

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
        QCOMPARE(written, (QStringList{"Camp.inp", "camp-2.inp", "CAMP-4.inp", "Camp-3.inp"}));
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
            QVERIFY2(e.message().startsWith(QStringLiteral("Cannot create file \"%1\"").arg(missing)), qPrintable(e.message()));
        }
    }
};

QTEST_GUILESS_MAIN(TestEpanetNetwork)
#include "tst_epanetnetwork.moc"
