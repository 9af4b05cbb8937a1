#include "catalogs/tform4.h"
#include "catalogtesting.h"
#include "core/commandswitches.h"
#include "core/error.h"
#include "core/projectsheet.h"
#include "core/sharedstate.h"
#include "platform/ui/gridwidget.h"
#include "platform/ui/platform.h"
#include "storage/catalogfiles.h"
#include "support/fakemessageboxes.h"
#include "support/modal.h"

#include <QDir>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {
class Switches : public CommandSwitches {
public:
    void setSaveEnabled(bool on) override { save = on; }
    void setSaveAsEnabled(bool) override {}
    void setPrintEnabled(bool) override {}
    bool saveEnabled() const override { return save; }
    bool save = false;
};
}

// The tanks window on real widgets with a temporary database folder; the tank
// catalog is loaded from real files where the count matters.
class TestTanksWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestDatabase> db_;
    std::unique_ptr<FakeMessageBoxes> boxes_;
    Switches switches_;
    std::unique_ptr<ProjectSheet> sheet_;
    Platform platform_;
    std::unique_ptr<TForm4> form_;

    CellTable &table() { return form_->table; }
    GridWidget &grid() { return *form_->sg; }

    // The start-up load with a tank catalog of the given lines (captions first).
    void loadTanks(const QStringList &tankLines)
    {
        db_->writeLines("pipes.csv", {"No,Nominal,Inch,Schedule,Inside", "1,DN50,2,40,52.5"});
        db_->writeLines("pumps.csv", {"No,Name,Model,Q,H,kW,Curve"});
        db_->writeLines("storage.csv", tankLines);
        CellTable pipes(5, 20), pumps(7, 100);
        qint32 nd = 0;
        loadCatalogs(pipes, pumps, table(), nd);
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
        sheet_ = std::make_unique<ProjectSheet>(switches_);
        platform_ = Platform{};
        platform_.messages = boxes_.get();
        tankRow = 0;
        tankCount = 0;
        tanksChanged = false;
        form_ = std::make_unique<TForm4>(platform_, *sheet_);
    }

    void cleanup()
    {
        form_.reset();
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
        QCOMPARE(form_->Panel1->geometry(), QRect(0, 198, 358, 57));
        QCOMPARE(form_->Button1->geometry(), QRect(272, 16, 75, 25));
        QCOMPARE(form_->Button1->text(), QStringLiteral("OK"));
        QCOMPARE(tabOrder(*form_), (QList<QWidget *>{form_->Button1, &grid()}));
        QCOMPARE(form_->focusWidget(), form_->Button1);
        QCOMPARE(table().colWidth(0), 64);
        QCOMPARE(table().colWidth(1), 120);
        QCOMPARE(table().rowHeight(), 24);
        form_->resize(400, 300);
        QTRY_COMPARE(grid().geometry(), QRect(0, 0, 400, 243));
        QCOMPARE(form_->Panel1->geometry(), QRect(0, 243, 400, 57));
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
        QTest::mouseClick(form_->Button1, Qt::LeftButton);
        QCOMPARE(boxes_->questions(),
                 asks ? QStringList{"Do you want to save the new data?"} : QStringList());
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
        QVERIFY(tanksChanged);
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
        QCOMPARE(tankCount, 5);
        sheet_->setProjectName("Camp B");
        showAndActivate(*form_);
        doubleClickCell(grid(), 2, row);
        QCOMPARE(tankRow, row);
        QCOMPARE(sheet_->projectName(), QStringLiteral("5")); // also when the warning follows
        if (row <= 5) {
            QCOMPARE(boxes_->warnings(), QStringList());
            QVERIFY(!form_->isVisible());
        } else {
            QCOMPARE(boxes_->warnings(), QStringList{"Select a data item"});
            QVERIFY(form_->isVisible());
        }
        QCOMPARE(boxes_->questions(), QStringList()); // no closing handler
    }

    void activationResetsTankRow()
    {
        loadTanks(sixLineCatalog());
        tankRow = 9;
        showAndActivate(*form_);
        QCOMPARE(tankRow, 1);
        clickCell(grid(), 2, 3);
        QCOMPARE(tankRow, 3);
        form_->close(); // the close box
        QCOMPARE(tankRow, 3);

        // The highlight stays on row 3 but activation works on row 1.
        showAndActivate(*form_);
        QCOMPARE(tankRow, 1);
        QVERIFY(!tanksChanged);
        doubleClickCell(grid(), 2, 3);
        QCOMPARE(tankRow, 1);
        QVERIFY(!form_->isVisible());

        showAndActivate(*form_);
        QTest::mouseClick(form_->Button1, Qt::LeftButton);
        QCOMPARE(tankRow, 1);
    }

    void okKeepsRowsPastTheCount()
    {
        loadTanks(sixLineCatalog());
        showAndActivate(*form_);
        clickCell(grid(), 1, 7);
        typeText(grid(), "Tank");
        boxes_->answerQuestions({false});
        QTest::mouseClick(form_->Button1, Qt::LeftButton);
        QVERIFY(!form_->isVisible());
        QCOMPARE(tankRow, 7); // OK does not check the row
    }

    void loadNotFinished()
    {
        db_->writeLines("pipes.csv", {"No,Nominal,Inch,Schedule,Inside"});
        db_->writeLines("storage.csv", sixLineCatalog()); // never reached: pumps missing
        CellTable pipes(5, 20), pumps(7, 100);
        qint32 nd = 0;
        QVERIFY_THROWS_EXCEPTION(Error, loadCatalogs(pipes, pumps, table(), nd));
        QCOMPARE(tankCount, 0);
        QCOMPARE(table().cell(1, 1), QString());

        showAndActivate(*form_);
        doubleClickCell(grid(), 1, 1);
        QCOMPARE(boxes_->warnings(), QStringList{"Select a data item"});
        QCOMPARE(sheet_->projectName(), QStringLiteral("0"));
        QVERIFY(form_->isVisible());
        QTest::mouseClick(form_->Button1, Qt::LeftButton);
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
        QTest::mouseClick(form_->Button1, Qt::LeftButton);
        QVERIFY(!form_->isVisible());
        const QStringList lines = db_->readLines("storage.csv");
        QCOMPARE(lines.size(), 15);
        QCOMPARE(lines.mid(0, 6), sixLineCatalog());
        for (int i = 6; i < 15; ++i)
            QCOMPARE(lines[i], QStringLiteral(",,,"));

        // After a restart every data row counts and can be picked.
        TForm4 restarted(platform_, *sheet_);
        CellTable pipes(5, 20), pumps(7, 100);
        qint32 nd = 0;
        loadCatalogs(pipes, pumps, restarted.table, nd);
        QCOMPARE(tankCount, 14);
        showAndActivate(restarted);
        doubleClickCell(*restarted.sg, 2, 14);
        QVERIFY(!restarted.isVisible());
        QCOMPARE(boxes_->warnings(), QStringList());
    }

    void failedSaveKeepsWindowOpen()
    {
        loadTanks(sixLineCatalog());
        QVERIFY(QFile::remove(db_->path("storage.csv")));
        QVERIFY(QDir(db_->path()).mkdir("storage.csv"));
        showAndActivate(*form_);
        pressKey(grid(), Qt::Key_Right);
        boxes_->answerQuestions({true});
        QTest::mouseClick(form_->Button1, Qt::LeftButton);
        QCOMPARE(boxes_->errors().size(), 1);
        QVERIFY2(boxes_->errors()[0].startsWith("Cannot create file \"" + db_->path("storage.csv") + "\"."),
                 qPrintable(boxes_->errors()[0]));
        QVERIFY(form_->isVisible());
        QVERIFY(tanksChanged);

        QVERIFY(QDir(db_->path()).rmdir("storage.csv"));
        boxes_->answerQuestions({true});
        QTest::mouseClick(form_->Button1, Qt::LeftButton);
        QCOMPARE(boxes_->questions().size(), 2);
        QVERIFY(!form_->isVisible());
        QCOMPARE(db_->readLines("storage.csv").size(), 15);
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
