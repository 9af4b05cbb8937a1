#pragma once

#include <QString>
#include <QStringView>

namespace quorvel {

class CellTable;

// Row r of a table seen as a list of texts, one entry per column. The list has the
// table's column count as its fixed length; its strictDelimiter flag belongs to the
// row position and is kept in the table. Any r >= 0 is valid, also past the row
// count: such rows are stored but not shown.
class RowList {
public:
    RowList(CellTable &table, int row);
    RowList(const RowList &) = default;
    // Writing a row from another row list copies the contents (assign); the view
    // keeps its own row.
    RowList &operator=(const RowList &other);

    int count() const;
    QString operator[](int k) const;
    void setEntry(int k, const QString &text);

    // Stores text in the first empty entry (an empty text as " ") and returns its
    // index, or -1 when every entry holds text (the text is then dropped).
    int append(const QString &text);
    void clear();
    // Copies the entries the two lists have in common; the target's flag stays.
    void assign(const RowList &other);

    QString commaText() const;
    void setCommaText(const QString &line);
    void setCommaText(QStringView line);

    bool strictDelimiter() const;
    void setStrictDelimiter(bool strict);

private:
    CellTable *table_;
    int row_;
};

RowList rowList(CellTable &table, int row);

// commaText of row r of a table that may not be changed (the catalog save).
QString rowCommaText(const CellTable &table, int row);
// The same appended to a line, so that a caller can reuse one buffer for many rows.
void appendRowCommaText(QString &line, const CellTable &table, int row);

} // namespace quorvel
