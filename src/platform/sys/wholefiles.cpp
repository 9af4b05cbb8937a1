// The whole-file functions that are the same on every system. The fuzz build replaces
// this file and wholefiles_linux.cpp by an in-memory store (fuzz/memoryfiles.cpp).
#include "files.h"

#include <QFile>
#include <QFileInfo>

namespace quorvel {

bool fileExists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

bool removeFile(const QString &path)
{
    return QFile::remove(path);
}

} // namespace quorvel
