// The design checks: each at, just below and just above its limit; the summary line;
// the checks of a design held in the main window's tables.
#include "designchecks.h"
#include "numbers.h"
#include "designcalculation.h"
#include "designfromsheet.h"
#include "sheetlayout.h"
#include "support/workedexample.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace quorvel;

namespace {

constexpr double pipeMm = 100;

// A design that passes every check.
DesignCheckInput soundDesign()
{
    DesignCheckInput in;
    in.dailyUsage = 20;
    in.peoplePerTap = 200;
    in.insideDiameter = pipeMm;
    in.designFlow = 1 * M_PI / 4 * 0.01 * 1000; // 1 m/s in the pipe
    in.pumpingHead = 30;
    in.theoreticalStorage = 100;
    in.actualStorage = 105;
    in.actualPumpingTime = 8;
    in.pumpPicked = true;
    in.ratedFlow = 20;
    in.ratedHead = 40;
    return in;
}

} // namespace

class TestDesignChecks : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setDecimalSeparator(u'.'); }

    void eachCheckAtItsLimit_data()
    {
        QTest::addColumn<QString>("check");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("passes");
        QTest::addColumn<QString>("message");
        // Each limit below, at and above; a broken limit is a warning.
        const struct {
            const char *check;
            double below, at, above;
            bool minimum;
            const char *belowMessage, *aboveMessage;
        } limits[] = {
            {"flow velocity", 0.49, 0.5, 0.51, true, "flow velocity 0.49 m/s below 0.5 m/s", ""},
            {"flow velocity", 1.99, 2.0, 2.01, false, "", "flow velocity 2.01 m/s above 2 m/s"},
            {"daily usage", 14.9, 15, 15.1, true, "daily usage 14.9 L/person/day below 15 L/person/day", ""},
            {"people per tap", 249, 250, 251, false, "", "people per tap 251 people above 250 people"},
            {"estimated pumping time at the design flow", 23.9, 24, 24.1, false, "",
             "estimated pumping time at the design flow 24.1 h/day above 24 h/day"},
            {"actual storage", 99, 100, 101, true,
             "actual storage 99 m³ below the theoretical storage of 100 m³, 1 m³ short", ""},
            {"design flow", 19.99, 20, 20.01, false, "", "design flow 20.01 L/s above the pump's rated flow of 20 L/s"},
            {"pumping head", 39.9, 40, 40.1, false, "", "pumping head 40.1 m above the pump's rated head of 40 m"},
        };
        for (const auto &l : limits) {
            const QString tag = QStringLiteral("%1 %2 ").arg(QLatin1String(l.check), l.minimum ? "min" : "max");
            QTest::newRow(qPrintable(tag + "below")) << l.check << l.below << !l.minimum << QString::fromUtf8(l.belowMessage);
            QTest::newRow(qPrintable(tag + "at")) << l.check << l.at << true << QString();
            QTest::newRow(qPrintable(tag + "above")) << l.check << l.above << l.minimum << QString::fromUtf8(l.aboveMessage);
        }
    }

    void eachCheckAtItsLimit()
    {
        QFETCH(QString, check);
        QFETCH(double, value);
        QFETCH(bool, passes);
        DesignCheckInput in = soundDesign();
        const QString name = check;
        if (name == "flow velocity")
            in.designFlow = value * M_PI / 4 * (pipeMm / 1000) * (pipeMm / 1000) * 1000;
        else if (name == "daily usage")
            in.dailyUsage = value;
        else if (name == "people per tap")
            in.peoplePerTap = value;
        else if (name == "estimated pumping time at the design flow")
            in.actualPumpingTime = value;
        else if (name == "actual storage")
            in.actualStorage = value;
        else if (name == "design flow")
            in.designFlow = value, in.insideDiameter = std::sqrt(value / 1000 / M_PI * 4) * 1000; // 1 m/s
        else
            in.pumpingHead = value;

        const QList<DesignCheck> checks = designChecks(in);
        QCOMPARE(checks.size(), 8);
        QStringList failed;
        for (const DesignCheck &c : checks) {
            QVERIFY2(!c.requirement.isEmpty(), qPrintable(c.name));
            if (c.outcome != CheckOutcome::Pass)
                failed << c.message.english;
            if (c.outcome != CheckOutcome::Pass)
                QCOMPARE(c.outcome, CheckOutcome::Warning);
            if (c.name == check)
                QCOMPARE(c.outcome == CheckOutcome::Pass, passes);
        }
        QTEST(failed.value(0), "message");
        QVERIFY(failed.size() <= 1);
    }

    // Where the water runs decides the level: no water or more than a day's pumping
    // fails, a tank short of filling or a pump far off its rated point warns, a pump
    // far above the duty near its rated point passes; a gravity supply leaves the
    // pump's checks out of the count; no pump for the duty fails.
    void levels_data()
    {
        QTest::addColumn<double>("pumpingHead");
        QTest::addColumn<double>("ratedFlow"); // 0: no pump picked
        QTest::addColumn<double>("operatingFlow"); // negative: no operating point
        QTest::addColumn<double>("hours");
        QTest::addColumn<QString>("summary");
        const double noPoint = -1;
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("no water") << 30.0 << 8.0 << 0.0 << inf
                                  << "Not designed: 1 failure: operating flow 0 L/s below the design flow of 7.85 L/s: "
                                     "no water reaches the tank";
        QTest::newRow("tank short") << 30.0 << 8.0 << 7.0 << 20.0
                                    << "1 warning: operating flow 7 L/s below the design flow of 7.85 L/s: the tank "
                                       "does not fill in the pumping hours";
        QTest::newRow("more than a day")
            << 30.0 << 8.0 << 7.0 << 30.0
            << "Not designed: 1 failure: pumping hours at the operating point 30 h/day above 24 h/day: the day's "
               "demand does not reach the tank; 1 warning: operating flow 7 L/s below the design flow of 7.85 L/s: "
               "the tank does not fill in the pumping hours";
        QTest::newRow("far right of the rated point")
            << 30.0 << 8.0 << 12.0 << 5.0
            << "1 warning: the pump runs at 150 % of its rated flow of 8 L/s, far right of its rated point: "
               "inefficient, and it may cavitate";
        QTest::newRow("far above the duty, at the rated point") << 30.0 << 14.0 << 14.0 << 3.0 << "All 12 checks pass";
        QTest::newRow("too fast at the operating point")
            << 30.0 << 16.0 << 17.0 << 3.0 << "1 warning: flow velocity at the operating point 2.16 m/s above 2 m/s";
        QTest::newRow("gravity, a pump picked") << -30.63 << 8.0 << 12.0 << 4.0
                                                << "gravity supply: no pump needed; all 9 checks pass";
        QTest::newRow("no catalog pump") << 55.0 << 0.0 << noPoint << 0.0
                                         << "Not designed: 1 failure: no catalog pump delivers 7.85 L/s at 60.5 m "
                                            "(pumping head 55 m + 10 %)";
    }
    void levels()
    {
        QFETCH(double, pumpingHead);
        QFETCH(double, ratedFlow);
        QFETCH(double, operatingFlow);
        QFETCH(double, hours);
        DesignCheckInput in = soundDesign();
        in.pumpingHead = pumpingHead;
        in.pumpPicked = ratedFlow > 0;
        in.ratedFlow = in.pumpPicked ? std::optional(ratedFlow) : std::nullopt;
        in.ratedHead = in.pumpPicked ? std::optional(40.0) : std::nullopt;
        if (operatingFlow >= 0)
            in.operatingPoint = OperatingPoint{operatingFlow, 35, hours};
        in.headMargin = 0.1;
        QTEST(checksSummary(designChecks(in)), "summary");
    }

    void summary_data()
    {
        QTest::addColumn<double>("dailyUsage");
        QTest::addColumn<double>("peoplePerTap");
        QTest::addColumn<QString>("summary");
        QTest::newRow("all pass") << 20.0 << 200.0 << "All 8 checks pass";
        QTest::newRow("one") << 12.0 << 200.0 << "1 warning: daily usage 12 L/person/day below 15 L/person/day";
        QTest::newRow("two") << 12.0 << 270.0
                             << "2 warnings: daily usage 12 L/person/day below 15 L/person/day; "
                                "people per tap 270 people above 250 people";
    }
    void summary()
    {
        QFETCH(double, dailyUsage);
        QFETCH(double, peoplePerTap);
        DesignCheckInput in = soundDesign();
        in.dailyUsage = dailyUsage;
        in.peoplePerTap = peoplePerTap;
        QTEST(checksSummary(designChecks(in)), "summary");
    }

    // Values beside their limits tell them apart.
    void valuesBesideLimits_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("limit");
        QTest::addColumn<QString>("shown");
        QTest::newRow("two decimals") << 0.4812 << 0.5 << "0.48";
        QTest::newRow("rounding onto the limit") << 0.4971 << 0.5 << "0.497";
        QTest::newRow("whole") << 300.0 << 250.0 << "300";
        QTest::newRow("above") << 2.004 << 2.0 << "2.004";
    }
    void valuesBesideLimits()
    {
        QFETCH(double, value);
        QFETCH(double, limit);
        QTEST(valueBesideLimit(value, limit), "shown");
    }

    // A design in the window's tables: complete results are worked again from the
    // catalog rows they name; anything else gives no checks.
    void sheetChecks_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("checks");
        QTest::addColumn<QString>("unavailable");
        QTest::newRow("as calculated") << "" << 12 << ""; // the operating point's four too
        QTest::newRow("results cut short") << "no kits" << 0 << "";
        QTest::newRow("pump gone") << "pump" << 0 << "No checks: the pump catalog no longer holds \"Engine pump HX-50 model\"";
        QTest::newRow("tank gone") << "tank" << 0 << "No checks: the tanks catalog no longer holds \"Onion Tank 10 M^3\"";
        QTest::newRow("pipe changed")
            << "pipe" << 0 << "No checks: the results no longer follow from the catalogs; calculate again";
    }
    void sheetChecks()
    {
        QFETCH(QString, change);
        SmallCatalogs catalogs;
        CellTable inputs(tableColumns, inputTableRows, inputFixedColumns);
        CellTable results(tableColumns, resultTableRows, resultFixedColumns);
        setWorkedExampleInputs(inputs);
        FixedPicks picks(1, 1);
        DesignCalculation calculation;
        calculation.run(InputTexts::fromTable(inputs), catalogs.tables(), picks, &results);

        if (change == "no kits")
            results.setCell(valueColumn, ResultRow::TapstandKits, {});
        else if (change == "pump")
            catalogs.pumps.setCell(2, 1, "HX-60");
        else if (change == "tank")
            catalogs.tanks.setCell(2, 1, "15");
        else if (change == "pipe")
            catalogs.pipes.setCell(4, 4, "150");

        const DesignFromSheet sheet = designFromSheet(inputs, results, catalogs.tables());
        const int checks = sheet.design ? int(assessDesign(*sheet.design, catalogs.pumps).checks.size()) : 0;
        QTEST(checks, "checks");
        QTEST(sheet.unavailable, "unavailable");
        if (sheet.design) {
            QCOMPARE(sheet.design->designFlow, calculation.design().designFlow);
            QCOMPARE(sheet.design->pumpCatalogRow, 1);
            QCOMPARE(sheet.design->tankCatalogRow, 1);
        }
    }
};

QTEST_GUILESS_MAIN(TestDesignChecks)
#include "tst_designchecks.moc"
