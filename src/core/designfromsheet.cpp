#include "designfromsheet.h"

#include "designcalculation.h"
#include "error.h"
#include "showntexts.h"

#include <QCoreApplication>

namespace quorvel {

namespace {

// The first catalog row that the given description describes.
qint32 describedRow(const CellTable &catalog, const QString &description,
                    QString (*describe)(const CellTable &, qint32))
{
    for (qint32 row = 1; row < catalog.rowCount(); ++row) {
        if (describe(catalog, row) == description)
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

DesignFromSheet designFromSheet(const CellTable &inputs, const CellTable &results, const CatalogTables &catalogs)
{
    DesignFromSheet sheet;
    for (int row = ResultRow::DesignFlow; row <= ResultRow::TapstandKits; ++row) {
        if (results.cell(valueColumn, row).trimmed().isEmpty())
            return sheet;
    }
    const QString pump = results.cell(descriptionColumn, ResultRow::Pump);
    const QString tank = results.cell(descriptionColumn, ResultRow::Tanks);
    const qint32 pumpCatalogRow = describedRow(catalogs.pumps, pump, pumpDescription);
    const qint32 tankCatalogRow = describedRow(catalogs.tanks, tank, tankDescription);
    if (pumpCatalogRow == 0) {
        sheet.unavailable = pumpNotInCatalog(pump);
        return sheet;
    }
    if (tankCatalogRow == 0) {
        sheet.unavailable = QCoreApplication::translate("quorvel::SheetChecks", "No checks: the tanks catalog no longer holds \"%1\"").arg(shownSheetText(tank));
        return sheet;
    }

    CellTable workedResults(tableColumns, resultTableRows, resultFixedColumns);
    FixedPicks picks(pumpCatalogRow, tankCatalogRow);
    DesignCalculation calculation;
    try {
        calculation.run(InputTexts::fromTable(inputs), catalogs, picks, &workedResults);
    } catch (const Error &e) {
        sheet.unavailable = QCoreApplication::translate("quorvel::SheetChecks", "No checks: the results cannot be worked out again (%1)").arg(e.shownMessage());
        return sheet;
    }
    if (!sameResults(workedResults, results)) {
        sheet.unavailable = QCoreApplication::translate("quorvel::SheetChecks", "No checks: the results no longer follow from the catalogs; calculate again");
        return sheet;
    }
    sheet.design = calculation.design();
    return sheet;
}

QString pumpNotInCatalog(const QString &description)
{
    return QCoreApplication::translate("quorvel::SheetChecks", "No checks: the pump catalog no longer holds \"%1\"").arg(shownSheetText(description));
}

} // namespace quorvel
