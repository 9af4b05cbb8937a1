#include "gridwidget.h"

#include "gridmodel.h"

#include <QHeaderView>
#include <QPaintEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>

namespace quorvel {

// Raises the grid's select-cell event before the current cell moves, whoever moves
// it (mouse, keyboard, program). A refused move leaves the current cell as it was.
class GridSelectionModel : public QItemSelectionModel {
public:
    GridSelectionModel(GridModel *model, GridWidget *grid) : QItemSelectionModel(model, grid), grid_(grid) {}

    void setCurrentIndex(const QModelIndex &index, SelectionFlags command) override
    {
        grid_->moveRefused_ = false;
        if (index.isValid() && index != currentIndex() && !grid_->selectCellAllowed(index)) {
            grid_->moveRefused_ = true;
            return;
        }
        QItemSelectionModel::setCurrentIndex(index, command);
    }

private:
    GridWidget *grid_;
};

namespace {

// A fixed cell: caption text on the button face, with a raised edge. The text starts
// at the cell's left edge, or at its right edge right to left.
void paintCaption(QPainter &painter, const QRect &r, const QString &text, const QWidget &widget)
{
    const QPalette &pal = widget.palette();
    painter.fillRect(r, pal.button());
    painter.setPen(pal.light().color());
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(pal.mid().color());
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    painter.setPen(pal.buttonText().color());
    painter.setClipRect(r.adjusted(0, 0, -1, 0));
    const bool rightToLeft = widget.isRightToLeft();
    painter.drawText(rightToLeft ? r.adjusted(1, 0, -3, 0) : r.adjusted(3, 0, -1, 0),
                     (rightToLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute | Qt::AlignVCenter, text);
    painter.setClipping(false);
}

// The fixed columns side by side in a strip of the given rectangle: the first at its
// left edge, or right to left at its right edge, as the grid reads.
template <typename Paint>
void forFixedColumns(const CellTable &table, const QRect &strip, bool rightToLeft, Paint paint)
{
    int x = rightToLeft ? strip.right() + 1 : strip.left();
    for (int c = 0; c < table.fixedCols(); ++c) {
        const int width = table.colWidth(c);
        if (rightToLeft)
            x -= width;
        paint(c, QRect(x, strip.top(), width, strip.height()));
        if (!rightToLeft)
            x += width;
    }
}

} // namespace

// The fixed cells live in the view's header areas, so they stay in place while the
// other cells scroll. The horizontal header shows the caption row of the scrolling
// columns; the vertical header shows the fixed columns of each row side by side.
// Right to left (Arabic) the view mirrors itself: the vertical header stands right of
// the scrolling cells, the first column rightmost. Clicks do nothing; a double-click
// is the grid's double-click.
class CaptionHeader : public QHeaderView {
public:
    CaptionHeader(Qt::Orientation orientation, GridWidget *grid) : QHeaderView(orientation, grid), grid_(grid)
    {
        setSectionsClickable(false);
        setHighlightSections(false);
        setMinimumSectionSize(1);
        setSectionResizeMode(QHeaderView::Fixed);
    }

