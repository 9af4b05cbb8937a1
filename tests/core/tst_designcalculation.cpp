#include "designcalculation.h"
#include "error.h"
#include "numbers.h"
#include "projectsheet.h"
#include "support/workedexample.h"

#include <QTest>

#include <cmath>
#include <functional>
#include <memory>
#include <optional>

using namespace quorvel;

namespace {

// Stands in for the pumps and tanks windows and answers as they do: the pumps window
// keeps its picked row between showings (0 at first), the tanks window selects row 1
// on showing; a scripted pick replaces either.
class FakePickers : public CatalogPickers {
public:
    std::optional<qint32> pumpPick;
    std::optional<qint32> tankPick;
    QStringList log;
    QStringList resultsAtPumpPick; // result values when the pumps window opens
    const CellTable *results = nullptr;

    qint32 pickPump(const DesignRecord &) override
    {
        log << "pump picker";
        for (int row = 1; row <= 10; ++row)
            resultsAtPumpPick << results->cell(2, row);
        if (pumpPick)
            lastPumpPick_ = *pumpPick;
        return lastPumpPick_;
    }
    void endPumpPick() override { log << "end pump pick " + results->cell(2, 6); }
    qint32 pickTank(const DesignRecord &) override
    {
        log << "tank picker";
        return tankPick.value_or(1);
    }

private:
    qint32 lastPumpPick_ = 0;
};

// The worked example's inputs, each open to change.
struct Inputs {
    QString L = WorkedExample::inputs[0], Zw = WorkedExample::inputs[1], Zt = WorkedExample::inputs[2],
            P = WorkedExample::inputs[3], T = WorkedExample::inputs[4], U = WorkedExample::inputs[5],
            K = WorkedExample::inputs[6];
};

// The main window's tables and the catalog tables as the calculation sees them.
struct Sheet {
    ProjectSheet project;
    SmallCatalogs catalogs;
    FakePickers pickers;
    DesignCalculation calc;

    Sheet()
    {
        project.createTables();
        pickers.results = &project.results;
        setInputs(Inputs());
        pickers.pumpPick = 1;
    }

    void setInputs(const Inputs &in)
    {
        const QString values[] = {in.L, in.Zw, in.Zt, in.P, in.T, in.U, in.K};
        for (int row = 1; row <= 7; ++row)
            project.inputs.setCell(2, row, values[row - 1]);
    }

    // Runs the calculation; gives the error message, or the empty text on success.
    QString run()
    {
        try {
            calc.run(InputTexts::fromTable(project.inputs), catalogs.tables(), pickers, &project.results);
        } catch (const Error &e) {
            return e.message();
        }
        return {};
    }

    QStringList results() const
    {
        QStringList texts;
        for (int row = 1; row <= 10; ++row)
            texts << project.results.cell(2, row);
        return texts;
    }
};

using Setup = std::function<void(Sheet &)>;

QStringList snapshot(const CellTable &table)
{
    QStringList cells;
    for (int row = 0; row < table.rowCount(); ++row)
        for (int col = 0; col < table.colCount(); ++col)
            cells << table.cell(col, row);
    return cells;
}

// Names of the cells whose text differs between two snapshots of a 3-column table.
QStringList changedCells(const QStringList &before, const QStringList &after)
{
    QStringList names;
    for (int i = 0; i < before.size(); ++i)
        if (before[i] != after[i])
            names << QStringLiteral("(%1,%2)").arg(i % 3).arg(i / 3);
    return names;
}

// Result rows 1..last, in table order: column 2, and column 0 of rows 6 and 7.
QStringList resultRows(int last)
{
    QStringList names;
    for (int row = 1; row <= last; ++row) {
        if (row == 6 || row == 7)
            names << QStringLiteral("(0,%1)").arg(row);
        names << QStringLiteral("(2,%1)").arg(row);
    }
    return names;
}

} // namespace

Q_DECLARE_METATYPE(Setup)
Q_DECLARE_METATYPE(Inputs)

class DesignCalculationTest : public QObject {
    Q_OBJECT

private slots:
    void init();

    void results_data();
    void results();
    void designFlowAndEconomicDiameter();
    void stepsInOrder();
    void diameterScan_data();
    void diameterScan();
    void failures_data();
    void failures();
    void emptyDiameterTableReusesLastPipe();
    void stopAtTankLeavesEarlierResults();
    void pumpAndTankRows();

private:
    std::unique_ptr<Sheet> sheet;
};

