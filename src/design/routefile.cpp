#include "routefile.h"

#include "error.h"
#include "linelist.h"
#include "spreadsheettext.h"

#include <QXmlStreamReader>

#include <GeographicLib/Geodesic.hpp>

#include <cmath>
#include <optional>
#include <utility>

namespace quorvel {

namespace {

// A number as a route file writes it, in its decimal convention; none for anything else.
std::optional<double> numberIn(const QString &field, bool decimalComma)
{
    const std::optional<QString> text = decimalComma ? decimalCommaNumber(field) : field;
    return text ? fileNumber(*text) : std::nullopt;
}

const char *const distanceCaptions[] = {"Distance", "Chainage", "Station", "Dist", "Distance along the pipe",
                                        "Cumulative distance", "Length"};
const char *const elevationCaptions[] = {"Elevation", "Ground elevation", "Altitude", "Height", "Ele", "Z",
                                         "Ground level", "Level"};

// The captions as compared, made once.
template <std::size_t n>
QStringList normalCaptions(const char *const (&known)[n])
{
    QStringList normal;
    for (const char *k : known)
        normal << normalCaption(QString::fromLatin1(k));
    return normal;
}

void checkRising(const QString &file, int line, const TranslatableText &where, const QList<RoutePoint> &points,
                 double distance)
{
    const auto plain = [](const QString &text) { return TranslatableText::plain(text); };
    if (!points.isEmpty() && !(distance > points.last().chainage))
        throw Error(translatable("quorvel::RouteFile", "%1 line %2, %3: %4 m does not rise above the %5 m before it")
                        .arg(plain(file), plain(QString::number(line)), where, plain(QString::number(distance, 'g', 15)),
                             plain(QString::number(points.last().chainage, 'g', 15))));
}

RouteFile readCsv(const QString &file, const QString &text)
{
    const QList<TextRecord> records = splitRecords(text);
    if (records.isEmpty())
        throw Error(translatable("quorvel::RouteFile", "%1: the file holds no line; expected the captions Distance and "
                                                       "Elevation, then one point a line")
                        .arg(file));
    RouteFile route;
    const QStringView first = QStringView(text).mid(records.first().start, records.first().length);
    const qsizetype semicolons = countOutsideQuotes(first, u';');
    const bool european = semicolons > 0 && semicolons >= countOutsideQuotes(first, u',');
    const QChar delimiter = european ? u';' : u',';
    if (european)
        route.notices << translatable("quorvel::RouteFile", "%1: semicolon-separated with decimal commas, read as a "
                                                            "European spreadsheet saves it")
                             .arg(file)
                             .shown;
    const auto fieldsOf = [&](const TextRecord &r) {
        return splitFields(QStringView(text).mid(r.start, r.length), delimiter);
    };

    // The captions, or two number columns without them.
    const QStringList captions = fieldsOf(records.first());
    static const QStringList distances = normalCaptions(distanceCaptions);
    static const QStringList elevations = normalCaptions(elevationCaptions);
    qsizetype distanceColumn = captionColumn(captions, distances);
    qsizetype elevationColumn = captionColumn(captions, elevations);
    qsizetype firstPoint = 1;
    QList<TranslatableText> columnNames{TranslatableText::plain(captions.value(distanceColumn).trimmed()),
                                        TranslatableText::plain(captions.value(elevationColumn).trimmed())};
    if (distanceColumn < 0 && elevationColumn < 0 && captions.size() >= 2 && numberIn(captions[0], european)
        && numberIn(captions[1], european)) {
        distanceColumn = 0;
        elevationColumn = 1;
        firstPoint = 0;
        columnNames = {translatable("quorvel::RouteFile", "column 1"), translatable("quorvel::RouteFile", "column 2")};
    } else if (distanceColumn < 0 || elevationColumn < 0) {
        throw Error(translatable("quorvel::RouteFile", "%1 line 1: no column for %2; expected the captions Distance (m) "
                                                       "and Elevation (m), in any order")
                        .arg(TranslatableText::plain(file), distanceColumn < 0 ? translatable("quorvel::RouteFile", "the distance")
                                                                        : translatable("quorvel::RouteFile", "the elevation")));
    }

    for (qsizetype i = firstPoint; i < records.size(); ++i) {
        const QStringList fields = fieldsOf(records[i]);
        if (std::all_of(fields.begin(), fields.end(), [](const QString &f) { return f.trimmed().isEmpty(); }))
            continue; // a row of empty cells, as spreadsheets end an export
        const int line = records[i].line;
        double values[2] = {};
        for (int k = 0; k < 2; ++k) {
            const QString field = fields.value(k == 0 ? distanceColumn : elevationColumn);
            const std::optional<double> value = numberIn(field, european);
            if (!value || !std::isfinite(*value))
                throw Error(translatable("quorvel::RouteFile", "%1 line %2, %3: '%4' is not a finite number")
                                .arg(TranslatableText::plain(file), TranslatableText::plain(QString::number(line)), columnNames[k],
                                     TranslatableText::plain(field.trimmed())));
            values[k] = *value;
        }
        checkRising(file, line, columnNames[0], route.points, values[0]);
        route.points.append({values[0], values[1]});
    }
    return route;
}

// The points of one kind in a GPX file (track points or route points), each at its
// distance along the way from the first.
struct GpxPoints {
    QList<RoutePoint> points;
    std::optional<std::pair<double, double>> last; // latitude, longitude
    int count = 0;    // read, for messages
    int repeated = 0; // at the place of the point before
};

void readGpxPoint(QXmlStreamReader &xml, GpxPoints &way, const QString &file)
{
    const int line = int(xml.lineNumber());
    const QXmlStreamAttributes attributes = xml.attributes();
    const std::optional<double> latitude = fileNumber(attributes.value(QLatin1String("lat")));
    const std::optional<double> longitude = fileNumber(attributes.value(QLatin1String("lon")));
    ++way.count;
    if (!latitude || !longitude || std::abs(*latitude) > 90 || std::abs(*longitude) > 180)
        throw Error(translatable("quorvel::RouteFile", "%1 line %2: point %3 has no latitude and longitude in degrees")
                        .arg(file, QString::number(line), QString::number(way.count)));
    std::optional<double> elevation;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("ele")) {
            if (const std::optional<double> z = fileNumber(xml.readElementText()); z && std::isfinite(*z))
                elevation = z;
        } else {
            xml.skipCurrentElement();
        }
    }
    if (!elevation)
        throw Error(translatable("quorvel::RouteFile", "%1 line %2: point %3 has no elevation; a route needs the ground's "
                                                       "elevation at every point")
                        .arg(file, QString::number(line), QString::number(way.count)));
    double distance = 0;
    if (way.last) {
        GeographicLib::Geodesic::WGS84().Inverse(way.last->first, way.last->second, *latitude, *longitude, distance);
        distance += way.points.last().chainage;
    }
    way.last = std::pair(*latitude, *longitude);
    if (!way.points.isEmpty() && distance <= way.points.last().chainage)
        ++way.repeated;
    else
        way.points.append({distance, *elevation});
}