    // The grid fixes the header's thickness (its fixed row's height, its fixed columns'
    // width), and the view lays itself out by this hint's thickness. Qt's own hint
    // would measure the section numbers, which these headers never show, at every
    // change of the table: a good part of making a grid.
    QSize sizeHint() const override
    {
        return orientation() == Qt::Horizontal ? QSize(length(), minimumHeight()) : QSize(minimumWidth(), length());
    }

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override
    {
        const CellTable *t = grid_->table();
        if (!t)
            return;
        painter->save();
        if (orientation() == Qt::Horizontal) {
            paintCaption(*painter, rect, shownCell(*t, logicalIndex, 0), *this);
        } else {
            forFixedColumns(*t, rect, isRightToLeft(), [&](int c, const QRect &cell) {
                paintCaption(*painter, cell, shownCell(*t, c, logicalIndex), *this);
            });
        }
        painter->restore();
    }
    void paintEvent(QPaintEvent *event) override
    {
        QHeaderView::paintEvent(event);
        // Past the last row or column the grid shows its own background (right to
        // left, the columns end on the left).
        const int end = length() - offset();
        QPainter painter(viewport());
        if (orientation() == Qt::Horizontal && end < width()) {
            if (isRightToLeft())
                painter.fillRect(0, 0, width() - end, height(), palette().base());
            else
                painter.fillRect(end, 0, width() - end, height(), palette().base());
        } else if (orientation() == Qt::Vertical && end < height()) {
            painter.fillRect(0, end, width(), height() - end, palette().base());
        }
    }
    void mousePressEvent(QMouseEvent *) override {}
    void mouseMoveEvent(QMouseEvent *) override {}
    void mouseReleaseEvent(QMouseEvent *) override {}
    void mouseDoubleClickEvent(QMouseEvent *e) override
    {
        if (e->button() == Qt::LeftButton)
            grid_->editorDoubleClick();
    }

private:
    GridWidget *grid_;
};

// The fixed cells where the caption row meets the fixed columns.
class CornerCaptions : public QWidget {
public:
    explicit CornerCaptions(GridWidget *grid) : QWidget(grid), grid_(grid) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        const CellTable *t = grid_->table();
        if (!t)
            return;
        QPainter painter(this);
        forFixedColumns(*t, rect(), isRightToLeft(), [&](int c, const QRect &cell) {
            paintCaption(painter, cell, shownCell(*t, c, 0), *this);
        });
    }
    void mouseDoubleClickEvent(QMouseEvent *e) override
    {
        if (e->button() == Qt::LeftButton)
            grid_->editorDoubleClick();
    }

private:
    GridWidget *grid_;
};

// Makes the cell editor: a line edit that writes the cell on every keystroke and
// reports its keys and double-clicks to the grid.
class GridDelegate : public QStyledItemDelegate {
public:
    explicit GridDelegate(GridWidget *grid) : QStyledItemDelegate(grid), grid_(grid) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *line = qobject_cast<QLineEdit *>(editor)) {
            line->setFrame(false);
            if (grid_->isRightToLeft())
                line->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
            const QPersistentModelIndex cell(index);
            connect(line, &QLineEdit::textEdited, line, [cell](const QString &text) {
                if (cell.isValid())
                    const_cast<QAbstractItemModel *>(cell.model())->setData(cell, text);
            });
        }
        return editor;
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        // The editor's own writes come back as dataChanged; leave its text, cursor and
        // undo history alone when the cell already holds what it shows.
        if (auto *line = qobject_cast<QLineEdit *>(editor); line && line->text() == index.data(Qt::EditRole).toString())
            return;
        QStyledItemDelegate::setEditorData(editor, index);
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        // Right to left, a cell's text stands at the cell's right edge, where the grid
        // starts, and runs in its own direction, as the cell editor shows it: a number
        // reads -7, not 7-.
        if (option->direction == Qt::RightToLeft) {
            option->displayAlignment = Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter;
            if (!option->text.isRightToLeft())
                option->direction = Qt::LeftToRight;
        }
    }

    bool eventFilter(QObject *object, QEvent *event) override
    {
        auto *editor = qobject_cast<QWidget *>(object);
        switch (event->type()) {
        case QEvent::KeyPress: {
            auto *key = static_cast<QKeyEvent *>(event);
            if (isFocusKey(key)) {
                // Tab leaves the grid rather than moving to the next cell.
                emit commitData(editor);
                emit closeEditor(editor, NoHint);
                grid_->focusNextPrevChild(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
                return true;
            }
            grid_->editorKeyDown(key);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                // Enter closes the editor at once; Qt's own handling would queue it,
                // and a click landing first would leave a stale commit behind.
                emit commitData(editor);
                emit closeEditor(editor, NoHint);
                return true;
            }
            break;
        }
        case QEvent::MouseButtonDblClick:
            grid_->editorDoubleClick();
            break;
        default:
            break;
        }
        const bool filtered = QStyledItemDelegate::eventFilter(object, event);
        if (event->type() == QEvent::KeyRelease)
            grid_->editorKeyUp(static_cast<QKeyEvent *>(event));
        return filtered;
    }

public:
    static bool isFocusKey(const QKeyEvent *key)
    {
        return (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    }

private:
    GridWidget *grid_;
};

