#include "stretchedpicture.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

using namespace quorvel;

namespace {

// The picture drawn straight onto the window, as the box drew it before it drew
// through an image.
class StraightPicture : public QWidget {
public:
    StraightPicture(const QString &file, QWidget *parent) : QWidget(parent), renderer_(file)
    {
        renderer_.setAspectRatioMode(Qt::IgnoreAspectRatio);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer_.render(&painter, QRectF(rect()));
    }

private:
    QSvgRenderer renderer_;
};

// A window holding the picture box at the given place, rendered at the screen's pixel
// ratio (the test also runs at 1.25 and 2 times).
template <typename Box>
QImage windowWith(const QRect &place)
{
    QWidget window;
    window.resize(place.right() + 20, place.bottom() + 20);
    (new Box(QStringLiteral(":/schematic.svg"), &window))->setGeometry(place);
    QImage image(window.size() * window.devicePixelRatioF(), QImage::Format_RGB32);
    image.setDevicePixelRatio(window.devicePixelRatioF());
    window.render(&image);
    return image;
}

} // namespace

class StretchedPictureTest : public QObject {
    Q_OBJECT
private slots:
    void samePixelsAsDrawnStraight_data();
    void samePixelsAsDrawnStraight();
};

void StretchedPictureTest::samePixelsAsDrawnStraight_data()
{
    QTest::addColumn<QRect>("place");
    // The main window's schematic beside the sheet panel and the About window's small one.
    QTest::newRow("main window") << QRect(706, 46, 89, 684);
    QTest::newRow("about window") << QRect(17, 152, 57, 41);
}

void StretchedPictureTest::samePixelsAsDrawnStraight()
{
    QFETCH(QRect, place);
    const QImage straight = windowWith<StraightPicture>(place);
    const QImage drawn = windowWith<StretchedPicture>(place);
    QVERIFY(straight == drawn);
}

QTEST_MAIN(StretchedPictureTest)
#include "tst_stretchedpicture.moc"
