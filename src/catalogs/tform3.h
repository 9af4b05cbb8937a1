#pragma once

#include "catalogs/catalogwindow.h"
#include "core/celltable.h"

#include <memory>

class FileDialog;
class GridWidget;
class QCloseEvent;
class QLabel;

// "Pumps information": the pump catalog with the curve picture of the selected
// pump. Shown from the menu to keep the catalog, and by the calculation to pick a
// pump (a double-click sets pickedPumpRow and closes).
class TForm3 : public CatalogWindow {
    Q_OBJECT
public:
    TForm3(Platform &platform, QWidget *parent = nullptr);
    ~TForm3() override;

    CellTable table{7, 100};
    GridWidget *SG = nullptr;
    QFrame *Panel1 = nullptr; // bottom: the four buttons
    QFrame *Panel2 = nullptr; // right: the picture
    QLabel *Image1 = nullptr;
    QPushButton *ButtonDel = nullptr;
    QPushButton *ButonIns = nullptr;
    QPushButton *Button2 = nullptr; // "Add Graph"; the calculation toggles it
    QPushButton *Button1 = nullptr; // "OK"; the calculation toggles it

    qint32 row = 0;       // the data row the window works on
    qint32 col = 0;       // column of the last cell selection
    bool salvado = false; // nothing marked changed since this showing began

    void FormActivate();
    void SGSelectCell(qint32 ACol, qint32 ARow);
    void SGKeyDown();
    void SGKeyUp();
    void SGDblClick();
    void presentarcurva(qint32 r);
    void ButonInsClick();
    void ButtonDelClick();
    void Button2Click();
    void Button1Click();
    void FormClose();

    // The curve picture of row r: the named file in the database folder when it
    // exists (folders do not count), else "no curve.bmp" there.
    QString curvePicture(qint32 r) const;

protected:
    void activate() override { FormActivate(); }
    void closeEvent(QCloseEvent *event) override;

private:
    void showPicture(const QString &path);
    void renumber();

    std::unique_ptr<FileDialog> OpenPictureDialog1; // made on first use, kept for the run
};
