#include "designchecks.h"

#include "catalogcolumns.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
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

// value below (or above) limit: "<name> <value> <unit> below <limit> <unit>", with
// the given outcome when the limit is broken. The message goes to files in English
// and to the screen translated.
DesignCheck bound(const TranslatableText &name, double value, double limit, const TranslatableText &unit,
                  bool isMinimum, CheckOutcome broken, const TranslatableText &limitName = {})
{
    TranslatableText limitWords = TranslatableText::plain(limitText(limit) + QLatin1Char(' '));
    limitWords += unit;
    const TranslatableText limitPhrase = limitName.isEmpty() ? limitWords : limitName.arg(limitWords);
    const bool holds = isMinimum ? value >= limit : value <= limit;
    DesignCheck check{name.shown, value, limit, unit.shown, holds ? CheckOutcome::Pass : broken, {},
                      (isMinimum ? translatable("quorvel::DesignChecks", "at least %1")
                                 : translatable("quorvel::DesignChecks", "at most %1"))
                          .arg(limitPhrase)
                          .shown};
    if (!holds)
        check.message = (isMinimum ? translatable("quorvel::DesignChecks", "%1 %2 %3 below %4")
                                   : translatable("quorvel::DesignChecks", "%1 %2 %3 above %4"))
                            .arg(name, valueBesideLimit(value, limit), unit, limitPhrase);
    return check;
}

// A check that does not concern the design, and why.
DesignCheck notApplicable(DesignCheck check, const TranslatableText &why)
{
    check.outcome = CheckOutcome::NotApplicable;
    check.message = why;
    return check;
}

// A flow held against the results' flows, to the hundredth.
double shownFlow(double flow)
{
    return std::round(flow * 100) / 100;
}

const TranslatableText litresPerSecond = TranslatableText::plain(QStringLiteral("L/s"));
const TranslatableText metres = TranslatableText::plain(QStringLiteral("m"));
TranslatableText hoursADay()
{
    return translatable("quorvel::DesignChecks", "h/day");
}

// The supply: by gravity when the pumping head is 0 or less, else by a pump, which
// fails when no catalog pump can do the duty.
DesignCheck supplyCheck(const DesignCheckInput &in)
{
    DesignCheck check{QCoreApplication::translate("quorvel::DesignChecks", "supply"), in.pumpingHead, 0,
                      QStringLiteral("m"), CheckOutcome::Pass, {},
                      QCoreApplication::translate("quorvel::DesignChecks", "a pump for a pumping head above 0 m")};
    if (in.gravity()) {
        check.message = translatable("quorvel::DesignChecks", "gravity supply: no pump needed");
    } else if (!in.pumpPicked) {
        check.outcome = CheckOutcome::Fail;
        check.message = translatable("quorvel::DesignChecks", "no catalog pump delivers %1 L/s at %2 m")
                            .arg(limitText(shownFlow(in.designFlow)),
                                 limitText(std::round(in.pumpingHead * (1 + in.headMargin) * 100) / 100));
        if (in.headMargin > 0)
            check.message += translatable("quorvel::DesignChecks", " (pumping head %1 m + %2 %)")
                                 .arg(limitText(in.pumpingHead), limitText(in.headMargin * 100));
    }
    return check;
}

// The picked pump's rated flow and head against the duty; not applicable by gravity.
QList<DesignCheck> ratedDutyChecks(const DesignCheckInput &in)
{
    QList<DesignCheck> checks;
    if (!in.gravity() && !in.pumpPicked)
        return checks;
    const TranslatableText byGravity = translatable("quorvel::DesignChecks", "a gravity supply needs no pump");
    const auto rated = [&](const char *name, double value, std::optional<double> limit, const TranslatableText &unit,
                           const char *limitName) {
        const DesignCheck check = bound(TranslatableText::of("quorvel::DesignChecks", name), value, limit.value_or(0),
                                        unit, false, CheckOutcome::Warning,
                                        TranslatableText::of("quorvel::DesignChecks", limitName));
        if (in.gravity())
            checks << notApplicable(check, byGravity);
        else if (limit)
            checks << check;
    };
    rated(QT_TRANSLATE_NOOP("quorvel::DesignChecks", "design flow"), in.designFlow, in.ratedFlow, litresPerSecond,
          QT_TRANSLATE_NOOP("quorvel::DesignChecks", "the pump's rated flow of %1"));
    rated(QT_TRANSLATE_NOOP("quorvel::DesignChecks", "pumping head"), in.pumpingHead, in.ratedHead, metres,
          QT_TRANSLATE_NOOP("quorvel::DesignChecks", "the pump's rated head of %1"));
    return checks;
}

