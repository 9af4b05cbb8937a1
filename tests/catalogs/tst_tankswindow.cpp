#include "tankswindow.h"
#include "catalogfiles.h"
#include "catalogtesting.h"
#include "error.h"
#include "gridwidget.h"
#include "platform.h"
#include "support/fakemessageboxes.h"
#include "projectstate.h"
#include "support/modal.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace quorvel;

// The tanks window on real widgets with a temporary database folder; the tank
// catalog is loaded from real files where the count matters.
class TestTanksWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestDatabase> db_;
    std::unique_ptr<FakeMessageBoxes> boxes_;
    Platform platform_;
    std::unique_ptr<Catalogs> catalogs_;
    std::unique_ptr<TanksWindow> form_;

    const QString saveQuestion = QStringLiteral("Do you want to save the new data?");

    CellTable &table() { return catalogs_->tanks; }
    GridWidget &grid() { return gridOf(*form_); }
    QPushButton &okButton() { return child<QPushButton>(*form_, "okButton"); }

    // The start-up load with a tank catalog of the given lines (captions first).
    void loadTanks(const QStringList &tankLines)
    {
        db_->writeLines("pipes.csv", {"No,Nominal,Inch,Schedule,Inside", "1,DN50,2,40,52.5"});
        db_->writeLines("pumps.csv", {"No,Name,Model,Q,H,kW,Curve"});
        db_->writeLines("storage.csv", tankLines);
        catalogs_->load(db_->folders().databaseDir);
    }

    static QStringList sixLineCatalog()
    {
        return {"No,Type,Volume,Kit", "1,Bladder,10,BT10", "2,Bladder,5,BT5", "3,Onion,15,OT15",
                "4,Steel,45,CS45", "5,Steel,70,CS70"};
    }

