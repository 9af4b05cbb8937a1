#include "tform6.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QSvgRenderer>

#include <algorithm>

namespace {

// A vector picture rendered at its own size on a transparent background; the label
// showing it stretches it to its box.
QPixmap renderPicture(const QString &resource)
{
    QSvgRenderer renderer(resource);
    QPixmap pixmap(renderer.defaultSize());
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

QLabel *pictureBox(QWidget *parent, const QString &resource, const QRect &place)
{
    auto *box = new QLabel(parent);
    box->setGeometry(place);
    box->setScaledContents(true);
    box->setPixmap(renderPicture(resource));
    return box;
}

// A static text sizes itself to its text: it keeps its place and grows wider when the
// font that stands in for the designed one needs more room.
QLabel *staticText(QWidget *parent, const QString &text, const QRect &place)
{
    auto *label = new QLabel(text, parent);
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

    Image2 = pictureBox(this, ":/logo.svg", QRect(116, 8, 105, 105));
    StaticText1 = staticText(this, "Quorvel is a simulator to design emergency systems",
                             QRect(32, 120, 288, 17));
    StaticText2 = staticText(this, "Dravenholt Systems", QRect(141, 143, 80, 17));
    Image1 = pictureBox(this, ":/schematic.svg", QRect(17, 152, 57, 41));
    StaticText3 = staticText(this, "www.example.org/quorvel", QRect(120, 176, 123, 17));

    OK = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), "OK", this);
    OK->setGeometry(138, 224, 75, 25);
    connect(OK, &QPushButton::clicked, this, &TForm6::OKClick);
}

void TForm6::OKClick()
{
    // Hiding ends the modal showing; the window stays for the next one.
    hide();
}
