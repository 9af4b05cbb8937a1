#pragma once

#include <QPaintDevice>
#include <QPointF>
#include <QRectF>

#include <cmath>

namespace quorvel {

// Coordinates in whole device units on a print device. There a unit is 1/1200 inch
// (0.02 mm), far below what the eye or a printer tells apart, and whole numbers keep
// every coordinate the PDF writes short: a report of many pages gets much smaller.
// On a screen coordinates stay as they are, so curves stay smooth.
class WholeUnits {
public:
    explicit WholeUnits(const QPaintDevice &device) : whole_(device.logicalDpiX() >= 600) {}

    double operator()(double value) const { return whole_ ? std::round(value) : value; }
    QPointF operator()(const QPointF &point) const { return {(*this)(point.x()), (*this)(point.y())}; }
    QRectF operator()(const QRectF &box) const
    {
        return QRectF(QPointF((*this)(box.left()), (*this)(box.top())), QPointF((*this)(box.right()), (*this)(box.bottom())));
    }

private:
    bool whole_;
};

} // namespace quorvel
