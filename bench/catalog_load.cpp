// Loads and saves generated pumps catalogs of 1 000, 10 000 and 100 000 lines and
// prints each time next to the time plain std::ifstream/std::getline takes to read
// the same file's lines in the same run. Each figure is the best of several rounds.
// At 100 000 lines the catalog load should take at most 3 times, the save at most 2
// times the getline time.

#include "celltable.h"
#include "catalogfiles.h"
#include "linelist.h"

#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

using namespace quorvel;

namespace {

constexpr int kRounds = 5;

double bestMilliseconds(const std::function<void()> &work)
{
    double best = 1e300;
    for (int i = 0; i < kRounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

void writeCatalog(const QString &path, int lines)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write " + path.toStdString());
    QByteArray text("No,Pump,Model,Flow (L/s),Head (m),Power (kW),Curve picture\r\n");
    for (int i = 1; i < lines; ++i)
        text += QStringLiteral("%1,Diesel engine,DE-%1 X,%2,%3,5.5,DE-%1 curve.bmp\r\n")
                    .arg(i).arg(5 + i % 17).arg(20 + i % 31).toLatin1();
    file.write(text);
}

std::size_t getlineLines(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines.size();
}

} // namespace

int main()
{
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString databaseDir = dir.path() + u'/';
    // The other two catalogs stay small; the pumps catalog is the one measured.
    LineList small;
    small.append(QStringLiteral("No"));
    small.saveToFile(databaseDir + QLatin1String(Catalogs::pipesFile));
    small.saveToFile(databaseDir + QLatin1String(Catalogs::tanksFile));

    std::printf("Best of %d rounds, milliseconds; ratio = time / getline time.\n", kRounds);
    std::printf("%7s %9s | %12s %5s | %12s %5s | %12s %5s | %12s %5s\n", "lines", "getline", "loadFromFile",
                "ratio", "saveToFile", "ratio", "catalog load", "ratio", "catalog save", "ratio");
    double loadRatio = 0;
    double saveRatio = 0;
    for (const int lines : {1000, 10000, 100000}) {
        const QString path = databaseDir + QLatin1String(Catalogs::pumpsFile);
        writeCatalog(path, lines);
        const std::string nativePath = QFile::encodeName(path).toStdString();

        std::size_t counted = 0;
        const double baseline = bestMilliseconds([&] { counted = getlineLines(nativePath); });

        LineList list;
        const double load = bestMilliseconds([&] {
            LineList fresh;
            fresh.loadFromFile(path);
            list = fresh;
        });
        const double save = bestMilliseconds([&] { list.saveToFile(databaseDir + "lines-saved.csv"); });

        // The whole catalog load: lines decoded into the pumps table (strict).
        const double catalogLoad = bestMilliseconds([&] {
            Catalogs fresh;
            fresh.load(databaseDir);
        });
        Catalogs catalogs;
        catalogs.load(databaseDir);
        catalogs.pumps.setRowCount(lines); // every loaded line is written back
        const double catalogSave =
            bestMilliseconds([&] { saveCatalog(catalogs.pumps, databaseDir + "pumps-saved.csv"); });

        if (counted != std::size_t(lines) || list.count() != lines)
            std::fprintf(stderr, "line counts differ: %zu, %d\n", counted, list.count());
        std::printf("%7d %9.2f | %12.2f %5.1f | %12.2f %5.1f | %12.2f %5.1f | %12.2f %5.1f\n", lines, baseline,
                    load, load / baseline, save, save / baseline, catalogLoad, catalogLoad / baseline,
                    catalogSave, catalogSave / baseline);
        if (lines == 100000) {
            loadRatio = catalogLoad / baseline;
            saveRatio = catalogSave / baseline;
        }
    }
    std::printf("At 100 000 lines: catalog load ratio %.1f (goal <= 3, %s), catalog save ratio %.1f (goal <= 2, %s)\n",
                loadRatio, loadRatio <= 3 ? "met" : "NOT met", saveRatio, saveRatio <= 2 ? "met" : "NOT met");
    return 0;
}
