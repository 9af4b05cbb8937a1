#include "dutychart.h"

#include "reportfont.h"
#include "wholeunits.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace quorvel {

double DutyChart::pipelineHead(double flow) const
{
    return gravity ? system.lossAt(flow) : system.headAt(flow);
}

double DutyChart::supplyHead(double flow) const
{
    return gravity ? fall() : pumpHead(*pump, flow);
}

QList<ChartMark> DutyChart::marks() const
{
    QList<ChartMark> marks;
    if (pump)
        marks.append({ChartItem::RatedPoint, pump->flow, pump->head});
    // By gravity the pumping head is the lift plus the loss: the loss is what is left.
    marks.append({ChartItem::DesignDuty, designFlow, gravity ? pumpingHead - system.staticLift : pumpingHead});
    if (operatingPoint && operatingPoint->flow > 0)
        marks.append({ChartItem::OperatingPoint, operatingPoint->flow, gravity ? fall() : operatingPoint->head});
    return marks;
}

std::optional<DutyChart> dutyChartOf(const DesignRecord &design, bool gravity, const std::optional<PumpDuty> &pump,
                                     const std::optional<OperatingPoint> &point)
{
    const std::optional<SystemCurve> system = designSystemCurve(design);
    if (!system)
        return std::nullopt;
    // A rated duty of no flow or no head draws no curve.
    const bool rated = !gravity && pump && pump->flow > 0 && pump->head > 0;
    DutyChart chart{*system, gravity, rated ? pump : std::nullopt, design.designFlow, design.pumpingHead, std::nullopt};
    // Without a curve to meet the pipeline's there is no point to mark.
    if (chart.hasSupply())
        chart.operatingPoint = point;
    return chart;
}

int ChartAxis::steps() const
{
    return int(std::lround((high - low) / step));
}

QList<double> ChartAxis::ticks() const
{
    QList<double> values;
    for (int i = 0; i <= steps(); ++i) {
        const double value = low + i * step;
        values.append(std::abs(value) < step * 1e-9 ? 0 : value); // no "-0.0"
    }
    return values;
}

QString ChartAxis::label(double value) const
{
    const int decimals = std::max(0, int(-std::floor(std::log10(step) + 1e-9)));
    return QString::number(value, 'f', decimals);
}

ChartAxis niceAxis(double low, double high, int maxSteps)
{
    if (!std::isfinite(low) || !std::isfinite(high))
        return {};
    if (!(high > low))
        high = low + 1;
    maxSteps = std::max(1, maxSteps);
    double magnitude = std::pow(10.0, std::floor(std::log10((high - low) / maxSteps)));
    for (;;) {
        for (const double mantissa : {1.0, 2.0, 5.0}) {
            const double step = mantissa * magnitude;
            const ChartAxis axis{std::floor(low / step + 1e-9) * step, std::ceil(high / step - 1e-9) * step, step};
            if (axis.steps() <= maxSteps)
                return axis;
        }
        magnitude *= 10;
    }
}

namespace {

// Room above the highest mark and right of the farthest, as shares of the ranges.
constexpr double headRoom = 0.15;
constexpr double flowRoom = 0.3;
constexpr int mostSteps = 10; // on either axis

// Spacing in lines of the labels' font, so the chart keeps its proportions on any device.
constexpr double tickLines = 0.4;
constexpr double headStepLines = 1.6; // the least room between two head ticks
constexpr double labelGapLines = 0.2;
constexpr double titleGapLines = 0.3;
constexpr double sampleLines = 2;
constexpr double entryGapLines = 1;

double widestLabel(const ChartAxis &axis, const QFontMetricsF &metrics)
{
    double widest = 0;
    for (const double value : axis.ticks())
        widest = std::max(widest, metrics.horizontalAdvance(axis.label(value)));
    return widest;
}

// What the axes must hold: every mark, the shut-off head (or the fall), from no flow
// and from the lift when it lies below the source, with room above and to the right.
struct Ranges {
    double flowHigh = 0;
    double headLow = 0;
    double headHigh = 0;
};

Ranges rangesOf(const DutyChart &chart)
{
    Ranges r;
    r.headLow = chart.gravity ? 0 : std::min(0.0, chart.system.staticLift);
    r.headHigh = chart.hasSupply() ? chart.supplyHead(0) : r.headLow;
    for (const ChartMark &mark : chart.marks()) {
        r.flowHigh = std::max(r.flowHigh, mark.flow);
        r.headLow = std::min(r.headLow, mark.head);
        r.headHigh = std::max(r.headHigh, mark.head);
    }
    r.flowHigh = r.flowHigh > 0 ? r.flowHigh * (1 + flowRoom) : 1;
    r.headHigh += headRoom * (r.headHigh - r.headLow);
    return r;
}

} // namespace

