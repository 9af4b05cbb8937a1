// quorvel-design: designs many sites from the command line with the main window's
// calculation, checks each design and writes a table, CSV or JSON, and a PDF report.
#include "catalogfiles.h"
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
#include "sitedesign.h"
#include "sitesfile.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

using namespace quorvel;

namespace {

enum ExitStatus { AllDesigned = 0, SomeFailed = 1, BadUsage = 2 };

// Thrown for a wrong command line, unusable input or catalogs, or an output that
// cannot be written: nothing is designed.
struct UsageError {
    QString message;
};

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

struct Command {
    QString sitesPath;      // empty with --site
    std::optional<Site> site;
    bool headerless = false;
    QString databaseDir;
    DesignOptions options;
    ResultWriter::Format format = ResultWriter::Format::Table;
    QString outputPath;     // empty or "-": standard output
    QString reportPath;
    QString epanetDir;      // empty: no networks
    bool summary = false;
};

double finiteNumber(const QString &text, bool &ok)
{
    const double value = text.trimmed().toDouble(&ok);
    ok = ok && std::isfinite(value);
    return value;
}

std::pair<double, double> velocityRange(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    bool okMin = false, okMax = false;
    const double min = finiteNumber(parts.value(0), okMin);
    const double max = finiteNumber(parts.value(1), okMax);
    if (parts.size() != 2 || !okMin || !okMax || min < 0 || max <= min)
        throw UsageError{QCoreApplication::translate("quorvel::DesignCommand", "--velocity takes MIN,MAX in m/s, finite and MIN below MAX, e.g. 0.5,2.0 (got %1)").arg(text)};
    return {min, max};
}

// A named pump or tank: the option given empty names nothing, which is a mistake,
// not a wish for the automatic choice.
QString named(const QCommandLineParser &parser, const QString &option, const QString &what)
{
    const QString value = parser.value(option);
    if (parser.isSet(option) && value.trimmed().isEmpty())
        throw UsageError{QCoreApplication::translate("quorvel::DesignCommand",
                                                     "--%1 needs a %2; leave the option out for the automatic choice")
                             .arg(option, what)};
    return value;
}

Command parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("quorvel::DesignCommand",
        "Designs emergency water supplies, one site a line of SITES.csv, with the catalogs of the database folder.\n"
        "The first line names the columns, in any order: Site, L (pipeline length m), Zw (source elevation m),\n"
        "Zt (storage elevation m), P (population), T (pumping hours h/day), U (daily usage L/capita/day),\n"
        "K (people per tap); long captions, units in brackets and semicolon files with decimal commas are read too.\n"
        "Exit status: 0 all sites designed, 1 some failed, 2 bad usage, unreadable input or catalogs, or an\n"
        "output that cannot be written."));
    // Each option: its names, what it does, and the name of its value if it takes one.
    struct OptionText {
        const char *names; // comma-separated
        const char *description;
        const char *value;
    };
    static const OptionText options[] = {
        {"h,help", QT_TRANSLATE_NOOP("quorvel::DesignCommand", "Shows this help."), nullptr},
        {"site", QT_TRANSLATE_NOOP("quorvel::DesignCommand", "Designs one site instead of a file."), "L,Zw,Zt,P,T,U,K"},
        {"name", QT_TRANSLATE_NOOP("quorvel::DesignCommand", "The name of the --site."), "NAME"},
        {"no-header", QT_TRANSLATE_NOOP("quorvel::DesignCommand", "SITES.csv has no caption line: its columns are Site,L,Zw,Zt,P,T,U,K in this order."),
         nullptr},
        {"database",
         QT_TRANSLATE_NOOP("quorvel::DesignCommand", "The folder of pipes.csv, pumps.csv and storage.csv (default: the program's database folder)."),
         "DIR"},
        {"pump",
         QT_TRANSLATE_NOOP("quorvel::DesignCommand", "The pump for every site, by row or model, in any case (default: the least rated power among "
                     "the pumps that reach the design flow and the pumping head plus the head margin)."),
         "ROW|MODEL"},
        {"head-margin",
         QT_TRANSLATE_NOOP("quorvel::DesignCommand", "How far beyond the pumping head an automatically chosen pump's rated head must reach, in "
                     "percent (default 10)."),
         "PERCENT"},
        {"tank",
         QT_TRANSLATE_NOOP("quorvel::DesignCommand", "The tank type, by row or type, in any case (default: the type that holds the storage with the "
                     "fewest tanks)."),
         "ROW|TYPE"},
        {"velocity", QT_TRANSLATE_NOOP("quorvel::DesignCommand", "Flow velocities outside this range are warned about (default 0.5,2.0)."), "MIN,MAX"},
        {"csv", QT_TRANSLATE_NOOP("quorvel::DesignCommand", "Writes CSV instead of a table."), nullptr},
        {"json", QT_TRANSLATE_NOOP("quorvel::DesignCommand", "Writes JSON instead of a table."), nullptr},
        {"o,output", QT_TRANSLATE_NOOP("quorvel::DesignCommand", "Writes to FILE (- standard output), replacing it only when complete."), "FILE"},
        {"report", QT_TRANSLATE_NOOP("quorvel::DesignCommand", "Writes a PDF report, a page a site."), "FILE.pdf"},
        {"epanet",
         QT_TRANSLATE_NOOP("quorvel::DesignCommand", "Writes each designed site as an EPANET network, DIR/<site>.inp, to run in EPANET: the pump "
                     "on its rated-point curve, the pipeline, the tank and the day's demand over 24 hours."),
         "DIR"},
        {"summary",
         QT_TRANSLATE_NOOP("quorvel::DesignCommand", "Adds the bill of quantities: pumps, tanks, tapstand kits, pipe metres, people and daily "
                     "demand."),
         nullptr},
        {"language",
         QT_TRANSLATE_NOOP("quorvel::DesignCommand", "The language of the messages, the table and the report: en, fr, es, pt or ar (default: the "
                     "user's locale). CSV, JSON and network files are English in every language."),
         "CODE"},
    };
    for (const OptionText &option : options)
        parser.addOption(QCommandLineOption(QString::fromLatin1(option.names).split(QLatin1Char(',')),
                                            QCoreApplication::translate("quorvel::DesignCommand", option.description),
                                            option.value ? QString::fromLatin1(option.value) : QString()));
    parser.addPositionalArgument(QStringLiteral("SITES.csv"), QCoreApplication::translate("quorvel::DesignCommand", "The sites; - reads standard input."));

    if (!parser.parse(arguments))
        throw UsageError{parser.errorText()};
    const auto isSet = [&parser](const char *option) { return parser.isSet(QLatin1String(option)); };
    const auto value = [&parser](const char *option) { return parser.value(QLatin1String(option)); };
    if (isSet("help")) {
        std::fputs(parser.helpText().toUtf8().constData(), stdout);
        std::exit(AllDesigned);
    }

    Command command;
    const QStringList positional = parser.positionalArguments();
    if (isSet("site")) {
        if (!positional.isEmpty())
            throw UsageError{QCoreApplication::translate("quorvel::DesignCommand", "give either SITES.csv or --site, not both")};
        const QStringList inputs = value("site").split(QLatin1Char(','));
        if (inputs.size() != SiteInputs::lastRow)
            throw UsageError{QCoreApplication::translate("quorvel::DesignCommand", "--site takes the seven inputs L,Zw,Zt,P,T,U,K")};
        Site one{1, isSet("name") ? value("name") : QStringLiteral("site"), SiteInputs::fromTexts(inputs), {}};
        one.captions = SiteInputs::fromTexts(QStringLiteral("L,Zw,Zt,P,T,U,K").split(QLatin1Char(',')));
        command.site = one;
    } else if (positional.size() == 1) {
        command.sitesPath = positional.first();
    } else {
        throw UsageError{QCoreApplication::translate("quorvel::DesignCommand", "give one SITES.csv (or --site); see --help")};
    }
    if (isSet("csv") && isSet("json"))
        throw UsageError{QCoreApplication::translate("quorvel::DesignCommand", "--csv and --json exclude each other")};
    command.format = isSet("csv")    ? ResultWriter::Format::Csv
                   : isSet("json")   ? ResultWriter::Format::Json
                                     : ResultWriter::Format::Table;
    command.headerless = isSet("no-header");
    command.databaseDir = value("database");
    command.options.pump = named(parser, QStringLiteral("pump"),
                                 QCoreApplication::translate("quorvel::DesignCommand", "pump row or model"));
    command.options.tank = named(parser, QStringLiteral("tank"),
                                 QCoreApplication::translate("quorvel::DesignCommand", "tank row or type"));
    if (isSet("velocity"))
        std::tie(command.options.minVelocity, command.options.maxVelocity) = velocityRange(value("velocity"));
    if (isSet("head-margin")) {
        bool ok = false;
        const double percent = finiteNumber(value("head-margin"), ok);
        if (!ok || percent < 0 || percent > 100)
            throw UsageError{QCoreApplication::translate("quorvel::DesignCommand", "--head-margin takes a percentage from 0 to 100 (got %1)").arg(value("head-margin"))};
        command.options.headMargin = percent / 100;
    }
    command.outputPath = value("output");
    command.reportPath = value("report");
    if (isSet("report") && command.reportPath.isEmpty())
        throw UsageError{QCoreApplication::translate("quorvel::DesignCommand", "--report needs a file name")};
    command.epanetDir = value("epanet");
    if (isSet("epanet") && command.epanetDir.isEmpty())
        throw UsageError{QCoreApplication::translate("quorvel::DesignCommand", "--epanet needs a folder")};
    command.summary = isSet("summary");
    return command;
}

