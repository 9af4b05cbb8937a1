#include "routechecks.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace quorvel {

namespace {

// Heads to the tenth of a metre, chainages to the metre.
QString head(double metres)
{
    return QString::number(std::round(metres * 10) / 10, 'g', 15);
}

QString chainage(double metres)
{
    return QString::number(std::round(metres), 'f', 0);
}

QString chainages(const QList<double> &at)
{
    QStringList texts;
    for (const double x : at)
        texts << chainage(x);
    return texts.join(QStringLiteral(", "));
}

DesignCheck check(const char *name, double value, double limit, CheckOutcome outcome, const TranslatableText &message,
                  const TranslatableText &requirement)
{
    return {QCoreApplication::translate("quorvel::RouteChecks", name), value, limit, QStringLiteral("m"), outcome, message,
            requirement.shown};
}

DesignCheck ratingCheck(const RouteAnalysis &route, const RouteDuty &duty, const PipeRating &rating)
{
    const double limit = ratingHead(rating.ratedPressure);
    const TranslatableText requirement = translatable("quorvel::RouteChecks", "at most the pipe's rating of %1 m (%2 bar)")
                                             .arg(head(limit), QString::number(rating.ratedPressure, 'g', 15));
    const bool holds = route.highest.head <= limit;
    TranslatableText message;
    if (!holds && duty.gravity())
        message = translatable("quorvel::RouteChecks", "static pressure %1 m at %2 m above the pipe's rating of %3 m: break-pressure "
                                        "tanks at %4 m")
                      .arg(head(route.highest.head), chainage(route.highest.chainage), head(limit),
                           chainages(route.breakPressureTanks));
    else if (!holds)
        message = translatable("quorvel::RouteChecks", "pressure %1 m at %2 m above the pipe's rating of %3 m: a pipe of a higher "
                                        "pressure class")
                      .arg(head(route.highest.head), chainage(route.highest.chainage), head(limit));
    return check(QT_TRANSLATE_NOOP("quorvel::RouteChecks", "pressure rating"), route.highest.head, limit, holds ? CheckOutcome::Pass : CheckOutcome::Fail, message,
                 requirement);
}

DesignCheck surgeRiseCheck(const RouteAnalysis &route, const RouteDuty &duty, const PipeRating &rating)
{
    const double limit = ratingHead(rating.ratedPressure);
    const TranslatableText requirement = translatable("quorvel::RouteChecks", "pressure plus Joukowsky's rise a·V/g at most the "
                                                               "pipe's rating of %1 m")
                                             .arg(head(limit));
    if (duty.gravity())
        return check(QT_TRANSLATE_NOOP("quorvel::RouteChecks", "surge when the pump trips"), 0, limit, CheckOutcome::NotApplicable,
                     translatable("quorvel::RouteChecks", "no pump: a gravity supply"), requirement);
    const bool holds = route.highestSurge.head <= limit;
    TranslatableText message;
    if (!holds)
        message = translatable("quorvel::RouteChecks", "surge when the pump trips: %1 m at %2 m (a rise of %3 m for %4 m/s) above the "
                                        "pipe's rating of %5 m: surge protection or a stronger pipe (a screen, not a "
                                        "transient simulation)")
                      .arg(head(route.highestSurge.head), chainage(route.highestSurge.chainage), head(route.surgeRise),
                           QString::number(std::round(route.velocity * 100) / 100, 'g', 15), head(limit));
    return check(QT_TRANSLATE_NOOP("quorvel::RouteChecks", "surge when the pump trips"), route.highestSurge.head, limit,
                 holds ? CheckOutcome::Pass : CheckOutcome::Warning, message, requirement);
}

DesignCheck surgeFallCheck(const RouteAnalysis &route, const RouteDuty &duty)
{
    const TranslatableText requirement = translatable("quorvel::RouteChecks", "pressure less Joukowsky's fall above the vapour pressure");
    if (duty.gravity())
        return check(QT_TRANSLATE_NOOP("quorvel::RouteChecks", "pressure drop when the pump trips"), 0, 0, CheckOutcome::NotApplicable,
                     translatable("quorvel::RouteChecks", "no pump: a gravity supply"), requirement);
    const double vapour = vapourPressureHead(route.lowestSurge.ground);
    const bool holds = route.lowestSurge.head > vapour;
    TranslatableText message;
    if (!holds)
        message = translatable("quorvel::RouteChecks", "pressure drop when the pump trips: %1 m at %2 m, below the vapour pressure of "
                                        "%3 m: the water column may part (a screen, not a transient simulation)")
                      .arg(head(route.lowestSurge.head), chainage(route.lowestSurge.chainage), head(vapour));
    return check(QT_TRANSLATE_NOOP("quorvel::RouteChecks", "pressure drop when the pump trips"), route.lowestSurge.head, vapour,
                 holds ? CheckOutcome::Pass : CheckOutcome::Warning, message, requirement);
}

DesignCheck clearanceCheck(const RouteAnalysis &route)
{
    const double limit = RouteLimits::groundClearance;
    const TranslatableText requirement = translatable("quorvel::RouteChecks", "at least %1 m above the ground everywhere").arg(head(limit));
    TranslatableText message;
    if (!route.lowClearance.isEmpty()) {
        QStringList stretches;
        for (const RouteStretch &s : route.lowClearance)
            stretches << QStringLiteral("%1\u2013%2").arg(chainage(s.from), chainage(s.to));
        message = translatable("quorvel::RouteChecks", "grade line less than %1 m above the ground from %2 m: the pipe runs under "
                                        "vacuum and draws dirty water in")
                      .arg(head(limit), stretches.join(QStringLiteral(", ")));
    }
    return check(QT_TRANSLATE_NOOP("quorvel::RouteChecks", "grade line above the ground"), route.lowestFlowing.head, limit,
                 route.lowClearance.isEmpty() ? CheckOutcome::Pass : CheckOutcome::Fail, message, requirement);
}

// A count of fittings with where they go, a pass that says it.
DesignCheck fittingsCheck(const char *name, const QList<double> &at, const TranslatableText &where,
                          const TranslatableText &requirement)
{
    DesignCheck c = check(name, double(at.size()), 0, CheckOutcome::Pass, at.isEmpty() ? TranslatableText() : where,
                          requirement);
    c.unit.clear();
    return c;
}

// A value of the route against the typed one, within an allowed difference.
DesignCheck agreement(const char *name, double route, double typed, double allowed, const TranslatableText &message,
                      const TranslatableText &requirement)
{
    const bool holds = std::abs(route - typed) <= allowed;
    return check(name, route, typed, holds ? CheckOutcome::Pass : CheckOutcome::Warning, holds ? TranslatableText() : message,
                 requirement);
}

} // namespace

