#pragma once

#include "programdialog.h"

#include <memory>

class QKeyEvent;
class QShowEvent;

namespace quorvel {

namespace Ui {
class PrinterChoiceDialog;
}

struct Platform;

// The printer choice window, shown modally before every printout. It works on the
// program-wide current printer, so a printer picked here stays current for every
// later printout, whichever way the window was closed.
class PrinterChoiceDialog : public ProgramDialog {
    Q_OBJECT
public:
    PrinterChoiceDialog(Platform &platform, QWidget *parent = nullptr);
    ~PrinterChoiceDialog() override;

    // Fills the printer box with the installed printers, showing the default one's
    // name with no entry selected. Fails when there is no default printer.
    void fillPrinterBox();

    // Whether the last of "OK" and "Cancel" pressed was "Cancel" (closing the window
    // otherwise leaves it as it was; false before either was pressed).
    bool cancelled() const { return cancelled_; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    // The user changed the box: its selected entry, or the default printer when the
    // text matches no entry, becomes the current printer.
    void choosePrinter();
    void textEdited(const QString &text);

    Platform &platform_;
    std::unique_ptr<Ui::PrinterChoiceDialog> ui_;
    QWidget *focusAtClose_;
    bool cancelled_ = false;
};

} // namespace quorvel
