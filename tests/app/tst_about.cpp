// The About window: its frame, its controls at their places, and that showing it
// again shows the same, unchanged window.
#include "aboutdialog.h"
#include "stretchedpicture.h"
#include "support/children.h"
#include "support/fakemessageboxes.h"
#include "support/modal.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace quorvel;

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void frame();
    void controls_data();
    void controls();
    void pictures();
    void okHidesAndTheWindowStays();
    void shownTwiceIsUnchanged();
};

namespace {

// Everything a user can see of the window, as text.
QStringList snapshot(AboutDialog &form)
{
    QStringList state;
    state << form.windowTitle() << QString::number(form.width()) << QString::number(form.height())
          << form.font().family() << QString::number(form.font().pointSize());
    for (QWidget *child : form.findChildren<QWidget *>()) {
        QString line = child->metaObject()->className();
        const QRect g = child->geometry();
        line += QString(" %1,%2 %3x%4 ").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
        line += child->isVisible() ? "shown " : "hidden ";
        line += child->isEnabled() ? "enabled " : "disabled ";
        if (auto *label = qobject_cast<QLabel *>(child))
            line += label->text();
        if (auto *button = qobject_cast<QPushButton *>(child))
            line += button->text();
        state << line;
    }
    return state;
}

}

void TestAbout::frame()
{
    FakeMessageBoxes boxes;
    AboutDialog form(boxes);
    QCOMPARE(form.windowTitle(), QString("About Quorvel"));
    QCOMPARE(form.size(), QSize(342, 270));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    const Qt::WindowFlags flags = form.windowFlags();
    QVERIFY(flags & Qt::WindowSystemMenuHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(flags & Qt::WindowContextHelpButtonHint));
    QCOMPARE(form.font().family(), QString("Tahoma"));
    QCOMPARE(form.font().pointSize(), 8);
    QVERIFY(!form.isVisible());
}

void TestAbout::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("text");
    QTest::newRow("logo") << "logo" << QRect(116, 8, 105, 105) << "";
    QTest::newRow("product") << "productLabel" << QRect(32, 120, 288, 17)
                             << "Quorvel is a simulator to design emergency systems";
    QTest::newRow("maker") << "makerLabel" << QRect(141, 143, 80, 17) << "Dravenholt Systems";
    QTest::newRow("schematic") << "schematicPicture" << QRect(17, 152, 57, 41) << "";
    QTest::newRow("web address") << "webAddressLabel" << QRect(120, 176, 123, 17) << "www.example.org/quorvel";
    QTest::newRow("OK") << "okButton" << QRect(138, 224, 75, 25) << "OK";
}

void TestAbout::controls()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QFETCH(QString, text);
    FakeMessageBoxes boxes;
    AboutDialog form(boxes);
    QWidget *widget = form.findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), &form);
    auto *label = qobject_cast<QLabel *>(widget);
    if (label && !text.isEmpty()) {
        // Static texts keep their place and grow to show their whole text.
        QCOMPARE(label->text(), text);
        QCOMPARE(label->pos(), place.topLeft());
        QCOMPARE(label->height(), place.height());
        QVERIFY(label->width() >= place.width());
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(text));
        QVERIFY(label->geometry().right() < 342);
    } else {
        QCOMPARE(widget->geometry(), place);
        if (auto *button = qobject_cast<QPushButton *>(widget))
            QCOMPARE(button->text(), text);
    }
}

void TestAbout::pictures()
{
    FakeMessageBoxes boxes;
    AboutDialog form(boxes);
    auto *logo = &child<StretchedPicture>(form, "logo");
    auto *schematic = &child<StretchedPicture>(form, "schematicPicture");
    // The logo keeps the maker's proportions until it is stretched to its box; the
    // schematic is the main window's picture.
    QCOMPARE(logo->pictureSize(), QSize(550, 457));
    QCOMPARE(schematic->pictureSize(), StretchedPicture(":/schematic.svg").pictureSize());
    QVERIFY(!schematic->pictureSize().isEmpty());

    // Drawn transparent: the window's own background shows at the logo's corners,
    // while its middle is painted over.
    const QImage shown = form.grab().toImage();
    const QColor background = form.palette().color(QPalette::Window);
    QCOMPARE(shown.pixelColor(117, 9), background);
    QCOMPARE(shown.pixelColor(220, 112), background);
    QVERIFY(shown.pixelColor(168, 60) != background);
    QVERIFY(shown.pixelColor(45, 172) != background);

    // The OK button carries a glyph.
    QVERIFY(!child<QPushButton>(form, "okButton").icon().isNull());
}

void TestAbout::okHidesAndTheWindowStays()
{
    FakeMessageBoxes boxes;
    AboutDialog form(boxes);
    QPointer<AboutDialog> alive(&form);
    bool wasShown = false;
    whenModal([&](QWidget *modal) {
        wasShown = modal == &form && form.isVisible();
        QTest::mouseClick(&child<QPushButton>(form, "okButton"), Qt::LeftButton);
    });
    form.exec();
    QVERIFY(wasShown);
    QVERIFY(alive);
    QVERIFY(!form.isVisible());
}

void TestAbout::shownTwiceIsUnchanged()
{
    QWidget owner;
    owner.show();
    FakeMessageBoxes boxes;
    AboutDialog form(boxes, &owner);
    QStringList first, second;
    QImage firstLook, secondLook;
    whenModal([&](QWidget *) {
        first = snapshot(form);
        firstLook = form.grab().toImage();
        QTest::mouseClick(&child<QPushButton>(form, "okButton"), Qt::LeftButton);
    });
    form.exec();
    whenModal([&](QWidget *) {
        second = snapshot(form);
        secondLook = form.grab().toImage();
        form.close(); // the title bar's close box
    });
    form.exec();
    QVERIFY(!first.isEmpty());
    QCOMPARE(second, first);
    QVERIFY(!firstLook.isNull());
    QCOMPARE(secondLook, firstLook);
    QVERIFY(!form.isVisible());
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
