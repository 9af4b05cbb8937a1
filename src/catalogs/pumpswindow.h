#pragma once

#include "catalogwindow.h"

#include <QtGlobal>
#include <memory>

class QCloseEvent;
class QLabel;
class QPushButton;

namespace quorvel {

namespace Ui {
class PumpsWindow;
}
class FileDialog;
class GridWidget;
struct Catalogs;
struct DataFolders;

// "Pumps information": the pump catalog with the curve picture of the selected
// pump. Shown from the menu to keep the catalog, and by the calculation to pick a
// pump: a double-click picks the row and closes the window. A catalog that was not
// read at start-up is said so at every showing and never saved over.
class PumpsWindow : public CatalogWindow {
    Q_OBJECT
public:
    PumpsWindow(Platform &platform, const DataFolders &folders, Catalogs &catalogs, QWidget *parent = nullptr);
    ~PumpsWindow() override;

    // The row of the last double-click, kept between showings (0 before any).
    qint32 pickedRow() const { return pickedRow_; }
    // While picking for the calculation "Add Graph" is shown and "OK" hidden; after
    // the pick it is the other way round.
    void setPicking(bool picking);

protected:
    void activate() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void cellSelected(qint32 col, qint32 row);
    void keyPressed();
    void keyReleased();
    void pickRow();
    void showCurve(qint32 row);
    void insertRow();
    void deleteRow();
    void addGraph();
    void askToSaveChanges();
    // The curve picture of a row: the named file in the database folder when it
    // exists (folders do not count), else "no curve.bmp" there.
    QString curvePicturePath(qint32 row) const;
    void showPicture(const QString &path);
    void renumber();
    void updateHeldNote();

    std::unique_ptr<Ui::PumpsWindow> ui_;
    const DataFolders &folders_;
    Catalogs &catalogs_;

    qint32 row_ = 0;         // the data row the window works on
    qint32 col_ = 0;         // column of the last cell selection
    qint32 pickedRow_ = 0;
    std::unique_ptr<FileDialog> pictureDialog_; // made on first use, kept for the run
};

} // namespace quorvel
