#pragma once

#include "catalogwindow.h"

#include <memory>

namespace quorvel {

namespace Ui {
class DiametersWindow;
}

// "Diameters": the pipe catalog, read-only. The start-up load fills the table and
// the design calculation reads it; nothing here changes it.
class DiametersWindow : public CatalogWindow {
    Q_OBJECT
public:
    DiametersWindow(Platform &platform, CellTable &pipes, QWidget *parent = nullptr);
    ~DiametersWindow() override;

private:
    std::unique_ptr<Ui::DiametersWindow> ui_;
};

} // namespace quorvel
