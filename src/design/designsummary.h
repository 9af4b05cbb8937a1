#pragma once

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

// Totals across the designed sites (failed ones are counted, not totalled): pumps by
// model, tanks by type, tapstand kits, pipe metres by nominal diameter, people served
// and daily demand.
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
    QMap<double, double> pipeMetres_; // by nominal diameter, inches
    double kits_ = 0;
    double people_ = 0;
    double demand_ = 0; // m^3/day
};

} // namespace quorvel
