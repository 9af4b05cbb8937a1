#include "tankswindow.h"

#include "catalogcolumns.h"
#include "catalogfiles.h"
#include "datafolders.h"
#include "gridwidget.h"
#include "messageboxes.h"
#include "numbers.h"
#include "platform.h"
#include "projectsheet.h"
#include "ui_tankswindow.h"


namespace quorvel {

TanksWindow::TanksWindow(Platform &platform, const DataFolders &folders, Catalogs &catalogs,
                         ProjectSheet &sheet, QWidget *parent)
    : CatalogWindow(platform, parent), ui_(std::make_unique<Ui::TanksWindow>()), folders_(folders),
      catalogs_(catalogs), sheet_(sheet)
{
    // The form makes the button first (below the table, in a grid layout), so that the
    // window's first focus is on OK.
    ui_->setupUi(this);
    GridWidget *grid = ui_->grid;
    showTable(grid, catalogs_.tanks, 64, true);
    grid->onSelectCell = [this](int, int row) { return guard([=, this] { selectedRow_ = row; }); };
    grid->onKeyDown = [this](int) { guard([this] { keyPressed(); }); };
    grid->onDoubleClick = [this] { guard([this] { pickRow(); }); };
    onClick(ui_->okButton, [this] { saveAndClose(); });
}

TanksWindow::~TanksWindow() = default;

qint32 TanksWindow::tankCount() const
{
    return catalogs_.tankCount;
}

void TanksWindow::activate()
{
    warnIfNotRead(catalogs_.tanksNotReadWarning(folders_.databaseDir));
    showHeldNote(ui_->buttonPanel, QRect(8, 4, 256, 50), catalogs_.tanksHeld.size(),
                 tr("1 more tank type in %2 is kept but not shown"),
                 tr("%1 more tank types in %2 are kept but not shown"), Catalogs::tanksFile);
    catalogs_.tanks.setColWidth(TankColumn::Type, 120);
    selectedRow_ = 1;
}

void TanksWindow::keyPressed()
{
    // Typing into an empty row numbers it.
    CellTable &tanks = catalogs_.tanks;
    if (tanks.cell(TankColumn::Type, selectedRow_).isEmpty())
        tanks.setCell(TankColumn::Number, selectedRow_, formatInteger(selectedRow_));
    markChanged();
}

void TanksWindow::pickRow()
{
    // Writing the tank count over the project name is deliberate: the program has
    // always done it, and users' habits and saved projects may rely on it.
    sheet_.setProjectName(formatInteger(tankCount()));
    if (selectedRow_ > tankCount()) {
        platform_.messages->warning(tr("Select a data item"));
        return;
    }
    close();
}

void TanksWindow::saveAndClose()
{
    // A failed save raises here, before the window closes.
    const QString &dir = folders_.databaseDir;
    offerToSave(
        dir + QLatin1String(Catalogs::tanksFile), [&] { return catalogs_.tanksChangedOnDisk(dir); },
        [&] { catalogs_.saveTanks(dir); });
    close();
}

} // namespace quorvel
