// Whole-file reading and writing with the Win32 calls: files are shared through the
// share modes of CreateFileW, which every Windows program honours (a read denies
// writers, a write denies everyone), and a save replaces the old file only once the
// new bytes are on the disk.
#include "files.h"
#include "wholefiles.h"
#include "winpath.h"

#include <QCryptographicHash>
#include <QFileInfo>


#include <windows.h>

namespace quorvel {

namespace {

// A handle closed on every path.
class Handle {
public:
    Handle() = default;
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle() { reset(); }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;
    HANDLE get() const { return h_; }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
    void reset(HANDLE h = INVALID_HANDLE_VALUE)
    {
        if (h_ != INVALID_HANDLE_VALUE)
            CloseHandle(h_);
        h_ = h;
    }

private:
    HANDLE h_ = INVALID_HANDLE_VALUE;
};

HANDLE openFile(const std::wstring &path, DWORD access, DWORD share, DWORD disposition)
{
    return CreateFileW(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool writeAll(HANDLE file, const QByteArray &bytes)
{
    const char *p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const DWORD chunk = DWORD(qMin<qsizetype>(left, 1 << 30));
        DWORD written = 0;
        if (!WriteFile(file, p, chunk, &written, nullptr) || written == 0)
            return false;
        p += written;
        left -= written;
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
    // Shared with readers only: a running writer makes the open fail, and nobody can
    // write the file while it is read.
    const Handle file(openFile(win32Path(path), GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING));
    if (!file.valid())
        return fail(systemErrorText(int(GetLastError())));
    // Consoles, printers and pipes open like files.
    if (GetFileType(file.get()) != FILE_TYPE_DISK)
        return fail(notRegularReason());
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size))
        return fail(systemErrorText(int(GetLastError())));
    if (size.QuadPart > largestReadableFile)
        return fail(tooLargeReason());

    QByteArray data;
    data.reserve(qsizetype(size.QuadPart));
    char buffer[64 * 1024];
    for (;;) {
        DWORD n = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &n, nullptr))
            return fail(systemErrorText(int(GetLastError())));
        if (n == 0)
            break;
        if (data.size() + qsizetype(n) > largestReadableFile)
            return fail(tooLargeReason());
        data.append(buffer, qsizetype(n));
    }
    bytes = std::move(data);
    return true;
}

namespace {

// The longest name NTFS and FAT take, in UTF-16 code units.
constexpr qsizetype longestName = 255;

// The temporary file's name for a target name: fixed, so that the next save finds what
// a killed one left. A name too long to carry the suffix is replaced by its hash.
QString temporaryName(const QString &name)
{
    const QString plain = QLatin1Char('.') + name + QLatin1String(".quorvel-save");
    if (plain.size() <= longestName)
        return plain;
    return QLatin1String(".quorvel-save-")
        + QString::fromLatin1(QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

// One file of a set on its way: the file replaced (links followed), its temporary
// file, and the handles that keep both from every other program until the set is
// done. The temporary file is removed unless it replaced the target.
class StagedFile {
public:
    StagedFile() = default;
    StagedFile(const StagedFile &) = delete;
    StagedFile &operator=(const StagedFile &) = delete;
    ~StagedFile()
    {
        temp_.reset();
        if (created_)
            DeleteFileW(temporary_.c_str());
    }

    // Checks the path without touching anything; 0 or the system's error code.
    int check(const QString &path)
    {
        if (path.isEmpty())
            return int(ERROR_PATH_NOT_FOUND);
        QFileInfo info(absoluteFilePath(path));
        if (info.fileName().size() > longestName)
            return int(ERROR_FILENAME_EXCED_RANGE);
        // As a save through a link should, the link stays and its target is replaced.
        for (int depth = 0; info.isSymbolicLink(); ++depth) {
            if (depth == 40)
                return int(ERROR_CANT_RESOLVE_FILENAME);
            info.setFile(info.symLinkTarget());
        }
        if (info.isDir())
            return int(ERROR_ACCESS_DENIED);
        exists_ = info.exists();
        if (exists_) {
            if (const int errorCode = writeAccessError(info.filePath()))
                return errorCode;
        }
        target_ = win32Path(info.filePath());
        temporary_ = win32Path(info.path() + QLatin1Char('/') + temporaryName(info.fileName()));
        return temporary_.size() >= 32767 ? int(ERROR_FILENAME_EXCED_RANGE) : 0;
    }

    // Takes the old file from every other program and writes the bytes to the
    // temporary file.
    WriteOutcome stage(const QByteArray &bytes)
    {
        const auto cannotCreate = [](DWORD errorCode) { return WriteOutcome{WriteOutcome::CannotCreate, int(errorCode)}; };

        // Share mode 0: a running read or write of the old file, by this program or
        // any other, makes the save fail, and none can start until it is done.
        if (exists_) {
            old_.reset(openFile(target_, GENERIC_READ, 0, OPEN_EXISTING));
            if (!old_.valid() && GetLastError() == ERROR_SHARING_VIOLATION)
                return cannotCreate(ERROR_SHARING_VIOLATION);
        }

        // What an earlier save left goes, unless another copy is writing it right now.
        if (!DeleteFileW(temporary_.c_str()) && GetLastError() == ERROR_SHARING_VIOLATION)
            return cannotCreate(ERROR_SHARING_VIOLATION);
        temp_.reset(openFile(temporary_, GENERIC_WRITE, 0, CREATE_NEW));
        if (!temp_.valid())
            return cannotCreate(GetLastError());
        created_ = true;

        if (!writeAll(temp_.get(), bytes) || !FlushFileBuffers(temp_.get()))
            return WriteOutcome{WriteOutcome::WriteFailed, 0};
        return WriteOutcome{};
    }

    // Puts the temporary file in place of the target; 0 or the system's error code.
    int replace()
    {
        // Neither file can be replaced while open here.
        temp_.reset();
        old_.reset();
        // ReplaceFileW keeps the old file's attributes and access rights; a new file
        // simply takes the temporary one's name.
        bool replaced = exists_
            ? ReplaceFileW(target_.c_str(), temporary_.c_str(), nullptr, REPLACEFILE_WRITE_THROUGH, nullptr, nullptr)
            : MoveFileExW(temporary_.c_str(), target_.c_str(), MOVEFILE_WRITE_THROUGH);
        const DWORD error = replaced ? ERROR_SUCCESS : GetLastError();
        // ReplaceFileW may fail after it took the old file away: then the new one is put
        // in its place, so that the name holds one or the other.
        if (!replaced && (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT || error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2))
            replaced = MoveFileExW(temporary_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        if (!replaced)
            return int(error);
        created_ = false;
        return 0;
    }

    // REPLACEFILE_WRITE_THROUGH and MOVEFILE_WRITE_THROUGH waited for the disk.
    bool settled() const { return true; }

private:
    std::wstring target_;
    std::wstring temporary_;
    bool exists_ = false;
    bool created_ = false;
    Handle old_;
    Handle temp_;
};

} // namespace

WriteOutcome writeWholeFiles(const QList<WholeFile> &files)
{
    return writeStagedFiles<StagedFile>(files);
}

} // namespace quorvel
