#pragma once

#include "sitedesign.h"
#include "spreadsheettext.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace quorvel {

// A sites file as spreadsheets write it: comma-separated (or, as European
// spreadsheets save it, semicolon-separated with decimal commas), quoted fields that
// may hold the separator, quotes and line breaks, UTF-8 with or without a byte-order
// mark or else Windows-1252. The first line's captions say which column holds which
// input, in any order; a file without captions is read in the documented order only
// when asked to. The text is kept and each site is made when it is asked for, so a
// long file costs its text and little more. In a decimal-comma file a point separates
// thousands ("1.200,5"); any other point is refused, as it may be a decimal point.
class SitesFile {
public:
    // Reads the file, "-" standard input. Raises Error naming the file and line when
    // it cannot be read or its captions do not name every input.
    void load(const QString &path, bool headerless = false);

    // The name used in messages: the path as given, "standard input" for "-".
    QString displayName() const { return name_; }
    // What the reader noticed once for the whole file: the European format, columns
    // that are not inputs.
    const QStringList &notices() const { return notices_; }

    int siteCount() const { return int(records_.size()); }
    Site site(int index) const;

    // The documented captions of each input (the short form first), of the name, and
    // of the column naming each site's profile file (relative to the sites file).
    static QStringList knownCaptions(int inputRow);
    static QStringList nameCaptions();
    static QStringList profileCaptions();

private:
    using Record = TextRecord;
    QStringList fields(const Record &record) const;
    // A row of empty cells, as spreadsheets end an export: every field blank.
    bool blankRow(const Record &record) const;
    // Drops the blank rows among the sites, counted in one notice.
    void skipBlankRows();
    void mapColumns(const QStringList &captions);

    QString name_;
    QString folder_; // where the profiles' files are found
    QString text_;
    QList<Record> records_; // the sites' records, captions, blank lines and blank rows excluded
    QChar delimiter_ = u',';
    bool decimalComma_ = false;
    int nameColumn_ = -1;
    int profileColumn_ = -1;
    int inputColumns_[InputTexts::lastRow + 1] = {};
    InputTexts captions_; // the file's caption of each input
    QStringList notices_;
};

} // namespace quorvel
