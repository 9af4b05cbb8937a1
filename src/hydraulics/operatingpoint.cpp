#include "operatingpoint.h"

#include "catalogcolumns.h"
#include "designcalculation.h"
#include "error.h"
#include "numbers.h"

#include <cmath>
#include <limits>

namespace quorvel {

double pumpHead(const PumpDuty &pump, double flow)
{
    const double ratio = flow / pump.flow;
    return pump.head * 4 / 3 - pump.head / 3 * ratio * ratio;
}

double SystemCurve::headAt(double flow) const
{
    return staticLift + double(hazenWilliamsLoss(flow, insideDiameter, length));
}

OperatingPoint operatingPoint(const SystemCurve &system, const std::optional<PumpDuty> &pump, double dailyDemand)
{
    // The surplus head falls as the flow rises (the pump gives less, the pipe asks
    // more), so the operating flow is the one root, found by bisection.
    const auto surplus = [&](double flow) { return (pump ? pumpHead(*pump, flow) : 0.0) - system.headAt(flow); };
    OperatingPoint point;
    if (surplus(0) > 0) {
        double low = 0;
        double high = pump ? 2 * pump->flow : 1.0;
        for (int i = 0; i < 40 && surplus(high) > 0; ++i) {
            low = high;
            high *= 2;
        }
        for (int i = 0; i < 200 && high - low > 1e-12 * high; ++i) {
            const double middle = (low + high) / 2;
            (surplus(middle) > 0 ? low : high) = middle;
        }
        point.flow = (low + high) / 2;
    }
    point.head = pump ? pumpHead(*pump, point.flow) : 0;
    point.hoursPerDay = point.flow > 0 ? dailyDemand * 1000 / point.flow / 3600 : std::numeric_limits<double>::infinity();
    return point;
}

std::optional<PumpDuty> ratedDuty(const CellTable &pumps, qint32 row)
{
    const int flowColumn = columnCaptioned(pumps, QStringLiteral("Flow"));
    const int headColumn = columnCaptioned(pumps, QStringLiteral("Head"));
    if (row == 0 || flowColumn < 0 || headColumn < 0)
        return std::nullopt;
    const auto flow = finiteNumber(pumps.cell(flowColumn, row));
    const auto head = finiteNumber(pumps.cell(headColumn, row));
    if (!flow || !head)
        return std::nullopt;
    return PumpDuty{double(*flow), double(*head)};
}

std::optional<OperatingPoint> designOperatingPoint(const DesignRecord &design, const std::optional<PumpDuty> &pump)
{
    const DesignInputs &in = design.inputs;
    try {
        const SystemCurve system{double(in.storageElevation) - double(in.sourceElevation), design.insideDiameter,
                                 double(in.pipelineLength)};
        return operatingPoint(system, pump, in.dailyDemand());
    } catch (const Error &) {
        // A flow beyond what the numbers hold: no operating point, the design stands.
        return std::nullopt;
    }
}

} // namespace quorvel
