// A project through the real main window: type the inputs, calculate with a pump and
// a tank picked in their windows, save, "New", open, and everything is back.
#include "application.h"
#include "gridwidget.h"
#include "mainwindow.h"
#include "pumpswindow.h"
#include "sheetlayout.h"
#include "tankswindow.h"
#include "support/shippedprogram.h"
#include "support/children.h"
#include "support/copyfiles.h"
#include "support/fakeplatform.h"
#include "support/modal.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace quorvel;

namespace {

// A widget or action of the window by its object name.
QPoint cellCentre(GridWidget *grid, int col, int row)
{
    return grid->visualRect(grid->model()->index(row, col)).center();
}

void clickCell(GridWidget *grid, int col, int row)
{
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, col, row));
}

// Selects the cell and double-clicks it, as a user picks a catalog row.
void pickRow(QWidget *window, int row)
{
    auto *grid = &child<GridWidget>(*window, "grid");
    clickCell(grid, 1, row);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, 1, row));
}

// A key as the user types it: pressed into the focused widget, released where the
// focus is afterwards.
void typeKey(char key)
{
    QTest::keyPress(QApplication::focusWidget(), key);
    QTest::keyRelease(QApplication::focusWidget(), key);
}

// Selects the cell and types the text as the user would: the first key starts the
// cell editor, which then has the focus.
void typeIntoCell(GridWidget *grid, int col, int row, const QString &text)
{
    clickCell(grid, col, row);
    for (const QChar c : text)
        typeKey(c.toLatin1());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

// Every cell as the grid widget shows it.
QStringList shownCells(GridWidget *grid)
{
    QStringList cells;
    const QAbstractItemModel *model = grid->model();
    for (int r = 0; r < model->rowCount(); ++r)
        for (int c = 0; c < model->columnCount(); ++c)
            cells << model->index(r, c).data().toString();
    return cells;
}

QStringList captions(MainWindow &window)
{
    QStringList texts;
    for (const char *name : {"sourceCaption", "storageCaption", "pipelineCaption", "populationCaption"})
        texts << child<QLabel>(window, name).text();
    return texts;
}

// Save, Save as and Print as the toolbar and the menu show them.
struct Switches {
    bool save, saveAs, print;
};
Switches switches(MainWindow &window)
{
    auto *toolBar = &child<QToolBar>(window, "toolBar");
    return {child<QToolButton>(window, "saveButton").isEnabledTo(toolBar),
            child<QAction>(window, "saveAsAction").isEnabled(),
            child<QToolButton>(window, "printButton").isEnabledTo(toolBar)};
}

} // namespace

class TestProjectRoundTrip : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void calculateSaveNewOpen();

private:
    ShippedProgram program;
    FakePlatform &fake = program.fake;
    std::unique_ptr<Application> &app = program.app;
};

void TestProjectRoundTrip::init()
{
    QVERIFY(QDir().mkpath(program.projectsDir()));
    QVERIFY(program.installDatabase());
    QVERIFY(program.start());
    // The first activation loaded the shipped catalogs.
    QVERIFY(app->catalogs().pipeCount > 0);
    QVERIFY(app->catalogs().tankCount > 0);
    QCOMPARE(fake.boxes.shown(), QStringList());
}

void TestProjectRoundTrip::cleanup()
{
    app.reset();
}

void TestProjectRoundTrip::calculateSaveNewOpen()
{
    MainWindow &window = app->mainWindow();
    auto *inputGrid = &child<GridWidget>(window, "inputGrid");
    auto *resultGrid = &child<GridWidget>(window, "resultGrid");
    auto *nameEdit = &child<QLineEdit>(window, "projectNameEdit");
    const QString projectsDir = app->folders().projectsDir;
    typeIntoCell(inputGrid, valueColumn, InputRow::PipelineLength, "1200");
    typeIntoCell(inputGrid, valueColumn, InputRow::StorageElevation, "145");
    typeIntoCell(inputGrid, valueColumn, InputRow::Population, "5000");

    // The calculation shows the pumps window, then the tanks window: pick row 2 of
    // each by a double-click.
    whenModal([=](QWidget *pumps) {
        QVERIFY(qobject_cast<PumpsWindow *>(pumps));
        whenModal([=](QWidget *tanks) {
            QVERIFY(qobject_cast<TanksWindow *>(tanks));
            pickRow(tanks, 2);
        });
        pickRow(pumps, 2);
    });
    QTest::mouseClick(&child<QPushButton>(window, "calculateButton"), Qt::LeftButton);
    QCOMPARE(fake.boxes.shown(), QStringList());
    // The picks' windows are gone; the desktop hands the main window the focus back
    // (the offscreen platform leaves that to us).
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    for (int r = 1; r < window.sheet().results.rowCount(); ++r)
        QVERIFY2(!window.sheet().results.cell(valueColumn, r).isEmpty(), qPrintable(QString::number(r)));

    nameEdit->clear();
    QTest::keyClicks(nameEdit, "Camp 4, \"north\" well");
    QCOMPARE(window.sheet().projectName(), QString("Camp 4, \"north\" well"));

    fake.dialogs.confirm(FileDialogs::Kind::Save, projectsDir + "camp");
    QTest::mouseClick(&child<QToolButton>(window, "saveButton"), Qt::LeftButton);
    for (const char *ext : {".qvl", ".dat", ".res"})
        QVERIFY(QFile::exists(projectsDir + "camp" + ext));
    QCOMPARE(fake.dialogs.showings(FileDialogs::Kind::Save).value(0).initialDir, projectsDir);
    QVERIFY(!switches(window).save);

    const QStringList inputs = shownCells(inputGrid);
    const QStringList results = shownCells(resultGrid);

    child<QAction>(window, "newAction").trigger();
    QCOMPARE(resultGrid->model()->index(1, valueColumn).data().toString(), QString());
    QCOMPARE(inputGrid->model()->index(1, valueColumn).data().toString(), QString());
    nameEdit->clear();
    QTest::keyClicks(nameEdit, "other");
    // A change, so that opening has to switch Save off.
    typeIntoCell(inputGrid, valueColumn, InputRow::PipelineLength, "7");
    QVERIFY(switches(window).save);

    fake.dialogs.confirm(FileDialogs::Kind::Open, projectsDir + "camp.qvl", 1);
    QTest::mouseClick(&child<QToolButton>(window, "openButton"), Qt::LeftButton);

    QCOMPARE(fake.boxes.shown(), QStringList());
    QCOMPARE(nameEdit->text(), QString("Camp 4, \"north\" well"));
    QCOMPARE(shownCells(inputGrid), inputs);
    QCOMPARE(shownCells(resultGrid), results);
    QCOMPARE(captions(window), (QStringList{"Water Source Elevation= 100", "Storage Elevation= 145",
                                            "Pipeline Length= 1200", "Population= 5000"}));
    QVERIFY(!switches(window).save);
    QVERIFY(!switches(window).saveAs);
    QVERIFY(switches(window).print);
}

QTEST_MAIN(TestProjectRoundTrip)
#include "tst_projectroundtrip.moc"
