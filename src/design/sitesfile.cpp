#include "sitesfile.h"

#include "codepage.h"
#include "error.h"
#include "linelist.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

namespace quorvel {

namespace {

// Captions compared without case, blanks, punctuation and units in brackets:
// "Population (people)", "population" and " POPULATION " are one caption.
QString normalCaption(const QString &caption)
{
    static const QRegularExpression units(QStringLiteral("[(\\[][^)\\]]*[)\\]]"));
    static const QRegularExpression punctuation(QStringLiteral("[^\\p{L}\\p{N}]+"));
    QString text = caption;
    text.remove(units);
    text.replace(punctuation, QStringLiteral(" "));
    return text.simplified().toLower();
}

// The records of a text: a line break inside quotes belongs to its field. Blank
// records are skipped; line numbers count the text's lines from 1.
template <typename Record>
QList<Record> splitRecords(const QString &text)
{
    QList<Record> records;
    bool quoted = false;
    int line = 1;
    int recordLine = 1;
    qsizetype start = 0;
    const auto close = [&](qsizetype end) {
        if (!QStringView(text).mid(start, end - start).trimmed().isEmpty())
            records.append(Record{recordLine, start, end - start});
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

const char *const shortCaptions[] = {"L", "Zw", "Zt", "P", "T", "U", "K"};
const char *const longCaptions[] = {"Pipeline length", "Source elevation", "Storage elevation", "Population",
                                    "Pumping hours", "Daily usage", "People per tap"};

} // namespace

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

QStringList SitesFile::knownCaptions(int inputRow)
{
    QStringList captions{QString::fromLatin1(shortCaptions[inputRow - 1]),
                         QString::fromLatin1(longCaptions[inputRow - 1]), inputDescription(inputRow)};
    switch (inputRow) {
    case InputRow::PipelineLength: captions << QStringLiteral("Length") << QStringLiteral("Pipe length"); break;
    case InputRow::SourceElevation: captions << QStringLiteral("Source") << QStringLiteral("Zs"); break;
    case InputRow::StorageElevation: captions << QStringLiteral("Storage") << QStringLiteral("Tank elevation"); break;
    case InputRow::Population: captions << QStringLiteral("People"); break;
    case InputRow::PumpingHours: captions << QStringLiteral("Hours") << QStringLiteral("Pumping time"); break;
    case InputRow::DailyUsage: captions << QStringLiteral("Usage"); break;
    case InputRow::PeoplePerTap: captions << QStringLiteral("Per tap"); break;
    }
    return captions;
}

QStringList SitesFile::nameCaptions()
{
    return {QStringLiteral("Site"), QStringLiteral("Name"), QStringLiteral("Site name")};
}

void SitesFile::load(const QString &path, bool headerless)
{
    const bool standardInput = path == QLatin1String("-");
    name_ = standardInput ? QCoreApplication::translate("quorvel::SitesFile", "standard input") : path;
    QByteArray bytes;
    if (standardInput) {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly))
            throw Error(QCoreApplication::translate("quorvel::SitesFile", "Cannot read the standard input"));
        bytes = in.readAll();
    } else {
        bytes = LineList::readFileBytes(path);
    }
    text_ = decodeText(bytes);
    records_ = splitRecords<Record>(text_);
    if (records_.isEmpty())
        throw Error(QCoreApplication::translate("quorvel::SitesFile", "%1: the file holds no line; expected captions, then one site a line").arg(name_));

    const QStringView first = QStringView(text_).mid(records_.first().start, records_.first().length);
    const qsizetype semicolons = countOutsideQuotes(first, u';');
    if (semicolons > 0 && semicolons >= countOutsideQuotes(first, u',')) {
        delimiter_ = u';';
        decimalComma_ = true;
        notices_ << QCoreApplication::translate("quorvel::SitesFile", "%1: semicolon-separated with decimal commas, read as a European spreadsheet saves it")
                        .arg(name_);
    }