DutyChartLayout::DutyChartLayout(const DutyChart &chart, const QRectF &box, const QFontMetricsF &metrics,
                                 Qt::LayoutDirection direction)
{
    const Ranges ranges = rangesOf(chart);
    const double line = metrics.height();
    line_ = line;
    tickLength_ = tickLines * line;
    placeLegend(chart, box, metrics, direction);
    const double legendTop = legend_.isEmpty() ? box.bottom() : legend_.constFirst().text.top();
    flowTitle_ = QRectF(box.left(), legendTop - titleGapLines * line - line, box.width(), line);
    const double top = box.top() + line / 2; // the top tick's label stands half above the plot
    const double bottom = std::max(top + 1, flowTitle_.top() - line - labelGapLines * line - tickLength_);
    headAxis_ = niceAxis(ranges.headLow, ranges.headHigh, std::min(mostSteps, int((bottom - top) / (headStepLines * line))));
    headTitle_ = QRectF(box.left(), top, line, bottom - top);
    const double left = headTitle_.right() + titleGapLines * line + widestLabel(headAxis_, metrics)
                      + labelGapLines * line + tickLength_;

    // The most flow steps whose labels stand side by side with a line's gap; the last
    // label centred on the plot's right edge.
    double right = box.right();
    for (int steps = mostSteps; steps >= 1; --steps) {
        flowAxis_ = niceAxis(0, ranges.flowHigh, steps);
        const double widest = widestLabel(flowAxis_, metrics);
        right = box.right() - widest / 2;
        if (flowAxis_.steps() * (widest + line) <= right - left)
            break;
    }
    plot_ = QRectF(QPointF(left, top), QPointF(std::max(left + 1, right), bottom));
}

void DutyChartLayout::placeLegend(const DutyChart &chart, const QRectF &box, const QFontMetricsF &metrics,
                                  Qt::LayoutDirection direction)
{
    QList<ChartItem> items;
    if (chart.hasSupply())
        items << ChartItem::Supply;
    items << ChartItem::Pipeline;
    for (const ChartMark &mark : chart.marks())
        items << mark.item;

    // Entries flow into rows as wide as the box, each row centred, the last row on
    // the box's bottom.
    const double line = metrics.height();
    QList<int> rowOf;
    QList<double> rowWidths{0};
    for (const ChartItem item : items) {
        const QString name = itemName(item, chart.gravity);
        const double textWidth = metrics.horizontalAdvance(name);
        const double width = (sampleLines + titleGapLines) * line + textWidth;
        double x = rowWidths.last() > 0 ? rowWidths.last() + entryGapLines * line : 0;
        if (x > 0 && x + width > box.width()) {
            rowWidths.append(0);
            x = 0;
        }
        legend_.append({item, name, QRectF(x, 0, sampleLines * line, line),
                        QRectF(x + (sampleLines + titleGapLines) * line, 0, textWidth, line)});
        rowWidths.last() = x + width;
        rowOf.append(int(rowWidths.size()) - 1);
    }
    for (int i = 0; i < legend_.size(); ++i) {
        const QPointF shift(box.left() + (box.width() - rowWidths[rowOf[i]]) / 2,
                            box.bottom() - (rowWidths.size() - rowOf[i]) * line);
        legend_[i].sample.translate(shift);
        legend_[i].text.translate(shift);
        // Right to left the entries read from the right, each sample right of its name.
        if (direction == Qt::RightToLeft) {
            for (QRectF *r : {&legend_[i].sample, &legend_[i].text})
                r->moveLeft(box.left() + box.right() - r->right());
        }
    }
}

QPointF DutyChartLayout::toDevice(double flow, double head) const
{
    return {plot_.left() + (flow - flowAxis_.low) / (flowAxis_.high - flowAxis_.low) * plot_.width(),
            plot_.bottom() - (head - headAxis_.low) / (headAxis_.high - headAxis_.low) * plot_.height()};
}

QString DutyChartLayout::itemName(ChartItem item, bool gravity)
{
    switch (item) {
    case ChartItem::Supply:
        return gravity ? QCoreApplication::translate("quorvel::DutyChart", "Available fall")
                       : QCoreApplication::translate("quorvel::DutyChart", "Pump curve");
    case ChartItem::Pipeline:
        return gravity ? QCoreApplication::translate("quorvel::DutyChart", "Friction loss")
                       : QCoreApplication::translate("quorvel::DutyChart", "System curve");
    case ChartItem::RatedPoint: return QCoreApplication::translate("quorvel::DutyChart", "Rated point");
    case ChartItem::DesignDuty: return QCoreApplication::translate("quorvel::DutyChart", "Design duty");
    case ChartItem::OperatingPoint: break;
    }
    return gravity ? QCoreApplication::translate("quorvel::DutyChart", "Gravity flow")
                   : QCoreApplication::translate("quorvel::DutyChart", "Operating point");
}

