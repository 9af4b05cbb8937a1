#include "designoutput.h"

#include "error.h"
#include "numbers.h"
#include "sheetlayout.h"
#include "showntexts.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

// The CSV and JSON keep their captions and texts in English for the programs that
// read them; the table is for people and shows them in the user's language.
enum class Language { English, Shown };

QString caption(const char *text, Language language)
{
    return language == Language::Shown ? QCoreApplication::translate("quorvel::ResultWriter", text)
                                       : QString::fromUtf8(text);
}

// The column captions, for lupdate.
[[maybe_unused]] constexpr const char *captionTexts[] = {
    QT_TRANSLATE_NOOP("quorvel::ResultWriter", "Line"),
    QT_TRANSLATE_NOOP("quorvel::ResultWriter", "Site"),
    QT_TRANSLATE_NOOP("quorvel::ResultWriter", "Pump description"),
    QT_TRANSLATE_NOOP("quorvel::ResultWriter", "Tank description"),
    QT_TRANSLATE_NOOP("quorvel::ResultWriter", "Flow velocity (m/s)"),
    QT_TRANSLATE_NOOP("quorvel::ResultWriter", "Hydraulic gradient (m/km)"),
    QT_TRANSLATE_NOOP("quorvel::ResultWriter", "Operating flow (L/s)"),
    QT_TRANSLATE_NOOP("quorvel::ResultWriter", "Operating head (m)"),
    QT_TRANSLATE_NOOP("quorvel::ResultWriter", "Hours at operating flow (h/day)"),
    QT_TRANSLATE_NOOP("quorvel::ResultWriter", "Notes"),
    QT_TRANSLATE_NOOP("quorvel::ResultWriter", "Summary"),
    QT_TRANSLATE_NOOP("quorvel::ResultWriter", "Item"),
    QT_TRANSLATE_NOOP("quorvel::ResultWriter", "Quantity"),
    QT_TRANSLATE_NOOP("quorvel::ResultWriter", "Unit"),
};

QString textIn(const TranslatableText &text, Language language)
{
    return language == Language::Shown ? text.shown : text.english;
}

QString twoDecimals(const SiteResult &r, double value)
{
    return r.stopped() ? QString() : QString::number(value, 'f', 2);
}

QStringList hydraulicCaptions(Language language)
{
    return {caption("Flow velocity (m/s)", language), caption("Hydraulic gradient (m/km)", language),
            caption("Operating flow (L/s)", language), caption("Operating head (m)", language),
            caption("Hours at operating flow (h/day)", language)};
}

// The operating point's three columns: empty without one, the head empty by
// gravity, the hours empty when the pump delivers nothing.
QStringList operatingPointColumns(const SiteResult &r)
{
    if (r.stopped() || !r.operatingPoint)
        return {QString(), QString(), QString()};
    const OperatingPoint &point = *r.operatingPoint;
    return {twoDecimals(r, point.flow), r.pumpDuty ? twoDecimals(r, point.head) : QString(),
            std::isfinite(point.hoursPerDay) ? twoDecimals(r, point.hoursPerDay) : QString()};
}

QStringList hydraulicsOf(const SiteResult &r)
{
    return QStringList{twoDecimals(r, r.design.velocity()), twoDecimals(r, r.design.gradient())} + operatingPointColumns(r);
}

// What the route of a site with a profile asks of the pipe: the highest pressure, the
// grade line's least height above the ground, the air valves and the surge rise
// (empty by gravity or without the pipe's rating); all empty without a profile.
QStringList routeCaptions()
{
    return {QStringLiteral("Maximum pressure (m)"), QStringLiteral("Minimum pressure head (m)"),
            QStringLiteral("Air valves"), QStringLiteral("Surge rise (m)")};
}

QStringList routeColumns(const SiteResult &r)
{
    if (r.stopped() || !r.route)
        return {QString(), QString(), QString(), QString()};
    const RouteAnalysis &a = r.route->analysis;
    // A grade line that ends on the ground is 0, not a rounding's -0.00.
    const auto metres = [&](double value) { return twoDecimals(r, std::abs(value) < 0.005 ? 0.0 : value); };
    return {metres(a.highest.head), metres(a.lowestFlowing.head), QString::number(a.highPoints.size()),
            r.route->surgeApplies() ? metres(a.surgeRise) : QString()};
}

QStringList columnCaptions()
{
    return QStringList{QStringLiteral("Line"), QStringLiteral("Site")} + resultCaptions()
         + QStringList{QStringLiteral("Pump description"), QStringLiteral("Tank description")}
         + hydraulicCaptions(Language::English) + routeCaptions()
         + QStringList{QStringLiteral("Notes"), QStringLiteral("Warnings"), QStringLiteral("Error")};
}

