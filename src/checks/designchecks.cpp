#include "designchecks.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace quorvel {

namespace {

constexpr double minimumDailyUsage = 15; // L/person/day, the humanitarian minimum
constexpr double maximumPeoplePerTap = 250;
constexpr double hoursPerDay = 24;

QString tr(const char *text)
{
    return QCoreApplication::translate("DesignChecks", text);
}

QString limitText(double limit)
{
    return QString::number(limit, 'g', 15);
}

// value below (or above) limit: "<name> <value> <unit> below <limit> <unit>".
DesignCheck bound(const QString &name, double value, double limit, const QString &unit, bool isMinimum,
                  const QString &limitName = {})
{
    const QString limitWords = limitName.isEmpty() ? limitText(limit) + QLatin1Char(' ') + unit
                                                   : limitName.arg(limitText(limit) + QLatin1Char(' ') + unit);
    DesignCheck check{name, value, limit, unit, isMinimum ? value >= limit : value <= limit, {},
                      (isMinimum ? tr("at least %1") : tr("at most %1")).arg(limitWords)};
    if (!check.passed)
        check.message = (isMinimum ? tr("%1 %2 %3 below %4") : tr("%1 %2 %3 above %4"))
                            .arg(name, valueBesideLimit(value, limit), unit, limitWords);
    return check;
}

} // namespace

QString valueBesideLimit(double value, double limit)
{
    const QString limitShown = limitText(limit);
    for (int decimals = 2; decimals < 6; ++decimals) {
        QString shown = QString::number(value, 'f', decimals);
        while (shown.endsWith(u'0'))
            shown.chop(1);
        if (shown.endsWith(u'.'))
            shown.chop(1);
        if (shown.toDouble() != limitShown.toDouble() || value == limit)
            return shown;
    }
    return QString::number(value, 'g', 15);
}

double flowVelocity(double designFlow, double insideDiameter)
{
    const double diameter = insideDiameter / 1000;
    return diameter > 0 ? designFlow / 1000 / (M_PI / 4 * diameter * diameter) : 0;
}

DesignCheck operatingFlowCheck(double operatingFlow, double designFlow)
{
    constexpr double largestOverDesign = 1.5;
    // Held against the flows as the results show them, to the hundredth.
    const auto shown = [](double flow) { return std::round(flow * 100) / 100; };
    const QString name = tr("operating flow");
    const QString litresPerSecond = QStringLiteral("L/s");
    DesignCheck check = bound(name, operatingFlow, shown(designFlow), litresPerSecond, true, tr("the design flow of %1"));
    if (!check.passed) {
        check.message += tr(": the tank does not fill in the pumping hours");
        return check;
    }
    check = bound(name, operatingFlow, shown(designFlow * largestOverDesign), litresPerSecond, false,
                  tr("1.5 \u00d7 the design flow (%1)"));
    if (!check.passed)
        check.message += tr(": throttle the pump or choose a smaller one");
    return check;
}

QList<DesignCheck> designChecks(const DesignCheckInput &in)
{
    QList<DesignCheck> checks;
    // One velocity check held against the bound it breaks (the lower one when none).
    const QString metresPerSecond = QStringLiteral("m/s");
    const double v = flowVelocity(in.designFlow, in.insideDiameter);
    const bool tooFast = v > in.maxVelocity;
    DesignCheck velocity = bound(tr("flow velocity"), v, tooFast ? in.maxVelocity : in.minVelocity, metresPerSecond, !tooFast);
    velocity.requirement = tr("%1 to %2 %3").arg(limitText(in.minVelocity), limitText(in.maxVelocity), metresPerSecond);
    checks << velocity
           << bound(tr("daily usage"), in.dailyUsage, minimumDailyUsage, tr("L/person/day"), true)
           << bound(tr("people per tap"), in.peoplePerTap, maximumPeoplePerTap, tr("people"), false)
           << bound(tr("actual pumping time"), in.actualPumpingTime, hoursPerDay, tr("h/day"), false);
    DesignCheck storage = bound(tr("actual storage"), in.actualStorage, in.theoreticalStorage,
                                QStringLiteral("m\u00b3"), true, tr("the theoretical storage of %1"));
    if (!storage.passed)
        storage.message += tr(", %1 m\u00b3 short").arg(QString::number(in.theoreticalStorage - in.actualStorage, 'g', 15));
    checks << storage;
    if (!in.pumpPicked)
        return checks;
    if (in.ratedFlow)
        checks << bound(tr("design flow"), in.designFlow, *in.ratedFlow, QStringLiteral("L/s"), false,
                        tr("the pump's rated flow of %1"));
    if (in.ratedHead)
        checks << bound(tr("pumping head"), in.pumpingHead, *in.ratedHead, QStringLiteral("m"), false,
                        tr("the pump's rated head of %1"));
    // A storage low enough for the water to flow by itself needs no pump.
    DesignCheck gravity{tr("pump needed"), in.pumpingHead, 0, QStringLiteral("m"), in.pumpingHead > 0, {},
                        tr("pumping head above 0 m")};
    if (!gravity.passed)
        gravity.message = tr("pumping head %1 m: a gravity supply, no pump needed").arg(limitText(in.pumpingHead));
    checks << gravity;
    if (in.operatingFlow)
        checks << operatingFlowCheck(*in.operatingFlow, in.designFlow);
    return checks;
}

QString checksSummary(const QList<DesignCheck> &checks)
{
    QStringList warnings;
    for (const DesignCheck &check : checks) {
        if (!check.passed)
            warnings << check.message;
    }
    if (warnings.isEmpty())
        return tr("All %1 checks pass").arg(checks.size());
    const QString list = warnings.join(QStringLiteral("; "));
    return warnings.size() == 1 ? tr("1 warning: %1").arg(list) : tr("%1 warnings: %2").arg(warnings.size()).arg(list);
}

} // namespace quorvel
