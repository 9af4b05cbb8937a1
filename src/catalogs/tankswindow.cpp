#include "tankswindow.h"

#include "catalogcolumns.h"
#include "catalogfiles.h"
#include "datafolders.h"
#include "gridwidget.h"
#include "messageboxes.h"
#include "numbers.h"
#include "platform.h"
#include "ui_tankswindow.h"


namespace quorvel {

TanksWindow::TanksWindow(Platform &platform, const DataFolders &folders, Catalogs &catalogs, QWidget *parent)
    : CatalogWindow(platform, parent), ui_(std::make_unique<Ui::TanksWindow>()), folders_(folders),
      catalogs_(catalogs)
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
    // The highlighted row, kept from the last showing (row 1 at the first), is the one
    // a pick, OK or the close box gives the calculation.
    selectedRow_ = ui_->grid->row();
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
