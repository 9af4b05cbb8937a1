#include "gridmodel.h"
#include "gridwidget.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QElapsedTimer>
#include <QTest>
#include <QVBoxLayout>

using namespace quorvel;

// Real grid, real events (offscreen): the event order the windows rely on.
class TestGridWidget : public QObject {
    Q_OBJECT

    QWidget *window = nullptr;
    GridWidget *grid = nullptr;
    QLineEdit *after = nullptr; // next in the focus chain
    CellTable *table = nullptr;
    QStringList log;
    bool refuse = false;

    QPoint centre(int col, int row) const { return grid->visualRect(grid->model()->index(row, col)).center(); }
    QWidget *focused() const { return QApplication::focusWidget(); }
    QString current() const { return QStringLiteral("%1,%2").arg(grid->col()).arg(grid->row()); }

private slots:
    void init()
    {
        table = new CellTable(4, 6, 1);
        table->setEditable(true);
        table->setDefaultColWidth(60);
        for (int r = 0; r < 6; ++r)
            for (int c = 0; c < 4; ++c)
                table->setCell(c, r, QStringLiteral("%1%2").arg(QChar(u'a' + c)).arg(r));
        window = new QWidget;
        auto *layout = new QVBoxLayout(window);
        grid = new GridWidget;
        after = new QLineEdit;
        layout->addWidget(grid);
        layout->addWidget(after);
        grid->setTable(table);
        log.clear();
        refuse = false;
        grid->onSelectCell = [this](int c, int r) {
            log << QStringLiteral("select %1,%2 from %3").arg(c).arg(r).arg(current());
            return !refuse;
        };
        grid->onKeyDown = [this](int key) { log << QStringLiteral("down %1 cell %2").arg(QKeySequence(key).toString(), table->cell(grid->col(), grid->row())); };
        grid->onKeyUp = [this](int key) { log << QStringLiteral("up %1 cell %2").arg(QKeySequence(key).toString(), table->cell(grid->col(), grid->row())); };
        grid->onDoubleClick = [this] { log << QStringLiteral("double at %1").arg(current()); };
        window->resize(400, 300);
        window->show();
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        grid->setFocus();
    }

    void cleanup()
    {
        delete window;
        delete table;
    }

