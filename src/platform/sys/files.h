#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace quorvel {

// The system's text for an error code (errno), with trailing blanks, line breaks
// and full stops removed.
QString systemErrorText(int errorCode);

// The path made absolute against the current folder.
QString absoluteFilePath(const QString &path);

// True when the path names an existing file; folders do not count.
bool fileExists(const QString &path);

// Removes a file; false when there was none or it could not be removed.
bool removeFile(const QString &path);

// 0 when the existing path may be written, else the system's code (EACCES for a
// read-only file, EROFS on a read-only file system).
int writeAccessError(const QString &path);

// Both names lead to the same file (hard links and symbolic links included), or, when
// either does not exist, to the same place.
bool sameFile(const QString &a, const QString &b);

// Copies a file, replacing an existing target. Copying a file onto itself fails.
bool copyFileOverwrite(const QString &from, const QString &to);

// The largest file the program reads whole: catalogs, projects and pictures are far
// smaller, and a bound keeps a wrong file (a huge one, a link to a device) from
// exhausting memory.
constexpr qint64 largestReadableFile = 256LL * 1024 * 1024;

// Reads a whole existing regular file into bytes under a shared lock (others may read
// it, a running writer makes the read fail). On failure gives false and sets reason:
// the system's text for the error ("Is a directory" for a folder), "Not a regular
// file" for a device, named pipe or socket, which is refused before any read, or
// "File is larger than 256 MB".
bool readWholeFile(const QString &path, QByteArray &bytes, QString &reason);

// How a whole-file write ended.
struct WriteOutcome {
    enum Kind { Written, CannotCreate, WriteFailed };
    Kind kind = Written;
    int errorCode = 0; // the system's code when a file could not be created
    qsizetype file = 0; // which file of a set failed
};

// One file of a set written together: its path and its new bytes.
struct WholeFile {
    QString path;
    QByteArray bytes;
};

// Replaces each file by its bytes, or creates it, all files or none. Every file's
// bytes first go to a temporary file beside it (written and synced to the disk);
// only when all of them are complete are the files replaced by renaming, so each one
// is at any moment either its whole old or its whole new self, and a failure before
// the replacing leaves every old file as it was. Meanwhile each old file is locked
// exclusively. A symbolic link stays and its target gets the new bytes; an existing
// file keeps its permissions. The temporary names are fixed per file, so a save that
// was killed leaves files that the next save of the same file removes.
// CannotCreate: a name longer than the file system allows (checked for every file
// before anything is written), a folder, a read-only file or folder, a missing
// folder, a lock held by another copy; WriteFailed: the bytes could not all be
// written (full disk).
WriteOutcome writeWholeFiles(const QList<WholeFile> &files);

// A set of one file.
inline WriteOutcome writeWholeFile(const QString &path, const QByteArray &bytes)
{
    return writeWholeFiles({WholeFile{path, bytes}});
}

// An advisory lock held while a whole-file read (shared) or write (exclusive) runs,
// so that two running copies of the program honour each other's sharing rules.
class FileLock {
public:
    enum class Mode { Shared, Exclusive };
    // Takes the lock on an open descriptor without waiting; locked() tells whether
    // it was granted.
    FileLock(int fd, Mode mode);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;
    bool locked() const { return locked_; }
    int error() const { return error_; } // errno when not locked

private:
    int fd_;
    bool locked_ = false;
    int error_ = 0;
};

} // namespace quorvel
