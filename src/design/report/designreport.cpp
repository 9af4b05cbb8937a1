#include "designreport.h"

#include "catalogfiles.h"
#include "error.h"
#include "files.h"
#include "sheetlayout.h"
#include "showntexts.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>

namespace quorvel {

namespace {

// The page, in millimetres: A4 portrait inside even margins. The text column runs
// down the left, the pump curve sits at its right, the schematic spans the foot.
constexpr double marginMm = 15;
constexpr double curveColumnMm = 60;
constexpr double columnGapMm = 6;
constexpr double sectionGapMm = 4;
constexpr double cellPaddingMm = 1.5;
constexpr double bulletIndentMm = 4;
constexpr double lineWidthMm = 0.2;

// The table columns as shares of the text column: caption, value, and the unit in
// the rest.
constexpr double captionShare = 0.54;
constexpr double valueShare = 0.24;

// Font sizes in points.
constexpr double titlePoints = 16;
constexpr double headingPoints = 11;
constexpr double textPoints = 10;

// The main window's schematic: the picture's size and the captions' font, in the
// window's pixels; the captions scale with the picture.
constexpr double windowPictureWidth = 1343;
constexpr double windowPictureHeight = 539;

const QColor gridColour(0xa0, 0xa0, 0xa0);
const QColor errorColour(0xb0, 0x00, 0x00);
// Behind the captions that are not on the desktop colour: the window's face colour.
const QColor captionFace(0xf0, 0xf0, 0xf0);

const QString fontFamily = QStringLiteral("Times New Roman");

QFont reportFont(double points, bool bold = false)
{
    QFont font(fontFamily);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

[[noreturn]] void raiseCreateError(const QString &path, const QString &reason)
{
    throw Error(translatable("quorvel::Files", "Cannot create file \"%1\". %2").arg(absoluteFilePath(path), reason));
}

// One site's page, laid out top-down in the writer's device units.
class PageDrawer {
public:
    PageDrawer(QPainter &painter, QSvgRenderer &schematic, const QString &databaseDir, const SiteResult &result)
        : painter_(painter), schematic_(schematic), databaseDir_(databaseDir), result_(result),
          dotsPerMm_(painter.device()->logicalDpiX() / 25.4),
          page_(0, 0, painter.device()->width(), painter.device()->height())
    {
    }

    void draw()
    {
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing);
        const double top = drawTitle();

        const double schematicHeight = page_.width() * windowPictureHeight / windowPictureWidth;
        const QRectF schematicBox(page_.left(), page_.bottom() - schematicHeight, page_.width(), schematicHeight);
        const double schematicHeadingTop = schematicBox.top() - headingHeight() - mm(1);
        bottom_ = schematicHeadingTop - mm(sectionGapMm);

        const double curveLeft = page_.right() - mm(curveColumnMm);
        column_ = QRectF(page_.left(), top, curveLeft - mm(columnGapMm) - page_.left(), bottom_ - top);
        drawTextColumn();
        drawCurve(QRectF(curveLeft, top, mm(curveColumnMm), bottom_ - top));

        drawHeading(page_.left(), schematicHeadingTop, QCoreApplication::translate("quorvel::DesignReport", "Schematic"));
        drawSchematic(schematicBox);
        painter_.restore();
    }

    // The bill of quantities over the whole page, in place of a site.
    void drawSummary(const QList<SummaryItem> &items)
    {
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing);
        column_ = page_;
        bottom_ = page_.bottom();
        double y = drawHeading(page_.left(), page_.top(), QCoreApplication::translate("quorvel::DesignReport", "Bill of quantities"));
        QList<std::array<QString, 3>> rows;
        for (const SummaryItem &item : items)
            rows.append({item.item.isEmpty() ? item.group.shown : item.group.shown + QStringLiteral(": ") + item.item.shown,
                         quantityText(item.quantity), item.unit.shown});
        drawTable(y + mm(1), rows);
        painter_.restore();
    }

private:
    double mm(double millimetres) const { return millimetres * dotsPerMm_; }

    void setFont(double points, bool bold = false) { painter_.setFont(reportFont(points, bold)); }

    double headingHeight()
    {
        setFont(headingPoints, true);
        return painter_.fontMetrics().height();
    }

    double drawHeading(double x, double y, const QString &text)
    {
        const double height = headingHeight();
        painter_.setPen(Qt::black);
        painter_.drawText(QRectF(x, y, page_.right() - x, height), Qt::AlignLeft | Qt::AlignVCenter, text);
        return y + height + mm(1);
    }