GridWidget::GridWidget(QWidget *parent) : QTableView(parent), model_(new GridModel(this))
{
    setModel(model_);
    QItemSelectionModel *initial = selectionModel();
    setSelectionModel(new GridSelectionModel(model_, this));
    delete initial;
    setItemDelegate(new GridDelegate(this));
    setHorizontalHeader(new CaptionHeader(Qt::Horizontal, this));
    setVerticalHeader(new CaptionHeader(Qt::Vertical, this));
    corner_ = new CornerCaptions(this);
    setSelectionBehavior(SelectItems);
    setSelectionMode(SingleSelection);
    // Clicks and double-clicks are handled here; typing or F2 opens the editor.
    setEditTriggers(AnyKeyPressed | EditKeyPressed);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    // The grid takes the window's direction: right to left (Arabic) its first column
    // stands at the right, the stored tables keeping their order.
}

GridWidget::~GridWidget() = default;

void GridWidget::setTable(CellTable *table)
{
    if (CellTable *old = model_->table())
        disconnect(old, &CellTable::geometryChanged, this, nullptr);
    model_->setTable(table);
    if (table)
        connect(table, &CellTable::geometryChanged, this, &GridWidget::applyGeometry);
    applyGeometry();
    placeInitialCell();
}

CellTable *GridWidget::table() const
{
    return model_->table();
}

int GridWidget::col() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.column() : -1;
}

int GridWidget::row() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() : -1;
}

void GridWidget::setCurrentCell(int col, int row)
{
    const QScopedValueRollback silent(silentMoves_, true);
    moveTo(model_->index(row, col), false);
}

void GridWidget::setRangeSelect(bool on)
{
    rangeSelect_ = on;
    setSelectionMode(on ? ContiguousSelection : SingleSelection);
}

QWidget *GridWidget::cellEditor() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? indexWidget(i) : nullptr;
}

bool GridWidget::isFixed(const QModelIndex &index) const
{
    return model_->isFixed(index.column(), index.row());
}

void GridWidget::applyGeometry()
{
    const CellTable *t = table();
    if (!t)
        return;
    for (int c = 0; c < t->colCount(); ++c) {
        setColumnWidth(c, t->colWidth(c));
        setColumnHidden(c, c < t->fixedCols()); // shown by the vertical header
    }
    verticalHeader()->setDefaultSectionSize(t->rowHeight());
    for (int r = 0; r < t->fixedRows() && r < model_->rowCount(); ++r)
        setRowHidden(r, true); // shown by the horizontal header
    horizontalHeader()->setFixedHeight(t->rowHeight() * t->fixedRows());
    verticalHeader()->setFixedWidth(fixedWidth());
    verticalHeader()->setVisible(t->fixedCols() > 0);
    corner_->setVisible(t->fixedCols() > 0);
    updateGeometries();
}

int GridWidget::fixedWidth() const
{
    const CellTable *t = table();
    int width = 0;
    for (int c = 0; t && c < t->fixedCols(); ++c)
        width += t->colWidth(c);
    return width;
}

void GridWidget::updateGeometries()
{
    QTableView::updateGeometries();
    if (corner_) {
        // Above the vertical header, on whichever side of the scrolling cells it stands.
        const QRect area = viewport()->geometry();
        const int left = isRightToLeft() ? area.right() + 1 : area.left() - verticalHeader()->width();
        corner_->setGeometry(left, area.top() - horizontalHeader()->height(), verticalHeader()->width(),
                             horizontalHeader()->height());
        corner_->raise();
    }
}

QRect GridWidget::visualRect(const QModelIndex &index) const
{
    const CellTable *t = table();
    if (!t || !index.isValid() || !isFixed(index))
        return QTableView::visualRect(index);
    // Fixed cells lie in the header areas, above and beside the viewport: left of it,
    // or right of it right to left.
    const int height = t->rowHeight();
    QRect r;
    if (index.column() < t->fixedCols()) {
        forFixedColumns(*t, fixedColumnsStrip(), isRightToLeft(), [&](int c, const QRect &cell) {
            if (c == index.column())
                r = QRect(cell.left(), 0, cell.width(), height);
        });
    } else {
        r = QRect(columnViewportPosition(index.column()), 0, columnWidth(index.column()), height);
    }
    r.moveTop(index.row() < t->fixedRows() ? -height * t->fixedRows() + index.row() * height
                                           : rowViewportPosition(index.row()));
    return r;
}

