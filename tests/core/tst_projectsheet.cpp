#include "projectsheet.h"
#include "support/statelog.h"
#include "support/tabletext.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace quorvel;

namespace {

using Caption = ProjectSheet::Caption;

// The four captions over the schematic: source, storage, pipeline, population.
QStringList captions(const ProjectSheet &sheet)
{
    return {sheet.caption(Caption::SourceElevation), sheet.caption(Caption::StorageElevation),
            sheet.caption(Caption::PipelineLength), sheet.caption(Caption::Population)};
}

} // namespace

class ProjectSheetTest : public QObject {
    Q_OBJECT

private slots:
    void init();

    void shapeAndTexts();
    void createTablesWriteOrder();
    void rightAfterStart();
    void keyUp_data();
    void keyUp();
    void newKeepsDescriptionsAndSettings();
    void resizeRedirectsCaptionToRowOne();
    void captionsAfterOpening();
    void signalsOnlyOnChange();

private:
    // Types into column 2 of a row the way the grid does: select, write, release the key.
    void typeInto(int row, const QString &text);

    std::unique_ptr<ProjectSheet> sheet;
    std::unique_ptr<StateLog> changes;
};

void ProjectSheetTest::init()
{
    sheet = std::make_unique<ProjectSheet>();
    changes = std::make_unique<StateLog>(sheet->state);
    sheet->createTables();
}

void ProjectSheetTest::typeInto(int row, const QString &text)
{
    sheet->inputCellSelected(2, row);
    sheet->inputs.setCell(2, row, text);
    sheet->inputKeyReleased();
}

void ProjectSheetTest::shapeAndTexts()
{
    const CellTable &inputs = sheet->inputs;
    QCOMPARE(inputs.colCount(), 3);
    QCOMPARE(inputs.rowCount(), 8);
    QCOMPARE(inputs.fixedCols(), 2);
    QVERIFY(inputs.editable());
    QCOMPARE(column(inputs, 0), QStringList({"Description", "Pump discharge pipeline length",
                                             "Water source elevation", "Storage elevation",
                                             "Population", "Pumping Time", "Daily Usage",
                                             "# people per tap"}));
    QCOMPARE(column(inputs, 1), QStringList({"Unit", "Meter", "Meter", "Meter", "People",
                                             "Hours/day", "L/capita/day", "people"}));
    QCOMPARE(column(inputs, 2), QStringList({"Value", "", "100", "", "", "4", "25", "250"}));

    const CellTable &results = sheet->results;
    QCOMPARE(results.colCount(), 3);
    QCOMPARE(results.rowCount(), 11);
    QCOMPARE(results.fixedCols(), 0);
    QVERIFY(!results.editable());
    QCOMPARE(column(results, 0),
             QStringList({"Description", "Q design", "Nominal Diameter", "HF", "Pumping Head",
                          "Theoretical Storage", "Pump", "Storage", "Actual Storage",
                          "Estimated Actual Pumping Time", "# tapstand kits (6 taps)"}));
    QCOMPARE(column(results, 1), QStringList({"Unit", "LPM", "\"", "M", "M", "M^3", "Unit", "Unit",
                                              "M^3", "Hours", "Unit"}));
    QCOMPARE(column(results, 2), QStringList({"Result", "", "", "", "", "", "", "", "", "", ""}));

    for (const CellTable *table : {&inputs, &results}) {
        QCOMPARE(table->colWidth(0), 180);
        QCOMPARE(table->colWidth(1), 130);
        QCOMPARE(table->colWidth(2), 70);
        QCOMPARE(table->rowHeight(), 24);
    }
}

void ProjectSheetTest::createTablesWriteOrder()
{
    ProjectSheet fresh;
    QStringList writes;
    auto watch = [&](CellTable &table, const QString &name) {
        connect(&table, &CellTable::cellChanged, this, [&writes, name](int col, int row) {
            writes << QStringLiteral("%1(%2,%3)").arg(name).arg(col).arg(row);
        });
        connect(&table, &CellTable::geometryChanged, this,
                [&writes, name] { writes << name + " width"; });
    };
    watch(fresh.inputs, "inputs");
    watch(fresh.results, "results");
    fresh.createTables();

    QStringList expected = {"inputs(0,0)", "inputs(1,0)", "inputs(2,0)", "inputs width",
                            "inputs width", "inputs width", "inputs(2,7)", "inputs(2,6)",
                            "inputs(2,2)", "inputs(2,5)"};
    for (int row = 1; row <= 7; ++row)
        expected << QStringLiteral("inputs(0,%1)").arg(row) << QStringLiteral("inputs(1,%1)").arg(row);
    expected << "results width" << "results width" << "results width" << "results(0,0)"
             << "results(1,0)" << "results(2,0)";
    for (int row = 1; row <= 10; ++row)
        expected << QStringLiteral("results(0,%1)").arg(row) << QStringLiteral("results(1,%1)").arg(row);
    QCOMPARE(writes, expected);
}

void ProjectSheetTest::rightAfterStart()
{
    QCOMPARE(sheet->currentColumn, 0);
    QCOMPARE(sheet->currentRow, 0);
    QCOMPARE(captions(*sheet), QStringList({"Water Source Elevation", "Storage Elevation",
                                            "Pipeline Length", "Population"}));
    // The first resize, when the window is shown.
    sheet->windowResized();
    QCOMPARE(captions(*sheet), QStringList({"Water source elevation= 100", "Storage Elevation",
                                            "Pipeline Length", "Population"}));
    QCOMPARE(sheet->currentColumn, 2);
    QCOMPARE(sheet->currentRow, 1);
    QVERIFY(changes->log.isEmpty());
}

