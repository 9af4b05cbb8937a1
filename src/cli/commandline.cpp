#include "commandline.h"

#include "error.h"
#include "numbers.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace quorvel {

namespace {



// A finite number as the program reads numbers.
std::optional<double> finiteOption(const QString &text)
{
    const std::optional<Extended> value = finiteNumber(text);
    return value ? std::optional<double>(double(*value)) : std::nullopt;
}

VelocityRange velocityRange(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    const std::optional<double> min = finiteOption(parts.value(0));
    const std::optional<double> max = finiteOption(parts.value(1));
    if (parts.size() != 2 || !min || !max || *min < 0 || *max <= *min)
        throw Error(QCoreApplication::translate("quorvel::DesignCommand", "--velocity takes MIN,MAX in m/s, finite and MIN below MAX, e.g. 0.5,2.0 (got %1)").arg(text));
    return {*min, *max};
}

// A named pump or tank: the option given empty names nothing, which is a mistake,
// not a wish for the automatic choice.
QString named(const QCommandLineParser &parser, const QString &option, const QString &what)
{
    const QString value = parser.value(option);
    if (parser.isSet(option) && value.trimmed().isEmpty())
        throw Error(QCoreApplication::translate("quorvel::DesignCommand",
                                                     "--%1 needs a %2; leave the option out for the automatic choice")
                             .arg(option, what));
    return value;
}

} // namespace

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
        {"profile",
         QT_TRANSLATE_NOOP("quorvel::DesignCommand", "The pipeline's route for the --site, from the source to the tank: a CSV file of "
                     "distance and elevation, or a GPX track. A sites file names each site's in its Profile column."),
         "FILE"},
        {"no-header", QT_TRANSLATE_NOOP("quorvel::DesignCommand", "SITES.csv has no caption line: its columns are Site,L,Zw,Zt,P,T,U,K in this order."),
         nullptr},
        {"database",
         QT_TRANSLATE_NOOP("quorvel::DesignCommand", "The folder of pipes.csv, pumps.csv and storage.csv (default: the program's database folder)."),
         "DIR"},
        {"pump",
         QT_TRANSLATE_NOOP("quorvel::DesignCommand", "The pump for every site, by row or model, in any case (default: of the pumps that fill the "
                     "tank, the least rated power among those running at 80 to 120 % of their rated flow within the "
                     "velocity limit, else the least rated power)."),
         "ROW|MODEL"},
        {"head-margin",
         QT_TRANSLATE_NOOP("quorvel::DesignCommand", "How far beyond the pumping head an automatically chosen pump's head at the design flow must "
                     "reach, in percent (default 10)."),
         "PERCENT"},
        {"tank",
         QT_TRANSLATE_NOOP("quorvel::DesignCommand", "The tank type, by row or type, in any case (default: the type that holds the storage with the "
                     "fewest tanks)."),
         "ROW|TYPE"},
        {"velocity", QT_TRANSLATE_NOOP("quorvel::DesignCommand", "Flow velocities outside this range are warned about (default 0.5,2.0)."), "MIN,MAX"},
        {"csv", QT_TRANSLATE_NOOP("quorvel::DesignCommand", "Writes CSV instead of a table."), nullptr},
        {"json", QT_TRANSLATE_NOOP("quorvel::DesignCommand", "Writes JSON instead of a table."), nullptr},
        {"o,output", QT_TRANSLATE_NOOP("quorvel::DesignCommand", "Writes to FILE (- standard output), replacing it only when complete."), "FILE"},
        {"report", QT_TRANSLATE_NOOP("quorvel::DesignCommand", "Writes a PDF report: a page a designed site, a table of those not designed."), "FILE.pdf"},
        {"prepared-by",
         QT_TRANSLATE_NOOP("quorvel::DesignCommand", "The engineer the report names as having prepared it, remembered for later reports."),
         "NAME"},
        {"organisation",
         QT_TRANSLATE_NOOP("quorvel::DesignCommand", "The engineer's organisation on the report, remembered for later reports."),
         "NAME"},
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
        throw Error(parser.errorText());
    const auto isSet = [&parser](const char *option) { return parser.isSet(QLatin1String(option)); };
    const auto value = [&parser](const char *option) { return parser.value(QLatin1String(option)); };
    Command command;
    if (isSet("help")) {
        command.helpText = parser.helpText();
        return command;
    }

    const QStringList positional = parser.positionalArguments();
    if (isSet("site")) {
        if (!positional.isEmpty())
            throw Error(QCoreApplication::translate("quorvel::DesignCommand", "give either SITES.csv or --site, not both"));
        const QStringList inputs = value("site").split(QLatin1Char(','));
        if (inputs.size() != InputTexts::lastRow)
            throw Error(QCoreApplication::translate("quorvel::DesignCommand", "--site takes the seven inputs L,Zw,Zt,P,T,U,K"));
        Site one{1, isSet("name") ? value("name") : QStringLiteral("site"), InputTexts::fromTexts(inputs), {}};
        one.captions = InputTexts::fromTexts(QStringLiteral("L,Zw,Zt,P,T,U,K").split(QLatin1Char(',')));
        one.profile = value("profile");
        command.site = one;
    } else if (positional.size() == 1) {
        if (isSet("profile"))
            throw Error(QCoreApplication::translate("quorvel::DesignCommand", "--profile goes with --site; a sites file names each site's profile in its Profile column"));
        command.sitesPath = positional.first();
    } else {
        throw Error(QCoreApplication::translate("quorvel::DesignCommand", "give one SITES.csv (or --site); see --help"));
    }
    if (isSet("csv") && isSet("json"))
        throw Error(QCoreApplication::translate("quorvel::DesignCommand", "--csv and --json exclude each other"));
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
        command.options.velocities = velocityRange(value("velocity"));
    if (isSet("head-margin")) {
        const std::optional<double> percent = finiteOption(value("head-margin"));
        if (!percent || *percent < 0 || *percent > 100)
            throw Error(QCoreApplication::translate("quorvel::DesignCommand", "--head-margin takes a percentage from 0 to 100 (got %1)").arg(value("head-margin")));
        command.options.headMargin = *percent / 100;
    }
    command.outputPath = value("output");
    command.reportPath = value("report");
    if (isSet("report") && command.reportPath.isEmpty())
        throw Error(QCoreApplication::translate("quorvel::DesignCommand", "--report needs a file name"));
    if (isSet("prepared-by"))
        command.preparedBy = value("prepared-by").trimmed();
    if (isSet("organisation"))
        command.organisation = value("organisation").trimmed();
    command.epanetDir = value("epanet");
    if (isSet("epanet") && command.epanetDir.isEmpty())
        throw Error(QCoreApplication::translate("quorvel::DesignCommand", "--epanet needs a folder"));
    command.summary = isSet("summary");
    return command;
}

} // namespace quorvel
