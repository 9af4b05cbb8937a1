#pragma once

#include <QString>

// Named places of the main window's two tables. Row 0 holds the captions; the
// description and unit columns are fixed, the values stand in the third column.

namespace quorvel {

constexpr int descriptionColumn = 0;
constexpr int unitColumn = 1;
constexpr int valueColumn = 2;

// Rows of the input table.
namespace InputRow {
enum : int {
    PipelineLength = 1, // m
    SourceElevation,    // m
    StorageElevation,   // m
    Population,         // people
    PumpingHours,       // h/day
    DailyUsage,         // L/capita/day
    PeoplePerTap,       // people
};
}

// Rows of the result table.
namespace ResultRow {
enum : int {
    DesignFlow = 1,     // L/min
    NominalDiameter,    // inches
    FrictionLoss,       // m
    PumpingHead,        // m
    TheoreticalStorage, // m^3
    Pump,               // the picked pump, described in the first column
    Tanks,              // the picked tank type, described in the first column
    ActualStorage,      // m^3
    ActualPumpingTime,  // h
    TapstandKits,       // kits of six taps
};
}

// The description and unit captions of an input row (InputRow::*) and of a result
// row (ResultRow::*), as the tables show them.
QString inputDescription(int row);
QString inputUnit(int row);
QString resultDescription(int row);
QString resultUnit(int row);

} // namespace quorvel