QStringList columnsOf(const SiteResult &r)
{
    return QStringList{QString::number(r.site.line), r.site.name} + r.results.texts()
         + QStringList{r.pump, r.tank} + hydraulicsOf(r) + routeColumns(r)
         + QStringList{englishTexts(r.notes).join(QStringLiteral("; ")), englishTexts(r.warnings).join(QStringLiteral("; ")),
                       r.failureText().english};
}

QStringList summaryColumns(const SummaryItem &item, Language language)
{
    return {textIn(item.group, language), textIn(item.item, language), quantityText(item.quantity),
            textIn(item.unit, language)};
}

QStringList summaryCaptions(Language language)
{
    return {caption("Summary", language), caption("Item", language), caption("Quantity", language),
            caption("Unit", language)};
}

// Comma text as the catalogs write it (only a comma or a quote makes a field
// quoted), and a line break too, so that a name holding one stays one record.
QByteArray csvLine(const QStringList &fields)
{
    QString line;
    for (int k = 0; k < fields.size(); ++k) {
        const QString &field = fields[k];
        if (k > 0)
            line += u',';
        if (field.contains(u'"') || field.contains(u',') || field.contains(u'\n') || field.contains(u'\r'))
            line += u'"' + QString(field).replace(u'"', QStringLiteral("\"\"")) + u'"';
        else
            line += field;
    }
    return line.toUtf8() + '\n';
}

class CsvWriter final : public ResultWriter {
public:
    explicit CsvWriter(QIODevice &out) : out_(out) { out_.write(csvLine(columnCaptions())); }
    void write(const SiteResult &result) override { writeNeutralised(columnsOf(result)); }
    void finish(const DesignSummary *summary) override
    {
        if (!summary)
            return;
        // The bill of quantities follows the sites after a blank line, as a table of its own.
        out_.write("\n");
        out_.write(csvLine(summaryCaptions(Language::English)));
        for (const SummaryItem &item : summary->items())
            writeNeutralised(summaryColumns(item, Language::English));
    }

private:
    void writeNeutralised(QStringList fields)
    {
        std::transform(fields.begin(), fields.end(), fields.begin(), neutralised);
        out_.write(csvLine(fields));
    }

    QIODevice &out_;
};

// JSON by hand, so that the keys keep their documented order.
QByteArray jsonString(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size() + 2);
    escaped += u'"';
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'"': escaped += QStringLiteral("\\\""); break;
        case u'\\': escaped += QStringLiteral("\\\\"); break;
        case u'\n': escaped += QStringLiteral("\\n"); break;
        case u'\r': escaped += QStringLiteral("\\r"); break;
        case u'\t': escaped += QStringLiteral("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                escaped += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                escaped += c;
        }
    }
    escaped += u'"';
    return escaped.toUtf8();
}

QByteArray jsonNumberOrString(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^-?(0|[1-9][0-9]*)(\\.[0-9]+)?([eE][+-]?[0-9]+)?$"));
    const QString trimmed = text.trimmed();
    return number.match(trimmed).hasMatch() ? trimmed.toUtf8() : jsonString(text);
}

QByteArray jsonNumber(double value)
{
    return std::isfinite(value) ? QByteArray::number(value, 'g', QLocale::FloatingPointShortest) : "null";
}

QByteArray jsonStrings(const QStringList &texts)
{
    QByteArray array = "[";
    for (int i = 0; i < texts.size(); ++i)
        array += (i ? "," : "") + jsonString(texts[i]);
    return array + "]";
}

QByteArray jsonObject(const QList<std::pair<const char *, QByteArray>> &members)
{
    QByteArray object = "{";
    for (int i = 0; i < members.size(); ++i)
        object += (i ? "," : "") + jsonString(QLatin1String(members[i].first)) + ':' + members[i].second;
    return object + "}";
}

QByteArray jsonNamed(const QStringList &captions, const QStringList &texts)
{
    QByteArray object = "{";
    for (int i = 0; i < captions.size(); ++i)
        object += (i ? "," : "") + jsonString(captions[i]) + ':' + jsonNumberOrString(texts.value(i));
    return object + "}";
}

QByteArray roundedJson(double value)
{
    return jsonNumber(std::round(value * 100) / 100);
}

