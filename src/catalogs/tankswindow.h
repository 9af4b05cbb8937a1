#pragma once

#include "catalogwindow.h"

#include <QtGlobal>
#include <memory>

namespace quorvel {

namespace Ui {
class TanksWindow;
}
class GridWidget;
struct Catalogs;
struct DataFolders;

// "Tanks information": the tank catalog. Shown from the menu to keep the catalog,
// and by the calculation to pick a tank: the selected row counts, whatever closes
// the window. It has no closing handler: only OK asks to save.
class TanksWindow : public CatalogWindow {
    Q_OBJECT
public:
    TanksWindow(Platform &platform, const DataFolders &folders, Catalogs &catalogs, QWidget *parent = nullptr);
    ~TanksWindow() override;

    // The row the calculation uses: the highlighted row when the window went up (row 1
    // at the first showing), then the row of the last cell selection.
    qint32 selectedRow() const { return selectedRow_; }
    // Tank rows loaded from the catalog at start-up.
    qint32 tankCount() const;

protected:
    void activate() override;

private:
    void keyPressed();
    void pickRow();
    void saveAndClose();

    std::unique_ptr<Ui::TanksWindow> ui_;
    const DataFolders &folders_;
    Catalogs &catalogs_;
    qint32 selectedRow_ = 0;
};

} // namespace quorvel
