#include "sitesfile.h"

#include "error.h"
#include "linelist.h"
#include "spreadsheettext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <optional>
#include <utility>

namespace quorvel {

namespace {

// What captionInput gives for the profile column.
constexpr int profileCaption = InputTexts::lastRow + 1;

// The input a caption names (InputRow::*), 0 for the site's name, profileCaption for
// the profile's file, -1 for none.
int captionInput(const QString &caption)
{
    const QString normal = normalCaption(caption);
    for (int row = InputTexts::firstRow; row <= InputTexts::lastRow; ++row) {
        for (const QString &known : SitesFile::knownCaptions(row)) {
            if (normalCaption(known) == normal)
                return row;
        }
    }
    for (const QString &known : SitesFile::nameCaptions()) {
        if (normalCaption(known) == normal)
            return 0;
    }
    for (const QString &known : SitesFile::profileCaptions()) {
        if (normalCaption(known) == normal)
            return profileCaption;
    }
    return -1;
}

const char *const shortCaptions[] = {"L", "Zw", "Zt", "P", "T", "U", "K"};
const char *const longCaptions[] = {"Pipeline length", "Source elevation", "Storage elevation", "Population",
                                    "Pumping hours", "Daily usage", "People per tap"};

} // namespace

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

QStringList SitesFile::profileCaptions()
{
    return {QStringLiteral("Profile"), QStringLiteral("Profile file"), QStringLiteral("Route"), QStringLiteral("GPX")};
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
    folder_ = standardInput ? QDir::currentPath() : QFileInfo(path).absolutePath();
    records_ = splitRecords(text_);
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
    skipBlankRows();
    if (records_.isEmpty())
        throw Error(QCoreApplication::translate("quorvel::SitesFile", "%1: the file holds no site, only its caption line").arg(name_));
}

void SitesFile::mapColumns(const QStringList &captions)
{
    QList<std::pair<int, QString>> ignored; // each column's number and caption
    QStringList twice;
    for (int col = 0; col < captions.size(); ++col) {
        const int found = captionInput(captions[col]);
        if (found < 0) {
            ignored << std::pair(col + 1, captions[col].trimmed());
            continue;
        }
        if (found == profileCaption) {
            if (profileColumn_ >= 0)
                twice << captions[col].trimmed();
            else
                profileColumn_ = col;
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
    for (const auto &[column, caption] : ignored)
        notices_ << QCoreApplication::translate("quorvel::SitesFile", "%1 line 1: column %2 \"%3\" is not an input, ignored")
                        .arg(name_, QString::number(column), caption);
}

QStringList SitesFile::fields(const Record &record) const
{
    return splitFields(QStringView(text_).mid(record.start, record.length), delimiter_);
}

bool SitesFile::blankRow(const Record &record) const
{
    // Most records hold a character that no blank row holds: no need to split them.
    const QStringView text = QStringView(text_).mid(record.start, record.length);
    if (!std::all_of(text.begin(), text.end(), [this](QChar c) { return c.isSpace() || c == u'"' || c == delimiter_; }))
        return false;
    const QStringList texts = fields(record);
    return std::all_of(texts.begin(), texts.end(), [](const QString &field) { return field.trimmed().isEmpty(); });
}

void SitesFile::skipBlankRows()
{
    const qsizetype blank = records_.removeIf([this](const Record &record) { return blankRow(record); });
    if (blank == 1)
        notices_ << QCoreApplication::translate("quorvel::SitesFile", "%1: 1 blank row skipped").arg(name_);
    else if (blank > 1)
        notices_ << QCoreApplication::translate("quorvel::SitesFile", "%1: %2 blank rows skipped").arg(name_).arg(blank);
}

Site SitesFile::site(int index) const
{
    const Record &record = records_.at(index);
    const QStringList texts = fields(record);
    Site site;
    site.line = record.line;
    site.name = texts.value(nameColumn_);
    site.captions = captions_;
    // A profile's file is found beside the sites file (standard input: the current folder).
    if (const QString profile = texts.value(profileColumn_).trimmed(); !profile.isEmpty())
        site.profile = QDir(folder_).filePath(profile);
    for (int row = InputTexts::firstRow; row <= InputTexts::lastRow; ++row) {
        const QString text = texts.value(inputColumns_[row]);
        const std::optional<QString> number = decimalComma_ ? decimalCommaNumber(text) : text;
        site.inputs[row] = number.value_or(text);
        if (!number && site.unreadInput == 0) {
            site.unreadInput = row;
            site.unreadReason = translatable("quorvel::SitesFile", "ambiguous point: with decimal commas a point only separates thousands, as in 1.200,5");
        }
    }
    return site;
}

} // namespace quorvel
