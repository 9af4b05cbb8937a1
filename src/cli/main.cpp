// quorvel-design: designs many sites from the command line with the main window's
// calculation, checks each design and writes a table, CSV or JSON, and a PDF report.
#include "catalogfiles.h"
#include "commandline.h"
#include "datafolders.h"
#include "designoutput.h"
#include "designreport.h"
#include "designsummary.h"
#include "epanetexport.h"
#include "error.h"
#include "files.h"
#include "knownfolders.h"
#include "language.h"
#include "numbers.h"
#include "reportauthor.h"
#include "showntexts.h"
#include "sitedesign.h"
#include "sitesfile.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

using namespace quorvel;

namespace {

enum ExitStatus { AllDesigned = 0, SomeFailed = 1, BadUsage = 2 };

void printError(const QString &message)
{
    std::fprintf(stderr, "quorvel-design: %s\n", message.toUtf8().constData());
}

// Standard error carries the program's messages only: Qt's own notes (a missing
// runtime folder for the offscreen painter, font look-ups) are not for the user.
void quietQt(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg)
        printError(message);
}

QString databaseFolder(const QString &given)
{
    if (given.isEmpty()) {
        SystemKnownFolders known;
        return DataFolders::resolve(known).databaseDir;
    }
    if (!QFileInfo(given).isDir())
        throw Error(QCoreApplication::translate("quorvel::DesignCommand", "--database %1: no such folder").arg(shownPath(given)));
    return given.endsWith(QLatin1Char('/')) ? given : given + QLatin1Char('/');
}

// The files the command reads, each with what it is.
QList<std::pair<QString, QString>> inputFiles(const Command &command, const QString &databaseDir)
{
    QList<std::pair<QString, QString>> inputs;
    if (!command.sitesPath.isEmpty() && command.sitesPath != QLatin1String("-"))
        inputs.append({command.sitesPath, QCoreApplication::translate("quorvel::DesignCommand", "the sites file")});
    for (const char *file : {Catalogs::pipesFile, Catalogs::pumpsFile, Catalogs::tanksFile, PipeRatings::fileName})
        inputs.append({databaseDir + QLatin1String(file), QCoreApplication::translate("quorvel::DesignCommand", "the catalog %1").arg(QLatin1String(file))});
    if (command.site && !command.site->profile.isEmpty())
        inputs.append({command.site->profile, QCoreApplication::translate("quorvel::DesignCommand", "the profile")});
    return inputs;
}

// Refuses, before anything is read, an output that is an input or the other output.
void refuseOutputOverInput(const Command &command, const QString &databaseDir)
{
    const QList<std::pair<QString, QString>> inputs = inputFiles(command, databaseDir);
    const QList<std::pair<QString, QString>> outputs{{command.outputPath, QStringLiteral("-o")},
                                                     {command.reportPath, QStringLiteral("--report")}};
    for (const auto &[output, option] : outputs) {
        if (output.isEmpty() || output == QLatin1String("-"))
            continue;
        if (QFileInfo(output).isDir())
            throw Error(QCoreApplication::translate("quorvel::DesignCommand", "%1 %2: is a folder; give a file name").arg(option, shownPath(output)));
        for (const auto &[input, what] : inputs) {
            if (sameFile(output, input))
                throw Error(QCoreApplication::translate("quorvel::DesignCommand", "%1 %2 is %3: refusing to write over an input")
                                     .arg(option, shownPath(output), what));
        }
    }
    if (!command.outputPath.isEmpty() && !command.reportPath.isEmpty() && sameFile(command.outputPath, command.reportPath))
        throw Error(QCoreApplication::translate("quorvel::DesignCommand", "-o and --report name the same file %1").arg(shownPath(command.reportPath)));
}

// Who prepared the report (given now, else remembered) and what the checks assumed.
ReportContext reportContext(const Command &command)
{
    ReportAuthor author = ReportAuthor::remembered();
    if (command.preparedBy || command.organisation) {
        author.preparedBy = command.preparedBy.value_or(author.preparedBy);
        author.organisation = command.organisation.value_or(author.organisation);
        author.remember();
    }
    return {author.preparedBy, author.organisation, command.options.velocities,
            command.options.pump.isEmpty() ? command.options.headMargin : 0, !command.site};
}

// Standard output, or a file that replaces the old one only once it is complete: an
// interrupted or failed run leaves the old file whole.
class Output {
public:
    explicit Output(const QString &path)
    {
        if (path.isEmpty() || path == QLatin1String("-")) {
            stdout_.open(stdout, QIODevice::WriteOnly);
            return;
        }
        file_.emplace(path);
        clearSystemError();
        if (!file_->open(QIODevice::WriteOnly))
            throw Error(translatable("quorvel::Files", "Cannot create file \"%1\". %2")
                                 .arg(shownPath(path), systemErrorText(openFailureError())));
    }
    QIODevice &device() { return file_ ? static_cast<QIODevice &>(*file_) : stdout_; }
    QFileDevice &file() { return *file_; }
    void commit()
    {
        if (!file_) {
            stdout_.flush();
            return;
        }
        // Flushed and checked before the rename, so that a full disk leaves the old file.
        if (!file_->flush() || !file_->commit())
            throw Error(QCoreApplication::translate("quorvel::Files", "Stream write error"));
    }

private:
    QFile stdout_;
    std::optional<QSaveFile> file_;
};

