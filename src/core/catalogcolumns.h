#pragma once

// The columns of the three catalogs that the program reads. Each catalog's first
// column holds the row number; the others are free for the user.

namespace quorvel {

namespace PipeColumn {
enum : int {
    Nominal = 2, // nominal diameter, inches
    Inside = 4,  // inside diameter, mm
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

} // namespace quorvel