// The track's points in their order, its segments one after the other; without a
// track, the route's.
RouteFile readGpx(const QString &file, const QString &text)
{
    QXmlStreamReader xml(text);
    GpxPoints track, planned;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("trkpt"))
            readGpxPoint(xml, track, file);
        else if (xml.name() == QLatin1String("rtept"))
            readGpxPoint(xml, planned, file);
    }
    if (xml.hasError())
        throw Error(translatable("quorvel::RouteFile", "%1 line %2: not a GPX file as XML writes it: %3")
                        .arg(file, QString::number(xml.lineNumber()), xml.errorString()));
    const GpxPoints &way = track.count > 0 ? track : planned;
    RouteFile route{way.points, {}};
    if (way.repeated > 0)
        route.notices << translatable("quorvel::RouteFile", "%1: %2 points at the place of the point before counted once")
                             .arg(file, QString::number(way.repeated))
                             .shown;
    return route;
}

} // namespace

RouteFile readRouteFile(const QString &path)
{
    const QString text = decodeText(LineList::readFileBytes(path));
    RouteFile route = text.trimmed().startsWith(u'<') ? readGpx(path, text) : readCsv(path, text);
    if (route.points.size() < 2)
        throw Error(translatable("quorvel::RouteFile", "%1: a route needs at least two points, the source and the tank; "
                                                       "the file has %2")
                        .arg(path, QString::number(route.points.size())));
    return route;
}

} // namespace quorvel
