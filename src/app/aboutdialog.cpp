#include "aboutdialog.h"

#include "stretchedpicture.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace quorvel {

namespace {

// The pictures have no background of their own: the window shows through where the
// drawing leaves them transparent.
void addPicture(QWidget *parent, const QString &name, const QString &resource, const QRect &place)
{
    auto *box = new StretchedPicture(resource, parent);
    box->setObjectName(name);
    box->setGeometry(place);
}

// A static text sizes itself to its text: it keeps its place and grows wider when the
// font that stands in for the designed one needs more room.
void addText(QWidget *parent, const QString &name, const QString &text, const QRect &place)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->resize(std::max(place.width(), label->sizeHint().width()), place.height());
}

} // namespace

AboutDialog::AboutDialog(MessageBoxes &boxes, QWidget *parent) : ProgramDialog(boxes, parent)
{
    setWindowTitle(QStringLiteral("About Quorvel"));
    setFixedSize(342, 270);

    addPicture(this, QStringLiteral("logo"), QStringLiteral(":/logo.svg"), QRect(116, 8, 105, 105));
    addText(this, QStringLiteral("productLabel"), QStringLiteral("Quorvel is a simulator to design emergency systems"),
            QRect(32, 120, 288, 17));
    addText(this, QStringLiteral("makerLabel"), QStringLiteral("Dravenholt Systems"), QRect(141, 143, 80, 17));
    addPicture(this, QStringLiteral("schematicPicture"), QStringLiteral(":/schematic.svg"), QRect(17, 152, 57, 41));
    addText(this, QStringLiteral("webAddressLabel"), QStringLiteral("www.example.org/quorvel"), QRect(120, 176, 123, 17));

    auto *okButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setGeometry(138, 224, 75, 25);
    // Hiding ends the modal showing; the window stays for the next one.
    onClick(okButton, [this] { hide(); });
}

} // namespace quorvel
