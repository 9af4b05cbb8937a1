#include "qtmessageboxes.h"

#include "apptitle.h"

#include <QApplication>

namespace quorvel {

namespace {
QString warningCaption()
{
    return QCoreApplication::translate("quorvel::MessageBoxes", "Warning");
}
}

void QtMessageBoxes::warning(const QString &text)
{
    show(QMessageBox::NoIcon, warningCaption(), text, QMessageBox::Ok);
}

bool QtMessageBoxes::question(const QString &text)
{
    return show(QMessageBox::NoIcon, warningCaption(), text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool QtMessageBoxes::questionDefaultNo(const QString &text)
{
    return show(QMessageBox::NoIcon, warningCaption(), text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

void QtMessageBoxes::information(const QString &text)
{
    show(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok);
}

void QtMessageBoxes::error(const QString &text)
{
    show(QMessageBox::Critical, applicationTitle(), text, QMessageBox::Ok);
}

QMessageBox::StandardButton QtMessageBoxes::show(QMessageBox::Icon icon, const QString &caption, const QString &text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton)
{
    // Over the window in front (a modal window's, if one is up), modal for the whole
    // program, even before the main window is shown.
    QWidget *owner = QApplication::activeModalWidget();
    if (!owner)
        owner = QApplication::activeWindow();
    QMessageBox box(icon, caption, text, buttons, owner);
    box.setWindowModality(Qt::ApplicationModal);
    box.setTextFormat(Qt::PlainText);
    if (defaultButton == QMessageBox::NoButton)
        defaultButton = buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace quorvel