    // A 50 MB cell, in a caption and in a data cell: the grid draws a bounded part of
    // it, so a paint takes no longer than for a short text; the cell keeps it whole.
    void hugeCellPaintsWithinTheBound()
    {
        const QString huge(50 * 1000 * 1000, u'w');
        table->setCell(0, 2, huge);
        table->setCell(2, 3, huge);
        grid->grab(); // first paint: fonts and caches
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 5; ++i)
            grid->grab();
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed()) + " ms for five paints"));
        QCOMPARE(grid->model()->index(3, 2).data(Qt::EditRole).toString().size(), huge.size());
        QCOMPARE(table->cell(0, 2), huge);
    }

    void modelFollowsTheTable()
    {
        GridModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setTable(table);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        table->setCell(2, 3, QStringLiteral("x"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toModelIndex(), model.index(3, 2));
        QCOMPARE(model.data(model.index(3, 2)).toString(), QStringLiteral("x"));
        table->setCell(2, 40, QStringLiteral("stored, not shown"));
        QCOMPARE(changed.count(), 1);
        table->setRowCount(9);
        QCOMPARE(model.rowCount(), 9);
        QVERIFY(model.setData(model.index(7, 1), QStringLiteral("typed")));
        QCOMPARE(table->cell(1, 7), QStringLiteral("typed"));
        QVERIFY(!model.setData(model.index(0, 1), QStringLiteral("caption")));
        QVERIFY(!model.setData(model.index(2, 0), QStringLiteral("fixed")));
        QCOMPARE(model.flags(model.index(0, 2)), Qt::ItemIsEnabled);
        QCOMPARE(model.flags(model.index(2, 0)), Qt::ItemIsEnabled);
        QVERIFY(model.flags(model.index(2, 2)) & Qt::ItemIsEditable);
        table->setEditable(false);
        QCOMPARE(model.flags(model.index(2, 2)), Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }

    void geometryAndStartCellComeFromTheTable()
    {
        // The fixed cells are drawn by the caption strips around the scrolling cells.
        QVERIFY(grid->isRowHidden(0));
        QVERIFY(grid->isColumnHidden(0));
        QCOMPARE(grid->horizontalHeader()->height(), 24);
        QCOMPARE(grid->verticalHeader()->width(), 60);
        QCOMPARE(grid->columnWidth(1), 60);
        table->setColWidth(2, 130);
        table->setRowHeight(30);
        QCOMPARE(grid->columnWidth(2), 130);
        table->setColWidth(0, 30);
        QCOMPARE(grid->verticalHeader()->width(), 30);
        QCOMPARE(grid->rowHeight(5), 30);
        // The scrolling cells start right past the caption strips.
        QCOMPARE(grid->viewport()->geometry().topLeft(), QPoint(30, 30) + grid->contentsRect().topLeft());
        QCOMPARE(current(), QStringLiteral("1,1"));
        QVERIFY(log.isEmpty());
        table->setRowCount(8);
        QCOMPARE(grid->model()->rowCount(), 8);
        QCOMPARE(grid->rowHeight(7), 30);
    }

    void captionsStayWhileScrolling()
    {
        table->setRowCount(60);
        QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(current(), QStringLiteral("3,59"));
        QVERIFY(grid->verticalScrollBar()->value() > 0);
        const QAbstractItemModel *m = grid->model();
        QCOMPARE(grid->visualRect(m->index(0, 2)).top(), -24);
        QVERIFY(grid->visualRect(m->index(1, 1)).bottom() < 0);
        QCOMPARE(grid->indexAt(QPoint(5, -5)), m->index(0, 1));
        QCOMPARE(grid->indexAt(QPoint(-5, 5)).column(), 0);
        QCOMPARE(grid->indexAt(QPoint(-5, -5)), m->index(0, 0));
        // A fixed column with no fixed column beside it: none shown.
        CellTable plain(2, 3, 0);
        grid->setTable(&plain);
        QVERIFY(!grid->verticalHeader()->isVisible());
        QCOMPARE(current(), QStringLiteral("0,1"));
        grid->setTable(table);
    }

    // Right to left the grid mirrors itself: the fixed column rightmost, the columns
    // following leftwards, the fixed captions above and beside them where they stand,
    // and the arrow keys moving as it reads.
    void readsInTheWindowsDirection_data()
    {
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::addColumn<int>("nextColumnKey");
        QTest::newRow("left to right") << Qt::LeftToRight << int(Qt::Key_Right);
        QTest::newRow("right to left") << Qt::RightToLeft << int(Qt::Key_Left);
    }

    void readsInTheWindowsDirection()
    {
        QFETCH(Qt::LayoutDirection, direction);
        QFETCH(int, nextColumnKey);
        window->setLayoutDirection(direction);
        const bool fixedColumnRight = grid->verticalHeader()->geometry().left() > grid->viewport()->geometry().right();
        QCOMPARE(fixedColumnRight, direction == Qt::RightToLeft);
        const QAbstractItemModel *m = grid->model();
        for (int row = 0; row < 6; ++row) {
            int previous = 0;
            for (int col = 0; col < 4; ++col) {
                const QRect cell = grid->visualRect(m->index(row, col));
                QCOMPARE(grid->indexAt(cell.center()), m->index(row, col));
                if (col > 0)
                    QVERIFY(direction == Qt::RightToLeft ? cell.center().x() < previous : cell.center().x() > previous);
                previous = cell.center().x();
            }
        }
        const int otherKey = nextColumnKey == Qt::Key_Left ? Qt::Key_Right : Qt::Key_Left;
        QTest::keyClick(grid, Qt::Key(otherKey));
        QCOMPARE(current(), QStringLiteral("1,1")); // not into the fixed column
        QTest::keyClick(grid, Qt::Key(nextColumnKey));
        QCOMPARE(current(), QStringLiteral("2,1"));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre(3, 2));
        QCOMPARE(current(), QStringLiteral("3,2"));
    }

    void programMovesRaiseSelectCellUnlessSilent()
    {
        grid->setCurrentIndex(grid->model()->index(3, 2));
        QCOMPARE(log, QStringList{"select 2,3 from 1,1"});
        grid->setCurrentCell(3, 4);
        QCOMPARE(current(), QStringLiteral("3,4"));
        grid->setCurrentCell(0, 4); // fixed: refused
        QCOMPARE(current(), QStringLiteral("3,4"));
        QCOMPARE(log.size(), 1);
    }

    void clicks_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("cellAfter");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<bool>("editorOpen");
        QTest::newRow("other cell") << 2 << 3 << "2,3" << QStringList{"select 2,3 from 1,1"} << false;
        QTest::newRow("highlighted cell") << 1 << 1 << "1,1" << QStringList{} << true;
        QTest::newRow("fixed column") << 0 << 3 << "1,1" << QStringList{} << false;
        QTest::newRow("caption row") << 2 << 0 << "1,1" << QStringList{} << false;
    }

    void clicks()
    {
        QFETCH(int, col);
        QFETCH(int, row);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre(col, row));
        QTEST(current(), "cellAfter");
        QTEST(log, "events");
        QTEST(grid->cellEditor() != nullptr, "editorOpen");
    }

    void refusedMoveKeepsTheHighlight()
    {
        refuse = true;
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre(3, 4));
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(current(), QStringLiteral("1,1"));
        QVERIFY(grid->selectionModel()->isSelected(grid->model()->index(1, 1)));
        QVERIFY(!grid->selectionModel()->isSelected(grid->model()->index(4, 3)));
    }

    void keysAroundTheMove_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("down") << int(Qt::Key_Down)
                              << QStringList{"down Down cell b1", "select 1,2 from 1,1", "up Down cell b2"};
        QTest::newRow("left stays out of the fixed column") << int(Qt::Key_Left)
                                                           << QStringList{"down Left cell b1", "up Left cell b1"};
        QTest::newRow("up stays out of the caption row") << int(Qt::Key_Up)
                                                        << QStringList{"down Up cell b1", "up Up cell b1"};
        QTest::newRow("end") << int(Qt::Key_End)
                             << QStringList{"down End cell b1", "select 3,1 from 1,1", "up End cell d1"};
        QTest::newRow("shift alone") << int(Qt::Key_Shift) << QStringList{"down Shift cell b1", "up Shift cell b1"};
    }

    void keysAroundTheMove()
    {
        QFETCH(int, key);
        QTest::keyClick(grid, Qt::Key(key));
        QTEST(log, "events");
    }

    void typingStartsTheEditorAndWritesEveryKeystroke()
    {
        grid->setCurrentCell(2, 3);
        QTest::keyPress(grid, Qt::Key_7, {}, -1);
        QWidget *editor = grid->cellEditor();
        QVERIFY(editor);
        QCOMPARE(focused(), editor);
        QCOMPARE(table->cell(2, 3), QStringLiteral("7")); // the typed key replaced the text
        QTest::keyRelease(editor, Qt::Key_7);
        QTest::keyClicks(editor, "5");
        QCOMPARE(log, (QStringList{"down 7 cell c3", "up 7 cell 7", "down 5 cell 7", "up 5 cell 75"}));

        // An arrow key leaves the editor: announced once, the move in between.
        log.clear();
        QTest::keyPress(editor, Qt::Key_Down);
        QVERIFY(!grid->cellEditor());
        QTest::keyRelease(focused(), Qt::Key_Down);
        QCOMPARE(log, (QStringList{"down Down cell 75", "select 2,4 from 2,3", "up Down cell c4"}));
        QVERIFY(!grid->cellEditor());
        QCOMPARE(table->cell(2, 3), QStringLiteral("75"));
    }

    void readOnlyTableOpensNoEditor()
    {
        table->setEditable(false);
        QTest::keyClick(grid, Qt::Key_7);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre(1, 1));
        QVERIFY(!grid->cellEditor());
        QCOMPARE(table->cell(1, 1), QStringLiteral("b1"));
    }

    void doubleClicks_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("other cell: moves first")
            << 3 << 2 << QStringList{"select 3,2 from 1,1", "double at 3,2"};
        QTest::newRow("caption: no move") << 2 << 0 << QStringList{"double at 1,1"};
    }

    void doubleClicks()
    {
        QFETCH(int, col);
        QFETCH(int, row);
        // Through the window, as the windowing system delivers a double-click.
        QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, grid->viewport()->mapTo(window, centre(col, row)));
        QTEST(log, "events");
    }

    void doubleClickInTheEditor()
    {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre(1, 1));
        QWidget *editor = grid->cellEditor();
        QVERIFY(editor);
        QTest::mouseDClick(editor, Qt::LeftButton, {}, editor->rect().center());
        QCOMPARE(log, QStringList{"double at 1,1"});
    }

    void tabLeavesTheGrid()
    {
        QTest::keyClick(grid, Qt::Key_Tab);
        QCOMPARE(focused(), after);
        QCOMPARE(current(), QStringLiteral("1,1"));

        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_8);
        QWidget *editor = grid->cellEditor();
        QVERIFY(editor);
        log.clear();
        QTest::keyClick(editor, Qt::Key_Tab);
        QCOMPARE(focused(), after);
        QCOMPARE(current(), QStringLiteral("1,1"));
        QCOMPARE(table->cell(1, 1), QStringLiteral("8"));
        QVERIFY(log.isEmpty());
    }

    void shiftExtendsARangeWhenAllowed()
    {
        grid->setRangeSelect(true);
        QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(grid, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(current(), QStringLiteral("2,2"));
        QCOMPARE(grid->selectionModel()->selectedIndexes().size(), 4);
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(grid->selectionModel()->selectedIndexes().size(), 1);

        grid->setRangeSelect(false);
        QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(grid->selectionModel()->selectedIndexes().size(), 1);
    }

    void draggingMovesTheHighlight()
    {
        grid->setRangeSelect(true);
        QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, centre(1, 2));
        QMouseEvent move(QEvent::MouseMove, centre(3, 4), grid->viewport()->mapToGlobal(centre(3, 4)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grid->viewport(), &move);
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, centre(3, 4));
        QCOMPARE(current(), QStringLiteral("3,4"));
        QCOMPARE(grid->selectionModel()->selectedIndexes().size(), 9);
        QCOMPARE(log.last(), QStringLiteral("select 3,4 from 1,2"));
    }

    void hidingClosesTheEditor()
    {
        QTest::keyClick(grid, Qt::Key_9);
        QVERIFY(grid->cellEditor());
        window->hide();
        QVERIFY(!grid->cellEditor());
        QCOMPARE(table->cell(1, 1), QStringLiteral("9"));
    }
};

QTEST_MAIN(TestGridWidget)
#include "tst_gridwidget.moc"