    if (headerless) {
        nameColumn_ = 0;
        for (int row = InputTexts::firstRow; row <= InputTexts::lastRow; ++row) {
            inputColumns_[row] = row;
            captions_[row] = QString::fromLatin1(shortCaptions[row - 1]);
        }
    } else {
        mapColumns(fields(records_.takeFirst()));
    }
    if (records_.isEmpty())
        throw Error(QCoreApplication::translate("quorvel::SitesFile", "%1: the file holds no site, only its caption line").arg(name_));
}

void SitesFile::mapColumns(const QStringList &captions)
{
    QStringList ignored;
    QStringList twice;
    for (int col = 0; col < captions.size(); ++col) {
        const QString caption = normalCaption(captions[col]);
        int found = -1;
        for (int row = InputTexts::firstRow; found < 0 && row <= InputTexts::lastRow; ++row) {
            for (const QString &known : knownCaptions(row)) {
                if (normalCaption(known) == caption)
                    found = row;
            }
        }
        if (found < 0 && nameCaptions().contains(caption, Qt::CaseInsensitive))
            found = 0;
        if (found < 0) {
            ignored << QStringLiteral("%1 \"%2\"").arg(col + 1).arg(captions[col].trimmed());
            continue;
        }
        int &column = found == 0 ? nameColumn_ : inputColumns_[found];
        if (found == 0 ? nameColumn_ >= 0 : !captions_[found].isEmpty()) {
            twice << captions[col].trimmed();
            continue;
        }
        column = col;
        if (found > 0)
            captions_[found] = captions[col].trimmed();
    }

    QStringList missing;
    for (int row = InputTexts::firstRow; row <= InputTexts::lastRow; ++row) {
        if (captions_[row].isEmpty())
            missing << QString::fromLatin1(shortCaptions[row - 1]);
    }
    QStringList expected;
    for (int row = InputTexts::firstRow; row <= InputTexts::lastRow; ++row)
        expected << QStringLiteral("%1 (%2)").arg(QLatin1String(shortCaptions[row - 1]),
                                                  QLatin1String(longCaptions[row - 1]));
    const QString expectation =
        QCoreApplication::translate("quorvel::SitesFile", "expected the captions Site and %1, in any order; a file without captions needs --no-header")
            .arg(expected.join(QStringLiteral(", ")));
    if (missing.size() == InputTexts::lastRow)
        throw Error(QCoreApplication::translate("quorvel::SitesFile", "%1 line 1: no known caption; %2").arg(name_, expectation));
    if (!missing.isEmpty())
        throw Error(QCoreApplication::translate("quorvel::SitesFile", "%1 line 1: no column for %2; %3").arg(name_, missing.join(QStringLiteral(", ")), expectation));
    if (!twice.isEmpty())
        throw Error(QCoreApplication::translate("quorvel::SitesFile", "%1 line 1: the input of column \"%2\" has a column already").arg(name_, twice.first()));
    if (!ignored.isEmpty())
        notices_ << QCoreApplication::translate("quorvel::SitesFile", "%1 line 1: column %2 is not an input, ignored")
                        .arg(name_, ignored.join(QStringLiteral(", column ")));
}

QStringList SitesFile::fields(const Record &record) const
{
    return splitFields(QStringView(text_).mid(record.start, record.length), delimiter_);
}

Site SitesFile::site(int index) const
{
    const Record &record = records_.at(index);
    const QStringList texts = fields(record);
    Site site;
    site.line = record.line;
    site.name = texts.value(nameColumn_);
    site.captions = captions_;
    for (int row = InputTexts::firstRow; row <= InputTexts::lastRow; ++row) {
        QString text = texts.value(inputColumns_[row]);
        if (decimalComma_)
            text.replace(u',', u'.');
        site.inputs[row] = text;
    }
    return site;
}

} // namespace quorvel
