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

QString limitText(double limit)
{
    return QString::number(limit, 'g', 15);
}

const char *const context = "quorvel::DesignChecks";

TranslatableText translated(const char *text)
{
    return TranslatableText::of(context, text);
}

// A flow held against the results' flows, to the hundredth.
double shownFlow(double flow)
{
    return std::round(flow * 100) / 100;
}

// What a bound is held against, in words: the check's name, the unit of its value and
// limit, and a phrase naming the limit ("the design flow of %1"), each untranslated.
struct BoundWords {
    const char *name;
    const char *unit;
    const char *limitName = nullptr;
};

// Makes the checks of one design. With only the findings asked for (the command, which
// writes only warnings and failures), a passing check carries its outcome and value but
// no texts, which are most of the work.
class CheckMaker {
public:
    CheckMaker(const DesignCheckInput &in, CheckTexts texts) : in_(in), allTexts_(texts == CheckTexts::All) {}

    // value below (or above) limit: "<name> <value> <unit> below <limit> <unit>", with
    // the given outcome when the limit is broken. The message goes to files in English
    // and to the screen translated.
    DesignCheck bound(const BoundWords &words, double value, double limit, bool isMinimum, CheckOutcome broken) const
    {
        const bool holds = isMinimum ? value >= limit : value <= limit;
        DesignCheck check{{}, value, limit, {}, holds ? CheckOutcome::Pass : broken, {}, {}};
        if (holds && !allTexts_)
            return check;
        const TranslatableText name = translated(words.name);
        const TranslatableText unit = translated(words.unit);
        TranslatableText limitWords = TranslatableText::plain(limitText(limit) + QLatin1Char(' '));
        limitWords += unit;
        const TranslatableText limitPhrase = words.limitName ? translated(words.limitName).arg(limitWords) : limitWords;
        check.name = name.shown;
        check.unit = unit.shown;
        check.requirement = (isMinimum ? translatable("quorvel::DesignChecks", "at least %1") : translatable("quorvel::DesignChecks", "at most %1"))
                                .arg(limitPhrase)
                                .shown;
        if (!holds)
            check.message = (isMinimum ? translatable("quorvel::DesignChecks", "%1 %2 %3 below %4")
                                       : translatable("quorvel::DesignChecks", "%1 %2 %3 above %4"))
                                .arg(name, valueBesideLimit(value, limit), unit, limitPhrase);
        return check;
    }

    // A check that does not concern the design, and why.
    DesignCheck notApplicable(DesignCheck check, const char *why) const
    {
        check.outcome = CheckOutcome::NotApplicable;
        if (allTexts_)
            check.message = translated(why);
        return check;
    }

    QList<DesignCheck> all() const
    {
        QList<DesignCheck> checks;
        checks.reserve(12);
        // One velocity check held against the bound it breaks (the lower one when none).
        const double v = flowVelocity(in_.designFlow, in_.insideDiameter);
        const bool tooFast = v > in_.velocities.max;
        DesignCheck velocity = bound({QT_TRANSLATE_NOOP("quorvel::DesignChecks", "flow velocity"), metresPerSecond}, v,
                                     tooFast ? in_.velocities.max : in_.velocities.min, !tooFast, CheckOutcome::Warning);
        if (allTexts_)
            velocity.requirement = QCoreApplication::translate("quorvel::DesignChecks", "%1 to %2 %3")
                                       .arg(limitText(in_.velocities.min), limitText(in_.velocities.max), velocity.unit);
        checks << velocity
               << bound({QT_TRANSLATE_NOOP("quorvel::DesignChecks", "daily usage"),
                         QT_TRANSLATE_NOOP("quorvel::DesignChecks", "L/person/day")},
                        in_.dailyUsage, minimumDailyUsage, true, CheckOutcome::Warning)
               << bound({QT_TRANSLATE_NOOP("quorvel::DesignChecks", "people per tap"),
                         QT_TRANSLATE_NOOP("quorvel::DesignChecks", "people")},
                        in_.peoplePerTap, maximumPeoplePerTap, false, CheckOutcome::Warning)
               << bound({QT_TRANSLATE_NOOP("quorvel::DesignChecks", "estimated pumping time at the design flow"),
                         hoursADay},
                        in_.actualPumpingTime, hoursPerDay, false, CheckOutcome::Warning);
        DesignCheck storage = bound({QT_TRANSLATE_NOOP("quorvel::DesignChecks", "actual storage"), cubicMetres,
                                     QT_TRANSLATE_NOOP("quorvel::DesignChecks", "the theoretical storage of %1")},
                                    in_.actualStorage, in_.theoreticalStorage, true, CheckOutcome::Warning);
        if (storage.outcome != CheckOutcome::Pass)
            storage.message += translatable("quorvel::DesignChecks", ", %1 m\u00b3 short")
                                   .arg(QString::number(in_.theoreticalStorage - in_.actualStorage, 'g', 15));
        checks << storage << supply();
        ratedDuty(checks);
        if (in_.operatingPoint)
            operatingPoint(checks);
        return checks;
    }

private:
    // The units the checks hold values in; the symbols read the same in most languages.
    static constexpr const char *hoursADay = QT_TRANSLATE_NOOP("quorvel::DesignChecks", "h/day");
    static constexpr const char *metres = QT_TRANSLATE_NOOP("quorvel::DesignChecks", "m");
    static constexpr const char *cubicMetres = QT_TRANSLATE_NOOP("quorvel::DesignChecks", "m\u00b3");
    static constexpr const char *litresPerSecond = QT_TRANSLATE_NOOP("quorvel::DesignChecks", "L/s");
    static constexpr const char *metresPerSecond = QT_TRANSLATE_NOOP("quorvel::DesignChecks", "m/s");
    static constexpr const char *byGravity = QT_TRANSLATE_NOOP("quorvel::DesignChecks", "a gravity supply needs no pump");
    static constexpr const char *noFlow = QT_TRANSLATE_NOOP("quorvel::DesignChecks", "no water flows");