QList<DesignCheck> routeInputChecks(const QList<RoutePoint> &route, const DesignInputs &inputs)
{
    const double source = double(inputs.sourceElevation), storage = double(inputs.storageElevation);
    const double typedLength = double(inputs.pipelineLength);
    const double first = route.first().elevation, last = route.last().elevation;
    const double length = route.last().chainage - route.first().chainage;
    const QString tolerance = head(RouteTolerance::elevation);
    return {agreement(QT_TRANSLATE_NOOP("quorvel::RouteChecks", "route's source elevation"), first, source,
                      RouteTolerance::elevation,
                      translatable("quorvel::RouteChecks", "the route starts at %1 m, the water source elevation is %2 m; "
                                                           "the calculation keeps the typed elevation")
                          .arg(head(first), head(source)),
                      translatable("quorvel::RouteChecks", "within %1 m of the water source elevation").arg(tolerance)),
            agreement(QT_TRANSLATE_NOOP("quorvel::RouteChecks", "route's storage elevation"), last, storage,
                      RouteTolerance::elevation,
                      translatable("quorvel::RouteChecks", "the route ends at %1 m, the storage elevation is %2 m; the "
                                                           "calculation keeps the typed elevation")
                          .arg(head(last), head(storage)),
                      translatable("quorvel::RouteChecks", "within %1 m of the storage elevation").arg(tolerance)),
            agreement(QT_TRANSLATE_NOOP("quorvel::RouteChecks", "route's length"), length, typedLength,
                      RouteTolerance::length * typedLength,
                      translatable("quorvel::RouteChecks", "the route is %1 m long, the pipeline length is %2 m; the "
                                                           "calculation keeps the typed length")
                          .arg(chainage(length), head(typedLength)),
                      translatable("quorvel::RouteChecks", "within %1 % of the pipeline length")
                          .arg(QString::number(RouteTolerance::length * 100)))};
}

QList<DesignCheck> routeChecks(const RouteAnalysis &route, const RouteDuty &duty, const std::optional<PipeRating> &rating)
{
    QList<DesignCheck> checks;
    if (rating) {
        checks << ratingCheck(route, duty, *rating) << surgeRiseCheck(route, duty, *rating) << surgeFallCheck(route, duty);
    } else {
        const TranslatableText none = translatable("quorvel::RouteChecks", "the pipe has no rating in the pipe ratings");
        for (const char *name : {QT_TRANSLATE_NOOP("quorvel::RouteChecks", "pressure rating"),
                                 QT_TRANSLATE_NOOP("quorvel::RouteChecks", "surge when the pump trips"),
                                 QT_TRANSLATE_NOOP("quorvel::RouteChecks", "pressure drop when the pump trips")})
            checks << check(name, 0, 0, CheckOutcome::NotApplicable, none, none);
    }
    return checks + QList<DesignCheck>{clearanceCheck(route),
            fittingsCheck(QT_TRANSLATE_NOOP("quorvel::RouteChecks", "air valves"), route.highPoints,
                          translatable("quorvel::RouteChecks", "air valves at the high points at %1 m").arg(chainages(route.highPoints)),
                          translatable("quorvel::RouteChecks", "one at each high point")),
            fittingsCheck(QT_TRANSLATE_NOOP("quorvel::RouteChecks", "washouts"), route.lowPoints,
                          translatable("quorvel::RouteChecks", "washouts at the low points at %1 m").arg(chainages(route.lowPoints)),
                          translatable("quorvel::RouteChecks", "one at each low point"))};
}

} // namespace quorvel
