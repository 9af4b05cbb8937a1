#pragma once

#include "core/celltable.h"
#include "storage/rowlist.h"

// Cells in brackets from column 0 on: [ ] holds one space, [] is empty.
inline QString shown(CellTable &table, int row)
{
    QString text;
    const RowList list = Rows(table, row);
    for (int k = 0; k < list.Count(); ++k)
        text += u'[' + list[k] + u']';
    return text;
}
