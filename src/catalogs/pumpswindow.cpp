#include "pumpswindow.h"

#include "catalogcolumns.h"
#include "catalogfiles.h"
#include "datafolders.h"
#include "filedialog.h"
#include "files.h"
#include "gridwidget.h"
#include "messageboxes.h"
#include "numbers.h"
#include "pictureloader.h"
#include "platform.h"
#include "rowlist.h"
#include "ui_pumpswindow.h"

#include <QCloseEvent>
#include <QFileInfo>

namespace quorvel {

PumpsWindow::PumpsWindow(Platform &platform, const DataFolders &folders, Catalogs &catalogs, QWidget *parent)
    : CatalogWindow(platform, parent), ui_(std::make_unique<Ui::PumpsWindow>()), folders_(folders),
      catalogs_(catalogs)
{
    // The form makes the buttons first (below the table, in a grid layout), so that the
    // window's first focus is on OK (on Add Graph while OK is hidden).
    ui_->setupUi(this);
    GridWidget *grid = ui_->grid;
    showTable(grid, catalogs_.pumps, 60, true);
    grid->onSelectCell = [this](int c, int r) { return guard([=, this] { cellSelected(c, r); }); };
    grid->onKeyDown = [this](int) { guard([this] { keyPressed(); }); };
    grid->onKeyUp = [this](int) { guard([this] { keyReleased(); }); };
    grid->onDoubleClick = [this] { guard([this] { pickRow(); }); };
    onClick(ui_->deleteRowButton, [this] { deleteRow(); });
    onClick(ui_->insertRowButton, [this] { insertRow(); });
    onClick(ui_->addGraphButton, [this] { addGraph(); });
    onClick(ui_->okButton, [this] { close(); });
    // The pump catalog counts as changed until an activation completes: when the
    // first one fails (the curve picture of row 1), closing offers to save.
    markChanged();
}

PumpsWindow::~PumpsWindow() = default;

void PumpsWindow::setPicking(bool picking)
{
    ui_->addGraphButton->setVisible(picking);
    ui_->okButton->setVisible(!picking);
}

void PumpsWindow::activate()
{
    warnIfNotRead(catalogs_.pumpsNotReadWarning(folders_.databaseDir));
    updateHeldNote();
    catalogs_.pumps.setColWidth(PumpColumn::Number, 20);
    catalogs_.pumps.setColWidth(PumpColumn::Name, 50);
    catalogs_.pumps.setColWidth(PumpColumn::Model, 80);
    catalogs_.pumps.setColWidth(5, 60);
    catalogs_.pumps.setColWidth(PumpColumn::CurvePicture, 160);
    // The window works on the highlighted row, which a showing keeps from the last one
    // (row 1 at the first), so that a pick, the curve, Insert, Delete and the numbering
    // all act on the row the engineer sees. Its picture's name as it stands: no
    // existence test and no fallback here.
    row_ = ui_->grid->row();
    showPicture(folders_.databaseDir + catalogs_.pumps.cell(PumpColumn::CurvePicture, row_));
}

void PumpsWindow::cellSelected(qint32 col, qint32 row)
{
    row_ = row;
    col_ = col;
    showPicture(curvePicturePath(row_));
}

void PumpsWindow::keyPressed()
{
    // Typing into an empty row numbers it.
    if (catalogs_.pumps.cell(PumpColumn::Name, row_).isEmpty())
        catalogs_.pumps.setCell(PumpColumn::Number, row_, formatInteger(row_));
}

void PumpsWindow::keyReleased()
{
    if (col_ == PumpColumn::CurvePicture)
        showCurve(row_);
}

void PumpsWindow::pickRow()
{
    pickedRow_ = row_;
    close();
}

void PumpsWindow::showCurve(qint32 row)
{
    markChanged();
    showPicture(curvePicturePath(row));
}

void PumpsWindow::insertRow()
{
    insertCatalogRow(catalogs_.pumps, row_, catalogs_.pumpsHeld);
    renumber();
    showCurve(row_);
}

void PumpsWindow::deleteRow()
{
    // The last row takes the row just past the table: empty, or the first catalog line
    // held past it, which is then shown and no longer held.
    deleteCatalogRow(catalogs_.pumps, row_, catalogs_.pumpsHeld);
    updateHeldNote();
    renumber();
    showCurve(row_);
}

void PumpsWindow::updateHeldNote()
{
    showHeldNote(ui_->buttonPanel, QRect(412, 4, 180, 50), catalogs_.pumpsHeld.size(),
                 tr("1 more pump in %2 is kept but not shown"), tr("%1 more pumps in %2 are kept but not shown"),
                 Catalogs::pumpsFile);
}

void PumpsWindow::addGraph()
{
    if (!pictureDialog_)
        pictureDialog_.reset(platform_.fileDialogs->create(FileDialogs::Kind::OpenPicture, this));
    FileDialog &dialog = *pictureDialog_;
    dialog.setInitialDir(folders_.picturesDir);
    // The descriptions are translated, the patterns never.
    dialog.setFilter(tr("Main pipeline files") + QStringLiteral(" (*.bmp)|*.bmp|") + tr("All Files")
                     + QStringLiteral(" (*.*)|*.*"));
    if (!dialog.execute())
        return;
    const QString source = dialog.fileName();
    const QString destination = folders_.databaseDir + QFileInfo(source).fileName();
    if (copyFileOverwrite(source, destination))
        platform_.messages->information(tr("The file is now available"));
    else
        platform_.messages->information(tr("The file is not available. Check if the file exists yet"));
}

void PumpsWindow::askToSaveChanges()
{
    const QString &dir = folders_.databaseDir;
    offerToSave(
        dir + QLatin1String(Catalogs::pumpsFile), [&] { return catalogs_.pumpsChangedOnDisk(dir); },
        [&] { catalogs_.savePumps(dir); });
}

QString PumpsWindow::curvePicturePath(qint32 row) const
{
    const QString name = catalogs_.pumps.cell(PumpColumn::CurvePicture, row);
    const QString path = folders_.databaseDir + name;
    if (!name.isEmpty() && fileExists(path))
        return path;
    return folders_.databaseDir + QLatin1String(Catalogs::noCurvePicture);
}

void PumpsWindow::closeEvent(QCloseEvent *event)
{
    if (!isVisible()) {
        CatalogWindow::closeEvent(event);
        return;
    }
    // A failed save keeps the window open.
    if (!guard([this] { askToSaveChanges(); })) {
        event->ignore();
        return;
    }
    CatalogWindow::closeEvent(event);
}

void PumpsWindow::showPicture(const QString &path)
{
    // The loader raises before anything is replaced, so a failure keeps the picture.
    ui_->curvePicture->setPixmap(QPixmap::fromImage(platform_.pictures->load(path)));
}

void PumpsWindow::renumber()
{
    for (qint32 i = 1; i <= catalogs_.pumps.rowCount() - 1; ++i)
        catalogs_.pumps.setCell(PumpColumn::Number, i, formatInteger(i));
}

} // namespace quorvel
