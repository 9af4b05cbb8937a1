// The design checks in the main window on the shipped database: the summary left of
// "OK" and the list agree with quorvel-design for the same inputs and picks, nothing
// specified moves, stale checks vanish, and File > Export Design Report… writes the
// report page.
#include "application.h"
#include "designcheckswindow.h"
#include "dutychartwidget.h"
#include "gridwidget.h"
#include "mainwindow.h"
#include "pumpswindow.h"
#include "sheetlayout.h"
#include "tankswindow.h"
#include "catalogcolumns.h"
#include "support/children.h"
#include "support/copyfiles.h"
#include "support/fakeplatform.h"
#include "support/modal.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QToolButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace quorvel;

namespace {

const QStringList worked{"1000", "100", "150", "5000", "4", "25", "250"};
// The shipped catalog's pump that lifts the worked example's water, short of its head.
constexpr int electricPump = 8;

QPoint cellCentre(GridWidget *grid, int col, int row)
{
    return grid->visualRect(grid->model()->index(row, col)).center();
}

void pickRow(QWidget *window, int row)
{
    auto *grid = &child<GridWidget>(*window, "grid");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, 1, row));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, 1, row));
}

// The warnings quorvel-design gives for the site with the pump and tank rows named.
QString commandWarnings(const QString &database, int pump, int tank)
{
    QProcess process;
    process.start(QStringLiteral(QUORVEL_DESIGN_TOOL),
                  {"--json", "--database", database, "--pump", QString::number(pump), "--tank", QString::number(tank),
                   "--site", worked.join(',')});
    process.waitForFinished(60000);
    const QJsonArray sites = QJsonDocument::fromJson(process.readAllStandardOutput()).array();
    QStringList warnings;
    for (const QJsonValue &w : sites.at(0).toObject().value("warnings").toArray())
        warnings << w.toString();
    return warnings.join("; ");
}

// Where every named widget of the window sits, the checks' own pieces left out.
QMap<QString, QRect> geometries(QWidget &window)
{
    QMap<QString, QRect> places;
    for (QWidget *w : window.findChildren<QWidget *>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith("checks") || w->window() != &window)
            continue;
        places.insert(w->objectName(), QRect(w->mapTo(&window, QPoint(0, 0)), w->size()));
    }
    return places;
}

} // namespace

class TestWindowChecks : public QObject {
    Q_OBJECT

    QTemporaryDir root;
    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<Application> app;
    QString database;

    MainWindow &window() { return app->mainWindow(); }
    QWidget &summary() { return child<QWidget>(window(), "checksSummary"); }
    QString summaryText() { return summary().isVisible() ? summary().toolTip() : QString(); }
    QAction &exportAction() { return child<QAction>(window(), "exportReportAction"); }

    // Exports the report, answering who prepared it (the fields as they were shown
    // first, when asked for); cancelled when engineer is empty.
    void exportReport(const QString &engineer = "A. Engineer", const QString &organisation = "WASH Cluster",
                      QStringList *shown = nullptr)
    {
        whenModal([=](QWidget *dialog) {
            auto &preparedBy = child<QLineEdit>(*dialog, "preparedByEdit");
            auto &by = child<QLineEdit>(*dialog, "organisationEdit");
            if (shown)
                *shown = {preparedBy.text(), by.text()};
            preparedBy.setText(engineer);
            by.setText(organisation);
            if (engineer.isEmpty())
                qobject_cast<QDialog *>(dialog)->reject();
            else
                qobject_cast<QDialog *>(dialog)->accept();
        });
        exportAction().trigger();
    }

    void setInputs(const QStringList &values)
    {
        QAbstractItemModel *model = child<GridWidget>(window(), "inputGrid").model();
        for (int row = 1; row <= values.size(); ++row)
            QVERIFY(model->setData(model->index(row, valueColumn), values[row - 1]));
    }

