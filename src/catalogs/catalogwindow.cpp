#include "catalogs/catalogwindow.h"

#include "core/celltable.h"
#include "platform/ui/errorguard.h"
#include "platform/ui/gridwidget.h"
#include "platform/ui/platform.h"

#include <QFont>
#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>

CatalogWindow::CatalogWindow(Platform &platform, const QString &caption, int clientWidth,
                             int clientHeight, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      platform_(platform)
{
    setWindowTitle(caption);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    resize(clientWidth, clientHeight);
}

bool CatalogWindow::guard(const std::function<void()> &handler)
{
    return guarded(*platform_.messages, handler);
}

void CatalogWindow::onClick(QPushButton *button, std::function<void()> handler)
{
    connect(button, &QPushButton::clicked, this,
            [this, handler = std::move(handler)] { guard(handler); });
}

GridWidget *CatalogWindow::makeGrid(CellTable &table, const QString &name, int colWidth,
                                    bool editable)
{
    table.setDefaultColWidth(colWidth);
    table.setRowHeight(24);
    table.setEditable(editable);
    auto *grid = new GridWidget(this);
    grid->setObjectName(name);
    grid->setTable(&table);
    grid->setRangeSelect(true);
    grid->setCurrentCell(1, 1);
    return grid;
}

QFrame *CatalogWindow::makePanel(QWidget *parent, const QString &name)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    return panel;
}

QPushButton *CatalogWindow::makeButton(const QString &text, const QString &name,
                                       QWidget *panel, int left, int top)
{
    auto *button = new QPushButton(text, panel);
    button->setObjectName(name);
    button->setGeometry(left, top, 75, 25);
    // In a dialog Qt makes buttons default-capable; here Enter presses no button.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
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

void CatalogWindow::keyPressEvent(QKeyEvent *event)
{
    // Escape would reject the dialog and bypass the window's own closing rules.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
