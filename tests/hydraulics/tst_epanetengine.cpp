// The exported networks run in the EPANET engine itself (epanet-js, installed by
// scripts/setup-deps.sh): the engine solves them without warnings, its pump and pipe
// meet where Quorvel's curves do at the tank's starting level, its pipe loses what
// Quorvel's formula says at the engine's flow, and over the day the tank receives the
// day's demand, the float valve holding back a supply larger than the duty, or
// visibly less with an undersized pump.
#include "catalogfiles.h"
#include "designcalculation.h"
#include "epanetexport.h"
#include "operatingpoint.h"
#include "rowlist.h"
#include "sitedesign.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace quorvel;

namespace {

const QString node = QStringLiteral(QUORVEL_NODE);
const QString epanetJs = QStringLiteral(QUORVEL_EPANET_JS_DIR);

// Pipes of the worked example; one pump sized for each site below; tanks of 10 m3.
void fillCatalogs(Catalogs &c)
{
    const QStringList pipes{"No,Description,Nominal,Schedule,Inside", "1,a,2,40,52.5", "2,b,3,40,77.9",
                            "3,c,4,40,102.3", "4,d,6,40,154.1"};
    const QStringList pumps{"No,Pump,Model,Flow (L/s),Head (m),Power (kW),Curve picture",
                            "1,Worked,W-10,10,62,9,", "2,Small,S-08,0.8,24,1,", "3,Large,L-16,16,55,15,",
                            "4,Long,H-13,1.3,70,3,", "5,Undersized,U-6,6,55,5,"};
    const QStringList tanks{"No,Tank type,Capacity (m3),Remark", "1,Onion,10,"};
    for (int i = 0; i < pipes.size(); ++i)
        rowList(c.pipes, i).setCommaText(pipes[i]);
    for (int i = 0; i < pumps.size(); ++i) {
        c.pumps.setStrictDelimiter(i, true);
        rowList(c.pumps, i).setCommaText(pumps[i]);
    }
    for (int i = 0; i < tanks.size(); ++i) {
        c.tanks.setStrictDelimiter(i, true);
        rowList(c.tanks, i).setCommaText(tanks[i]);
    }
    c.pipeCount = int(pipes.size()) - 1;
    c.tankCount = int(tanks.size()) - 1;
}

bool within(double value, double expected, double share)
{
    return std::abs(value - expected) <= share * std::abs(expected);
}

} // namespace

class TestEpanetEngine : public QObject {
    Q_OBJECT

private slots:
    // No engine is a failure, never a skip.
    void initTestCase()
    {
        QVERIFY2(QFileInfo(node).isExecutable(), "Node.js (Debian's nodejs) is not installed: run scripts/setup-deps.sh --tests");
        QVERIFY2(QFileInfo::exists(epanetJs + "/node_modules/epanet-js/package.json"),
                 qPrintable(QStringLiteral("epanet-js is not installed in %1: run scripts/setup-deps.sh --tests, which "
                                           "installs it there with npm install --prefix")
                                .arg(epanetJs)));
    }

    void networkRunsAsDesigned_data()
    {
        QTest::addColumn<QStringList>("inputs"); // L, Zw, Zt, P, T, U, K
        QTest::addColumn<QString>("pump");       // empty: gravity
        QTest::addColumn<bool>("holds");         // the pump reaches the design flow
        QTest::newRow("worked example") << QStringList{"1000", "100", "150", "5000", "4", "25", "250"} << "W-10" << true;
        QTest::newRow("small") << QStringList{"500", "100", "120", "800", "6", "20", "200"} << "S-08" << true;
        QTest::newRow("large") << QStringList{"2000", "50", "90", "20000", "8", "20", "250"} << "L-16" << true;
        QTest::newRow("long pipeline") << QStringList{"5000", "10", "40", "2000", "10", "20", "250"} << "H-13" << true;
        QTest::newRow("pumping until midnight") << QStringList{"500", "100", "120", "800", "18", "20", "200"} << "S-08"
                                                << true;
        QTest::newRow("pumping past midnight") << QStringList{"500", "100", "120", "800", "20", "20", "200"} << "S-08"
                                               << true;
        QTest::newRow("gravity") << QStringList{"3000", "200", "150", "3000", "6", "20", "250"} << "" << true;
        QTest::newRow("gravity all day") << QStringList{"3000", "200", "150", "3000", "24", "20", "250"} << "" << true;
        QTest::newRow("undersized pump") << QStringList{"1000", "100", "150", "5000", "4", "25", "250"} << "U-6"
                                         << false;
    }

