// Whole-file reading and writing on the disk. The fuzz build replaces this file by an
// in-memory store with the same functions (fuzz/memoryfiles.cpp).
#include "files.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

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

bool readWholeFile(const QString &path, QByteArray &bytes, QString &reason)
{
    const auto fail = [&reason](const QString &text) {
        reason = text;
        return false;
    };
    const QString tooLarge = QStringLiteral("File is larger than 256 MB");
    const QByteArray name = QFile::encodeName(path);
    int fd;
    // Without blocking, so that a named pipe in place of a file cannot hang the open;
    // regular files ignore the flag.
    do
        fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return fail(systemErrorText(errno));
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};

    struct stat st;
    if (::fstat(fd, &st) != 0)
        return fail(systemErrorText(errno));
    if (S_ISDIR(st.st_mode))
        return fail(systemErrorText(EISDIR));
    if (!S_ISREG(st.st_mode))
        return fail(QStringLiteral("Not a regular file"));
    if (st.st_size > largestReadableFile)
        return fail(tooLarge);
    const FileLock lock(fd, FileLock::Mode::Shared);
    if (!lock.locked())
        return fail(systemErrorText(lock.error()));

    QByteArray data;
    data.reserve(static_cast<qsizetype>(st.st_size));
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(systemErrorText(errno));
        }
        if (n == 0)
            break;
        // The file may grow while it is read.
        if (data.size() + n > largestReadableFile)
            return fail(tooLarge);
        data.append(buffer, static_cast<qsizetype>(n));
    }
    bytes = std::move(data);
    return true;
}

WriteOutcome writeWholeFile(const QString &path, const QByteArray &bytes)
{
    const auto cannotCreate = [](int errorCode) { return WriteOutcome{WriteOutcome::CannotCreate, errorCode}; };

    // QSaveFile reports these two without an error code of its own.
    const QFileInfo target(path);
    if (target.isDir())
        return cannotCreate(EISDIR);
    if (target.exists()) {
        if (const int errorCode = writeAccessError(path))
            return cannotCreate(errorCode);
    }

    // While the new file is written, the old one is locked against every other copy
    // of the program: a running read or write of it makes the save fail.
    QFile old(path);
    std::optional<FileLock> lock;
    if (target.isFile() && old.open(QIODevice::ReadOnly)) {
        lock.emplace(old.handle(), FileLock::Mode::Exclusive);
        if (!lock->locked())
            return cannotCreate(lock->error());
    }

    // The new text goes to a temporary file in the same folder that replaces the old
    // file only once it is complete, so a failed save leaves the old file as it was.
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        // Missing or read-only folder, a file in place of the folder, no space for
        // the directory entry: Qt keeps the system's code in errno.
        const int errorCode = errno;
        return cannotCreate(errorCode != 0 ? errorCode : EACCES);
    }
    // Qt 6.4's commit() misses a failure of the last buffered write (a full disk)
    // and would put a short file in place of the old one: flush and check first.
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
        return WriteOutcome{WriteOutcome::WriteFailed, 0};
    return WriteOutcome{};
}

} // namespace quorvel
