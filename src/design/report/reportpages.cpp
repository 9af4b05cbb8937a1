#include "reportpages.h"

#include "designchecks.h"
#include "dutychart.h"
#include "sheetlayout.h"
#include "pagetext.h"
#include "reportfont.h"
#include "showntexts.h"
#include "wholeunits.h"

#include <QCoreApplication>
#include <QDate>
#include <QFontMetricsF>
#include <QGuiApplication>

#include <algorithm>
#include <array>
#include <cmath>

namespace quorvel::reportpages {

namespace {

// The page, in millimetres: A4 portrait inside the writer's margins (180 x 267 mm).
constexpr double headerMm = 16;   // title, subtitle and rule
constexpr double footerMm = 7;    // rule and one line
constexpr double leftColumnMm = 100;
constexpr double chartHeightMm = 55;
constexpr double columnGapMm = 6;
constexpr double sectionGapMm = 3.5;
constexpr double cellPaddingMm = 1.2;
constexpr double bulletIndentMm = 3.5;
constexpr double lineWidthMm = 0.2;

// Font sizes in points.
constexpr double titlePoints = 14;
constexpr double headingPoints = 10.5;
constexpr double textPoints = 9;
constexpr double smallPoints = 8;

// The main window's schematic: the picture's size in the window's pixels; the
// captions scale with the picture.
constexpr double windowPictureWidth = 1343;
constexpr double windowPictureHeight = 539;

const QColor gridColour(0xa0, 0xa0, 0xa0);
const QColor errorColour(0xb0, 0x00, 0x00);
const QColor warningColour(0x80, 0x50, 0x00);
const QColor captionFace(0xf0, 0xf0, 0xf0); // behind the captions off the desktop colour


// The units of the inputs and results as engineers write them (the window's tables
// keep theirs).
QString inputUnit(int row)
{
    switch (row) {
    case InputRow::Population:
    case InputRow::PeoplePerTap: return QCoreApplication::translate("quorvel::DesignReport", "people");
    case InputRow::PumpingHours: return QCoreApplication::translate("quorvel::DesignReport", "h/day");
    case InputRow::DailyUsage: return QCoreApplication::translate("quorvel::DesignReport", "L/person/day");
    }
    return QCoreApplication::translate("quorvel::DesignReport", "m");
}

QString resultUnit(int row)
{
    switch (row) {
    case ResultRow::DesignFlow: return QCoreApplication::translate("quorvel::DesignReport", "L/min");
    case ResultRow::NominalDiameter: return QCoreApplication::translate("quorvel::DesignReport", "in");
    case ResultRow::TheoreticalStorage:
    case ResultRow::ActualStorage: return QCoreApplication::translate("quorvel::DesignReport", "m\u00b3");
    case ResultRow::Pump: return QCoreApplication::translate("quorvel::DesignReport", "pump");
    case ResultRow::Tanks: return QCoreApplication::translate("quorvel::DesignReport", "tanks");
    case ResultRow::ActualPumpingTime: return QCoreApplication::translate("quorvel::DesignReport", "h/day");
    case ResultRow::TapstandKits: return QCoreApplication::translate("quorvel::DesignReport", "kits");
    }
    return QCoreApplication::translate("quorvel::DesignReport", "m");
}

QString schematicUnit(SchematicCaption which)
{
    return which == SchematicCaption::Population ? QCoreApplication::translate("quorvel::DesignReport", "people")
                                                 : QCoreApplication::translate("quorvel::DesignReport", "m");
}

QString outcomeText(CheckOutcome outcome)
{
    switch (outcome) {
    case CheckOutcome::Pass: return QCoreApplication::translate("quorvel::DesignReport", "pass");
    case CheckOutcome::Warning: return QCoreApplication::translate("quorvel::DesignReport", "warning");
    case CheckOutcome::Fail: return QCoreApplication::translate("quorvel::DesignReport", "fail");
    case CheckOutcome::NotApplicable: break;
    }
    return QCoreApplication::translate("quorvel::DesignReport", "not applicable");
}

// Draws one page in the writer's device units, mirrored in a right-to-left language.
class PageDrawer {
public:
    explicit PageDrawer(ReportPrinting &printing)
        : p_(printing), painter_(printing.painter), dotsPerMm_(painter_.device()->logicalDpiX() / 25.4),
          page_(0, 0, painter_.device()->width(), painter_.device()->height()),
          rightToLeft_(QGuiApplication::isRightToLeft()), whole_(*painter_.device())
    {
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.setLayoutDirection(rightToLeft_ ? Qt::RightToLeft : Qt::LeftToRight);
        body_ = QRectF(page_.left(), page_.top() + mm(headerMm), page_.width(), page_.height() - mm(headerMm + footerMm));
    }
    ~PageDrawer()
    {
        glyphs_.draw(painter_);
        painter_.restore();
    }
    PageDrawer(const PageDrawer &) = delete;
    PageDrawer &operator=(const PageDrawer &) = delete;