QModelIndex GridWidget::indexAt(const QPoint &point) const
{
    const CellTable *t = table();
    const QRect strip = fixedColumnsStrip();
    const bool inFixedColumns = strip.width() > 0 && point.x() >= strip.left() && point.x() <= strip.right();
    if (!t || (!inFixedColumns && point.y() >= 0))
        return QTableView::indexAt(point);
    int row = point.y() < 0 ? (point.y() + t->rowHeight() * t->fixedRows()) / t->rowHeight() : rowAt(point.y());
    if (point.y() < 0 && point.y() < -t->rowHeight() * t->fixedRows())
        row = -1;
    int col = -1;
    if (inFixedColumns) {
        forFixedColumns(*t, strip, isRightToLeft(), [&](int c, const QRect &cell) {
            if (point.x() >= cell.left() && point.x() <= cell.right())
                col = c;
        });
    } else {
        col = columnAt(point.x());
    }
    return model_->index(row, col);
}

QRect GridWidget::fixedColumnsStrip() const
{
    // In the viewport's coordinates, as tall as the rows are.
    const int width = fixedWidth();
    return QRect(isRightToLeft() ? viewport()->width() : -width, 0, width, viewport()->height());
}

void GridWidget::placeInitialCell()
{
    const CellTable *t = table();
    if (t && t->fixedCols() < t->colCount() && t->fixedRows() < model_->rowCount())
        setCurrentCell(t->fixedCols(), t->fixedRows());
}

bool GridWidget::selectCellAllowed(const QModelIndex &target)
{
    if (isFixed(target))
        return false;
    if (silentMoves_ || !onSelectCell)
        return true;
    return onSelectCell(target.column(), target.row());
}

bool GridWidget::moveTo(const QModelIndex &target, bool extend)
{
    if (!target.isValid())
        return false;
    QItemSelectionModel *selection = selectionModel();
    if (extend && anchor_.isValid()) {
        selection->setCurrentIndex(target, QItemSelectionModel::NoUpdate);
        if (moveRefused_)
            return false;
        const QModelIndex topLeft = model_->index(qMin(anchor_.row(), target.row()), qMin(anchor_.column(), target.column()));
        const QModelIndex bottomRight = model_->index(qMax(anchor_.row(), target.row()), qMax(anchor_.column(), target.column()));
        selection->select(QItemSelection(topLeft, bottomRight), QItemSelectionModel::ClearAndSelect);
    } else {
        selection->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
        if (moveRefused_)
            return false;
        anchor_ = target;
    }
    scrollTo(target);
    return true;
}

bool GridWidget::editorHasFocus() const
{
    // focusWidget() is the last focused descendant, also while the window is inactive.
    QWidget *editor = cellEditor();
    QWidget *focused = focusWidget();
    return editor && focused && (focused == editor || editor->isAncestorOf(focused));
}

void GridWidget::editorKeyDown(QKeyEvent *e)
{
    // A key typed into the grid is passed on to the editor it opens: announced once.
    if (e != viewKeyEvent_ && onKeyDown)
        onKeyDown(e->key());
}

void GridWidget::editorKeyUp(QKeyEvent *e)
{
    if (!e->isAutoRepeat() && onKeyUp)
        onKeyUp(e->key());
}

void GridWidget::editorDoubleClick()
{
    if (onDoubleClick)
        onDoubleClick();
}

bool GridWidget::event(QEvent *e)
{
    switch (e->type()) {
    case QEvent::KeyPress: {
        // Keys the editor did not use come here too; it has announced them already.
        auto *key = static_cast<QKeyEvent *>(e);
        if (!editorHasFocus() && !GridDelegate::isFocusKey(key) && onKeyDown)
            onKeyDown(key->key());
        const QScopedValueRollback<const QEvent *> handling(viewKeyEvent_, e);
        return QTableView::event(e);
    }
    case QEvent::KeyRelease: {
        auto *key = static_cast<QKeyEvent *>(e);
        const bool announced = editorHasFocus() || key->isAutoRepeat();
        const bool result = QTableView::event(e);
        if (!announced && onKeyUp)
            onKeyUp(key->key());
        return result;
    }
    case QEvent::Hide:
        // A hidden grid keeps no open editor (its text is already in the cell).
        if (QWidget *editor = cellEditor()) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
        break;
    default:
        break;
    }
    return QTableView::event(e);
}