// Designs the sites and writes every output; raises Error when nothing can be
// designed or an output cannot be written.
int run(const Command &command)
{
    if (!command.helpText.isEmpty()) {
        std::fputs(command.helpText.toUtf8().constData(), stdout);
        return AllDesigned;
    }
    const QString databaseDir = databaseFolder(command.databaseDir);
    refuseOutputOverInput(command, databaseDir);

    SitesFile sites;
    if (!command.site)
        sites.load(command.sitesPath, command.headerless);

    // Catalogs that cannot be read are a setup fault: said once, nothing written.
    Catalogs catalogs;
    catalogs.load(databaseDir);
    DesignOptions options = command.options;
    options.checkTexts = !command.reportPath.isEmpty(); // the report lists every check
    options.ratings = PipeRatings::load(databaseDir);
    const SiteDesigner designer(catalogs, options);
    for (const QString &notice : sites.notices() + designer.catalogDefects())
        printError(notice);

    Output output(command.outputPath);
    const auto writer = ResultWriter::create(command.format, output.device(), command.summary);
    std::optional<Output> reportFile;
    std::optional<DesignReport> report;
    if (!command.reportPath.isEmpty()) {
        reportFile.emplace(command.reportPath);
        report.emplace(reportFile->file(), reportContext(command));
    }

    // The networks go beside whatever the folder holds, never over an input or output.
    std::optional<EpanetExport> networks;
    if (!command.epanetDir.isEmpty()) {
        QStringList kept{command.outputPath, command.reportPath};
        for (const auto &input : inputFiles(command, databaseDir))
            kept << input.first;
        kept.removeAll(QString());
        networks.emplace(command.epanetDir, kept);
    }

    bool someFailed = false;
    DesignSummary summary;
    const QString sitesName = command.site ? QStringLiteral("--site") : sites.displayName();
    const auto designOne = [&](const Site &site) {
        const SiteResult result = designer.design(site);
        if (result.stopped())
            printError(result.errorColumn.isEmpty()
                           ? QCoreApplication::translate("quorvel::DesignCommand", "%1 line %2: %3")
                                 .arg(sitesName).arg(site.line).arg(result.error.shown)
                           : QCoreApplication::translate("quorvel::DesignCommand", "%1 line %2, %3: %4")
                                 .arg(sitesName).arg(site.line).arg(shownSheetText(result.errorColumn), result.error.shown));
        for (const TranslatableText &failure : result.failures)
            printError(QCoreApplication::translate("quorvel::DesignCommand", "%1 line %2: not designed: %3")
                           .arg(sitesName).arg(site.line).arg(failure.shown));
        someFailed = someFailed || result.failed();
        writer->write(result);
        if (networks && networks->write(result).isEmpty() && !result.failed())
            printError(QCoreApplication::translate("quorvel::DesignCommand", "%1 line %2: no pump with a rated flow and head, so no EPANET network")
                           .arg(sitesName).arg(site.line));
        if (report)
            report->addPage(result);
        summary.add(result);
    };
    if (command.site) {
        designOne(*command.site);
    } else {
        for (int i = 0; i < sites.siteCount(); ++i)
            designOne(sites.site(i));
    }
    writer->finish(command.summary ? &summary : nullptr);
    if (report) {
        if (command.summary)
            report->addSummaryPage(summary);
        report->finish();
    }
    // Both outputs complete before either replaces its old file.
    output.commit();
    if (reportFile)
        reportFile->commit();
    return someFailed ? SomeFailed : AllDesigned;
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(quietQt);
    useBinaryStandardOutput();
    // Only the report draws (offscreen: this program never shows a window); the rest
    // needs no GUI, which keeps start-up short and the output free of GUI messages.
    std::unique_ptr<QCoreApplication> application;
    const bool report = std::any_of(argv + 1, argv + argc, [](const char *argument) {
        return std::strcmp(argument, "--report") == 0 || std::strncmp(argument, "--report=", 9) == 0;
    });
    if (report) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    // --language CODE, else the user's locale. Only what people read is translated: the
    // CSV, JSON and network files stay English.
    installTranslations(*application, chooseProgramLanguage(QCoreApplication::arguments()));
    // Numbers are read with a point whatever the regional settings, options included.
    setDecimalSeparator(u'.');
    // A wrong command line, unusable input or catalogs, or an output that cannot be
    // written: said once, and nothing is designed.
    try {
        return run(parseCommandLine(QCoreApplication::arguments()));
    } catch (const Error &e) {
        printError(e.shownMessage());
        return BadUsage;
    } catch (const std::exception &e) {
        printError(QString::fromLocal8Bit(e.what()));
        return BadUsage;
    }
}