    double mm(double millimetres) const { return millimetres * dotsPerMm_; }
    const QRectF &body() const { return body_; }

    // Title and date, who prepared it and the site's line, a rule.
    void drawHeader(const QString &title, const QString &subtitle)
    {
        const ReportContext &c = p_.context;
        setFont(titlePoints, true);
        const double titleHeight = painter_.fontMetrics().height();
        const QRectF titleLine(page_.left(), page_.top(), page_.width(), titleHeight);
        const QString date = QDate::currentDate().toString(Qt::ISODate); // one form in every language
        setFont(textPoints);
        const double dateWidth = textWidth(date) + mm(5);
        text(titleLine, Qt::AlignRight | Qt::AlignBottom, date);
        setFont(titlePoints, true);
        const double titleWidth = titleLine.width() - dateWidth;
        text(titleLine, Qt::AlignLeft | Qt::AlignBottom,
             textWidth(title) <= titleWidth ? title : painter_.fontMetrics().elidedText(title, Qt::ElideRight, titleWidth));

        setFont(textPoints);
        const QRectF subtitleLine(page_.left(), titleLine.bottom() + mm(1), page_.width(), painter_.fontMetrics().height());
        QStringList by;
        for (const QString &part : {c.preparedBy.trimmed(), c.organisation.trimmed()}) {
            if (!part.isEmpty())
                by << part;
        }
        if (!by.isEmpty())
            text(subtitleLine, Qt::AlignLeft | Qt::AlignVCenter, QCoreApplication::translate("quorvel::DesignReport", "Prepared by %1").arg(by.join(QStringLiteral(", "))));
        if (!subtitle.isEmpty())
            text(subtitleLine, Qt::AlignRight | Qt::AlignVCenter, subtitle);
        rule(subtitleLine.bottom() + mm(1.5), Qt::black);
    }

    // The program and its version, the page number.
    void drawFooter()
    {
        setFont(smallPoints);
        const double height = painter_.fontMetrics().height();
        const QRectF line(page_.left(), page_.bottom() - height, page_.width(), height);
        rule(line.top() - mm(1), gridColour);
        text(line, Qt::AlignLeft | Qt::AlignVCenter,
             QCoreApplication::translate("quorvel::DesignReport", "Quorvel %1 design report").arg(QStringLiteral(QUORVEL_VERSION)));
        text(line, Qt::AlignRight | Qt::AlignVCenter, QCoreApplication::translate("quorvel::DesignReport", "Page %1 of %2").arg(p_.page).arg(p_.pages));
    }

    double drawHeading(const QRectF &column, double y, const QString &heading)
    {
        setFont(headingPoints, true);
        const double height = painter_.fontMetrics().height();
        text(QRectF(column.left(), y, column.width(), height), Qt::AlignLeft | Qt::AlignVCenter, heading);
        return y + height + mm(0.8);
    }

    // Text wrapped in the column from y on; gives the y below it.
    double drawWrapped(const QRectF &column, double y, const QString &words, double indent = 0)
    {
        const QRectF box(column.left() + indent, y, column.width() - indent, body_.bottom() - y);
        if (box.height() <= 0)
            return y;
        const QRectF used = text(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, words);
        return y + std::min(used.height(), box.height());
    }

