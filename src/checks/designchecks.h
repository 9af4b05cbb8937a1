#pragma once

#include "designrecord.h"
#include "operatingpoint.h"
#include "translatable.h"

#include <QList>
#include <QString>

#include <optional>

namespace quorvel {

// One engineering check of a design: what was checked, the value found, the limit
// it is held against, and whether it passed. A failed check is a warning, never an
// error: it changes no number of the design.
struct DesignCheck {
    QString name;        // "flow velocity", as shown
    double value = 0;
    double limit = 0;    // the bound the value is held against (the one it broke)
    QString unit;        // "m/s"
    bool passed = true;
    TranslatableText message; // for a failed check: value and limit in words (files keep the English)
    QString requirement; // the limit in words: "0.5 to 2 m/s", "at least 15 L/person/day"
};

// What the checks read: the inputs, the calculation's values and the picked pump's
// rated duty.
struct DesignCheckInput {
    double dailyUsage = 0;    // L/person/day
    double peoplePerTap = 0;
    double designFlow = 0;    // L/s
    double insideDiameter = 0; // mm
    double pumpingHead = 0;   // m, as the result shows it
    double theoreticalStorage = 0; // m^3, as shown
    double actualStorage = 0;      // m^3, as shown
    double actualPumpingTime = 0;  // h/day, as shown
    bool pumpPicked = false;
    std::optional<double> ratedFlow; // of the picked pump, L/s
    std::optional<double> ratedHead; // m
    std::optional<double> operatingFlow; // L/s, where the pump's curve meets the pipeline's
    double minVelocity = 0.5;
    double maxVelocity = 2.0;
};

// The pump's operating flow against the design flow: below it the tank does not fill
// in the pumping hours; beyond 1.5 times it the pump wants throttling or a smaller model.
DesignCheck operatingFlowCheck(double operatingFlow, double designFlow);

// Every check in a fixed order, passed or not: flow velocity, daily usage, people
// per tap, actual pumping time, actual storage, and with a picked pump its rated
// flow and head (when the catalog gives them), whether gravity would do, and its
// operating flow (when known).
QList<DesignCheck> designChecks(const DesignCheckInput &input);

// The flow velocities a design is held to, m/s: below the lower one sediment
// settles in the pipe, above the upper one the pipe wastes head and risks surge.
struct VelocityRange {
    double min = 0.5;
    double max = 2.0;
};

// What the checks read of a design: the record and the picked pump's row of the pump
// catalog (its rated flow and head columns), and where the pump runs on the pipeline.
DesignCheckInput checkInput(const DesignRecord &design, const CellTable &pumps, const VelocityRange &velocities,
                            const std::optional<OperatingPoint> &pumpOperatingPoint);

// A design's checks, with the picked pump's rated duty (when its row gives a flow
// and a head) and that pump's operating point on the chosen pipe.
struct DesignAssessment {
    std::optional<PumpDuty> pumpDuty;
    std::optional<OperatingPoint> operatingPoint;
    QList<DesignCheck> checks;
};
DesignAssessment assessDesign(const DesignRecord &design, const CellTable &pumps, const VelocityRange &velocities = {});

// A value beside its limit with as many decimals as tell them apart (two at
// least): "0.48" beside "0.5", "0.497" beside "0.5", never "0.50" beside "0.5".
QString valueBesideLimit(double value, double limit);

// One line for all the checks: "All 8 checks pass", "1 warning: …", "2 warnings: …; …".
QString checksSummary(const QList<DesignCheck> &checks);

} // namespace quorvel