    // The site's name and the date on one line, its line in the sites file under
    // them, and a rule; gives the top of what follows.
    double drawTitle()
    {
        const Site &site = result_.site;
        const QString name = site.name.isEmpty() ? QCoreApplication::translate("quorvel::DesignReport", "Site on line %1").arg(site.line) : site.name;
        const QString date = QDate::currentDate().toString(Qt::ISODate);

        setFont(titlePoints, true);
        const double titleHeight = painter_.fontMetrics().height();
        const QRectF titleLine(page_.left(), page_.top(), page_.width(), titleHeight);
        setFont(textPoints);
        const double dateWidth = painter_.fontMetrics().horizontalAdvance(date);
        painter_.setPen(Qt::black);
        painter_.drawText(titleLine, Qt::AlignRight | Qt::AlignBottom, date);

        setFont(titlePoints, true);
        const QString shownName = painter_.fontMetrics().elidedText(name, Qt::ElideRight,
                                                                    titleLine.width() - dateWidth - mm(5));
        painter_.drawText(titleLine, Qt::AlignLeft | Qt::AlignBottom, shownName);

        setFont(textPoints);
        const double lineHeight = painter_.fontMetrics().height();
        const QRectF subtitle(page_.left(), titleLine.bottom() + mm(1), page_.width(), lineHeight);
        if (site.line > 0) // a site of a sites file, not the window's project
            painter_.drawText(subtitle, Qt::AlignLeft | Qt::AlignVCenter,
                              QCoreApplication::translate("quorvel::DesignReport", "Line %1 of the sites file").arg(site.line));

        const double ruleY = subtitle.bottom() + mm(2);
        painter_.setPen(QPen(Qt::black, mm(lineWidthMm)));
        painter_.drawLine(QPointF(page_.left(), ruleY), QPointF(page_.right(), ruleY));
        return ruleY + mm(sectionGapMm);
    }

    // The inputs, then the results with the pump and tank (or the error), then the
    // warnings.
    void drawTextColumn()
    {
        double y = drawHeading(column_.left(), column_.top(), QCoreApplication::translate("quorvel::DesignReport", "Inputs"));
        QList<std::array<QString, 3>> inputRows;
        for (int row = InputTexts::firstRow; row <= InputTexts::lastRow; ++row)
            inputRows.append({shownSheetText(inputDescription(row)), result_.site.inputs[row],
                              shownSheetText(inputUnit(row))});
        y = drawTable(y, inputRows) + mm(sectionGapMm);

        if (result_.stopped()) {
            setFont(headingPoints, true);
            painter_.setPen(errorColour);
            y = drawWrapped(column_.left(), y, QCoreApplication::translate("quorvel::DesignReport", "Error: %1").arg(result_.errorText().shown)) + mm(sectionGapMm);
        } else {
            y = drawHeading(column_.left(), y, QCoreApplication::translate("quorvel::DesignReport", "Results"));
            QList<std::array<QString, 3>> resultRows;
            for (int row = ResultTexts::firstRow; row <= ResultTexts::lastRow; ++row)
                resultRows.append({shownSheetText(resultDescription(row)), result_.results[row],
                                   shownSheetText(resultUnit(row))});
            y = drawTable(y, resultRows) + mm(1.5);

            const QString pump = result_.gravity       ? QCoreApplication::translate("quorvel::DesignReport", "none, gravity supply")
                               : !result_.pump.isEmpty() ? shownSheetText(result_.pump)
                                                         : QCoreApplication::translate("quorvel::DesignReport", "no catalog pump reaches the duty");
            setFont(textPoints);
            painter_.setPen(Qt::black);
            y = drawWrapped(column_.left(), y, QCoreApplication::translate("quorvel::DesignReport", "Pump: %1").arg(pump));
            y = drawWrapped(column_.left(), y, QCoreApplication::translate("quorvel::DesignReport", "Tank: %1").arg(shownSheetText(result_.tank)));
            y = drawWrapped(column_.left(), y,
                            QCoreApplication::translate("quorvel::DesignReport", "Flow velocity %1 m/s, hydraulic gradient %2 m/km")
                                .arg(QString::number(result_.design.velocity(), 'f', 2), QString::number(result_.design.gradient(), 'f', 2)));
            for (const QString &note : shownTexts(result_.notes))
                y = drawWrapped(column_.left(), y, note);
            y += mm(sectionGapMm);
            if (!result_.failures.isEmpty()) {
                setFont(headingPoints, true);
                painter_.setPen(errorColour);
                y = drawWrapped(column_.left(), y, QCoreApplication::translate("quorvel::DesignReport", "Not designed: %1")
                                                       .arg(shownTexts(result_.failures).join(QStringLiteral("; "))))
                  + mm(sectionGapMm);
            }
        }

        if (result_.stopped() && result_.warnings.isEmpty())
            return;
        y = drawHeading(column_.left(), y, QCoreApplication::translate("quorvel::DesignReport", "Warnings"));
        setFont(textPoints);
        painter_.setPen(Qt::black);
        if (result_.warnings.isEmpty())
            drawWrapped(column_.left(), y, QCoreApplication::translate("quorvel::DesignReport", "None"));
        const QStringList warnings = shownTexts(result_.warnings);
        for (const QString &warning : warnings) {
            if (y >= bottom_)
                break;
            painter_.drawText(QRectF(column_.left(), y, mm(bulletIndentMm), painter_.fontMetrics().height()),
                              Qt::AlignLeft | Qt::AlignTop, QStringLiteral("\u2022"));
            y = drawWrapped(column_.left() + mm(bulletIndentMm), y, warning);
        }
    }

