#pragma once

#include <QString>

namespace quorvel {

// Who prepares the design reports: the engineer and the organisation, remembered in
// the user's settings between runs of the window and the command.
struct ReportAuthor {
    QString preparedBy;
    QString organisation;

    static ReportAuthor remembered();
    void remember() const;
};

} // namespace quorvel
