#pragma once

#include "datafolders.h"
#include "support/children.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class QWidget;

namespace quorvel {

class GridWidget;

// A database folder for one test: a temporary folder, the database folder of the
// folders handed to the windows, with helpers for the files the catalog windows read.
class TestDatabase {
public:
    TestDatabase();
    bool isValid() const { return dir_.isValid(); }
    QString path(const QString &name = {}) const; // databaseDir + name
    // The windows' folders: the database folder is this one (ending with "/"); the
    // others are empty until a test sets them.
    DataFolders &folders() { return folders_; }

    // A small one-colour bitmap.
    void writeBitmap(const QString &name, QColor colour) const;
    void writeLines(const QString &name, const QStringList &lines) const;
    void writeBytes(const QString &name, const QByteArray &bytes) const;
    QByteArray readBytes(const QString &name) const;
    // The file's lines (CR LF breaks), without the last empty piece.
    QStringList readLines(const QString &name) const;
    bool exists(const QString &name) const;

private:
    QTemporaryDir dir_;
    DataFolders folders_;
};

// A catalog window's table.
GridWidget &gridOf(const QWidget &window);

// Shows a window (which runs its activation) and waits until it is up.
void showAndActivate(QWidget &window);

// Real mouse and key events on a grid's cells.
void clickCell(GridWidget &grid, int col, int row);
void doubleClickCell(GridWidget &grid, int col, int row);
void pressKey(GridWidget &grid, int key);
void typeText(GridWidget &grid, const QString &text);

// The widgets that Tab visits, in order, starting after the window itself.
QList<QWidget *> tabOrder(QWidget &window);

// The colour of a shown picture's top-left pixel (invalid when none is shown).
QColor pictureColour(const QWidget &pictureBox);

} // namespace quorvel
