// Bad input through the real windows on the shipped database: every input row and
// the catalog number cells given non-numeric, blank, huge and negative values, and
// catalog files that are very long, cut by a NUL, hold a 1 MB line or invalid UTF-8.
// Each must end in the program's own message (or in a result, where the rules give
// one) and leave the program working: the next calculation gives the right results.
#include "application.h"
#include "catalogs/catalogtesting.h"
#include "diameterswindow.h"
#include "errorguard.h"
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
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <memory>

using namespace quorvel;

namespace {

const QString conversion = QStringLiteral("'%1' is not a valid floating point value");
const QString overflow = QStringLiteral("Floating point overflow");
const QString invalid = QStringLiteral("Invalid floating point operation");
const QString divisionByZero = QStringLiteral("Floating point division by zero");

// The worked example on the shipped catalogs: inputs of rows 1 to 7, pump row 3,
// tank row 5 (Onion, 10 m3), and the ten results.
const QStringList &exampleInputs = WorkedExample::inputs;
const QStringList &exampleResults = WorkedExample::shippedResults;
constexpr int examplePumpRow = 3;
constexpr int exampleTankRow = 5;

// A pick as a user makes it: a click on the row first, since a double-click on the
// cell still highlighted from the last showing picks row 1, then the double-click.
void pick(GridWidget &grid, int row)
{
    clickCell(grid, 2, row);
    doubleClickCell(grid, 1, row);
}

// Answers the pickers of a calculation as soon as they are up: the pump row, then
// the tank row.
class Picks {
public:
    Picks(PumpsWindow &pumps, TanksWindow &tanks)
    {
        QObject::connect(&timer_, &QTimer::timeout, [&pumps, &tanks] {
            QWidget *modal = QApplication::activeModalWidget();
            if (modal == &pumps && pumps.isVisible())
                pick(gridOf(pumps), examplePumpRow);
            else if (modal == &tanks && tanks.isVisible() && exampleTankRow <= tanks.tankCount())
                pick(gridOf(tanks), exampleTankRow);
            else if (modal == &tanks && tanks.isVisible())
                tanks.close(); // the row is not in the catalog: a double-click would only warn
        });
        timer_.start(5);
    }

private:
    QTimer timer_;
};

// Selects an input cell and types into it, ending with Return. The empty text is
// typed as a character taken back with Backspace.
void typeInput(GridWidget &grid, int col, int row, const QString &text)
{
    clickCell(grid, col, row);
    if (text.isEmpty()) {
        typeText(grid, QStringLiteral("x"));
        pressKey(grid, Qt::Key_Backspace);
    } else {
        typeText(grid, text);
    }
    pressKey(grid, Qt::Key_Return);
}

QStringList resultValues(const CellTable &results)
{
    QStringList texts;
    for (int r = 1; r <= 10; ++r)
        texts << results.cell(2, r);
    return texts;
}

QByteArray shippedFile(const QString &name)
{
    QFile file(QStringLiteral(QUORVEL_SHIPPED_DATABASE "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class BadInputTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ShippedProgram> program_;

    MainWindow &mainWindow() { return program_->app->mainWindow(); }
    Catalogs &catalogs() { return program_->app->catalogs(); }
    const CellTable &results() { return mainWindow().sheet().results; }
    GridWidget &inputGrid() { return child<GridWidget>(mainWindow(), "inputGrid"); }
    QToolButton &toolButton(const char *name) { return child<QToolButton>(mainWindow(), name); }

    QString database() const { return program_->databaseDir(); }

    void writeCatalog(const QString &name, const QByteArray &bytes)
    {
        QFile file(database() + name);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    // Start-up as the program entry does it, through the first activation.
    void startUp()
    {
        QVERIFY(program_->start());
        // The first activation loaded the catalogs: the pipe count is the file's lines
        // less one, never the 0 it starts at for the pipe files used here.
        QVERIFY(catalogs().pipeCount != 0);
    }

    void typeExample()
    {
        for (int r = 1; r <= 7; ++r)
            typeInput(inputGrid(), 2, r, exampleInputs[r - 1]);
    }

    // The shown errors of one calculation, as the error box words them.
    QStringList calculate()
    {
        program_->fake.boxes.clear();
        Picks picks(mainWindow().pumpsWindow(), mainWindow().tanksWindow());
        QTest::mouseClick(&child<QPushButton>(mainWindow(), "calculateButton"), Qt::LeftButton);
        return program_->fake.boxes.errors();
    }

    // The program after a failure: the worked example gives its results.
    void checkStillWorks()
    {
        typeExample();
        QCOMPARE(calculate(), QStringList());
        QCOMPARE(resultValues(results()), exampleResults);
        QCOMPARE(results().cell(0, 6), QStringLiteral("Diesel engine pump DE-80 model"));
        QCOMPARE(results().cell(0, 7), QStringLiteral("Onion Tank 10 M^3"));
    }

    // Types a tank volume through the tanks window, leaving it with OK and not saving.
    void typeTankVolume(const QString &text)
    {
        TanksWindow &tanks = mainWindow().tanksWindow();
        whenModal([&](QWidget *shown) {
            QCOMPARE(shown, static_cast<QWidget *>(&tanks));
            typeInput(gridOf(tanks), 2, exampleTankRow, text);
            // Asks to save; the fake says No.
            QTest::mouseClick(&child<QPushButton>(tanks, "okButton"), Qt::LeftButton);
        });
        QTest::mouseClick(&toolButton("tanksButton"), Qt::LeftButton);
        QCOMPARE(catalogs().tanks.cell(2, exampleTankRow), text);
        QVERIFY(!tanks.isVisible());
    }

    // Shows a catalog window through its toolbar button and closes it with its close box.
    void showAndClose(QAbstractButton *button, QWidget *window)
    {
        whenModal([window](QWidget *shown) {
            QCOMPARE(shown, window);
            shown->close();
        });
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!window->isVisible());
    }

private slots:
    void init()
    {
        program_ = std::make_unique<ShippedProgram>();
        QVERIFY(program_->installDatabase());
    }

    void cleanup()
    {
        program_.reset();
    }

    void inputRows_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message"); // empty: the calculation completes
        const QStringList names{"", "length", "source elevation", "storage elevation", "population",
                                "pumping time", "daily usage", "people per tap"};
        for (int row = 1; row <= 7; ++row) {
            const QByteArray name = names[row].toLatin1();
            QTest::addRow("%s: not a number", name.data()) << row << "12a" << conversion.arg("12a");
            QTest::addRow("%s: empty", name.data()) << row << "" << conversion.arg("");
            QTest::addRow("%s: a blank", name.data()) << row << " " << conversion.arg(" ");
        }
        // Huge: flow, length and elevations overflow when stored as doubles; a huge
        // pumping time makes the flow 0, which stops the pumping-time step; a huge
        // number of people per tap gives one kit.
        const QStringList huge{overflow, overflow, overflow, overflow, invalid, overflow, QString()};
        // Negative: a negative flow has no square root; the others just compute.
        const QStringList negative{QString(), QString(), QString(), invalid, invalid, invalid, QString()};
        for (int row = 1; row <= 7; ++row) {
            const QByteArray name = names[row].toLatin1();
            QTest::addRow("%s: 1E4000", name.data()) << row << "1E4000" << huge[row - 1];
            QTest::addRow("%s: -5", name.data()) << row << "-5" << negative[row - 1];
        }
    }

    void inputRows()
    {
        QFETCH(int, row);
        QFETCH(QString, text);
        QFETCH(QString, message);
        startUp();
        typeExample();
        typeInput(inputGrid(), 2, row, text);
        QCOMPARE(mainWindow().sheet().inputs.cell(2, row), text);

        const QStringList shown = calculate();
        QCOMPARE(shown, message.isEmpty() ? QStringList() : QStringList{errorBoxText(message)});
        QToolBar &toolBar = child<QToolBar>(mainWindow(), "toolBar");
        QVERIFY(toolButton("saveButton").isEnabledTo(&toolBar) && toolButton("printButton").isEnabledTo(&toolBar));
        checkStillWorks();
    }

    void tankVolume_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("tanks"); // result row 7 when the calculation completes
        QTest::newRow("not a number") << "ten" << conversion.arg("ten") << QString();
        QTest::newRow("empty") << "" << conversion.arg("") << QString();
        QTest::newRow("zero") << "0" << divisionByZero << QString();
        QTest::newRow("huge") << "1E4000" << QString() << "0";
        QTest::newRow("negative") << "-5" << QString() << "-25";
    }

    void tankVolume()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(QString, tanks);
        startUp();
        typeExample();
        typeTankVolume(text);

        QCOMPARE(calculate(), message.isEmpty() ? QStringList() : QStringList{errorBoxText(message)});
        if (!tanks.isEmpty())
            QCOMPARE(results().cell(2, 7), tanks);
        typeTankVolume(QStringLiteral("10"));
        checkStillWorks();
    }

