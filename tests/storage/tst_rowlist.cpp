#include "celltable.h"
#include "rowlist.h"
#include "support/tabletext.h"

#include <QTest>

using namespace quorvel;

namespace {

void fill(CellTable &table, int row, const QStringList &cells)
{
    for (int k = 0; k < cells.size(); ++k)
        table.setCell(k, row, cells[k]);
}

} // namespace

class RowListTest : public QObject {
    Q_OBJECT
private slots:
    void decode_data();
    void decode();
    void encode_data();
    void encode();
    void roundTripSettles_data();
    void roundTripSettles();
    void emptyRowRoundTrip();
    void decodingEmptiesTheRowFirst();
    void addOnFullRow();
    void addStoresEmptyAsSpace();
    void assignKeepsTargetFlag();
    void assignOperatorCopiesContents();
    void rowsPastRowCount();
};

void RowListTest::decode_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("nonStrict");
    QTest::addColumn<QString>("strict");

    QTest::newRow("plain") << "a,b,c" << "[a][b][c][]" << "[a][b][c][]";
    QTest::newRow("inner blank") << "a b,c" << "[a][b][c][]" << "[a b][c][][]";
    QTest::newRow("blanks around comma") << " a , b " << "[a][b][][]" << "[ a ][ b ][][]";
    QTest::newRow("empty field") << "a,,b" << "[a][ ][b][]" << "[a][ ][b][]";
    QTest::newRow("trailing comma") << "a," << "[a][ ][][]" << "[a][ ][][]";
    QTest::newRow("trailing comma blank") << "a, " << "[a][][][]" << "[a][ ][][]";
    QTest::newRow("leading comma") << ",a" << "[ ][a][][]" << "[ ][a][][]";
    QTest::newRow("empty line") << "" << "[][][][]" << "[][][][]";
    QTest::newRow("three spaces") << "   " << "[][][][]" << "[   ][][][]";
    QTest::newRow("quoted comma") << "\"a,b\",c" << "[a,b][c][][]" << "[a,b][c][][]";
    QTest::newRow("doubled quotes") << "\"say \"\"hi\"\"\",x" << "[say \"hi\"][x][][]"
                                    << "[say \"hi\"][x][][]";
    QTest::newRow("text after quote") << "\"ab\"cd,e" << "[ab][cd][e][]" << "[ab][cd][e][]";
    QTest::newRow("blank after quote") << "\"ab\" cd" << "[ab][cd][][]" << "[ab][ cd][][]";
    QTest::newRow("unclosed 3") << "\"abc" << "[abc][][][]" << "[abc][][][]";
    QTest::newRow("unclosed 2") << "\"ab" << "[ab][][][]" << "[ab][][][]";
    QTest::newRow("empty quotes") << "\"\"" << "[ ][][][]" << "[ ][][][]";
    QTest::newRow("surplus fields") << "a,b,c,d,e,f" << "[a][b][c][d]" << "[a][b][c][d]";
    QTest::newRow("inch mark") << "2\" pipe,x" << "[2\"][pipe][x][]" << "[2\" pipe][x][][]";
    QTest::newRow("unclosed with pairs") << "\"a\"\"b" << "[a\"b][][][]" << "[a\"b][][][]";
    QTest::newRow("tab and control") << "a\tb\x01,c" << "[a][b][c][]" << "[a\tb\x01][c][][]";
    QTest::newRow("only comma") << "," << "[ ][ ][][]" << "[ ][ ][][]";

    // A step over a comma or a blank carries the combining marks after it.
    const QString acute = QString(QChar(0x0301));
    QTest::newRow("mark after comma") << "a," + acute + "b" << "[a][b][][]" << "[a][b][][]";
    QTest::newRow("mark ends line") << "a," + acute << "[a][ ][][]" << "[a][ ][][]";
    QTest::newRow("mark after blank") << "a " + acute + "b,c" << "[a][b][c][]"
                                      << "[a " + acute + "b][c][][]";
    QTest::newRow("mark in field") << "e" + acute + ",x" << "[e" + acute + "][x][][]"
                                   << "[e" + acute + "][x][][]";
    // A surrogate pair is one step and never a break.
    const QString grin = QString::fromUcs4(U"\U0001F600");
    QTest::newRow("surrogate pair") << grin + "," + grin << "[" + grin + "][" + grin + "][][]"
                                    << "[" + grin + "][" + grin + "][][]";
    QTest::newRow("quoted pair") << "\"" + grin + "\"" << "[" + grin + "][][][]"
                                 << "[" + grin + "][][][]";
}

