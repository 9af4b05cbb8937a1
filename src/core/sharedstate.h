#pragma once

#include <QtGlobal>

// Module-level values shared between the windows and the design calculation.
// All are zero or false at program start.
inline qint32 pickedPumpRow = 0; // row of the last double-click in the pumps table
inline qint32 tankRow = 0;       // tank row the calculation uses (tanks window selection)
inline qint32 tankCount = 0;     // tank rows loaded from the tank catalog at start-up
inline bool tanksChanged = false; // a key was pressed in the tanks table this showing