QString databaseFolder(const QString &given)
{
    if (given.isEmpty()) {
        QtKnownFolders known;
        return DataFolders::resolve(known).databaseDir;
    }
    if (!QFileInfo(given).isDir())
        throw UsageError{QCoreApplication::translate("quorvel::DesignCommand", "--database %1: no such folder").arg(absoluteFilePath(given))};
    return given.endsWith(QLatin1Char('/')) ? given : given + QLatin1Char('/');
}

// The files the command reads, each with what it is.
QList<std::pair<QString, QString>> inputFiles(const Command &command, const QString &databaseDir)
{
    QList<std::pair<QString, QString>> inputs;
    if (!command.sitesPath.isEmpty() && command.sitesPath != QLatin1String("-"))
        inputs.append({command.sitesPath, QCoreApplication::translate("quorvel::DesignCommand", "the sites file")});
    for (const char *file : {Catalogs::pipesFile, Catalogs::pumpsFile, Catalogs::tanksFile})
        inputs.append({databaseDir + QLatin1String(file), QCoreApplication::translate("quorvel::DesignCommand", "the catalog %1").arg(QLatin1String(file))});
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
            throw UsageError{QCoreApplication::translate("quorvel::DesignCommand", "%1 %2: is a folder; give a file name").arg(option, absoluteFilePath(output))};
        for (const auto &[input, what] : inputs) {
            if (sameFile(output, input))
                throw UsageError{QCoreApplication::translate("quorvel::DesignCommand", "%1 %2 is %3: refusing to write over an input")
                                     .arg(option, absoluteFilePath(output), what)};
        }
    }
    if (!command.outputPath.isEmpty() && !command.reportPath.isEmpty() && sameFile(command.outputPath, command.reportPath))
        throw UsageError{QCoreApplication::translate("quorvel::DesignCommand", "-o and --report name the same file %1").arg(absoluteFilePath(command.reportPath))};
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
        errno = 0;
        if (!file_->open(QIODevice::WriteOnly))
            throw UsageError{translatable("quorvel::Files", "Cannot create file \"%1\". %2")
                                 .arg(absoluteFilePath(path), systemErrorText(errno != 0 ? errno : EACCES))
                                 .shown};
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
            throw UsageError{QCoreApplication::translate("quorvel::Files", "Stream write error")};
    }

