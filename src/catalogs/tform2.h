#pragma once

#include "catalogs/catalogwindow.h"
#include "core/celltable.h"

class GridWidget;

// "Diameters": the pipe catalog, read-only. The start-up load fills the table and
// the design calculation reads it; nothing here changes it.
class TForm2 : public CatalogWindow {
    Q_OBJECT
public:
    TForm2(Platform &platform, QWidget *parent = nullptr);
    ~TForm2() override;

    CellTable table{5, 20};
    GridWidget *SG = nullptr;
    QFrame *Panel1 = nullptr;
    QPushButton *BitBtn1 = nullptr;

    void BitBtn1Click();
};
