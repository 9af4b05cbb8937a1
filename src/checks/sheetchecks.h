#pragma once

#include "celltable.h"
#include "designcalculation.h"
#include "designchecks.h"

namespace quorvel {

// The catalogs a design is worked from.
struct CatalogTables {
    const CellTable &pipes;
    qint32 pipeCount; // pipe rows loaded from the catalog
    const CellTable &pumps;
    const CellTable &tanks;
};

// What the checks read from a design in the main window's tables: the inputs, the
// results as shown, the calculation's unrounded flow and pipe, and the rated duty
// of the pump in the given catalog row (0: no pump).
DesignCheckInput checkInput(const CellTable &inputs, const CellTable &results, const DesignCalculation &calculation,
                            const CellTable &pumps, qint32 pumpRow);

// The checks of the design a pair of tables holds, with what they were worked from.
struct SheetChecks {
    QList<DesignCheck> checks;
    DesignCalculation calculation; // the values behind the results
    qint32 pumpCatalogRow = 0; // the catalog rows the results describe
    qint32 tankCatalogRow = 0;
    QString unavailable;           // why a complete design cannot be checked

    bool shown() const { return !checks.isEmpty(); }
};

// Finds the pump and the tank type that the results describe in the catalogs, works
// the calculation again on a copy of the tables with them and checks it. Results
// that are not complete give no checks and no reason; a pump or tank the catalogs no
// longer hold, or results that no longer follow from the catalogs, give a reason.
SheetChecks checkSheet(const CellTable &inputs, const CellTable &results, const CatalogTables &catalogs);

} // namespace quorvel
