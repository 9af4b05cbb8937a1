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
#include "windowparts.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvel {

PumpsWindow::PumpsWindow(Platform &platform, const DataFolders &folders, CellTable &pumps, QWidget *parent)
    : CatalogWindow(platform, QStringLiteral("Pumps information"), 824, 352, parent),
      folders_(folders), pumps_(pumps)
{
    // Made in focus order, so that the window's first focus is on OK (or on Add Graph
    // while OK is hidden).
    QFrame *buttonPanel = makeRaisedPanel(this, QStringLiteral("buttonPanel"));
    buttonPanel->setFixedHeight(58);
    okButton_ = makeButton(buttonPanel, QStringLiteral("okButton"), QStringLiteral("OK"));
    okButton_->move(712, 17);
    addGraphButton_ = makeButton(buttonPanel, QStringLiteral("addGraphButton"), QStringLiteral("Add Graph"));
    addGraphButton_->move(598, 16);
    QPushButton *deleteRowButton = makeButton(buttonPanel, QStringLiteral("deleteRowButton"), QStringLiteral("Delete Row"));
    deleteRowButton->move(136, 16);
    QPushButton *insertRowButton = makeButton(buttonPanel, QStringLiteral("insertRowButton"), QStringLiteral("Insert Row"));
    insertRowButton->move(328, 16);

    grid_ = makeGrid(pumps_, 60, true);

    QFrame *picturePanel = makeRaisedPanel(this, QStringLiteral("picturePanel"));
    picturePanel->setFixedWidth(290);
    curvePicture_ = new QLabel(picturePanel);
    curvePicture_->setObjectName(QStringLiteral("curvePicture"));
    curvePicture_->setScaledContents(true); // fills the box, proportions not kept
    curvePicture_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    auto *pictureLayout = new QVBoxLayout(picturePanel);
    pictureLayout->setContentsMargins(0, 0, 0, 0); // the 1-pixel frame insets the picture
    pictureLayout->addWidget(curvePicture_);

    // The bottom panel keeps its height, the picture panel its width, the table
    // takes the rest.
    auto *top = new QHBoxLayout;
    top->setContentsMargins(0, 0, 0, 0);
    top->setSpacing(0);
    top->addWidget(grid_, 1);
    top->addWidget(picturePanel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(top, 1);
    layout->addWidget(buttonPanel);

    setTabOrder(okButton_, addGraphButton_);
    setTabOrder(addGraphButton_, deleteRowButton);
    setTabOrder(deleteRowButton, insertRowButton);
    setTabOrder(insertRowButton, grid_);

    grid_->onSelectCell = [this](int c, int r) { return guard([=, this] { cellSelected(c, r); }); };
    grid_->onKeyDown = [this](int) { guard([this] { keyPressed(); }); };
    grid_->onKeyUp = [this](int) { guard([this] { keyReleased(); }); };
    grid_->onDoubleClick = [this] { guard([this] { pickRow(); }); };
    onClick(deleteRowButton, [this] { deleteRow(); });
    onClick(insertRowButton, [this] { insertRow(); });
    onClick(addGraphButton_, [this] { addGraph(); });
    onClick(okButton_, [this] { close(); });
}

PumpsWindow::~PumpsWindow() = default;

void PumpsWindow::setPicking(bool picking)
{
    addGraphButton_->setVisible(picking);
    okButton_->setVisible(!picking);
}

void PumpsWindow::activate()
{
    pumps_.setColWidth(PumpColumn::Number, 20);
    pumps_.setColWidth(PumpColumn::Name, 50);
    pumps_.setColWidth(PumpColumn::Model, 80);
    pumps_.setColWidth(5, 60);
    pumps_.setColWidth(PumpColumn::CurvePicture, 160);
    row_ = 1;
    // Row 1's name as it stands: no existence test and no fallback here.
    showPicture(folders_.databaseDir + pumps_.cell(PumpColumn::CurvePicture, 1));
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
    if (pumps_.cell(PumpColumn::Name, row_).isEmpty())
        pumps_.setCell(PumpColumn::Number, row_, FormatInteger(row_));
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
    pumps_.setRowCount(pumps_.rowCount() + 1);
    const qint32 n = pumps_.rowCount();
    for (qint32 i = n - 1; i >= row_; --i)
        Rows(pumps_, i).Assign(Rows(pumps_, i - 1));
    Rows(pumps_, row_).Clear();
    renumber();
    showCurve(row_);
}

void PumpsWindow::deleteRow()
{
    // The last row takes the row just past the table: empty, or a surplus catalog
    // line that the start-up load stored there.
    const qint32 n = pumps_.rowCount();
    for (qint32 i = row_; i <= n - 1; ++i)
        Rows(pumps_, i).Assign(Rows(pumps_, i + 1));
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
    if (platform_.messages->question(QStringLiteral("Do you want to save the new data?")))
        saveCatalog(pumps_, folders_.databaseDir + QLatin1String(Catalogs::pumpsFile));
}

QString PumpsWindow::curvePicturePath(qint32 row) const
{
    const QString name = pumps_.cell(PumpColumn::CurvePicture, row);
    const QString path = folders_.databaseDir + name;
    if (!name.isEmpty() && fileExists(path))
        return path;
    return folders_.databaseDir + QStringLiteral("no curve.bmp");
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
    curvePicture_->setPixmap(QPixmap::fromImage(platform_.pictures->load(path)));
}

void PumpsWindow::renumber()
{
    for (qint32 i = 1; i <= pumps_.rowCount() - 1; ++i)
        pumps_.setCell(PumpColumn::Number, i, FormatInteger(i));
}

} // namespace quorvel
