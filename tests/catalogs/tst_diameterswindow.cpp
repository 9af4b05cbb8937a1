#include "diameterswindow.h"
#include "catalogfiles.h"
#include "catalogtesting.h"
#include "designcalculation.h"
#include "gridwidget.h"
#include "platform.h"
#include "support/fakemessageboxes.h"
#include "support/modal.h"
#include "support/workedexample.h"

#include <QPushButton>
#include <QTest>

#include <memory>

using namespace quorvel;

// The diameters window with the pipe catalog loaded from real files.
class TestDiametersWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestDatabase> db_;
    std::unique_ptr<FakeMessageBoxes> boxes_;
    Platform platform_;
    std::unique_ptr<Catalogs> catalogs_;
    std::unique_ptr<DiametersWindow> form_;

    CellTable &table() { return catalogs_->pipes; }
    GridWidget &grid() { return gridOf(*form_); }
    QPushButton &okButton() { return child<QPushButton>(*form_, "okButton"); }

    // Loads a pipe catalog of the given lines; the other two catalogs are minimal.
    // Returns the pipe count.
    qint32 loadPipes(const QStringList &lines)
    {
        db_->writeLines("pipes.csv", lines);
        db_->writeLines("pumps.csv", {"No,Name,Model,Q,H,kW,Curve", "1,XK,P 100,,,,c1.bmp"});
        db_->writeLines("storage.csv", {"No,Type,Volume,Kit", "1,Bladder,10,BT10"});
        catalogs_->load(db_->folders().databaseDir);
        return catalogs_->pipeCount;
    }

    // Captions and n pipes; pipe i has the inside diameter 2 * i.
    static QStringList pipeLines(int n)
    {
        QStringList lines{"No Nominal Inch Schedule Inside"};
        for (int i = 1; i <= n; ++i)
            lines << QStringLiteral("%1,DN%1,%2,40,%3").arg(i).arg(i * 0.5).arg(i * 2);
        return lines;
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
        form_ = std::make_unique<DiametersWindow>(platform_, catalogs_->pipes);
    }

    void cleanup()
    {
        form_.reset();
        catalogs_.reset();
        db_.reset();
    }

    void layout()
    {
        QCOMPARE(form_->windowTitle(), QStringLiteral("Diameters"));
        QCOMPARE(form_->size(), QSize(348, 299));
        QVERIFY(!(form_->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(form_->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(form_->font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(form_->font().pointSize(), 8);
        showAndActivate(*form_);
        QCOMPARE(grid().geometry(), QRect(0, 0, 348, 240));
        QWidget &buttonPanel = child<QWidget>(*form_, "buttonPanel");
        QCOMPARE(buttonPanel.geometry(), QRect(0, 240, 348, 59));
        QCOMPARE(okButton().geometry(), QRect(248, 18, 75, 25));
        QCOMPARE(okButton().text(), QStringLiteral("OK"));
        QCOMPARE(tabOrder(*form_), (QList<QWidget *>{&grid(), &okButton()}));
        for (int c = 0; c < 5; ++c)
            QCOMPARE(table().colWidth(c), 64);
        QCOMPARE(table().rowHeight(), 24);
        form_->resize(500, 400);
        QTRY_COMPARE(grid().geometry(), QRect(0, 0, 500, 341));
        QCOMPARE(buttonPanel.geometry(), QRect(0, 341, 500, 59));
    }

    void catalogSizes_data()
    {
        QTest::addColumn<int>("pipes");
        QTest::newRow("fewer than 20 lines") << 11;
        QTest::newRow("exactly 20 lines") << 19;
        QTest::newRow("more than 20 lines") << 24;
    }

    void catalogSizes()
    {
        QFETCH(int, pipes);
        QCOMPARE(loadPipes(pipeLines(pipes)), pipes);
        showAndActivate(*form_);
        QCOMPARE(grid().model()->rowCount(), 20); // shows captions and 19 pipes at most
        QCOMPARE(grid().model()->columnCount(), 5);
        QCOMPARE(table().cell(0, 0), QStringLiteral("No"));
        QCOMPARE(table().cell(1, 0), QStringLiteral("Nominal")); // a non-strict line
        for (int r = 1; r <= 19; ++r)
            QCOMPARE(table().cell(1, r), r <= pipes ? "DN" + QString::number(r) : QString());
        // Lines past the table stay held, out of view.
        for (int r = 20; r <= pipes; ++r)
            QCOMPARE(table().cell(4, r), QString::number(r * 2));
    }

    void fieldsPastTheFifthNotHeld()
    {
        loadPipes({"No,Nominal,Inch,Schedule,Inside,Extra", "1,DN50,2,40,52.5,x,y"});
        QCOMPARE(table().cell(4, 1), QStringLiteral("52.5"));
        QCOMPARE(table().cell(5, 1), QString());
        QCOMPARE(grid().model()->columnCount(), 5);
    }

    // The calculation searches the rows past the shown table as well: a pipe on
    // line 23 is the nearest to the worked example's economic diameter.
    void surplusPipesSearchedByTheCalculation()
    {
        QStringList lines = pipeLines(24);
        lines[23] = "23,DN150,6,40,154.1";
        const qint32 pipeCount = loadPipes(lines);

        FixedPicks pickers(1, 1);
        const SmallCatalogs small;
        CellTable inputs(3, 8, 2), results(3, 11, 1);
        setWorkedExampleInputs(inputs);
        DesignCalculation calc;
        calc.run(InputTexts::fromTable(inputs), {table(), pipeCount, small.pumps, small.tanks}, pickers, &results);
        QCOMPARE(ResultTexts::fromTable(results).texts(), WorkedExample::results);
    }

    void typingChangesNothing()
    {
        loadPipes(pipeLines(5));
        showAndActivate(*form_);
        clickCell(grid(), 2, 3);
        typeText(grid(), "9");
        pressKey(grid(), Qt::Key_Delete);
        pressKey(grid(), Qt::Key_Backspace);
        pressKey(grid(), Qt::Key_F2);
        typeText(grid(), "7");
        QCOMPARE(table().cell(2, 3), QStringLiteral("1.5"));
        QCOMPARE(grid().cellEditor(), nullptr);
        QVERIFY(form_->isVisible());
    }

    void okAndCloseBoxClose()
    {
        whenModal([this](QWidget *) { QTest::mouseClick(&okButton(), Qt::LeftButton); });
        form_->exec();
        QVERIFY(!form_->isVisible());
        whenModal([](QWidget *w) { w->close(); });
        form_->exec();
        QVERIFY(!form_->isVisible());
        QCOMPARE(boxes_->errors(), QStringList());
    }
};

QTEST_MAIN(TestDiametersWindow)
#include "tst_diameterswindow.moc"
