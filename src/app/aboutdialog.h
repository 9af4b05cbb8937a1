#pragma once

#include "programdialog.h"

#include <memory>

namespace quorvel {

namespace Ui {
class AboutDialog;
}

// The About window: logo, product line, maker, schematic and web address. It is
// created hidden at start-up, shown modally any number of times and only hidden
// in between, so every showing is the same window.
class AboutDialog : public ProgramDialog {
    Q_OBJECT
public:
    AboutDialog(MessageBoxes &boxes, QWidget *parent = nullptr);
    ~AboutDialog() override;

private:
    std::unique_ptr<Ui::AboutDialog> ui_;
};

} // namespace quorvel