    // The supply: by gravity when the pumping head is 0 or less, else by a pump, which
    // fails when no catalog pump can do the duty.
    DesignCheck supply() const
    {
        DesignCheck check{{}, in_.pumpingHead, 0, QCoreApplication::translate(context, metres), CheckOutcome::Pass, {}, {}};
        if (allTexts_) {
            check.name = QCoreApplication::translate("quorvel::DesignChecks", "supply");
            check.requirement = QCoreApplication::translate("quorvel::DesignChecks", "a pump for a pumping head above 0 m, else gravity");
        }
        if (in_.gravity()) {
            // A note the summary line leads with.
            check.message = translatable("quorvel::DesignChecks", "gravity supply: no pump needed");
        } else if (!in_.pumpPicked) {
            check.outcome = CheckOutcome::Fail;
            check.message = translatable("quorvel::DesignChecks", "no catalog pump delivers %1 L/s at %2 m")
                                .arg(limitText(shownFlow(in_.designFlow)),
                                     limitText(std::round(in_.pumpingHead * (1 + in_.headMargin) * 100) / 100));
            if (in_.headMargin > 0)
                check.message += translatable("quorvel::DesignChecks", " (pumping head %1 m + %2 %)")
                                     .arg(limitText(in_.pumpingHead), limitText(in_.headMargin * 100));
        }
        return check;
    }

    // The picked pump's rated flow and head against the duty; not applicable by gravity.
    void ratedDuty(QList<DesignCheck> &checks) const
    {
        if (!in_.gravity() && !in_.pumpPicked)
            return;
        const auto rated = [&](const BoundWords &words, double value, std::optional<double> limit) {
            DesignCheck check = bound(words, value, limit.value_or(0), false, CheckOutcome::Warning);
            if (!limit)
                check.requirement = QStringLiteral("\u2014"); // no pump picked, no rating to hold it to
            if (in_.gravity())
                checks << notApplicable(check, byGravity);
            else if (limit)
                checks << check;
        };
        rated({QT_TRANSLATE_NOOP("quorvel::DesignChecks", "design flow"), litresPerSecond,
               QT_TRANSLATE_NOOP("quorvel::DesignChecks", "the pump's rated flow of %1")},
              in_.designFlow, in_.ratedFlow);
        rated({QT_TRANSLATE_NOOP("quorvel::DesignChecks", "pumping head"), metres,
               QT_TRANSLATE_NOOP("quorvel::DesignChecks", "the pump's rated head of %1")},
              in_.pumpingHead, in_.ratedHead);
    }

