#pragma once

#include "designchecks.h"
#include "routeprofile.h"

#include <QList>

namespace quorvel {

// The checks of a pipeline's route for its pipe, in this order: the pressure rating
// (the most the pipe sees while pumping, standing or against a closed line; by
// gravity the static pressure, with the break-pressure tanks that keep it within the
// rating), the surge rise and fall when the pump trips (Joukowsky's screen, not a
// transient simulation; not applicable by gravity), the grade line's clearance above
// the ground (a failure where the pipe would run under vacuum), and the air valves
// and washouts the high and low points need (passes that name their chainages).
// Without a rating the checks that need it do not apply.
QList<DesignCheck> routeChecks(const RouteAnalysis &route, const RouteDuty &duty, const std::optional<PipeRating> &rating);

// How far a route may stray from the typed inputs before it is said: a GPS's
// elevations are good to a few metres, a walked track's length to a few hundredths.
struct RouteTolerance {
    static constexpr double elevation = 5;  // m
    static constexpr double length = 0.05;  // share of the typed length
};

// The route against the typed inputs, which the calculation keeps using: its first
// point's elevation against the source's, its last point's against the storage's,
// its length against the pipeline's; a warning each beyond the tolerance.
QList<DesignCheck> routeInputChecks(const QList<RoutePoint> &route, const DesignInputs &inputs);

} // namespace quorvel
