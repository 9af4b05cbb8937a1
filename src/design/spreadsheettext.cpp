#include "spreadsheettext.h"

#include "codepage.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <iterator>
#include <utility>

namespace quorvel {

namespace {

// The words of a caption, lower-cased: runs of letters and digits, parted by anything
// else and where a capital follows a small letter ("PerTap"); a slash is the word "per".
QStringList captionWords(QStringView caption)
{
    QStringList words{QString()};
    QChar previous;
    for (const QChar c : caption) {
        if (c == u'/')
            words << QStringLiteral("per") << QString();
        else if (!c.isLetterOrNumber())
            words << QString();
        else if (c.isUpper() && previous.isLower())
            words << QString(c.toLower());
        else
            words.last() += c.toLower();
        previous = c;
    }
    return words;
}

// Words people use for one another in captions.
const std::pair<const char *, const char *> synonyms[] = {
    {"persons", "people"}, {"person", "people"}, {"pipe", "pipeline"}};

} // namespace

// Captions compared on their letters and digits alone, units in brackets left out and
// synonyms read as one word: "Persons/tap (people)", "PeoplePerTap" and "# people per
// tap" are one caption.
QString normalCaption(const QString &caption)
{
    static const QRegularExpression units(QStringLiteral("[(\\[][^)\\]]*[)\\]]"));
    QString text = caption;
    text.remove(units);
    QString normal;
    for (const QString &word : captionWords(text)) {
        const auto synonym = std::find_if(std::begin(synonyms), std::end(synonyms),
                                          [&](const auto &pair) { return word == QLatin1String(pair.first); });
        normal += synonym == std::end(synonyms) ? word : QString::fromLatin1(synonym->second);
    }
    return normal;
}

// A number of a decimal-comma file as the program reads numbers: the comma is the
// decimal mark, and a point may only separate thousands, between groups of three
// digits after a first group of one to three that is not 0 ("1.200,5" is 1200.5).
// Nothing for any other point: in "1.5" or "0.500" it may be a decimal point.
std::optional<QString> decimalCommaNumber(const QString &text)
{
    static const QRegularExpression thousands(QStringLiteral("^\\s*[+-]?[1-9][0-9]{0,2}(\\.[0-9]{3})+(,[0-9]*)?\\s*$"));
    if (!text.contains(u'.'))
        return QString(text).replace(u',', u'.');
    if (!thousands.match(text).hasMatch())
        return std::nullopt;
    return text.trimmed().remove(u'.').replace(u',', u'.');
}

// The records of a text: a line break inside quotes belongs to its field. Blank
// records are skipped; line numbers count the text's lines from 1.
QList<TextRecord> splitRecords(const QString &text)
{
    QList<TextRecord> records;
    bool quoted = false;
    int line = 1;
    int recordLine = 1;
    qsizetype start = 0;
    const auto close = [&](qsizetype end) {
        if (!QStringView(text).mid(start, end - start).trimmed().isEmpty())
            records.append(TextRecord{recordLine, start, end - start});
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'"') {
            quoted = !quoted;
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            ++line;
            if (quoted)
                continue;
            close(c == u'\r' && text[i] == u'\n' ? i - 1 : i);
            start = i + 1;
            recordLine = line;
        }
    }
    close(text.size());
    return records;
}

// Counts a character outside quotes.
qsizetype countOutsideQuotes(QStringView text, QChar wanted)
{
    qsizetype count = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && c == wanted)
            ++count;
    }
    return count;
}

QString decodeText(const QByteArray &bytes)
{
    if (const auto encoding = QStringConverter::encodingForData(bytes);
        encoding && *encoding != QStringConverter::Utf8) {
        QStringDecoder decoder(*encoding);
        return decoder.decode(bytes);
    }
    QStringDecoder utf8(QStringConverter::Utf8); // drops a byte-order mark
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? decodeCodePage(bytes) : text;
}

QStringList splitFields(QStringView record, QChar delimiter)
{
    QStringList fields;
    QString field;
    bool quoted = false;     // inside a quoted part
    bool wasQuoted = false;  // the field began with a quote
    for (qsizetype i = 0; i < record.size(); ++i) {
        const QChar c = record[i];
        if (quoted) {
            if (c != u'"')
                field += c;
            else if (i + 1 < record.size() && record[i + 1] == u'"')
                field += record[++i];
            else
                quoted = false;
        } else if (c == delimiter) {
            fields << field;
            field.clear();
            wasQuoted = false;
        } else if (c == u'"' && field.isEmpty() && !wasQuoted) {
            quoted = wasQuoted = true;
        } else {
            field += c;
        }
    }
    fields << field;
    return fields;
}

std::optional<double> fileNumber(QStringView text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

qsizetype captionColumn(const QStringList &captions, const QStringList &knownNormal)
{
    for (qsizetype c = 0; c < captions.size(); ++c) {
        if (knownNormal.contains(normalCaption(captions[c])))
            return c;
    }
    return -1;
}

} // namespace quorvel
