// The single-point pump curve, the operating point on the pipeline, the tank's shape
// and the names and safe writing of the exported networks.
#include "designcalculation.h"
#include "epanetexport.h"
#include "epanetnetwork.h"
#include "error.h"
#include "operatingpoint.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <numbers>

using namespace quorvel;

class TestOperatingPoint : public QObject {
    Q_OBJECT

private slots:
    void pumpCurve_data()
    {
        QTest::addColumn<double>("flow");
        QTest::addColumn<double>("head");
        QTest::newRow("shut-off: 4/3 of the rated head") << 0.0 << 40.0;
        QTest::newRow("rated duty") << 6.0 << 30.0;
        QTest::newRow("twice the rated flow: no head") << 12.0 << 0.0;
        QTest::newRow("quadratic between") << 3.0 << 37.5;
    }
    void pumpCurve()
    {
        QFETCH(double, flow);
        QTEST(pumpHead(PumpDuty{6, 30}, flow), "head");
    }

    // Each row: static lift, the pump (flow 0: gravity), the expected operating flow
    // (negative: only that it balances the heads).
    void operatingPoints_data()
    {
        QTest::addColumn<double>("lift");
        QTest::addColumn<double>("ratedFlow");
        QTest::addColumn<double>("ratedHead");
        QTest::addColumn<double>("expectedFlow");
        QTest::newRow("pump on a rising main") << 50.0 << 10.0 << 62.0 << -1.0;
        QTest::newRow("pump short of the lift: no flow") << 50.0 << 10.0 << 37.0 << 0.0;
        QTest::newRow("shut-off head just the lift: no flow") << 40.0 << 6.0 << 30.0 << 0.0;
        QTest::newRow("pump on a falling main: beyond twice the rated flow") << -30.0 << 2.0 << 10.0 << -1.0;
        QTest::newRow("gravity") << -50.0 << 0.0 << 0.0 << -1.0;
        QTest::newRow("gravity on a level: no flow") << 0.0 << 0.0 << 0.0 << 0.0;
    }
    void operatingPoints()
    {
        QFETCH(double, lift);
        QFETCH(double, ratedFlow);
        QFETCH(double, ratedHead);
        QFETCH(double, expectedFlow);
        const SystemCurve system{lift, 102.3, 1000};
        const std::optional<PumpDuty> pump = ratedFlow > 0 ? std::optional(PumpDuty{ratedFlow, ratedHead}) : std::nullopt;
        const OperatingPoint point = operatingPoint(system, pump, 125);
        if (expectedFlow == 0) {
            QCOMPARE(point.flow, 0.0);
            QVERIFY(std::isinf(point.hoursPerDay));
            QCOMPARE(point.head, pump ? ratedHead * 4 / 3 : 0.0);
            return;
        }
        QVERIFY(point.flow > 0);
        // The pump's head (none by gravity) is what the pipeline asks at that flow.
        QVERIFY(std::abs((pump ? pumpHead(*pump, point.flow) : 0) - system.headAt(point.flow)) < 1e-6);
        QCOMPARE(point.head, pump ? pumpHead(*pump, point.flow) : 0.0);
        QVERIFY(std::abs(point.hoursPerDay - 125000 / point.flow / 3600) < 1e-9);
    }

    // The loss is the calculation's: the worked example's 1.56 m on the 6" pipe.
    void systemCurveUsesTheCalculationsLoss()
    {
        const SystemCurve system{50, 154.1, 1000};
        QCOMPARE(std::round(system.headAt(125000.0 / 4 / 3600) * 100) / 100, 51.56);
    }

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
        designed.design.results.nominalDiameter = 2;
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

QTEST_GUILESS_MAIN(TestOperatingPoint)
#include "tst_operatingpoint.moc"
