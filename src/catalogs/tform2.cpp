#include "catalogs/tform2.h"

#include "platform/ui/gridwidget.h"

#include <QFrame>
#include <QPushButton>
#include <QVBoxLayout>

TForm2::TForm2(Platform &platform, QWidget *parent)
    : CatalogWindow(platform, QStringLiteral("Diameters"), 348, 299, parent)
{
    SG = makeGrid(table, QStringLiteral("SG"), 64, false);

    Panel1 = makePanel(this, QStringLiteral("Panel1"));
    Panel1->setFixedHeight(59);
    BitBtn1 = makeButton(QStringLiteral("OK"), QStringLiteral("BitBtn1"), Panel1, 248, 18);

    // The panel keeps its height; the table takes the rest.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(SG, 1);
    layout->addWidget(Panel1);

    setTabOrder(SG, BitBtn1);

    onClick(BitBtn1, [this] { BitBtn1Click(); });
}

TForm2::~TForm2()
{
    delete SG; // the grid goes before the table it shows
}

void TForm2::BitBtn1Click()
{
    close();
}
