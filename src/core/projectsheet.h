#pragma once

#include "celltable.h"
#include "commandswitches.h"

#include <QObject>
#include <QString>

// What the user works on in the main window: the project name, the input table
// SG1, the result table SG2, the current input cell (C, R) and the four captions
// over the schematic. Widget-free; the main window shows it.
class ProjectSheet : public QObject {
    Q_OBJECT
public:
    explicit ProjectSheet(CommandSwitches &switches, QObject *parent = nullptr);

    CellTable SG1; // 3 x 8, columns 0 and 1 fixed
    CellTable SG2; // 3 x 11, read-only

    qint32 C = 0; // column of the input table's current cell
    qint32 R = 0; // row of the input table's current cell

    // Texts of Label1..Label4 (index 1..4).
    QString label(int n) const;
    void setLabel(int n, const QString &text);

    // The project name (Edit1).
    QString projectName() const { return projectName_; }
    void setProjectName(const QString &name);

    // The table part of TForm1.FormCreate: captions, widths, defaults in their order.
    void createTables();
    void SG1SelectCell(int col, int row);
    void SG1KeyUp();
    // The text part of TForm1.FormResize.
    void resizeTexts();
    // File > New.
    void Open1Click();
    // After opening a project: the four captions with the capitalised prefixes.
    void refreshCaptionsFromInputs();

signals:
    void labelChanged(int n, const QString &text);
    void projectNameChanged(const QString &name);

private:
    CommandSwitches &switches_;
    QString labels_[5];
    QString projectName_;
};
