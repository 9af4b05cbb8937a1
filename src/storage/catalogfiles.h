#pragma once

#include "celltable.h"
#include "designrecord.h"
#include "linelist.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace quorvel {

// The lines of a catalog file past its table's last row, as read, kept in one text (a
// long catalog makes no string per line); Delete Row takes them from the front.
class HeldLines {
public:
    qsizetype size() const { return lines_.count() - first_; }
    bool isEmpty() const { return size() == 0; }
    QStringView at(qsizetype i) const { return lines_.line(int(first_ + i)); }
    void append(QStringView line) { lines_.append(line); }
    void removeFirst() { ++first_; }
    void clear() { *this = HeldLines(); }

private:
    LineList lines_;
    int first_ = 0;
};

// The three catalogs of the database folder, as the windows show them. Each file's
// line i fills row i, also past the table's row count (such rows are stored, not shown).
struct Catalogs {
    static constexpr const char *pipesFile = "pipes.csv";
    static constexpr const char *pumpsFile = "pumps.csv";
    static constexpr const char *tanksFile = "storage.csv";
    // Shown for a pump without a curve picture, beside the catalogs.
    static constexpr const char *noCurvePicture = "no curve.bmp";

    // The catalogs' files stay English; their windows show the shipped words translated.
    Catalogs();

    CellTable pipes{5, 20};
    CellTable pumps{7, 100};
    CellTable tanks{4, 15};
    qint32 pipeCount = 0; // lines of the pipe catalog minus its caption line
    qint32 tankCount = 0; // lines of the tank catalog minus its caption line

    // The tables as a design is worked from them.
    CatalogTables tables() const { return {pipes, pipeCount, pumps, tanks}; }

    // Why the pump or tank file was not read by load() (empty when it was, or before
    // any load): the file could not be read, an earlier catalog stopped the load, or
    // the file is not empty but gave no line (invalid UTF-8 after a byte-order mark).
    // Such a table shows nothing of the file, so saving it would erase the file.
    QString pumpsNotRead;
    QString tanksNotRead;

    // The lines of the pumps and tanks files past their table's last row, as read. They
    // are also stored in the rows past the table, so that Delete Row brings the first
    // into view, and a save writes them after the table's rows, unchanged.
    HeldLines pumpsHeld;
    HeldLines tanksHeld;

    // The warning for a pumps or tanks file that was not read, empty when it was read or
    // when there is no such file now: a missing catalog is created by its first save.
    QString pumpsNotReadWarning(const QString &databaseDir) const;
    QString tanksNotReadWarning(const QString &databaseDir) const;

    // Loads the pipes, pumps and tanks files from the folder, in this order. Pump and
    // tank rows that get a line are switched to the strict variant first. Raises the
    // open error at the first file that cannot be read; later catalogs are then not
    // loaded and their count stays as it was.
    void load(const QString &databaseDir);

    // Whether another program (another copy of Quorvel, an editor) changed the pumps
    // or tanks file since load() read it or a save here wrote it: saving would then
    // undo that program's edit. False before any load.
    bool pumpsChangedOnDisk(const QString &databaseDir) const;
    bool tanksChangedOnDisk(const QString &databaseDir) const;

    // Write the pumps or tanks table, then its held lines, over its file in the folder.
    // An existing file that was not read is refused with "... was not read; saving
    // would erase it" and stays as it is.
    void savePumps(const QString &databaseDir);
    void saveTanks(const QString &databaseDir);

    // What a file held when last read or written here.
    struct Content {
        bool readable = false;
        QByteArray bytes;
        bool operator==(const Content &) const = default;
    };

private:
    // The content of each file as last read or written here; unset before any load.
    std::optional<Content> pumpsSeen_;
    std::optional<Content> tanksSeen_;
};

// Writes rows 0..rowCount()-1, each in its own variant, then the held lines as they
// are, to the file.
void saveCatalog(const CellTable &table, const QString &path, const HeldLines &held = {});

// Insert Row and Delete Row of a catalog table whose rows past the table hold the
// file's held lines: those rows move with the rest, so that none is overwritten, and
// a deleted row brings the first held line into the table's last row (it is then no
// longer held).
void insertCatalogRow(CellTable &table, int row, const HeldLines &held);
void deleteCatalogRow(CellTable &table, int row, HeldLines &held);

} // namespace quorvel
