#pragma once

#include <QPointF>
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

// The shapes of the two tables: description, unit and value columns; row 0 holds
// the captions. The input table's description and unit columns are fixed.
constexpr int tableColumns = 3;
constexpr int inputTableRows = InputRow::PeoplePerTap + 1;
constexpr int inputFixedColumns = 2;
constexpr int resultTableRows = ResultRow::TapstandKits + 1;
constexpr int resultFixedColumns = 0;

// The description and unit captions of an input row (InputRow::*) and of a result
// row (ResultRow::*), as the tables show them.
QString inputDescription(int row);
QString inputUnit(int row);
QString resultDescription(int row);
QString resultUnit(int row);

// The captions over the schematic, each repeating one input: the main window shows
// them over its picture, the design report over its copy of it.
enum class SchematicCaption { SourceElevation, StorageElevation, PipelineLength, Population };
constexpr SchematicCaption schematicCaptions[] = {SchematicCaption::SourceElevation,
                                                  SchematicCaption::StorageElevation,
                                                  SchematicCaption::PipelineLength, SchematicCaption::Population};

// Bold, this many pixels high at the picture's size in the window.
constexpr int schematicCaptionPixels = 21;
// The classic desktop colour, behind the population caption.
constexpr quint32 desktopBackgroundRgb = 0x3a6ea5;

struct SchematicCaptionStyle {
    quint32 colourRgb;     // 0xRRGGBB
    bool onDesktopColour;  // else on the window's face colour
};

// The input a caption repeats (InputRow::*), and its text for that input's value.
int schematicCaptionInput(SchematicCaption which);
QString schematicCaptionText(SchematicCaption which, const QString &value);
SchematicCaptionStyle schematicCaptionStyle(SchematicCaption which);
// Its top-left corner over a picture of the given size, in the picture's pixels
// (halves where the caption sits at the middle).
QPointF schematicCaptionPlace(SchematicCaption which, double width, double height);

} // namespace quorvel