void DesignCalculationTest::init()
{
    setDecimalSeparator(u'.');
    sheet = std::make_unique<Sheet>();
}

void DesignCalculationTest::results_data()
{
    QTest::addColumn<Inputs>("inputs");
    QTest::addColumn<qint32>("tank");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("worked example") << Inputs() << 1 << WorkedExample::results;

    Inputs even;
    even.U = "27";
    even.P = "100";
    even.T = "6";
    QTest::newRow("ties to even") << even << 2
                                  << QStringList({"7.2", "2", "0.12", "50.12", "3", "1", "2", "4", "8.89",
                                                  "1"});

    Inputs blanks;
    blanks.U = " 25";
    blanks.P = "5000 ";
    QTest::newRow("blanks around inputs") << blanks << 1 << WorkedExample::results;
}

void DesignCalculationTest::results()
{
    QFETCH(Inputs, inputs);
    QFETCH(qint32, tank);
    QFETCH(QStringList, expected);

    sheet->setInputs(inputs);
    sheet->pickers.tankPick = tank;
    const QStringList inputsBefore = snapshot(sheet->project.inputs);

    QCOMPARE(sheet->run(), QString());
    QCOMPARE(sheet->results(), expected);
    QCOMPARE(sheet->project.inputs.cell(2, 0), QStringLiteral("Value"));
    QCOMPARE(snapshot(sheet->project.inputs), inputsBefore);
    QCOMPARE(sheet->project.results.cell(1, 2), QStringLiteral("\""));
}

void DesignCalculationTest::designFlowAndEconomicDiameter()
{
    QCOMPARE(sheet->run(), QString());
    const DesignRecord &calc = sheet->calc.design();
    QVERIFY(std::fabs(calc.designFlow - 8.680555555555555) < 1e-14);
    QVERIFY(std::fabs(calc.economicDiameter - 139.754) < 1e-3);
    // 1/1.016 is the extended value nearest to 125/127.
    volatile Extended numerator = 125, denominator = 127;
    const Extended factor = numerator / denominator;
    QCOMPARE(calc.economicDiameter, double(sqrtl(3.6L * calc.designFlow) * factor * 25.4L));
    QCOMPARE(calc.insideDiameter, 154.1);
    QCOMPARE(calc.nominalDiameter, 6.0);
    QVERIFY(calc.frictionLoss > 1.555 && calc.frictionLoss < 1.565);

    Sheet even;
    Inputs inputs;
    inputs.U = "27";
    inputs.P = "100";
    inputs.T = "6";
    even.setInputs(inputs);
    QCOMPARE(even.run(), QString());
    QCOMPARE(even.calc.design().designFlow, 0.125);
}

void DesignCalculationTest::stepsInOrder()
{
    QCOMPARE(sheet->run(), QString());
    QCOMPARE(sheet->pickers.log,
             QStringList({"pump picker", "end pump pick 1", "tank picker"}));
    // Rows 1 to 5 are shown before the pumps window opens; row 6 only after it.
    QCOMPARE(sheet->pickers.resultsAtPumpPick,
             WorkedExample::results.mid(0, 5) + QStringList(5, QString()));
}

void DesignCalculationTest::diameterScan_data()
{
    QTest::addColumn<QList<Pipe>>("pipes");
    QTest::addColumn<QString>("nominal");

    QTest::newRow("nearest wins") << QList<Pipe>({{"2", "52.5"}, {"6", "154.1"}, {"8", "202.7"}})
                                  << "6";
    QTest::newRow("same inside diameter: lower row wins")
        << QList<Pipe>({{"5", "154.1"}, {"6", "154.1"}}) << "5";
    QTest::newRow("nominal of a row never best is not read")
        << QList<Pipe>({{"6", "154.1"}, {"junk", "102.3"}}) << "6";
    QTest::newRow("fractional nominal") << QList<Pipe>({{"1.5", "140"}}) << "1.5";
    QTest::newRow("blanks in catalog cells") << QList<Pipe>({{" 6 ", " 154.1 "}}) << "6";
}

