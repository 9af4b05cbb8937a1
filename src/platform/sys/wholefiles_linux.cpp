// Whole-file reading and writing on the disk with the POSIX calls; files are shared
// through flock locks, which other running copies of the program honour. The fuzz
// build replaces this file by an in-memory store (fuzz/memoryfiles.cpp).
#include "files.h"
#include "wholefiles.h"
#include "filelock.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvel {

namespace {

// A file descriptor closed on every path.
class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    void reset(int fd = -1)
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }

private:
    int fd_ = -1;
};

int openRetrying(const QByteArray &path, int flags, mode_t mode = 0)
{
    int fd;
    do
        fd = ::open(path.constData(), flags | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        left -= n;
    }
    return true;
}

} // namespace

bool readWholeFile(const QString &path, QByteArray &bytes, QString &reason)
{
    const auto fail = [&reason](const QString &text) {
        reason = text;
        return false;
    };
    // Without blocking, so that a named pipe in place of a file cannot hang the open;
    // regular files ignore the flag.
    const Descriptor file(openRetrying(QFile::encodeName(path), O_RDONLY | O_NONBLOCK));
    if (!file.valid())
        return fail(systemErrorText(errno));
    const int fd = file.get();

    struct stat st;
    if (::fstat(fd, &st) != 0)
        return fail(systemErrorText(errno));
    if (S_ISDIR(st.st_mode))
        return fail(systemErrorText(EISDIR));
    if (!S_ISREG(st.st_mode))
        return fail(notRegularReason());
    if (st.st_size > largestReadableFile)
        return fail(tooLargeReason());
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
            return fail(tooLargeReason());
        data.append(buffer, static_cast<qsizetype>(n));
    }
    bytes = std::move(data);
    return true;
}

namespace {

// The longest file name the folder's file system takes, in bytes.
qsizetype nameMax(const QByteArray &folder)
{
    const long max = ::pathconf(folder.isEmpty() ? "/" : folder.constData(), _PC_NAME_MAX);
    return max > 0 ? qsizetype(max) : qsizetype(NAME_MAX);
}

// The temporary file's name for a target name: fixed, so that the next save finds
// what a killed one left, and hidden. A name too long to carry the suffix is
// replaced by its hash.
QByteArray temporaryName(const QByteArray &name, qsizetype longest)
{
    const QByteArray plain = '.' + name + ".quorvel-save";
    if (plain.size() <= longest)
        return plain;
    return ".quorvel-save-" + QCryptographicHash::hash(name, QCryptographicHash::Sha1).toHex().left(16);
}

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

// One file of a set on its way: the file replaced (links followed), its temporary
// file, and the locks held on both until the set is done. The temporary file is
// removed unless it replaced the target. (QSaveFile cannot serve here: it replaces
// its file as soon as that one is written, and its temporary names do not fit
// beside a long file name.)
class StagedFile {
public:
    StagedFile() = default;
    StagedFile(const StagedFile &) = delete;
    StagedFile &operator=(const StagedFile &) = delete;
    ~StagedFile()
    {
        if (created_)
            ::unlink(temporary_.constData());
    }

    // Checks the path without touching anything; 0 or the system's error code.
    int check(const QString &path)
    {
        const QByteArray given = QFile::encodeName(path);
        if (given.size() >= PATH_MAX)
            return ENAMETOOLONG;
        if (given.size() - given.lastIndexOf('/') - 1 > nameMax(folderOf(given)))
            return ENAMETOOLONG;

        // As a save through a link should, the link stays and its target is replaced.
        QFileInfo info(path);
        for (int depth = 0; info.isSymLink(); ++depth) {
            if (depth == 40)
                return ELOOP;
            info.setFile(info.symLinkTarget());
        }
        if (info.isDir())
            return EISDIR;
        target_ = QFile::encodeName(info.filePath());
        if (info.exists()) {
            if (const int errorCode = writeAccessError(info.filePath()))
                return errorCode;
        }
        const QByteArray folder = folderOf(target_);
        const QByteArray name = target_.mid(target_.lastIndexOf('/') + 1);
        temporary_ = folder + '/' + temporaryName(name, nameMax(folder));
        return temporary_.size() >= PATH_MAX ? ENAMETOOLONG : 0;
    }