// Where the water runs on the pipeline: the flow delivered against the design flow,
// the hours a day it needs to deliver the day's demand, the velocity at that flow,
// and for a pump its share of its rated flow.
QList<DesignCheck> operatingPointChecks(const DesignCheckInput &in)
{
    const OperatingPoint &point = *in.operatingPoint;
    const bool gravity = in.gravity();
    QList<DesignCheck> checks;

    DesignCheck flow = bound(gravity ? translatable("quorvel::DesignChecks", "gravity flow")
                                     : translatable("quorvel::DesignChecks", "operating flow"),
                             point.flow, shownFlow(in.designFlow), litresPerSecond, true, CheckOutcome::Warning,
                             translatable("quorvel::DesignChecks", "the design flow of %1"));
    if (point.flow <= 0) {
        flow.outcome = CheckOutcome::Fail;
        flow.message += translatable("quorvel::DesignChecks", ": no water reaches the tank");
    } else if (flow.outcome != CheckOutcome::Pass) {
        flow.message += translatable("quorvel::DesignChecks", ": the tank does not fill in the pumping hours");
    }
    checks << flow;

    const TranslatableText noFlow = translatable("quorvel::DesignChecks", "no water flows");
    DesignCheck hours = bound(gravity ? translatable("quorvel::DesignChecks", "hours at the gravity flow")
                                      : translatable("quorvel::DesignChecks", "pumping hours at the operating point"),
                              point.hoursPerDay, hoursPerDay, hoursADay(), false, CheckOutcome::Fail);
    if (hours.outcome == CheckOutcome::Fail)
        hours.message += translatable("quorvel::DesignChecks", ": the day's demand does not reach the tank");
    checks << (point.flow > 0 ? hours : notApplicable(hours, noFlow));

    const DesignCheck velocity =
        bound(gravity ? translatable("quorvel::DesignChecks", "flow velocity at the gravity flow")
                      : translatable("quorvel::DesignChecks", "flow velocity at the operating point"),
              flowVelocity(point.flow, in.insideDiameter), in.velocities.max, TranslatableText::plain(QStringLiteral("m/s")),
              false, CheckOutcome::Warning);
    checks << (point.flow > 0 ? velocity : notApplicable(velocity, noFlow));

    const double ratedFlow = in.ratedFlow.value_or(0);
    const double share = ratedFlow > 0 ? point.flow / ratedFlow * 100 : 0;
    DesignCheck band{QCoreApplication::translate("quorvel::DesignChecks", "share of the rated flow"), share,
                     share < RatedFlowBand::low * 100 ? RatedFlowBand::low * 100 : RatedFlowBand::high * 100,
                     QStringLiteral("%"),
                     RatedFlowBand::holds(point.flow, ratedFlow) ? CheckOutcome::Pass : CheckOutcome::Warning, {},
                     QCoreApplication::translate("quorvel::DesignChecks", "%1 to %2 % of the rated flow")
                         .arg(limitText(RatedFlowBand::low * 100), limitText(RatedFlowBand::high * 100))};
    if (band.outcome == CheckOutcome::Warning)
        band.message = (share > 100 ? translatable("quorvel::DesignChecks",
                                                   "the pump runs at %1 % of its rated flow of %2 L/s, far right of its "
                                                   "rated point: inefficient, and it may cavitate")
                                    : translatable("quorvel::DesignChecks",
                                                   "the pump runs at %1 % of its rated flow of %2 L/s, far left of its "
                                                   "rated point: inefficient"))
                           .arg(QString::number(std::round(share)), limitText(ratedFlow));
    if (gravity)
        checks << notApplicable(band, translatable("quorvel::DesignChecks", "a gravity supply needs no pump"));
    else if (ratedFlow > 0)
        checks << (point.flow > 0 ? band : notApplicable(band, noFlow));
    return checks;
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

DesignCheckInput checkInput(const DesignRecord &design, const std::optional<PumpDuty> &pumpDuty,
                            const std::optional<OperatingPoint> &operatingPoint, const VelocityRange &velocities)
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
    if (pumpDuty) {
        in.ratedFlow = pumpDuty->flow;
        in.ratedHead = pumpDuty->head;
    }
    in.operatingPoint = operatingPoint;
    in.velocities = velocities;
    return in;
}

DesignAssessment assessDesign(const DesignRecord &design, const std::optional<PumpDuty> &pumpDuty,
                              const std::optional<OperatingPoint> &operatingPoint, const VelocityRange &velocities,
                              double headMargin)
{
    DesignCheckInput in = checkInput(design, pumpDuty, operatingPoint, velocities);
    in.headMargin = headMargin;
    return {pumpDuty, operatingPoint, in.gravity(), designChecks(in)};
}