    // The diameters window cannot be edited: bad pipe sizes come from the file.
    void pipeSizes_data()
    {
        QTest::addColumn<QByteArray>("line"); // in place of the 5" pipe, the one chosen
        QTest::addColumn<QString>("message");
        QTest::newRow("inside diameter not a number") << QByteArray("11,Pipe,5,steel,12x.2") << conversion.arg("12x.2");
        QTest::newRow("inside diameter missing") << QByteArray("11,Pipe,5,steel") << conversion.arg("");
        QTest::newRow("inside diameter empty field") << QByteArray("11,Pipe,5,steel,") << conversion.arg(" ");
        QTest::newRow("inside diameter huge") << QByteArray("11,Pipe,5,steel,1E4000") << overflow;
        QTest::newRow("nominal diameter not a number") << QByteArray("11,Pipe,five,steel,128.2") << conversion.arg("five");
        QTest::newRow("inside diameter negative") << QByteArray("11,Pipe,5,steel,-128.2") << QString();
    }

    void pipeSizes()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, message);
        QByteArray pipes = shippedFile(QStringLiteral("pipes.csv"));
        const qsizetype at = pipes.indexOf("\n11,") + 1;
        pipes.replace(at, pipes.indexOf('\r', at) - at, line);
        writeCatalog(QStringLiteral("pipes.csv"), pipes);
        startUp();
        QCOMPARE(program_->fake.boxes.shown(), QStringList());
        typeExample();
        QCOMPARE(calculate(), message.isEmpty() ? QStringList() : QStringList{errorBoxText(message)});
        QVERIFY(mainWindow().isVisible());
    }

    void oddCatalogFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("lines"); // lines read, -1 for the shipped count

        for (const char *name : {"pipes.csv", "pumps.csv", "storage.csv"}) {
            const QByteArray shipped = shippedFile(QString::fromLatin1(name));
            const QList<QByteArray> shippedLines = shipped.trimmed().split('\n');

            QByteArray many = shippedLines.front().trimmed() + "\r\n";
            for (int i = 1; i < 100000; ++i)
                many += QByteArray::number(i) + ",Type " + QByteArray::number(i) + "," + QByteArray::number(i % 97 + 1)
                        + ",x,"  + QByteArray::number(i % 300 + 10) + "\r\n";
            QTest::addRow("%s: 100 000 lines", name) << QString::fromLatin1(name) << many << 100000;

            QByteArray cut = shipped;
            cut.insert(shipped.indexOf("\n3,") + 3, '\0');
            QTest::addRow("%s: NUL in line 3", name) << QString::fromLatin1(name) << cut << 4;

            QByteArray longLine = shipped;
            longLine.insert(shipped.indexOf("\n3,") + 3, QByteArray(1 << 20, 'w'));
            QTest::addRow("%s: 1 MB line", name) << QString::fromLatin1(name) << longLine << -1;

            QTest::addRow("%s: invalid UTF-8 after a mark", name)
                << QString::fromLatin1(name) << QByteArray("\xEF\xBB\xBF" + shipped + "caf\xE9\r\n") << 0;
        }
    }

    // The catalog loads without an error box, with the counts the rules give, and
    // the windows and a calculation still work.
    void oddCatalogFiles()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(int, lines);
        if (lines < 0)
            lines = int(shippedFile(file).count('\n'));
        writeCatalog(file, bytes);
        startUp();
        QCOMPARE(program_->fake.boxes.shown(), QStringList());

        if (file == QLatin1String("pipes.csv"))
            QCOMPARE(catalogs().pipeCount, lines - 1);
        if (file == QLatin1String("storage.csv"))
            QCOMPARE(catalogs().tankCount, lines - 1);
        const CellTable &table = file == QLatin1String("pipes.csv")   ? catalogs().pipes
                                 : file == QLatin1String("pumps.csv") ? catalogs().pumps
                                                                      : catalogs().tanks;
        QCOMPARE(table.cell(0, 1), lines > 1 ? QStringLiteral("1") : QString());

        showAndClose(&toolButton("diametersButton"), &mainWindow().diametersWindow());
        showAndClose(&toolButton("pumpsButton"), &mainWindow().pumpsWindow()); // may show the rules' picture errors
        showAndClose(&toolButton("tanksButton"), &mainWindow().tanksWindow());
        program_->fake.boxes.clear();
        typeExample();
        calculate();
        QVERIFY(mainWindow().isVisible());
    }
};

QTEST_MAIN(BadInputTest)
#include "tst_badinput.moc"
