#pragma once

#include "designchecks.h"
#include "dutychart.h"
#include "programdialog.h"

#include <optional>

class QTableWidget;

namespace quorvel {

class DutyChartWidget;

// The list of every design check of the design the main window shows: the check,
// the value found, its limit and the outcome in words with an icon; under it the
// design's duty-point chart, as the report draws it. Made when first shown and kept.
class DesignChecksWindow : public ProgramDialog {
    Q_OBJECT
public:
    DesignChecksWindow(MessageBoxes &boxes, QWidget *parent = nullptr);

    // No chart (no design, or inputs out of range) hides it.
    void setChecks(const QList<DesignCheck> &checks, const std::optional<DutyChart> &chart);
    // "Pass", "Warning", "Fail", "Not applicable".
    static QString outcomeText(CheckOutcome outcome);

private:
    QTableWidget *table_;
    DutyChartWidget *chart_;
};

} // namespace quorvel
