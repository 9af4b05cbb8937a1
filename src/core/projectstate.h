#pragma once

#include <QObject>

namespace quorvel {

// What the main window's project commands follow: whether the project has unsaved
// changes (Save and Save as are enabled exactly then, and the exit prompt asks only
// then) and whether there is something to print (Print). The rules that set and
// clear them live with the sheet, the calculation and the project files.
class ProjectState : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool modified READ isModified WRITE setModified NOTIFY modifiedChanged)
    Q_PROPERTY(bool printable READ isPrintable WRITE setPrintable NOTIFY printableChanged)
public:
    using QObject::QObject;

    bool isModified() const { return modified_; }
    void setModified(bool modified);
    bool isPrintable() const { return printable_; }
    void setPrintable(bool printable);

signals:
    void modifiedChanged(bool modified);
    void printableChanged(bool printable);

private:
    bool modified_ = false;
    bool printable_ = false;
};

} // namespace quorvel
