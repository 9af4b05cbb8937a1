#pragma once

#include "filedialog.h"

#include <QStringList>

namespace quorvel {

// Turns the classic "Description|pattern|Description|pattern" filter text into Qt
// name filters, one per description. Each becomes "Description (patterns)" so that
// Qt shows the description alone (HideNameFilterDetails) and matches the patterns the
// way the classic dialogs did: "*.*" matches every file, letters match either case.
QStringList qtNameFilters(const QString &filter);

// The program's file dialogs on QFileDialog (Qt's own widget dialog, not the desktop's,
// so that every option below holds on every desktop).
class QtFileDialogs : public FileDialogs {
public:
    FileDialog *create(Kind kind, QWidget *owner) override;
};

// One dialog: the settings live here, a QFileDialog is built for each showing.
class QtFileDialog : public FileDialog {
public:
    QtFileDialog(FileDialogs::Kind kind, QWidget *owner);

    void setFilter(const QString &filter) override { filter_ = filter; }
    void setInitialDir(const QString &folder) override { initialDir_ = folder; }
    QString fileName() const override { return fileName_; }
    void setFileName(const QString &path) override { fileName_ = path; }
    int filterIndex() const override { return filterIndex_; }
    bool execute() override;

private:
    FileDialogs::Kind kind_;
    QWidget *owner_;
    QString filter_;
    QString initialDir_;
    QString fileName_;
    int filterIndex_ = 1;
};

} // namespace quorvel
