#include "reportexport.h"

#include "catalogcolumns.h"
#include "catalogfiles.h"
#include "designreport.h"
#include "epanetexport.h"
#include "error.h"
#include "files.h"
#include "numbers.h"
#include "projectsheet.h"
#include "sheetchecks.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace quorvel {

SiteResult reportSite(const ProjectSheet &sheet, const SheetChecks &checks, const Catalogs &catalogs)
{
    SiteResult result;
    result.site.name = sheet.projectName().isEmpty() ? QCoreApplication::translate("quorvel::ReportExport", "Untitled project") : sheet.projectName();
    for (int row = SiteInputs::firstRow; row <= SiteInputs::lastRow; ++row)
        result.site.inputs[row] = sheet.inputs.cell(valueColumn, row);
    for (int row = SiteResults::firstRow; row <= SiteResults::lastRow; ++row)
        result.results[row] = sheet.results.cell(valueColumn, row);
    result.pump = sheet.results.cell(descriptionColumn, ResultRow::Pump);
    result.pumpCatalogRow = checks.pumpCatalogRow;
    result.pumpModel = catalogs.pumps.cell(PumpColumn::Model, checks.pumpCatalogRow);
    result.pumpPicture = catalogs.pumps.cell(PumpColumn::CurvePicture, checks.pumpCatalogRow);
    result.tank = sheet.results.cell(descriptionColumn, ResultRow::Tanks);
    result.tankCatalogRow = checks.tankCatalogRow;
    // By gravity when the storage lies low enough; else the pump on its rated duty.
    result.gravity = finiteNumber(sheet.results.cell(valueColumn, ResultRow::PumpingHead)).value_or(1) <= 0;
    if (const auto duty = ratedDuty(catalogs.pumps, checks.pumpCatalogRow);
        !result.gravity && duty && duty->flow > 0 && duty->head > 0)
        result.pumpDuty = duty;
    result.designFlow = checks.calculation.designFlow;
    result.insideDiameter = checks.calculation.insideDiameter;
    result.operatingPoint = operatingPointOf(result);
    result.velocity = flowVelocity(result.designFlow, result.insideDiameter);
    result.gradient = checks.calculation.frictionLoss
                    / double(parseNumber(sheet.inputs.cell(valueColumn, InputRow::PipelineLength))) * 1000;
    for (const DesignCheck &check : checks.checks) {
        if (!check.passed)
            result.warnings << check.message;
    }
    return result;
}

void writeDesignReport(const QString &path, const QString &databaseDir, const SiteResult &site)
{
    // Only a PDF file's name: a slip in the dialog must not replace a project or catalog file.
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
        throw Error(QCoreApplication::translate("quorvel::ReportExport", "Cannot create file \"%1\". A design report is a PDF file (.pdf)").arg(absoluteFilePath(path)));
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        throw Error(translatable("quorvel::Files", "Cannot create file \"%1\". %2")
                        .arg(absoluteFilePath(path), systemErrorText(errno != 0 ? errno : EACCES)));
    DesignReport report(file, databaseDir);
    report.addPage(site);
    report.finish();
    // Flushed and checked before the rename, so that a full disk leaves the old file.
    if (!file.flush() || !file.commit())
        throw Error(QCoreApplication::translate("quorvel::ReportExport", "Cannot write file \"%1\". %2").arg(absoluteFilePath(path), file.errorString()));
}

void writeEpanetFile(const QString &path, const SiteResult &site)
{
    // Only an EPANET file's name, for the same reason as the report's.
    if (QFileInfo(path).suffix().compare(QLatin1String("inp"), Qt::CaseInsensitive) != 0)
        throw Error(QCoreApplication::translate("quorvel::ReportExport", "Cannot create file \"%1\". An EPANET network is an .inp file").arg(absoluteFilePath(path)));
    if (!site.gravity && !site.pumpDuty)
        throw Error(QCoreApplication::translate("quorvel::ReportExport", "Cannot create file \"%1\". The pump \"%2\" has no rated flow and head in the pump catalog")
                        .arg(absoluteFilePath(path), site.pump));
    writeEpanetNetwork(networkOf(site), path);
}

} // namespace quorvel