DesignAssessment assessDesign(const DesignRecord &design, const CellTable &pumps, const VelocityRange &velocities)
{
    const std::optional<PumpDuty> duty = ratedDuty(pumps, design.pumpCatalogRow);
    // A gravity supply runs without the pump, whatever pump was picked; a picked pump
    // without a rated duty has no curve to run on.
    const bool gravity = double(design.results.pumpingHead) <= 0;
    std::optional<OperatingPoint> point;
    if (gravity || duty)
        point = designOperatingPoint(design, gravity ? std::nullopt : duty);
    return assessDesign(design, duty, point, velocities);
}

bool DesignAssessment::designed() const
{
    return std::none_of(checks.begin(), checks.end(),
                        [](const DesignCheck &check) { return check.outcome == CheckOutcome::Fail; });
}

TranslatableTexts DesignAssessment::messages(CheckOutcome outcome) const
{
    TranslatableTexts texts;
    for (const DesignCheck &check : checks) {
        if (check.outcome == outcome && !check.message.isEmpty())
            texts << check.message;
    }
    return texts;
}

QList<DesignCheck> designChecks(const DesignCheckInput &in)
{
    QList<DesignCheck> checks;
    // One velocity check held against the bound it breaks (the lower one when none).
    const QString metresPerSecond = QStringLiteral("m/s");
    const double v = flowVelocity(in.designFlow, in.insideDiameter);
    const bool tooFast = v > in.velocities.max;
    DesignCheck velocity = bound(translatable("quorvel::DesignChecks", "flow velocity"), v,
                                 tooFast ? in.velocities.max : in.velocities.min, plain(metresPerSecond), !tooFast,
                                 CheckOutcome::Warning);
    velocity.requirement = QCoreApplication::translate("quorvel::DesignChecks", "%1 to %2 %3")
                               .arg(limitText(in.velocities.min), limitText(in.velocities.max), metresPerSecond);
    checks << velocity
           << bound(translatable("quorvel::DesignChecks", "daily usage"), in.dailyUsage, minimumDailyUsage,
                    translatable("quorvel::DesignChecks", "L/person/day"), true, CheckOutcome::Warning)
           << bound(translatable("quorvel::DesignChecks", "people per tap"), in.peoplePerTap, maximumPeoplePerTap,
                    translatable("quorvel::DesignChecks", "people"), false, CheckOutcome::Warning)
           << bound(translatable("quorvel::DesignChecks", "estimated pumping time at the design flow"),
                    in.actualPumpingTime, hoursPerDay, hoursADay(), false, CheckOutcome::Warning);
    DesignCheck storage = bound(translatable("quorvel::DesignChecks", "actual storage"), in.actualStorage,
                                in.theoreticalStorage, plain(QStringLiteral("m\u00b3")), true, CheckOutcome::Warning,
                                translatable("quorvel::DesignChecks", "the theoretical storage of %1"));
    if (storage.outcome != CheckOutcome::Pass)
        storage.message += translatable("quorvel::DesignChecks", ", %1 m\u00b3 short")
                               .arg(QString::number(in.theoreticalStorage - in.actualStorage, 'g', 15));
    checks << storage << supplyCheck(in) << ratedDutyChecks(in);
    if (in.operatingPoint)
        checks << operatingPointChecks(in);
    return checks;
}

QString checksSummary(const QList<DesignCheck> &checks)
{
    QStringList notes, warnings, failures;
    qsizetype applicable = 0;
    for (const DesignCheck &check : checks) {
        switch (check.outcome) {
        case CheckOutcome::Pass:
            if (!check.message.isEmpty())
                notes << check.message.shown;
            break;
        case CheckOutcome::Warning: warnings << check.message.shown; break;
        case CheckOutcome::Fail: failures << check.message.shown; break;
        case CheckOutcome::NotApplicable: continue;
        }
        ++applicable;
    }
    const auto listed = [](const QStringList &texts, const QString &one, const QString &many) {
        const QString list = texts.join(QStringLiteral("; "));
        return texts.size() == 1 ? one.arg(list) : many.arg(texts.size()).arg(list);
    };
    QStringList parts;
    if (!failures.isEmpty())
        parts << QCoreApplication::translate("quorvel::DesignChecks", "Not designed: %1")
                     .arg(listed(failures, QCoreApplication::translate("quorvel::DesignChecks", "1 failure: %1"),
                                 QCoreApplication::translate("quorvel::DesignChecks", "%1 failures: %2")));
    else
        parts << notes;
    if (!warnings.isEmpty())
        parts << listed(warnings, QCoreApplication::translate("quorvel::DesignChecks", "1 warning: %1"),
                        QCoreApplication::translate("quorvel::DesignChecks", "%1 warnings: %2"));
    else if (failures.isEmpty())
        parts << (notes.isEmpty() ? QCoreApplication::translate("quorvel::DesignChecks", "All %1 checks pass")
                                  : QCoreApplication::translate("quorvel::DesignChecks", "all %1 checks pass"))
                     .arg(applicable);
    return parts.join(QStringLiteral("; "));
}

} // namespace quorvel
