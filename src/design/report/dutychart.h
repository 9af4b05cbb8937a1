#pragma once

#include "designrecord.h"
#include "operatingpoint.h"

#include <QFontMetricsF>
#include <QList>
#include <QRectF>
#include <QString>

#include <functional>
#include <optional>

class QPainter;

namespace quorvel {

// What the duty chart draws and its legend names: the two curves and the three marks.
enum class ChartItem { Supply, Pipeline, RatedPoint, DesignDuty, OperatingPoint };

// A point the duty chart marks: flow in L/s, head in m as the chart's head axis reads.
struct ChartMark {
    ChartItem item;
    double flow = 0;
    double head = 0;
};

// What the duty chart of a design shows. With a pump: the pipeline's system curve
// against the pump's curve, the pump's rated point, the design duty and where the
// curves meet. By gravity the head axis reads friction loss: the pipeline's loss
// rising from 0 against the fall from source to tank, meeting at the gravity flow.
struct DutyChart {
    SystemCurve system;
    bool gravity = false;
    std::optional<PumpDuty> pump; // none by gravity, or without a rated flow and head
    double designFlow = 0;        // L/s
    double pumpingHead = 0;       // m; 0 or less by gravity
    std::optional<OperatingPoint> operatingPoint;

    // The pipeline's curve: the system head; by gravity the friction loss alone.
    double pipelineHead(double flow) const;
    // The curve that meets it: the pump's head; by gravity the fall, level. None
    // without a pump.
    bool hasSupply() const { return gravity || pump.has_value(); }
    double supplyHead(double flow) const;
    // The fall from source to tank by gravity, m.
    double fall() const { return -system.staticLift; }
    // A pump whose shut-off head is short of the lift: the curves never meet.
    bool cannotLift() const { return pump && operatingPoint && !(operatingPoint->flow > 0); }
    // The rated point (with a pump), the design duty, and the operating point or
    // gravity flow when there is a flow.
    QList<ChartMark> marks() const;
};

// The chart of a design as the checks saw it (the checks' gravity, rated duty and
// operating point); none when the pipeline's loss formula fails on its numbers.
std::optional<DutyChart> dutyChartOf(const DesignRecord &design, bool gravity, const std::optional<PumpDuty> &pump,
                                     const std::optional<OperatingPoint> &point);

// One axis: from low to high in steps of 1, 2 or 5 x 10^k, both ends on a step.
struct ChartAxis {
    double low = 0;
    double high = 1;
    double step = 1;

    int steps() const;
    QList<double> ticks() const;
    // A tick's value to the decimals its step needs.
    QString label(double value) const;
};

// The axis over low..high with the smallest nice step that needs no more than
// maxSteps steps.
ChartAxis niceAxis(double low, double high, int maxSteps);

// Where the chart's parts go in a box, in the box's device units: the plot area, the
// axes' ranges and ticks sized to the room the labels' font leaves, and the legend's
// entries in rows under the flow axis.
class DutyChartLayout {
public:
    // A legend entry: the curves', then the marks' shapes.
    struct LegendPlace {
        ChartItem item;
        QString name;
        QRectF sample; // where the line or the marker is drawn
        QRectF text;
    };

    // Right to left the legend is mirrored; the axes are not.
    DutyChartLayout(const DutyChart &chart, const QRectF &box, const QFontMetricsF &metrics,
                    Qt::LayoutDirection direction = Qt::LeftToRight);

    const QRectF &plot() const { return plot_; }
    const ChartAxis &flowAxis() const { return flowAxis_; }
    const ChartAxis &headAxis() const { return headAxis_; }
    const QList<LegendPlace> &legend() const { return legend_; }
    double lineHeight() const { return line_; }
    double tickLength() const { return tickLength_; }
    // Where the flow axis title's line and the head axis title's (upright) line go.
    const QRectF &flowTitle() const { return flowTitle_; }
    const QRectF &headTitle() const { return headTitle_; }

    QPointF toDevice(double flow, double head) const;

    static QString itemName(ChartItem item, bool gravity);
    static QString flowTitleText();
    static QString headTitleText();

private:
    void placeLegend(const DutyChart &chart, const QRectF &box, const QFontMetricsF &metrics, Qt::LayoutDirection direction);

    QRectF plot_;
    ChartAxis flowAxis_;
    ChartAxis headAxis_;
    QList<LegendPlace> legend_;
    double line_ = 0;
    double tickLength_ = 0;
    QRectF flowTitle_;
    QRectF headTitle_;
};

// Draws one of the chart's upright texts into a box with QPainter::drawText's flags,
// in the painter's font and pen: a report draws them with its page's other texts.
using ChartTextDrawer = std::function<void(const QRectF &box, int flags, const QString &words)>;

// Draws the chart into the box with plain painter calls, in the painter's device
// units (a window, an image, a PDF page); text in the report's font at fontPoints,
// drawn by drawText when given.
void drawDutyChart(QPainter &painter, const QRectF &box, const DutyChart &chart, double fontPoints,
                   const ChartTextDrawer &drawText = {});

} // namespace quorvel
