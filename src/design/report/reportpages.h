#pragma once

#include "designsummary.h"
#include "pagetext.h"
#include "sitedesign.h"

#include <QImage>
#include <QList>
#include <QPainter>
#include <QString>

namespace quorvel {

// Who prepared a report and what its checks assumed, as every page states it.
struct ReportContext {
    QString preparedBy;   // the engineer
    QString organisation;
    VelocityRange velocities;
    double headMargin = 0; // of an automatically chosen pump; 0 when the engineer picked it
    bool sitesFile = true; // the sites come from a sites file, whose lines the pages name
};

// One line of the table of sites that were not designed.
struct FailedSite {
    int line = 0;
    QString name;
    QString reason; // as people read it
};

// What every page shares: the painter on the PDF writer, the report's context, the
// schematic drawn once as a picture (a picture drawn on many pages is stored once in
// the file), the texts shaped once for every page, and the page number with the page
// count.
struct ReportPrinting {
    QPainter &painter;
    const ReportContext &context;
    const QImage &schematic;
    TextShaper &shaper;
    int page = 0;
    int pages = 0;
    int assumptionsPage = 0; // the page stating the assumptions of all sites; 0: each site's own
};

// The pages of a design report, A4 portrait: each has a header (title, date, who
// prepared it) and a footer (program, version, page n of N). Right to left in a
// right-to-left language: tables, bullets and labels mirrored.
namespace reportpages {

// One designed site: inputs and results with their units, pump and tank, the notes,
// every check in a table, the assumptions and the schematic with its captions.
void drawSite(ReportPrinting &printing, const SiteResult &site);
// The assumptions shared by every site of a report.
void drawAssumptions(ReportPrinting &printing);
// The bill of quantities.
void drawSummary(ReportPrinting &printing, const QList<SummaryItem> &items);
// The sites not designed, as many rows as fit from the first given; gives the number
// of rows drawn (at least one).
int drawFailures(ReportPrinting &printing, const QList<FailedSite> &failures, int first);
// How many pages the failures table takes.
int failurePages(QPaintDevice &device, const QList<FailedSite> &failures);

// The schematic's size on a site page, in device units, to draw it once at.
QSizeF schematicSize(QPaintDevice &device);

} // namespace reportpages

} // namespace quorvel
