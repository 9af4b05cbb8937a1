#pragma once

// The columns of the three catalogs that the program reads. Each catalog's first
// column holds the row number; the others are free for the user.

#include "celltable.h"

namespace quorvel {

namespace PipeColumn {
enum : int {
    Nominal = 2,  // nominal diameter, inches
    Material = 3, // as the pipe ratings name it
    Inside = 4,   // inside diameter, mm
};
}

namespace PumpColumn {
enum : int {
    Number = 0,
    Name = 1,
    Model = 2,
    CurvePicture = 6, // file name of the curve picture in the database folder
};
}

namespace TankColumn {
enum : int {
    Number = 0,
    Type = 1,
    Volume = 2, // m^3
};
}

// A column found by the start of its caption in row 0, case and blanks around it
// ignored (the pump catalog's "Flow (L/s)", "Head (m)", "Power (kW)"); -1 when none.
inline int columnCaptioned(const CellTable &table, const QString &start)
{
    for (int col = 0; col < table.colCount(); ++col) {
        if (table.cell(col, 0).trimmed().startsWith(start, Qt::CaseInsensitive))
            return col;
    }
    return -1;
}

} // namespace quorvel
