#pragma once

#include "celltable.h"
#include "commandswitches.h"

// The two modal picks of the calculation, supplied by the main window.
class CatalogPickers {
public:
    virtual ~CatalogPickers() = default;
    // Pumps window: make "Add Graph" visible and "OK" invisible, show it modally,
    // return when it has closed (pickedPumpRow then holds the pick).
    virtual void showPumpPicker() = 0;
    // Pumps window after the pick: "Add Graph" invisible, "OK" visible.
    virtual void endPumpPick() = 0;
    // Tanks window: show it modally and return when it has closed (tankRow).
    virtual void showTankPicker() = 0;
};

// The design calculation ("To Calculate") and the values it keeps between runs.
class DesignCalculation {
public:
    qint32 nd = 0;  // pipe rows loaded (lines of the pipe catalog minus 1)
    double qd = 0;  // design flow, L/s
    double de = 0;  // economic diameter, mm
    double di = 0;  // inside diameter of the chosen pipe, mm
    double dn = 0;  // nominal diameter of the chosen pipe, inches
    double hf = 0;  // friction head loss, m

    struct Tables {
        CellTable &SG1;
        CellTable &SG2;
        const CellTable &diameters;
        const CellTable &pumps;
        const CellTable &tanks;
    };

    // BitBtn2Click: every step in order; raises Error at the first fault, leaving
    // the cells written so far.
    void run(const Tables &tables, CommandSwitches &switches, CatalogPickers &pickers);
};
