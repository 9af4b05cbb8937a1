#pragma once

#include <QString>
#include <QtGlobal>

class CellTable;

// Loads "pipes.csv", "pumps.csv" and "storage.csv" from databaseDir, in this order,
// into the diameters, pumps and tanks tables; line i fills row i, also past the
// table's row count. Pump and tank rows read a line are switched to the strict
// variant first. nd := pipe lines - 1, tankCount := tank lines - 1. Raises the open
// error at the first file that cannot be read; later catalogs are then not loaded.
void loadCatalogs(CellTable &pipes, CellTable &pumps, CellTable &tanks, qint32 &nd);

// Writes rows 0..rowCount()-1, each in its own variant, to databaseDir + fileName.
void saveCatalog(const CellTable &table, const QString &fileName);
