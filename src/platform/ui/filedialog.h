#pragma once

#include <QString>

class QWidget;

namespace quorvel {

// A file dialog that lives as long as its owner and remembers, between showings,
// the last confirmed file name and filter choice. The filter text is the classic
// "Description|pattern|Description|pattern" form.
class FileDialog {
public:
    virtual ~FileDialog() = default;
    virtual void setFilter(const QString &filter) = 0;
    virtual void setInitialDir(const QString &folder) = 0;
    virtual QString fileName() const = 0;
    virtual void setFileName(const QString &path) = 0;
    // 1-based index of the filter confirmed last (1 before any showing).
    virtual int filterIndex() const = 0;
    // Shows the dialog modally; true when the user confirmed a file.
    virtual bool execute() = 0;
};

// Makes the program's dialogs: the project open/save dialogs and the picture-open
// dialog (with a preview) of the pumps window.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    enum class Kind { Open, Save, OpenPicture };
    virtual FileDialog *create(Kind kind, QWidget *owner) = 0; // owned by the caller
};

} // namespace quorvel