    // "To Calculate" with the pump and tank rows picked by a double-click.
    void calculate(int pump, int tank)
    {
        whenModal([=](QWidget *pumps) {
            whenModal([=](QWidget *tanks) { pickRow(tanks, tank); });
            pickRow(pumps, pump);
        });
        QTest::mouseClick(&child<QPushButton>(window(), "calculateButton"), Qt::LeftButton);
    }

    void calculated()
    {
        setInputs(worked);
        calculate(electricPump, 5);
        QCOMPARE(fake->boxes.errors(), QStringList());
        QVERIFY(summary().isVisible());
        QVERIFY2(exportAction().isEnabled(), qPrintable(summaryText()));
    }

private slots:
    void init()
    {
        fake = std::make_unique<FakePlatform>();
        fake->folders = FakeKnownFolders(root.filePath("common"), root.filePath("documents"), root.filePath("pictures"));
        database = root.filePath("common/Pellmarsh/Quorvel/Database/");
        QVERIFY(QDir().mkpath(root.filePath("documents/Pellmarsh/Quorvel/Projects")));
        QVERIFY(copyFiles(QStringLiteral(QUORVEL_SHIPPED_DATABASE), database));
        app = std::make_unique<Application>(fake->platform);
        window().showMaximized();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
    }

    void cleanup()
    {
        app.reset();
        fake.reset();
        QDir(root.filePath("common")).removeRecursively();
    }

    // The summary and the list say what the command says; nothing specified moves,
    // at the designed size and at a large one.
    void calculationShowsTheChecks()
    {
        QVERIFY(!summary().isVisible());
        QVERIFY(!exportAction().isEnabled());
        QCOMPARE(&exportAction(), child<QMenu>(window(), "fileMenu").actions().at(3));
        window().resize(773, 703 + window().menuBar()->height());
        const QMap<QString, QRect> designed = geometries(window());

        calculated();
        const QString warnings = commandWarnings(database, electricPump, 5);
        QVERIFY(!warnings.isEmpty());
        const qsizetype count = warnings.count(QStringLiteral("; ")) + 1;
        QCOMPARE(summaryText(), (count == 1 ? QStringLiteral("1 warning: ") : QStringLiteral("%1 warnings: ").arg(count)) + warnings);
        QCOMPARE(geometries(window()), designed);
        auto &bottom = child<QWidget>(window(), "bottomPanel");
        auto &ok = child<QPushButton>(window(), "okButton");
        for (QWidget *w : summary().findChildren<QWidget *>()) {
            const QRect place(w->mapTo(&bottom, QPoint(0, 0)), w->size());
            QVERIFY(bottom.rect().contains(place));
            QVERIFY(!place.intersects(ok.geometry()));
            QCOMPARE(w->font().family(), QStringLiteral("Tahoma"));
            QCOMPARE(w->font().pointSize(), 8);
        }
        QVERIFY(child<QLabel>(summary(), "checksIcon").pixmap().isNull() == false);

        window().resize(1600, 1000);
        QVERIFY(summary().isVisible());
        QVERIFY(!summary().geometry().intersects(ok.geometry()));
        QVERIFY(child<QLabel>(summary(), "checksText").text() == summaryText()); // room for all of it
        window().resize(773, 703 + window().menuBar()->height());
        QCOMPARE(geometries(window()), designed);

        // The list: every check with value and limit, all in view above the chart of
        // the design's operating point.
        QStringList outcomes;
        whenModal([&](QWidget *w) {
            auto &table = child<QTableWidget>(*w, "checksTable");
            for (int row = 0; row < table.rowCount(); ++row) {
                QVERIFY(!table.item(row, 1)->text().isEmpty());
                QVERIFY(!table.item(row, 2)->text().isEmpty());
                QVERIFY(table.viewport()->rect().contains(table.visualItemRect(table.item(row, 3))));
                outcomes << table.item(row, 0)->text() + ": " + table.item(row, 3)->text();
            }
            auto &chart = child<DutyChartWidget>(*w, "dutyChart");
            QVERIFY(chart.isVisible());
            QVERIFY(chart.geometry().top() >= table.geometry().bottom());
            QVERIFY(chart.height() >= 250);
            QCOMPARE(chart.chart()->operatingPoint->flow, window().shownDesign().assessment.operatingPoint->flow);
            w->close();
        });
        QTest::mouseClick(&child<QPushButton>(summary(), "checksButton"), Qt::LeftButton);
        QCOMPARE(outcomes.size(), 12);
        QCOMPARE(outcomes.filter("Warning"), QStringList({"pumping head: Warning", "operating flow: Warning",
                                                          "share of the rated flow: Warning"}));
    }

