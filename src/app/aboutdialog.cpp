#include "aboutdialog.h"

#include "ui_aboutdialog.h"

#include <QStyle>

#include <algorithm>

namespace quorvel {

AboutDialog::AboutDialog(MessageBoxes &boxes, QWidget *parent)
    : ProgramDialog(boxes, parent), ui_(std::make_unique<Ui::AboutDialog>())
{
    ui_->setupUi(this);
    setFixedSize(size());

    // A static text sizes itself to its text: it keeps its place and grows wider when
    // the font that stands in for the designed one needs more room.
    for (QLabel *text : {ui_->productLabel, ui_->makerLabel, ui_->webAddressLabel})
        text->resize(std::max(text->width(), text->sizeHint().width()), text->height());

    ui_->okButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    // Hiding ends the modal showing; the window stays for the next one.
    onClick(ui_->okButton, [this] { hide(); });
}

AboutDialog::~AboutDialog() = default;

} // namespace quorvel
