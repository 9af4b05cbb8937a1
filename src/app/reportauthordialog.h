#pragma once

#include "programdialog.h"
#include "reportauthor.h"

#include <optional>

class QLineEdit;

namespace quorvel {

// Asks who prepares the design report before it is exported: the engineer and the
// organisation, filled in with the last answer. Made once and kept.
class ReportAuthorDialog : public ProgramDialog {
    Q_OBJECT
public:
    ReportAuthorDialog(MessageBoxes &boxes, QWidget *parent = nullptr);

    // The answer, or none when the export was cancelled.
    std::optional<ReportAuthor> ask(const ReportAuthor &last);

private:
    QLineEdit *preparedBy_;
    QLineEdit *organisation_;
};

} // namespace quorvel
