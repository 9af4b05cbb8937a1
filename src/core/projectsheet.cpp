#include "projectsheet.h"

#include "showntexts.h"

#include <QCoreApplication>

namespace quorvel {

namespace {

const int columnWidths[] = {180, 130, 70};

void setColumnWidths(CellTable &table)
{
    for (int col = 0; col < tableColumns; ++col)
        table.setColWidth(col, columnWidths[col]);
}

// In this order: a cell write is seen by the grid at once.
void writeDefaultInputs(CellTable &inputs)
{
    inputs.setCell(valueColumn, InputRow::PeoplePerTap, QStringLiteral("250"));
    inputs.setCell(valueColumn, InputRow::DailyUsage, QStringLiteral("25"));
    inputs.setCell(valueColumn, InputRow::SourceElevation, QStringLiteral("100"));
    inputs.setCell(valueColumn, InputRow::PumpingHours, QStringLiteral("4"));
}

int indexOf(ProjectSheet::Caption which)
{
    return static_cast<int>(which);
}

} // namespace

ProjectSheet::ProjectSheet(QObject *parent)
    : QObject(parent), inputs(tableColumns, inputTableRows, inputFixedColumns),
      results(tableColumns, resultTableRows, resultFixedColumns)
{
    inputs.setRowHeight(24);
    inputs.setEditable(true);
    results.setRowHeight(24);
    results.setEditable(false);
    // The tables keep their English texts for the project files; the screen translates.
    showSheetTextsTranslated(inputs);
    showSheetTextsTranslated(results);

    // The layout captions, shown until the first update.
    captions_[indexOf(Caption::SourceElevation)] = tr("Water Source Elevation");
    captions_[indexOf(Caption::StorageElevation)] = tr("Storage Elevation");
    captions_[indexOf(Caption::PipelineLength)] = tr("Pipeline Length");
    captions_[indexOf(Caption::Population)] = tr("Population");
}

QString ProjectSheet::caption(Caption which) const
{
    return captions_[indexOf(which)];
}

void ProjectSheet::setCaption(Caption which, const QString &text)
{
    QString &caption = captions_[indexOf(which)];
    if (caption == text)
        return;
    caption = text;
    emit captionChanged(which, text);
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
    inputs.setCell(descriptionColumn, 0, QStringLiteral("Description"));
    inputs.setCell(unitColumn, 0, QStringLiteral("Unit"));
    inputs.setCell(valueColumn, 0, QStringLiteral("Value"));
    setColumnWidths(inputs);
    writeDefaultInputs(inputs);
    for (int row = InputRow::PipelineLength; row <= InputRow::PeoplePerTap; ++row) {
        inputs.setCell(descriptionColumn, row, inputDescription(row));
        inputs.setCell(unitColumn, row, inputUnit(row));
    }

    setColumnWidths(results);
    results.setCell(descriptionColumn, 0, QStringLiteral("Description"));
    results.setCell(unitColumn, 0, QStringLiteral("Unit"));
    results.setCell(valueColumn, 0, QStringLiteral("Result"));
    for (int row = ResultRow::DesignFlow; row <= ResultRow::TapstandKits; ++row) {
        results.setCell(descriptionColumn, row, resultDescription(row));
        results.setCell(unitColumn, row, resultUnit(row));
    }
}

void ProjectSheet::inputCellSelected(int col, int row)
{
    currentRow = row;
    currentColumn = col;
}

void ProjectSheet::inputKeyReleased()
{
    // The caption follows the row last selected, read from the column last selected
    // (a fixed column when the program placed the highlight there).
    const QString text = inputs.cell(currentColumn, currentRow);
    for (const Caption which : {Caption::PipelineLength, Caption::SourceElevation, Caption::StorageElevation,
                                Caption::Population}) {
        if (currentRow == schematicCaptionInput(which))
            setCaption(which, schematicCaptionText(which, text));
    }
    // Any key marks the project as changed.
    state.setModified(true);
}

void ProjectSheet::windowResized()
{
    // The lower-case "source" here (the other updates write "Source") and the reset of
    // the current cell, whatever the user selected, are deliberate: the program has
    // always done so, and users know the captions that way.
    setCaption(Caption::SourceElevation,
               tr("Water source elevation= ") + inputs.cell(valueColumn, InputRow::SourceElevation));
    currentRow = InputRow::PipelineLength;
    currentColumn = valueColumn;
}

void ProjectSheet::newProject()
{
    for (int row = 1; row < inputs.rowCount(); ++row)
        inputs.setCell(valueColumn, row, QString());
    for (int row = 1; row < results.rowCount(); ++row)
        results.setCell(valueColumn, row, QString());
    writeDefaultInputs(inputs);

    setCaption(Caption::PipelineLength, schematicCaptionText(Caption::PipelineLength, {}));
    setCaption(Caption::SourceElevation, schematicCaptionText(Caption::SourceElevation,
                                                              inputs.cell(valueColumn, InputRow::SourceElevation)));
    setCaption(Caption::StorageElevation, schematicCaptionText(Caption::StorageElevation, {}));
    setCaption(Caption::Population, schematicCaptionText(Caption::Population, {}));
}

void ProjectSheet::refreshCaptionsFromInputs()
{
    for (const Caption which : {Caption::PipelineLength, Caption::SourceElevation, Caption::StorageElevation,
                                Caption::Population})
        setCaption(which, schematicCaptionText(which, inputs.cell(valueColumn, schematicCaptionInput(which))));
}

} // namespace quorvel
