#include "designsummary.h"

#include "numbers.h"
#include "showntexts.h"

#include <QCoreApplication>

namespace quorvel {

namespace {

TranslatableText plain(const QString &text)
{
    return TranslatableText::plain(text);
}

// A pump's or tank's description as the results write it, shown translated.
TranslatableText described(const QString &description)
{
    return {description, shownSheetText(description)};
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
    const DesignRecord &design = r.design;
    tanks_[r.tank] += double(design.results.tanks);
    kits_ += double(design.results.tapstandKits);
    pipeMetres_[design.nominalDiameter] += double(design.inputs.pipelineLength);
    people_ += double(design.inputs.population);
    demand_ += design.inputs.dailyDemand();
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
                      translatable("quorvel::DesignSummary", "nominal %1\"").arg(formatNumber(it.key())), it.value(),
                      plain(QStringLiteral("m"))});
    items.append({translatable("quorvel::DesignSummary", "People served"), {}, people_,
                  translatable("quorvel::DesignSummary", "people")});
    items.append({translatable("quorvel::DesignSummary", "Daily demand"), {}, demand_,
                  plain(QStringLiteral("m\u00b3/day"))});
    return items;
}

} // namespace quorvel
