#include "designsummary.h"

#include "numbers.h"
#include "showntexts.h"

#include <QCoreApplication>

#include <cmath>

namespace quorvel {

namespace {

// A pump's or tank's description as the results write it, shown translated.
TranslatableText described(const QString &description)
{
    return {description, shownSheetText(description)};
}

} // namespace

QString quantityText(double quantity)
{
    return QString::number(std::round(quantity * 1000) / 1000, 'g', 15);
}

void DesignSummary::add(const SiteResult &r)
{
    const DesignRecord &design = r.design;
    if (!r.stopped() && !r.gravity && r.pump.isEmpty()) {
        const QString flow = quantityText(std::round(design.designFlow * 100) / 100);
        const QString head = quantityText(double(design.results.pumpingHead));
        unpumpedDuties_ << (r.site.name.isEmpty()
                                ? translatable("quorvel::DesignSummary", "line %1: %2 L/s at a pumping head of %3 m")
                                      .arg(QString::number(r.site.line), flow, head)
                                : translatable("quorvel::DesignSummary", "%1 (line %2): %3 L/s at a pumping head of %4 m")
                                      .arg(r.site.name, QString::number(r.site.line), flow, head));
    }
    if (r.failed()) {
        ++failed_;
        return;
    }
    ++designed_;
    if (r.gravity)
        ++gravity_;
    if (!r.pump.isEmpty())
        pumps_[r.pump] += 1;
    tanks_[r.tank] += double(design.results.tanks);
    kits_ += double(design.results.tapstandKits);
    pipeMetres_[design.nominalDiameter] += design.inputs.pipelineLength;
    people_ += design.inputs.population;
    demand_ += design.inputs.population * design.inputs.dailyUsage / 1000;
}

QList<SummaryItem> DesignSummary::items() const
{
    const TranslatableText unit = translatable("quorvel::DesignSummary", "unit");
    const TranslatableText sites = translatable("quorvel::DesignSummary", "Sites");
    const TranslatableText siteUnit = translatable("quorvel::DesignSummary", "sites");
    QList<SummaryItem> items{
        {sites, translatable("quorvel::DesignSummary", "designed"), double(designed_), siteUnit},
        {sites, translatable("quorvel::DesignSummary", "failed"), double(failed_), siteUnit},
        {sites, translatable("quorvel::DesignSummary", "gravity supply, no pump"), double(gravity_), siteUnit}};
    for (auto it = pumps_.begin(); it != pumps_.end(); ++it)
        items.append({translatable("quorvel::DesignSummary", "Pumps"), described(it.key()), it.value(), unit});
    for (auto it = tanks_.begin(); it != tanks_.end(); ++it)
        items.append({translatable("quorvel::DesignSummary", "Tanks"), described(it.key()), it.value(), unit});
    items.append({translatable("quorvel::DesignSummary", "Tapstand kits"),
                  translatable("quorvel::DesignSummary", "kits of 6 taps"), kits_, unit});
    for (auto it = pipeMetres_.begin(); it != pipeMetres_.end(); ++it)
        items.append({translatable("quorvel::DesignSummary", "Pipe"),
                      translatable("quorvel::DesignSummary", "nominal %1\"").arg(formatNumber(it.key())),
                      double(it.value()), translatable("quorvel::DesignSummary", "m")});
    items.append({translatable("quorvel::DesignSummary", "People served"), {}, double(people_),
                  translatable("quorvel::DesignSummary", "people")});
    items.append({translatable("quorvel::DesignSummary", "Daily demand"), {}, double(demand_),
                  translatable("quorvel::DesignSummary", "m\u00b3/day")});
    for (const TranslatableText &duty : unpumpedDuties_)
        items.append({translatable("quorvel::DesignSummary", "Pumps to be sourced"), duty, 1, unit});
    return items;
}

} // namespace quorvel