void RowListTest::decode()
{
    QFETCH(QString, line);
    QFETCH(QString, nonStrict);
    QFETCH(QString, strict);
    CellTable table(4, 3);
    table.setStrictDelimiter(2, true);
    rowList(table, 1).setCommaText(line);
    rowList(table, 2).setCommaText(line);
    QCOMPARE(shown(table, 1), nonStrict);
    QCOMPARE(shown(table, 2), strict);
}

void RowListTest::encode_data()
{
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("nonStrict");
    QTest::addColumn<QString>("strict");

    QTest::newRow("blank inside") << QStringList{"a", "b c", "", ""} << "a,\"b c\",," << "a,b c,,";
    QTest::newRow("space cell") << QStringList{"7", "P 100", "", " "} << "7,\"P 100\",,\" \""
                                << "7,P 100,, ";
    QTest::newRow("quote and comma") << QStringList{"a\"b", "x,y", "", " q "}
                                     << "\"a\"\"b\",\"x,y\",,\" q \"" << "\"a\"\"b\",\"x,y\",, q ";
    QTest::newRow("all empty") << QStringList{"", "", "", ""} << ",,," << ",,,";
    QTest::newRow("control char") << QStringList{"a\x01", "b\tc", "", ""} << "\"a\x01\",\"b\tc\",,"
                                   << "a\x01,b\tc,,";
    QTest::newRow("line break") << QStringList{"a\r\nb", "", "", ""} << "\"a\r\nb\",,," << "a\r\nb,,,";
    QTest::newRow("high codes unquoted") << QStringList{QString::fromUtf8("\u00e9\u00a0"),
                                                        QString::fromUtf8("\u2013"), "\x7f", ""}
                                         << QString::fromUtf8("\u00e9\u00a0,\u2013,\x7f,")
                                         << QString::fromUtf8("\u00e9\u00a0,\u2013,\x7f,");
}

void RowListTest::encode()
{
    QFETCH(QStringList, cells);
    QFETCH(QString, nonStrict);
    QFETCH(QString, strict);
    CellTable table(4, 3);
    table.setStrictDelimiter(2, true);
    fill(table, 1, cells);
    fill(table, 2, cells);
    QCOMPARE(rowList(table, 1).commaText(), nonStrict);
    QCOMPARE(rowList(table, 2).commaText(), strict);
    QCOMPARE(rowCommaText(table, 2), strict);
}

void RowListTest::roundTripSettles_data()
{
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<bool>("strict");
    const QList<QStringList> rows{
        {"a", "b c", "", ""},
        {"7", "P 100", "", " "},
        {"a\"b", "x,y", "", " q "},
        {"\"", ",", "\"\"", " "},
        {QString::fromUtf8("na\u00efve"), "  lead", "trail  ", "\t"},
    };
    for (int i = 0; i < rows.size(); ++i) {
        QTest::addRow("non-strict %d", i) << rows[i] << false;
        QTest::addRow("strict %d", i) << rows[i] << true;
    }
}

// Non-empty cells come back unchanged, empty ones as " "; from the second writing
// on the line no longer changes.
void RowListTest::roundTripSettles()
{
    QFETCH(QStringList, cells);
    QFETCH(bool, strict);
    CellTable table(4, 2);
    table.setStrictDelimiter(1, strict);
    RowList row = rowList(table, 1);
    fill(table, 1, cells);
    const QString first = row.commaText();
    row.setCommaText(first);
    for (int k = 0; k < cells.size(); ++k)
        QCOMPARE(row[k], cells[k].isEmpty() ? QStringLiteral(" ") : cells[k]);
    const QString second = row.commaText();
    row.setCommaText(second);
    QCOMPARE(row.commaText(), second);
}

