#pragma once

#include "knownfolders.h"

#include <QString>
#include <QStringList>

namespace quorvel {

// Known folders with fixed answers; an empty answer stands for a failed query.
// Records the order of the queries.
class FakeKnownFolders : public KnownFolders {
public:
    QString common, personal, pictures;
    QStringList queries;

    FakeKnownFolders() = default;
    FakeKnownFolders(QString commonDocs, QString personalDocs, QString myPics)
        : common(std::move(commonDocs)), personal(std::move(personalDocs)), pictures(std::move(myPics)) {}

    QString commonDocuments() override { queries << QStringLiteral("common"); return common; }
    QString personalDocuments() override { queries << QStringLiteral("personal"); return personal; }
    QString myPictures() override { queries << QStringLiteral("pictures"); return pictures; }
};

} // namespace quorvel
