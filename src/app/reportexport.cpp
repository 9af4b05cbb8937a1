#include "reportexport.h"

#include "catalogcolumns.h"
#include "catalogfiles.h"
#include "designreport.h"
#include "epanetexport.h"
#include "error.h"
#include "files.h"
#include "reportauthor.h"
#include "showntexts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>


namespace quorvel {

SiteResult reportSite(const QString &projectName, const InputTexts &inputs, const DesignRecord &design,
                      const DesignAssessment &assessment, const Catalogs &catalogs)
{
    SiteResult result;
    result.site.name = projectName.isEmpty() ? QCoreApplication::translate("quorvel::ReportExport", "Untitled project") : projectName;
    result.site.inputs = inputs;
    result.design = design;
    result.results = resultTexts(design);
    const qint32 pumpRow = design.pumpCatalogRow;
    result.pump = pumpDescription(catalogs.pumps, pumpRow);
    result.pumpModel = catalogs.pumps.cell(PumpColumn::Model, pumpRow);
    result.tank = tankDescription(catalogs.tanks, design.tankCatalogRow);
    // By gravity when the storage lies low enough (no pump curve, whatever pump was
    // picked); else the pump on its rated duty.
    result.gravity = assessment.gravity;
    if (const auto &duty = assessment.pumpDuty; !result.gravity && duty && duty->flow > 0 && duty->head > 0)
        result.pumpDuty = duty;
    if (result.gravity || result.pumpDuty)
        result.operatingPoint = assessment.operatingPoint;
    result.warnings = assessment.messages(CheckOutcome::Warning);
    result.failures = assessment.messages(CheckOutcome::Fail);
    result.checks = assessment.checks;
    if (const TranslatableText hours = operatingHoursNote(result); !hours.isEmpty())
        result.notes << hours;
    return result;
}

void writeDesignReport(const QString &path, const SiteResult &site, const ReportAuthor &author)
{
    // Only a PDF file's name: a slip in the dialog must not replace a project or catalog file.
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
        throw Error(QCoreApplication::translate("quorvel::ReportExport", "Cannot create file \"%1\". A design report is a PDF file (.pdf)").arg(shownPath(path)));
    QSaveFile file(path);
    clearSystemError();
    if (!file.open(QIODevice::WriteOnly))
        throw Error(translatable("quorvel::Files", "Cannot create file \"%1\". %2")
                        .arg(shownPath(path), systemErrorText(openFailureError())));
    // The window's checks hold the standard velocities; the engineer picked the pump.
    DesignReport report(file, ReportContext{author.preparedBy, author.organisation, VelocityRange{}, 0, false});
    report.addPage(site);
    report.finish();
    // Flushed and checked before the rename, so that a full disk leaves the old file.
    if (!file.flush() || !file.commit())
        throw Error(QCoreApplication::translate("quorvel::ReportExport", "Cannot write file \"%1\". %2").arg(shownPath(path), file.errorString()));
}

void writeEpanetFile(const QString &path, const SiteResult &site)
{
    // Only an EPANET file's name, for the same reason as the report's.
    if (QFileInfo(path).suffix().compare(QLatin1String("inp"), Qt::CaseInsensitive) != 0)
        throw Error(QCoreApplication::translate("quorvel::ReportExport", "Cannot create file \"%1\". An EPANET network is an .inp file").arg(shownPath(path)));
    if (!site.gravity && !site.pumpDuty)
        throw Error(QCoreApplication::translate("quorvel::ReportExport", "Cannot create file \"%1\". The pump \"%2\" has no rated flow and head in the pump catalog")
                        .arg(shownPath(path), shownSheetText(site.pump)));
    writeEpanetNetwork(networkOf(site), path);
}

} // namespace quorvel
