#pragma once

#include <QObject>
#include <QString>
#include <QStringView>
#include <QVarLengthArray>
#include <QVector>
#include <functional>
#include <span>
#include <vector>

namespace quorvel {

// The data behind every grid: text cells addressed (column, row), both from 0.
// Row 0 and the first fixedCols() columns are fixed (captions). Cells are stored
// independently of the counts, so row positions past rowCount() keep their texts
// (the catalog load puts surplus lines there). Each row position also carries the
// strictDelimiter flag of its row list; the flag belongs to the position, not to
// the content, and nothing but setStrictDelimiter() changes it.
//
// Column widths and the row height are part of the table because the program's
// logic reads and sets them (the printout's geometry, the catalog windows'
// activation); the grid widget shows them.
class CellTable : public QObject {
    Q_OBJECT
public:
    CellTable(int colCount, int rowCount, int fixedCols = 1, QObject *parent = nullptr);

    int colCount() const { return colCount_; }
    int rowCount() const { return rowCount_; }
    int fixedCols() const { return fixedCols_; }
    int fixedRows() const { return 1; }
    // The table only grows (Insert Row of the pumps window).
    void setRowCount(int rows);

    // Reading a cell that was never written gives the empty text.
    QString cell(int col, int row) const;
    // The same without a copy; valid until the row is next written.
    QStringView cellView(int col, int row) const;
    void setCell(int col, int row, const QString &text);
    // Writes a whole row at once: cell k is texts[ends[k - 1], ends[k]) (from 0 for
    // k = 0); cells from ends.size() on become empty. As setCell, announces each cell
    // whose text changed.
    void setRowTexts(int row, QString texts, std::span<const int> ends);
    // Makes room for row positions 0..rows-1 ahead of writing them.
    void reserveRows(int rows);

    bool strictDelimiter(int row) const;
    void setStrictDelimiter(int row, bool strict);

    int colWidth(int col) const;
    void setColWidth(int col, int pixels);
    void setDefaultColWidth(int pixels); // applies to every column
    int rowHeight() const { return rowHeight_; }
    void setRowHeight(int pixels);

    // Whether the user may edit non-fixed cells in place (a view setting kept here so
    // that one grid widget serves every table).
    bool editable() const { return editable_; }
    void setEditable(bool editable) { editable_ = editable; }

    // How the grids and the printout show a cell's text (also a view setting): a table
    // whose fixed texts are English in its files shows them translated. Files and the
    // program's logic read cell(); without a translation the shown text is the cell's.
    using ShownText = std::function<QString(int col, int row, const QString &text)>;
    void setShownText(ShownText shown) { shownText_ = std::move(shown); }
    QString shownText(int col, int row, const QString &text) const
    {
        return shownText_ ? shownText_(col, row, text) : text;
    }

signals:
    void cellChanged(int col, int row);
    void rowCountChanged(int rows);
    void geometryChanged();

private:
    // One string per row, not per cell: a loaded catalog of many lines makes one
    // allocation per line.
    struct Row {
        QString texts;                // the cells one after another
        QVarLengthArray<int, 8> ends; // where each cell ends in texts; empty: no cell written
        bool strict = false;
    };
    Row &rowAt(int row);
    static QStringView textOf(const Row &row, int col);

    int colCount_;
    int rowCount_;
    int fixedCols_;
    int rowHeight_ = 24;
    bool editable_ = false;
    ShownText shownText_;
    QVector<int> colWidths_;
    std::vector<Row> rows_; // grows on demand, also past rowCount_
};

} // namespace quorvel