    // Text wrapped in the text column from x on, cut at the schematic; gives the y
    // below it.
    double drawWrapped(double x, double y, const QString &text)
    {
        const QRectF box(x, y, column_.right() - x, bottom_ - y);
        if (box.height() <= 0)
            return y;
        QRectF used;
        painter_.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text, &used);
        return y + std::min(used.height(), box.height());
    }

    // Rows of caption, value and unit in a ruled grid; texts too long for their cell
    // are cut with an ellipsis. Gives the y below the table.
    double drawTable(double y, const QList<std::array<QString, 3>> &rows)
    {
        setFont(textPoints);
        const QFontMetricsF metrics = painter_.fontMetrics();
        const double rowHeight = metrics.height() * 1.35;
        const double padding = mm(cellPaddingMm);
        const std::array<double, 4> edges{column_.left(), column_.left() + column_.width() * captionShare,
                                          column_.left() + column_.width() * (captionShare + valueShare),
                                          column_.right()};

        painter_.setPen(Qt::black);
        for (int r = 0; r < rows.size(); ++r) {
            const double rowTop = y + r * rowHeight;
            for (int c = 0; c < 3; ++c) {
                const QRectF cell(edges[c] + padding, rowTop, edges[c + 1] - edges[c] - 2 * padding, rowHeight);
                painter_.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                                  metrics.elidedText(rows[r][c], Qt::ElideRight, cell.width()));
            }
        }

