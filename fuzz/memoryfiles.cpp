// The whole-file functions of the platform layer over an in-memory store, for the
// fuzz build only (it replaces the disk implementation there): the targets write and
// read dozens of files per input, and system calls would set the pace. Paths are
// cleaned lexically (the targets use absolute ones); folders are not modelled, and a
// write always succeeds.
#include "files.h"

#include <QDir>
#include <QHash>

#include <cerrno>

namespace quorvel {

namespace {

QHash<QString, QByteArray> &store()
{
    static QHash<QString, QByteArray> files;
    return files;
}

} // namespace

bool fileExists(const QString &path)
{
    return store().contains(QDir::cleanPath(path));
}

bool removeFile(const QString &path)
{
    return store().remove(QDir::cleanPath(path));
}

bool readWholeFile(const QString &path, QByteArray &bytes, QString &reason)
{
    const auto found = store().constFind(QDir::cleanPath(path));
    if (found == store().cend()) {
        reason = systemErrorText(ENOENT);
        return false;
    }
    bytes = *found;
    return true;
}

WriteOutcome writeWholeFiles(const QList<WholeFile> &files)
{
    for (const WholeFile &file : files)
        store().insert(QDir::cleanPath(file.path), file.bytes);
    return WriteOutcome{};
}

} // namespace quorvel
