#include "files.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvel {

QString systemErrorText(int errorCode)
{
    QString text = QString::fromLocal8Bit(std::strerror(errorCode));
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

int writeAccessError(const QString &path)
{
    return access(QFile::encodeName(path).constData(), W_OK) == 0 ? 0 : errno;
}

bool sameFile(const QString &a, const QString &b)
{
    struct stat sa, sb;
    if (::stat(QFile::encodeName(a).constData(), &sa) == 0 && ::stat(QFile::encodeName(b).constData(), &sb) == 0)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    return absoluteFilePath(a) == absoluteFilePath(b);
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

FileLock::FileLock(int fd, Mode mode) : fd_(fd)
{
    const int operation = (mode == Mode::Shared ? LOCK_SH : LOCK_EX) | LOCK_NB;
    int result;
    do
        result = ::flock(fd_, operation);
    while (result != 0 && errno == EINTR);
    locked_ = result == 0;
    if (!locked_)
        error_ = errno;
}

FileLock::~FileLock()
{
    if (locked_)
        ::flock(fd_, LOCK_UN);
}

} // namespace quorvel
