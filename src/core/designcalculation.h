#pragma once

#include "celltable.h"
#include "designrecord.h"
#include "numbers.h"

namespace quorvel {

// Hazen-Williams friction loss in metres over length metres of a pipe of the given
// inside diameter (mm) at flow L/s, with C = 140, evaluated as the calculation does.
Extended hazenWilliamsLoss(double flow, double insideDiameter, Extended length);

// The two modal picks of the calculation, supplied by the main window. Each is
// given the design so far: the first five results are set by the pump pick.
class CatalogPickers {
public:
    virtual ~CatalogPickers() = default;
    // Shows the pumps window for a pick ("Add Graph" visible, "OK" hidden) and
    // returns, once it has closed, the pump row picked last (this showing or earlier).
    virtual qint32 pickPump(const DesignRecord &design) = 0;
    // After the pick: "Add Graph" hidden, "OK" visible.
    virtual void endPumpPick() = 0;
    // Shows the tanks window and returns, once it has closed, its selected row.
    virtual qint32 pickTank(const DesignRecord &design) = 0;
};

// Answers the two picks with fixed rows, as a double-click on them would: the
// calculation worked again for rows already picked, and tests.
class FixedPicks final : public CatalogPickers {
public:
    FixedPicks() = default;
    FixedPicks(qint32 pumpCatalogRow, qint32 tankCatalogRow) : pump(pumpCatalogRow), tank(tankCatalogRow) {}
    qint32 pump = 1;
    qint32 tank = 1;
    qint32 pickPump(const DesignRecord &) override { return pump; }
    void endPumpPick() override {}
    qint32 pickTank(const DesignRecord &) override { return tank; }
};

// The design calculation ("To Calculate"). Its record keeps the chosen pipe from one
// run to the next: a scan that chooses no pipe uses the last one chosen.
class DesignCalculation {
public:
    // Every step in order, on the input texts and the catalogs; raises Error at the
    // first fault, with the record and the result cells set as far as the run got.
    // When a result table is given, each result is written into it as soon as its
    // step completes, so a run that stops part-way leaves the later cells as an
    // earlier run left them.
    void run(const InputTexts &inputs, const CatalogTables &catalogs, CatalogPickers &pickers,
             CellTable *resultTable = nullptr);

    const DesignRecord &design() const { return design_; }

private:
    DesignRecord design_;
};

} // namespace quorvel