void ProjectSheetTest::keyUp_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expectedCaptions");

    QTest::newRow("length") << 1 << "1200"
                            << QStringList({"Water Source Elevation", "Storage Elevation",
                                            "Pipeline Length= 1200", "Population"});
    QTest::newRow("water source") << 2 << "120"
                                  << QStringList({"Water Source Elevation= 120",
                                                  "Storage Elevation", "Pipeline Length",
                                                  "Population"});
    QTest::newRow("storage cleared") << 3 << ""
                                     << QStringList({"Water Source Elevation", "Storage Elevation= ",
                                                     "Pipeline Length", "Population"});
    QTest::newRow("population") << 4 << "5000"
                                << QStringList({"Water Source Elevation", "Storage Elevation",
                                                "Pipeline Length", "Population= 5000"});
    QTest::newRow("pumping time has no caption")
        << 5 << "6"
        << QStringList({"Water Source Elevation", "Storage Elevation", "Pipeline Length",
                        "Population"});
}

void ProjectSheetTest::keyUp()
{
    QFETCH(int, row);
    QFETCH(QString, text);
    QFETCH(QStringList, expectedCaptions);

    typeInto(row, text);
    QCOMPARE(sheet->currentRow, row);
    QCOMPARE(sheet->currentColumn, 2);
    QCOMPARE(captions(*sheet), expectedCaptions);
    QCOMPARE(changes->log, QStringList({"Modified on"}));
}

void ProjectSheetTest::newKeepsDescriptionsAndSettings()
{
    // A state as a calculation and some typing leave it.
    typeInto(1, "1000");
    typeInto(4, "5000");
    typeInto(6, "30");
    // The down arrow in row 6 selects row 7; its release changes no caption.
    const QStringList captionsBefore = captions(*sheet);
    sheet->inputCellSelected(2, 7);
    sheet->inputKeyReleased();
    QCOMPARE(captions(*sheet), captionsBefore);
    QVERIFY(sheet->state.isModified());

    for (int row = 1; row <= 10; ++row)
        sheet->results.setCell(2, row, QString::number(row));
    sheet->results.setCell(0, 6, "P1 pump X model");
    sheet->results.setCell(0, 7, "Onion Tank 10 M^3");
    sheet->setProjectName("Camp A");
    changes->log.clear();

    sheet->newProject();

    QCOMPARE(column(sheet->inputs, 2), QStringList({"Value", "", "100", "", "", "4", "25", "250"}));
    QCOMPARE(column(sheet->results, 2), QStringList({"Result", "", "", "", "", "", "", "", "", "", ""}));
    QCOMPARE(sheet->results.cell(0, 6), QStringLiteral("P1 pump X model"));
    QCOMPARE(sheet->results.cell(0, 7), QStringLiteral("Onion Tank 10 M^3"));
    QCOMPARE(sheet->inputs.cell(0, 1), QStringLiteral("Pump discharge pipeline length"));
    QCOMPARE(captions(*sheet), QStringList({"Water Source Elevation= 100", "Storage Elevation= ",
                                            "Pipeline Length= ", "Population= "}));
    QCOMPARE(sheet->projectName(), QStringLiteral("Camp A"));
    QCOMPARE(sheet->currentRow, 7);
    QCOMPARE(sheet->currentColumn, 2);
    QVERIFY(changes->log.isEmpty());
    QVERIFY(sheet->state.isModified());

    sheet->windowResized();
    QCOMPARE(sheet->caption(Caption::SourceElevation), QStringLiteral("Water source elevation= 100"));
}

void ProjectSheetTest::resizeRedirectsCaptionToRowOne()
{
    sheet->inputs.setCell(2, 1, "800");
    sheet->inputCellSelected(2, 4);
    sheet->windowResized();
    // Typing into row 4 without selecting it again updates the caption of row 1.
    sheet->inputs.setCell(2, 4, "300");
    sheet->inputKeyReleased();
    QCOMPARE(sheet->caption(Caption::Population), QStringLiteral("Population"));
    QCOMPARE(sheet->caption(Caption::PipelineLength), QStringLiteral("Pipeline Length= 800"));
}

void ProjectSheetTest::captionsAfterOpening()
{
    const QStringList inputs = {"1000", "95.5", "150", "5000"};
    for (int row = 1; row <= 4; ++row)
        sheet->inputs.setCell(2, row, inputs[row - 1]);
    sheet->windowResized();
    sheet->refreshCaptionsFromInputs();
    QCOMPARE(captions(*sheet), QStringList({"Water Source Elevation= 95.5", "Storage Elevation= 150",
                                            "Pipeline Length= 1000", "Population= 5000"}));
}

void ProjectSheetTest::signalsOnlyOnChange()
{
    QSignalSpy captionSpy(sheet.get(), &ProjectSheet::captionChanged);
    QSignalSpy nameSpy(sheet.get(), &ProjectSheet::projectNameChanged);

    typeInto(1, "10");
    typeInto(1, "10");
    QCOMPARE(captionSpy.size(), 1);
    QCOMPARE(captionSpy.at(0).at(0).value<Caption>(), Caption::PipelineLength);
    QCOMPARE(captionSpy.at(0).at(1).toString(), QStringLiteral("Pipeline Length= 10"));

    sheet->setProjectName("Camp");
    sheet->setProjectName("Camp");
    QCOMPARE(nameSpy.size(), 1);
    QCOMPARE(nameSpy.at(0).at(0).toString(), QStringLiteral("Camp"));
}

QTEST_GUILESS_MAIN(ProjectSheetTest)
#include "tst_projectsheet.moc"
