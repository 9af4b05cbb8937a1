#pragma once

#include "celltable.h"
#include "numbers.h"
#include "projectstate.h"

namespace quorvel {

// Hazen-Williams friction loss in metres over length metres of a pipe of the given
// inside diameter (mm) at flow L/s, with C = 140, evaluated as the calculation does.
Extended hazenWilliamsLoss(double flow, double insideDiameter, Extended length);

// The two modal picks of the calculation, supplied by the main window.
class CatalogPickers {
public:
    virtual ~CatalogPickers() = default;
    // Shows the pumps window for a pick ("Add Graph" visible, "OK" hidden) and
    // returns, once it has closed, the pump row picked last (this showing or earlier).
    virtual qint32 pickPump() = 0;
    // After the pick: "Add Graph" hidden, "OK" visible.
    virtual void endPumpPick() = 0;
    // Shows the tanks window and returns, once it has closed, its selected row.
    virtual qint32 pickTank() = 0;
};

// Answers the two picks with fixed rows, as a double-click on them would: the
// calculation worked again for rows already picked, and tests.
class FixedPicks final : public CatalogPickers {
public:
    FixedPicks() = default;
    FixedPicks(qint32 pumpCatalogRow, qint32 tankCatalogRow) : pump(pumpCatalogRow), tank(tankCatalogRow) {}
    qint32 pump = 1;
    qint32 tank = 1;
    qint32 pickPump() override { return pump; }
    void endPumpPick() override {}
    qint32 pickTank() override { return tank; }
};

// The design calculation ("To Calculate") and the values it keeps between runs.
class DesignCalculation {
public:
    double designFlow = 0;       // L/s
    double economicDiameter = 0; // mm
    double insideDiameter = 0;   // of the chosen pipe, mm
    double nominalDiameter = 0;  // of the chosen pipe, inches
    double frictionLoss = 0;     // m

    struct Tables {
        CellTable &inputs;
        CellTable &results;
        const CellTable &pipes;
        qint32 pipeCount; // pipe rows loaded from the catalog
        const CellTable &pumps;
        const CellTable &tanks;
    };

    // Every step in order; raises Error at the first fault, leaving the cells
    // written so far.
    void run(const Tables &tables, ProjectState &state, CatalogPickers &pickers);
};

} // namespace quorvel
