#include "predrawnsvgicons.h"

#include <QApplication>
#include <QTest>

using namespace quorvel;

class PredrawnSvgIconsTest : public QObject {
    Q_OBJECT
private slots:
    void samePixmapsAsQtsEngine_data();
    void samePixmapsAsQtsEngine();
};

void PredrawnSvgIconsTest::samePixmapsAsQtsEngine_data()
{
    QTest::addColumn<qreal>("drawnFor"); // the pixel ratio drawn beforehand
    QTest::addColumn<qreal>("askedAt");
    QTest::addColumn<int>("mode");
    QTest::newRow("drawn, normal") << 1.0 << 1.0 << int(QIcon::Normal);
    QTest::newRow("drawn, disabled") << 1.0 << 1.0 << int(QIcon::Disabled);
    QTest::newRow("drawn at 2x") << 2.0 << 2.0 << int(QIcon::Disabled);
    QTest::newRow("hovered, from Qt's engine") << 1.0 << 1.0 << int(QIcon::Active);
    QTest::newRow("another ratio, from Qt's engine") << 1.0 << 2.0 << int(QIcon::Normal);
}

void PredrawnSvgIconsTest::samePixmapsAsQtsEngine()
{
    QFETCH(qreal, drawnFor);
    QFETCH(qreal, askedAt);
    QFETCH(int, mode);
    const QString normal = QStringLiteral(":/toolbar/save.svg");
    const QString disabled = QStringLiteral(":/toolbar/save-disabled.svg");
    const QSize size(16, 16);

    QIcon qts(normal);
    qts.addFile(disabled, QSize(), QIcon::Disabled);
    PredrawnSvgIcons predrawn({normal, disabled}, size, drawnFor);
    const QIcon ours = predrawn.icon(normal, disabled);

    const QPixmap expected = qts.pixmap(size, askedAt, QIcon::Mode(mode));
    const QPixmap actual = ours.pixmap(size, askedAt, QIcon::Mode(mode));
    QVERIFY(!expected.isNull());
    QCOMPARE(actual.devicePixelRatio(), expected.devicePixelRatio());
    QCOMPARE(actual.toImage(), expected.toImage());
}

QTEST_MAIN(PredrawnSvgIconsTest)
#include "tst_predrawnsvgicons.moc"