QByteArray operatingPointJson(const SiteResult &r)
{
    if (r.stopped() || !r.operatingPoint)
        return "null";
    const OperatingPoint &point = *r.operatingPoint;
    return jsonObject({{"flow", roundedJson(point.flow)},
                       {"head", r.pumpDuty ? roundedJson(point.head) : QByteArray("null")},
                       {"hoursPerDay", roundedJson(point.hoursPerDay)}});
}

QByteArray jsonNumbers(const QList<double> &values)
{
    QByteArray array = "[";
    for (qsizetype i = 0; i < values.size(); ++i)
        array += (i ? "," : "") + roundedJson(values[i]);
    return array + ']';
}

QByteArray pressureJson(const PressureAt &at)
{
    return jsonObject({{"head", roundedJson(at.head)}, {"chainage", roundedJson(at.chainage)}});
}

// The route of a site with a profile: each point with its heads (m) and pressures
// (m of water), what the route asks of the pipe, and the findings of its checks in
// words.
QByteArray routeJson(const SiteResult &r)
{
    if (r.stopped() || !r.route)
        return "null";
    const SiteRoute &route = *r.route;
    const RouteAnalysis &a = route.analysis;
    QByteArray points = "[";
    for (qsizetype i = 0; i < a.points.size(); ++i) {
        const RouteHeads &h = a.points[i];
        points += (i ? "," : "")
                + jsonObject({{"chainage", roundedJson(h.chainage)},
                              {"elevation", roundedJson(h.ground)},
                              {"gradeLine", roundedJson(h.flowing)},
                              {"pressure", roundedJson(h.flowing - h.ground)},
                              {"staticPressure", roundedJson(h.standing - h.ground)},
                              {"shutOffPressure", h.shutOff ? roundedJson(*h.shutOff - h.ground) : QByteArray("null")}});
    }
    QByteArray stretches = "[";
    for (qsizetype i = 0; i < a.lowClearance.size(); ++i)
        stretches += (i ? "," : "") + jsonNumbers({a.lowClearance[i].from, a.lowClearance[i].to});
    QStringList findings;
    for (const DesignCheck &check : route.checks) {
        if (!check.message.isEmpty() && check.outcome != CheckOutcome::NotApplicable)
            findings << check.message.english;
    }
    return jsonObject({
        {"points", points + ']'},
        {"rating", route.rating ? jsonObject({{"pressure", roundedJson(route.rating->ratedPressure)},
                                              {"waveSpeed", roundedJson(route.rating->waveSpeed)}})
                                : QByteArray("null")},
        {"maximumPressure", pressureJson(a.highest)},
        {"minimumPressureHead", pressureJson(a.lowestFlowing)},
        {"surgeRise", route.surgeApplies() ? roundedJson(a.surgeRise) : QByteArray("null")},
        {"lowClearance", stretches + ']'},
        {"airValves", jsonNumbers(a.highPoints)},
        {"washouts", jsonNumbers(a.lowPoints)},
        {"breakPressureTanks", jsonNumbers(a.breakPressureTanks)},
        {"findings", jsonStrings(findings)},
    });
}

class JsonWriter final : public ResultWriter {
public:
    JsonWriter(QIODevice &out, bool withSummary) : out_(out), withSummary_(withSummary)
    {
        // With a summary the sites and the totals are two members of one object.
        out_.write(withSummary_ ? "{\"sites\": [" : "[");
    }
    void write(const SiteResult &r) override
    {
        const bool hasNumbers = !r.stopped(); // though a check may fail
        const QByteArray pump = hasNumbers && r.design.pumpCatalogRow != 0
            ? jsonObject({{"row", QByteArray::number(r.design.pumpCatalogRow)},
                          {"model", jsonString(r.pumpModel)},
                          {"description", jsonString(r.pump)}})
            : QByteArray("null");
        const QByteArray tank = hasNumbers && r.design.tankCatalogRow != 0
            ? jsonObject({{"row", QByteArray::number(r.design.tankCatalogRow)}, {"description", jsonString(r.tank)}})
            : QByteArray("null");
        const QByteArray site = jsonObject({
            {"line", QByteArray::number(r.site.line)},
            {"site", jsonString(r.site.name)},
            {"inputs", jsonNamed(inputCaptions(), r.site.inputs.texts())},
            {"results", hasNumbers ? jsonNamed(resultCaptions(), r.results.texts()) : QByteArray("null")},
            {"velocity", hasNumbers ? roundedJson(r.design.velocity()) : QByteArray("null")},
            {"gradient", hasNumbers ? roundedJson(r.design.gradient()) : QByteArray("null")},
            {"operatingPoint", operatingPointJson(r)},
            {"pump", pump},
            {"tank", tank},
            {"profile", routeJson(r)},
            {"notes", jsonStrings(englishTexts(r.notes))},
            {"warnings", jsonStrings(englishTexts(r.warnings))},
            {"failures", jsonStrings(englishTexts(r.failures))},
            {"designed", r.failed() ? QByteArray("false") : QByteArray("true")},
            {"error", hasNumbers ? QByteArray("null") : jsonString(r.errorText().english)},
        });
        out_.write(first_ ? "\n" : ",\n");
        first_ = false;
        out_.write(site);
    }
    void finish(const DesignSummary *summary) override
    {
        out_.write("\n]");
        if (withSummary_) {
            QByteArray items;
            for (const SummaryItem &item : summary ? summary->items() : QList<SummaryItem>())
                items += (items.isEmpty() ? "\n" : ",\n")
                       + jsonObject({{"group", jsonString(item.group.english)},
                                     {"item", jsonString(item.item.english)},
                                     {"quantity", jsonNumber(std::round(item.quantity * 1000) / 1000)},
                                     {"unit", jsonString(item.unit.english)}});
            out_.write(",\n\"summary\": [" + items + "\n]}");
        }
        out_.write("\n");
    }

private:
    QIODevice &out_;
    bool withSummary_;
    bool first_ = true;
};

