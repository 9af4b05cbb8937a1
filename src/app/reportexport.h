#pragma once

#include "designchecks.h"
#include "designrecord.h"
#include "reportauthor.h"
#include "sitedesign.h"

namespace quorvel {

struct Catalogs;

// The design the main window shows, as the design report draws a site: the project
// name, the inputs as typed, the record with the pump and tank rows it names, and the
// failed checks as warnings.
SiteResult reportSite(const QString &projectName, const InputTexts &inputs, const DesignRecord &design,
                      const DesignAssessment &assessment, const Catalogs &catalogs);

// Writes the one-page design report of the site, prepared by the author, to a PDF
// file through a temporary file that replaces the old one only when complete. Raises Error, naming the file,
// when the name is not a PDF file's or the file cannot be written; an old file then
// stays as it was.
void writeDesignReport(const QString &path, const SiteResult &site, const ReportAuthor &author);

// Writes the site as an EPANET network (.inp) through a temporary file and replace.
// Raises Error, naming the file, when the name is not an .inp file's, when the site
// needs its pump and the pump has no rated flow and head, or when the file cannot be
// written.
void writeEpanetFile(const QString &path, const SiteResult &site);

} // namespace quorvel
