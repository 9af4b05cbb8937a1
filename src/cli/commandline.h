#pragma once

#include "designoutput.h"
#include "sitedesign.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace quorvel {

// What quorvel-design is asked to do.
struct Command {
    QString sitesPath;      // empty with --site
    std::optional<Site> site;
    bool headerless = false;
    QString databaseDir;
    DesignOptions options;
    ResultWriter::Format format = ResultWriter::Format::Table;
    QString outputPath;     // empty or "-": standard output
    QString reportPath;
    std::optional<QString> preparedBy;   // --prepared-by, to remember; none: the one remembered
    std::optional<QString> organisation; // --organisation
    QString epanetDir;      // empty: no networks
    bool summary = false;
    QString helpText;       // --help: this is all there is to do
};

// Reads the command line (the program's name first). Raises Error for a wrong one,
// naming the option.
Command parseCommandLine(const QStringList &arguments);

} // namespace quorvel
