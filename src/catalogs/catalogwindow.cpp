#include "catalogwindow.h"

#include "celltable.h"
#include "files.h"
#include "messageboxes.h"
#include "gridwidget.h"
#include "platform.h"

#include <QKeyEvent>

namespace quorvel {

CatalogWindow::CatalogWindow(Platform &platform, QWidget *parent)
    : ProgramDialog(*platform.messages, parent), platform_(platform)
{
}

void CatalogWindow::showTable(GridWidget *grid, CellTable &table, int colWidth, bool editable)
{
    table.setDefaultColWidth(colWidth);
    table.setRowHeight(24);
    table.setEditable(editable);
    grid->setTable(&table);
    grid->setRangeSelect(true);
    grid->setCurrentCell(1, 1);
}

void CatalogWindow::setVisible(bool visible)
{
    const bool showing = visible && !isVisible();
    QDialog::setVisible(visible);
    // Right after the window went up, before a modal showing enters its event loop:
    // the activation precedes any input, and a failure is shown over the window.
    if (showing && isVisible())
        guard([this] { activate(); });
}

bool overwriteAllowed(MessageBoxes &boxes, bool changedOnDisk, const QString &path)
{
    return !changedOnDisk
        || boxes.questionDefaultNo(
               QStringLiteral("\"%1\" was changed by another program since it was read. Overwrite it?")
                   .arg(absoluteFilePath(path)));
}

void CatalogWindow::keyPressEvent(QKeyEvent *event)
{
    // Escape would reject the dialog and bypass the window's own closing rules.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace quorvel
