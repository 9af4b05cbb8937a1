#pragma once

#include "sitedesign.h"

namespace quorvel {

class ProjectSheet;
struct Catalogs;
struct SheetChecks;

// The design the main window shows, as the design report draws a site: the project
// name, the inputs, the results, the pump and tank rows they name, the flow and
// pipe behind them and the failed checks as warnings.
SiteResult reportSite(const ProjectSheet &sheet, const SheetChecks &checks, const Catalogs &catalogs);

// Writes the one-page design report of the site to a PDF file through a temporary
// file that replaces the old one only when complete. Raises Error, naming the file,
// when the name is not a PDF file's or the file cannot be written; an old file then
// stays as it was.
void writeDesignReport(const QString &path, const QString &databaseDir, const SiteResult &site);

// Writes the site as an EPANET network (.inp) through a temporary file and replace.
// Raises Error, naming the file, when the name is not an .inp file's, when the site
// needs its pump and the pump has no rated flow and head, or when the file cannot be
// written.
void writeEpanetFile(const QString &path, const SiteResult &site);

} // namespace quorvel
