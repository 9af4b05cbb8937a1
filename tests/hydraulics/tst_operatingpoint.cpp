// The single-point pump curve, the operating point on the pipeline and the system curve.
#include "operatingpoint.h"

#include <QTest>

#include <cmath>

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
};

QTEST_GUILESS_MAIN(TestOperatingPoint)
#include "tst_operatingpoint.moc"