    void networkRunsAsDesigned()
    {
        QFETCH(QStringList, inputs);
        QFETCH(QString, pump);
        QFETCH(bool, holds);
        Catalogs catalogs;
        fillCatalogs(catalogs);
        DesignOptions options;
        options.pump = pump;
        const SiteResult r = SiteDesigner(catalogs, options).design(Site{2, "Test site", InputTexts::fromTexts(inputs), {}});
        QCOMPARE(r.error.english, QString());
        QCOMPARE(r.gravity, pump.isEmpty());
        QVERIFY(r.operatingPoint);
        QCOMPARE(r.operatingPoint->flow >= r.design.designFlow, holds);

        QTemporaryDir dir;
        const QString network = EpanetExport(dir.path(), {}).write(r);
        QVERIFY(!network.isEmpty());
        QProcess engine;
        engine.start(node, {QStringLiteral(QUORVEL_RUN_EPANET), epanetJs, network});
        QVERIFY2(engine.waitForFinished(120000), "the engine did not finish");
        const QByteArray errors = engine.readAllStandardError();
        QVERIFY2(engine.exitCode() == 0, errors.constData());
        QJsonParseError parseError;
        const QJsonObject run = QJsonDocument::fromJson(engine.readAllStandardOutput(), &parseError).object();
        QCOMPARE(parseError.error, QJsonParseError::NoError);

        QStringList warnings;
        for (const QJsonValue &w : run["warnings"].toArray())
            warnings << w.toString();
        if (holds)
            QCOMPARE(warnings, QStringList());

        // At the start the lift is Quorvel's plus the tank's level.
        const double dailyDemand = inputs[3].toDouble() * inputs[5].toDouble() / 1000;
        const SystemCurve system{inputs[2].toDouble() - inputs[1].toDouble() + run["tankLevel"].toDouble(),
                                 r.design.insideDiameter, inputs[0].toDouble()};
        const OperatingPoint start = operatingPoint(system, r.pumpDuty, dailyDemand);
        const double flow = run["pipelineFlow"].toDouble();
        QVERIFY2(within(flow, start.flow, 0.01), qPrintable(QStringLiteral("EPANET %1 L/s, Quorvel %2 L/s").arg(flow).arg(start.flow)));
        if (!pump.isEmpty()) {
            QCOMPARE(run["pumpFlow"].toDouble(), flow);
            const double head = std::abs(run["pumpHead"].toDouble());
            QVERIFY2(within(head, start.head, 0.01), qPrintable(QStringLiteral("EPANET %1 m, Quorvel %2 m").arg(head).arg(start.head)));
        }
        // EPANET's Hazen-Williams (SI: 10.667, exponents 1.852 and 4.871) and the
        // calculation's (1743.811 in inches, 1.85 and 4.87) differ only in their
        // constants.
        const double length = inputs[0].toDouble();
        const double loss = double(hazenWilliamsLoss(flow, r.design.insideDiameter, length));
        QVERIFY2(within(run["pipelineHeadloss"].toDouble(), loss, 0.02),
                 qPrintable(QStringLiteral("EPANET %1 m, Quorvel %2 m").arg(run["pipelineHeadloss"].toDouble()).arg(loss)));

        // The day ends at the level it started at: the tank receives what is drawn.
        const double inflow = run["inflow"].toDouble();
        if (holds)
            QVERIFY2(within(inflow, dailyDemand, 0.02), qPrintable(QStringLiteral("%1 of %2 m3").arg(inflow).arg(dailyDemand)));
        else
            QVERIFY2(inflow < 0.9 * dailyDemand, qPrintable(QStringLiteral("%1 of %2 m3").arg(inflow).arg(dailyDemand)));
    }
};

QTEST_GUILESS_MAIN(TestEpanetEngine)
#include "tst_epanetengine.moc"
