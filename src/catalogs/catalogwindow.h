#pragma once

#include "programdialog.h"

class QKeyEvent;

namespace quorvel {

class CellTable;
class GridWidget;
class MessageBoxes;
struct Platform;

// What the three catalog windows share: no closing by Escape (none of them has a
// cancel button), the catalog table in a grid, and an activation handler that runs
// once per showing, as soon as the window is visible and before it takes input.
// Each window's form (caption, size, panels, buttons) is a Designer file beside it.
class CatalogWindow : public ProgramDialog {
    Q_OBJECT
public:
    CatalogWindow(Platform &platform, QWidget *parent);

    // Showing runs the activation.
    void setVisible(bool visible) override;

protected:
    // Runs as the window goes up; the default does nothing.
    virtual void activate() {}

    // Shows the window's table in its grid: pixel sizes, editability, range selection,
    // and the highlight on cell (1, 1) as at creation.
    void showTable(GridWidget *grid, CellTable &table, int colWidth, bool editable);

    void keyPressEvent(QKeyEvent *event) override;

    Platform &platform_;
};

// Whether a catalog save may go ahead: when another program changed the file since it
// was read, the user is asked, No by default, and No keeps both file and table.
bool overwriteAllowed(MessageBoxes &boxes, bool changedOnDisk, const QString &path);

} // namespace quorvel
