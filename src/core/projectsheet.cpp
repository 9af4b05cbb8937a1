#include "projectsheet.h"

namespace {

const int columnWidths[] = {180, 130, 70};

struct RowCaptions {
    const char *description;
    const char *unit;
};

// Rows 1..7 of the input table.
const RowCaptions inputRows[] = {
    {"Pump discharge pipeline length", "Meter"},
    {"Water source elevation", "Meter"},
    {"Storage elevation", "Meter"},
    {"Population", "People"},
    {"Pumping Time", "Hours/day"},
    {"Daily Usage", "L/capita/day"},
    {"# people per tap", "people"},
};

// Rows 1..10 of the result table.
const RowCaptions resultRows[] = {
    {"Q design", "LPM"},
    {"Nominal Diameter", "\""},
    {"HF", "M"},
    {"Pumping Head", "M"},
    {"Theoretical Storage", "M^3"},
    {"Pump", "Unit"},
    {"Storage", "Unit"},
    {"Actual Storage", "M^3"},
    {"Estimated Actual Pumping Time", "Hours"},
    {"# tapstand kits (6 taps)", "Unit"},
};

// Prefixes of the captions that repeat input rows 1..4.
const QString pipelinePrefix = QStringLiteral("Pipeline Length= ");
const QString waterSourcePrefix = QStringLiteral("Water Source Elevation= ");
const QString storagePrefix = QStringLiteral("Storage Elevation= ");
const QString populationPrefix = QStringLiteral("Population= ");

void setColumnWidths(CellTable &table)
{
    for (int col = 0; col < 3; ++col)
        table.setColWidth(col, columnWidths[col]);
}

void writeDefaultInputs(CellTable &SG1)
{
    SG1.setCell(2, 7, QStringLiteral("250"));
    SG1.setCell(2, 6, QStringLiteral("25"));
    SG1.setCell(2, 2, QStringLiteral("100"));
    SG1.setCell(2, 5, QStringLiteral("4"));
}

} // namespace

ProjectSheet::ProjectSheet(CommandSwitches &switches, QObject *parent)
    : QObject(parent), SG1(3, 8, 2), SG2(3, 11, 0), switches_(switches)
{
    SG1.setRowHeight(24);
    SG1.setEditable(true);
    SG2.setRowHeight(24);
    SG2.setEditable(false);

    // The layout captions, shown until the first update.
    labels_[1] = QStringLiteral("Water Source Elevation");
    labels_[2] = QStringLiteral("Storage Elevation");
    labels_[3] = QStringLiteral("Pipeline Length");
    labels_[4] = QStringLiteral("Population");
}

QString ProjectSheet::label(int n) const
{
    return n >= 1 && n <= 4 ? labels_[n] : QString();
}

void ProjectSheet::setLabel(int n, const QString &text)
{
    if (n < 1 || n > 4 || labels_[n] == text)
        return;
    labels_[n] = text;
    emit labelChanged(n, text);
}

void ProjectSheet::setProjectName(const QString &name)
{
    if (projectName_ == name)
        return;
    projectName_ = name;
    emit projectNameChanged(name);
}

void ProjectSheet::createTables()
{
    SG1.setCell(0, 0, QStringLiteral("Description"));
    SG1.setCell(1, 0, QStringLiteral("Unit"));
    SG1.setCell(2, 0, QStringLiteral("Value"));
    setColumnWidths(SG1);
    writeDefaultInputs(SG1);
    for (int row = 1; row <= 7; ++row) {
        SG1.setCell(0, row, QString::fromLatin1(inputRows[row - 1].description));
        SG1.setCell(1, row, QString::fromLatin1(inputRows[row - 1].unit));
    }

    setColumnWidths(SG2);
    SG2.setCell(0, 0, QStringLiteral("Description"));
    SG2.setCell(1, 0, QStringLiteral("Unit"));
    SG2.setCell(2, 0, QStringLiteral("Result"));
    for (int row = 1; row <= 10; ++row) {
        SG2.setCell(0, row, QString::fromLatin1(resultRows[row - 1].description));
        SG2.setCell(1, row, QString::fromLatin1(resultRows[row - 1].unit));
    }
}

void ProjectSheet::SG1SelectCell(int col, int row)
{
    R = row;
    C = col;
}

void ProjectSheet::SG1KeyUp()
{
    // The caption follows the row last selected (R), read from column C.
    if (R == 1)
        setLabel(3, pipelinePrefix + SG1.cell(C, 1));
    if (R == 2)
        setLabel(1, waterSourcePrefix + SG1.cell(C, 2));
    if (R == 3)
        setLabel(2, storagePrefix + SG1.cell(C, 3));
    if (R == 4)
        setLabel(4, populationPrefix + SG1.cell(C, 4));
    // Any key marks the project as changed.
    switches_.setSaveAsEnabled(true);
    switches_.setSaveEnabled(true);
}

void ProjectSheet::resizeTexts()
{
    setLabel(1, QStringLiteral("Water source elevation= ") + SG1.cell(2, 2));
    R = 1;
    C = 2;
}

void ProjectSheet::Open1Click()
{
    for (int row = 1; row < SG1.rowCount(); ++row)
        SG1.setCell(2, row, QString());
    for (int row = 1; row < SG2.rowCount(); ++row)
        SG2.setCell(2, row, QString());
    writeDefaultInputs(SG1);

    setLabel(3, pipelinePrefix);
    setLabel(1, waterSourcePrefix + SG1.cell(2, 2));
    setLabel(2, storagePrefix);
    setLabel(4, populationPrefix);
}

void ProjectSheet::refreshCaptionsFromInputs()
{
    setLabel(3, pipelinePrefix + SG1.cell(2, 1));
    setLabel(1, waterSourcePrefix + SG1.cell(2, 2));
    setLabel(2, storagePrefix + SG1.cell(2, 3));
    setLabel(4, populationPrefix + SG1.cell(2, 4));
}
