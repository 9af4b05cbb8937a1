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

namespace {

constexpr double lossExponent = 1.85; // of the flow in the Hazen-Williams loss

} // namespace

SystemCurve::SystemCurve(double lift, double insideDiameter, double length)
    : staticLift(lift), lossAtUnitFlow(double(hazenWilliamsLoss(1, insideDiameter, length)))
{
}

double SystemCurve::lossAt(double flow) const
{
    return lossAtUnitFlow * std::pow(flow, lossExponent);
}

double SystemCurve::headAt(double flow) const
{
    return staticLift + lossAt(flow);
}

OperatingPoint operatingPoint(const SystemCurve &system, const std::optional<PumpDuty> &pump, double dailyDemand)
{
    OperatingPoint point;
    if (!pump) {
        // By gravity the loss uses up the fall: K q^1.85 = -lift.
        if (system.staticLift < 0 && system.lossAtUnitFlow > 0)
            point.flow = std::pow(-system.staticLift / system.lossAtUnitFlow, 1 / lossExponent);
    } else if (pumpHead(*pump, 0) > system.staticLift) {
        // The surplus head f(q) = pump head - pipeline head falls as the flow rises and
        // bends downwards, so Newton's method started right of the root comes down onto
        // it without overshooting, in a handful of steps.
        const auto surplus = [&](double q) { return pumpHead(*pump, q) - system.headAt(q); };
        const auto slope = [&](double q) {
            return -2 * pump->head / 3 * q / (pump->flow * pump->flow)
                 - lossExponent * system.lossAtUnitFlow * std::pow(q, lossExponent - 1);
        };
        double q = 2 * pump->flow;
        for (int i = 0; i < 60 && surplus(q) > 0; ++i)
            q *= 2;
        for (int i = 0; i < 100; ++i) {
            const double step = surplus(q) / slope(q);
            if (!(step > 0) || !std::isfinite(step))
                break;
            q -= step;
            if (step <= 1e-13 * q)
                break;
        }
        point.flow = q;
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

std::optional<SystemCurve> designSystemCurve(const DesignRecord &design)
{
    const DesignInputs &in = design.inputs;
    try {
        return SystemCurve(double(in.storageElevation) - double(in.sourceElevation), design.insideDiameter,
                           double(in.pipelineLength));
    } catch (const Error &) {
        // A loss beyond what the numbers hold: no operating point, the design stands.
        return std::nullopt;
    }
}

std::optional<OperatingPoint> designOperatingPoint(const DesignRecord &design, const std::optional<PumpDuty> &pump)
{
    const std::optional<SystemCurve> system = designSystemCurve(design);
    if (!system)
        return std::nullopt;
    return operatingPoint(*system, pump, design.inputs.dailyDemand());
}

} // namespace quorvel
