#include "celltable.h"

namespace quorvel {

CellTable::CellTable(int colCount, int rowCount, int fixedCols, QObject *parent)
    : QObject(parent), colCount_(colCount), rowCount_(rowCount), fixedCols_(fixedCols),
      colWidths_(colCount, 64)
{
}

void CellTable::setRowCount(int rows)
{
    if (rows == rowCount_)
        return;
    rowCount_ = rows;
    emit rowCountChanged(rows);
}

QString CellTable::cell(int col, int row) const
{
    if (row < 0 || col < 0 || col >= colCount_ || static_cast<size_t>(row) >= rows_.size())
        return {};
    const Row &r = rows_[static_cast<size_t>(row)];
    return col < r.cells.size() ? r.cells[col] : QString();
}

void CellTable::setCell(int col, int row, const QString &text)
{
    if (row < 0 || col < 0 || col >= colCount_)
        return;
    Row &r = rowAt(row);
    if (r.cells.size() < colCount_)
        r.cells.resize(colCount_);
    if (r.cells[col] == text)
        return;
    r.cells[col] = text;
    emit cellChanged(col, row);
}

bool CellTable::strictDelimiter(int row) const
{
    if (row < 0 || static_cast<size_t>(row) >= rows_.size())
        return false;
    return rows_[static_cast<size_t>(row)].strict;
}

void CellTable::setStrictDelimiter(int row, bool strict)
{
    if (row >= 0)
        rowAt(row).strict = strict;
}

int CellTable::colWidth(int col) const
{
    return col >= 0 && col < colCount_ ? colWidths_[col] : 0;
}

void CellTable::setColWidth(int col, int pixels)
{
    if (col < 0 || col >= colCount_ || colWidths_[col] == pixels)
        return;
    colWidths_[col] = pixels;
    emit geometryChanged();
}

void CellTable::setDefaultColWidth(int pixels)
{
    colWidths_.fill(pixels);
    emit geometryChanged();
}

void CellTable::setRowHeight(int pixels)
{
    if (rowHeight_ == pixels)
        return;
    rowHeight_ = pixels;
    emit geometryChanged();
}

CellTable::Row &CellTable::rowAt(int row)
{
    if (static_cast<size_t>(row) >= rows_.size())
        rows_.resize(static_cast<size_t>(row) + 1);
    return rows_[static_cast<size_t>(row)];
}

} // namespace quorvel
