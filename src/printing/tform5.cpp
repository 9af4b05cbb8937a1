#include "tform5.h"

#include "platform/ui/errorguard.h"
#include "platform/ui/platform.h"
#include "platform/ui/printing.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TForm5::TForm5(Platform &platform, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint),
      platform_(platform)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Form5"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    resize(447, 202);

    StaticText1 = new QLabel(QStringLiteral("Printer"), this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setGeometry(48, 32, 36, 17);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setCompleter(nullptr); // the text is exactly what the user typed
    ComboBox1->setGeometry(90, 32, 217, ComboBox1->sizeHint().height());
    // Qt would select a matching entry when the text editor merely loses the focus;
    // here only the user's edits and picks change the selection.
    disconnect(ComboBox1->lineEdit(), &QLineEdit::editingFinished, ComboBox1, nullptr);

    Button3 = new QPushButton(QStringLiteral("Printer Setup"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setGeometry(320, 30, 107, 25);
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(256, 169, 75, 25);
    Button2 = new QPushButton(QStringLiteral("Cancel"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(352, 169, 75, 25);

    setTabOrder(Button3, Button2);
    setTabOrder(Button2, Button1);
    setTabOrder(Button1, ComboBox1);
    focusAtClose_ = Button3;

    // No default button: Enter presses the focused button (keyPressEvent).
    for (QPushButton *button : {Button3, Button1, Button2}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    bind(Button3, &TForm5::Button3Click);
    bind(Button1, &TForm5::Button1Click);
    bind(Button2, &TForm5::Button2Click);
    connect(ComboBox1, &QComboBox::activated, this,
            [this] { guarded(*platform_.messages, [this] { ComboBox1Change(); }); });
    connect(ComboBox1->lineEdit(), &QLineEdit::textEdited, this, &TForm5::textEdited);
}

void TForm5::bind(QPushButton *button, void (TForm5::*handler)())
{
    connect(button, &QPushButton::clicked, this,
            [this, handler] { guarded(*platform_.messages, [this, handler] { (this->*handler)(); }); });
}

void TForm5::FormCreate()
{
    Printing &printing = *platform_.printing;
    printing.setPrinterIndex(-1);
    const QString name = printing.printers().value(printing.printerIndex());
    const QSignalBlocker block(ComboBox1);
    ComboBox1->addItems(printing.printers());
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setEditText(name);
}

void TForm5::textEdited(const QString &text)
{
    // Qt keeps the last picked entry selected while the text is edited; here the
    // selection follows the text: the entry it names, or none.
    const int match = ComboBox1->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (ComboBox1->currentIndex() != match) {
        QLineEdit *edit = ComboBox1->lineEdit();
        const int cursor = edit->cursorPosition();
        const QSignalBlocker block(ComboBox1);
        ComboBox1->setCurrentIndex(match); // with no entry, Qt empties the text
        if (edit->text() != text)
            edit->setText(text);
        edit->setCursorPosition(cursor);
    }
    guarded(*platform_.messages, [this] { ComboBox1Change(); });
}

void TForm5::ComboBox1Change()
{
    platform_.printing->setPrinterIndex(ComboBox1->currentIndex());
}

void TForm5::Button3Click()
{
    platform_.printing->printerSetup(this);
}

void TForm5::Button1Click()
{
    printCancelled = false;
    close();
}

void TForm5::Button2Click()
{
    printCancelled = true;
    close();
}

void TForm5::keyPressEvent(QKeyEvent *event)
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

void TForm5::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    focusAtClose_->setFocus(Qt::OtherFocusReason);
}

void TForm5::done(int result)
{
    if (QWidget *focused = focusWidget(); focused && isAncestorOf(focused))
        focusAtClose_ = focused == ComboBox1->lineEdit() ? ComboBox1 : focused;
    QDialog::done(result);
}