void GridWidget::keyPressEvent(QKeyEvent *e)
{
    CursorAction action;
    switch (e->key()) {
    case Qt::Key_Up: action = MoveUp; break;
    case Qt::Key_Down: action = MoveDown; break;
    case Qt::Key_Left: action = MoveLeft; break;
    case Qt::Key_Right: action = MoveRight; break;
    case Qt::Key_Home: action = MoveHome; break;
    case Qt::Key_End: action = MoveEnd; break;
    case Qt::Key_PageUp: action = MovePageUp; break;
    case Qt::Key_PageDown: action = MovePageDown; break;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Escape:
        // Not typing: no editor opens.
        e->ignore();
        return;
    default:
        QTableView::keyPressEvent(e);
        return;
    }
    const QModelIndex target = moveCursor(action, e->modifiers());
    if (target.isValid() && target != currentIndex())
        moveTo(target, rangeSelect_ && (e->modifiers() & Qt::ShiftModifier));
    e->accept();
}

QModelIndex GridWidget::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const CellTable *t = table();
    if (!t)
        return {};
    const int firstCol = t->fixedCols();
    const int firstRow = t->fixedRows();
    const int lastCol = model_->columnCount() - 1;
    const int lastRow = model_->rowCount() - 1;
    if (firstCol > lastCol || firstRow > lastRow)
        return {};

    const QModelIndex current = currentIndex();
    int c = current.isValid() ? current.column() : firstCol;
    int r = current.isValid() ? current.row() : firstRow;
    const int page = qMax(1, viewport()->height() / qMax(1, t->rowHeight()) - 1);
    const bool ctrl = modifiers & Qt::ControlModifier;
    // The arrow keys move as the grid reads: right to left, left is the next column.
    if (isRightToLeft() && (action == MoveLeft || action == MoveRight))
        action = action == MoveLeft ? MoveRight : MoveLeft;
    switch (action) {
    case MoveUp: --r; break;
    case MoveDown: ++r; break;
    case MoveLeft: --c; break;
    case MoveRight: ++c; break;
    case MoveHome:
        c = firstCol;
        if (ctrl)
            r = firstRow;
        break;
    case MoveEnd:
        c = lastCol;
        if (ctrl)
            r = lastRow;
        break;
    case MovePageUp: r -= page; break;
    case MovePageDown: r += page; break;
    case MoveNext:
        if (++c > lastCol) {
            c = firstCol;
            ++r;
        }
        break;
    case MovePrevious:
        if (--c < firstCol) {
            c = lastCol;
            --r;
        }
        break;
    }
    // The highlight never enters a fixed cell.
    return model_->index(qBound(firstRow, r, lastRow), qBound(firstCol, c, lastCol));
}

void GridWidget::keyboardSearch(const QString &)
{
    // Typing never jumps to a matching cell.
}

void GridWidget::mousePressEvent(QMouseEvent *e)
{
    dragging_ = false;
    if (e->button() != Qt::LeftButton)
        return;
    const QModelIndex index = indexAt(e->position().toPoint());
    if (!index.isValid() || isFixed(index))
        return; // a fixed cell neither moves the highlight nor opens an editor
    if (index == currentIndex()) {
        if (!(rangeSelect_ && (e->modifiers() & Qt::ShiftModifier))) {
            selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
            anchor_ = index;
            edit(index);
        }
        dragging_ = true;
        return;
    }
    dragging_ = moveTo(index, rangeSelect_ && (e->modifiers() & Qt::ShiftModifier));
}

void GridWidget::mouseMoveEvent(QMouseEvent *e)
{
    if (!dragging_ || !(e->buttons() & Qt::LeftButton))
        return;
    const QModelIndex index = indexAt(e->position().toPoint());
    if (index.isValid() && !isFixed(index) && index != currentIndex() && !cellEditor())
        moveTo(index, rangeSelect_);
}

void GridWidget::mouseReleaseEvent(QMouseEvent *)
{
    dragging_ = false;
}

void GridWidget::mouseDoubleClickEvent(QMouseEvent *e)
{
    dragging_ = false;
    if (e->button() != Qt::LeftButton)
        return;
    if (onDoubleClick)
        onDoubleClick();
    // The pair's first click moved the highlight here; the second edits, as a click
    // on the highlighted cell does, unless the handler closed the window.
    const QModelIndex index = indexAt(e->position().toPoint());
    if (isVisible() && index.isValid() && index == currentIndex() && !cellEditor())
        edit(index);
}

} // namespace quorvel
