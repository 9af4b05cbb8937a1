#include "routeprofile.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quorvel {

namespace {

constexpr double vapourPressureAt20C = 2.339; // kPa, absolute
constexpr double seaLevelAir = 101.325;       // kPa

// The chainage between two points where a quantity varying linearly from a to b
// along them passes through 0.
double crossing(const RouteHeads &p, const RouteHeads &q, double a, double b)
{
    return p.chainage + (q.chainage - p.chainage) * a / (a - b);
}

// Where the grade line runs less than the clearance above the ground: both are
// straight between the points, so each stretch ends where their distance crosses it.
QList<RouteStretch> belowClearance(const QList<RouteHeads> &points, double clearance)
{
    QList<RouteStretch> stretches;
    const auto margin = [clearance](const RouteHeads &h) { return h.flowing - h.ground - clearance; };
    std::optional<double> from;
    if (margin(points.first()) < 0)
        from = points.first().chainage;
    for (qsizetype i = 1; i < points.size(); ++i) {
        const double a = margin(points[i - 1]);
        const double b = margin(points[i]);
        if (!from && b < 0)
            from = a < 0 ? points[i - 1].chainage : crossing(points[i - 1], points[i], a, b);
        else if (from && b >= 0) {
            stretches.append({*from, crossing(points[i - 1], points[i], a, b)});
            from.reset();
        }
    }
    if (from)
        stretches.append({*from, points.last().chainage});
    return stretches;
}

// The stretches too close to the ground. Where the pipe meets free water (the tank's
// inlet; by gravity also the source) its pressure comes down to nothing whatever the
// design, so a stretch reaching such an end counts only where the grade line lies
// below the ground itself; that counts anywhere.
QList<RouteStretch> lowClearance(const QList<RouteHeads> &points, bool gravity)
{
    const double first = points.first().chainage, last = points.last().chainage;
    const auto atFreeWater = [&](const RouteStretch &s) { return (gravity && s.from == first) || s.to == last; };
    QList<RouteStretch> stretches;
    for (const RouteStretch &s : belowClearance(points, RouteLimits::groundClearance)) {
        if (!atFreeWater(s))
            stretches.append(s);
    }
    // A millimetre below the ground is rounding, as where the grade line ends at a tank
    // standing on the route's last point.
    for (const RouteStretch &s : belowClearance(points, -0.001)) {
        const bool counted = std::any_of(stretches.begin(), stretches.end(),
                                         [&](const RouteStretch &c) { return c.from <= s.from && s.to <= c.to; });
        if (!counted)
            stretches.append(s);
    }
    std::sort(stretches.begin(), stretches.end(), [](const RouteStretch &a, const RouteStretch &b) { return a.from < b.from; });
    return stretches;
}

// The high and low points inside the route (not its two ends) that stand out by more
// than the tolerance from the ground on both sides, found walking the route: a high
// point counts once the ground has fallen from it by the tolerance after rising to it
// by as much, and the same for a low point.
void extremes(const QList<RouteHeads> &points, QList<double> &highs, QList<double> &lows)
{
    const double t = RouteLimits::extremeTolerance;
    int state = 0; // 0: no move beyond the tolerance yet; 1: rising; -1: falling
    qsizetype top = 0, bottom = 0;
    const auto inside = [&](qsizetype i) { return i > 0 && i + 1 < points.size(); };
    for (qsizetype i = 1; i < points.size(); ++i) {
        const double z = points[i].ground;
        if (z > points[top].ground)
            top = i;
        if (z < points[bottom].ground)
            bottom = i;
        if (state >= 0 && z < points[top].ground - t) {
            if (state == 1 && inside(top))
                highs.append(points[top].chainage);
            state = -1;
            bottom = i;
        } else if (state <= 0 && z > points[bottom].ground + t) {
            if (state == -1 && inside(bottom))
                lows.append(points[bottom].chainage);
            state = 1;
            top = i;
        }
    }
}

// By gravity: where the static pressure from the source reaches the rating, a tank
// that breaks it must stand; the static line then starts again at its level.
QList<double> breakPressureTanks(const QList<RouteHeads> &points, double level, double rating)
{
    QList<double> tanks;
    for (qsizetype i = 1; i < points.size(); ++i) {
        const RouteHeads &p = points[i - 1], &q = points[i];
        while (level - q.ground > rating) {
            const double a = level - p.ground - rating;
            const double x = a >= 0 ? p.chainage : crossing(p, q, a, level - q.ground - rating);
            tanks.append(x);
            level -= rating; // the ground's level where the pressure reached the rating
        }
    }
    return tanks;
}

} // namespace

double ratingHead(double bar)
{
    return bar * 100 / RouteLimits::waterWeight;
}

double vapourPressureHead(double elevation)
{
    const double air = seaLevelAir * std::pow(1 - 2.25577e-5 * elevation, 5.25588); // the standard atmosphere
    return (vapourPressureAt20C - air) / RouteLimits::waterWeight;
}

RouteAnalysis analyseRoute(const QList<RoutePoint> &route, const RouteDuty &duty, const std::optional<PipeRating> &rating)
{
    RouteAnalysis a;
    a.gradient = SystemCurve(0, duty.insideDiameter, 1).lossAt(duty.flow);
    a.velocity = flowVelocity(duty.flow, duty.insideDiameter);
    a.surgeRise = duty.gravity() || !rating ? 0 : rating->waveSpeed * a.velocity / RouteLimits::gravity;
    const double start = duty.sourceElevation + duty.pumpHead;
    const double standing = duty.gravity() ? duty.sourceElevation : duty.tankElevation;
    std::optional<double> shutOff;
    if (duty.pump)
        shutOff = duty.sourceElevation + pumpHead(*duty.pump, 0);
    for (const RoutePoint &p : route)
        a.points.append({p.chainage, p.elevation, start - a.gradient * (p.chainage - route.first().chainage), standing,
                         shutOff});

    constexpr double none = std::numeric_limits<double>::infinity();
    a.highest.head = a.highestSurge.head = -none;
    a.lowestFlowing.head = a.lowestSurge.head = none;
    double leastAboveVapour = none;
    const double length = route.last().chainage - route.first().chainage;
    for (const RouteHeads &h : std::as_const(a.points)) {
        const double flowing = h.flowing - h.ground;
        // The surge is whole at the pump and nothing at the tank, whose level holds
        // the head: in between it is taken to fall off in a straight line.
        const double surge = a.surgeRise * (1 - (h.chainage - route.first().chainage) / length);
        const double most = std::max({flowing, h.standing - h.ground, h.shutOff.value_or(-none) - h.ground});
        if (most > a.highest.head)
            a.highest = {most, h.chainage, h.ground};
        if (flowing < a.lowestFlowing.head)
            a.lowestFlowing = {flowing, h.chainage, h.ground};
        if (flowing + surge > a.highestSurge.head)
            a.highestSurge = {flowing + surge, h.chainage, h.ground};
        if (const double above = flowing - surge - vapourPressureHead(h.ground); above < leastAboveVapour) {
            leastAboveVapour = above;
            a.lowestSurge = {flowing - surge, h.chainage, h.ground};
        }
    }
    a.lowClearance = lowClearance(a.points, duty.gravity());
    extremes(a.points, a.highPoints, a.lowPoints);
    if (duty.gravity() && rating)
        a.breakPressureTanks = breakPressureTanks(a.points, duty.sourceElevation, ratingHead(rating->ratedPressure));
    return a;
}

} // namespace quorvel
