#pragma once

#include "core/celltable.h"

#include <QTableView>
#include <functional>

// The one grid widget of the program: a view of a CellTable with fixed caption
// rows/columns, widths and heights in pixels taken from the table, in-place editing
// that writes the cell on every keystroke (when the table is editable), and the four
// events the windows bind:
//  - onSelectCell(col, row): before the highlight moves to another non-fixed cell,
//    by mouse, keyboard or program; returning false keeps the highlight where it was
//    (the window's handler failed);
//  - onKeyDown(key): every key the grid or its cell editor receives, before it acts;
//  - onKeyUp(key): after the key took effect, the cell already holding the typed text;
//  - onDoubleClick(): a double-click in the grid or its cell editor.
// Handlers are plain callbacks; windows bind them through guarded().
class GridWidget : public QTableView {
    Q_OBJECT
public:
    explicit GridWidget(QWidget *parent = nullptr);
    ~GridWidget() override;

    void setTable(CellTable *table);
    CellTable *table() const;

    // The highlighted cell.
    int col() const;
    int row() const;
    // Moves the highlight without raising onSelectCell.
    void setCurrentCell(int col, int row);

    std::function<bool(int col, int row)> onSelectCell;
    std::function<void(int key)> onKeyDown;
    std::function<void(int key)> onKeyUp;
    std::function<void()> onDoubleClick;
};
