#include "piperatings.h"

#include "error.h"
#include "files.h"
#include "linelist.h"
#include "spreadsheettext.h"

#include <QDir>

#include <cmath>

namespace quorvel {

namespace {

QString folded(const QString &material)
{
    return material.trimmed().toCaseFolded();
}

enum Column { Material, Nominal, Pressure, WaveSpeed, Columns };
const char *const captions[Columns] = {"Material", "Nominal (in)", "Rated pressure (bar)", "Wave speed (m/s)"};

} // namespace

PipeRatings PipeRatings::load(const QString &databaseFolder)
{
    const QString path = QDir(databaseFolder).filePath(QLatin1String(fileName));
    return fileExists(path) ? read(path) : PipeRatings();
}

PipeRatings PipeRatings::read(const QString &path)
{
    const QString text = decodeText(LineList::readFileBytes(path));
    const QList<TextRecord> records = splitRecords(text);
    const auto fieldsOf = [&](const TextRecord &r) { return splitFields(QStringView(text).mid(r.start, r.length), u','); };
    qsizetype columns[Columns];
    const QStringList found = records.isEmpty() ? QStringList() : fieldsOf(records.first());
    for (int k = 0; k < Columns; ++k)
        columns[k] = captionColumn(found, {normalCaption(QString::fromLatin1(captions[k]))});
    for (const int k : {Material, Pressure, WaveSpeed}) {
        if (columns[k] < 0)
            throw Error(translatable("quorvel::PipeRatings", "%1 line 1: no column %2; expected the captions No, Material, "
                                                             "Nominal (in), Rated pressure (bar), Wave speed (m/s), Source")
                            .arg(path, QString::fromLatin1(captions[k])));
    }

    PipeRatings ratings;
    for (qsizetype i = 1; i < records.size(); ++i) {
        const QStringList fields = fieldsOf(records[i]);
        const auto number = [&](int k, bool optional) -> std::optional<double> {
            const QString field = fields.value(columns[k]).trimmed();
            if (optional && field.isEmpty())
                return std::nullopt;
            const std::optional<double> value = fileNumber(field);
            if (!value || !std::isfinite(*value) || *value <= 0)
                throw Error(translatable("quorvel::PipeRatings", "%1 line %2, %3: '%4' is not a positive number")
                                .arg(path, QString::number(records[i].line), QString::fromLatin1(captions[k]), field));
            return value;
        };
        const QString material = fields.value(columns[Material]);
        if (material.trimmed().isEmpty())
            continue; // a row of empty cells
        const std::optional<double> nominal = columns[Nominal] < 0 ? std::nullopt : number(Nominal, true);
        ratings.rows_.append({folded(material), nominal, PipeRating{*number(Pressure, false), *number(WaveSpeed, false)}});
    }
    return ratings;
}

std::optional<PipeRating> PipeRatings::find(const QString &material, double nominal) const
{
    const QString wanted = folded(material);
    std::optional<PipeRating> anySize;
    for (const Row &row : rows_) {
        if (row.material != wanted)
            continue;
        if (row.nominal && *row.nominal == nominal)
            return row.rating;
        if (!row.nominal && !anySize)
            anySize = row.rating;
    }
    return anySize;
}

} // namespace quorvel
