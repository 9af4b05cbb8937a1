#pragma once

#include "operatingpoint.h"

#include <QList>

#include <optional>

namespace quorvel {

// A point of the pipeline's route as the engineer walked it: the chainage along the
// pipe from the source and the ground's elevation there, m.
struct RoutePoint {
    double chainage = 0;
    double elevation = 0;
};

// What a pipe is made for: its rated pressure and the speed of a pressure wave in it
// (which its material and wall set).
struct PipeRating {
    double ratedPressure = 0; // bar
    double waveSpeed = 0;     // m/s
};

// What runs along the route: the water levels at the source and in the full tank,
// the chosen pipe, the flow and the head the pump gives it at the source (the
// operating point), and the pump's rated duty for its shut-off head (none when it is
// not known). No head: the water runs by gravity at the flow.
struct RouteDuty {
    double sourceElevation = 0; // m
    double tankElevation = 0;   // m
    double insideDiameter = 0;  // mm
    double flow = 0;            // L/s
    double pumpHead = 0;        // m at the flow; 0 by gravity
    std::optional<PumpDuty> pump;

    bool gravity() const { return pumpHead <= 0; }
};

// The heads at one point of the route, m above the datum; pressures are a head less
// the ground, m of water.
struct RouteHeads {
    double chainage = 0;
    double ground = 0;
    double flowing = 0;  // the grade line while the water runs
    double standing = 0; // the static line: pumped, the pump stopped and the tank full
                         // behind the non-return valve; by gravity the source's level
    std::optional<double> shutOff; // the pump against a closed line (4/3 of its rated head)
};

// A stretch of the route, from and to a chainage, m.
struct RouteStretch {
    double from = 0;
    double to = 0;
};

// The pressure head a pipe of the route is held to and where it is reached.
struct PressureAt {
    double head = 0;     // m of water
    double chainage = 0; // m
    double ground = 0;   // the ground's elevation there, m
};

// The rules the route is judged by.
struct RouteLimits {
    // Least height of the grade line above the ground: below it the pipe may run
    // under vacuum at a joint and draw dirty water in. Where the pipe meets free water
    // (the tank's inlet; by gravity the source) the grade line only has to stay above
    // the ground, as the pressure there comes down to nothing in any design.
    static constexpr double groundClearance = 2; // m
    // Least rise or fall between a high and a low point that counts them: GPS and
    // survey noise below it is no high point.
    static constexpr double extremeTolerance = 1; // m
    // Standard gravity, m/s^2, and the weight of a cubic metre of water at 20 °C, kN.
    static constexpr double gravity = 9.80665;
    static constexpr double waterWeight = 9.789;
};

// What the route asks of the pipe.
struct RouteAnalysis {
    QList<RouteHeads> points;
    double gradient = 0;  // friction loss at the flow, m per m of pipe
    double velocity = 0;  // m/s
    double surgeRise = 0; // m: Joukowsky's a·ΔV/g for the flow stopping at once; 0 by gravity

    PressureAt highest;         // of the flowing, static and shut-off pressures
    PressureAt lowestFlowing;   // the grade line's least height above the ground
    // The flowing pressure plus or less the surge, whole at the pump and falling off
    // in a straight line to nothing at the tank, whose level holds the head; the
    // lowest is the one least above the vapour pressure.
    PressureAt highestSurge;
    PressureAt lowestSurge;
    QList<RouteStretch> lowClearance; // where the grade line is less than groundClearance above the ground
    QList<double> highPoints;   // chainages for air valves
    QList<double> lowPoints;    // chainages for washouts
    QList<double> breakPressureTanks; // by gravity: where the static pressure reaches the rating
};

// The pressure head of a rating in bar, m of water.
double ratingHead(double bar);

// The gauge pressure head at which water at 20 °C boils at an elevation (the air's
// pressure falls with height), m of water: about -10.1 m at sea level.
double vapourPressureHead(double elevation);

// The route's heads and findings for the duty and the pipe. The route has at least
// two points with rising chainages (the caller checks it); the grade line falls from
// the source's head by the Hazen-Williams loss of the flow along the chainage.
// Without a rating there is no surge rise and no break-pressure tank.
RouteAnalysis analyseRoute(const QList<RoutePoint> &route, const RouteDuty &duty, const std::optional<PipeRating> &rating);

} // namespace quorvel