    // The window holds a design to the command's rules: inputs out of range and a
    // scheme that does not work fail and keep the exports off, saying why; a gravity
    // supply needs no pump whatever pump was picked.
    void judgedAsTheCommandJudges_data()
    {
        QTest::addColumn<int>("input"); // the input row changed, 0 none
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("pump");
        QTest::addColumn<int>("errorBoxes"); // the calculation's own messages
        QTest::addColumn<QString>("summary");
        QTest::addColumn<bool>("chart"); // the list shows the duty-point chart
        QTest::newRow("negative length") << int(InputRow::PipelineLength) << "-2400" << electricPump << 0
                                         << "Not designed: 1 failure: pipeline length -2400 m: must be greater than 0" << false;
        QTest::newRow("30 hours a day") << int(InputRow::PumpingHours) << "30" << electricPump << 0
                                        << "Not designed: 1 failure: pumping time 30 h/day: must be at most 24 hours a day"
                                        << false;
        QTest::newRow("no people") << int(InputRow::Population) << "0" << electricPump << 1
                                   << "Not designed: 1 failure: population 0 people: must be greater than 0" << false;
        QTest::newRow("no hours") << int(InputRow::PumpingHours) << "0" << electricPump << 1
                                  << "Not designed: 1 failure: pumping time 0 h/day: must be greater than 0" << false;
        QTest::newRow("a pump that cannot lift the water")
            << 0 << "" << 3 << 0
            << "Not designed: 1 failure: operating flow 0 L/s below the design flow of 8.68 L/s: no water reaches the "
               "tank; 1 warning: pumping head 53.83 m above the pump's rated head of 25 m"
            << true;
        QTest::newRow("gravity") << int(InputRow::StorageElevation) << "90" << 3 << 0
                                 << "gravity supply: no pump needed; all 9 checks pass" << true;
    }
    void judgedAsTheCommandJudges()
    {
        QFETCH(int, input);
        QFETCH(QString, value);
        QFETCH(int, pump);
        QFETCH(QString, summary);
        QStringList inputs = worked;
        if (input > 0)
            inputs[input - 1] = value;
        auto &chart = child<DutyChartWidget>(window().designChecksWindow(), "dutyChart");
        calculated(); // a chart shown before
        setInputs(inputs);
        if (fake->boxes.errors().isEmpty())
            calculate(pump, 5);
        QTEST(int(fake->boxes.errors().size()), "errorBoxes");
        QCOMPARE(summaryText(), summary);
        QTEST(!chart.isHidden(), "chart");
        const bool designed = !summary.startsWith("Not designed");
        for (const char *name : {"exportReportAction", "exportEpanetAction"}) {
            QAction &action = child<QAction>(window(), name);
            QCOMPARE(action.isEnabled(), designed);
            QCOMPARE(action.toolTip().startsWith("Not exported while the design fails: "), !designed);
        }
        if (input == int(InputRow::StorageElevation)) {
            // The pump's own checks do not apply; the report draws no pump curve.
            QCOMPARE(window().shownDesign().assessment.messages(CheckOutcome::NotApplicable).size(), 3);
            QVERIFY(window().shownDesign().assessment.gravity);
            if (QStandardPaths::findExecutable("pdftotext").isEmpty())
                return;
            const QString pdf = root.filePath("gravity.pdf");
            fake->dialogs.confirm(FakeFileDialogs::Kind::Save, pdf);
            exportReport();
            QProcess text;
            text.start("pdftotext", {pdf, "-"});
            QVERIFY(text.waitForFinished());
            const QString page = QString::fromUtf8(text.readAllStandardOutput()).simplified();
            QVERIFY(page.contains("Pump: none, gravity supply"));
            QVERIFY(page.contains("Gravity flow on this pipeline"));
            QVERIFY(!page.contains("Rated point:"));
        }
    }

