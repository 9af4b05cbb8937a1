#pragma once

#include "routeprofile.h"

#include <QList>
#include <QString>

#include <optional>

namespace quorvel {

// The pipe ratings, a small catalog beside the specified ones: the file "ratings.csv"
// in the database folder with the columns No, Material, Nominal (in), Rated pressure
// (bar), Wave speed (m/s) and Source, read as spreadsheets write it. A row names a
// material as the pipe catalog's Material column does, compared without case and
// outer blanks, and a nominal size in inches; a row without a size holds for every
// size of its material (plastic pipes by class, "PE100 SDR 17 (PN 10)"). The
// specified catalogs and their windows do not read it.
class PipeRatings {
public:
    static constexpr const char *fileName = "ratings.csv";

    // The file in the database folder; none when it is not there (a database from
    // before the ratings). Raises Error naming the file, line and field for a row
    // that cannot be read.
    static PipeRatings load(const QString &databaseFolder);
    static PipeRatings read(const QString &path);

    // The rating of a pipe of this material and nominal size: its size's row, else its
    // material's row without a size; none when no row names them.
    std::optional<PipeRating> find(const QString &material, double nominal) const;
    bool isEmpty() const { return rows_.isEmpty(); }

private:
    struct Row {
        QString material; // folded for comparing
        std::optional<double> nominal;
        PipeRating rating;
    };
    QList<Row> rows_;
};

} // namespace quorvel
