#pragma once

#include "programdialog.h"

#include <functional>

class QKeyEvent;
class QLabel;

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
    // Runs as the window goes up; the default does nothing. When it completes, the
    // table counts as unchanged for this showing.
    virtual void activate() {}

    // The table was changed during this showing: closing offers to save it.
    void markChanged() { changedSinceShown_ = true; }
    // The warning that the catalog was not read, as the error box would show it; none
    // for an empty text.
    void warnIfNotRead(const QString &notRead);
    // Says in the given place of a panel how many lines of the catalog file are kept
    // past the table (one: the text one; more: many, with %1 the count), %2 standing for
    // the file's name. Made only when there are such lines, so a window without them is
    // exactly as designed.
    void showHeldNote(QWidget *panel, const QRect &place, qsizetype held, const QString &one,
                      const QString &many, const char *file);
    // When the table changed during this showing, asks "Do you want to save the new
    // data?" and, on Yes, saves it; when another program changed the file at path
    // since it was read, the user is asked first (No by default, and No keeps both
    // file and table). A failed save raises.
    void offerToSave(const QString &path, const std::function<bool()> &changedOnDisk,
                     const std::function<void()> &save);

    // Shows the window's table in its grid: pixel sizes, editability, range selection,
    // and the highlight on cell (1, 1) as at creation.
    void showTable(GridWidget *grid, CellTable &table, int colWidth, bool editable);

    void keyPressEvent(QKeyEvent *event) override;

    Platform &platform_;

private:
    bool changedSinceShown_ = false;
    QLabel *note_ = nullptr;
};

} // namespace quorvel
