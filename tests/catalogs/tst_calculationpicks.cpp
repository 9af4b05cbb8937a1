// The whole calculation through the main window on the shipped database: the seven
// inputs typed into the input table, "To Calculate", a pump and a tank picked by
// double-clicks in their windows, all results checked against hand computations.
#include "application.h"
#include "catalogtesting.h"
#include "gridwidget.h"
#include "mainwindow.h"
#include "pumpswindow.h"
#include "tankswindow.h"
#include "support/shippedprogram.h"
#include "support/workedexample.h"
#include "support/copyfiles.h"
#include "support/fakeplatform.h"
#include "support/modal.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace quorvel;

class TestCalculationPicks : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ShippedProgram> program_;

    MainWindow &mainWindow() { return program_->app->mainWindow(); }
    PumpsWindow &pumpsWindow() { return mainWindow().pumpsWindow(); }
    TanksWindow &tanksWindow() { return mainWindow().tanksWindow(); }

    // Selects an input cell and types into it, ending with Return.
    void typeInput(int row, const QString &text)
    {
        GridWidget &grid = child<GridWidget>(mainWindow(), "inputGrid");
        clickCell(grid, 2, row);
        typeText(grid, text);
        pressKey(grid, Qt::Key_Return);
    }

    void typeWorkedExample()
    {
        const QStringList inputs{"1000", "100", "150", "5000", "4", "25", "250"};
        for (int r = 1; r <= 7; ++r)
            typeInput(r, inputs[r - 1]);
        for (int r = 1; r <= 7; ++r)
            QCOMPARE(mainWindow().sheet().inputs.cell(2, r), inputs[r - 1]);
    }

    void calculate() { QTest::mouseClick(&child<QPushButton>(mainWindow(), "calculateButton"), Qt::LeftButton); }

    // Picks a row in a picker window as a user does: a click, then a double-click.
    static void pick(QWidget &window, int row) { doubleClickCell(gridOf(window), 1, row); }

private slots:
    void init()
    {
        program_ = std::make_unique<ShippedProgram>();
        QVERIFY(program_->installDatabase());
        QVERIFY(program_->start());
        // The first activation loaded the shipped catalogs.
        QCOMPARE(program_->app->catalogs().pipeCount, 15);
        QCOMPARE(program_->fake.boxes.shown(), QStringList());
        QCOMPARE(program_->app->catalogs().tankCount, 9);
    }

    void cleanup()
    {
        program_.reset();
    }

    // Hand computation for the shipped catalog, inputs L 1000, Zw 100, Zt 150,
    // P 5000, T 4, U 25, K 250:
    //   qd = 25 * 5000 / 86400 * 24 / 4 = 8.680555... L/s; 8.68 * 60 = 520.8 L/min
    //   de = sqrt(3.6 * qd) / 1.016 * 25.4 = 139.754 mm; nearest inside diameter
    //        128.2 (5", 11.55 off) before 154.1 (6", 14.35 off)
    //   hf = (qd / 140)^1.85 * 1743.811 / (128.2 / 25.4)^4.87 * 1000 = 3.8335 m
    //   H  = 150 - 100 + 3.8335 = 53.83 m; V = qd * 3600 * 4 / 1000 = 125 m3
    //   pump row 3: Diesel engine, DE-80
    //   tank row 5: Onion, 10 m3: 125 / 10 = 12.5 -> 13 tanks, 130 m3,
    //        130000 / (qd * 3600) = 130000 / 31250 = 4.16 h
    //   kits: 5000 / 6 / 250 = 3.33 -> 4
    void workedExampleOnShippedCatalogs()
    {
        typeWorkedExample();
        const QString projectName = QStringLiteral("Camp Alpha WASH");
        QTest::keyClicks(&child<QLineEdit>(mainWindow(), "projectNameEdit"), projectName);

        PumpsWindow &pumps = pumpsWindow();
        TanksWindow &tanks = tanksWindow();
        QPushButton &addGraph = child<QPushButton>(pumps, "addGraphButton");
        QPushButton &ok = child<QPushButton>(pumps, "okButton");
        bool pickingButtons = false;
        whenModal([&](QWidget *shownPumps) {
            QCOMPARE(shownPumps, static_cast<QWidget *>(&pumps));
            pickingButtons = addGraph.isVisible() && !ok.isVisible();
            whenModal([&](QWidget *shownTanks) {
                QCOMPARE(shownTanks, static_cast<QWidget *>(&tanks));
                pick(tanks, 5);
            });
            pick(pumps, 3);
        });
        calculate();

        QCOMPARE(program_->fake.boxes.shown(), QStringList());
        QVERIFY(pickingButtons);
        QVERIFY(!addGraph.isVisible() && ok.isVisibleTo(&pumps));
        QCOMPARE(pumps.pickedRow(), 3);
        QCOMPARE(tanks.selectedRow(), 5);
        // The pick leaves the project name as typed.
        QCOMPARE(child<QLineEdit>(mainWindow(), "projectNameEdit").text(), projectName);

        const CellTable &results = mainWindow().sheet().results;
        for (int r = 1; r <= 10; ++r)
            QCOMPARE(results.cell(2, r), WorkedExample::shippedResults[r - 1]);
        QCOMPARE(results.cell(0, 6), QStringLiteral("Diesel engine pump DE-80 model"));
        QCOMPARE(results.cell(0, 7), QStringLiteral("Onion Tank 10 M^3"));
    }

    // A pump row edited before the calculation: the description follows the table.
    void pumpDescriptionFromTheTable()
    {
        typeWorkedExample();
        program_->app->catalogs().pumps.setCell(1, 3, "Trailer");
        program_->app->catalogs().pumps.setCell(2, 3, "T 9");
        whenModal([this](QWidget *) {
            whenModal([this](QWidget *) { pick(tanksWindow(), 1); });
            pick(pumpsWindow(), 3);
        });
        calculate();
        QCOMPARE(program_->fake.boxes.shown(), QStringList());
        QCOMPARE(mainWindow().sheet().results.cell(0, 6), QStringLiteral("Trailer pump T 9 model"));
        QCOMPARE(mainWindow().sheet().results.cell(0, 7), QStringLiteral("Bladder Tank 2 M^3"));
    }
};

QTEST_MAIN(TestCalculationPicks)
#include "tst_calculationpicks.moc"
