#pragma once

#include "numbers.h"
#include "sitedesign.h"

#include <QList>
#include <QMap>
#include <QString>

namespace quorvel {

// One line of the bill of quantities: "Pumps", "Diesel engine pump DE-80 model", 3, "unit";
// English in the CSV and JSON, translated in the table and the report.
struct SummaryItem {
    TranslatableText group;
    TranslatableText item;
    double quantity = 0;
    TranslatableText unit;
};

// A quantity as the summary writes it: to the thousandth at most, so that sums of
// decimals show no binary noise ("819409.875", not "819409.875000001").
QString quantityText(double quantity);

// Totals across the sites with a complete design, a pump or gravity (the others are
// counted, not totalled): pumps by model, tanks by type, tapstand kits, pipe metres by
// nominal diameter, people served and daily demand; and the duty (flow and head) of
// each site that no catalog pump could serve, so that a pump can be sourced for it.
class DesignSummary {
public:
    void add(const SiteResult &result);
    QList<SummaryItem> items() const;

private:
    int designed_ = 0;
    int failed_ = 0;
    int gravity_ = 0;
    QMap<QString, double> pumps_;
    QMap<QString, double> tanks_;
    QMap<double, Extended> pipeMetres_; // by nominal diameter, inches
    QList<TranslatableText> unpumpedDuties_; // "Camp 4 (line 5): 12.5 L/s at 60.5 m"
    double kits_ = 0;
    Extended people_ = 0;
    Extended demand_ = 0; // m^3/day
};

} // namespace quorvel