    double drawBullet(const QRectF &column, double y, const QString &words)
    {
        text(QRectF(column.left(), y, mm(bulletIndentMm), painter_.fontMetrics().height()), Qt::AlignLeft | Qt::AlignTop,
             QStringLiteral("\u2022"));
        return drawWrapped(column, y, words, mm(bulletIndentMm));
    }

    // Rows in a ruled grid, the columns sharing the column's width as given; texts too
    // long for their cell are cut with an ellipsis. Gives the y below the table.
    double drawTable(const QRectF &column, double y, const QList<QStringList> &rows, const QList<double> &shares,
                     const QList<QColor> &rowColours = {}, double points = textPoints)
    {
        setFont(points);
        const QFontMetricsF metrics = painter_.fontMetrics();
        const double rowHeight = metrics.height() * 1.3;
        const double padding = mm(cellPaddingMm);
        QList<double> edges{column.left()};
        for (const double share : shares)
            edges << edges.last() + column.width() * share;
        edges.last() = column.right();

        for (int r = 0; r < rows.size(); ++r) {
            const double rowTop = y + r * rowHeight;
            painter_.setPen(r < rowColours.size() ? rowColours[r] : QColor(Qt::black));
            for (int c = 0; c < rows[r].size() && c + 1 < edges.size(); ++c) {
                const QRectF cell(edges[c] + padding, rowTop, edges[c + 1] - edges[c] - 2 * padding, rowHeight);
                const QString &words = rows[r][c];
                text(cell, Qt::AlignLeft | Qt::AlignVCenter,
                     textWidth(words) <= cell.width() ? words
                                                                      : metrics.elidedText(words, Qt::ElideRight, cell.width()));
            }
        }
        const double bottom = y + rows.size() * rowHeight;
        painter_.setPen(QPen(gridColour, mm(lineWidthMm)));
        for (int r = 0; r <= rows.size(); ++r)
            line(QPointF(column.left(), y + r * rowHeight), QPointF(column.right(), y + r * rowHeight));
        for (const double x : edges)
            line(QPointF(x, y), QPointF(x, bottom));
        painter_.setPen(Qt::black);
        return bottom;
    }

    // The schematic picture stretched into the box, with the window's four captions at
    // the window's places scaled to the box, each with its unit.
    void drawSchematic(const QRectF &box, const InputTexts &inputs)
    {
        const QRectF place = mirrored(box);
        painter_.drawImage(place, p_.schematic);
        painter_.save();
        painter_.setClipRect(place);
        const double sx = box.width() / windowPictureWidth;
        const double sy = box.height() / windowPictureHeight;
        QFont font = reportFont(textPoints, true);
        font.setPixelSize(std::max(1, qRound(schematicCaptionPixels * sy)));
        painter_.setFont(font);
        const QFontMetricsF metrics = painter_.fontMetrics();
        // The picture is not mirrored, so neither are the captions on it.
        for (const SchematicCaption which : schematicCaptions) {
            const QString words = schematicCaptionText(which, inputs[schematicCaptionInput(which)]) + QLatin1Char(' ')
                                + schematicUnit(which);
            const QPointF corner = schematicCaptionPlace(which, windowPictureWidth, windowPictureHeight);
            const QRectF captionBox(place.left() + corner.x() * sx, place.top() + corner.y() * sy,
                                    metrics.horizontalAdvance(words), metrics.height());
            const SchematicCaptionStyle style = schematicCaptionStyle(which);
            painter_.fillRect(captionBox, style.onDesktopColour ? QColor::fromRgb(desktopBackgroundRgb) : captionFace);
            painter_.setPen(QColor::fromRgb(style.colourRgb));
            painter_.drawText(captionBox, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, words);
        }
        painter_.restore();
        painter_.setPen(QPen(gridColour, mm(lineWidthMm)));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(place);
        painter_.setPen(Qt::black);
    }

    void setFont(double points, bool bold = false) { painter_.setFont(reportFont(points, bold)); }

