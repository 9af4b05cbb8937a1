#include "catalogfiles.h"

#include "linelist.h"
#include "rowlist.h"

namespace quorvel {

namespace {

// Fills row i from line i; returns the number of lines.
int loadCatalog(CellTable &table, const QString &path, bool strict)
{
    LineList lines;
    lines.LoadFromFile(path);
    const int count = lines.Count();
    for (int i = 0; i < count; ++i) {
        if (strict)
            table.setStrictDelimiter(i, true);
        Rows(table, i).setCommaText(lines[i]);
    }
    return count;
}

} // namespace

void Catalogs::load(const QString &databaseDir)
{
    pipeCount = loadCatalog(pipes, databaseDir + QLatin1String(pipesFile), false) - 1;
    loadCatalog(pumps, databaseDir + QLatin1String(pumpsFile), true);
    tankCount = loadCatalog(tanks, databaseDir + QLatin1String(tanksFile), true) - 1;
}

void saveCatalog(const CellTable &table, const QString &path)
{
    LineList lines;
    for (int r = 0; r < table.rowCount(); ++r)
        lines.Add(rowCommaText(table, r));
    lines.SaveToFile(path);
}

} // namespace quorvel
