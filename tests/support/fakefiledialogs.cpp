#include "fakefiledialogs.h"

namespace quorvel {

void FakeFileDialogs::confirm(Kind kind, const QString &path, int filterIndex)
{
    answers_[kind].append({true, path, filterIndex});
}

void FakeFileDialogs::cancel(Kind kind)
{
    answers_[kind].append({false, QString(), 0});
}

FileDialog *FakeFileDialogs::create(Kind kind, QWidget *)
{
    ++created_[kind];
    return new FakeFileDialog(*this, kind);
}

bool FakeFileDialog::execute()
{
    FakeFileDialogs::Showing showing{filter_, initialDir_, fileName_, filterIndex_, true};
    QList<FakeFileDialogs::Answer> &answers = owner_.answers_[kind_];
    if (answers.isEmpty()) {
        showing.answered = false;
        owner_.showings_[kind_].append(showing);
        return false;
    }
    const FakeFileDialogs::Answer answer = answers.takeFirst();
    owner_.showings_[kind_].append(showing);
    if (!answer.confirmed)
        return false;
    fileName_ = answer.path;
    filterIndex_ = answer.filterIndex;
    return true;
}

} // namespace quorvel
