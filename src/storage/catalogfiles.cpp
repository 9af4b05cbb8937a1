#include "catalogfiles.h"

#include "core/celltable.h"
#include "core/sharedstate.h"
#include "storage/datafolders.h"
#include "storage/linelist.h"
#include "storage/rowlist.h"

namespace {

// Fills row i from line i; returns the number of lines.
int loadCatalog(CellTable &table, const QString &fileName, bool strict)
{
    LineList lines;
    lines.LoadFromFile(databaseDir + fileName);
    const int count = lines.Count();
    for (int i = 0; i < count; ++i) {
        if (strict)
            table.setStrictDelimiter(i, true);
        Rows(table, i).setCommaText(lines[i]);
    }
    return count;
}

} // namespace

void loadCatalogs(CellTable &pipes, CellTable &pumps, CellTable &tanks, qint32 &nd)
{
    nd = loadCatalog(pipes, QStringLiteral("pipes.csv"), false) - 1;
    loadCatalog(pumps, QStringLiteral("pumps.csv"), true);
    tankCount = loadCatalog(tanks, QStringLiteral("storage.csv"), true) - 1;
}

void saveCatalog(const CellTable &table, const QString &fileName)
{
    LineList lines;
    for (int r = 0; r < table.rowCount(); ++r)
        lines.Add(rowCommaText(table, r));
    lines.SaveToFile(databaseDir + fileName);
}
