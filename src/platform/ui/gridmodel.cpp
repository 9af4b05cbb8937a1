#include "gridmodel.h"

namespace quorvel {

QString shownPart(QStringView text)
{
    return text.left(mostShownCharacters).toString();
}

QString shownCell(const CellTable &table, int col, int row)
{
    return table.shownText(col, row, shownPart(table.cellView(col, row)));
}

GridModel::GridModel(QObject *parent) : QAbstractTableModel(parent) {}

void GridModel::setTable(CellTable *table)
{
    beginResetModel();
    if (table_)
        disconnect(table_, nullptr, this, nullptr);
    table_ = table;
    rows_ = table ? table->rowCount() : 0;
    cols_ = table ? table->colCount() : 0;
    if (table) {
        connect(table, &CellTable::cellChanged, this, &GridModel::announceCell);
        connect(table, &CellTable::rowCountChanged, this, &GridModel::followRowCount);
        connect(table, &QObject::destroyed, this, [this] { setTable(nullptr); });
    }
    endResetModel();
}

bool GridModel::isFixed(int col, int row) const
{
    return table_ && (row < table_->fixedRows() || col < table_->fixedCols());
}

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : cols_;
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!table_ || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return shownCell(*table_, index.column(), index.row()); // no copy of a huge cell
    case Qt::EditRole:
        return table_->cell(index.column(), index.row());
    default:
        return {};
    }
}

bool GridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!table_ || role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid)
        || !(flags(index) & Qt::ItemIsEditable))
        return false;
    table_->setCell(index.column(), index.row(), value.toString());
    return true;
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
    if (!table_ || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    if (isFixed(index.column(), index.row()))
        return Qt::ItemIsEnabled;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (table_->editable())
        f |= Qt::ItemIsEditable;
    return f;
}

void GridModel::followRowCount(int rows)
{
    if (rows > rows_) {
        beginInsertRows({}, rows_, rows - 1);
        rows_ = rows;
        endInsertRows();
    } else if (rows < rows_) {
        beginRemoveRows({}, rows, rows_ - 1);
        rows_ = rows;
        endRemoveRows();
    }
}

void GridModel::announceCell(int col, int row)
{
    // Cells past the shown rows are stored but not shown.
    if (row < rows_ && col < cols_) {
        const QModelIndex i = index(row, col);
        emit dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
    }
}

} // namespace quorvel
