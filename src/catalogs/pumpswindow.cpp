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
}

PumpsWindow::~PumpsWindow() = default;

void PumpsWindow::setPicking(bool picking)
{
    ui_->addGraphButton->setVisible(picking);
    ui_->okButton->setVisible(!picking);
}

void PumpsWindow::activate()
{
    if (!catalogs_.pumpsNotRead.isEmpty())
        platform_.messages->warning(catalogs_.pumpsNotRead);
    catalogs_.pumps.setColWidth(PumpColumn::Number, 20);
    catalogs_.pumps.setColWidth(PumpColumn::Name, 50);
    catalogs_.pumps.setColWidth(PumpColumn::Model, 80);
    catalogs_.pumps.setColWidth(5, 60);
    catalogs_.pumps.setColWidth(PumpColumn::CurvePicture, 160);
    row_ = 1;
    // Row 1's name as it stands: no existence test and no fallback here.
    showPicture(folders_.databaseDir + catalogs_.pumps.cell(PumpColumn::CurvePicture, 1));
    saved_ = true;
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
    saved_ = false;
    showPicture(curvePicturePath(row));
}

void PumpsWindow::insertRow()
{
    catalogs_.pumps.setRowCount(catalogs_.pumps.rowCount() + 1);
    const qint32 n = catalogs_.pumps.rowCount();
    for (qint32 i = n - 1; i >= row_; --i)
        rowList(catalogs_.pumps, i).assign(rowList(catalogs_.pumps, i - 1));
    rowList(catalogs_.pumps, row_).clear();
    renumber();
    showCurve(row_);
}

void PumpsWindow::deleteRow()
{
    // The last row takes the row just past the table: empty, or a surplus catalog
    // line that the start-up load stored there.
    const qint32 n = catalogs_.pumps.rowCount();
    for (qint32 i = row_; i <= n - 1; ++i)
        rowList(catalogs_.pumps, i).assign(rowList(catalogs_.pumps, i + 1));
    renumber();
    showCurve(row_);
}

void PumpsWindow::addGraph()
{
    if (!pictureDialog_)
        pictureDialog_.reset(platform_.fileDialogs->create(FileDialogs::Kind::OpenPicture, this));
    FileDialog &dialog = *pictureDialog_;
    dialog.setInitialDir(folders_.picturesDir);
    dialog.setFilter(QStringLiteral("Main pipeline files (*.bmp)|*.bmp|All Files (*.*)|*.*"));
    if (!dialog.execute())
        return;
    const QString source = dialog.fileName();
    const QString destination = folders_.databaseDir + QFileInfo(source).fileName();
    if (copyFileOverwrite(source, destination))
        platform_.messages->information(QStringLiteral("The file is now available"));
    else
        platform_.messages->information(QStringLiteral("The file is not available. Check if the file exists yet"));
}

void PumpsWindow::askToSaveChanges()
{
    if (saved_)
        return;
    if (platform_.messages->question(QStringLiteral("Do you want to save the new data?"))
        && overwriteAllowed(*platform_.messages, catalogs_.pumpsChangedOnDisk(folders_.databaseDir),
                            folders_.databaseDir + QLatin1String(Catalogs::pumpsFile)))
        catalogs_.savePumps(folders_.databaseDir);
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
