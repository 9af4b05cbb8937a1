#include "datafolders.h"

#include "platform/sys/knownfolders.h"

void resolveDataFolders(KnownFolders &folders)
{
    databaseDir = folders.commonDocuments() + QStringLiteral("/Pellmarsh/Quorvel/Database/");
    projectsDir = folders.personalDocuments() + QStringLiteral("/Pellmarsh/Quorvel/Projects/");
    picturesDir = folders.myPictures();
}
