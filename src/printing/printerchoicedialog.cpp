#include "printerchoicedialog.h"

#include "platform.h"
#include "printing.h"
#include "windowparts.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quorvel {

PrinterChoiceDialog::PrinterChoiceDialog(Platform &platform, QWidget *parent)
    : ProgramDialog(*platform.messages, parent), platform_(platform)
{
    setObjectName(QStringLiteral("printerChoiceDialog"));
    // The caption is the window's designer name; kept as users have always seen it.
    setWindowTitle(QStringLiteral("Form5"));
    resize(447, 202);

    auto *printerLabel = new QLabel(QStringLiteral("Printer"), this);
    printerLabel->setObjectName(QStringLiteral("printerLabel"));
    printerLabel->setGeometry(48, 32, 36, 17);

    printerBox_ = new QComboBox(this);
    printerBox_->setObjectName(QStringLiteral("printerBox"));
    printerBox_->setEditable(true);
    printerBox_->setInsertPolicy(QComboBox::NoInsert);
    printerBox_->setCompleter(nullptr); // the text is exactly what the user typed
    printerBox_->setGeometry(90, 32, 217, printerBox_->sizeHint().height());
    // Qt would select a matching entry when the text editor merely loses the focus;
    // here only the user's edits and picks change the selection.
    disconnect(printerBox_->lineEdit(), &QLineEdit::editingFinished, printerBox_, nullptr);

    QPushButton *setupButton = makeButton(this, QStringLiteral("setupButton"), QStringLiteral("Printer Setup"));
    setupButton->setGeometry(320, 30, 107, 25);
    QPushButton *okButton = makeButton(this, QStringLiteral("okButton"), QStringLiteral("OK"));
    okButton->move(256, 169);
    QPushButton *cancelButton = makeButton(this, QStringLiteral("cancelButton"), QStringLiteral("Cancel"));
    cancelButton->move(352, 169);

    setTabOrder(setupButton, cancelButton);
    setTabOrder(cancelButton, okButton);
    setTabOrder(okButton, printerBox_);
    focusAtClose_ = setupButton;

    // No default button: Enter presses the focused button (keyPressEvent).
    onClick(setupButton, [this] { platform_.printing->printerSetup(this); });
    onClick(okButton, [this] {
        cancelled_ = false;
        close();
    });
    onClick(cancelButton, [this] {
        cancelled_ = true;
        close();
    });
    connectGuarded(boxes_, printerBox_, &QComboBox::activated, this, [this] { choosePrinter(); });
    connect(printerBox_->lineEdit(), &QLineEdit::textEdited, this, &PrinterChoiceDialog::textEdited);
}

void PrinterChoiceDialog::fillPrinterBox()
{
    Printing &printing = *platform_.printing;
    printing.setPrinterIndex(-1);
    const QString name = printing.printers().value(printing.printerIndex());
    const QSignalBlocker block(printerBox_);
    printerBox_->addItems(printing.printers());
    printerBox_->setCurrentIndex(-1);
    printerBox_->setEditText(name);
}

void PrinterChoiceDialog::textEdited(const QString &text)
{
    // Qt keeps the last picked entry selected while the text is edited; here the
    // selection follows the text: the entry it names, or none.
    const int match = printerBox_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (printerBox_->currentIndex() != match) {
        QLineEdit *edit = printerBox_->lineEdit();
        const int cursor = edit->cursorPosition();
        const QSignalBlocker block(printerBox_);
        printerBox_->setCurrentIndex(match); // with no entry, Qt empties the text
        if (edit->text() != text)
            edit->setText(text);
        edit->setCursorPosition(cursor);
    }
    guard([this] { choosePrinter(); });
}

void PrinterChoiceDialog::choosePrinter()
{
    platform_.printing->setPrinterIndex(printerBox_->currentIndex());
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
        focusAtClose_ = focused == printerBox_->lineEdit() ? printerBox_ : focused;
    QDialog::done(result);
}

} // namespace quorvel
