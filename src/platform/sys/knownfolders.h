#pragma once

#include <QString>

namespace quorvel {

// The platform's known folders. Each query gives the folder's current path without
// creating it, or the empty text when the query fails.
class KnownFolders {
public:
    virtual ~KnownFolders() = default;
    virtual QString commonDocuments() = 0;   // shared by all users
    virtual QString personalDocuments() = 0; // the user's documents
    virtual QString myPictures() = 0;        // the user's pictures
};

// The system's own: on Linux the XDG data home, documents and pictures locations; on
// Windows Public Documents, the user's Documents and Pictures.
class SystemKnownFolders : public KnownFolders {
public:
    QString commonDocuments() override;
    QString personalDocuments() override;
    QString myPictures() override;
};

} // namespace quorvel
