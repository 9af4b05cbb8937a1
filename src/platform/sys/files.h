#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace quorvel {

// The system's codes below are errno values on Linux and Win32 error codes (GetLastError)
// on Windows; files_linux.cpp and files_windows.cpp hold what differs.

// The system's text for an error code (strerror, FormatMessageW), trimmed.
QString systemErrorText(int errorCode);

// The text without trailing blanks, line breaks and full stops.
QString trimmedSystemText(QString text);

// Before a Qt file device is opened: forgets the last system error.
void clearSystemError();

// After a Qt file device failed to open: the system's code for why, or the code for
// "access denied" when the system left none.
int openFailureError();

// The path made absolute against the current folder.
QString absoluteFilePath(const QString &path);

// The path as messages show it: absolute, with the system's folder separator.
QString shownPath(const QString &path);

// Standard output passes the bytes on unchanged (Windows' C runtime would write "\n"
// as "\r\n"), so that a redirected table, CSV or JSON has the same bytes everywhere.
void useBinaryStandardOutput();

// True when the path names an existing file; folders do not count.
bool fileExists(const QString &path);

// Removes a file; false when there was none or it could not be removed.
bool removeFile(const QString &path);

// 0 when the existing path may be written, else the system's code (EACCES for a
// read-only file, EROFS on a read-only file system; ERROR_ACCESS_DENIED).
int writeAccessError(const QString &path);

// Both names lead to the same file (hard links and symbolic links included), or, when
// either does not exist, to the same place (on Windows in any case of letters).
bool sameFile(const QString &a, const QString &b);

// Copies a file, replacing an existing target. Copying a file onto itself fails.
bool copyFileOverwrite(const QString &from, const QString &to);

// The largest file the program reads whole: catalogs, projects and pictures are far
// smaller, and a bound keeps a wrong file (a huge one, a link to a device) from
// exhausting memory.
constexpr qint64 largestReadableFile = 256LL * 1024 * 1024;

// Reads a whole existing regular file into bytes, sharing it with readers only (others
// may read it, a running writer makes the read fail, and on Windows no other program
// can write it meanwhile). On failure gives false and sets reason: the system's text
// for the error ("Is a directory" for a folder on Linux, "Access is denied" on
// Windows), "Not a regular file" for a device, named pipe or socket, which is refused
// before any read, or "File is larger than 256 MB".
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
// the replacing leaves every old file as it was. Meanwhile each old file is shared
// with no one (an exclusive lock on Linux, share mode 0 on Windows). A symbolic link
// stays and its target gets the new bytes; an existing file keeps its permissions. The temporary names are fixed per file, so a save that
// was killed leaves files that the next save of the same file removes.
// CannotCreate: a name longer than the file system allows (checked for every file
// before anything is written), a folder, a read-only file or folder, a missing
// folder, the file in use by another copy (or on Windows any program); WriteFailed: the bytes could not all be
// written (full disk).
WriteOutcome writeWholeFiles(const QList<WholeFile> &files);

// A set of one file.
inline WriteOutcome writeWholeFile(const QString &path, const QByteArray &bytes)
{
    return writeWholeFiles({WholeFile{path, bytes}});
}

} // namespace quorvel
