// curvegen DATABASE_FOLDER
//
// Draws a head-flow curve picture for every pump of DATABASE_FOLDER/pumps.csv from
// the catalog's own rated flow, head and power, into the file named in the curve
// picture column, and the picture "no curve.bmp". The pictures are 16-colour BMPs.

#include "celltable.h"
#include "linelist.h"
#include "rowlist.h"

#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <cmath>

using namespace quorvel;

namespace {

constexpr int kWidth = 288;
constexpr int kHeight = 292;

struct Pump {
    QString kind, model, picture;
    double flow = 0;  // rated flow, L/s
    double head = 0;  // rated head, m
    double power = 0; // kW
};

const QColor kBackground(255, 255, 255);
const QColor kInk(0, 0, 0);
const QColor kGrid(192, 192, 192);
const QColor kCurve(0, 0, 160);
const QColor kDuty(192, 0, 0);
const QColor kFrame(128, 128, 128);

// A step of 1, 2, 2.5 or 5 times a power of ten giving about `parts` intervals.
double niceStep(double range, int parts)
{
    const double raw = range / parts;
    const double scale = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (m * scale >= raw)
            return m * scale;
    }
    return 10 * scale;
}

QString number(double v)
{
    return QString::number(v, 'g', 4);
}

QFont plainFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    // No grey edges: every pixel stays one of the palette's colours.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// Paletted copy with the few colours used, so that the BMP is written with 4 bits
// per pixel.
QImage paletted(const QImage &image)
{
    const QList<QRgb> palette{kBackground.rgb(), kInk.rgb(), kGrid.rgb(), kCurve.rgb(),
                              kDuty.rgb(), kFrame.rgb()};
    return image.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither | Qt::AvoidDither);
}

QImage blankPicture()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(kBackground);
    return image;
}

// Head falls with the square of the flow from 1.3 times the rated head at shut-off
// through the rated point, as for a centrifugal pump.
double headAt(const Pump &pump, double q)
{
    const double shutOff = 1.3 * pump.head;
    const double k = 0.3 * pump.head / (pump.flow * pump.flow);
    return shutOff - k * q * q;
}

QImage curvePicture(const Pump &pump)
{
    QImage image = blankPicture();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);

    const QRect plot(52, 46, kWidth - 52 - 16, kHeight - 46 - 50);
    const double qEnd = pump.flow * std::sqrt((1.3 - 0.4) / 0.3); // down to 40 % of the rated head
    const double qStep = niceStep(qEnd, 5);
    const double qMax = std::ceil(qEnd / qStep) * qStep;
    const double hStep = niceStep(1.3 * pump.head, 5);
    const double hMax = std::ceil(1.3 * pump.head * 1.05 / hStep) * hStep;
    auto x = [&](double q) { return plot.left() + q / qMax * plot.width(); };
    auto y = [&](double h) { return plot.bottom() - h / hMax * plot.height(); };

    p.setPen(kInk);
    p.setFont(plainFont(13, true));
    p.drawText(QRect(0, 4, kWidth, 18), Qt::AlignCenter, pump.kind + QStringLiteral(" pump"));
    p.drawText(QRect(0, 22, kWidth, 18), Qt::AlignCenter, pump.model);

    p.setFont(plainFont(10));
    for (double q = 0; q <= qMax + qStep / 2; q += qStep) {
        const int px = qRound(x(q));
        p.setPen(kGrid);
        p.drawLine(px, plot.top(), px, plot.bottom());
        p.setPen(kInk);
        p.drawLine(px, plot.bottom(), px, plot.bottom() + 3);
        p.drawText(QRect(px - 20, plot.bottom() + 4, 40, 14), Qt::AlignHCenter | Qt::AlignTop, number(q));
    }
    for (double h = 0; h <= hMax + hStep / 2; h += hStep) {
        const int py = qRound(y(h));
        p.setPen(kGrid);
        p.drawLine(plot.left(), py, plot.right(), py);
        p.setPen(kInk);
        p.drawLine(plot.left() - 3, py, plot.left(), py);
        p.drawText(QRect(plot.left() - 40, py - 7, 36, 14), Qt::AlignRight | Qt::AlignVCenter, number(h));
    }
    p.setPen(kInk);
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.bottomLeft(), plot.topLeft());

    p.setFont(plainFont(11));
    p.drawText(QRect(plot.left(), plot.bottom() + 20, plot.width(), 16), Qt::AlignCenter,
               QStringLiteral("Flow (L/s)"));
    p.save();
    p.translate(12, plot.center().y());
    p.rotate(-90);
    p.drawText(QRect(-plot.height() / 2, -8, plot.height(), 16), Qt::AlignCenter, QStringLiteral("Head (m)"));
    p.restore();

    QPainterPath curve;
    const int steps = 120;
    for (int i = 0; i <= steps; ++i) {
        const double q = qEnd * i / steps;
        const QPointF point(x(q), y(headAt(pump, q)));
        i == 0 ? curve.moveTo(point) : curve.lineTo(point);
    }
    p.setPen(QPen(kCurve, 2));
    p.drawPath(curve);

    const QPointF duty(x(pump.flow), y(pump.head));
    p.setPen(QPen(kDuty, 1));
    p.setBrush(kDuty);
    p.drawEllipse(duty, 3, 3);
    p.setFont(plainFont(10));
    p.drawText(QRectF(duty.x() + 6, duty.y() - 18, 130, 14), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("%1 L/s at %2 m").arg(number(pump.flow), number(pump.head)));
    p.setPen(kInk);
    p.drawText(QRect(plot.left(), kHeight - 14, plot.width(), 14), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Rated power %1 kW").arg(number(pump.power)));
    p.end();
    return paletted(image);
}

QImage noCurvePicture()
{
    QImage image = blankPicture();
    QPainter p(&image);
    p.setPen(QPen(kFrame, 1, Qt::DashLine));
    p.drawRect(image.rect().adjusted(8, 8, -9, -9));
    p.setPen(kFrame);
    p.setFont(plainFont(16, true));
    p.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("No pump curve"));
    p.end();
    // Two colours: written with 1 bit per pixel.
    return image.convertToFormat(QImage::Format_Mono, {kBackground.rgb(), kFrame.rgb()},
                                 Qt::ThresholdDither | Qt::AvoidDither);
}

bool number(const QString &text, double &value)
{
    bool ok = false;
    value = text.trimmed().toDouble(&ok);
    return ok && value > 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: curvegen DATABASE_FOLDER\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    LineList lines;
    CellTable table(7, 0);
    try {
        lines.loadFromFile(folder.filePath(QStringLiteral("pumps.csv")));
    } catch (const std::exception &e) {
        err << e.what() << '\n';
        return 1;
    }
    int failures = 0;
    for (int i = 1; i < lines.count(); ++i) {
        table.setStrictDelimiter(i, true);
        RowList row = rowList(table, i);
        row.setCommaText(lines[i]);
        Pump pump{row[1].trimmed(), row[2].trimmed(), row[6].trimmed()};
        if (pump.picture.isEmpty())
            continue;
        if (!number(row[3], pump.flow) || !number(row[4], pump.head) || !number(row[5], pump.power)) {
            err << "line " << i + 1 << ": flow, head and power must be positive numbers\n";
            ++failures;
            continue;
        }
        if (!curvePicture(pump).save(folder.filePath(pump.picture), "BMP")) {
            err << "cannot write " << pump.picture << '\n';
            ++failures;
        }
    }
    if (!noCurvePicture().save(folder.filePath(QStringLiteral("no curve.bmp")), "BMP")) {
        err << "cannot write no curve.bmp\n";
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
