#pragma once

#include "celltable.h"
#include "projectstate.h"
#include "sheetlayout.h"

#include <QObject>
#include <QString>

namespace quorvel {

// What the user works on in the main window: the project name, the input and
// result tables, the input table's current cell and the four captions over the
// schematic. Widget-free; the main window shows it.
class ProjectSheet : public QObject {
    Q_OBJECT
public:
    using Caption = SchematicCaption;

    explicit ProjectSheet(QObject *parent = nullptr);

    CellTable inputs;  // 3 x 8, description and unit columns fixed
    CellTable results; // 3 x 11, read-only
    ProjectState state; // unsaved changes, something to print

    qint32 currentColumn = 0; // the input table's current cell
    qint32 currentRow = 0;

    QString caption(Caption which) const;
    void setCaption(Caption which, const QString &text);

    QString projectName() const { return projectName_; }
    void setProjectName(const QString &name);

    // Captions, widths and default inputs of both tables, in their order.
    void createTables();
    // The input table's highlight moved to (col, row).
    void inputCellSelected(int col, int row);
    // A key was released in the input table: the caption of the current row follows
    // its value, and the project counts as changed.
    void inputKeyReleased();
    // The window was resized: the source caption shows the elevation and the first
    // value becomes the current cell.
    void windowResized();
    // File > New: empty values, the defaults, the captions' prefixes.
    void newProject();
    // After opening a project: the four captions with the capitalised prefixes.
    void refreshCaptionsFromInputs();

signals:
    void captionChanged(quorvel::ProjectSheet::Caption which, const QString &text);
    void projectNameChanged(const QString &name);

private:
    QString captions_[4];
    QString projectName_;
};

} // namespace quorvel