    void setPen(const QColor &colour) { painter_.setPen(colour); }

    // The chart reads left to right in every language, as its axes do.
    void drawChart(const QRectF &box, const DutyChart &chart)
    {
        painter_.save();
        drawDutyChart(painter_, mirrored(box), chart, smallPoints,
                      [this](const QRectF &place, int flags, const QString &words) { placeText(place, flags, words); });
        painter_.restore();
    }

    double lineHeight() const { return painter_.fontMetrics().height(); }

private:
    // A box laid out left to right, where it lies on the page.
    QRectF mirrored(const QRectF &box) const
    {
        if (!rightToLeft_)
            return whole_(box);
        return whole_(QRectF(page_.left() + page_.right() - box.right(), box.top(), box.width(), box.height()));
    }

    // Text in a box laid out left to right.
    QRectF text(const QRectF &box, int flags, const QString &words) { return placeText(mirrored(box), flags, words); }

    // Text in a box where it lies on the page, as QPainter::drawText would place it
    // with these flags, from the shaper's texts; the page's glyphs are drawn together
    // at its end. Qt::AlignLeft follows the painter's direction: it is the right edge
    // right to left. The texts are cut to their boxes beforehand; a clip around each
    // would only swell the page.
    QRectF placeText(const QRectF &box, int flags, const QString &words)
    {
        const QRectF place = whole_(box);
        const bool wrap = flags & Qt::TextWordWrap;
        const bool centred = flags & Qt::AlignHCenter;
        const bool towardsRight = (flags & Qt::AlignAbsolute) ? bool(flags & Qt::AlignRight)
                                                               : bool(flags & Qt::AlignRight) != rightToLeft_;
        const TextShaper::Shaped &shaped = p_.shaper.shape(words, painter_.font(), painter_.layoutDirection(),
                                                           wrap ? place.width() : 0,
                                                           towardsRight ? Qt::AlignRight : Qt::AlignLeft);
        const QSizeF size = shaped.size;
        double x = place.left();
        if (!wrap && centred)
            x += (place.width() - size.width()) / 2;
        else if (!wrap && towardsRight)
            x = place.right() - size.width();
        double y = place.top();
        if (flags & Qt::AlignBottom)
            y = place.bottom() - size.height();
        else if (flags & Qt::AlignVCenter)
            y += (place.height() - size.height()) / 2;
        const QPointF origin = whole_(QPointF(x, y));
        glyphs_.add(shaped.runs, origin, painter_.pen().color());
        return QRectF(origin, size);
    }

    double textWidth(const QString &words)
    {
        return p_.shaper.shape(words, painter_.font(), painter_.layoutDirection()).size.width();
    }

    void line(QPointF from, QPointF to)
    {
        if (rightToLeft_) {
            from.setX(page_.left() + page_.right() - from.x());
            to.setX(page_.left() + page_.right() - to.x());
        }
        painter_.drawLine(whole_(from), whole_(to));
    }

    void rule(double y, const QColor &colour)
    {
        painter_.setPen(QPen(colour, mm(lineWidthMm)));
        line(QPointF(page_.left(), y), QPointF(page_.right(), y));
        painter_.setPen(Qt::black);
    }