    void staleChecksVanish_data()
    {
        QTest::addColumn<QString>("event");
        QTest::newRow("an input edited") << "edit";
        QTest::newRow("New") << "new";
        QTest::newRow("a calculation stopping part-way") << "stop";
    }
    void staleChecksVanish()
    {
        QFETCH(QString, event);
        calculated();
        if (event == "edit") {
            QApplication::setActiveWindow(&window());
            auto *grid = &child<GridWidget>(window(), "inputGrid");
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, valueColumn, InputRow::Population));
            QTest::keyClick(QApplication::focusWidget(), '6');
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        } else if (event == "new") {
            child<QAction>(window(), "newAction").trigger();
        } else {
            // No tank's capacity a number: the run stops after the tank pick.
            for (int row = 1; row <= app->catalogs().tankCount; ++row)
                app->catalogs().tanks.setCell(TankColumn::Volume, row, "many");
            calculate(electricPump, 5);
            QCOMPARE(fake->boxes.errors().size(), 1);
        }
        QVERIFY(!summary().isVisible());
        QVERIFY(!exportAction().isEnabled());
        QVERIFY(window().shownDesign().assessment.checks.isEmpty());
    }

    // A rated head edited in the pumps window changes what the checks say at once.
    void catalogEditRechecks()
    {
        calculated();
        const int head = columnCaptioned(app->catalogs().pumps, "Head");
        whenModal([&](QWidget *pumps) {
            app->catalogs().pumps.setCell(head, electricPump, "60");
            pumps->close();
        });
        QTest::mouseClick(&child<QToolButton>(window(), "pumpsButton"), Qt::LeftButton);
        QCOMPARE(summaryText(), QStringLiteral("All 12 checks pass")); // with the operating point's
    }

    // A saved project opened again shows its checks; one whose pump the catalog no
    // longer holds says so and offers no report.
    void openedProjectShowsItsChecks()
    {
        calculated();
        const QString shown = summaryText();
        const QString base = root.filePath("documents/camp");
        fake->dialogs.confirm(FakeFileDialogs::Kind::Save, base + ".qvl");
        QTest::keyClicks(&child<QLineEdit>(window(), "projectNameEdit"), "Camp");
        child<QAction>(window(), "saveAsAction").trigger();
        child<QAction>(window(), "newAction").trigger();
        QVERIFY(!summary().isVisible());

        fake->dialogs.confirm(FakeFileDialogs::Kind::Open, base + ".qvl", 1);
        child<QAction>(window(), "openAction").trigger();
        QCOMPARE(summaryText(), shown);
        QVERIFY(exportAction().isEnabled());

        app->catalogs().pumps.setCell(PumpColumn::Model, electricPump, "CS-81");
        fake->dialogs.confirm(FakeFileDialogs::Kind::Open, base + ".qvl", 1);
        child<QAction>(window(), "openAction").trigger();
        QCOMPARE(summaryText(), QStringLiteral("No checks: the pump catalog no longer holds \"Electric surface pump CS-80 model\""));
        QVERIFY(!child<QPushButton>(summary(), "checksButton").isVisible());
        QVERIFY(!exportAction().isEnabled());
        QCOMPARE(fake->boxes.errors(), QStringList());
    }

    // The report goes where the dialog says, named after the project by default, and
    // holds what the command's page holds; a name that is not a PDF's is refused and
    // the file left alone.
    void exportWritesTheReport()
    {
        calculated();
        child<QLineEdit>(window(), "projectNameEdit").clear();
        QTest::keyClicks(&child<QLineEdit>(window(), "projectNameEdit"), "Camp");
        const QString pdf = root.filePath("report.pdf");
        fake->dialogs.confirm(FakeFileDialogs::Kind::Save, pdf);
        exportReport(" A. Engineer ", "WASH Cluster");
        QCOMPARE(fake->boxes.errors(), QStringList());
        const auto showing = fake->dialogs.showings(FakeFileDialogs::Kind::Save).last();
        QCOMPARE(showing.fileName, app->folders().projectsDir + "Camp.pdf");
        QCOMPARE(showing.initialDir, app->folders().projectsDir);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("%PDF"));
        if (!QStandardPaths::findExecutable("pdftotext").isEmpty()) {
            QProcess text;
            text.start("pdftotext", {pdf, "-"});
            QVERIFY(text.waitForFinished());
            const QString page = QString::fromUtf8(text.readAllStandardOutput()).simplified();
            for (const QString &expected : {QStringLiteral("Camp"), QStringLiteral("520.8"), QStringLiteral("53.83"),
                                            QStringLiteral("Electric surface pump CS-80 model"),
                                            QStringLiteral("pumping head 53.83 m above"), QStringLiteral("Rated point:"),
                                            QStringLiteral("Operating point on this pipeline:"), QStringLiteral("Duty point"),
                                            QStringLiteral("Flow (L/s)"), QStringLiteral("Page 1 of 1"),
                                            QStringLiteral("Prepared by A. Engineer, WASH Cluster")})
                QVERIFY2(page.contains(expected), qPrintable(expected));
        }

        // Cancelled while asking who prepared it: no file is asked for.
        const qsizetype saves = fake->dialogs.showings(FakeFileDialogs::Kind::Save).size();
        QStringList remembered;
        exportReport({}, {}, &remembered);
        QCOMPARE(remembered, QStringList({"A. Engineer", "WASH Cluster"}));
        QCOMPARE(fake->dialogs.showings(FakeFileDialogs::Kind::Save).size(), saves);

        const QString csv = root.filePath("pumps-copy.csv");
        QFile::copy(database + "pumps.csv", csv);
        fake->dialogs.confirm(FakeFileDialogs::Kind::Save, csv);
        exportReport();
        QCOMPARE(fake->boxes.errors().size(), 1);
        QVERIFY(fake->boxes.errors().constFirst().contains(csv));
        QFile copy(csv), original(database + "pumps.csv");
        QVERIFY(copy.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), original.readAll());
    }

    // File > Export EPANET Network: enabled with the checks, writes the design's network.
    void exportWritesTheEpanetNetwork()
    {
        auto &action = child<QAction>(window(), "exportEpanetAction");
        QVERIFY(!action.isEnabled());
        calculated();
        QVERIFY(action.isEnabled());
        QTest::keyClicks(&child<QLineEdit>(window(), "projectNameEdit"), "Camp");
        const QString inp = root.filePath("camp.inp");
        fake->dialogs.confirm(FakeFileDialogs::Kind::Save, inp);
        action.trigger();
        QCOMPARE(fake->boxes.errors(), QStringList());
        QFile file(inp);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray network = file.readAll();
        for (const char *expected : {"[TITLE]", "[PUMPS]", "Pipeline", "StorageTank", "[RULES]"})
            QVERIFY2(network.contains(expected), expected);
        const QString other = root.filePath("camp.txt");
        fake->dialogs.confirm(FakeFileDialogs::Kind::Save, other);
        action.trigger();
        QCOMPARE(fake->boxes.errors().size(), 1);
        QVERIFY(!QFile::exists(other));
    }
};

QTEST_MAIN(TestWindowChecks)
#include "tst_windowchecks.moc"