void DesignCalculationTest::diameterScan()
{
    QFETCH(QList<Pipe>, pipes);
    QFETCH(QString, nominal);
    sheet->catalogs.setPipes(pipes);
    QCOMPARE(sheet->run(), QString());
    QCOMPARE(sheet->project.results.cell(2, 2), nominal);
}

void DesignCalculationTest::failures_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("written");

    const QString invalid = FaultMessage::invalidOperation;
    const QString byZero = FaultMessage::divisionByZero;
    const QString overflow = FaultMessage::overflow;
    auto notNumber = [](const QString &text) {
        return QStringLiteral("'%1' is not a valid floating point value").arg(text);
    };
    auto input = [](int row, const QString &text) {
        return Setup([=](Sheet &s) { s.project.inputs.setCell(2, row, text); });
    };
    auto inputs = [](std::function<void(Inputs &)> change) {
        return Setup([=](Sheet &s) {
            Inputs in;
            change(in);
            s.setInputs(in);
        });
    };

    QTest::newRow("U empty") << input(6, "") << notNumber("") << QStringList();
    QTest::newRow("P with thousands separator") << input(4, "5,000") << notNumber("5,000")
                                                << QStringList();
    QTest::newRow("T one blank") << input(5, " ") << notNumber(" ") << QStringList();
    QTest::newRow("T zero") << input(5, "0") << byZero << QStringList();
    QTest::newRow("T zero, no demand") << inputs([](Inputs &in) { in.T = "0"; in.P = "0"; })
                                       << invalid << QStringList();
    QTest::newRow("negative flow") << input(4, "-5000") << invalid << QStringList();
    QTest::newRow("flow beyond double") << input(6, "1E4000") << overflow << QStringList();
    QTest::newRow("inside diameter empty")
        << Setup([](Sheet &s) { s.catalogs.pipes.setCell(4, 3, ""); }) << notNumber("")
        << QStringList();
    QTest::newRow("counted row past the catalog")
        << Setup([](Sheet &s) { s.catalogs.pipeCount = 5; }) << notNumber("") << QStringList();
    QTest::newRow("nominal of best row not a number")
        << Setup([](Sheet &s) { s.catalogs.pipes.setCell(2, 4, "6in"); }) << notNumber("6in")
        << QStringList();
    QTest::newRow("flow rounding out of range") << input(6, "1E300") << invalid << QStringList();
    QTest::newRow("L not a number") << input(1, "1 000") << notNumber("1 000") << resultRows(2);
    QTest::newRow("pipeCount 0") << Setup([](Sheet &s) { s.catalogs.pipeCount = 0; }) << byZero << resultRows(2);
    QTest::newRow("pipeCount 0, population 0")
        << Setup([](Sheet &s) { s.catalogs.pipeCount = 0; s.project.inputs.setCell(2, 4, "0"); }) << invalid
        << resultRows(2);
    QTest::newRow("pipe too far is never chosen")
        << Setup([](Sheet &s) { s.catalogs.setPipes({{"9", "2E10"}}); }) << byZero << resultRows(2);
    QTest::newRow("negative inside diameter")
        << Setup([](Sheet &s) { s.catalogs.setPipes({{"2", "-52.5"}}); }) << invalid << resultRows(2);
    QTest::newRow("friction rounding out of range") << input(1, "1E300") << invalid
                                                    << resultRows(2);
    QTest::newRow("Zt not a number") << input(3, "150m") << notNumber("150m") << resultRows(3);
    QTest::newRow("Zw empty") << input(2, "") << notNumber("") << resultRows(3);
    QTest::newRow("head rounding out of range") << input(3, "1E300") << invalid << resultRows(3);
    QTest::newRow("storage rounding out of range")
        << inputs([](Inputs &in) { in.U = "1E18"; in.P = "10000"; in.T = "100"; in.L = "0"; })
        << invalid << resultRows(4);
    QTest::newRow("tank capacity empty")
        << Setup([](Sheet &s) { s.pickers.tankPick = 3; }) << notNumber("")
        << resultRows(6) + QStringList("(0,7)");
    QTest::newRow("tank capacity 0")
        << Setup([](Sheet &s) { s.catalogs.tanks.setCell(2, 1, "0"); }) << byZero
        << resultRows(6) + QStringList("(0,7)");
    QTest::newRow("tank capacity 0, no storage")
        << Setup([](Sheet &s) { s.catalogs.tanks.setCell(2, 1, "0"); s.project.inputs.setCell(2, 4, "0"); })
        << invalid << resultRows(6) + QStringList("(0,7)");
    QTest::newRow("population 0") << input(4, "0") << invalid << resultRows(8);
    QTest::newRow("pumping time rounding out of range") << input(5, "1E17") << invalid
                                                        << resultRows(8);
    QTest::newRow("K zero") << input(7, "0") << byZero << resultRows(9);
    QTest::newRow("K not a number") << input(7, "") << notNumber("") << resultRows(9);
}

