#include "error.h"
#include "apptitle.h"
#include "errorguard.h"
#include "qtmessageboxes.h"
#include "support/fakemessageboxes.h"
#include "support/modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

using namespace quorvel;

// The error box, its text rule, the application title, and the real boxes.
class TestMessageBoxes : public QObject {
    Q_OBJECT

    struct Seen {
        QString caption, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QStringList buttons;
    };
    // Reads the next box and presses the button with the given text.
    static void answerBox(Seen &seen, const QString &press)
    {
        whenModal([&seen, press](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            QVERIFY(box);
            seen.caption = box->windowTitle();
            seen.text = box->text();
            seen.icon = box->icon();
            for (QAbstractButton *b : box->buttons())
                seen.buttons << b->text().remove(u'&');
            for (QAbstractButton *b : box->buttons())
                if (b->text().remove(u'&') == press)
                    b->click();
        });
    }

private slots:
    void errorBoxText_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "Stream write error" << "Stream write error.";
        QTest::newRow("digit") << "List index out of bounds (3" << "List index out of bounds (3.";
        QTest::newRow("closing parenthesis") << "List index out of bounds (3)" << "List index out of bounds (3)";
        QTest::newRow("full stop") << "Cannot open file \"x\". No such file." << "Cannot open file \"x\". No such file.";
        QTest::newRow("quote (code below the full stop)") << "'' is not a valid floating point value'"
                                                          << "'' is not a valid floating point value'";
        QTest::newRow("slash (code above)") << "a/" << "a/.";
        QTest::newRow("empty") << "" << "";
    }

    void errorBoxText()
    {
        QFETCH(QString, message);
        QTEST(::errorBoxText(message), "shown");
    }

    void guardedShowsTheErrorAndGoesOn()
    {
        FakeMessageBoxes boxes;
        int ran = 0;
        QVERIFY(!guarded(boxes, [&] {
            ++ran;
            throw Error("Floating point division by zero");
        }));
        QVERIFY(guarded(boxes, [&] { ++ran; }));
        QCOMPARE(ran, 2);
        QCOMPARE(boxes.shown(), QStringList{"error: Floating point division by zero."});
    }

    void applicationTitle_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::newRow("product") << "/usr/bin/Quorvel" << "Quorvel";
        QTest::newRow("upper case with dots") << "/opt/QUORVEL.exe.bak" << "Quorvel";
        QTest::newRow("lower case") << "quorvel" << "quorvel";
        QTest::newRow("dot in the folder") << "/home/a.b/QuorVel" << "Quorvel";
        QTest::newRow("one letter") << "/x/Q.exe" << "Q";
        QTest::newRow("leading dot") << "/x/.hidden" << "";
    }

    void applicationTitle()
    {
        QFETCH(QString, path);
        QTEST(applicationTitleFor(path), "title");
    }

    void realBoxes()
    {
        QtMessageBoxes boxes;
        const QString title = ::applicationTitle();

        Seen error;
        answerBox(error, "OK");
        boxes.error("Stream write error.");
        QCOMPARE(error.caption, title);
        QCOMPARE(error.text, QStringLiteral("Stream write error."));
        QCOMPARE(error.icon, QMessageBox::Critical);
        QCOMPARE(error.buttons, QStringList{"OK"});

        Seen warning;
        answerBox(warning, "OK");
        boxes.warning("Enter the project name");
        QCOMPARE(warning.caption, QStringLiteral("Warning"));
        QCOMPARE(warning.icon, QMessageBox::NoIcon);

        Seen info;
        answerBox(info, "OK");
        boxes.information("Saved");
        QCOMPARE(info.caption, title);
        QCOMPARE(info.icon, QMessageBox::NoIcon);

        Seen yes, no;
        answerBox(yes, "Yes");
        QVERIFY(boxes.question("Save?"));
        QCOMPARE(yes.caption, QStringLiteral("Warning"));
        QCOMPARE(yes.icon, QMessageBox::NoIcon);
        QCOMPARE(yes.buttons.size(), 2);
        answerBox(no, "No");
        QVERIFY(!boxes.question("Save?"));
    }

    void fakeAnswersFromItsQueue()
    {
        FakeMessageBoxes boxes;
        boxes.answerQuestions({true});
        QVERIFY(boxes.question("a"));
        QVERIFY(!boxes.question("b")); // default No
        boxes.warning("w");
        QCOMPARE(boxes.shown(), (QStringList{"question: a", "question: b", "warning: w"}));
        QCOMPARE(boxes.questions(), (QStringList{"a", "b"}));
    }
};

QTEST_MAIN(TestMessageBoxes)
#include "tst_messageboxes.moc"
