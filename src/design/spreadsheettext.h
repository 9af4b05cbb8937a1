#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace quorvel {

// Text files as spreadsheets write them: comma-separated (or, as European
// spreadsheets save them, semicolon-separated with decimal commas), quoted fields
// that may hold the separator, quotes and line breaks, UTF-8 with or without a
// byte-order mark or else Windows-1252. Shared by the sites file and the route files.

// Bytes as text: UTF-8 (with or without a byte-order mark) when valid, UTF-16 with
// its byte-order mark, else Windows-1252.
QString decodeText(const QByteArray &bytes);

// One record of a text: where it starts, how long it is, and the line it starts on.
struct TextRecord {
    int line;        // from 1
    qsizetype start;
    qsizetype length;
};

// The records of a text: a line break inside quotes belongs to its field. Blank
// records are skipped; line numbers count the text's lines from 1.
QList<TextRecord> splitRecords(const QString &text);

// The fields of one record by the quoting rules above.
QStringList splitFields(QStringView record, QChar delimiter);

// Counts a character outside quotes.
qsizetype countOutsideQuotes(QStringView text, QChar wanted);

// Captions compared on their letters and digits alone, units in brackets left out,
// camel case parted and synonyms read as one word: "Persons/tap (people)",
// "PeoplePerTap" and "# people per tap" are one caption.
QString normalCaption(const QString &caption);

// A number of a decimal-comma file as the program reads numbers: the comma is the
// decimal mark, and a point may only separate thousands, between groups of three
// digits after a first group of one to three that is not 0 ("1.200,5" is 1200.5).
// Nothing for any other point: in "1.5" or "0.500" it may be a decimal point.
std::optional<QString> decimalCommaNumber(const QString &text);

// A number as files write it, with a decimal point whatever the user's locale, blanks
// around it ignored; none for anything else.
std::optional<double> fileNumber(QStringView text);

// The first column whose caption is one of the known ones (given as normalCaption
// makes them); -1 for none.
qsizetype captionColumn(const QStringList &captions, const QStringList &knownNormal);

} // namespace quorvel
