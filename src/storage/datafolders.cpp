#include "datafolders.h"

#include "knownfolders.h"

namespace quorvel {

DataFolders DataFolders::resolve(KnownFolders &folders)
{
    DataFolders resolved;
    resolved.databaseDir = folders.commonDocuments() + QStringLiteral("/Pellmarsh/Quorvel/Database/");
    resolved.projectsDir = folders.personalDocuments() + QStringLiteral("/Pellmarsh/Quorvel/Projects/");
    resolved.picturesDir = folders.myPictures();
    return resolved;
}

} // namespace quorvel
