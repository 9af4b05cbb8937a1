#include "routechecks.h"
#include "routeprofile.h"

#include <QPointF>
#include <QTest>

#include <cmath>

using namespace quorvel;

namespace {

QList<RoutePoint> routeOf(const QList<QPointF> &points)
{
    QList<RoutePoint> route;
    for (const QPointF &p : points)
        route.append({p.x(), p.y()});
    return route;
}

bool near(const QList<double> &a, const QList<double> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (std::abs(a[i] - b[i]) > 0.05) // chainages to 5 cm
            return false;
    }
    return true;
}

QString joined(const QList<double> &values)
{
    QStringList texts;
    for (const double v : values)
        texts << QString::number(v);
    return texts.join(u' ');
}

const PipeRating pe100Pn10{10, 300};

} // namespace

class TestRouteProfile : public QObject {
    Q_OBJECT

private slots:
    // Where a route needs air valves, washouts and break-pressure tanks, and where its
    // grade line runs too close to the ground. A flow so small that the grade line
    // stays level makes the findings follow from the ground alone: the pumped routes'
    // grade line stands 15 m above the source, the gravity route's static line at the
    // source, 300 m, falling 200 m over 3 km.
    void findings_data()
    {
        QTest::addColumn<QList<QPointF>>("route");
        QTest::addColumn<bool>("gravity");
        QTest::addColumn<QList<double>>("highs");
        QTest::addColumn<QList<double>>("lows");
        QTest::addColumn<QList<double>>("lowClearance"); // from, to, ...
        QTest::addColumn<QList<double>>("breakTanks");
        const QList<double> none;
        // Vacuum where the ground passes 13 m: a fifth of the way up and down the hump.
        QTest::newRow("a hump above the grade line")
            << QList<QPointF>{{0, 0}, {400, 0}, {500, 20}, {600, 0}, {1000, 0}} << false << QList<double>{500} << none
            << QList<double>{465, 535} << none;
        QTest::newRow("high and low points, the grade line clear")
            << QList<QPointF>{{0, 0}, {300, 10}, {500, -5}, {700, 8}, {1000, 5}} << false << QList<double>{300, 700}
            << QList<double>{500} << none << none;
        QTest::newRow("bumps within the tolerance")
            << QList<QPointF>{{0, 0}, {100, 0.8}, {200, 0.1}, {300, 0.9}, {400, 0}} << false << none << none << none
            << none;
        QTest::newRow("the rise to the tank is no high point")
            << QList<QPointF>{{0, 0}, {500, -6}, {1000, 12}} << false << none << QList<double>{500} << none << none;
        // The grade line comes down to the tank's level at its inlet: too close only
        // where it falls below the ground.
        QTest::newRow("the last rise to the tank above the grade line")
            << QList<QPointF>{{0, 0}, {800, 10}, {1000, 18}} << false << none << none << QList<double>{925, 1000} << none;
        // 10 bar is 102.155 m: the first tank where the ground lies that far below the
        // source, the next that far below it again (below the route's end: none).
        QTest::newRow("gravity, a break-pressure tank")
            << QList<QPointF>{{0, 300}, {3000, 100}} << true << none << none << none << QList<double>{1532.33};
        QTest::newRow("gravity, two tanks in one steep fall")
            << QList<QPointF>{{0, 300}, {1000, 290}, {1100, 50}, {2000, 40}} << true << none << none << none
            << QList<double>{1000 + (102.155 - 10) / 2.4, 1000 + (2 * 102.155 - 10) / 2.4}; // 2.4 m a metre
    }
    void findings()
    {
        QFETCH(QList<QPointF>, route);
        QFETCH(bool, gravity);
        RouteDuty duty{gravity ? route.first().y() : 0, route.last().y(), 100, 1e-6, gravity ? 0.0 : 15.0, std::nullopt};
        if (!gravity)
            duty.pump = PumpDuty{1, 12};
        const RouteAnalysis a = analyseRoute(routeOf(route), duty, pe100Pn10);
        QList<double> clearance;
        for (const RouteStretch &s : a.lowClearance)
            clearance << s.from << s.to;
        QFETCH(QList<double>, highs);
        QFETCH(QList<double>, lows);
        QFETCH(QList<double>, lowClearance);
        QFETCH(QList<double>, breakTanks);
        QVERIFY2(near(a.highPoints, highs), qPrintable(joined(a.highPoints)));
        QVERIFY2(near(a.lowPoints, lows), qPrintable(joined(a.lowPoints)));
        QVERIFY2(near(clearance, lowClearance), qPrintable(joined(clearance)));
        QVERIFY2(near(a.breakPressureTanks, breakTanks), qPrintable(joined(a.breakPressureTanks)));
    }

