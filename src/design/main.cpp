// quorvel-design: designs many sites from the command line with the main window's
// calculation, checks each design and writes a table, CSV or JSON, and a PDF report.
#include "catalogfiles.h"
#include "datafolders.h"
#include "designoutput.h"
#include "designreport.h"
#include "error.h"
#include "files.h"
#include "knownfolders.h"
#include "numbers.h"
#include "sitedesign.h"
#include "sitesfile.h"

#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <cstdio>
#include <optional>

using namespace quorvel;

namespace {

enum ExitStatus { AllDesigned = 0, SomeFailed = 1, BadUsage = 2 };

// Thrown for a wrong command line or input that cannot be read at all.
struct UsageError {
    QString message;
};

void printError(const QString &message)
{
    std::fprintf(stderr, "quorvel-design: %s\n", qPrintable(message));
}

struct Command {
    QString sitesPath;      // empty with --site
    std::optional<Site> site;
    QString databaseDir;
    DesignOptions options;
    ResultWriter::Format format = ResultWriter::Format::Table;
    QString outputPath;     // empty: standard output
    QString reportPath;
};

std::pair<double, double> velocityRange(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    bool okMin = false, okMax = false;
    const double min = parts.value(0).toDouble(&okMin);
    const double max = parts.value(1).toDouble(&okMax);
    if (parts.size() != 2 || !okMin || !okMax || min < 0 || max <= min)
        throw UsageError{QStringLiteral("--velocity takes MIN,MAX in m/s, e.g. 0.5,2.0")};
    return {min, max};
}

Command parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Designs emergency water supplies, one site a line of SITES.csv (name, pipeline length m,\n"
        "source elevation m, storage elevation m, population, pumping hours h/day, daily usage\n"
        "L/capita/day, people per tap; first line captions), with the catalogs of the database folder.\n"
        "Exit status: 0 all sites designed, 1 some failed, 2 bad usage or unreadable input."));
    // An option by its names, what it does, and the name of its value if it takes one.
    const auto option = [](const QStringList &names, const char *description, const char *value = nullptr) {
        return QCommandLineOption(names, QString::fromUtf8(description),
                                  value ? QString::fromUtf8(value) : QString());
    };
    const QCommandLineOption help = option({QStringLiteral("h"), QStringLiteral("help")}, "Shows this help.");
    const QCommandLineOption site = option({QStringLiteral("site")}, "Designs one site instead of a file.",
                                           "L,Zw,Zt,P,T,U,K");
    const QCommandLineOption name = option({QStringLiteral("name")}, "The name of the --site.", "NAME");
    const QCommandLineOption database = option(
        {QStringLiteral("database")},
        "The folder of pipes.csv, pumps.csv and storage.csv (default: the program's database folder).", "DIR");
    const QCommandLineOption pump = option(
        {QStringLiteral("pump")},
        "The pump for every site, by row or model (default: the first catalog pump whose flow and head reach "
        "the duty).",
        "ROW|MODEL");
    const QCommandLineOption tank = option(
        {QStringLiteral("tank")}, "The tank type, by row or type (default: the type needing the fewest tanks).",
        "ROW|TYPE");
    const QCommandLineOption velocity = option(
        {QStringLiteral("velocity")}, "Flow velocities outside this range are warned about (default 0.5,2.0).",
        "MIN,MAX");
    const QCommandLineOption csv = option({QStringLiteral("csv")}, "Writes CSV instead of a table.");
    const QCommandLineOption json = option({QStringLiteral("json")}, "Writes JSON instead of a table.");
    const QCommandLineOption output = option({QStringLiteral("o"), QStringLiteral("output")},
                                             "Writes to FILE, replacing it only when complete.", "FILE");
    const QCommandLineOption report = option({QStringLiteral("report")}, "Writes a PDF report, a page a site.",
                                             "FILE.pdf");
    parser.addOptions({help, site, name, database, pump, tank, velocity, csv, json, output, report});
    parser.addPositionalArgument(QStringLiteral("SITES.csv"), QStringLiteral("The sites; - reads standard input."));

    if (!parser.parse(arguments))
        throw UsageError{parser.errorText()};
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        std::exit(AllDesigned);
    }

    Command command;
    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(site)) {
        if (!positional.isEmpty())
            throw UsageError{QStringLiteral("give either SITES.csv or --site, not both")};
        const QStringList inputs = parser.value(site).split(QLatin1Char(','));
        if (inputs.size() != SiteInputs::lastRow)
            throw UsageError{QStringLiteral("--site takes the seven inputs L,Zw,Zt,P,T,U,K")};
        command.site = Site{1, parser.isSet(name) ? parser.value(name) : QStringLiteral("site"),
                            SiteInputs::fromTexts(inputs)};
    } else if (positional.size() == 1) {
        command.sitesPath = positional.first();
    } else {
        throw UsageError{QStringLiteral("give one SITES.csv (or --site); see --help")};
    }
    if (parser.isSet(csv) && parser.isSet(json))
        throw UsageError{QStringLiteral("--csv and --json exclude each other")};
    command.format = parser.isSet(csv)    ? ResultWriter::Format::Csv
                   : parser.isSet(json)   ? ResultWriter::Format::Json
                                          : ResultWriter::Format::Table;
    command.databaseDir = parser.value(database);
    command.options.pump = parser.value(pump);
    command.options.tank = parser.value(tank);
    if (parser.isSet(velocity))
        std::tie(command.options.minVelocity, command.options.maxVelocity) = velocityRange(parser.value(velocity));
    command.outputPath = parser.value(output);
    command.reportPath = parser.value(report);
    return command;
}

