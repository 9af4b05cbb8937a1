#include "sheetlayout.h"

#include <QCoreApplication>

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

struct CaptionLayout {
    int input;
    const char *prefix;
    SchematicCaptionStyle style;
    // The corner: a share of the picture's width and height plus pixels.
    double widthShare, x, heightShare, y;
};

// In the order of SchematicCaption.
const CaptionLayout captionLayouts[] = {
    {InputRow::SourceElevation, QT_TRANSLATE_NOOP("quorvel::SheetLayout", "Water Source Elevation= "), {0xff0000, false}, 0, 20, 1, -40},
    {InputRow::StorageElevation, QT_TRANSLATE_NOOP("quorvel::SheetLayout", "Storage Elevation= "), {0xff0000, false}, 1, -380, 0, 80},
    {InputRow::PipelineLength, QT_TRANSLATE_NOOP("quorvel::SheetLayout", "Pipeline Length= "), {0x0000ff, false}, 0.5, 0, 0.5, 0},
    {InputRow::Population, QT_TRANSLATE_NOOP("quorvel::SheetLayout", "Population= "), {0x000000, true}, 1, -240, 1, -120},
};

const CaptionLayout &layoutOf(SchematicCaption which)
{
    return captionLayouts[static_cast<int>(which)];
}

} // namespace

QString inputDescription(int row) { return captionOf(inputRows, row, false); }
QString inputUnit(int row) { return captionOf(inputRows, row, true); }
QString resultDescription(int row) { return captionOf(resultRows, row, false); }
QString resultUnit(int row) { return captionOf(resultRows, row, true); }

int schematicCaptionInput(SchematicCaption which) { return layoutOf(which).input; }

QString schematicCaptionText(SchematicCaption which, const QString &value)
{
    // Shown only (the window's captions, the report's picture): translated.
    return QCoreApplication::translate("quorvel::SheetLayout", layoutOf(which).prefix) + value;
}

SchematicCaptionStyle schematicCaptionStyle(SchematicCaption which) { return layoutOf(which).style; }

QPointF schematicCaptionPlace(SchematicCaption which, double width, double height)
{
    const CaptionLayout &layout = layoutOf(which);
    return {width * layout.widthShare + layout.x, height * layout.heightShare + layout.y};
}

} // namespace quorvel
