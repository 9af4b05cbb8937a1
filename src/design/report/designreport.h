#pragma once

#include "designsummary.h"
#include "reportpages.h"
#include "sitedesign.h"

#include <QFileDevice>
#include <QString>
#include <memory>

namespace quorvel {

// The design report: a PDF document, A4, drawn with Qt's PDF writer (no display
// needed). Each designed site gets a page: header and footer, inputs and results in
// engineers' units, the pump and tank, every check, the assumptions and the schematic
// with its captions; with more than one such page the assumptions are stated once, on
// a first page of their own. The sites not designed are lines of a table after them, and the
// bill of quantities, when asked for, is the last page. Text is real text in the PDF.
// The sites are kept until finish(), which draws every page knowing their number.
class DesignReport {
public:
    // Begins the document on an open file (a QSaveFile, committed by the caller once
    // finish() returned); raises Error when it cannot be begun.
    explicit DesignReport(QFileDevice &pdf, const ReportContext &context = {});
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
