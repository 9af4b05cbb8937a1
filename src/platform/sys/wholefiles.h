#pragma once

// What the whole-file reading and writing of every system shares; each system's twin
// (wholefiles_linux.cpp, wholefiles_windows.cpp) brings the calls.

#include "files.h"

#include <QCoreApplication>

#include <vector>

namespace quorvel {

// The program's own reasons for a failed read, beside the system's, in the user's
// language too.
inline QString tooLargeReason()
{
    return QCoreApplication::translate("quorvel::Files", "File is larger than 256 MB");
}

inline QString notRegularReason()
{
    return QCoreApplication::translate("quorvel::Files", "Not a regular file");
}

// Staged: check(path) looks at a name without touching anything (0 or the system's
// error code); stage(bytes) takes the old file from others and writes the temporary
// one; replace() puts it in place (0 or the code); settled() tells whether the
// replacement reached the disk. A Staged removes its temporary file when it goes.
template <typename Staged>
WriteOutcome writeStagedFiles(const QList<WholeFile> &files)
{
    const auto failed = [](WriteOutcome outcome, qsizetype i) {
        outcome.file = i;
        return outcome;
    };
    std::vector<Staged> staged(size_t(files.size()));
    // Every name is checked before anything is written.
    for (qsizetype i = 0; i < files.size(); ++i) {
        if (const int errorCode = staged[size_t(i)].check(files[i].path))
            return failed({WriteOutcome::CannotCreate, errorCode}, i);
    }
    for (qsizetype i = 0; i < files.size(); ++i) {
        const WriteOutcome outcome = staged[size_t(i)].stage(files[i].bytes);
        if (outcome.kind != WriteOutcome::Written)
            return failed(outcome, i);
    }
    for (qsizetype i = 0; i < files.size(); ++i) {
        if (const int errorCode = staged[size_t(i)].replace())
            return failed({WriteOutcome::CannotCreate, errorCode}, i);
    }
    for (qsizetype i = 0; i < files.size(); ++i) {
        if (!staged[size_t(i)].settled())
            return failed({WriteOutcome::WriteFailed, 0}, i);
    }
    return WriteOutcome{};
}

} // namespace quorvel