QString DutyChartLayout::flowTitleText()
{
    return QCoreApplication::translate("quorvel::DutyChart", "Flow (L/s)");
}

QString DutyChartLayout::headTitleText()
{
    return QCoreApplication::translate("quorvel::DutyChart", "Head (m)");
}

namespace {

// The report's look: its font, thin black rules, a pale grid; the two curves in
// colours that stay apart in greys, one solid and one dashed.
const QColor gridColour(0xd8, 0xd8, 0xd8);
const QColor supplyColour(0x1a, 0x33, 0x8c);
const QColor pipelineColour(0xa0, 0x14, 0x14);
const QColor noteColour(0xb0, 0x00, 0x00);
constexpr double curveWidthMm = 0.3;
constexpr double ruleWidthMm = 0.2;
constexpr double gridWidthMm = 0.1;
constexpr double markerMm = 1.8;
constexpr int curveSegments = 8;

class ChartDrawer {
public:
    ChartDrawer(QPainter &painter, const DutyChart &chart, const DutyChartLayout &layout, const ChartTextDrawer &drawText)
        : painter_(painter), chart_(chart), layout_(layout), drawText_(drawText),
          dotsPerMm_(painter.device()->logicalDpiX() / 25.4), whole_(*painter.device())
    {
    }

    void draw()
    {
        drawGrid();
        drawCurves();
        drawAxes();
        for (const ChartMark &mark : chart_.marks())
            drawMarker(mark.item, at(mark.flow, mark.head));
        if (chart_.cannotLift())
            drawNote(QCoreApplication::translate("quorvel::DutyChart", "No operating point: the pump cannot lift the water"));
        drawLegend();
    }

private:
    double mm(double millimetres) const { return millimetres * dotsPerMm_; }
    QPointF at(double flow, double head) const { return whole_(layout_.toDevice(flow, head)); }

    void text(const QRectF &box, int flags, const QString &words)
    {
        if (drawText_)
            drawText_(box, flags, words);
        else
            painter_.drawText(box, flags, words);
    }

    QPen rule() const { return QPen(Qt::black, mm(ruleWidthMm)); }

    QPen curvePen(ChartItem curve) const
    {
        if (curve == ChartItem::Supply)
            return QPen(supplyColour, mm(curveWidthMm));
        QPen pen(pipelineColour, mm(curveWidthMm), Qt::CustomDashLine);
        pen.setDashPattern({6, 3}); // in pen widths
        return pen;
    }

    void drawGrid()
    {
        const QRectF plot = whole_(layout_.plot());
        painter_.setPen(QPen(gridColour, mm(gridWidthMm)));
        for (const double flow : layout_.flowAxis().ticks()) {
            const double x = at(flow, 0).x();
            painter_.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        }
        for (const double head : layout_.headAxis().ticks()) {
            const double y = at(0, head).y();
            painter_.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        }
    }

    // Each curve as cubic segments that follow its slope at their ends (exact for the
    // pump's parabola): smooth at any size with few points, cut at the plot.
    void drawCurves()
    {
        const ChartAxis &flows = layout_.flowAxis();
        const double step = (flows.high - flows.low) / curveSegments;
        const auto curve = [&](const auto &head) {
            const auto slope = [&](double flow) {
                const double d = step * 1e-3;
                const double below = std::max(flows.low, flow - d);
                return (head(flow + d) - head(below)) / (flow + d - below);
            };
            QPainterPath path(at(flows.low, head(flows.low)));
            for (int i = 0; i < curveSegments; ++i) {
                const double from = flows.low + step * i;
                const double to = from + step;
                path.cubicTo(at(from + step / 3, head(from) + step / 3 * slope(from)),
                             at(to - step / 3, head(to) - step / 3 * slope(to)), at(to, head(to)));
            }
            return path;
        };
        painter_.save();
        painter_.setClipRect(whole_(layout_.plot()));
        painter_.setBrush(Qt::NoBrush);
        painter_.setPen(curvePen(ChartItem::Pipeline));
        painter_.drawPath(curve([&](double q) { return chart_.pipelineHead(q); }));
        if (chart_.hasSupply()) {
            painter_.setPen(curvePen(ChartItem::Supply));
            painter_.drawPath(curve([&](double q) { return chart_.supplyHead(q); }));
        }
        painter_.restore();
    }

