#include "designrecord.h"

#include "catalogcolumns.h"

#include <cmath>

namespace quorvel {

double flowVelocity(double flow, double insideDiameter)
{
    const double diameter = insideDiameter / 1000;
    return diameter > 0 ? flow / 1000 / (M_PI / 4 * diameter * diameter) : 0;
}

QString resultText(const DesignRecord &design, int row)
{
    const DesignResults &r = design.results;
    switch (row) {
    case ResultRow::DesignFlow: return formatNumber(r.flowPerMinute);
    case ResultRow::NominalDiameter: return formatNumber(design.nominalDiameter);
    case ResultRow::FrictionLoss: return formatNumber(r.frictionLoss);
    case ResultRow::PumpingHead: return formatNumber(r.pumpingHead);
    case ResultRow::TheoreticalStorage: return formatNumber(Extended(r.theoreticalStorage));
    case ResultRow::Pump: return QStringLiteral("1"); // always one pump
    case ResultRow::Tanks: return formatNumber(r.tanks);
    case ResultRow::ActualStorage: return formatNumber(r.actualStorage);
    case ResultRow::ActualPumpingTime: return formatNumber(r.actualPumpingTime);
    case ResultRow::TapstandKits: return formatNumber(r.tapstandKits);
    }
    return {};
}

ResultTexts resultTexts(const DesignRecord &design)
{
    ResultTexts texts;
    for (int row = ResultTexts::firstRow; row <= ResultTexts::lastRow; ++row)
        texts[row] = resultText(design, row);
    return texts;
}

QString pumpDescription(const CellTable &pumps, qint32 row)
{
    return pumps.cell(PumpColumn::Name, row) + QStringLiteral(" pump ") + pumps.cell(PumpColumn::Model, row)
         + QStringLiteral(" model");
}

QString tankDescription(const CellTable &tanks, qint32 row)
{
    return tanks.cell(TankColumn::Type, row) + QStringLiteral(" Tank ") + tanks.cell(TankColumn::Volume, row)
         + QStringLiteral(" M^3");
}

} // namespace quorvel
