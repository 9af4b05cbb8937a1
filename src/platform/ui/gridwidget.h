#pragma once

#include "celltable.h"

#include <QTableView>
#include <functional>

namespace quorvel {

class CornerCaptions;
class GridModel;

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
// Fixed cells stay in place while the others scroll. Handlers are plain callbacks;
// windows bind them through guarded().
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

    // Whether the user may select a rectangle of cells (Shift with arrows or click,
    // or dragging). Off by default.
    void setRangeSelect(bool on);
    bool rangeSelect() const { return rangeSelect_; }

    // The open cell editor, if any.
    QWidget *cellEditor() const;

    std::function<bool(int col, int row)> onSelectCell;
    std::function<void(int key)> onKeyDown;
    std::function<void(int key)> onKeyUp;
    std::function<void()> onDoubleClick;

    // Fixed cells lie above the viewport (negative coordinates there) and left of it,
    // or right of it (past its width) when the grid reads right to left.
    QRect visualRect(const QModelIndex &index) const override;
    QModelIndex indexAt(const QPoint &point) const override;

protected:
    void updateGeometries() override;
    bool event(QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyboardSearch(const QString &search) override;

private:
    friend class GridSelectionModel;
    friend class GridDelegate;
    friend class CaptionHeader;
    friend class CornerCaptions;

    bool isFixed(const QModelIndex &index) const;
    void applyGeometry();
    int fixedWidth() const; // the fixed columns together
    QRect fixedColumnsStrip() const; // where they stand beside the viewport
    void placeInitialCell();
    // Moves the highlight (raising onSelectCell); with extend, the selection then
    // spans from the anchor to the new cell. False when the move was refused.
    bool moveTo(const QModelIndex &target, bool extend);
    bool selectCellAllowed(const QModelIndex &target);
    void editorKeyDown(QKeyEvent *e);
    void editorKeyUp(QKeyEvent *e);
    void editorDoubleClick();
    bool editorHasFocus() const;

    GridModel *model_;
    CornerCaptions *corner_ = nullptr;
    bool rangeSelect_ = false;
    bool silentMoves_ = false;      // setCurrentCell: no onSelectCell
    bool moveRefused_ = false;      // the last setCurrentIndex was refused by onSelectCell
    bool dragging_ = false;
    QPersistentModelIndex anchor_;  // fixed corner of a range selection
    const QEvent *viewKeyEvent_ = nullptr; // key event the grid itself is handling
};

} // namespace quorvel
