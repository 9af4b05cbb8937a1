#include "diameterswindow.h"

#include "gridwidget.h"
#include "windowparts.h"

#include <QFrame>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvel {

DiametersWindow::DiametersWindow(Platform &platform, CellTable &pipes, QWidget *parent)
    : CatalogWindow(platform, QStringLiteral("Diameters"), 348, 299, parent)
{
    GridWidget *grid = makeGrid(pipes, 64, false);

    QFrame *buttonPanel = makeRaisedPanel(this, QStringLiteral("buttonPanel"));
    buttonPanel->setFixedHeight(59);
    QPushButton *okButton = makeButton(buttonPanel, QStringLiteral("okButton"), QStringLiteral("OK"));
    okButton->move(248, 18);

    // The panel keeps its height; the table takes the rest.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(grid, 1);
    layout->addWidget(buttonPanel);

    setTabOrder(grid, okButton);

    onClick(okButton, [this] { close(); });
}

} // namespace quorvel
