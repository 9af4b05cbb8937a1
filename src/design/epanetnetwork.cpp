#include "epanetnetwork.h"

#include "designrecord.h"
#include "linelist.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quorvel {

namespace {

// The tank: one cylinder of a kit tank's usual height holding the actual storage,
// however many tanks it stands for. Its rim stands a little higher, so that the float
// valve, which shuts the inflow at the storage's height, always acts before EPANET's
// own shut-off of a full tank, which would keep the end of the pumping hours from
// closing the inflow.
constexpr double tankHeight = 2.0;  // m
constexpr double freeboard = 0.1;   // m
// The float valve opens again this little below full, so that the tank stays all but
// full while it shuts, whatever the level when the pumping hours end.
constexpr double floatValveBand = 0.01; // m
// The lowest level the tank starts at: EPANET shuts the outlet of an empty tank.
constexpr double lowestStart = 0.01; // m
// The tapstands lie a little below the tank floor, so they keep their pressure until
// the tank is empty; their pipe is short and of the pipeline's diameter, so that
// neither takes part in the design's numbers.
constexpr double tapstandDrop = 5.0;      // m
constexpr double tapstandPipeLength = 10.0; // m
constexpr double roughness = 140;
// The run: one day from the start of the pumping hours at 06:00, hydraulics every
// 5 minutes, the demand pattern and the report by the hour.
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

// The pumping hours a day, at most all of them.
double dailyPumpingHours(const NetworkDesign &d)
{
    return std::min(d.pumpingHours, double(hoursPerDay));
}

// The tank's level at 06:00 in the supply's daily round: full when the pumping hours
// ended (the float valve holds it full once the day's demand is in), less what the
// tapstands have drawn since. A day run from there ends there, so the tank receives
// what the tapstands draw. A tank too small for the hours without supply starts all
// but empty; one that never empties starts just below the float valve's opening level.
double morningLevel(const NetworkDesign &d)
{
    const double drawnSince = d.dailyDemand * (hoursPerDay - dailyPumpingHours(d)) / hoursPerDay;
    const double level = tankHeight * (1 - drawnSince / d.actualStorage);
    if (!(level > lowestStart))
        return lowestStart;
    return std::min(level, tankHeight - 2 * floatValveBand);
}

void reservoirsAndTanks(QStringList &lines, const NetworkDesign &d)
{
    const TankShape tank = tankShape(d.actualStorage);
    lines << QString() << QStringLiteral("[RESERVOIRS]") << QStringLiteral(";ID\tHead")
          << row({EpanetName::source, number(d.sourceElevation)}, QStringLiteral("the water source"))
          << QString() << QStringLiteral("[TANKS]")
          << QStringLiteral(";ID\tElevation\tInitLevel\tMinLevel\tMaxLevel\tDiameter\tMinVol")
          << row({EpanetName::tank, number(d.storageElevation), number(morningLevel(d)), QStringLiteral("0"),
                  number(tank.height + freeboard), number(tank.diameter), QStringLiteral("0")},
                 QStringLiteral("the storage, %1 m3 at %2 m (the rim %3 m higher); at 06:00 what the tapstands "
                                "have left since yesterday's pumping hours")
                     .arg(number(d.actualStorage), number(tank.height), number(freeboard)));
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

void pattern(QStringList &lines)
{
    lines << QString() << QStringLiteral("[PATTERNS]")
          << QStringLiteral("; the day's demand evenly over the 24 hours from 06:00")
          << row(QStringList{EpanetName::dayPattern} + QStringList(hoursPerDay, QStringLiteral("1")));
}

// One rule-based control: its conditions, each after the first led by AND or OR
// (EPANET binds OR first: "A OR B AND C" is "(A OR B) AND C"), and its action.
void rule(QStringList &lines, const QString &id, const QStringList &conditions, const QString &action)
{
    lines << QString() << QStringLiteral("RULE ") + id << QStringLiteral("IF ") + conditions.first()
          << conditions.mid(1) << QStringLiteral("THEN ") + action;
}

// The supply's controls: the tank's float valve, and the pumping hours each day from
// 06:00 (the pump's, or by gravity the pipeline's, as an operator's valve would).
void rules(QStringList &lines, const NetworkDesign &d)
{
    const QString link = d.pump ? QStringLiteral("PUMP %1").arg(EpanetName::pump)
                                : QStringLiteral("PIPE %1").arg(EpanetName::pipeline);
    const QString level = QStringLiteral("TANK %1 LEVEL").arg(EpanetName::tank);
    const double hours = dailyPumpingHours(d);
    lines << QString() << QStringLiteral("[RULES]")
          << QStringLiteral("; the float valve: the inflow stops when the tank is full, at %1 m (the actual storage), "
                            "and starts again below %2 m")
                 .arg(number(tankHeight), number(tankHeight - floatValveBand))
          << (hours < hoursPerDay ? QStringLiteral("; the pumping hours: %1 h a day from 06:00; %2 outside them")
                                        .arg(number(hours), d.pump ? QStringLiteral("the pump is off")
                                                                   : QStringLiteral("the pipeline is shut"))
                                  : QStringLiteral("; the pumping hours: all day"));
    rule(lines, QStringLiteral("TankFull"), {QStringLiteral("%1 >= %2").arg(level, number(tankHeight))},
         link + QStringLiteral(" STATUS IS CLOSED"));
    const QString notFull = QStringLiteral("%1 < %2").arg(level, number(tankHeight - floatValveBand));
    if (hours >= hoursPerDay) {
        rule(lines, QStringLiteral("PumpingHours"), {notFull}, link + QStringLiteral(" STATUS IS OPEN"));
        return;
    }
    const QString start = clockTime(startHour);
    const QString end = clockTime(startHour + hours);
    // Hours that run past midnight are those after the start or before the end.
    const bool pastMidnight = startHour + hours >= hoursPerDay;
    const QString within = pastMidnight ? QStringLiteral("OR") : QStringLiteral("AND");
    const QString outside = pastMidnight ? QStringLiteral("AND") : QStringLiteral("OR");
    rule(lines, QStringLiteral("PumpingHours"),
         {QStringLiteral("SYSTEM CLOCKTIME >= ") + start,
          within + QStringLiteral(" SYSTEM CLOCKTIME < ") + end,
          QStringLiteral("AND ") + notFull},
         link + QStringLiteral(" STATUS IS OPEN"));
    rule(lines, QStringLiteral("OutsidePumpingHours"),
         {QStringLiteral("SYSTEM CLOCKTIME >= ") + end,
          outside + QStringLiteral(" SYSTEM CLOCKTIME < ") + start},
         link + QStringLiteral(" STATUS IS CLOSED"));
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
    pattern(lines);
    rules(lines, design);
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
