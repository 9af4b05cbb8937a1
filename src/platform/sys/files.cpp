// The parts of files.h that are the same on every system.
#include "files.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace quorvel {

QString trimmedSystemText(QString text)
{
    qsizetype end = text.size();
    while (end > 0 && (text[end - 1].unicode() <= 32 || text[end - 1] == u'.'))
        --end;
    text.truncate(end);
    return text;
}

QString absoluteFilePath(const QString &path)
{
    // Lexical, like the completion from the current folder: "." and ".." are
    // resolved without following links.
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(absoluteFilePath(path));
}

bool copyFileOverwrite(const QString &from, const QString &to)
{
    if (sameFile(from, to))
        return false;
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    // Through a temporary file renamed over the target, so a failed copy leaves an
    // existing target whole.
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly))
        return false;
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = source.read(buffer, sizeof buffer);
        if (n < 0)
            return false; // QSaveFile discards the temporary file
        if (n == 0)
            break;
        if (target.write(buffer, n) != n)
            return false;
    }
    return target.commit();
}

} // namespace quorvel
