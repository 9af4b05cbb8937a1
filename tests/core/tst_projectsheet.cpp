#include "core/projectsheet.h"
#include "fakeswitches.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

QStringList column(const CellTable &table, int col)
{
    QStringList texts;
    for (int row = 0; row < table.rowCount(); ++row)
        texts << table.cell(col, row);
    return texts;
}

QStringList labels(const ProjectSheet &sheet)
{
    return {sheet.label(1), sheet.label(2), sheet.label(3), sheet.label(4)};
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

    FakeSwitches switches;
    std::unique_ptr<ProjectSheet> sheet;
};

void ProjectSheetTest::init()
{
    switches = FakeSwitches();
    sheet = std::make_unique<ProjectSheet>(switches);
    sheet->createTables();
}

void ProjectSheetTest::typeInto(int row, const QString &text)
{
    sheet->SG1SelectCell(2, row);
    sheet->SG1.setCell(2, row, text);
    sheet->SG1KeyUp();
}

void ProjectSheetTest::shapeAndTexts()
{
    const CellTable &SG1 = sheet->SG1;
    QCOMPARE(SG1.colCount(), 3);
    QCOMPARE(SG1.rowCount(), 8);
    QCOMPARE(SG1.fixedCols(), 2);
    QVERIFY(SG1.editable());
    QCOMPARE(column(SG1, 0), QStringList({"Description", "Pump discharge pipeline length",
                                          "Water source elevation", "Storage elevation",
                                          "Population", "Pumping Time", "Daily Usage",
                                          "# people per tap"}));
    QCOMPARE(column(SG1, 1), QStringList({"Unit", "Meter", "Meter", "Meter", "People",
                                          "Hours/day", "L/capita/day", "people"}));
    QCOMPARE(column(SG1, 2), QStringList({"Value", "", "100", "", "", "4", "25", "250"}));

    const CellTable &SG2 = sheet->SG2;
    QCOMPARE(SG2.colCount(), 3);
    QCOMPARE(SG2.rowCount(), 11);
    QCOMPARE(SG2.fixedCols(), 0);
    QVERIFY(!SG2.editable());
    QCOMPARE(column(SG2, 0),
             QStringList({"Description", "Q design", "Nominal Diameter", "HF", "Pumping Head",
                          "Theoretical Storage", "Pump", "Storage", "Actual Storage",
                          "Estimated Actual Pumping Time", "# tapstand kits (6 taps)"}));
    QCOMPARE(column(SG2, 1), QStringList({"Unit", "LPM", "\"", "M", "M", "M^3", "Unit", "Unit",
                                          "M^3", "Hours", "Unit"}));
    QCOMPARE(column(SG2, 2), QStringList({"Result", "", "", "", "", "", "", "", "", "", ""}));

    for (const CellTable *table : {&SG1, &SG2}) {
        QCOMPARE(table->colWidth(0), 180);
        QCOMPARE(table->colWidth(1), 130);
        QCOMPARE(table->colWidth(2), 70);
        QCOMPARE(table->rowHeight(), 24);
    }
}

void ProjectSheetTest::createTablesWriteOrder()
{
    ProjectSheet fresh(switches);
    QStringList writes;
    auto watch = [&](CellTable &table, const QString &name) {
        connect(&table, &CellTable::cellChanged, this, [&writes, name](int col, int row) {
            writes << QStringLiteral("%1(%2,%3)").arg(name).arg(col).arg(row);
        });
        connect(&table, &CellTable::geometryChanged, this,
                [&writes, name] { writes << name + " width"; });
    };
    watch(fresh.SG1, "SG1");
    watch(fresh.SG2, "SG2");
    fresh.createTables();

    QStringList expected = {"SG1(0,0)", "SG1(1,0)", "SG1(2,0)", "SG1 width", "SG1 width",
                            "SG1 width", "SG1(2,7)", "SG1(2,6)", "SG1(2,2)", "SG1(2,5)"};
    for (int row = 1; row <= 7; ++row)
        expected << QStringLiteral("SG1(0,%1)").arg(row) << QStringLiteral("SG1(1,%1)").arg(row);
    expected << "SG2 width" << "SG2 width" << "SG2 width" << "SG2(0,0)" << "SG2(1,0)" << "SG2(2,0)";
    for (int row = 1; row <= 10; ++row)
        expected << QStringLiteral("SG2(0,%1)").arg(row) << QStringLiteral("SG2(1,%1)").arg(row);
    QCOMPARE(writes, expected);
}

