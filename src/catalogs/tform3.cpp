#include "catalogs/tform3.h"

#include "core/numbers.h"
#include "core/sharedstate.h"
#include "platform/sys/files.h"
#include "platform/ui/filedialog.h"
#include "platform/ui/gridwidget.h"
#include "platform/ui/messageboxes.h"
#include "platform/ui/pictureloader.h"
#include "platform/ui/platform.h"
#include "storage/catalogfiles.h"
#include "storage/datafolders.h"
#include "storage/rowlist.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TForm3::TForm3(Platform &platform, QWidget *parent)
    : CatalogWindow(platform, QStringLiteral("Pumps information"), 824, 352, parent)
{
    // Made in focus order, so that the window's first focus is on OK (or on Add Graph
    // while OK is hidden).
    Panel1 = makePanel(this, QStringLiteral("Panel1"));
    Panel1->setFixedHeight(58);
    Button1 = makeButton(QStringLiteral("OK"), QStringLiteral("Button1"), Panel1, 712, 17);
    Button2 = makeButton(QStringLiteral("Add Graph"), QStringLiteral("Button2"), Panel1, 598, 16);
    ButtonDel = makeButton(QStringLiteral("Delete Row"), QStringLiteral("ButtonDel"), Panel1, 136, 16);
    ButonIns = makeButton(QStringLiteral("Insert Row"), QStringLiteral("ButonIns"), Panel1, 328, 16);

    SG = makeGrid(table, QStringLiteral("SG"), 60, true);

    Panel2 = makePanel(this, QStringLiteral("Panel2"));
    Panel2->setFixedWidth(290);
    Image1 = new QLabel(Panel2);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true); // fills the box, proportions not kept
    Image1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    auto *pictureLayout = new QVBoxLayout(Panel2);
    pictureLayout->setContentsMargins(0, 0, 0, 0); // the 1-pixel frame insets the picture
    pictureLayout->addWidget(Image1);

    // The bottom panel keeps its height, the picture panel its width, the table
    // takes the rest.
    auto *top = new QHBoxLayout;
    top->setContentsMargins(0, 0, 0, 0);
    top->setSpacing(0);
    top->addWidget(SG, 1);
    top->addWidget(Panel2);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(top, 1);
    layout->addWidget(Panel1);

    setTabOrder(Button1, Button2);
    setTabOrder(Button2, ButtonDel);
    setTabOrder(ButtonDel, ButonIns);
    setTabOrder(ButonIns, SG);

    SG->onSelectCell = [this](int c, int r) { return guard([=, this] { SGSelectCell(c, r); }); };
    SG->onKeyDown = [this](int) { guard([this] { SGKeyDown(); }); };
    SG->onKeyUp = [this](int) { guard([this] { SGKeyUp(); }); };
    SG->onDoubleClick = [this] { guard([this] { SGDblClick(); }); };
    onClick(ButtonDel, [this] { ButtonDelClick(); });
    onClick(ButonIns, [this] { ButonInsClick(); });
    onClick(Button2, [this] { Button2Click(); });
    onClick(Button1, [this] { Button1Click(); });
}

TForm3::~TForm3()
{
    delete SG; // the grid goes before the table it shows
}

void TForm3::FormActivate()
{
    table.setColWidth(0, 20);
    table.setColWidth(1, 50);
    table.setColWidth(2, 80);
    table.setColWidth(5, 60);
    table.setColWidth(6, 160);
    row = 1;
    // Row 1's name as it stands: no existence test and no fallback here.
    showPicture(databaseDir + table.cell(6, 1));
    salvado = true;
}

void TForm3::SGSelectCell(qint32 ACol, qint32 ARow)
{
    row = ARow;
    col = ACol;
    showPicture(curvePicture(row));
}

void TForm3::SGKeyDown()
{
    if (table.cell(1, row).isEmpty())
        table.setCell(0, row, FormatInteger(row));
}

void TForm3::SGKeyUp()
{
    if (col == 6)
        presentarcurva(row);
}

void TForm3::SGDblClick()
{
    pickedPumpRow = row;
    close();
}

void TForm3::presentarcurva(qint32 r)
{
    salvado = false;
    showPicture(curvePicture(r));
}

void TForm3::ButonInsClick()
{
    table.setRowCount(table.rowCount() + 1);
    const qint32 n = table.rowCount();
    for (qint32 i = n - 1; i >= row; --i)
        Rows(table, i).Assign(Rows(table, i - 1));
    Rows(table, row).Clear();
    renumber();
    presentarcurva(row);
}

void TForm3::ButtonDelClick()
{
    // The last row takes the row just past the table: empty, or a surplus catalog
    // line that the start-up load stored there.
    const qint32 n = table.rowCount();
    for (qint32 i = row; i <= n - 1; ++i)
        Rows(table, i).Assign(Rows(table, i + 1));
    renumber();
    presentarcurva(row);
}

void TForm3::Button2Click()
{
    if (!OpenPictureDialog1)
        OpenPictureDialog1.reset(platform_.fileDialogs->create(FileDialogs::Kind::OpenPicture, this));
    FileDialog &dialog = *OpenPictureDialog1;
    dialog.setInitialDir(picturesDir);
    dialog.setFilter(QStringLiteral("Main pipeline files (*.bmp)|*.bmp|All Files (*.*)|*.*"));
    if (!dialog.execute())
        return;
    const QString source = dialog.fileName();
    const QString destination = databaseDir + QFileInfo(source).fileName();
    if (copyFileOverwrite(source, destination))
        platform_.messages->information(QStringLiteral("The file is now available"));
    else
        platform_.messages->information(
            QStringLiteral("The file is not available. Check if the file exists yet"));
}

void TForm3::Button1Click()
{
    close();
}

void TForm3::FormClose()
{
    if (salvado)
        return;
    if (platform_.messages->question(QStringLiteral("Do you want to save the new data?")))
        saveCatalog(table, QStringLiteral("pumps.csv"));
}

QString TForm3::curvePicture(qint32 r) const
{
    const QString name = table.cell(6, r);
    const QString path = databaseDir + name;
    if (!name.isEmpty() && fileExists(path))
        return path;
    return databaseDir + QStringLiteral("no curve.bmp");
}

void TForm3::closeEvent(QCloseEvent *event)
{
    if (!isVisible()) {
        CatalogWindow::closeEvent(event);
        return;
    }
    // A failed save keeps the window open.
    if (!guard([this] { FormClose(); })) {
        event->ignore();
        return;
    }
    CatalogWindow::closeEvent(event);
}

void TForm3::showPicture(const QString &path)
{
    // The loader raises before anything is replaced, so a failure keeps the picture.
    Image1->setPixmap(QPixmap::fromImage(platform_.pictures->load(path)));
}

void TForm3::renumber()
{
    for (qint32 i = 1; i <= table.rowCount() - 1; ++i)
        table.setCell(0, i, FormatInteger(i));
}
