#include "sheetlayout.h"

namespace quorvel {

namespace {

struct RowCaptions {
    const char *description;
    const char *unit;
};

// Input rows from InputRow::PipelineLength on.
const RowCaptions inputRows[] = {
    {"Pump discharge pipeline length", "Meter"},
    {"Water source elevation", "Meter"},
    {"Storage elevation", "Meter"},
    {"Population", "People"},
    {"Pumping Time", "Hours/day"},
    {"Daily Usage", "L/capita/day"},
    {"# people per tap", "people"},
};

// Result rows from ResultRow::DesignFlow on.
const RowCaptions resultRows[] = {
    {"Q design", "LPM"},
    {"Nominal Diameter", "\""},
    {"HF", "M"},
    {"Pumping Head", "M"},
    {"Theoretical Storage", "M^3"},
    {"Pump", "Unit"},
    {"Storage", "Unit"},
    {"Actual Storage", "M^3"},
    {"Estimated Actual Pumping Time", "Hours"},
    {"# tapstand kits (6 taps)", "Unit"},
};

// Row 1 is the first entry; other rows have no caption.
template <int N>
QString captionOf(const RowCaptions (&rows)[N], int row, bool unit)
{
    if (row < 1 || row > N)
        return {};
    return QString::fromLatin1(unit ? rows[row - 1].unit : rows[row - 1].description);
}

} // namespace

QString inputDescription(int row) { return captionOf(inputRows, row, false); }
QString inputUnit(int row) { return captionOf(inputRows, row, true); }
QString resultDescription(int row) { return captionOf(resultRows, row, false); }
QString resultUnit(int row) { return captionOf(resultRows, row, true); }

} // namespace quorvel