        const double bottom = y + rows.size() * rowHeight;
        painter_.setPen(QPen(gridColour, mm(lineWidthMm)));
        for (int r = 0; r <= rows.size(); ++r)
            painter_.drawLine(QPointF(column_.left(), y + r * rowHeight), QPointF(column_.right(), y + r * rowHeight));
        for (const double x : edges)
            painter_.drawLine(QPointF(x, y), QPointF(x, bottom));
        return bottom;
    }

    // The schematic stretched into the box, with the window's four captions at the
    // window's places scaled to the box and cut at its edges as the window cuts them.
    void drawSchematic(const QRectF &box)
    {
        schematic_.render(&painter_, box);

        painter_.save();
        painter_.setClipRect(box);
        const double sx = box.width() / windowPictureWidth;
        const double sy = box.height() / windowPictureHeight;
        QFont font(fontFamily);
        font.setPixelSize(std::max(1, qRound(schematicCaptionPixels * sy)));
        font.setBold(true);
        painter_.setFont(font);
        const QFontMetricsF metrics = painter_.fontMetrics();
        for (const SchematicCaption which : schematicCaptions) {
            const QString text = schematicCaptionText(which, result_.site.inputs[schematicCaptionInput(which)]);
            const QPointF corner = schematicCaptionPlace(which, windowPictureWidth, windowPictureHeight);
            const SchematicCaptionStyle style = schematicCaptionStyle(which);
            const QRectF place(box.left() + corner.x() * sx, box.top() + corner.y() * sy,
                               metrics.horizontalAdvance(text), metrics.height());
            painter_.fillRect(place, style.onDesktopColour ? QColor::fromRgb(desktopBackgroundRgb) : captionFace);
            painter_.setPen(QColor::fromRgb(style.colourRgb));
            painter_.drawText(place, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, text);
        }
        painter_.restore();

        painter_.setPen(QPen(gridColour, mm(lineWidthMm)));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(box);
    }

    // The chosen pump's curve picture, else the catalog's "no curve" picture; a
    // picture that is missing or does not load is passed over.
    QImage curvePicture() const
    {
        for (const QString &name : {result_.pumpPicture, QString::fromLatin1(Catalogs::noCurvePicture)}) {
            const QString path = databaseDir_ + name;
            if (name.isEmpty() || !fileExists(path))
                continue;
            const QImage image(path);
            if (!image.isNull())
                return image;
        }
        return {};
    }

    void drawCurve(const QRectF &column)
    {
        // A gravity supply runs without the pump the window had picked.
        if (result_.gravity)
            return;
        const QImage image = curvePicture();
        if (image.isNull())
            return;
        double top = drawHeading(column.left(), column.top(), QCoreApplication::translate("quorvel::DesignReport", "Pump curve"));
        // The rated point the curve is read at, and where the pump runs on this pipeline.
        setFont(textPoints);
        painter_.setPen(Qt::black);
        const auto line = [&](const QString &text) {
            QRectF used;
            painter_.drawText(QRectF(column.left(), top, column.width(), column.bottom() - top),
                              Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text, &used);
            top += used.height();
        };
        if (result_.pumpDuty)
            line(QCoreApplication::translate("quorvel::DesignReport", "Rated point: %1 L/s at %2 m")
                     .arg(QString::number(result_.pumpDuty->flow, 'g', 4), QString::number(result_.pumpDuty->head, 'g', 4)));
        if (result_.pumpDuty && result_.operatingPoint)
            line(QCoreApplication::translate("quorvel::DesignReport", "Operating point on this pipeline: %1 L/s at %2 m, %3 h/day")
                     .arg(QString::number(result_.operatingPoint->flow, 'f', 2),
                          QString::number(result_.operatingPoint->head, 'f', 2),
                          std::isfinite(result_.operatingPoint->hoursPerDay)
                              ? QString::number(result_.operatingPoint->hoursPerDay, 'f', 2)
                              : QStringLiteral("\u221e")));
        top += mm(1.5);
        const QSizeF room(column.width(), column.bottom() - top);
        if (room.height() <= 0)
            return;
        const QSizeF size = QSizeF(image.size()).scaled(room, Qt::KeepAspectRatio);
        const QRectF target(column.left() + (column.width() - size.width()) / 2, top, size.width(), size.height());
        painter_.drawImage(target, image);
    }

    QPainter &painter_;
    QSvgRenderer &schematic_;
    const QString &databaseDir_;
    const SiteResult &result_;
    const double dotsPerMm_;
    const QRectF page_;     // inside the margins
    QRectF column_;         // the text column
    double bottom_ = 0;     // where the text column ends, above the schematic
};

} // namespace

struct DesignReport::Document {
    Document(QFileDevice &pdf, const QString &databaseFolder) : file(pdf), writer(&pdf), databaseDir(databaseFolder)
    {
        // Picture names are joined to the folder as the catalogs give them.
        if (!databaseDir.isEmpty() && !databaseDir.endsWith(u'/'))
            databaseDir += u'/';
    }

    QFileDevice &file;
    QPdfWriter writer;
    QPainter painter;
    QSvgRenderer schematic{QStringLiteral(":/schematic.svg")};
    bool firstPage = true;
    QString databaseDir;
    QString writeError;  // the first failed write, kept for finish()

    void newPage()
    {
        if (!firstPage)
            writer.newPage();
        firstPage = false;
    }
};

DesignReport::DesignReport(QFileDevice &pdf, const QString &databaseDir)
    : document_(std::make_unique<Document>(pdf, databaseDir))
{
    Document &d = *document_;
    d.writer.setPageSize(QPageSize(QPageSize::A4));
    d.writer.setPageOrientation(QPageLayout::Portrait);
    d.writer.setPageMargins(QMarginsF(marginMm, marginMm, marginMm, marginMm), QPageLayout::Millimeter);
    d.writer.setCreator(QStringLiteral("quorvel-design"));
    d.writer.setTitle(QStringLiteral("Quorvel design report"));
    d.schematic.setAspectRatioMode(Qt::IgnoreAspectRatio);
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
    if (!d.painter.isActive())
        return;
    d.newPage();
    PageDrawer(d.painter, d.schematic, d.databaseDir, result).draw();
    // The writer ignores failed writes; a full disk shows only in the file's state.
    if (d.writeError.isEmpty() && d.file.error() != QFileDevice::NoError)
        d.writeError = d.file.errorString();
}

void DesignReport::addSummaryPage(const DesignSummary &summary)
{
    Document &d = *document_;
    if (!d.painter.isActive())
        return;
    d.newPage();
    static const SiteResult none;
    PageDrawer(d.painter, d.schematic, d.databaseDir, none).drawSummary(summary.items());
}

void DesignReport::finish()
{
    Document &d = *document_;
    if (!d.painter.isActive())
        return;
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
