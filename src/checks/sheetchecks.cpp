#include "sheetchecks.h"

#include "catalogcolumns.h"
#include "error.h"
#include "numbers.h"
#include "operatingpoint.h"
#include "sheetlayout.h"

#include <QCoreApplication>

#include <cmath>

namespace quorvel {

namespace {

// The first catalog row whose description, as the calculation writes it, is the given one.
qint32 describedRow(const CellTable &catalog, const QString &description, int firstColumn, const QString &between,
                    int secondColumn, const QString &after)
{
    for (qint32 row = 1; row < catalog.rowCount(); ++row) {
        if (catalog.cell(firstColumn, row) + between + catalog.cell(secondColumn, row) + after == description)
            return row;
    }
    return 0;
}

// The values and the pump's and tank's descriptions (the other descriptions are captions).
bool sameResults(const CellTable &a, const CellTable &b)
{
    for (int row = ResultRow::DesignFlow; row <= ResultRow::TapstandKits; ++row) {
        if (a.cell(valueColumn, row) != b.cell(valueColumn, row))
            return false;
    }
    return a.cell(descriptionColumn, ResultRow::Pump) == b.cell(descriptionColumn, ResultRow::Pump)
        && a.cell(descriptionColumn, ResultRow::Tanks) == b.cell(descriptionColumn, ResultRow::Tanks);
}

} // namespace

DesignCheckInput checkInput(const CellTable &inputs, const CellTable &results, const DesignCalculation &calculation,
                            const CellTable &pumps, qint32 pumpRow)
{
    // Checks never change a number; each reads what the calculation produced.
    const auto input = [&inputs](int row) { return finiteNumber(inputs.cell(valueColumn, row)).value_or(0); };
    const auto result = [&results](int row) { return finiteNumber(results.cell(valueColumn, row)).value_or(0); };
    DesignCheckInput in;
    in.dailyUsage = input(InputRow::DailyUsage);
    in.peoplePerTap = input(InputRow::PeoplePerTap);
    in.designFlow = calculation.designFlow;
    in.insideDiameter = calculation.insideDiameter;
    in.pumpingHead = result(ResultRow::PumpingHead);
    in.theoreticalStorage = result(ResultRow::TheoreticalStorage);
    in.actualStorage = result(ResultRow::ActualStorage);
    in.actualPumpingTime = result(ResultRow::ActualPumpingTime);
    in.pumpPicked = pumpRow != 0;
    if (pumpRow != 0) {
        if (const int flow = columnCaptioned(pumps, QStringLiteral("Flow")); flow >= 0)
            in.ratedFlow = finiteNumber(pumps.cell(flow, pumpRow));
        if (const int head = columnCaptioned(pumps, QStringLiteral("Head")); head >= 0)
            in.ratedHead = finiteNumber(pumps.cell(head, pumpRow));
    }
    // Where the picked pump really runs on this pipeline, from its rated duty.
    if (in.ratedFlow && in.ratedHead) {
        const auto point = designOperatingPoint([&input](int row) { return double(input(row)); },
                                                calculation.insideDiameter, PumpDuty{*in.ratedFlow, *in.ratedHead});
        if (point)
            in.operatingFlow = point->flow;
    }
    return in;
}

SheetChecks checkSheet(const CellTable &inputs, const CellTable &results, const CatalogTables &catalogs)
{
    SheetChecks sheet;
    for (int row = ResultRow::DesignFlow; row <= ResultRow::TapstandKits; ++row) {
        if (results.cell(valueColumn, row).trimmed().isEmpty())
            return sheet;
    }
    const QString pump = results.cell(descriptionColumn, ResultRow::Pump);
    const QString tank = results.cell(descriptionColumn, ResultRow::Tanks);
    sheet.pumpCatalogRow = describedRow(catalogs.pumps, pump, PumpColumn::Name, QStringLiteral(" pump "), PumpColumn::Model,
                                 QStringLiteral(" model"));
    sheet.tankCatalogRow = describedRow(catalogs.tanks, tank, TankColumn::Type, QStringLiteral(" Tank "), TankColumn::Volume,
                                 QStringLiteral(" M^3"));
    if (sheet.pumpCatalogRow == 0) {
        sheet.unavailable = QCoreApplication::translate("quorvel::SheetChecks", "No checks: the pump catalog no longer holds \"%1\"").arg(pump);
        return sheet;
    }
    if (sheet.tankCatalogRow == 0) {
        sheet.unavailable = QCoreApplication::translate("quorvel::SheetChecks", "No checks: the tanks catalog no longer holds \"%1\"").arg(tank);
        return sheet;
    }

    // Worked again on copies, so the shown tables and the project's state stay as they are.
    CellTable workedInputs(tableColumns, inputTableRows, inputFixedColumns);
    CellTable workedResults(tableColumns, resultTableRows, resultFixedColumns);
    for (int row = InputRow::PipelineLength; row <= InputRow::PeoplePerTap; ++row)
        workedInputs.setCell(valueColumn, row, inputs.cell(valueColumn, row));
    ProjectState state;
    FixedPicks picks(sheet.pumpCatalogRow, sheet.tankCatalogRow);
    try {
        sheet.calculation.run({workedInputs, workedResults, catalogs.pipes, catalogs.pipeCount, catalogs.pumps, catalogs.tanks},
                              state, picks);
    } catch (const Error &e) {
        sheet.unavailable = QCoreApplication::translate("quorvel::SheetChecks", "No checks: the results cannot be worked out again (%1)").arg(e.shownMessage());
        return sheet;
    }
    if (!sameResults(workedResults, results)) {
        sheet.unavailable = QCoreApplication::translate("quorvel::SheetChecks", "No checks: the results no longer follow from the catalogs; calculate again");
        return sheet;
    }
    sheet.checks = designChecks(checkInput(inputs, results, sheet.calculation, catalogs.pumps, sheet.pumpCatalogRow));
    return sheet;
}

} // namespace quorvel
