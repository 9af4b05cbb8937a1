// Many sites designed the way quorvel-design designs them, on the shipped catalogs:
// - the command's path in this process: a generated sites file read with SitesFile,
//   each site designed by SiteDesigner (pump and tank chosen by its rules, checks
//   made) and written as CSV by ResultWriter to a file that replaces its target when
//   complete; sites per second, total seconds, and the resident memory after the
//   first tenth of the sites and after all of them (flat memory: the sites are made
//   one at a time and the CSV goes straight to the file);
// - the bare calculation: DesignCalculation::run on the same inputs with the pump and
//   tank rows fixed, no checks and no output; the ratio shows what the rest costs;
// - the real executable once, end to end, on the same file, its CSV compared with the
//   one written here.
//
//   design_batch [sites]        (default 100000)
#include "catalogfiles.h"
#include "designcalculation.h"
#include "designoutput.h"
#include "error.h"
#include "numbers.h"
#include "sheetlayout.h"
#include "sitedesign.h"
#include "sitesfile.h"
#include "generatedsites.h"
#include "residentmemory.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

using namespace quorvel;

namespace {

using Clock = std::chrono::steady_clock;
constexpr double goalSeconds = 3;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

[[noreturn]] void fail(const QString &message)
{
    std::fprintf(stderr, "design_batch: %s\n", qPrintable(message));
    std::exit(2);
}

struct BatchRun {
    double seconds = 0;
    double loadSeconds = 0;
    double megabytesAtStart = 0;
    double megabytesAtTenth = 0;
    double megabytesAtEnd = 0;
    int sites = 0;
    int failed = 0;
    int warned = 0;
};

// What quorvel-design --csv -o OUT SITES does once the catalogs are loaded.
BatchRun designAll(const Catalogs &catalogs, const QString &sitesPath, const QString &outPath)
{
    BatchRun run;
    run.megabytesAtStart = residentMegabytes();
    const auto start = Clock::now();
    SitesFile sites;
    sites.load(sitesPath);
    run.loadSeconds = secondsSince(start);

    const SiteDesigner designer(catalogs, DesignOptions{});
    QSaveFile out(outPath);
    if (!out.open(QIODevice::WriteOnly))
        fail(QStringLiteral("cannot create %1").arg(outPath));
    const auto writer = ResultWriter::create(ResultWriter::Format::Csv, out);
    const int tenth = sites.siteCount() / 10;
    for (int i = 0; i < sites.siteCount(); ++i) {
        const SiteResult result = designer.design(sites.site(i));
        run.failed += result.failed();
        run.warned += !result.warnings.isEmpty();
        writer->write(result);
        if (++run.sites == tenth)
            run.megabytesAtTenth = residentMegabytes();
    }
    writer->finish(nullptr);
    if (!out.flush() || !out.commit())
        fail(QStringLiteral("cannot write %1").arg(outPath));
    run.seconds = secondsSince(start);
    run.megabytesAtEnd = residentMegabytes();
    return run;
}

// The calculation alone on the same sites, read beforehand; seconds.
double calculateAll(const Catalogs &catalogs, const QString &sitesPath, int &failed)
{
    SitesFile file;
    file.load(sitesPath);
    std::vector<InputTexts> inputs;
    inputs.reserve(file.siteCount());
    for (int i = 0; i < file.siteCount(); ++i)
        inputs.push_back(file.site(i).inputs);

    FixedPicks picks(3, 5); // a pump and a tank type that every site can take
    failed = 0;
    const auto start = Clock::now();
    for (const InputTexts &site : inputs) {
        DesignCalculation calculation;
        try {
            calculation.run(site, catalogs.tables(), picks);
        } catch (const Error &) {
            ++failed;
        }
    }
    return secondsSince(start);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const char *verdict(bool met)
{
    return met ? "met" : "NOT met";
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const int count = argc > 1 ? std::max(10, std::atoi(argv[1])) : 100000;
    const QString database = QStringLiteral(QUORVEL_SHIPPED_DATABASE "/");
    setDecimalSeparator(u'.'); // as the command does

    QTemporaryDir folder;
    if (!folder.isValid())
        fail(QStringLiteral("cannot create a temporary folder"));
    const QString sitesPath = folder.filePath(QStringLiteral("sites.csv"));
    const QString benchOut = folder.filePath(QStringLiteral("bench.csv"));
    const QString commandOut = folder.filePath(QStringLiteral("out.csv"));
    bench::writeSites(sitesPath, count);

    Catalogs catalogs;
    try {
        catalogs.load(database);
    } catch (const Error &e) {
        fail(e.message());
    }

    const BatchRun run = designAll(catalogs, sitesPath, benchOut);
    int bareFailed = 0;
    const double bareSeconds = calculateAll(catalogs, sitesPath, bareFailed);

    QProcess command;
    command.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QStringList arguments{QStringLiteral("--csv"), QStringLiteral("-o"), commandOut, sitesPath,
                                QStringLiteral("--database"), database};
    const auto commandStart = Clock::now();
    command.start(QStringLiteral(QUORVEL_DESIGN_COMMAND), arguments);
    if (!command.waitForFinished(600000) || command.exitStatus() != QProcess::NormalExit)
        fail(QStringLiteral("quorvel-design did not finish"));
    const double commandSeconds = secondsSince(commandStart);
    const bool sameOutput = contents(commandOut) == contents(benchOut);

    std::printf("%d sites (%d with warnings, %d failed), shipped catalogs, CSV output:\n", run.sites, run.warned,
                run.failed);
    std::printf("  designed and written in %.3f s (reading the sites file %.3f s): %.0f sites per second "
                "(goal < %.0f s, %s)\n",
                run.seconds, run.loadSeconds, run.sites / run.seconds, goalSeconds,
                verdict(run.seconds < goalSeconds));
    std::printf("  the calculation alone, fixed picks, no checks, no output: %.3f s (%d failed): ratio %.2f\n",
                bareSeconds, bareFailed, run.seconds / bareSeconds);
    std::printf("Resident memory: %.1f MB before the sites file, %.1f MB after %d sites, %.1f MB after %d "
                "sites (%+.1f MB over the last nine tenths)\n",
                run.megabytesAtStart, run.megabytesAtTenth, run.sites / 10, run.megabytesAtEnd, run.sites,
                run.megabytesAtEnd - run.megabytesAtTenth);
    std::printf("quorvel-design --csv -o out.csv sites.csv --database <shipped>, end to end:\n");
    std::printf("  %.3f s wall time, exit status %d, output %s the benchmark's (goal < %.0f s, %s)\n",
                commandSeconds, command.exitCode(), sameOutput ? "identical to" : "DIFFERENT from", goalSeconds,
                verdict(commandSeconds < goalSeconds));
    return sameOutput ? 0 : 1;
}
