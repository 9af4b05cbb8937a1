#pragma once

#include "errorguard.h"

#include <QDialog>
#include <functional>

class QAbstractButton;

namespace quorvel {

// The base of the program's fixed windows: a title bar with the system menu and the
// close box only, the designed font, and event bindings through the error wrapper.
// The windows are made once, hidden, and shown modally any number of times; closing
// only hides them, so they keep their state between showings.
class ProgramDialog : public QDialog {
    Q_OBJECT
public:
    ProgramDialog(MessageBoxes &boxes, QWidget *parent);

protected:
    // Runs a handler through the error wrapper; false when it failed.
    bool guard(const std::function<void()> &handler);
    // Binds a button's click to a handler through the error wrapper.
    void onClick(QAbstractButton *button, std::function<void()> handler);

    MessageBoxes &boxes_;
};

} // namespace quorvel
