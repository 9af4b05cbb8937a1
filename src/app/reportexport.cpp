#include "reportexport.h"

#include "catalogcolumns.h"
#include "catalogfiles.h"
#include "designreport.h"
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
    result.pumpCatalogRow = checks.pumpRow;
    result.pumpModel = catalogs.pumps.cell(PumpColumn::Model, checks.pumpRow);
    result.pumpPicture = catalogs.pumps.cell(PumpColumn::CurvePicture, checks.pumpRow);
    result.tank = sheet.results.cell(descriptionColumn, ResultRow::Tanks);
    result.tankCatalogRow = checks.tankRow;
    result.designFlow = checks.calculation.designFlow;
    result.insideDiameter = checks.calculation.insideDiameter;
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

} // namespace quorvel
