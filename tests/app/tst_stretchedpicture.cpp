#include "stretchedpicture.h"

#include <QTemporaryDir>
#include <QTest>

using namespace quorvel;

class StretchedPictureTest : public QObject {
    Q_OBJECT
private slots:
    void coversTheWholeBox_data();
    void coversTheWholeBox();
};

void StretchedPictureTest::coversTheWholeBox_data()
{
    QTest::addColumn<QSize>("box");
    // A picture twice as wide as high in boxes of other shapes (sizes that are whole
    // device pixels also at 1.25 times, where the test runs too).
    QTest::newRow("tall and narrow, as in the main window") << QSize(8, 96);
    QTest::newRow("wide and flat") << QSize(96, 8);
}

void StretchedPictureTest::coversTheWholeBox()
{
    QFETCH(QSize, box);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("red.svg"));
    QFile svg(file);
    QVERIFY(svg.open(QIODevice::WriteOnly));
    svg.write(R"(<svg xmlns="http://www.w3.org/2000/svg" width="40" height="20">)"
              R"(<rect width="40" height="20" fill="#ff0000"/></svg>)");
    svg.close();

    StretchedPicture picture(file);
    picture.resize(box);
    const QImage shown = picture.grab().toImage();
    QCOMPARE(shown.size(), box * picture.devicePixelRatioF());
    // Stretched, not fitted: no pixel of the box's own background shows.
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixelColor(x, y) != QColor(Qt::red))
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is %3").arg(x).arg(y).arg(shown.pixelColor(x, y).name())));
}

QTEST_MAIN(StretchedPictureTest)
#include "tst_stretchedpicture.moc"
