#include "diameterswindow.h"

#include "ui_diameterswindow.h"

namespace quorvel {

DiametersWindow::DiametersWindow(Platform &platform, CellTable &pipes, QWidget *parent)
    : CatalogWindow(platform, parent), ui_(std::make_unique<Ui::DiametersWindow>())
{
    ui_->setupUi(this);
    showTable(ui_->grid, pipes, 64, false);
    onClick(ui_->okButton, [this] { close(); });
}

DiametersWindow::~DiametersWindow() = default;

} // namespace quorvel
