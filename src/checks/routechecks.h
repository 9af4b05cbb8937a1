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
QList<DesignCheck> routeChecks(const RouteAnalysis &route, const RouteDuty &duty, const PipeRating &rating);

} // namespace quorvel