void ProjectSheetTest::rightAfterStart()
{
    QCOMPARE(sheet->C, 0);
    QCOMPARE(sheet->R, 0);
    QCOMPARE(labels(*sheet), QStringList({"Water Source Elevation", "Storage Elevation",
                                          "Pipeline Length", "Population"}));
    // The first resize, when the window is shown.
    sheet->resizeTexts();
    QCOMPARE(labels(*sheet), QStringList({"Water source elevation= 100", "Storage Elevation",
                                          "Pipeline Length", "Population"}));
    QCOMPARE(sheet->C, 2);
    QCOMPARE(sheet->R, 1);
    QVERIFY(switches.log.isEmpty());
}

void ProjectSheetTest::keyUp_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expectedLabels");

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
    QFETCH(QStringList, expectedLabels);

    typeInto(row, text);
    QCOMPARE(sheet->R, row);
    QCOMPARE(sheet->C, 2);
    QCOMPARE(labels(*sheet), expectedLabels);
    QCOMPARE(switches.log, QStringList({"Save as on", "Save on"}));
}

void ProjectSheetTest::newKeepsDescriptionsAndSettings()
{
    // A state as a calculation and some typing leave it.
    typeInto(1, "1000");
    typeInto(4, "5000");
    typeInto(6, "30");
    // The down arrow in row 6 selects row 7; its release changes no caption.
    const QStringList captionsBefore = labels(*sheet);
    sheet->SG1SelectCell(2, 7);
    sheet->SG1KeyUp();
    QCOMPARE(labels(*sheet), captionsBefore);
    QCOMPARE(switches.log.size(), 8);

    for (int row = 1; row <= 10; ++row)
        sheet->SG2.setCell(2, row, QString::number(row));
    sheet->SG2.setCell(0, 6, "P1 pump X model");
    sheet->SG2.setCell(0, 7, "Onion Tank 10 M^3");
    sheet->setProjectName("Camp A");
    switches.log.clear();

    sheet->Open1Click();

    QCOMPARE(column(sheet->SG1, 2), QStringList({"Value", "", "100", "", "", "4", "25", "250"}));
    QCOMPARE(column(sheet->SG2, 2), QStringList({"Result", "", "", "", "", "", "", "", "", "", ""}));
    QCOMPARE(sheet->SG2.cell(0, 6), QStringLiteral("P1 pump X model"));
    QCOMPARE(sheet->SG2.cell(0, 7), QStringLiteral("Onion Tank 10 M^3"));
    QCOMPARE(sheet->SG1.cell(0, 1), QStringLiteral("Pump discharge pipeline length"));
    QCOMPARE(labels(*sheet), QStringList({"Water Source Elevation= 100", "Storage Elevation= ",
                                          "Pipeline Length= ", "Population= "}));
    QCOMPARE(sheet->projectName(), QStringLiteral("Camp A"));
    QCOMPARE(sheet->R, 7);
    QCOMPARE(sheet->C, 2);
    QVERIFY(switches.log.isEmpty());

    sheet->resizeTexts();
    QCOMPARE(sheet->label(1), QStringLiteral("Water source elevation= 100"));
}

void ProjectSheetTest::resizeRedirectsCaptionToRowOne()
{
    sheet->SG1.setCell(2, 1, "800");
    sheet->SG1SelectCell(2, 4);
    sheet->resizeTexts();
    // Typing into row 4 without selecting it again updates the caption of row 1.
    sheet->SG1.setCell(2, 4, "300");
    sheet->SG1KeyUp();
    QCOMPARE(sheet->label(4), QStringLiteral("Population"));
    QCOMPARE(sheet->label(3), QStringLiteral("Pipeline Length= 800"));
}

void ProjectSheetTest::captionsAfterOpening()
{
    const QStringList inputs = {"1000", "95.5", "150", "5000"};
    for (int row = 1; row <= 4; ++row)
        sheet->SG1.setCell(2, row, inputs[row - 1]);
    sheet->resizeTexts();
    sheet->refreshCaptionsFromInputs();
    QCOMPARE(labels(*sheet), QStringList({"Water Source Elevation= 95.5", "Storage Elevation= 150",
                                          "Pipeline Length= 1000", "Population= 5000"}));
}

void ProjectSheetTest::signalsOnlyOnChange()
{
    QSignalSpy labelSpy(sheet.get(), &ProjectSheet::labelChanged);
    QSignalSpy nameSpy(sheet.get(), &ProjectSheet::projectNameChanged);

    typeInto(1, "10");
    typeInto(1, "10");
    QCOMPARE(labelSpy.size(), 1);
    QCOMPARE(labelSpy.at(0).at(0).toInt(), 3);
    QCOMPARE(labelSpy.at(0).at(1).toString(), QStringLiteral("Pipeline Length= 10"));

    sheet->setProjectName("Camp");
    sheet->setProjectName("Camp");
    QCOMPARE(nameSpy.size(), 1);
    QCOMPARE(nameSpy.at(0).at(0).toString(), QStringLiteral("Camp"));
}

QTEST_GUILESS_MAIN(ProjectSheetTest)
#include "tst_projectsheet.moc"
