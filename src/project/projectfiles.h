#pragma once

#include "filedialog.h"

#include <QString>
#include <memory>

class QWidget;

namespace quorvel {

class MessageBoxes;
class ProjectSheet;

// A project on disk: three sibling files sharing one base path, name.qvl (the
// project name), name.dat (the input table, one line per row) and name.res (the
// result table). Saves and opens the main window's project through its two file
// dialogs, which live as long as this object, and holds the exit prompt.
class ProjectFiles {
public:
    ProjectFiles(ProjectSheet &sheet, MessageBoxes &boxes, FileDialogs &dialogs, QWidget *owner);
    ~ProjectFiles();
    ProjectFiles(const ProjectFiles &) = delete;
    ProjectFiles &operator=(const ProjectFiles &) = delete;

    // The folder both dialogs start in.
    void setInitialDir(const QString &folder);

    // Save (toolbar button, "Save as", the exit prompt).
    void saveProject();
    // Open (toolbar button, "Open"); true when a project was read.
    bool openProject();
    // The exit prompt. An Error escaping it (from the save it starts) must cancel the close.
    void confirmExit();

private:
    ProjectSheet &sheet_;
    MessageBoxes &boxes_;
    std::unique_ptr<FileDialog> saveDialog_;
    std::unique_ptr<FileDialog> openDialog_;
};

} // namespace quorvel