private:
    QFile stdout_;
    std::optional<QSaveFile> file_;
};

int run(const Command &command)
{
    // The window reads numbers with a point whatever the regional settings.
    setDecimalSeparator(u'.');
    const QString databaseDir = databaseFolder(command.databaseDir);
    refuseOutputOverInput(command, databaseDir);

    SitesFile sites;
    if (!command.site) {
        try {
            sites.load(command.sitesPath, command.headerless);
        } catch (const Error &e) {
            throw UsageError{e.shownMessage()};
        }
    }

    // Catalogs that cannot be read are a setup fault: said once, nothing written.
    Catalogs catalogs;
    std::optional<SiteDesigner> designer;
    try {
        catalogs.load(databaseDir);
        designer.emplace(catalogs, command.options);
    } catch (const Error &e) {
        throw UsageError{e.shownMessage()};
    }
    for (const QString &notice : sites.notices() + designer->catalogDefects())
        printError(notice);

    Output output(command.outputPath);
    const auto writer = ResultWriter::create(command.format, output.device(), command.summary);
    std::optional<Output> reportFile;
    std::optional<DesignReport> report;
    if (!command.reportPath.isEmpty()) {
        reportFile.emplace(command.reportPath);
        try {
            report.emplace(reportFile->file(), databaseDir);
        } catch (const Error &e) {
            throw UsageError{e.shownMessage()};
        }
    }

    // The networks go beside whatever the folder holds, never over an input or output.
    std::optional<EpanetExport> networks;
    if (!command.epanetDir.isEmpty()) {
        QStringList kept{command.outputPath, command.reportPath};
        for (const auto &input : inputFiles(command, databaseDir))
            kept << input.first;
        kept.removeAll(QString());
        try {
            networks.emplace(command.epanetDir, kept);
        } catch (const Error &e) {
            throw UsageError{e.shownMessage()};
        }
    }

    bool someFailed = false;
    DesignSummary summary;
    const QString sitesName = command.site ? QStringLiteral("--site") : sites.displayName();
    const auto designOne = [&](const Site &site) {
        const SiteResult result = designer->design(site);
        if (result.failed()) {
            someFailed = true;
            printError(result.errorColumn.isEmpty()
                           ? QCoreApplication::translate("quorvel::DesignCommand", "%1 line %2: %3")
                                 .arg(sitesName).arg(site.line).arg(result.error.shown)
                           : QCoreApplication::translate("quorvel::DesignCommand", "%1 line %2, %3: %4")
                                 .arg(sitesName).arg(site.line).arg(result.errorColumn, result.error.shown));
        }
        writer->write(result);
        try {
            if (networks && networks->write(result).isEmpty() && !result.failed())
                printError(QCoreApplication::translate("quorvel::DesignCommand", "%1 line %2: no pump with a rated flow and head, so no EPANET network")
                               .arg(sitesName).arg(site.line));
        } catch (const Error &e) {
            throw UsageError{e.shownMessage()};
        }
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
    try {
        if (report) {
            if (command.summary)
                report->addSummaryPage(summary);
            report->finish();
        }
    } catch (const Error &e) {
        throw UsageError{e.shownMessage()};
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
    try {
        return run(parseCommandLine(QCoreApplication::arguments()));
    } catch (const UsageError &e) {
        printError(e.message);
        return BadUsage;
    } catch (const Error &e) {
        printError(e.shownMessage());
        return BadUsage;
    } catch (const std::exception &e) {
        printError(QString::fromLocal8Bit(e.what()));
        return BadUsage;
    }
}