    ReportPrinting &p_;
    QPainter &painter_;
    const double dotsPerMm_;
    const QRectF page_; // inside the margins
    const bool rightToLeft_;
    const WholeUnits whole_;
    PageGlyphs glyphs_;
    QRectF body_;       // between header and footer
};

QString siteTitle(const Site &site)
{
    return site.name.isEmpty() ? QCoreApplication::translate("quorvel::DesignReport", "Site on line %1").arg(site.line) : site.name;
}

QString siteSubtitle(const Site &site, const ReportContext &context)
{
    return context.sitesFile && site.line > 0 ? QCoreApplication::translate("quorvel::DesignReport", "Line %1 of the sites file").arg(site.line) : QString();
}

// What the checks and the calculation assume, in words a reader can check by hand.
QStringList assumptions(const ReportContext &c)
{
    const auto number = [](double value) { return QString::number(value, 'g', 15); };
    QStringList lines{
        QCoreApplication::translate("quorvel::DesignReport", "Friction loss by Hazen-Williams with C = 140 on the pipe's inside diameter; suction and minor losses "
           "are left out."),
        QCoreApplication::translate("quorvel::DesignReport", "Pump curve through the rated point alone: H(q) = 4/3 H\u1d63 \u2212 H\u1d63/3 \u00b7 (q/Q\u1d63)\u00b2, "
           "4/3 of the rated head at shut-off and no head at twice the rated flow; the operating point is where it "
           "meets the system curve (static lift plus friction loss)."),
        QCoreApplication::translate("quorvel::DesignReport", "Checks: daily usage at least 15 L/person/day and at most 250 people per tap (Sphere minimum standards); "
           "flow velocity %1 to %2 m/s; a pump near its rated point at %3 to %4 % of its rated flow; at most 24 h/day "
           "at the operating point.")
            .arg(number(c.velocities.min), number(c.velocities.max), number(RatedFlowBand::low * 100),
                 number(RatedFlowBand::high * 100))};
    if (c.headMargin > 0)
        lines << QCoreApplication::translate("quorvel::DesignReport", "An automatically chosen pump reaches the pumping head plus %1 % at the design flow.")
                     .arg(number(c.headMargin * 100));
    return lines;
}

QList<QColor> outcomeColours(const QList<DesignCheck> &checks)
{
    QList<QColor> colours;
    for (const DesignCheck &check : checks)
        colours << (check.outcome == CheckOutcome::Fail      ? errorColour
                    : check.outcome == CheckOutcome::Warning ? warningColour
                                                             : QColor(Qt::black));
    return colours;
}

} // namespace

QSizeF schematicSize(QPaintDevice &device)
{
    // As wide as the page, or as high as the room left at the foot allows.
    const double dotsPerMm = device.logicalDpiX() / 25.4;
    const double height = 62 * dotsPerMm;
    return QSizeF(height * windowPictureWidth / windowPictureHeight, height);
}

void drawSite(ReportPrinting &printing, const SiteResult &r)
{
    PageDrawer d(printing);
    d.drawHeader(QCoreApplication::translate("quorvel::DesignReport", "Water supply design: %1").arg(siteTitle(r.site)),
                 siteSubtitle(r.site, printing.context));
    const QRectF body = d.body();
    const QRectF left(body.left(), body.top(), d.mm(leftColumnMm), body.height());
    const QRectF right(left.right() + d.mm(columnGapMm), body.top(), body.right() - left.right() - d.mm(columnGapMm),
                       body.height());

    // Inputs and results.
    double y = d.drawHeading(left, left.top(), QCoreApplication::translate("quorvel::DesignReport", "Inputs"));
    QList<QStringList> inputRows;
    for (int row = InputTexts::firstRow; row <= InputTexts::lastRow; ++row)
        inputRows << QStringList{shownSheetText(inputDescription(row)), r.site.inputs[row], inputUnit(row)};
    const QList<double> tableShares{0.58, 0.22, 0.20};
    y = d.drawTable(left, y, inputRows, tableShares) + d.mm(sectionGapMm);
    y = d.drawHeading(left, y, QCoreApplication::translate("quorvel::DesignReport", "Results"));
    QList<QStringList> resultRows;
    for (int row = ResultTexts::firstRow; row <= ResultTexts::lastRow; ++row)
        resultRows << QStringList{shownSheetText(resultDescription(row)), r.results[row], resultUnit(row)};
    const double leftBottom = d.drawTable(left, y, resultRows, tableShares);

    // Where the pump (or the fall) meets the pipeline, then the pump, the tank and why
    // they were chosen.
    double ry = right.top();
    if (const std::optional<DutyChart> chart = dutyChartOf(r.design, r.gravity, r.pumpDuty, r.operatingPoint)) {
        ry = d.drawHeading(right, ry, QCoreApplication::translate("quorvel::DesignReport", "Duty point"));
        const QRectF box(right.left(), ry, right.width(), d.mm(chartHeightMm));
        d.drawChart(box, *chart);
        ry = box.bottom() + d.mm(sectionGapMm);
    }
    ry = d.drawHeading(right, ry, QCoreApplication::translate("quorvel::DesignReport", "Supply"));
    d.setFont(smallPoints);
    const QString pump = r.gravity           ? QCoreApplication::translate("quorvel::DesignReport", "none, gravity supply")
                       : !r.pump.isEmpty()   ? shownSheetText(r.pump)
                                             : QCoreApplication::translate("quorvel::DesignReport", "no catalog pump reaches the duty");
    ry = d.drawWrapped(right, ry, QCoreApplication::translate("quorvel::DesignReport", "Pump: %1").arg(pump));
    ry = d.drawWrapped(right, ry, QCoreApplication::translate("quorvel::DesignReport", "Tank: %1").arg(shownSheetText(r.tank)));
    ry = d.drawWrapped(right, ry, QCoreApplication::translate("quorvel::DesignReport", "Flow velocity %1 m/s, hydraulic gradient %2 m/km")
                                      .arg(QString::number(r.design.velocity(), 'f', 2),
                                           QString::number(r.design.gradient(), 'f', 2)));
    if (r.pumpDuty)
        ry = d.drawWrapped(right, ry, QCoreApplication::translate("quorvel::DesignReport", "Rated point: %1 L/s at %2 m")
                                          .arg(QString::number(r.pumpDuty->flow, 'g', 4),
                                               QString::number(r.pumpDuty->head, 'g', 4)));
    if (r.operatingPoint && (r.pumpDuty || r.gravity)) {
        const OperatingPoint &point = *r.operatingPoint;
        const QString flow = QString::number(point.flow, 'f', 2);
        const QString hours = std::isfinite(point.hoursPerDay) ? QString::number(point.hoursPerDay, 'f', 2)
                                                               : QStringLiteral("\u221e");
        ry = d.drawWrapped(right, ry,
                           r.gravity ? QCoreApplication::translate("quorvel::DesignReport", "Gravity flow on this pipeline: %1 L/s, %2 h/day").arg(flow, hours)
                                     : QCoreApplication::translate("quorvel::DesignReport", "Operating point on this pipeline: %1 L/s at %2 m, %3 h/day")
                                           .arg(flow, QString::number(point.head, 'f', 2), hours));
    }
    d.setFont(smallPoints);
    // The note of the hours at the operating point says again what the line above and
    // the checks table say.
    const QString hoursNote = operatingHoursNote(r).shown;
    for (const QString &note : shownTexts(r.notes)) {
        if (note != hoursNote)
            ry = d.drawBullet(right, ry + d.mm(0.5), note);
    }

    // Every check.
    const QRectF full(body.left(), body.top(), body.width(), body.height());
    y = d.drawHeading(full, std::max(leftBottom, ry) + d.mm(sectionGapMm), QCoreApplication::translate("quorvel::DesignReport", "Checks"));
    QList<QStringList> checkRows{{QCoreApplication::translate("quorvel::DesignReport", "Check"), QCoreApplication::translate("quorvel::DesignReport", "Value"), QCoreApplication::translate("quorvel::DesignReport", "Limit"), QCoreApplication::translate("quorvel::DesignReport", "Outcome")}};
    for (const DesignCheck &check : r.checks)
        checkRows << QStringList{check.name, shownCheckValue(check), check.requirement, outcomeText(check.outcome)};
    QList<QColor> colours{Qt::black};
    colours << outcomeColours(r.checks);
    y = d.drawTable(full, y, checkRows, {0.34, 0.15, 0.37, 0.14}, colours, smallPoints);
    d.setFont(smallPoints);
    for (const DesignCheck &check : r.checks) {
        if (check.outcome == CheckOutcome::Warning || check.outcome == CheckOutcome::Fail) {
            d.setPen(check.outcome == CheckOutcome::Fail ? errorColour : warningColour);
            y = d.drawBullet(full, y + d.mm(0.5), check.message.shown);
        }
    }
    d.setPen(Qt::black);

    // The assumptions, or where the report states them for all its sites.
    y = d.drawHeading(full, y + d.mm(sectionGapMm), QCoreApplication::translate("quorvel::DesignReport", "Assumptions"));
    d.setFont(smallPoints);
    if (printing.assumptionsPage > 0) {
        y = d.drawWrapped(full, y, QCoreApplication::translate("quorvel::DesignReport", "As stated on page %1 for every site of this report.")
                                       .arg(printing.assumptionsPage));
    } else {
        for (const QString &assumption : assumptions(printing.context))
            y = d.drawBullet(full, y, assumption);
    }

    // The schematic at the foot, centred, as large as the room left allows.
    const QSizeF size = schematicSize(*printing.painter.device());
    const double room = body.bottom() - y - d.mm(sectionGapMm);
    const QSizeF shown = room < size.height() ? size.scaled(QSizeF(size.width(), std::max(0.0, room)), Qt::KeepAspectRatio)
                                              : size;
    if (shown.height() > d.mm(20))
        d.drawSchematic(QRectF(body.left() + (body.width() - shown.width()) / 2, body.bottom() - shown.height(),
                               shown.width(), shown.height()),
                        r.site.inputs);
    d.drawFooter();
}

void drawAssumptions(ReportPrinting &printing)
{
    PageDrawer d(printing);
    d.drawHeader(QCoreApplication::translate("quorvel::DesignReport", "Assumptions"), {});
    const QRectF body = d.body();
    d.setFont(textPoints);
    double y = d.drawWrapped(body, body.top(), QCoreApplication::translate("quorvel::DesignReport", "Every site of this report was designed and checked on these assumptions:"));
    for (const QString &assumption : assumptions(printing.context))
        y = d.drawBullet(body, y + d.mm(1), assumption);
    d.drawFooter();
}

void drawSummary(ReportPrinting &printing, const QList<SummaryItem> &items)
{
    PageDrawer d(printing);
    d.drawHeader(QCoreApplication::translate("quorvel::DesignReport", "Bill of quantities"), {});
    const QRectF body = d.body();
    QList<QStringList> rows;
    for (const SummaryItem &item : items)
        rows << QStringList{item.item.isEmpty() ? item.group.shown : item.group.shown + QStringLiteral(": ") + item.item.shown,
                            quantityText(item.quantity), item.unit.shown};
    d.drawTable(body, body.top(), rows, {0.64, 0.18, 0.18});
    d.drawFooter();
}

namespace {

constexpr double failureRowMm = 4.5; // one row of the failures table, at the small size, with room

int failureRowsPerPage(QPaintDevice &device)
{
    const double dotsPerMm = device.logicalDpiX() / 25.4;
    const double body = device.height() - (headerMm + footerMm) * dotsPerMm;
    return std::max(1, int(body / (failureRowMm * dotsPerMm)) - 1); // less the caption row
}

} // namespace

int failurePages(QPaintDevice &device, const QList<FailedSite> &failures)
{
    const int perPage = failureRowsPerPage(device);
    return int((failures.size() + perPage - 1) / perPage);
}

int drawFailures(ReportPrinting &printing, const QList<FailedSite> &failures, int first)
{
    PageDrawer d(printing);
    d.drawHeader(QCoreApplication::translate("quorvel::DesignReport", "Sites not designed"), QCoreApplication::translate("quorvel::DesignReport", "%1 sites").arg(failures.size()));
    const int count = std::min<int>(failureRowsPerPage(*printing.painter.device()), int(failures.size()) - first);
    QList<QStringList> rows{{QCoreApplication::translate("quorvel::DesignReport", "Line"), QCoreApplication::translate("quorvel::DesignReport", "Site"), QCoreApplication::translate("quorvel::DesignReport", "Why")}};
    for (int i = first; i < first + count; ++i)
        rows << QStringList{QString::number(failures[i].line), failures[i].name, failures[i].reason};
    d.drawTable(d.body(), d.body().top(), rows, {0.07, 0.2, 0.73}, {}, smallPoints);
    d.drawFooter();
    return std::max(1, count);
}

} // namespace quorvel::reportpages
