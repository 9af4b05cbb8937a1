#include "designchecks.h"

#include "catalogcolumns.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace quorvel {

namespace {

constexpr double minimumDailyUsage = 15; // L/person/day, the humanitarian minimum
constexpr double maximumPeoplePerTap = 250;

TranslatableText plain(const QString &text)
{
    return TranslatableText::plain(text);
}

QString limitText(double limit)
{
    return QString::number(limit, 'g', 15);
}

// value below (or above) limit: "<name> <value> <unit> below <limit> <unit>". The
// message goes to files in English and to the screen translated.
DesignCheck bound(const TranslatableText &name, double value, double limit, const TranslatableText &unit,
                  bool isMinimum, const TranslatableText &limitName = {})
{
    TranslatableText limitWords = TranslatableText::plain(limitText(limit) + QLatin1Char(' '));
    limitWords += unit;
    const TranslatableText limitPhrase = limitName.isEmpty() ? limitWords : limitName.arg(limitWords);
    DesignCheck check{name.shown, value, limit, unit.shown, isMinimum ? value >= limit : value <= limit, {},
                      (isMinimum ? translatable("quorvel::DesignChecks", "at least %1")
                                 : translatable("quorvel::DesignChecks", "at most %1"))
                          .arg(limitPhrase)
                          .shown};
    if (!check.passed)
        check.message = (isMinimum ? translatable("quorvel::DesignChecks", "%1 %2 %3 below %4")
                                   : translatable("quorvel::DesignChecks", "%1 %2 %3 above %4"))
                            .arg(name, valueBesideLimit(value, limit), unit, limitPhrase);
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

DesignCheckInput checkInput(const DesignRecord &design, const CellTable &pumps, const VelocityRange &velocities,
                            const std::optional<OperatingPoint> &pumpOperatingPoint)
{
    // Checks never change a number; each reads what the calculation produced.
    DesignCheckInput in;
    in.dailyUsage = double(design.inputs.dailyUsage);
    in.peoplePerTap = double(design.inputs.peoplePerTap);
    in.designFlow = design.designFlow;
    in.insideDiameter = design.insideDiameter;
    in.pumpingHead = double(design.results.pumpingHead);
    in.theoreticalStorage = double(design.results.theoreticalStorage);
    in.actualStorage = double(design.results.actualStorage);
    in.actualPumpingTime = double(design.results.actualPumpingTime);
    in.pumpPicked = design.pumpCatalogRow != 0;
    if (in.pumpPicked) {
        if (const int flow = columnCaptioned(pumps, QStringLiteral("Flow")); flow >= 0)
            in.ratedFlow = finiteNumber(pumps.cell(flow, design.pumpCatalogRow));
        if (const int head = columnCaptioned(pumps, QStringLiteral("Head")); head >= 0)
            in.ratedHead = finiteNumber(pumps.cell(head, design.pumpCatalogRow));
    }
    if (pumpOperatingPoint)
        in.operatingFlow = pumpOperatingPoint->flow;
    in.minVelocity = velocities.min;
    in.maxVelocity = velocities.max;
    return in;
}

DesignAssessment assessDesign(const DesignRecord &design, const CellTable &pumps, const VelocityRange &velocities)
{
    DesignAssessment assessment;
    assessment.pumpDuty = ratedDuty(pumps, design.pumpCatalogRow);
    // Where the picked pump really runs on this pipeline, from its rated duty.
    if (assessment.pumpDuty)
        assessment.operatingPoint = designOperatingPoint(design, assessment.pumpDuty);
    assessment.checks = designChecks(checkInput(design, pumps, velocities, assessment.operatingPoint));
    return assessment;
}

DesignCheck operatingFlowCheck(double operatingFlow, double designFlow)
{
    constexpr double largestOverDesign = 1.5;
    // Held against the flows as the results show them, to the hundredth.
    const auto shown = [](double flow) { return std::round(flow * 100) / 100; };
    const TranslatableText name = translatable("quorvel::DesignChecks", "operating flow");
    const TranslatableText litresPerSecond = plain(QStringLiteral("L/s"));
    DesignCheck check = bound(name, operatingFlow, shown(designFlow), litresPerSecond, true,
                              translatable("quorvel::DesignChecks", "the design flow of %1"));
    if (!check.passed) {
        check.message += translatable("quorvel::DesignChecks", ": the tank does not fill in the pumping hours");
        return check;
    }
    check = bound(name, operatingFlow, shown(designFlow * largestOverDesign), litresPerSecond, false,
                  translatable("quorvel::DesignChecks", "1.5 \u00d7 the design flow (%1)"));
    if (!check.passed)
        check.message += translatable("quorvel::DesignChecks", ": throttle the pump or choose a smaller one");
    return check;
}

QList<DesignCheck> designChecks(const DesignCheckInput &in)
{
    QList<DesignCheck> checks;
    // One velocity check held against the bound it breaks (the lower one when none).
    const QString metresPerSecond = QStringLiteral("m/s");
    const double v = flowVelocity(in.designFlow, in.insideDiameter);
    const bool tooFast = v > in.maxVelocity;
    DesignCheck velocity = bound(translatable("quorvel::DesignChecks", "flow velocity"), v,
                                 tooFast ? in.maxVelocity : in.minVelocity, plain(metresPerSecond), !tooFast);
    velocity.requirement = QCoreApplication::translate("quorvel::DesignChecks", "%1 to %2 %3")
                               .arg(limitText(in.minVelocity), limitText(in.maxVelocity), metresPerSecond);
    checks << velocity
           << bound(translatable("quorvel::DesignChecks", "daily usage"), in.dailyUsage, minimumDailyUsage,
                    translatable("quorvel::DesignChecks", "L/person/day"), true)
           << bound(translatable("quorvel::DesignChecks", "people per tap"), in.peoplePerTap, maximumPeoplePerTap,
                    translatable("quorvel::DesignChecks", "people"), false)
           << bound(translatable("quorvel::DesignChecks", "actual pumping time"), in.actualPumpingTime, hoursPerDay,
                    translatable("quorvel::DesignChecks", "h/day"), false);
    DesignCheck storage = bound(translatable("quorvel::DesignChecks", "actual storage"), in.actualStorage,
                                in.theoreticalStorage, plain(QStringLiteral("m\u00b3")), true,
                                translatable("quorvel::DesignChecks", "the theoretical storage of %1"));
    if (!storage.passed)
        storage.message += translatable("quorvel::DesignChecks", ", %1 m\u00b3 short")
                               .arg(QString::number(in.theoreticalStorage - in.actualStorage, 'g', 15));
    checks << storage;
    if (!in.pumpPicked)
        return checks;
    if (in.ratedFlow)
        checks << bound(translatable("quorvel::DesignChecks", "design flow"), in.designFlow, *in.ratedFlow,
                        plain(QStringLiteral("L/s")), false,
                        translatable("quorvel::DesignChecks", "the pump's rated flow of %1"));
    if (in.ratedHead)
        checks << bound(translatable("quorvel::DesignChecks", "pumping head"), in.pumpingHead, *in.ratedHead,
                        plain(QStringLiteral("m")), false,
                        translatable("quorvel::DesignChecks", "the pump's rated head of %1"));
    // A storage low enough for the water to flow by itself needs no pump.
    DesignCheck gravity{QCoreApplication::translate("quorvel::DesignChecks", "pump needed"), in.pumpingHead, 0,
                        QStringLiteral("m"), in.pumpingHead > 0, {},
                        QCoreApplication::translate("quorvel::DesignChecks", "pumping head above 0 m")};
    if (!gravity.passed)
        gravity.message = translatable("quorvel::DesignChecks", "pumping head %1 m: a gravity supply, no pump needed")
                              .arg(limitText(in.pumpingHead));
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
            warnings << check.message.shown;
    }
    if (warnings.isEmpty())
        return QCoreApplication::translate("quorvel::DesignChecks", "All %1 checks pass").arg(checks.size());
    const QString list = warnings.join(QStringLiteral("; "));
    return warnings.size() == 1 ? QCoreApplication::translate("quorvel::DesignChecks", "1 warning: %1").arg(list)
                                : QCoreApplication::translate("quorvel::DesignChecks", "%1 warnings: %2")
                                      .arg(warnings.size())
                                      .arg(list);
}

} // namespace quorvel
