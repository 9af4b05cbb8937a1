#include "knownfolders.h"

#include <QStandardPaths>

namespace quorvel {

// The Linux stand-ins for the three known folders. writableLocation() neither
// creates the folder nor fails loudly: an empty result is passed on as the failed
// query's empty text.
QString SystemKnownFolders::commonDocuments()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString SystemKnownFolders::personalDocuments()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString SystemKnownFolders::myPictures()
{
    return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
}

} // namespace quorvel
