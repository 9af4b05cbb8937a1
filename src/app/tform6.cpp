#include "tform6.h"

#include "app/stretchedpicture.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace {

// The pictures have no background of their own: the window shows through where the
// drawing leaves them transparent.
StretchedPicture *pictureBox(QWidget *parent, const QString &name, const QString &resource,
                             const QRect &place)
{
    auto *box = new StretchedPicture(resource, parent);
    box->setObjectName(name);
    box->setGeometry(place);
    return box;
}

// A static text sizes itself to its text: it keeps its place and grows wider when the
// font that stands in for the designed one needs more room.
QLabel *staticText(QWidget *parent, const QString &name, const QString &text, const QRect &place)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->resize(std::max(place.width(), label->sizeHint().width()), place.height());
    return label;
}

}

TForm6::TForm6(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle("About Quorvel");
    setFont(QFont("Tahoma", 8));
    setFixedSize(342, 270);

    Image2 = pictureBox(this, "Image2", ":/logo.svg", QRect(116, 8, 105, 105));
    StaticText1 = staticText(this, "StaticText1", "Quorvel is a simulator to design emergency systems",
                             QRect(32, 120, 288, 17));
    StaticText2 = staticText(this, "StaticText2", "Dravenholt Systems", QRect(141, 143, 80, 17));
    Image1 = pictureBox(this, "Image1", ":/schematic.svg", QRect(17, 152, 57, 41));
    StaticText3 = staticText(this, "StaticText3", "www.example.org/quorvel", QRect(120, 176, 123, 17));

    OK = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), "OK", this);
    OK->setObjectName("OK");
    OK->setGeometry(138, 224, 75, 25);
    connect(OK, &QPushButton::clicked, this, &TForm6::OKClick);
}

void TForm6::OKClick()
{
    // Hiding ends the modal showing; the window stays for the next one.
    hide();
}
