#include "designsummary.h"

#include "error.h"
#include "numbers.h"

#include <QCoreApplication>

namespace quorvel {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("DesignSummary", text);
}

double number(const QString &text)
{
    try {
        return double(parseNumber(text));
    } catch (const Error &) {
        return 0;
    }
}

} // namespace

void DesignSummary::add(const SiteResult &r)
{
    if (r.failed()) {
        ++failed_;
        return;
    }
    ++designed_;
    if (r.gravity)
        ++gravity_;
    if (!r.pump.isEmpty())
        pumps_[r.pump] += 1;
    tanks_[r.tank] += number(r.results[ResultRow::Tanks]);
    kits_ += number(r.results[ResultRow::TapstandKits]);
    pipeMetres_[number(r.results[ResultRow::NominalDiameter])] += number(r.site.inputs[InputRow::PipelineLength]);
    const double people = number(r.site.inputs[InputRow::Population]);
    people_ += people;
    demand_ += people * number(r.site.inputs[InputRow::DailyUsage]) / 1000;
}

QList<SummaryItem> DesignSummary::items() const
{
    const QString unit = tr("unit");
    QList<SummaryItem> items{{tr("Sites"), tr("designed"), double(designed_), tr("sites")},
                             {tr("Sites"), tr("failed"), double(failed_), tr("sites")},
                             {tr("Sites"), tr("gravity supply, no pump"), double(gravity_), tr("sites")}};
    for (auto it = pumps_.begin(); it != pumps_.end(); ++it)
        items.append({tr("Pumps"), it.key(), it.value(), unit});
    for (auto it = tanks_.begin(); it != tanks_.end(); ++it)
        items.append({tr("Tanks"), it.key(), it.value(), unit});
    items.append({tr("Tapstand kits"), tr("kits of 6 taps"), kits_, unit});
    for (auto it = pipeMetres_.begin(); it != pipeMetres_.end(); ++it)
        items.append({tr("Pipe"), tr("nominal %1\"").arg(formatNumber(it.key())), it.value(), QStringLiteral("m")});
    items.append({tr("People served"), QString(), people_, tr("people")});
    items.append({tr("Daily demand"), QString(), demand_, QStringLiteral("m\u00b3/day")});
    return items;
}

} // namespace quorvel
