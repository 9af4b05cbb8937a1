#include "designoutput.h"

#include "celltable.h"
#include "rowlist.h"
#include "sheetlayout.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace quorvel {

namespace {

QStringList columnCaptions()
{
    return QStringList{QStringLiteral("Line"), QStringLiteral("Site")} + resultCaptions()
         + QStringList{QStringLiteral("Pump description"), QStringLiteral("Tank description"),
                       QStringLiteral("Warnings"), QStringLiteral("Error")};
}

QStringList columnsOf(const SiteResult &r)
{
    return QStringList{QString::number(r.site.line), r.site.name} + r.results.texts()
         + QStringList{r.pump, r.tank, r.warnings.join(QStringLiteral("; ")), r.error};
}

// Comma text by the catalogs' rules: only commas and quotes make a field quoted.
class CsvWriter final : public ResultWriter {
public:
    explicit CsvWriter(QIODevice &out) : out_(out), line_(int(columnCaptions().size()), 1)
    {
        line_.setStrictDelimiter(0, true);
        writeLine(columnCaptions());
    }
    void write(const SiteResult &result) override { writeLine(columnsOf(result)); }
    void finish() override {}

private:
    void writeLine(const QStringList &fields)
    {
        for (int k = 0; k < fields.size(); ++k)
            line_.setCell(k, 0, fields[k]);
        out_.write(rowList(line_, 0).commaText().toUtf8() + '\n');
    }

    QIODevice &out_;
    CellTable line_;
};

class JsonWriter final : public ResultWriter {
public:
    explicit JsonWriter(QIODevice &out) : out_(out) { out_.write("["); }
    void write(const SiteResult &r) override
    {
        QJsonObject site;
        site.insert(QStringLiteral("line"), r.site.line);
        site.insert(QStringLiteral("site"), r.site.name);
        site.insert(QStringLiteral("inputs"), named(inputCaptions(), r.site.inputs.texts()));
        site.insert(QStringLiteral("results"), r.failed() ? QJsonValue() : QJsonValue(named(resultCaptions(), r.results.texts())));
        if (r.pumpCatalogRow != 0 && !r.failed())
            site.insert(QStringLiteral("pump"), QJsonObject{{QStringLiteral("row"), r.pumpCatalogRow},
                                                            {QStringLiteral("description"), r.pump},
                                                            {QStringLiteral("choice"), r.pumpByDuty ? QStringLiteral("first to reach the duty") : QStringLiteral("named")}});
        else
            site.insert(QStringLiteral("pump"), QJsonValue());
        if (r.tankCatalogRow != 0 && !r.failed())
            site.insert(QStringLiteral("tank"), QJsonObject{{QStringLiteral("row"), r.tankCatalogRow},
                                                            {QStringLiteral("description"), r.tank}});
        else
            site.insert(QStringLiteral("tank"), QJsonValue());
        site.insert(QStringLiteral("warnings"), QJsonArray::fromStringList(r.warnings));
        site.insert(QStringLiteral("error"), r.failed() ? QJsonValue(r.error) : QJsonValue());
        out_.write(first_ ? "\n" : ",\n");
        first_ = false;
        out_.write(QJsonDocument(site).toJson(QJsonDocument::Compact));
    }
    void finish() override { out_.write("\n]\n"); }

private:
    static QJsonObject named(const QStringList &captions, const QStringList &texts)
    {
        QJsonObject object;
        for (int i = 0; i < captions.size(); ++i)
            object.insert(captions[i], texts.value(i));
        return object;
    }

    QIODevice &out_;
    bool first_ = true;
};

// Columns as wide as their widest text, so the table needs every site first.
class TableWriter final : public ResultWriter {
public:
    explicit TableWriter(QIODevice &out) : out_(out)
    {
        QStringList captions{QStringLiteral("Line"), QStringLiteral("Site")};
        const QStringList units = resultUnits();
        const QStringList results = resultCaptions();
        for (int i = 0; i < results.size(); ++i)
            captions << results[i] + QStringLiteral(" (") + units[i] + QLatin1Char(')');
        captions << QStringLiteral("Pump description") << QStringLiteral("Tank description") << QStringLiteral("Notes");
        rows_ << captions;
    }
    void write(const SiteResult &r) override
    {
        rows_ << (QStringList{QString::number(r.site.line), r.site.name} + r.results.texts()
                  + QStringList{r.pump, r.tank, notesOf(r)});
    }
    void finish() override
    {
        QList<qsizetype> widths(rows_.first().size(), 0);
        for (const QStringList &row : rows_)
            for (int k = 0; k < row.size(); ++k)
                widths[k] = std::max(widths[k], row[k].size());
        for (const QStringList &row : rows_) {
            QString line;
            for (int k = 0; k < row.size(); ++k) {
                if (k > 0)
                    line += QStringLiteral("  ");
                line += k + 1 < row.size() ? row[k].leftJustified(widths[k]) : row[k];
            }
            out_.write(line.toUtf8() + '\n');
        }
    }

private:
    QIODevice &out_;
    QList<QStringList> rows_;
};

} // namespace

QString notesOf(const SiteResult &result)
{
    if (result.failed())
        return QStringLiteral("error: ") + result.error;
    QString notes = result.warnings.join(QStringLiteral("; "));
    if (result.pumpByDuty)
        notes.prepend(notes.isEmpty() ? QStringLiteral("pump: first to reach the duty")
                                      : QStringLiteral("pump: first to reach the duty; "));
    return notes;
}

std::unique_ptr<ResultWriter> ResultWriter::create(Format format, QIODevice &out)
{
    switch (format) {
    case Format::Csv: return std::make_unique<CsvWriter>(out);
    case Format::Json: return std::make_unique<JsonWriter>(out);
    case Format::Table: break;
    }
    return std::make_unique<TableWriter>(out);
}

} // namespace quorvel