    // The frame, the ticks outside it with their labels, and the axis titles.
    void drawAxes()
    {
        const QRectF plot = whole_(layout_.plot());
        const double line = layout_.lineHeight();
        const double tick = layout_.tickLength();
        painter_.setPen(rule());
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(plot);
        for (const double flow : layout_.flowAxis().ticks()) {
            const double x = at(flow, 0).x();
            painter_.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + tick));
            text(QRectF(x - line * 3, plot.bottom() + tick + line * labelGapLines / 2, line * 6, line),
                              Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, layout_.flowAxis().label(flow));
        }
        for (const double head : layout_.headAxis().ticks()) {
            const double y = at(0, head).y();
            const double labelRight = plot.left() - tick - line * labelGapLines;
            painter_.drawLine(QPointF(plot.left() - tick, y), QPointF(plot.left(), y));
            text(QRectF(layout_.headTitle().right(), y - line / 2, labelRight - layout_.headTitle().right(), line),
                              Qt::AlignAbsolute | Qt::AlignRight | Qt::AlignVCenter | Qt::TextDontClip, layout_.headAxis().label(head));
        }
        const QRectF flowTitle(plot.left(), layout_.flowTitle().top(), plot.width(), line);
        text(flowTitle, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextDontClip,
                          DutyChartLayout::flowTitleText());

        // The head title reads upwards along the plot's left.
        const QRectF &strip = layout_.headTitle();
        painter_.save();
        painter_.translate(strip.center());
        painter_.rotate(-90);
        painter_.drawText(QRectF(-strip.height() / 2, -strip.width() / 2, strip.height(), strip.width()),
                          Qt::AlignCenter | Qt::TextDontClip, DutyChartLayout::headTitleText());
        painter_.restore();
    }

    // A white square for the rated point, a grey diamond for the design duty, a black
    // circle for where the curves meet: apart in shape and in grey.
    void drawMarker(ChartItem item, const QPointF &centre)
    {
        const double r = whole_(mm(markerMm) / 2);
        painter_.setPen(rule());
        switch (item) {
        case ChartItem::RatedPoint:
            painter_.setBrush(Qt::white);
            painter_.drawRect(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r));
            break;
        case ChartItem::DesignDuty: {
            const double d = r * 1.3; // as large to the eye as the square
            painter_.setBrush(Qt::gray);
            painter_.drawPolygon(QPolygonF({centre + QPointF(0, -d), centre + QPointF(d, 0), centre + QPointF(0, d),
                                            centre + QPointF(-d, 0)}));
            break;
        }
        case ChartItem::OperatingPoint:
            painter_.setBrush(Qt::black);
            painter_.drawEllipse(centre, r, r);
            break;
        case ChartItem::Supply:
        case ChartItem::Pipeline: break;
        }
        painter_.setBrush(Qt::NoBrush);
    }

    // A note wrapped across the top of the plot, on white so the grid does not cross it.
    void drawNote(const QString &text)
    {
        const double line = layout_.lineHeight();
        const QRectF room = layout_.plot().adjusted(line / 2, line / 2, -line / 2, -line / 2);
        const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
        const QRectF used = painter_.boundingRect(room, flags, text).intersected(room);
        painter_.fillRect(used.adjusted(-line / 4, 0, line / 4, 0), Qt::white);
        painter_.setPen(noteColour);
        painter_.drawText(room, flags, text);
    }

    void drawLegend()
    {
        for (const DutyChartLayout::LegendPlace &place : layout_.legend()) {
            const QRectF sample = whole_(place.sample);
            const QPointF centre = whole_(sample.center());
            if (place.item == ChartItem::Supply || place.item == ChartItem::Pipeline) {
                painter_.setPen(curvePen(place.item));
                painter_.drawLine(QPointF(sample.left(), centre.y()), QPointF(sample.right(), centre.y()));
            } else {
                drawMarker(place.item, centre);
            }
            painter_.setPen(Qt::black);
            text(whole_(place.text), Qt::AlignAbsolute | Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, place.name);
        }
    }

    QPainter &painter_;
    const DutyChart &chart_;
    const DutyChartLayout &layout_;
    const ChartTextDrawer &drawText_;
    const double dotsPerMm_;
    const WholeUnits whole_;
};

} // namespace

// Texts follow the painter's direction (Arabic right to left); the chart's geometry
// does not, as flow rises to the right in every language.
void drawDutyChart(QPainter &painter, const QRectF &box, const DutyChart &chart, double fontPoints,
                   const ChartTextDrawer &drawText)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QFont font = reportFont(fontPoints);
    painter.setFont(font);
    const DutyChartLayout layout(chart, box, QFontMetricsF(font, painter.device()), painter.layoutDirection());
    ChartDrawer(painter, chart, layout, drawText).draw();
    painter.restore();
}

} // namespace quorvel
