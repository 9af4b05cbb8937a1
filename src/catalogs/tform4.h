#pragma once

#include "catalogs/catalogwindow.h"
#include "core/celltable.h"

class GridWidget;
class ProjectSheet;

// "Tanks information": the tank catalog. Shown from the menu to keep the catalog,
// and by the calculation to pick a tank (tankRow, whatever closes the window).
// It has no closing handler: only OK asks to save.
class TForm4 : public CatalogWindow {
    Q_OBJECT
public:
    TForm4(Platform &platform, ProjectSheet &sheet, QWidget *parent = nullptr);
    ~TForm4() override;

    CellTable table{4, 15};
    GridWidget *sg = nullptr;
    QFrame *Panel1 = nullptr;
    QPushButton *Button1 = nullptr;

    void FormActivate();
    void sgSelectCell(qint32 ACol, qint32 ARow);
    void sgKeyDown();
    void sgDblClick();
    void Button1Click();

protected:
    void activate() override { FormActivate(); }

private:
    ProjectSheet &sheet_;
};