void RowListTest::emptyRowRoundTrip()
{
    CellTable table(4, 3);
    table.setStrictDelimiter(2, true);
    for (int r : {1, 2}) {
        RowList row = rowList(table, r);
        row.setCommaText(row.commaText());
        QCOMPARE(shown(table, r), "[ ][ ][ ][ ]");
    }
    QCOMPARE(rowList(table, 1).commaText(), "\" \",\" \",\" \",\" \"");
    QCOMPARE(rowList(table, 2).commaText(), " , , , ");

    CellTable single(1, 1);
    QCOMPARE(rowList(single, 0).commaText(), "\"\"");
}

void RowListTest::decodingEmptiesTheRowFirst()
{
    CellTable table(4, 2);
    fill(table, 1, {"w", "x", "y", "z"});
    rowList(table, 1).setCommaText(QString());
    QCOMPARE(shown(table, 1), "[][][][]");
    fill(table, 1, {"w", "x", "y", "z"});
    rowList(table, 1).setCommaText("a");
    QCOMPARE(shown(table, 1), "[a][][][]");
}

void RowListTest::addOnFullRow()
{
    CellTable table(3, 2);
    fill(table, 1, {"a", "b", "c"});
    QCOMPARE(rowList(table, 1).append("d"), -1);
    QCOMPARE(shown(table, 1), "[a][b][c]");
}

void RowListTest::addStoresEmptyAsSpace()
{
    CellTable table(3, 2);
    table.setCell(0, 1, "a");
    RowList row = rowList(table, 1);
    QCOMPARE(row.append(QString()), 1);
    QCOMPARE(row.append("z"), 2);
    QCOMPARE(shown(table, 1), "[a][ ][z]");
}

void RowListTest::assignKeepsTargetFlag()
{
    CellTable table(4, 3);
    table.setStrictDelimiter(1, true);
    fill(table, 1, {"1", "P 100", "", "x"});
    RowList target = rowList(table, 2);
    target.assign(rowList(table, 1));
    QCOMPARE(shown(table, 2), "[1][P 100][][x]");
    QVERIFY(!target.strictDelimiter());
    QVERIFY(rowList(table, 1).strictDelimiter());
    QCOMPARE(target.commaText(), "1,\"P 100\",,x");

    // Clear empties the cells and leaves the flag.
    rowList(table, 1).clear();
    QCOMPARE(shown(table, 1), "[][][][]");
    QVERIFY(table.strictDelimiter(1));

    // Only the entries both lists have are copied.
    CellTable narrow(2, 2);
    fill(narrow, 1, {"p", "q"});
    rowList(table, 2).assign(rowList(narrow, 1));
    QCOMPARE(shown(table, 2), "[p][q][][x]");
    rowList(narrow, 1).assign(rowList(table, 2));
    QCOMPARE(shown(narrow, 1), "[p][q]");
}

void RowListTest::assignOperatorCopiesContents()
{
    CellTable table(3, 4);
    fill(table, 3, {"a", "b", "c"});
    table.setStrictDelimiter(3, true);
    RowList target = rowList(table, 1);
    target = rowList(table, 3);
    QCOMPARE(shown(table, 1), "[a][b][c]");
    QVERIFY(!table.strictDelimiter(1));
    target.setEntry(0, "z"); // still the view of row 1
    QCOMPARE(table.cell(0, 1), "z");
    QCOMPARE(table.cell(0, 3), "a");
}

void RowListTest::rowsPastRowCount()
{
    CellTable table(3, 2);
    RowList far = rowList(table, 40);
    QCOMPARE(far.count(), 3);
    QVERIFY(!far.strictDelimiter());
    far.setStrictDelimiter(true);
    far.setCommaText("1,P 100,x");
    QCOMPARE(shown(table, 40), "[1][P 100][x]");
    QVERIFY(rowList(table, 40).strictDelimiter());
    QCOMPARE(table.rowCount(), 2);
}

QTEST_GUILESS_MAIN(RowListTest)
#include "tst_rowlist.moc"
