#pragma once

#include "designrecord.h"
#include "operatingpoint.h"
#include "translatable.h"

#include <QList>
#include <QString>

#include <optional>

namespace quorvel {

// How a check came out. A warning: the scheme works, but outside good practice. A
// failure: it does not work (no water reaches the tank, an input out of range, no
// pump can do the duty), so the design is not a design. Not applicable: the check
// does not concern this design (a pump's checks on a gravity supply).
enum class CheckOutcome { Pass, Warning, Fail, NotApplicable };

// One engineering check of a design: what was checked, the value found, the limit
// it is held against, and how it came out. Checks change no number of the design.
struct DesignCheck {
    QString name;        // "flow velocity", as shown
    double value = 0;
    double limit = 0;    // the bound the value is held against (the one it broke)
    QString unit;        // "m/s"
    CheckOutcome outcome = CheckOutcome::Pass;
    // Value and limit in words for a warning or failure (files keep the English); a
    // note for a pass that the summary leads with (a gravity supply); why a check
    // does not apply.
    TranslatableText message;
    QString requirement; // the limit in words: "0.5 to 2 m/s", "at least 15 L/person/day"
};

// The flow velocities a design is held to, m/s: below the lower one sediment
// settles in the pipe, above the upper one the pipe wastes head and risks surge.
struct VelocityRange {
    double min = 0.5;
    double max = 2.0;
};

// A pump runs near its rated point when its operating flow is within this share of
// its rated flow: far to the right it runs inefficiently and may cavitate, far to
// the left it churns. The command's notes on its pump choice name the band in words.
struct RatedFlowBand {
    static constexpr double low = 0.8;
    static constexpr double high = 1.2;
    static bool holds(double operatingFlow, double ratedFlow)
    {
        return operatingFlow >= low * ratedFlow && operatingFlow <= high * ratedFlow;
    }
};

// What the checks read: the inputs, the calculation's values, the picked pump's
// rated duty and where the water runs on the pipeline (with the pump, or by gravity).
struct DesignCheckInput {
    double dailyUsage = 0;    // L/person/day
    double peoplePerTap = 0;
    double designFlow = 0;    // L/s
    double insideDiameter = 0; // mm
    double pumpingHead = 0;   // m, as the result shows it; 0 or less: a gravity supply
    double theoreticalStorage = 0; // m^3, as shown
    double actualStorage = 0;      // m^3, as shown
    double actualPumpingTime = 0;  // h/day, as shown
    bool pumpPicked = false;
    std::optional<double> ratedFlow; // of the picked pump, L/s
    std::optional<double> ratedHead; // m
    std::optional<OperatingPoint> operatingPoint; // with the pump, or by gravity
    double headMargin = 0;    // share beyond the pumping head a chosen pump had to reach
    VelocityRange velocities;

    bool gravity() const { return pumpingHead <= 0; }
};

// What texts the checks carry: all (the window's list), or only those of the checks
// that do not pass (the command, which writes only warnings and failures).
enum class CheckTexts { All, FindingsOnly };

// Every check in a fixed order: flow velocity, daily usage, people per tap, the
// estimated pumping time at the design flow, actual storage, the supply (gravity, a
// pump, or no pump for the duty), the picked pump's rated flow and head, and where
// the operating point is known the flow it delivers, the hours it needs, the
// velocity at that flow and its share of the rated flow.
QList<DesignCheck> designChecks(const DesignCheckInput &input, CheckTexts texts = CheckTexts::All);

// A design's checks, with the picked pump's rated duty (when its row gives a flow
// and a head) and where the water runs on the chosen pipe.
struct DesignAssessment {
    std::optional<PumpDuty> pumpDuty;
    std::optional<OperatingPoint> operatingPoint; // with the pump, or by gravity
    bool gravity = false;
    QList<DesignCheck> checks;

    // No check fails: the scheme works.
    bool designed() const;
    // The messages of the checks with the outcome, in check order.
    TranslatableTexts messages(CheckOutcome outcome) const;
};

// What the checks read of a design: the record, the pump's rated duty and where the
// water runs on the pipeline.
DesignCheckInput checkInput(const DesignRecord &design, const std::optional<PumpDuty> &pumpDuty,
                            const std::optional<OperatingPoint> &operatingPoint, const VelocityRange &velocities);

// The checks of a design whose operating point is known already.
DesignAssessment assessDesign(const DesignRecord &design, const std::optional<PumpDuty> &pumpDuty,
                              const std::optional<OperatingPoint> &operatingPoint,
                              const VelocityRange &velocities = {}, double headMargin = 0,
                              CheckTexts texts = CheckTexts::All);
// The checks of a design with the picked pump's row of the pump catalog (its rated
// flow and head columns); a gravity supply's flow is worked out without the pump.
DesignAssessment assessDesign(const DesignRecord &design, const CellTable &pumps, const VelocityRange &velocities = {});

// A value beside its limit with as many decimals as tell them apart (two at
// least): "0.48" beside "0.5", "0.497" beside "0.5", never "0.50" beside "0.5".
QString valueBesideLimit(double value, double limit);

// A check's value with its unit as the list and the report show it; a dash when the
// check does not apply or has no number to show.
QString shownCheckValue(const DesignCheck &check);

// One line for all the checks: "All 8 checks pass", "1 warning: …", "Not designed:
// 1 failure: …; 1 warning: …", led by a passing check's note ("gravity supply: no
// pump needed; all 7 checks pass"). Checks that do not apply are not counted.
QString checksSummary(const QList<DesignCheck> &checks);

} // namespace quorvel