void DesignCalculationTest::failures()
{
    QFETCH(Setup, setup);
    QFETCH(QString, message);
    QFETCH(QStringList, written);

    CellTable &results = sheet->project.results;
    for (int row = 1; row <= 10; ++row)
        results.setCell(2, row, "old");
    results.setCell(0, 6, "old pump");
    results.setCell(0, 7, "old tank");
    setup(*sheet);
    const QStringList before = snapshot(results);

    QCOMPARE(sheet->run(), message);
    QCOMPARE(changedCells(before, snapshot(results)), written);
}

void DesignCalculationTest::emptyDiameterTableReusesLastPipe()
{
    QCOMPARE(sheet->run(), QString());
    sheet->catalogs.pipeCount = 0;
    sheet->project.inputs.setCell(2, 4, "6000");
    QCOMPARE(sheet->run(), QString());
    QCOMPARE(sheet->project.results.cell(2, 2), QStringLiteral("6"));
    QCOMPARE(sheet->calc.design().insideDiameter, 154.1);

    // Population 0 picks the smallest inside diameter, since the economic diameter is 0.
    Sheet fresh;
    fresh.catalogs.setPipes({{"4", "102.3"}, {"2", "52.5"}, {"6", "154.1"}});
    fresh.project.inputs.setCell(2, 4, "0");
    QCOMPARE(fresh.run(), QString(FaultMessage::invalidOperation));
    QCOMPARE(fresh.project.results.cell(2, 2), QStringLiteral("2"));
    QCOMPARE(fresh.calc.design().economicDiameter, 0.0);
}

void DesignCalculationTest::stopAtTankLeavesEarlierResults()
{
    QCOMPARE(sheet->run(), QString());
    const QStringList first = sheet->results();

    sheet->project.inputs.setCell(2, 4, "6000");
    sheet->catalogs.tanks.setCell(2, 1, "ten");
    QCOMPARE(sheet->run(), QStringLiteral("'ten' is not a valid floating point value"));
    const QStringList second = sheet->results();
    QCOMPARE(second.mid(0, 6),
             QStringList({"625.2", "6", "2.19", "52.19", "150", "1"}));
    QCOMPARE(second.mid(6), first.mid(6));
    QCOMPARE(sheet->project.results.cell(0, 7), QStringLiteral("Onion Tank ten M^3"));
}

void DesignCalculationTest::pumpAndTankRows()
{
    // Closing both windows without a pick: pump caption row 0, tank row 1.
    sheet->pickers.pumpPick.reset();
    QCOMPARE(sheet->run(), QString());
    QCOMPARE(sheet->project.results.cell(0, 6), QStringLiteral("Pump pump Model model"));
    QCOMPARE(sheet->project.results.cell(0, 7), QStringLiteral("Onion Tank 10 M^3"));
    QCOMPARE(sheet->project.results.cell(2, 6), QStringLiteral("1"));

    // A pick is kept for the next calculation.
    sheet->pickers.pumpPick = 2;
    sheet->pickers.tankPick = 2;
    QCOMPARE(sheet->run(), QString());
    sheet->pickers.pumpPick.reset();
    sheet->pickers.tankPick.reset();
    QCOMPARE(sheet->run(), QString());
    QCOMPARE(sheet->project.results.cell(0, 6), QStringLiteral("Electric pump EV-80 model"));
    QCOMPARE(sheet->project.results.cell(0, 7), QStringLiteral("Onion Tank 10 M^3"));

    // A pump row without texts gives the literals only.
    sheet->pickers.pumpPick = 50;
    QCOMPARE(sheet->run(), QString());
    QCOMPARE(sheet->project.results.cell(0, 6), QStringLiteral(" pump  model"));
}

QTEST_GUILESS_MAIN(DesignCalculationTest)
#include "tst_designcalculation.moc"