private slots:
    void init()
    {
        db_ = std::make_unique<TestDatabase>();
        QVERIFY(db_->isValid());
        boxes_ = std::make_unique<FakeMessageBoxes>();
        platform_ = Platform{};
        platform_.messages = boxes_.get();
        catalogs_ = std::make_unique<Catalogs>();
        form_ = std::make_unique<TanksWindow>(platform_, db_->folders(), *catalogs_);
    }

    void cleanup()
    {
        form_.reset();
        catalogs_.reset();
        db_.reset();
    }

    void layout()
    {
        QCOMPARE(form_->windowTitle(), QStringLiteral("Tanks information"));
        QCOMPARE(form_->size(), QSize(358, 255));
        QVERIFY(!(form_->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(form_->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(form_->font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(table().colWidth(1), 64);
        showAndActivate(*form_);
        QCOMPARE(grid().geometry(), QRect(0, 0, 358, 198));
        QWidget &buttonPanel = child<QWidget>(*form_, "buttonPanel");
        QCOMPARE(buttonPanel.geometry(), QRect(0, 198, 358, 57));
        QCOMPARE(okButton().geometry(), QRect(272, 16, 75, 25));
        QCOMPARE(okButton().text(), QStringLiteral("OK"));
        QCOMPARE(tabOrder(*form_), (QList<QWidget *>{&okButton(), &grid()}));
        QCOMPARE(form_->focusWidget(), &okButton());
        QCOMPARE(table().colWidth(0), 64);
        QCOMPARE(table().colWidth(1), 120);
        QCOMPARE(table().rowHeight(), 24);
        form_->resize(400, 300);
        QTRY_COMPARE(grid().geometry(), QRect(0, 0, 400, 243));
        QCOMPARE(buttonPanel.geometry(), QRect(0, 243, 400, 57));
    }

    void okAsksOnlyAfterAKey_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("asks");
        QTest::newRow("untouched") << "" << false;
        QTest::newRow("mouse selections only") << "clicks" << false;
        QTest::newRow("arrow key") << "arrow" << true;
        QTest::newRow("typing") << "type" << true;
    }

    void okAsksOnlyAfterAKey()
    {
        QFETCH(QString, action);
        QFETCH(bool, asks);
        loadTanks(sixLineCatalog());
        showAndActivate(*form_);
        if (action == u"clicks") {
            clickCell(grid(), 2, 3);
            clickCell(grid(), 1, 4);
        } else if (action == u"arrow") {
            clickCell(grid(), 2, 3);
            pressKey(grid(), Qt::Key_Up);
        } else if (action == u"type") {
            clickCell(grid(), 3, 2);
            typeText(grid(), "X");
        }
        boxes_->answerQuestions({false});
        QTest::mouseClick(&okButton(), Qt::LeftButton);
        QCOMPARE(boxes_->questions(), asks ? QStringList{saveQuestion} : QStringList());
        QVERIFY(!form_->isVisible()); // closes after No as well
        QCOMPARE(db_->readLines("storage.csv"), sixLineCatalog()); // No writes nothing
    }

    void keyPressNumbersRow_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("number");
        QTest::newRow("empty type") << "" << "8";
        QTest::newRow("type holds text") << "Onion" << "";
        QTest::newRow("type holds a space") << " " << "";
    }

    void keyPressNumbersRow()
    {
        QFETCH(QString, name);
        QFETCH(QString, number);
        table().setCell(1, 8, name);
        showAndActivate(*form_);
        clickCell(grid(), 2, 8);
        pressKey(grid(), Qt::Key_Down);
        QCOMPARE(table().cell(0, 8), number);
        QCOMPARE(table().cell(0, 9), QString());
        // The key marks the catalog changed: OK asks to save.
        QTest::mouseClick(&okButton(), Qt::LeftButton);
        QCOMPARE(boxes_->questions(), QStringList{saveQuestion});
    }

    void doubleClickWithinCatalog_data()
    {
        QTest::addColumn<int>("row");
        for (int r = 1; r <= 14; ++r)
            QTest::addRow("row %d", r) << r;
    }

    void doubleClickWithinCatalog()
    {
        QFETCH(int, row);
        loadTanks(sixLineCatalog());
        QCOMPARE(catalogs_->tankCount, 5);
        QCOMPARE(form_->tankCount(), 5);
        showAndActivate(*form_);
        doubleClickCell(grid(), 2, row);
        QCOMPARE(form_->selectedRow(), row);
        if (row <= 5) {
            QCOMPARE(boxes_->warnings(), QStringList());
            QVERIFY(!form_->isVisible());
        } else {
            QCOMPARE(boxes_->warnings(), QStringList{"Select a data item"});
            QVERIFY(form_->isVisible());
        }
        QCOMPARE(boxes_->questions(), QStringList()); // no closing handler
    }

    void activationKeepsHighlightedRow()
    {
        loadTanks(sixLineCatalog());
        // The first showing works on row 1; an earlier showing left row 9 highlighted
        // and the catalog marked changed.
        showAndActivate(*form_);
        QCOMPARE(form_->selectedRow(), 1);
        clickCell(grid(), 2, 8);
        pressKey(grid(), Qt::Key_Down);
        QCOMPARE(form_->selectedRow(), 9);
        form_->close(); // the close box, which never asks

        showAndActivate(*form_);
        QCOMPARE(form_->selectedRow(), 9);
        clickCell(grid(), 2, 3);
        form_->close(); // the close box
        QCOMPARE(form_->selectedRow(), 3);

        // The highlight stays on row 3, and so does the row a pick, OK or the close box gives.
        showAndActivate(*form_);
        QCOMPARE(form_->selectedRow(), 3);
        doubleClickCell(grid(), 2, 3);
        QCOMPARE(form_->selectedRow(), 3);
        QVERIFY(!form_->isVisible());

        showAndActivate(*form_);
        QTest::mouseClick(&okButton(), Qt::LeftButton);
        QCOMPARE(form_->selectedRow(), 3);
        // The change mark of the first showing did not last: OK asked nothing.
        QCOMPARE(boxes_->questions(), QStringList());
    }

    void okKeepsRowsPastTheCount()
    {
        loadTanks(sixLineCatalog());
        showAndActivate(*form_);
        clickCell(grid(), 1, 7);
        typeText(grid(), "Tank");
        boxes_->answerQuestions({false});
        QTest::mouseClick(&okButton(), Qt::LeftButton);
        QVERIFY(!form_->isVisible());
        QCOMPARE(form_->selectedRow(), 7); // OK does not check the row
    }

    void loadNotFinished()
    {
        db_->writeLines("pipes.csv", {"No,Nominal,Inch,Schedule,Inside"});
        db_->writeLines("storage.csv", sixLineCatalog()); // never reached: pumps missing
        QVERIFY_THROWS_EXCEPTION(Error, catalogs_->load(db_->folders().databaseDir));
        QCOMPARE(form_->tankCount(), 0);
        QCOMPARE(table().cell(1, 1), QString());

        showAndActivate(*form_);
        doubleClickCell(grid(), 1, 1);
        // Opening says that the catalog was not read; the double-click then warns as ever.
        const QString storage = QDir(db_->folders().databaseDir).absoluteFilePath("storage.csv");
        QCOMPARE(boxes_->warnings(),
                 (QStringList{"\"" + storage + "\" was not read because an earlier catalog could not be read.",
                              "Select a data item"}));
        QVERIFY(form_->isVisible());
        // Saving the empty table would erase the file: refused, the file kept byte for byte.
        const QByteArray before = db_->readBytes("storage.csv");
        pressKey(grid(), Qt::Key_Down);
        boxes_->answerQuestions({true});
        QTest::mouseClick(&okButton(), Qt::LeftButton);
        QCOMPARE(boxes_->errors(), QStringList{"\"" + storage + "\" was not read; saving would erase it."});
        QCOMPARE(db_->readBytes("storage.csv"), before);
        QVERIFY(form_->isVisible());
        boxes_->answerQuestions({false});
        QTest::mouseClick(&okButton(), Qt::LeftButton);
        QVERIFY(!form_->isVisible());
        showAndActivate(*form_);
        form_->close();
        QVERIFY(!form_->isVisible());
    }

    void saveWritesAllRows()
    {
        loadTanks(sixLineCatalog());
        showAndActivate(*form_);
        clickCell(grid(), 2, 1);
        pressKey(grid(), Qt::Key_Down);
        boxes_->answerQuestions({true});
        QTest::mouseClick(&okButton(), Qt::LeftButton);
        QVERIFY(!form_->isVisible());
        const QStringList lines = db_->readLines("storage.csv");
        QCOMPARE(lines.size(), 15);
        QCOMPARE(lines.mid(0, 6), sixLineCatalog());
        for (int i = 6; i < 15; ++i)
            QCOMPARE(lines[i], QStringLiteral(",,,"));

        // After a restart every data row counts and can be picked.
        Catalogs reloaded;
        TanksWindow restarted(platform_, db_->folders(), reloaded);
        reloaded.load(db_->folders().databaseDir);
        QCOMPARE(restarted.tankCount(), 14);
        showAndActivate(restarted);
        doubleClickCell(gridOf(restarted), 2, 14);
        QVERIFY(!restarted.isVisible());
        QCOMPARE(boxes_->warnings(), QStringList());
    }

    // 20 tank types where the table shows 14: the window says so, and an edit saved with
    // OK, Yes keeps types 15 to 20 after the table's rows, unchanged.
    void saveKeepsLinesPastTheTable()
    {
        QStringList catalog{"No,Type,Volume,Kit"};
        for (int i = 1; i <= 20; ++i)
            catalog << QStringLiteral("%1,Onion,%2,\"kit, %1\"").arg(i).arg(i * 5);
        loadTanks(catalog);
        showAndActivate(*form_);
        const auto *note = form_->findChild<QLabel *>("heldLinesNote");
        QVERIFY(note && note->isVisible());
        QCOMPARE(note->text(), QStringLiteral("6 more tank types in storage.csv are kept but not shown"));
        clickCell(grid(), 1, 2);
        typeText(grid(), "Bladder");
        boxes_->answerQuestions({true});
        QTest::mouseClick(&okButton(), Qt::LeftButton);
        QStringList expected = catalog;
        expected[2] = "2,Bladder,10,\"kit, 2\"";
        QCOMPARE(db_->readLines("storage.csv"), expected);
    }

    void failedSaveKeepsWindowOpen()
    {
        loadTanks(sixLineCatalog());
        QVERIFY(QFile::remove(db_->path("storage.csv")));
        QVERIFY(QDir(db_->path()).mkdir("storage.csv"));
        showAndActivate(*form_);
        pressKey(grid(), Qt::Key_Right);
        boxes_->answerQuestions({true, true}); // save, and overwrite what is there now
        QTest::mouseClick(&okButton(), Qt::LeftButton);
        QCOMPARE(boxes_->errors().size(), 1);
        QVERIFY2(boxes_->errors()[0].startsWith("Cannot create file \"" + db_->path("storage.csv") + "\"."),
                 qPrintable(boxes_->errors()[0]));
        QVERIFY(form_->isVisible());

        // Still marked changed: the next OK asks again.
        QVERIFY(QDir(db_->path()).rmdir("storage.csv"));
        boxes_->answerQuestions({true, true});
        QTest::mouseClick(&okButton(), Qt::LeftButton);
        QCOMPARE(boxes_->questions().size(), 4);
        QVERIFY(!form_->isVisible());
        QCOMPARE(db_->readLines("storage.csv").size(), 15);
    }

    // Another program saved the catalog meanwhile: saving asks first, and No keeps
    // that program's file and this window's table as they are.
    void changedOnDiskAsksBeforeOverwriting()
    {
        loadTanks(sixLineCatalog());
        const QStringList theirs = sixLineCatalog().mid(0, 3);
        db_->writeLines("storage.csv", theirs);
        showAndActivate(*form_);
        clickCell(grid(), 1, 4);
        pressKey(grid(), Qt::Key_Right);
        boxes_->answerQuestions({true, false});
        QTest::mouseClick(&okButton(), Qt::LeftButton);
        const QString storage = QDir(db_->folders().databaseDir).absoluteFilePath("storage.csv");
        QCOMPARE(boxes_->questions(),
                 (QStringList{"Do you want to save the new data?",
                              "\"" + storage + "\" was changed by another program since it was read. Overwrite it?"}));
        QCOMPARE(db_->readLines("storage.csv"), theirs);
        QCOMPARE(table().cell(1, 4), QStringLiteral("Steel"));
        QVERIFY(!form_->isVisible());
    }

    void closeBoxNeverAsks()
    {
        whenModal([this](QWidget *w) {
            pressKey(grid(), Qt::Key_Down);
            w->close();
        });
        form_->exec();
        QCOMPARE(boxes_->questions(), QStringList());
        QVERIFY(!form_->isVisible());
    }
};

QTEST_MAIN(TestTanksWindow)
#include "tst_tankswindow.moc"
