#pragma once

#include "dutychart.h"

#include <QWidget>

#include <optional>

namespace quorvel {

// The duty-point chart on white, drawn afresh at every size as the report draws it;
// hidden while there is no chart.
class DutyChartWidget : public QWidget {
    Q_OBJECT
public:
    explicit DutyChartWidget(QWidget *parent = nullptr);

    void setChart(const std::optional<DutyChart> &chart);
    const std::optional<DutyChart> &chart() const { return chart_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<DutyChart> chart_;
};

} // namespace quorvel
