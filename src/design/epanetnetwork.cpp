#include "epanetnetwork.h"

#include "designrecord.h"
#include "linelist.h"

#include <cmath>
#include <numbers>

namespace quorvel {

namespace {

// The tank: one cylinder of a kit tank's usual height, however many tanks it stands for.
constexpr double tankHeight = 2.0; // m
// It starts all but empty: a centimetre of water, so that EPANET does not shut the
// outlet of an empty tank while the first water comes in.
constexpr double initialLevel = 0.01; // m
// The tapstands lie a little below the tank floor, so they keep their pressure until
// the tank is empty; their pipe is short and of the pipeline's diameter, so that
// neither takes part in the design's numbers.
constexpr double tapstandDrop = 5.0;      // m
constexpr double tapstandPipeLength = 10.0; // m
constexpr double roughness = 140;
// The run: one day from the pump's start at 06:00, hydraulics every 5 minutes,
// the demand pattern and the report by the hour.
constexpr int startHour = 6;

QString number(double value)
{
    return QString::number(value, 'g', 10);
}

// A time of day from hours since midnight, as EPANET reads it: "10:30:00 AM".
QString clockTime(double hours)
{
    const qint64 seconds = qint64(std::llround(std::fmod(hours, hoursPerDay) * 3600)) % (hoursPerDay * 3600);
    const qint64 hour = seconds / 3600;
    return QStringLiteral("%1:%2:%3 %4")
        .arg(hour % 12 == 0 ? 12 : hour % 12)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'))
        .arg(hour < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

// A row of values, tab-separated, with a comment that says what it is.
QString row(const QStringList &values, const QString &comment = {})
{
    return values.join(u'\t') + (comment.isEmpty() ? QString() : QStringLiteral("\t; ") + comment);
}

QString oneLine(QString text)
{
    for (QChar &c : text) {
        if (c.unicode() < 0x20)
            c = u' ';
    }
    return text.simplified();
}

void title(QStringList &lines, const NetworkDesign &d)
{
    lines << QStringLiteral("[TITLE]") << QStringLiteral("Quorvel design: ") + oneLine(d.siteName)
          << QStringLiteral("%1 m of %2\" pipe (%3 mm inside), storage %4 m3, %5 m3 a day, pumping %6 h/day")
                 .arg(number(d.pipelineLength), number(d.nominalDiameter), number(d.insideDiameter),
                      number(d.actualStorage), number(d.dailyDemand), number(d.pumpingHours))
          << (d.pump ? QStringLiteral("%1, rated %2 L/s at %3 m")
                           .arg(oneLine(d.pumpDescription), number(d.pump->flow), number(d.pump->head))
                     : QStringLiteral("Gravity supply: no pump"));
}

void junctions(QStringList &lines, const NetworkDesign &d)
{
    lines << QString() << QStringLiteral("[JUNCTIONS]") << QStringLiteral(";ID\tElev\tDemand\tPattern");
    if (d.pump)
        lines << row({EpanetName::pumpOutlet, number(d.sourceElevation), QStringLiteral("0")},
                     QStringLiteral("the pump's discharge"));
    lines << row({EpanetName::tapstands, number(d.storageElevation - tapstandDrop),
                  number(d.dailyDemand * 1000 / (hoursPerDay * 3600)), EpanetName::dayPattern},
                 QStringLiteral("the population's daily demand, L/s on average"));
}

void reservoirsAndTanks(QStringList &lines, const NetworkDesign &d)
{
    const TankShape tank = tankShape(d.actualStorage);
    lines << QString() << QStringLiteral("[RESERVOIRS]") << QStringLiteral(";ID\tHead")
          << row({EpanetName::source, number(d.sourceElevation)}, QStringLiteral("the water source"))
          << QString() << QStringLiteral("[TANKS]")
          << QStringLiteral(";ID\tElevation\tInitLevel\tMinLevel\tMaxLevel\tDiameter\tMinVol")
          << row({EpanetName::tank, number(d.storageElevation), number(initialLevel), QStringLiteral("0"),
                  number(tank.height), number(tank.diameter), QStringLiteral("0")},
                 QStringLiteral("the storage, %1 m3, all but empty at the start").arg(number(d.actualStorage)));
}

void links(QStringList &lines, const NetworkDesign &d)
{
    const QString start = d.pump ? EpanetName::pumpOutlet : EpanetName::source;
    lines << QString() << QStringLiteral("[PIPES]")
          << QStringLiteral(";ID\tNode1\tNode2\tLength\tDiameter\tRoughness\tMinorLoss\tStatus")
          << row({EpanetName::pipeline, start, EpanetName::tank, number(d.pipelineLength), number(d.insideDiameter),
                  number(roughness), QStringLiteral("0"), QStringLiteral("Open")},
                 QStringLiteral("the discharge pipeline"))
          << row({EpanetName::tankToTapstands, EpanetName::tank, EpanetName::tapstands, number(tapstandPipeLength),
                  number(d.insideDiameter), number(roughness), QStringLiteral("0"), QStringLiteral("Open")});
    if (!d.pump)
        return;
    lines << QString() << QStringLiteral("[PUMPS]") << QStringLiteral(";ID\tNode1\tNode2\tParameters")
          << row({EpanetName::pump, EpanetName::source, EpanetName::pumpOutlet, QStringLiteral("HEAD"),
                  EpanetName::pumpCurve})
          << QString() << QStringLiteral("[CURVES]") << QStringLiteral(";ID\tFlow\tHead")
          << row({EpanetName::pumpCurve, number(d.pump->flow), number(d.pump->head)},
                 QStringLiteral("the rated duty: EPANET draws the curve through it"));
}

void patternAndControls(QStringList &lines, const NetworkDesign &d)
{
    // No draw in the first hour, while the tank takes its first water; then the day's
    // demand evenly over the other hours. The water drawn never runs ahead of an even
    // day's, so a tank fed at the design flow never runs dry.
    QStringList multipliers(hoursPerDay, number(double(hoursPerDay) / (hoursPerDay - 1)));
    multipliers.first() = QStringLiteral("0");
    lines << QString() << QStringLiteral("[PATTERNS]")
          << QStringLiteral("; none in the first hour, then the day's demand evenly over 23 hours, from 06:00")
          << row(QStringList{EpanetName::dayPattern} + multipliers);
    // The pumping hours each day from 06:00; without a pump the pipeline is opened for them.
    const QString link = d.pump ? EpanetName::pump : EpanetName::pipeline;
    lines << QString() << QStringLiteral("[CONTROLS]")
          << QStringLiteral("LINK %1 OPEN AT CLOCKTIME %2").arg(link, clockTime(startHour));
    if (d.pumpingHours < hoursPerDay)
        lines << QStringLiteral("LINK %1 CLOSED AT CLOCKTIME %2").arg(link, clockTime(startHour + d.pumpingHours));
}

void options(QStringList &lines)
{
    lines << QString() << QStringLiteral("[OPTIONS]") << QStringLiteral("Units\tLPS")
          << QStringLiteral("Headloss\tH-W") << QString() << QStringLiteral("[TIMES]")
          << QStringLiteral("Duration\t24:00") << QStringLiteral("Hydraulic Timestep\t0:05")
          << QStringLiteral("Pattern Timestep\t1:00") << QStringLiteral("Report Timestep\t1:00")
          << QStringLiteral("Start ClockTime\t%1").arg(clockTime(startHour)) << QString()
          << QStringLiteral("[REPORT]") << QStringLiteral("Status\tNo") << QStringLiteral("Summary\tNo");
}

// The scheme as the program's picture draws it: source at the left, tank at the
// right above it (below it for gravity), tapstands below the tank.
void coordinates(QStringList &lines, const NetworkDesign &d)
{
    const double rise = d.storageElevation > d.sourceElevation ? 40 : d.storageElevation < d.sourceElevation ? -40 : 0;
    lines << QString() << QStringLiteral("[COORDINATES]") << QStringLiteral(";Node\tX\tY")
          << row({EpanetName::source, QStringLiteral("0"), QStringLiteral("0")});
    if (d.pump)
        lines << row({EpanetName::pumpOutlet, QStringLiteral("10"), QStringLiteral("0")});
    lines << row({EpanetName::tank, QStringLiteral("80"), number(rise)})
          << row({EpanetName::tapstands, QStringLiteral("100"), number(rise - 20)});
}

} // namespace

TankShape tankShape(double volume)
{
    return {std::sqrt(4 * volume / (std::numbers::pi * tankHeight)), tankHeight};
}

QStringList epanetNetwork(const NetworkDesign &design)
{
    QStringList lines;
    title(lines, design);
    junctions(lines, design);
    reservoirsAndTanks(lines, design);
    links(lines, design);
    patternAndControls(lines, design);
    options(lines);
    coordinates(lines, design);
    lines << QString() << QStringLiteral("[END]");
    return lines;
}

void writeEpanetNetwork(const NetworkDesign &design, const QString &path)
{
    LineList file;
    for (const QString &line : epanetNetwork(design))
        file.append(line);
    file.saveToFile(path);
}

} // namespace quorvel
