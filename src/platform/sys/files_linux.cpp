#include "files.h"
#include "filelock.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvel {

QString systemErrorText(int errorCode)
{
    return trimmedSystemText(QString::fromLocal8Bit(std::strerror(errorCode)));
}

void useBinaryStandardOutput()
{
    // Linux writes bytes as they are.
}

void clearSystemError()
{
    errno = 0;
}

int openFailureError()
{
    return errno != 0 ? errno : EACCES;
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
