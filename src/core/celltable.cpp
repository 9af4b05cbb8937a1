#include "celltable.h"

#include <QMetaMethod>

#include <algorithm>

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
    const QStringView text = cellView(col, row);
    return text.isEmpty() ? QString() : text.toString();
}

QStringView CellTable::cellView(int col, int row) const
{
    if (row < 0 || col < 0 || col >= colCount_ || static_cast<size_t>(row) >= rows_.size())
        return {};
    return textOf(rows_[static_cast<size_t>(row)], col);
}

QStringView CellTable::textOf(const Row &row, int col)
{
    if (col >= row.ends.size())
        return {};
    const int start = col == 0 ? 0 : row.ends[col - 1];
    return QStringView(row.texts).sliced(start, row.ends[col] - start);
}

void CellTable::setCell(int col, int row, const QString &text)
{
    if (row < 0 || col < 0 || col >= colCount_)
        return;
    if (cellView(col, row) == text)
        return;
    Row &r = rowAt(row);
    while (r.ends.size() < colCount_)
        r.ends.append(int(r.texts.size()));
    const int start = col == 0 ? 0 : r.ends[col - 1];
    const int length = r.ends[col] - start;
    r.texts.replace(start, length, text);
    const int grown = int(text.size()) - length;
    for (int k = col; k < colCount_; ++k)
        r.ends[k] += grown;
    emit cellChanged(col, row);
}

void CellTable::setRowTexts(int row, QString texts, std::span<const int> ends)
{
    if (row < 0)
        return;
    Row &r = rowAt(row);
    const Row old{std::move(r.texts), std::move(r.ends), r.strict};
    const int count = std::min(int(ends.size()), colCount_);
    r.texts = std::move(texts);
    r.texts.truncate(count > 0 ? ends[count - 1] : 0);
    r.ends.clear();
    if (count > 0 || !old.ends.isEmpty()) {
        r.ends.append(ends.data(), count);
        while (r.ends.size() < colCount_)
            r.ends.append(int(r.texts.size()));
    }
    // A table that no grid shows (a catalog being loaded) skips the comparisons.
    static const QMetaMethod changed = QMetaMethod::fromSignal(&CellTable::cellChanged);
    if (!isSignalConnected(changed))
        return;
    for (int k = 0; k < colCount_; ++k) {
        if (textOf(old, k) != textOf(r, k))
            emit cellChanged(k, row);
    }
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

void CellTable::reserveRows(int rows)
{
    // One allocation instead of repeated growth while a long file is read.
    if (rows > 0)
        rows_.reserve(static_cast<size_t>(rows));
}

CellTable::Row &CellTable::rowAt(int row)
{
    if (static_cast<size_t>(row) >= rows_.size())
        rows_.resize(static_cast<size_t>(row) + 1);
    return rows_[static_cast<size_t>(row)];
}

} // namespace quorvel
