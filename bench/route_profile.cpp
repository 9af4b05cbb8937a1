// The checks along a pipeline's route:
// - a GPX track of 5 000 points (a route walked with a GPS) read, measured on the
//   ellipsoid and analysed for a pumped design with its checks: the median of 21
//   runs, against the goal of 50 ms;
// - 10 000 generated sites designed by quorvel-design end to end, without and with a
//   profile of 60 points each (a Profile column naming one CSV file a site): the
//   ratio of the times, against the goal of under 2.
//
//   route_profile
#include "generatedsites.h"
#include "routechecks.h"
#include "routefile.h"
#include "sitesfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

using namespace quorvel;

namespace {

using Clock = std::chrono::steady_clock;

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(2);
    }
}

// A track heading east-north-east from the equator in steps of some 10 m, up and
// down hills on its way.
QByteArray gpxTrack(int points)
{
    std::mt19937 random(20261211);
    std::normal_distribution<double> noise(0, 0.4);
    QByteArray text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"1.1\" creator=\"bench\">\n<trk><trkseg>\n";
    for (int i = 0; i < points; ++i) {
        const double lat = 1e-4 * i * 0.35, lon = 1e-4 * i * 0.85;
        const double ele = 300 + 25 * std::sin(i / 300.0) + 8 * std::sin(i / 37.0) + noise(random);
        text += "<trkpt lat=\"" + QByteArray::number(lat, 'f', 7) + "\" lon=\"" + QByteArray::number(lon, 'f', 7) + "\"><ele>"
              + QByteArray::number(ele, 'f', 1) + "</ele><time>2026-12-11T08:00:00Z</time></trkpt>\n";
    }
    return text + "</trkseg></trk>\n</gpx>\n";
}

double secondsOf(const QStringList &arguments)
{
    QProcess command;
    command.setStandardOutputFile(QProcess::nullDevice());
    command.setStandardErrorFile(QProcess::nullDevice());
    const auto start = Clock::now();
    command.start(QStringLiteral(QUORVEL_DESIGN_COMMAND), arguments);
    if (!command.waitForFinished(600000) || command.exitStatus() != QProcess::NormalExit) {
        std::fprintf(stderr, "route_profile: quorvel-design did not finish\n");
        std::exit(2);
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir folder;

    // One long track.
    constexpr int trackPoints = 5000;
    const QString track = folder.filePath(QStringLiteral("track.gpx"));
    writeFile(track, gpxTrack(trackPoints));
    const RouteDuty duty{300, 320, 102.3, 8, 60, PumpDuty{10, 55}};
    const PipeRating rating{10, 300};
    std::vector<double> runs;
    qsizetype findings = 0;
    for (int run = 0; run < 21; ++run) {
        const auto start = Clock::now();
        const RouteFile route = readRouteFile(track);
        const RouteAnalysis analysis = analyseRoute(route.points, duty, rating);
        findings = routeChecks(analysis, duty, rating).size() + analysis.highPoints.size();
        runs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(runs.begin(), runs.end());
    std::printf("A GPX track of %d points read, measured and analysed with its checks (%lld findings):\n", trackPoints,
                static_cast<long long>(findings));
    std::printf("  median %.1f ms (fastest %.1f, slowest %.1f; goal < 50 ms, %s)\n", runs[runs.size() / 2], runs.front(),
                runs.back(), runs[runs.size() / 2] < 50 ? "met" : "NOT met");

    // Many sites, without and with their profiles.
    constexpr int siteCount = 10000;
    constexpr int profilePoints = 60;
    const QString plain = folder.filePath(QStringLiteral("sites.csv"));
    bench::writeSites(plain, siteCount);
    SitesFile sites;
    sites.load(plain);
    QFile in(plain);
    in.open(QIODevice::ReadOnly);
    const QList<QByteArray> lines = in.readAll().split('\n');
    QDir(folder.path()).mkdir(QStringLiteral("profiles"));
    QByteArray withProfiles = lines.first() + ",Profile\n";
    for (int i = 0; i < sites.siteCount(); ++i) {
        const Site site = sites.site(i);
        const double length = site.inputs[InputRow::PipelineLength].toDouble();
        const double from = site.inputs[InputRow::SourceElevation].toDouble();
        const double to = site.inputs[InputRow::StorageElevation].toDouble();
        QByteArray profile = "Distance (m),Elevation (m)\n";
        for (int k = 0; k < profilePoints; ++k) {
            const double share = double(k) / (profilePoints - 1);
            profile += QByteArray::number(length * share, 'f', 1) + ','
                     + QByteArray::number(from + (to - from) * share + 3 * std::sin(share * 9), 'f', 2) + '\n';
        }
        const QByteArray name = "profiles/" + QByteArray::number(i + 1) + ".csv";
        writeFile(folder.filePath(QString::fromLatin1(name)), profile);
        withProfiles += lines[i + 1] + ',' + name + '\n';
    }
    const QString profiled = folder.filePath(QStringLiteral("sites-with-profiles.csv"));
    writeFile(profiled, withProfiles);
    const QStringList common{QStringLiteral("--csv"), QStringLiteral("--database"), QStringLiteral(QUORVEL_SHIPPED_DATABASE)};
    const double without = secondsOf(common + QStringList{plain});
    const double with = secondsOf(common + QStringList{profiled});
    std::printf("%d sites by quorvel-design end to end, CSV:\n  %.2f s without profiles, %.2f s with a profile of %d "
                "points each: %.2f times (goal < 2, %s)\n",
                siteCount, without, with, profilePoints, with / without, with / without < 2 ? "met" : "NOT met");
    return 0;
}
