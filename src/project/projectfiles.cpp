#include "projectfiles.h"

#include "files.h"
#include "linelist.h"
#include "messageboxes.h"
#include "projectsheet.h"
#include "rowlist.h"

#include <QCoreApplication>
#include <QScopeGuard>

#include <algorithm>

namespace quorvel {

namespace {

// The descriptions are translated, the patterns never.
QString projectFilter()
{
    return QCoreApplication::translate("quorvel::ProjectFiles", "Main pipeline files") + QStringLiteral(" (*.qvl)|*.qvl|")
        + QCoreApplication::translate("quorvel::ProjectFiles", "All Files") + QStringLiteral(" (*.*)|*.*");
}

qsizetype extensionStart(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot > path.lastIndexOf(QLatin1Char('/')) ? dot : -1;
}

// The extension of a path: from its last "." to the end, when that "." lies after the
// last "/" (a dot in a folder name starts no extension); otherwise empty.
QString fileExtension(const QString &path)
{
    const qsizetype start = extensionStart(path);
    return start < 0 ? QString() : path.mid(start);
}

// Replaces the path's extension with ext, or appends ext when it has none.
QString changeFileExt(const QString &path, const QString &ext)
{
    const qsizetype start = extensionStart(path);
    return (start < 0 ? path : path.left(start)) + ext;
}

// The table as its file holds it: one line per row, row 0 first.
QByteArray tableBytes(CellTable &table)
{
    LineList lines;
    for (int r = 0; r < table.rowCount(); ++r)
        lines.append(rowList(table, r).commaText());
    return lines.saveToBytes();
}

// Fills the table row by row from the file's lines; rows without a line keep their
// text. Lines past the table's last row could only reach hidden row positions that
// nothing shows, saves, prints or calculates, so they are not decoded at all (a huge
// file then cannot make the table grow without bound).
void loadTable(CellTable &table, const QString &path)
{
    LineList lines;
    lines.loadFromFile(path);
    const int rows = std::min(lines.count(), table.rowCount());
    for (int i = 0; i < rows; ++i)
        rowList(table, i).setCommaText(lines[i]);
}

} // namespace

ProjectFiles::ProjectFiles(ProjectSheet &sheet, MessageBoxes &boxes, FileDialogs &dialogs, QWidget *owner)
    : sheet_(sheet), boxes_(boxes),
      saveDialog_(dialogs.create(FileDialogs::Kind::Save, owner)),
      openDialog_(dialogs.create(FileDialogs::Kind::Open, owner))
{
}

ProjectFiles::~ProjectFiles() = default;

void ProjectFiles::setInitialDir(const QString &folder)
{
    saveDialog_->setInitialDir(folder);
    openDialog_->setInitialDir(folder);
}

void ProjectFiles::saveProject()
{
    // Save and Save as are off while the save runs; a save that does not complete
    // (no name, a cancelled dialog, any error) leaves the project unsaved.
    sheet_.state.setModified(false);
    bool completed = false;
    const auto unsaved = qScopeGuard([this, &completed] {
        if (!completed)
            sheet_.state.setModified(true);
    });

    if (sheet_.projectName().isEmpty()) {
        boxes_.warning(QCoreApplication::translate("quorvel::ProjectFiles", "Enter the project name"));
        return;
    }
    saveDialog_->setFilter(projectFilter());
    if (!saveDialog_->execute())
        return;

    QString path = saveDialog_->fileName();
    if (fileExtension(path) != QLatin1String(".qvl")) { // case-sensitive on purpose
        path += QStringLiteral(".qvl");
        saveDialog_->setFileName(path);
    }

    // The three files are replaced together, so that a failed or interrupted save
    // never leaves a name file of one project beside tables of another.
    LineList name;
    name.append(sheet_.projectName());
    LineList::writeFileSet({
        {path, name.saveToBytes()},
        {changeFileExt(path, QStringLiteral(".dat")), tableBytes(sheet_.inputs)},
        {changeFileExt(path, QStringLiteral(".res")), tableBytes(sheet_.results)},
    });
    completed = true;
}

bool ProjectFiles::openProject()
{
    openDialog_->setFilter(projectFilter());
    if (!openDialog_->execute())
        return false;
    const QString path = openDialog_->fileName();
    if (!fileExists(path))
        return false;

    // Only the project-files filter reads the name and counts as a clean project.
    if (openDialog_->filterIndex() == 1) {
        sheet_.state.setModified(false);
        sheet_.state.setPrintable(true);
        LineList name;
        name.loadFromFile(path);
        sheet_.setProjectName(name[0]);
    }
    loadTable(sheet_.inputs, changeFileExt(path, QStringLiteral(".dat")));
    loadTable(sheet_.results, changeFileExt(path, QStringLiteral(".res")));
    sheet_.refreshCaptionsFromInputs();
    return true;
}

void ProjectFiles::confirmExit()
{
    if (!sheet_.state.isModified())
        return;
    if (boxes_.question(
            QCoreApplication::translate("quorvel::ProjectFiles",
                                        "The project has changed. Would you like to save the changes?")))
        saveProject();
}

} // namespace quorvel
