#pragma once

#include "commandswitches.h"

class QAbstractButton;
class QAction;

namespace quorvel {

// The main window's three project commands as the rest of the program switches
// them: Save (toolbar button), Save as (menu item) and Print (toolbar button).
class CommandButtons final : public CommandSwitches {
public:
    void attach(QAbstractButton *save, QAction *saveAs, QAbstractButton *print);

    void setSaveEnabled(bool on) override;
    void setSaveAsEnabled(bool on) override;
    void setPrintEnabled(bool on) override;
    // Enabled as far as the button itself is concerned, also while its window is
    // hidden or disabled by a modal window.
    bool saveEnabled() const override;

private:
    QAbstractButton *save_ = nullptr;
    QAction *saveAs_ = nullptr;
    QAbstractButton *print_ = nullptr;
};

} // namespace quorvel