    // A pumped main of 1 km rising 50 m to a tank standing 3 m on the ground, 8 L/s in
    // 100 mm PE (a = 300 m/s): the pump gives 53 m and the loss at the source. The
    // checks by rating and wave speed; the Joukowsky rise a·V/g (V = 1.0186 m/s) is
    // whole at the pump and nothing at the tank.
    void checks_data()
    {
        QTest::addColumn<double>("bar");
        QTest::addColumn<double>("waveSpeed");
        QTest::addColumn<QList<int>>("outcomes"); // rating, surge rise, surge fall, clearance, air valves, washouts
        const int pass = int(CheckOutcome::Pass), warning = int(CheckOutcome::Warning), fail = int(CheckOutcome::Fail);
        QTest::newRow("PN 10: all within") << 10.0 << 300.0 << QList<int>{pass, pass, pass, pass, pass, pass};
        QTest::newRow("PN 8: the surge's rise above it") << 8.0 << 300.0 << QList<int>{pass, warning, pass, pass, pass, pass};
        QTest::newRow("PN 6: below the pump's head") << 6.0 << 300.0 << QList<int>{fail, warning, pass, pass, pass, pass};
        // Steel: a rise of 145 m takes the pump's end below the vapour pressure.
        QTest::newRow("steel, 25 bar: the surge's fall") << 25.0 << 1400.0 << QList<int>{pass, pass, warning, pass, pass, pass};
    }
    void checks()
    {
        QFETCH(double, bar);
        QFETCH(double, waveSpeed);
        const PipeRating rating{bar, waveSpeed};
        const double loss = SystemCurve(0, 100, 1000).lossAt(8);
        const RouteDuty duty{100, 153, 100, 8, 53 + loss, PumpDuty{10, 45}};
        const RouteAnalysis a = analyseRoute(routeOf({{0, 100}, {500, 125}, {1000, 150}}), duty, rating);
        QVERIFY(std::abs(a.surgeRise - waveSpeed * 1.01859 / 9.80665) < 0.01);
        QVERIFY(std::abs(a.highest.head - (53 + loss)) < 1e-9 && a.highest.chainage == 0);
        QVERIFY(std::abs(a.lowestFlowing.head - 3) < 1e-9 && a.lowestFlowing.chainage == 1000);
        QList<int> outcomes;
        for (const DesignCheck &c : routeChecks(a, duty, rating)) {
            outcomes << int(c.outcome);
            QCOMPARE(c.message.isEmpty(), c.outcome == CheckOutcome::Pass);
        }
        QTEST(outcomes, "outcomes");
    }

    // By gravity the pump's checks do not apply, and a static pressure above the rating
    // fails, naming where the break-pressure tank goes.
    void gravityChecks()
    {
        const RouteDuty duty{300, 100, 100, 2, 0, std::nullopt};
        const RouteAnalysis a = analyseRoute(routeOf({{0, 300}, {3000, 100}}), duty, pe100Pn10);
        const QList<DesignCheck> checks = routeChecks(a, duty, pe100Pn10);
        QCOMPARE(checks[0].outcome, CheckOutcome::Fail);
        QVERIFY2(checks[0].message.english.endsWith("break-pressure tanks at 1532 m"), qPrintable(checks[0].message.english));
        QCOMPARE(checks[1].outcome, CheckOutcome::NotApplicable);
        QCOMPARE(checks[2].outcome, CheckOutcome::NotApplicable);
    }

    // The route's ends and length against the typed inputs: said beyond 5 m and 5 %.
    void routeAgainstInputs_data()
    {
        QTest::addColumn<QList<QPointF>>("route");
        QTest::addColumn<QList<int>>("outcomes"); // source, storage, length
        const int pass = int(CheckOutcome::Pass), warning = int(CheckOutcome::Warning);
        QTest::newRow("as typed") << QList<QPointF>{{0, 100}, {1000, 150}} << QList<int>{pass, pass, pass};
        QTest::newRow("within the tolerance") << QList<QPointF>{{0, 104.9}, {1049, 145.1}} << QList<int>{pass, pass, pass};
        QTest::newRow("a GPS far off at both ends") << QList<QPointF>{{0, 92}, {1000, 158}}
                                                    << QList<int>{warning, warning, pass};
        QTest::newRow("a track a tenth longer") << QList<QPointF>{{10, 100}, {1110, 150}}
                                                << QList<int>{pass, pass, warning};
    }
    void routeAgainstInputs()
    {
        QFETCH(QList<QPointF>, route);
        DesignInputs typed;
        typed.pipelineLength = 1000;
        typed.sourceElevation = 100;
        typed.storageElevation = 150;
        QList<int> outcomes;
        for (const DesignCheck &c : routeInputChecks(routeOf(route), typed))
            outcomes << int(c.outcome);
        QTEST(outcomes, "outcomes");
    }

    // Water boils at the vapour pressure, which the thinner air of a high site brings
    // closer to the pipe's pressure: -10.1 m at sea level, -8.4 m at 1 500 m.
    void vapourPressure_data()
    {
        QTest::addColumn<double>("elevation");
        QTest::addColumn<double>("head");
        QTest::newRow("sea level") << 0.0 << -10.11;
        QTest::newRow("1500 m") << 1500.0 << -8.40;
    }
    void vapourPressure()
    {
        QFETCH(double, elevation);
        QFETCH(double, head);
        QVERIFY2(std::abs(vapourPressureHead(elevation) - head) < 0.01, qPrintable(QString::number(vapourPressureHead(elevation))));
    }
};

QTEST_MAIN(TestRouteProfile)
#include "tst_routeprofile.moc"
