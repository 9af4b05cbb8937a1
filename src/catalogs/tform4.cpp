#include "catalogs/tform4.h"

#include "core/numbers.h"
#include "core/projectsheet.h"
#include "core/sharedstate.h"
#include "platform/ui/gridwidget.h"
#include "platform/ui/messageboxes.h"
#include "platform/ui/platform.h"
#include "storage/catalogfiles.h"

#include <QFrame>
#include <QPushButton>
#include <QVBoxLayout>

TForm4::TForm4(Platform &platform, ProjectSheet &sheet, QWidget *parent)
    : CatalogWindow(platform, QStringLiteral("Tanks information"), 358, 255, parent),
      sheet_(sheet)
{
    // Made in focus order: the window's first focus is on OK.
    Panel1 = makePanel(this, QStringLiteral("Panel1"));
    Panel1->setFixedHeight(57);
    Button1 = makeButton(QStringLiteral("OK"), QStringLiteral("Button1"), Panel1, 272, 16);

    sg = makeGrid(table, QStringLiteral("sg"), 64, true);

    // The panel keeps its height; the table takes the rest.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(sg, 1);
    layout->addWidget(Panel1);

    setTabOrder(Button1, sg);

    sg->onSelectCell = [this](int c, int r) { return guard([=, this] { sgSelectCell(c, r); }); };
    sg->onKeyDown = [this](int) { guard([this] { sgKeyDown(); }); };
    sg->onDoubleClick = [this] { guard([this] { sgDblClick(); }); };
    onClick(Button1, [this] { Button1Click(); });
}

TForm4::~TForm4()
{
    delete sg; // the grid goes before the table it shows
}

void TForm4::FormActivate()
{
    table.setColWidth(1, 120);
    tankRow = 1;
    tanksChanged = false;
}

void TForm4::sgSelectCell(qint32 /*ACol*/, qint32 ARow)
{
    tankRow = ARow;
}

void TForm4::sgKeyDown()
{
    if (table.cell(1, tankRow).isEmpty())
        table.setCell(0, tankRow, FormatInteger(tankRow));
    tanksChanged = true;
}

void TForm4::sgDblClick()
{
    sheet_.setProjectName(FormatInteger(tankCount));
    if (tankRow > tankCount) {
        platform_.messages->warning(QStringLiteral("Select a data item"));
        return;
    }
    close();
}

void TForm4::Button1Click()
{
    // A failed save raises here, before the window closes.
    if (tanksChanged
        && platform_.messages->question(QStringLiteral("Do you want to save the new data?")))
        saveCatalog(table, QStringLiteral("storage.csv"));
    close();
}
