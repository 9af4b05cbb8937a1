#include "catalogwindow.h"

#include "celltable.h"
#include "errorguard.h"
#include "files.h"
#include "messageboxes.h"
#include "gridwidget.h"
#include "platform.h"

#include <QKeyEvent>
#include <QLabel>

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
        guard([this] {
            activate();
            changedSinceShown_ = false;
        });
}

void CatalogWindow::offerToSave(const QString &path, const std::function<bool()> &changedOnDisk,
                                const std::function<void()> &save)
{
    MessageBoxes &boxes = *platform_.messages;
    if (!changedSinceShown_ || !boxes.question(tr("Do you want to save the new data?")))
        return;
    if (changedOnDisk()
        && !boxes.questionDefaultNo(
            tr("\"%1\" was changed by another program since it was read. Overwrite it?")
                .arg(shownPath(path))))
        return;
    save();
}

void CatalogWindow::warnIfNotRead(const QString &notRead)
{
    if (!notRead.isEmpty())
        platform_.messages->warning(errorBoxText(notRead));
}

void CatalogWindow::showHeldNote(QWidget *panel, const QRect &place, qsizetype held, const QString &one,
                                 const QString &many, const char *file)
{
    if (held == 0) {
        delete note_;
        note_ = nullptr;
        return;
    }
    if (!note_) {
        note_ = new QLabel(panel);
        note_->setObjectName(QStringLiteral("heldLinesNote"));
        note_->setWordWrap(true);
        note_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    note_->setGeometry(place);
    QString text = held == 1 ? one : many.arg(held);
    note_->setText(text.replace(QLatin1String("%2"), QLatin1String(file)));
    note_->show();
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
