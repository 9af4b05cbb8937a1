#pragma once

#include "designsummary.h"
#include "sitedesign.h"

#include <QFileDevice>
#include <QString>
#include <memory>

namespace quorvel {

// The design report: a PDF document, A4, one page per site, drawn with Qt's PDF
// writer (no display needed): the site's name and the date, the inputs with their
// units, the ten results, the warnings (or the error), the schematic with its four
// captions, and the chosen pump's curve picture from the database folder. Text is
// real text in the PDF, in the fonts of the printout. Pages are drawn as sites come,
// so a long run keeps one page in memory. The bill of quantities, when asked for,
// is the last page.
class DesignReport {
public:
    // Begins the document on an open file (a QSaveFile, committed by the caller once
    // finish() returned); raises Error when it cannot be begun.
    DesignReport(QFileDevice &pdf, const QString &databaseDir);
    ~DesignReport();
    DesignReport(const DesignReport &) = delete;
    DesignReport &operator=(const DesignReport &) = delete;

    void addPage(const SiteResult &result);
    void addSummaryPage(const DesignSummary &summary);
    // Ends the document; raises Error when it could not be written whole.
    void finish();

private:
    struct Document;
    std::unique_ptr<Document> document_;
};

} // namespace quorvel
