#include "printerchoicedialog.h"

#include "platform.h"
#include "printing.h"
#include "ui_printerchoicedialog.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quorvel {

PrinterChoiceDialog::PrinterChoiceDialog(Platform &platform, QWidget *parent)
    : ProgramDialog(*platform.messages, parent), platform_(platform),
      ui_(std::make_unique<Ui::PrinterChoiceDialog>())
{
    // The form's caption is the window's name from the form designer, not a title:
    // users have always seen it, so it is kept deliberately.
    ui_->setupUi(this);
    QComboBox *printerBox = ui_->printerBox;
    printerBox->setCompleter(nullptr); // the text is exactly what the user typed
    printerBox->resize(printerBox->width(), printerBox->sizeHint().height());
    // Qt would select a matching entry when the text editor merely loses the focus;
    // here only the user's edits and picks change the selection.
    disconnect(printerBox->lineEdit(), &QLineEdit::editingFinished, printerBox, nullptr);
    focusAtClose_ = ui_->setupButton;

    // No default button: Enter presses the focused button (keyPressEvent).
    onClick(ui_->setupButton, [this] { platform_.printing->printerSetup(this); });
    onClick(ui_->okButton, [this] {
        cancelled_ = false;
        close();
    });
    onClick(ui_->cancelButton, [this] {
        cancelled_ = true;
        close();
    });
    connectGuarded(boxes_, printerBox, &QComboBox::activated, this, [this] { choosePrinter(); });
    connect(printerBox->lineEdit(), &QLineEdit::textEdited, this, &PrinterChoiceDialog::textEdited);
}

PrinterChoiceDialog::~PrinterChoiceDialog() = default;

void PrinterChoiceDialog::fillPrinterBox()
{
    Printing &printing = *platform_.printing;
    printing.setPrinterIndex(-1);
    const QString name = printing.printers().value(printing.printerIndex());
    const QSignalBlocker block(ui_->printerBox);
    ui_->printerBox->addItems(printing.printers());
    ui_->printerBox->setCurrentIndex(-1);
    ui_->printerBox->setEditText(name);
}

void PrinterChoiceDialog::textEdited(const QString &text)
{
    // Qt keeps the last picked entry selected while the text is edited; here the
    // selection follows the text: the entry it names, or none.
    const int match = ui_->printerBox->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (ui_->printerBox->currentIndex() != match) {
        QLineEdit *edit = ui_->printerBox->lineEdit();
        const int cursor = edit->cursorPosition();
        const QSignalBlocker block(ui_->printerBox);
        ui_->printerBox->setCurrentIndex(match); // with no entry, Qt empties the text
        if (edit->text() != text)
            edit->setText(text);
        edit->setCursorPosition(cursor);
    }
    guard([this] { choosePrinter(); });
}

void PrinterChoiceDialog::choosePrinter()
{
    platform_.printing->setPrinterIndex(ui_->printerBox->currentIndex());
}

void PrinterChoiceDialog::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        event->accept(); // no cancel button
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto *button = qobject_cast<QPushButton *>(focusWidget()))
            button->click();
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void PrinterChoiceDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    focusAtClose_->setFocus(Qt::OtherFocusReason);
}

void PrinterChoiceDialog::done(int result)
{
    if (QWidget *focused = focusWidget(); focused && isAncestorOf(focused))
        focusAtClose_ = focused == ui_->printerBox->lineEdit() ? ui_->printerBox : focused;
    QDialog::done(result);
}

} // namespace quorvel
