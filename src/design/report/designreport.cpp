#include "designreport.h"

#include "error.h"
#include "files.h"
#include "reportpages.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>

#include <optional>

namespace quorvel {

namespace {

constexpr double marginMm = 15;
// The schematic is drawn once as a picture at this resolution: every page shows the
// same picture, which the PDF then holds once.
constexpr double schematicDotsPerInch = 150;

[[noreturn]] void raiseCreateError(const QString &path, const QString &reason)
{
    throw Error(translatable("quorvel::Files", "Cannot create file \"%1\". %2").arg(shownPath(path), reason));
}

} // namespace

struct DesignReport::Document {
    Document(QFileDevice &pdf, const ReportContext &reportContext) : file(pdf), writer(&pdf), context(reportContext) {}

    QFileDevice &file;
    QPdfWriter writer;
    QPainter painter;
    ReportContext context;
    // The pages wait for finish(), which knows how many there are.
    QList<SiteResult> sites;
    QList<FailedSite> failures;
    std::optional<QList<SummaryItem>> summary;
    QString writeError;  // the first failed write, kept for finish()
    int page = 0;

    // The schematic as one picture for every page.
    QImage schematicPicture()
    {
        const QSizeF size = reportpages::schematicSize(writer);
        const double scale = schematicDotsPerInch / writer.logicalDpiX();
        QImage picture((size * scale).toSize(), QImage::Format_RGB32);
        picture.fill(Qt::white);
        QSvgRenderer svg(QStringLiteral(":/schematic.svg"));
        svg.setAspectRatioMode(Qt::IgnoreAspectRatio);
        QPainter draw(&picture);
        draw.setRenderHint(QPainter::Antialiasing);
        svg.render(&draw);
        return picture;
    }

    void newPage()
    {
        if (page++ > 0)
            writer.newPage();
        // The writer ignores failed writes; a full disk shows only in the file's state.
        if (writeError.isEmpty() && file.error() != QFileDevice::NoError)
            writeError = file.errorString();
    }
};

DesignReport::DesignReport(QFileDevice &pdf, const ReportContext &context)
    : document_(std::make_unique<Document>(pdf, context))
{
    Document &d = *document_;
    d.writer.setPageSize(QPageSize(QPageSize::A4));
    d.writer.setPageOrientation(QPageLayout::Portrait);
    d.writer.setPageMargins(QMarginsF(marginMm, marginMm, marginMm, marginMm), QPageLayout::Millimeter);
    d.writer.setCreator(QStringLiteral("Quorvel " QUORVEL_VERSION));
    d.writer.setTitle(QStringLiteral("Quorvel design report"));
    if (!d.painter.begin(&d.writer))
        raiseCreateError(pdf.fileName(), d.file.errorString());
}

DesignReport::~DesignReport()
{
    if (document_->painter.isActive())
        document_->painter.end();
}

void DesignReport::addPage(const SiteResult &result)
{
    Document &d = *document_;
    if (!result.failed()) {
        d.sites << result;
        return;
    }
    // A site not designed is a line of the table at the end.
    const QString why = result.stopped() ? result.errorText().shown : joinShown(shownTexts(result.failures));
    d.failures << FailedSite{result.site.line, result.site.name, why};
}

void DesignReport::addSummaryPage(const DesignSummary &summary)
{
    document_->summary = summary.items();
}

void DesignReport::finish()
{
    Document &d = *document_;
    if (!d.painter.isActive())
        return;
    const QImage schematic = d.schematicPicture();
    TextShaper shaper(d.writer);
    ReportPrinting printing{d.painter, d.context, schematic, shaper};
    // Sites of one report share their assumptions: with more than one, a first page
    // states them once instead of on every page.
    const bool assumptionsFirst = d.sites.size() > 1;
    printing.pages = int(d.sites.size()) + (assumptionsFirst ? 1 : 0) + (d.summary ? 1 : 0)
                   + reportpages::failurePages(d.writer, d.failures);
    if (assumptionsFirst) {
        d.newPage();
        printing.page = printing.assumptionsPage = d.page;
        reportpages::drawAssumptions(printing);
    }
    for (const SiteResult &site : std::as_const(d.sites)) {
        d.newPage();
        printing.page = d.page;
        reportpages::drawSite(printing, site);
    }
    for (int first = 0; first < d.failures.size();) {
        d.newPage();
        printing.page = d.page;
        first += reportpages::drawFailures(printing, d.failures, first);
    }
    if (d.summary) {
        d.newPage();
        printing.page = d.page;
        reportpages::drawSummary(printing, *d.summary);
    }
    const bool ended = d.painter.end();
    if (d.writeError.isEmpty() && (!d.file.flush() || d.file.error() != QFileDevice::NoError))
        d.writeError = d.file.errorString();
    if (!d.writeError.isEmpty())
        raiseCreateError(d.file.fileName(), d.writeError);
    if (!ended)
        raiseCreateError(d.file.fileName(),
                         QCoreApplication::translate("quorvel::DesignReport", "The PDF writer could not finish the document"));
}

} // namespace quorvel
