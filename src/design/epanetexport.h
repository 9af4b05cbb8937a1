#pragma once

#include "epanetnetwork.h"
#include "sitedesign.h"

#include <QSet>
#include <QString>
#include <QStringList>

namespace quorvel {

// The network of a designed site, from its inputs and the designer's results.
NetworkDesign networkOf(const SiteResult &result);

// A file name from a site name: letters, digits, "-", "_" and "." kept, every other
// run of characters one "_", never empty nor hidden.
QString safeFileName(const QString &siteName);

// Writes designed sites as EPANET networks into a folder, one .inp a site, each under
// a name of its own (case aside) that is none of the protected files.
class EpanetExport {
public:
    // Creates the folder when missing; raises Error when it cannot, or when the path
    // names a file.
    EpanetExport(const QString &folder, const QStringList &protectedPaths);
    // Writes the site's network and returns its path. A failed site, or one that
    // needs a pump and has none with a rated flow and head, writes nothing and gives
    // the empty text. Raises the file errors of the write.
    QString write(const SiteResult &result);

private:
    QString uniquePath(const QString &siteName);

    QString folder_;
    QStringList protected_;
    QSet<QString> used_; // lower-case file names given so far
};

} // namespace quorvel
