#include "epanetexport.h"

#include "error.h"
#include "files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace quorvel {

NetworkDesign networkOf(const SiteResult &r)
{
    const DesignRecord &design = r.design;
    NetworkDesign d;
    d.siteName = r.site.name;
    d.sourceElevation = double(design.inputs.sourceElevation);
    d.storageElevation = double(design.inputs.storageElevation);
    d.pipelineLength = double(design.inputs.pipelineLength);
    d.insideDiameter = design.insideDiameter;
    d.nominalDiameter = design.nominalDiameter;
    d.dailyDemand = design.inputs.dailyDemand();
    d.pumpingHours = double(design.inputs.pumpingHours);
    d.actualStorage = double(design.results.actualStorage);
    d.pump = r.pumpDuty;
    d.pumpDescription = r.pump;
    return d;
}

QString safeFileName(const QString &siteName)
{
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9._-]+"));
    QString name = siteName.normalized(QString::NormalizationForm_KD);
    name.replace(unsafe, QStringLiteral("_"));
    // No hidden file, no "." or "..", no name that reads as an option.
    while (!name.isEmpty() && (name.front() == u'.' || name.front() == u'-' || name.front() == u'_'))
        name.remove(0, 1);
    while (name.endsWith(u'_') || name.endsWith(u'.'))
        name.chop(1);
    return name.isEmpty() ? QStringLiteral("site") : name.left(100);
}

EpanetExport::EpanetExport(const QString &folder, const QStringList &protectedPaths)
    : folder_(folder), protected_(protectedPaths)
{
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir())
        throw Error(QCoreApplication::translate("quorvel::EpanetExport", "--epanet %1: is a file; give a folder").arg(shownPath(folder)));
    if (!info.exists() && !QDir().mkpath(folder))
        throw Error(QCoreApplication::translate("quorvel::EpanetExport", "--epanet %1: cannot create the folder").arg(shownPath(folder)));
}

QString EpanetExport::uniquePath(const QString &siteName)
{
    const QString base = safeFileName(siteName);
    for (int n = 1;; ++n) {
        const QString name = (n == 1 ? base : QStringLiteral("%1-%2").arg(base).arg(n)) + QStringLiteral(".inp");
        const QString path = QDir(folder_).filePath(name);
        if (used_.contains(name.toLower())
            || std::any_of(protected_.begin(), protected_.end(), [&path](const QString &p) { return sameFile(p, path); }))
            continue;
        used_.insert(name.toLower());
        return path;
    }
}

QString EpanetExport::write(const SiteResult &result)
{
    if (result.failed() || (!result.gravity && !result.pumpDuty))
        return {};
    const QString path = uniquePath(result.site.name);
    writeEpanetNetwork(networkOf(result), path);
    return path;
}

} // namespace quorvel
