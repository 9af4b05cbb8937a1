#pragma once

#include "designchecks.h"
#include "programdialog.h"

class QTableWidget;

namespace quorvel {

// The list of every design check of the design the main window shows: the check,
// the value found, its limit and the outcome in words with an icon. Made when first
// shown and kept.
class DesignChecksWindow : public ProgramDialog {
    Q_OBJECT
public:
    DesignChecksWindow(MessageBoxes &boxes, QWidget *parent = nullptr);

    void setChecks(const QList<DesignCheck> &checks);
    // "Pass", "Warning", "Fail", "Not applicable".
    static QString outcomeText(CheckOutcome outcome);

private:
    QTableWidget *table_;
};

} // namespace quorvel
