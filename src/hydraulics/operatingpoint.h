#pragma once

#include "designrecord.h"

#include <QtGlobal>

#include <optional>

namespace quorvel {

// A pump's rated duty as its catalog row gives it.
struct PumpDuty {
    double flow = 0; // L/s
    double head = 0; // m
};

// The head of a pump at a flow on the curve EPANET draws through a single rated
// point: 4/3 of the rated head at shut-off, the rated duty, no head at twice the
// rated flow, h = 4/3 H - H/3 (q/Q)^2. Beyond twice the rated flow the head is
// negative, as the same curve goes on.
double pumpHead(const PumpDuty &pump, double flow);

// The head the pipeline asks of a flow from the source to the tank: the static lift
// plus the Hazen-Williams loss of the design calculation.
// The loss grows as the flow to the power 1.85, so it is held as the loss of 1 L/s.
struct SystemCurve {
    // Raises Error on an arithmetic fault of the loss formula (a pipe without diameter).
    SystemCurve(double staticLift, double insideDiameter, double length);
    double staticLift = 0;     // m, storage minus source elevation
    double lossAtUnitFlow = 0; // m at 1 L/s
    double headAt(double flow) const;
    double lossAt(double flow) const;
};

// Where the pump's curve meets the pipeline's; without a pump (gravity), the flow
// whose friction loss uses up the fall from source to tank.
struct OperatingPoint {
    double flow = 0;        // L/s; 0 when the pump cannot lift the water at all
    double head = 0;        // m the pump delivers; 0 by gravity
    double hoursPerDay = 0; // to deliver the day's demand at that flow; infinite at no flow
};

// dailyDemand in m^3.
OperatingPoint operatingPoint(const SystemCurve &system, const std::optional<PumpDuty> &pump, double dailyDemand);

// A catalog pump's rated duty: its "Flow" and "Head" columns, when both hold numbers.
std::optional<PumpDuty> ratedDuty(const CellTable &pumps, qint32 row);

// The pipeline of a design: its static lift and its chosen pipe. None when the loss
// formula fails on its numbers.
std::optional<SystemCurve> designSystemCurve(const DesignRecord &design);

// The operating point of a design on its chosen pipe with the given pump (none:
// gravity). None when the numbers do not hold.
std::optional<OperatingPoint> designOperatingPoint(const DesignRecord &design, const std::optional<PumpDuty> &pump);

} // namespace quorvel
