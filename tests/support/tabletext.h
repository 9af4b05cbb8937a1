#pragma once

#include "celltable.h"
#include "linelist.h"
#include "rowlist.h"

#include <QStringList>

namespace quorvel {

// The lines of a line list.
inline QStringList linesOf(const LineList &list)
{
    QStringList lines;
    for (int i = 0; i < list.count(); ++i)
        lines << list[i];
    return lines;
}

// The lines of a file as the program reads it.
inline QStringList readLines(const QString &path)
{
    LineList list;
    list.loadFromFile(path);
    return linesOf(list);
}

// The cells of one column, row 0 first.
inline QStringList column(const CellTable &table, int col)
{
    QStringList cells;
    for (int row = 0; row < table.rowCount(); ++row)
        cells << table.cell(col, row);
    return cells;
}

// The cells of one row, column 0 first.
inline QStringList rowCells(const CellTable &table, int row)
{
    QStringList cells;
    for (int col = 0; col < table.colCount(); ++col)
        cells << table.cell(col, row);
    return cells;
}

// Every cell of the table, row by row from row 0.
inline QStringList allCells(const CellTable &table)
{
    QStringList cells;
    for (int row = 0; row < table.rowCount(); ++row)
        cells << rowCells(table, row);
    return cells;
}

// The cells of a row in brackets from column 0 on: [ ] holds one space, [] is empty.
inline QString shown(CellTable &table, int row)
{
    QString text;
    const RowList list = rowList(table, row);
    for (int k = 0; k < list.count(); ++k)
        text += u'[' + list[k] + u']';
    return text;
}

} // namespace quorvel