    // Where the water runs on the pipeline: the flow delivered against the design flow,
    // the hours a day it needs to deliver the day's demand, the velocity at that flow,
    // and for a pump its share of its rated flow.
    void operatingPoint(QList<DesignCheck> &checks) const
    {
        const OperatingPoint &point = *in_.operatingPoint;
        const bool gravity = in_.gravity();
        const bool flows = point.flow > 0;

        DesignCheck flow = bound({gravity ? QT_TRANSLATE_NOOP("quorvel::DesignChecks", "gravity flow")
                                          : QT_TRANSLATE_NOOP("quorvel::DesignChecks", "operating flow"),
                                  litresPerSecond, QT_TRANSLATE_NOOP("quorvel::DesignChecks", "the design flow of %1")},
                                 point.flow, shownFlow(in_.designFlow), true, CheckOutcome::Warning);
        if (!flows) {
            flow.outcome = CheckOutcome::Fail;
            flow.message += translatable("quorvel::DesignChecks", ": no water reaches the tank");
        } else if (flow.outcome != CheckOutcome::Pass) {
            flow.message += translatable("quorvel::DesignChecks", ": the tank does not fill in the pumping hours");
        }
        checks << flow;

        DesignCheck hours = bound({gravity ? QT_TRANSLATE_NOOP("quorvel::DesignChecks", "hours at the gravity flow")
                                           : QT_TRANSLATE_NOOP("quorvel::DesignChecks", "pumping hours at the operating point"),
                                   hoursADay},
                                  point.hoursPerDay, hoursPerDay, false, CheckOutcome::Fail);
        if (flows && hours.outcome == CheckOutcome::Fail)
            hours.message += translatable("quorvel::DesignChecks", ": the day's demand does not reach the tank");
        checks << (flows ? hours : notApplicable(hours, noFlow));

        const DesignCheck velocity =
            bound({gravity ? QT_TRANSLATE_NOOP("quorvel::DesignChecks", "flow velocity at the gravity flow")
                           : QT_TRANSLATE_NOOP("quorvel::DesignChecks", "flow velocity at the operating point"),
                   metresPerSecond},
                  flowVelocity(point.flow, in_.insideDiameter), in_.velocities.max, false, CheckOutcome::Warning);
        checks << (flows ? velocity : notApplicable(velocity, noFlow));

        const double ratedFlow = in_.ratedFlow.value_or(0);
        if (!gravity && ratedFlow <= 0)
            return;
        const double share = ratedFlow > 0 ? point.flow / ratedFlow * 100 : 0;
        const bool inBand = RatedFlowBand::holds(point.flow, ratedFlow);
        DesignCheck band{{}, share, share < RatedFlowBand::low * 100 ? RatedFlowBand::low * 100 : RatedFlowBand::high * 100,
                         QStringLiteral("%"), inBand ? CheckOutcome::Pass : CheckOutcome::Warning, {}, {}};
        if (allTexts_) {
            band.name = QCoreApplication::translate("quorvel::DesignChecks", "share of the rated flow");
            band.requirement = QCoreApplication::translate("quorvel::DesignChecks", "%1 to %2 % of the rated flow")
                                   .arg(limitText(RatedFlowBand::low * 100), limitText(RatedFlowBand::high * 100));
        }
        if (!inBand)
            band.message = (share > 100 ? translatable("quorvel::DesignChecks", "the pump runs at %1 % of its rated flow of %2 L/s, far "
                                                                "right of its rated point: inefficient, and it may cavitate")
                                        : translatable("quorvel::DesignChecks", "the pump runs at %1 % of its rated flow of %2 L/s, far "
                                                                "left of its rated point: inefficient"))
                               .arg(QString::number(std::round(share)), limitText(ratedFlow));
        if (gravity)
            checks << notApplicable(band, byGravity);
        else
            checks << (flows ? band : notApplicable(band, noFlow));
    }

    const DesignCheckInput &in_;
    bool allTexts_;
};

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
                              double headMargin, CheckTexts texts)
{
    DesignCheckInput in = checkInput(design, pumpDuty, operatingPoint, velocities);
    in.headMargin = headMargin;
    return {pumpDuty, operatingPoint, in.gravity(), designChecks(in, texts)};
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

QList<DesignCheck> designChecks(const DesignCheckInput &in, CheckTexts texts)
{
    return CheckMaker(in, texts).all();
}

QString shownCheckValue(const DesignCheck &check)
{
    if (!std::isfinite(check.value) || check.outcome == CheckOutcome::NotApplicable)
        return QStringLiteral("\u2014");
    return valueBesideLimit(check.value, check.limit) + QLatin1Char(' ') + check.unit;
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
        const QString list = joinShown(texts);
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
    return joinShown(parts);
}

} // namespace quorvel
