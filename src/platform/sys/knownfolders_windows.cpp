#include "knownfolders.h"

#include <QDir>

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

namespace quorvel {

namespace {

// The folder's current path, with the program's "/" separators, without creating it;
// the empty text when the query fails.
QString knownFolder(REFKNOWNFOLDERID id)
{
    PWSTR path = nullptr;
    const HRESULT result = SHGetKnownFolderPath(id, KF_FLAG_DONT_VERIFY, nullptr, &path);
    const QString folder = SUCCEEDED(result) ? QDir::fromNativeSeparators(QString::fromWCharArray(path)) : QString();
    CoTaskMemFree(path); // also after a failure
    return folder;
}

} // namespace

QString SystemKnownFolders::commonDocuments()
{
    return knownFolder(FOLDERID_PublicDocuments);
}

QString SystemKnownFolders::personalDocuments()
{
    return knownFolder(FOLDERID_Documents);
}

QString SystemKnownFolders::myPictures()
{
    return knownFolder(FOLDERID_Pictures);
}

} // namespace quorvel
