#include "files.h"
#include "winpath.h"

#include <QDir>

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace quorvel {

QString systemErrorText(int errorCode)
{
    // The system's own language, as strerror gives it on Linux.
    wchar_t *buffer = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                            | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, DWORD(errorCode), 0, reinterpret_cast<wchar_t *>(&buffer), 0,
                                        nullptr);
    if (length == 0)
        return QStringLiteral("Unknown error %1").arg(errorCode); // as glibc words it
    const QString text = QString::fromWCharArray(buffer, int(length));
    LocalFree(buffer);
    return trimmedSystemText(text);
}

void useBinaryStandardOutput()
{
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
}

void clearSystemError()
{
    SetLastError(ERROR_SUCCESS);
}

int openFailureError()
{
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? int(error) : int(ERROR_ACCESS_DENIED);
}

int writeAccessError(const QString &path)
{
    const DWORD attributes = GetFileAttributesW(win32Path(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return int(GetLastError());
    return (attributes & FILE_ATTRIBUTE_READONLY) && !(attributes & FILE_ATTRIBUTE_DIRECTORY)
        ? int(ERROR_ACCESS_DENIED)
        : 0;
}

namespace {

// The volume and file index that name a file whatever path or link leads to it.
bool fileIdentity(const QString &path, BY_HANDLE_FILE_INFORMATION &info)
{
    // Opened for no access, shared with everyone, folders included: only to ask.
    const HANDLE file = CreateFileW(win32Path(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool known = GetFileInformationByHandle(file, &info);
    CloseHandle(file);
    return known;
}

} // namespace

bool sameFile(const QString &a, const QString &b)
{
    BY_HANDLE_FILE_INFORMATION ia, ib;
    if (fileIdentity(a, ia) && fileIdentity(b, ib))
        return ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber && ia.nFileIndexHigh == ib.nFileIndexHigh
            && ia.nFileIndexLow == ib.nFileIndexLow;
    // Windows' names are the same in any case of letters.
    return absoluteFilePath(a).compare(absoluteFilePath(b), Qt::CaseInsensitive) == 0;
}

std::wstring win32Path(const QString &path)
{
    if (path.isEmpty())
        return {}; // names no file, as on Linux, rather than the current folder
    QString native = QDir::toNativeSeparators(absoluteFilePath(path));
    // Beyond MAX_PATH only the "\\?\" form reaches the file.
    if (native.size() >= MAX_PATH) {
        if (native.startsWith(QLatin1String("\\\\")))
            native = QStringLiteral("\\\\?\\UNC\\") + native.mid(2);
        else
            native.prepend(QStringLiteral("\\\\?\\"));
    }
    return native.toStdWString();
}

} // namespace quorvel
