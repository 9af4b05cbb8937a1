#pragma once

#include "filedialog.h"

#include <QList>
#include <QMap>
#include <QString>

namespace quorvel {

// File dialogs answering from a script instead of the user. Answers are queued per
// kind of dialog, so a test can script a dialog before the code under test creates
// it; each showing takes the next answer of its kind. A confirmed answer is
// remembered as the dialog's file name and filter index, as the real dialogs do; a
// showing with no answer left counts as cancelled and is recorded as unanswered.
class FakeFileDialogs : public FileDialogs {
public:
    using Kind = FileDialogs::Kind;

    // What a dialog held when it was shown.
    struct Showing {
        QString filter;
        QString initialDir;
        QString fileName;
        int filterIndex = 1;
        bool answered = true;
    };

    void confirm(Kind kind, const QString &path, int filterIndex = 1);
    void cancel(Kind kind);

    QList<Showing> showings(Kind kind) const { return showings_.value(kind); }
    int created(Kind kind) const { return created_.value(kind); }
    int pendingAnswers(Kind kind) const { return int(answers_.value(kind).size()); }

    FileDialog *create(Kind kind, QWidget *owner) override;

private:
    friend class FakeFileDialog;
    struct Answer {
        bool confirmed;
        QString path;
        int filterIndex;
    };

    QMap<Kind, QList<Answer>> answers_;
    QMap<Kind, QList<Showing>> showings_;
    QMap<Kind, int> created_;
};

class FakeFileDialog : public FileDialog {
public:
    FakeFileDialog(FakeFileDialogs &owner, FakeFileDialogs::Kind kind) : owner_(owner), kind_(kind) {}

    void setFilter(const QString &filter) override { filter_ = filter; }
    void setInitialDir(const QString &folder) override { initialDir_ = folder; }
    QString fileName() const override { return fileName_; }
    void setFileName(const QString &path) override { fileName_ = path; }
    int filterIndex() const override { return filterIndex_; }
    bool execute() override;

private:
    FakeFileDialogs &owner_;
    FakeFileDialogs::Kind kind_;
    QString filter_;
    QString initialDir_;
    QString fileName_;
    int filterIndex_ = 1;
};

} // namespace quorvel
