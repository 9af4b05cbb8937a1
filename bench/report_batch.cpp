// The design report of many sites, written by the real command end to end:
//   quorvel-design --report report.pdf --summary sites.csv --database <shipped>
// on generated sites (some of which no shipped pump can serve, so the table of sites
// not designed has rows): the wall time, the file's size and its pages, against the
// goals of 10 s and 30 MB for 10 000 sites (their share for another count).
//
//   report_batch [sites]        (default 10000)
#include "generatedsites.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const int count = argc > 1 ? std::max(10, std::atoi(argv[1])) : 10000;
    // The goals are for 10 000 sites; other counts get their share of them.
    const double goalSeconds = 10.0 * count / 10000;
    const double goalMegabytes = 30.0 * count / 10000;

    QTemporaryDir folder;
    const QString sites = folder.filePath(QStringLiteral("sites.csv"));
    const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
    bench::writeSites(sites, count);

    QProcess command;
    command.setStandardOutputFile(QProcess::nullDevice());
    command.setStandardErrorFile(QProcess::nullDevice());
    // The report names no one: the user's remembered author stays out of the figures.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.filePath(QStringLiteral("config")));
    command.setProcessEnvironment(environment);
    const auto start = std::chrono::steady_clock::now();
    command.start(QStringLiteral(QUORVEL_DESIGN_COMMAND),
                  {QStringLiteral("--report"), pdf, QStringLiteral("--summary"), sites, QStringLiteral("--database"),
                   QStringLiteral(QUORVEL_SHIPPED_DATABASE)});
    if (!command.waitForFinished(600000) || command.exitStatus() != QProcess::NormalExit) {
        std::fprintf(stderr, "report_batch: quorvel-design did not finish\n");
        return 2;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double megabytes = double(QFileInfo(pdf).size()) / (1024 * 1024);

    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished();
    const QString pages = QString::fromUtf8(info.readAllStandardOutput()).section(QStringLiteral("Pages:"), 1).section(u'\n', 0, 0).trimmed();

    std::printf("%d sites, design report with the bill of quantities, quorvel-design end to end (exit status %d):\n",
                count, command.exitCode());
    std::printf("  %.2f s wall time (goal < %.3g s, %s), %.1f MB (goal < %.3g MB, %s), %s pages\n", seconds,
                goalSeconds, seconds < goalSeconds ? "met" : "NOT met", megabytes, goalMegabytes,
                megabytes < goalMegabytes ? "met" : "NOT met", pages.isEmpty() ? "?" : qPrintable(pages));
    return 0;
}
