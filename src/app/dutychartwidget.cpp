#include "dutychartwidget.h"

#include <QPainter>

namespace quorvel {

namespace {

constexpr int margin = 6; // px of white around the chart
// The report's Times reads smaller than the window's Tahoma at the same size.
constexpr double largerPoints = 1;

} // namespace

DutyChartWidget::DutyChartWidget(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumHeight(200);
    hide();
}

void DutyChartWidget::setChart(const std::optional<DutyChart> &chart)
{
    chart_ = chart;
    setVisible(chart_.has_value());
    update();
}

QSize DutyChartWidget::sizeHint() const
{
    return {600, 320};
}

void DutyChartWidget::paintEvent(QPaintEvent *)
{
    if (!chart_)
        return;
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    drawDutyChart(painter, QRectF(rect().adjusted(margin, margin, -margin, -margin)), *chart_,
                  font().pointSizeF() + largerPoints);
}

} // namespace quorvel