QString databaseFolder(const QString &given)
{
    if (given.isEmpty()) {
        QtKnownFolders known;
        return DataFolders::resolve(known).databaseDir;
    }
    return given.endsWith(QLatin1Char('/')) ? given : given + QLatin1Char('/');
}

// Standard output, or a file that replaces the old one only once it is complete.
class Output {
public:
    explicit Output(const QString &path) : path_(path)
    {
        if (path.isEmpty()) {
            stdout_.open(stdout, QIODevice::WriteOnly);
            return;
        }
        file_.emplace(path);
        errno = 0;
        if (!file_->open(QIODevice::WriteOnly))
            throw UsageError{QStringLiteral("Cannot create file \"%1\". %2")
                                 .arg(absoluteFilePath(path), systemErrorText(errno != 0 ? errno : EACCES))};
    }
    QIODevice &device() { return file_ ? static_cast<QIODevice &>(*file_) : stdout_; }
    void commit()
    {
        if (!file_)
            return;
        // Flushed and checked before the rename, so that a full disk leaves the old file.
        if (!file_->flush() || !file_->commit())
            throw UsageError{QStringLiteral("Stream write error")};
    }

private:
    QString path_;
    QFile stdout_;
    std::optional<QSaveFile> file_;
};

int run(const Command &command)
{
    SitesFile sites;
    if (!command.site) {
        try {
            sites.load(command.sitesPath);
        } catch (const Error &e) {
            throw UsageError{e.message()};
        }
    }

    // The window reads numbers with a point whatever the regional settings.
    setDecimalSeparator(u'.');
    const QString databaseDir = databaseFolder(command.databaseDir);
    Catalogs catalogs;
    QString catalogError;
    try {
        catalogs.load(databaseDir);
    } catch (const Error &e) {
        catalogError = e.message();
    }
    std::optional<SiteDesigner> designer;
    try {
        designer.emplace(catalogs, command.options, catalogError);
    } catch (const Error &e) {
        throw UsageError{e.message()};
    }

    Output output(command.outputPath);
    const auto writer = ResultWriter::create(command.format, output.device());
    std::optional<DesignReport> report;
    try {
        if (!command.reportPath.isEmpty())
            report.emplace(command.reportPath, databaseDir);
    } catch (const Error &e) {
        throw UsageError{e.message()};
    }

    bool someFailed = false;
    const auto designOne = [&](const Site &site) {
        const SiteResult result = designer->design(site);
        if (result.failed()) {
            someFailed = true;
            printError(QStringLiteral("line %1: %2").arg(site.line).arg(result.error));
        }
        writer->write(result);
        if (report)
            report->addPage(result);
    };
    if (command.site) {
        designOne(*command.site);
    } else {
        for (int i = 1; i < sites.lineCount(); ++i) {
            if (sites.holdsSite(i))
                designOne(sites.site(i));
        }
    }
    writer->finish();
    output.commit();
    try {
        if (report)
            report->finish();
    } catch (const Error &e) {
        throw UsageError{e.message()};
    }
    return someFailed ? SomeFailed : AllDesigned;
}

} // namespace

int main(int argc, char *argv[])
{
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
    try {
        return run(parseCommandLine(QCoreApplication::arguments()));
    } catch (const UsageError &e) {
        printError(e.message);
        return BadUsage;
    } catch (const std::exception &e) {
        printError(QString::fromLocal8Bit(e.what()));
        return BadUsage;
    }
}