    // Locks the old file and writes the bytes to the temporary file.
    WriteOutcome stage(const QByteArray &bytes)
    {
        const auto cannotCreate = [](int errorCode) { return WriteOutcome{WriteOutcome::CannotCreate, errorCode}; };

        // The old file is locked against every other copy of the program: a running
        // read or write of it makes the save fail.
        struct stat old;
        const bool exists = ::stat(target_.constData(), &old) == 0 && S_ISREG(old.st_mode);
        if (exists) {
            old_.reset(openRetrying(target_, O_RDONLY | O_NONBLOCK));
            if (old_.valid()) {
                oldLock_.emplace(old_.get(), FileLock::Mode::Exclusive);
                if (!oldLock_->locked())
                    return cannotCreate(oldLock_->error());
            }
        }

        if (const int errorCode = removeLeftover())
            return cannotCreate(errorCode);
        temp_.reset(openRetrying(temporary_, O_WRONLY | O_CREAT | O_EXCL, 0666));
        if (!temp_.valid())
            return cannotCreate(errno);
        // Another copy saving the same file at this very moment may have taken the new
        // file for a leftover: then the name is that copy's, and this save gives way.
        tempLock_.emplace(temp_.get(), FileLock::Mode::Exclusive);
        if (!tempLock_->locked())
            return cannotCreate(tempLock_->error());
        struct stat mine, named;
        if (::fstat(temp_.get(), &mine) != 0 || ::lstat(temporary_.constData(), &named) != 0
            || mine.st_dev != named.st_dev || mine.st_ino != named.st_ino)
            return cannotCreate(EWOULDBLOCK);
        created_ = true;
        if (exists && ::fchmod(temp_.get(), old.st_mode & 07777) != 0)
            return cannotCreate(errno);

        if (!writeAll(temp_.get(), bytes) || ::fsync(temp_.get()) != 0)
            return WriteOutcome{WriteOutcome::WriteFailed, 0};
        return WriteOutcome{};
    }

    // Puts the temporary file in place of the target; 0 or the system's error code.
    int replace()
    {
        if (::rename(temporary_.constData(), target_.constData()) != 0)
            return errno;
        created_ = false;
        return 0;
    }

    // The rename reaches the disk with its folder.
    bool settled() const
    {
        const Descriptor folder(openRetrying(folderOf(target_), O_RDONLY | O_DIRECTORY));
        return !folder.valid() || ::fsync(folder.get()) == 0 || errno == EINVAL;
    }

private:
    // Removes what an earlier save of this file left, unless another copy of the
    // program is writing it right now; 0 or the system's error code.
    int removeLeftover()
    {
        const Descriptor leftover(openRetrying(temporary_, O_RDONLY | O_NOFOLLOW | O_NONBLOCK));
        if (leftover.valid()) {
            const FileLock lock(leftover.get(), FileLock::Mode::Exclusive);
            if (!lock.locked())
                return lock.error();
        } else if (errno == ENOENT) {
            return 0;
        }
        // A link or anything else in the way goes as well; what cannot go makes the
        // creation fail below.
        ::unlink(temporary_.constData());
        return 0;
    }

    QByteArray target_;
    QByteArray temporary_;
    bool created_ = false;
    // Declared after their descriptors: unlocked before they close.
    Descriptor old_;
    std::optional<FileLock> oldLock_;
    Descriptor temp_;
    std::optional<FileLock> tempLock_;
};

} // namespace

WriteOutcome writeWholeFiles(const QList<WholeFile> &files)
{
    return writeStagedFiles<StagedFile>(files);
}

} // namespace quorvel