// Columns as wide as their widest text, so the table needs every site first.
class TableWriter final : public ResultWriter {
public:
    explicit TableWriter(QIODevice &out) : out_(out)
    {
        constexpr Language shown = Language::Shown;
        QStringList captions{caption("Line", shown), caption("Site", shown)};
        const QStringList units = resultUnits();
        const QStringList results = resultCaptions();
        for (int i = 0; i < results.size(); ++i)
            captions << shownSheetText(results[i]) + QStringLiteral(" (") + shownSheetText(units[i]) + QLatin1Char(')');
        captions << caption("Pump description", shown) << caption("Tank description", shown)
                 << hydraulicCaptions(shown) << caption("Notes", shown);
        rows_ << captions;
    }
    void write(const SiteResult &r) override
    {
        // One line a site: a line break in a name shows as a blank.
        const QString name = QString(r.site.name).replace(u'\r', u' ').replace(u'\n', u' ');
        rows_ << (QStringList{QString::number(r.site.line), name} + r.results.texts()
                  + QStringList{shownSheetText(r.pump), shownSheetText(r.tank)} + hydraulicsOf(r)
                  + QStringList{notesOf(r)});
    }
    void finish(const DesignSummary *summary) override
    {
        writeAligned(rows_);
        if (!summary)
            return;
        QList<QStringList> lines{summaryCaptions(Language::Shown)};
        for (const SummaryItem &item : summary->items())
            lines << summaryColumns(item, Language::Shown);
        out_.write("\n");
        writeAligned(lines);
    }

private:
    void writeAligned(const QList<QStringList> &rows)
    {
        QList<qsizetype> widths(rows.first().size(), 0);
        for (const QStringList &row : rows)
            for (int k = 0; k < row.size(); ++k)
                widths[k] = std::max(widths[k], row[k].size());
        for (const QStringList &row : rows) {
            QString line;
            for (int k = 0; k < row.size(); ++k) {
                if (k > 0)
                    line += QStringLiteral("  ");
                line += k + 1 < row.size() ? row[k].leftJustified(widths[k]) : row[k];
            }
            out_.write(line.toUtf8() + '\n');
        }
    }

    QIODevice &out_;
    QList<QStringList> rows_;
};

} // namespace

QString neutralised(const QString &field)
{
    if (field.isEmpty() || !QStringLiteral("=+-@").contains(field.front()))
        return field;
    try {
        parseNumber(field);
        return field;
    } catch (const Error &) {
        return QLatin1Char('\'') + field;
    }
}

QString notesOf(const SiteResult &result)
{
    if (result.stopped())
        return QCoreApplication::translate("quorvel::ResultWriter", "error: ") + result.errorText().shown;
    QStringList notes = shownTexts(result.notes + result.warnings);
    if (!result.failures.isEmpty())
        notes.prepend(QCoreApplication::translate("quorvel::ResultWriter", "not designed: ")
                      + joinShown(shownTexts(result.failures)));
    return joinShown(notes);
}

std::unique_ptr<ResultWriter> ResultWriter::create(Format format, QIODevice &out, bool withSummary)
{
    switch (format) {
    case Format::Csv: return std::make_unique<CsvWriter>(out);
    case Format::Json: return std::make_unique<JsonWriter>(out, withSummary);
    case Format::Table: break;
    }
    return std::make_unique<TableWriter>(out);
}

} // namespace quorvel
