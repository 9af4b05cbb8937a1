#include "tankswindow.h"

#include "catalogcolumns.h"
#include "catalogfiles.h"
#include "datafolders.h"
#include "gridwidget.h"
#include "messageboxes.h"
#include "numbers.h"
#include "platform.h"
#include "projectsheet.h"
#include "windowparts.h"

#include <QFrame>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvel {

TanksWindow::TanksWindow(Platform &platform, const DataFolders &folders, Catalogs &catalogs,
                         ProjectSheet &sheet, QWidget *parent)
    : CatalogWindow(platform, QStringLiteral("Tanks information"), 358, 255, parent),
      folders_(folders), catalogs_(catalogs), sheet_(sheet)
{
    // Made in focus order: the window's first focus is on OK.
    QFrame *buttonPanel = makeRaisedPanel(this, QStringLiteral("buttonPanel"));
    buttonPanel->setFixedHeight(57);
    QPushButton *okButton = makeButton(buttonPanel, QStringLiteral("okButton"), QStringLiteral("OK"));
    okButton->move(272, 16);

    GridWidget *grid = makeGrid(catalogs_.tanks, 64, true);

    // The panel keeps its height; the table takes the rest.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(grid, 1);
    layout->addWidget(buttonPanel);

    setTabOrder(okButton, grid);

    grid->onSelectCell = [this](int, int row) { return guard([=, this] { selectedRow_ = row; }); };
    grid->onKeyDown = [this](int) { guard([this] { keyPressed(); }); };
    grid->onDoubleClick = [this] { guard([this] { pickRow(); }); };
    onClick(okButton, [this] { saveAndClose(); });
}

qint32 TanksWindow::tankCount() const
{
    return catalogs_.tankCount;
}

void TanksWindow::activate()
{
    catalogs_.tanks.setColWidth(TankColumn::Type, 120);
    selectedRow_ = 1;
    changedThisShowing_ = false;
}

void TanksWindow::keyPressed()
{
    // Typing into an empty row numbers it.
    CellTable &tanks = catalogs_.tanks;
    if (tanks.cell(TankColumn::Type, selectedRow_).isEmpty())
        tanks.setCell(TankColumn::Number, selectedRow_, FormatInteger(selectedRow_));
    changedThisShowing_ = true;
}

void TanksWindow::pickRow()
{
    // Writing the tank count over the project name is deliberate: the program has
    // always done it, and users' habits and saved projects may rely on it.
    sheet_.setProjectName(FormatInteger(tankCount()));
    if (selectedRow_ > tankCount()) {
        platform_.messages->warning(QStringLiteral("Select a data item"));
        return;
    }
    close();
}

void TanksWindow::saveAndClose()
{
    // A failed save raises here, before the window closes.
    if (changedThisShowing_
        && platform_.messages->question(QStringLiteral("Do you want to save the new data?")))
        saveCatalog(catalogs_.tanks, folders_.databaseDir + QLatin1String(Catalogs::tanksFile));
    close();
}

} // namespace quorvel
