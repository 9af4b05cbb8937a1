#pragma once

#include "celltable.h"
#include "designrecord.h"

#include <QString>

#include <optional>

namespace quorvel {

// A design rebuilt from the main window's tables.
struct DesignFromSheet {
    std::optional<DesignRecord> design;
    QString unavailable; // why complete results give no design; empty otherwise
};

// Rebuilds the record of the design the tables show, where the window holds only the
// texts: after Open, and after a catalog edit that may have moved or changed the
// rows the record was made from. The pump and tank rows are the first catalog rows
// whose descriptions are those of the results; the calculation is worked again with
// them on copies of the tables (the shown tables stay as they are) and must give the
// same results. Results that are not complete give neither a design nor a reason; a
// pump or tank the catalogs no longer hold, or results that no longer follow from
// the catalogs, give a reason.
DesignFromSheet designFromSheet(const CellTable &inputs, const CellTable &results, const CatalogTables &catalogs);

// Why a design of the pump described so is not checked: no catalog row holds it (the
// caption row that a calculation closed before any pump pick describes, too).
QString pumpNotInCatalog(const QString &description);

} // namespace quorvel
