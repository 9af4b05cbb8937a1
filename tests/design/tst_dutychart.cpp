// The duty-point chart, drawn on a device that records what is painted: the marks
// sit where the layout maps their flow and head, the drawn curves cross at the
// operating point, the axes hold every mark at 1, 2 or 5 x 10^k steps, and nothing
// is drawn outside the box, in a window's pixels as in a PDF's units.
#include "dutychart.h"
#include "reportfont.h"

#include <QGuiApplication>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QTest>

#include <cmath>
#include <optional>

using namespace quorvel;

namespace {

// What a painter drew, in device coordinates.
struct Drawing {
    struct Polyline {
        QPolygonF points;
        Qt::PenStyle style;
    };
    QList<Polyline> polylines;
    QList<QPointF> circles; // centres
    QList<QRectF> rects;
    QList<QRectF> shapes;   // lines, polygons and ellipses, as bounds
    QList<QRectF> texts;    // bounds of each run of text
    QStringList words;
};

class RecordingEngine : public QPaintEngine {
public:
    explicit RecordingEngine(Drawing &drawing) : QPaintEngine(AllFeatures), drawing_(drawing) {}

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() & DirtyPen)
            pen_ = state.pen();
        if (state.state() & DirtyTransform)
            transform_ = state.transform();
    }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}

    using QPaintEngine::drawEllipse;
    using QPaintEngine::drawLines;
    using QPaintEngine::drawPolygon;
    using QPaintEngine::drawRects;
    void drawEllipse(const QRectF &rect) override
    {
        drawing_.circles << transform_.mapRect(rect).center();
        drawing_.shapes << transform_.mapRect(rect);
    }
    void drawLines(const QLineF *lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            drawing_.shapes << transform_.map(QPolygonF({lines[i].p1(), lines[i].p2()})).boundingRect();
    }
    void drawRects(const QRectF *rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            drawing_.rects << transform_.mapRect(rects[i]);
    }
    void drawPath(const QPainterPath &path) override
    {
        for (const QPolygonF &polygon : path.toSubpathPolygons(transform_))
            drawing_.polylines << Drawing::Polyline{polygon, pen_.style()};
    }
    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override
    {
        const QPolygonF polygon = transform_.map(QPolygonF(QList<QPointF>(points, points + count)));
        if (mode == PolylineMode)
            drawing_.polylines << Drawing::Polyline{polygon, pen_.style()};
        else
            drawing_.shapes << polygon.boundingRect();
    }
    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        const QRectF bounds(p.x(), p.y() - item.ascent(), item.width(), item.ascent() + item.descent());
        drawing_.texts << transform_.mapRect(bounds);
        drawing_.words << item.text();
    }

private:
    Drawing &drawing_;
    QPen pen_;
    QTransform transform_;
};

class RecordingDevice : public QPaintDevice {
public:
    RecordingDevice(QSize size, int dpi) : size_(size), dpi_(dpi), engine_(drawing) {}

    QPaintEngine *paintEngine() const override { return &engine_; }
    Drawing drawing;

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return size_.width();
        case PdmHeight: return size_.height();
        case PdmWidthMM: return int(size_.width() * 25.4 / dpi_);
        case PdmHeightMM: return int(size_.height() * 25.4 / dpi_);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return dpi_;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        case PdmDepth: return 32;
        default: return 1;
        }
    }

private:
    QSize size_;
    int dpi_;
    mutable RecordingEngine engine_;
};

// Where two polylines first cross.
std::optional<QPointF> crossing(const QPolygonF &a, const QPolygonF &b)
{
    for (qsizetype i = 1; i < a.size(); ++i) {
        for (qsizetype j = 1; j < b.size(); ++j) {
            QPointF at;
            if (QLineF(a[i - 1], a[i]).intersects(QLineF(b[j - 1], b[j]), &at) == QLineF::BoundedIntersection)
                return at;
        }
    }
    return std::nullopt;
}

bool isNiceStep(double step)
{
    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    return std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 || std::abs(mantissa - 5) < 1e-9;
}

bool onStep(double value, double step)
{
    return std::abs(value / step - std::round(value / step)) < 1e-6;
}

bool within(const QRectF &box, const QRectF &r, double slack)
{
    const QRectF room = box.adjusted(-slack, -slack, slack, slack);
    return room.contains(r.topLeft()) && room.contains(r.bottomRight()); // lines are rects without width
}

} // namespace

