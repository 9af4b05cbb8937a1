#pragma once

#include "celltable.h"

#include <QAbstractTableModel>
#include <QPointer>

namespace quorvel {

// The item model behind GridWidget: a live view of a CellTable. Every cell write
// of the table becomes a dataChanged of that cell, and the shown rows follow the
// table's row count. Fixed cells (row 0, the first fixedCols() columns) are
// enabled but neither selectable nor editable; the other cells are editable when
// the table is.
// The most characters of a cell that a grid draws or measures: far more than the
// widest column shows, and a bound that keeps a huge cell (a 50 MB line in a file)
// from freezing every paint. The cell keeps its whole text for editing and saving.
constexpr qsizetype mostShownCharacters = 1024;
QString shownPart(QStringView text);
// What a grid shows of a cell: its shown part, as the table shows it (translated).
QString shownCell(const CellTable &table, int col, int row);

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(QObject *parent = nullptr);

    void setTable(CellTable *table);
    CellTable *table() const { return table_; }
    bool isFixed(int col, int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    void followRowCount(int rows);
    void announceCell(int col, int row);

    QPointer<CellTable> table_;
    int rows_ = 0; // the row count the views were last told about
    int cols_ = 0;
};

} // namespace quorvel
