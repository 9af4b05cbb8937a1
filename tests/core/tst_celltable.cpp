#include "celltable.h"

#include <QSignalSpy>
#include <QTest>

#include <vector>

using namespace quorvel;

namespace {

// The texts of row r, one per column.
QStringList rowOf(const CellTable &table, int row)
{
    QStringList texts;
    for (int col = 0; col < table.colCount(); ++col)
        texts << table.cell(col, row);
    return texts;
}

} // namespace

// A row keeps its cells in one text; these check that writing one cell or a whole
// row leaves every other cell as it was and announces exactly the cells that changed.
class CellTableTest : public QObject {
    Q_OBJECT

private slots:
    void cellWritesKeepTheOtherCells_data()
    {
        QTest::addColumn<QStringList>("writes"); // "col=text", in order, on row 2
        QTest::addColumn<QStringList>("row");
        QTest::newRow("first cell") << QStringList{"0=abc"} << QStringList{"abc", "", "", ""};
        QTest::newRow("last cell first") << QStringList{"3=z", "0=a"} << QStringList{"a", "", "", "z"};
        QTest::newRow("middle grows") << QStringList{"0=a", "1=b", "2=c", "1=longer"}
                                      << QStringList{"a", "longer", "c", ""};
        QTest::newRow("middle shrinks") << QStringList{"0=a", "1=longer", "2=c", "1=b"}
                                        << QStringList{"a", "b", "c", ""};
        QTest::newRow("emptied") << QStringList{"0=a", "1=b", "2=c", "1="} << QStringList{"a", "", "c", ""};
        QTest::newRow("all emptied") << QStringList{"0=a", "0="} << QStringList{"", "", "", ""};
    }
    void cellWritesKeepTheOtherCells()
    {
        QFETCH(QStringList, writes);
        QFETCH(QStringList, row);
        CellTable table(4, 3);
        for (const QString &write : writes)
            table.setCell(write.section(u'=', 0, 0).toInt(), 2, write.section(u'=', 1));
        QCOMPARE(rowOf(table, 2), row);
        QCOMPARE(rowOf(table, 1), QStringList({"", "", "", ""}));
    }

    void rowWritesAnnounceOnlyChangedCells_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("texts");
        QTest::addColumn<QList<int>>("ends");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QList<int>>("announced");
        QTest::newRow("fresh row") << QStringList{} << "abc" << QList<int>{1, 2, 3}
                                   << QStringList{"a", "b", "c"} << QList<int>{0, 1, 2};
        QTest::newRow("same texts") << QStringList{"a", "b", "c"} << "abc" << QList<int>{1, 2, 3}
                                    << QStringList{"a", "b", "c"} << QList<int>{};
        QTest::newRow("one changed") << QStringList{"a", "b", "c"} << "axc" << QList<int>{1, 2, 3}
                                     << QStringList{"a", "x", "c"} << QList<int>{1};
        QTest::newRow("shorter row empties the rest") << QStringList{"a", "b", "c"} << "a" << QList<int>{1}
                                                      << QStringList{"a", "", ""} << QList<int>{1, 2};
        QTest::newRow("more fields than columns") << QStringList{} << "abcd" << QList<int>{1, 2, 3, 4}
                                                  << QStringList{"a", "b", "c"} << QList<int>{0, 1, 2};
        QTest::newRow("empty row") << QStringList{"a", "", "c"} << "" << QList<int>{}
                                   << QStringList{"", "", ""} << QList<int>{0, 2};
    }
    void rowWritesAnnounceOnlyChangedCells()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, texts);
        QFETCH(QList<int>, ends);
        QFETCH(QStringList, after);
        QFETCH(QList<int>, announced);
        CellTable table(3, 2);
        const int row = 5; // past the row count: stored all the same
        for (int col = 0; col < before.size(); ++col)
            table.setCell(col, row, before[col]);
        QSignalSpy spy(&table, &CellTable::cellChanged);
        const std::vector<int> positions(ends.begin(), ends.end());
        table.setRowTexts(row, texts, positions);
        QCOMPARE(rowOf(table, row), after);
        QList<int> cols;
        for (const QList<QVariant> &signal : spy) {
            QCOMPARE(signal.at(1).toInt(), row);
            cols << signal.at(0).toInt();
        }
        QCOMPARE(cols, announced);
        QCOMPARE(table.cellView(0, row), QStringView(after[0]));
    }
};

QTEST_GUILESS_MAIN(CellTableTest)
#include "tst_celltable.moc"