class TestDutyChart : public QObject {
    Q_OBJECT

private slots:
    void drawsTheChart_data()
    {
        QTest::addColumn<double>("lift");     // m, storage above source
        QTest::addColumn<double>("diameter"); // mm inside
        QTest::addColumn<double>("length");   // m
        QTest::addColumn<double>("designFlow");
        QTest::addColumn<double>("ratedFlow");
        QTest::addColumn<double>("ratedHead"); // 0: no rated duty
        QTest::addColumn<QRectF>("box");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<bool>("rated"); // a rated point is marked
        QTest::addColumn<bool>("meets"); // the curves meet at a marked point

        const QRectF window(10, 10, 880, 330);
        const QRectF page(1700, 4000, 2835, 2126); // 60 x 45 mm at 1200 dpi
        QTest::newRow("pumped, window") << 50.0 << 100.0 << 1000.0 << 8.68 << 10.0 << 45.0 << window << 96 << true << true;
        QTest::newRow("pumped, PDF page") << 50.0 << 100.0 << 1000.0 << 8.68 << 10.0 << 45.0 << page << 1200 << true << true;
        QTest::newRow("pumped, small box") << 50.0 << 100.0 << 1000.0 << 8.68 << 10.0 << 45.0 << QRectF(0, 0, 260, 170) << 96
                                           << true << true;
        QTest::newRow("rated far beyond the duty") << 12.0 << 150.0 << 800.0 << 2.0 << 40.0 << 60.0 << window << 96 << true << true;
        QTest::newRow("tank below the source, pumped") << -5.0 << 50.0 << 3000.0 << 3.0 << 4.0 << 40.0 << window << 96 << true << true;
        QTest::newRow("tiny flows") << 2.0 << 25.0 << 200.0 << 0.05 << 0.08 << 3.0 << window << 96 << true << true;
        QTest::newRow("the pump cannot lift the water") << 50.0 << 100.0 << 1000.0 << 8.68 << 10.0 << 30.0 << window << 96
                                                        << true << false;
        QTest::newRow("no rated duty") << 50.0 << 100.0 << 1000.0 << 8.68 << 0.0 << 0.0 << window << 96 << false << false;
        QTest::newRow("a rated flow of 0") << 50.0 << 100.0 << 1000.0 << 8.68 << 0.0 << 45.0 << window << 96 << false << false;
        QTest::newRow("gravity, the picked pump passed over") << -60.0 << 100.0 << 2000.0 << 5.0 << 10.0 << 45.0 << page
                                                              << 1200 << false << true;
    }
    void drawsTheChart()
    {
        QFETCH(double, lift);
        QFETCH(double, ratedFlow);
        QFETCH(double, ratedHead);
        QFETCH(QRectF, box);
        QFETCH(int, dpi);
        DesignRecord design;
        design.inputs.sourceElevation = 100;
        design.inputs.storageElevation = 100 + lift;
        QFETCH(double, length);
        design.inputs.pipelineLength = length;
        QFETCH(double, diameter);
        design.insideDiameter = diameter;
        QFETCH(double, designFlow);
        design.designFlow = designFlow;
        design.pumpingHead = designSystemCurve(design)->headAt(designFlow);
        // As the checks run it: a gravity supply without its pump, a pump without a
        // rated duty without a point.
        const bool gravity = design.pumpingHead <= 0;
        const std::optional<PumpDuty> pump = ratedHead > 0 ? std::optional(PumpDuty{ratedFlow, ratedHead}) : std::nullopt;
        std::optional<OperatingPoint> point;
        if (gravity || pump)
            point = designOperatingPoint(design, gravity ? std::nullopt : pump);
        const std::optional<DutyChart> chart = dutyChartOf(design, gravity, pump, point);
        QVERIFY(chart);

        RecordingDevice device(QSize(int(box.right()) + 1, int(box.bottom()) + 1), dpi);
        constexpr double points = 8;
        {
            QPainter painter(&device);
            drawDutyChart(painter, box, *chart, points);
        }
        const DutyChartLayout layout(*chart, box, QFontMetricsF(reportFont(points), &device));
        const Drawing &drawing = device.drawing;
        const QRectF &plot = layout.plot();

        // The axes: from no flow, every mark inside, nice steps, ends on a step, their
        // ends on the plot's corners with the head rising.
        QCOMPARE(layout.flowAxis().low, 0.0);
        QCOMPARE(layout.toDevice(0, layout.headAxis().low), plot.bottomLeft());
        QCOMPARE(layout.toDevice(layout.flowAxis().high, layout.headAxis().high), plot.topRight());
        for (const ChartMark &mark : chart->marks()) {
            QVERIFY(layout.flowAxis().low <= mark.flow && mark.flow < layout.flowAxis().high);
            QVERIFY(layout.headAxis().low <= mark.head && mark.head < layout.headAxis().high);
        }
        for (const ChartAxis &axis : {layout.flowAxis(), layout.headAxis()}) {
            QVERIFY2(isNiceStep(axis.step), qPrintable(QString::number(axis.step)));
            QVERIFY(onStep(axis.low, axis.step) && onStep(axis.high, axis.step));
            QVERIFY(axis.steps() >= 2);
        }

        // The marks in the plot: the rated point's square, the operating point's circle
        // where the curves meet (by gravity, the loss meeting the fall).
        QList<QPointF> circles;
        for (const QPointF &c : drawing.circles) {
            if (plot.contains(c))
                circles << c;
        }
        qsizetype squares = 0;
        for (const QRectF &r : drawing.rects)
            squares += plot.contains(r.center()) && qFuzzyCompare(r.width(), r.height()) && r.width() < plot.width() / 10;
        QTEST(squares == 1, "rated");
        QFETCH(bool, meets);
        QCOMPARE(circles.size(), meets ? 1 : 0);
        QList<QPolygonF> supply, pipeline;
        for (const Drawing::Polyline &line : drawing.polylines)
            (line.style == Qt::SolidLine ? supply : pipeline) << line.points;
        QCOMPARE(pipeline.size(), 1);
        QCOMPARE(supply.size(), chart->hasSupply() ? 1 : 0);
        const std::optional<QPointF> crossed = supply.isEmpty() ? std::nullopt : crossing(supply[0], pipeline[0]);
        QCOMPARE(crossed.has_value(), meets);
        if (meets) {
            const QPointF expected = layout.toDevice(point->flow, gravity ? -lift : point->head);
            QVERIFY(QLineF(circles[0], expected).length() < 1); // a device unit
            QVERIFY2(QLineF(*crossed, expected).length() < plot.width() / 200,
                     qPrintable(QStringLiteral("crossing at %1,%2, marked at %3,%4")
                                    .arg(crossed->x()).arg(crossed->y()).arg(expected.x()).arg(expected.y())));
        }
        QCOMPARE(drawing.words.join(u' ').contains("cannot lift the water"), chart->cannotLift());

        // Nothing but the curves, cut at the plot, reaches outside the box.
        const double pen = dpi / 25.4 * 0.3;
        for (const QList<QRectF> *parts : {&drawing.rects, &drawing.shapes, &drawing.texts}) {
            for (const QRectF &r : *parts)
                QVERIFY2(within(box, r, pen), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())));
        }
    }

    // Right to left the legend reads from the right, each sample right of its name,
    // and the plot stays where it is: flow rises to the right in every language.
    void legendReadsRightToLeft()
    {
        DesignRecord design;
        design.inputs.sourceElevation = 100;
        design.inputs.storageElevation = 150;
        design.inputs.pipelineLength = 1000;
        design.insideDiameter = 100;
        design.designFlow = 8.68;
        design.pumpingHead = designSystemCurve(design)->headAt(8.68);
        const PumpDuty pump{10, 45};
        const std::optional<DutyChart> chart = dutyChartOf(design, false, pump, designOperatingPoint(design, pump));
        QVERIFY(chart);
        const QRectF box(0, 0, 880, 330);
        const QFontMetricsF metrics(reportFont(8));
        const DutyChartLayout ltr(*chart, box, metrics), rtl(*chart, box, metrics, Qt::RightToLeft);
        QCOMPARE(rtl.plot(), ltr.plot());
        const auto &legend = rtl.legend();
        QVERIFY(legend.size() >= 2 && legend[0].text.top() == legend[1].text.top());
        QVERIFY(legend[0].sample.left() >= legend[0].text.right());
        QVERIFY(legend[1].sample.right() < legend[0].text.left());
    }

    // The steps come from 1, 2 and 5 x 10^k only, the fewest that fit.
    void niceSteps_data()
    {
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<int>("maxSteps");
        QTest::addColumn<double>("step");
        QTest::addColumn<double>("axisLow");
        QTest::addColumn<double>("axisHigh");
        QTest::addColumn<QString>("highLabel");
        QTest::newRow("0 to 13 in 5") << 0.0 << 13.0 << 5 << 5.0 << 0.0 << 15.0 << "15";
        QTest::newRow("0 to 13 in 10") << 0.0 << 13.0 << 10 << 2.0 << 0.0 << 14.0 << "14";
        QTest::newRow("a step of 10 just fits") << 0.0 << 100.0 << 10 << 10.0 << 0.0 << 100.0 << "100";
        QTest::newRow("below zero") << -7.0 << 61.0 << 8 << 10.0 << -10.0 << 70.0 << "70";
        QTest::newRow("hundredths") << 0.0 << 0.104 << 6 << 0.02 << 0.0 << 0.12 << "0.12";
        QTest::newRow("one step only") << 0.0 << 3.0 << 1 << 5.0 << 0.0 << 5.0 << "5";
        QTest::newRow("nothing to span") << 4.0 << 4.0 << 4 << 0.5 << 4.0 << 5.0 << "5.0";
    }
    void niceSteps()
    {
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(int, maxSteps);
        const ChartAxis axis = niceAxis(low, high, maxSteps);
        QTEST(axis.step, "step");
        QTEST(axis.low, "axisLow");
        QTEST(axis.high, "axisHigh");
        QTEST(axis.label(axis.high), "highLabel");
    }
};

QTEST_MAIN(TestDutyChart)
#include "tst_dutychart.moc"
