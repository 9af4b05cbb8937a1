#include "reportauthor.h"

#include <QSettings>

namespace quorvel {

namespace {

const QString preparedByKey = QStringLiteral("report/preparedBy");
const QString organisationKey = QStringLiteral("report/organisation");

} // namespace

ReportAuthor ReportAuthor::remembered()
{
    const QSettings s(QStringLiteral("Pellmarsh"), QStringLiteral("Quorvel"));
    return {s.value(preparedByKey).toString(), s.value(organisationKey).toString()};
}

void ReportAuthor::remember() const
{
    QSettings s(QStringLiteral("Pellmarsh"), QStringLiteral("Quorvel"));
    s.setValue(preparedByKey, preparedBy);
    s.setValue(organisationKey, organisation);
}

} // namespace quorvel
