#include "sitedesign.h"

#include "catalogcolumns.h"
#include "commandswitches.h"
#include "designcalculation.h"
#include "error.h"
#include "numbers.h"
#include "sheetlayout.h"

#include <cmath>
#include <functional>
#include <limits>
#include <optional>

namespace quorvel {

namespace {

// A row past every stored one: its cells read empty.
constexpr qint32 noRow = std::numeric_limits<qint32>::max();

constexpr double minimumDailyUsage = 15;  // L/person/day, humanitarian minimum
constexpr double maximumPeoplePerTap = 250;
constexpr double hoursPerDay = 24;

std::optional<Extended> numberIn(const QString &text)
{
    try {
        return parseNumber(text);
    } catch (const Error &) {
        return std::nullopt;
    }
}

// A catalog row named by its number (1 up to the last row with text).
std::optional<qint32> rowNumber(const QString &text, qint32 rows)
{
    bool ok = false;
    const int row = text.trimmed().toInt(&ok);
    if (ok && row >= 1 && row <= rows)
        return row;
    return std::nullopt;
}

// Rows 1.. that hold a line of the catalog (a name in the second column).
qint32 filledRows(const CellTable &table)
{
    qint32 last = 0;
    for (qint32 row = 1; row < table.rowCount(); ++row) {
        if (!table.cell(1, row).isEmpty())
            last = row;
    }
    return last;
}

int columnCaptioned(const CellTable &table, const QString &start, const QString &unit)
{
    for (int col = 0; col < table.colCount(); ++col) {
        const QString caption = table.cell(col, 0);
        if (caption.startsWith(start, Qt::CaseInsensitive) && caption.contains(unit))
            return col;
    }
    return -1;
}

// A velocity limit as engineers write it: 0.5, 2.0, 0.75.
QString limitText(double value)
{
    const QString text = QString::number(value);
    return text.contains(QLatin1Char('.')) ? text : text + QStringLiteral(".0");
}

QStringList captions(int first, int last, QString (*caption)(int))
{
    QStringList texts;
    for (int row = first; row <= last; ++row)
        texts << caption(row);
    return texts;
}

} // namespace

QStringList resultCaptions() { return captions(ResultRow::DesignFlow, ResultRow::TapstandKits, resultDescription); }
QStringList resultUnits() { return captions(ResultRow::DesignFlow, ResultRow::TapstandKits, resultUnit); }
QStringList inputCaptions() { return captions(InputRow::PipelineLength, InputRow::PeoplePerTap, inputDescription); }

SiteDesigner::SiteDesigner(const Catalogs &catalogs, const DesignOptions &options, const QString &catalogError)
    : catalogs_(catalogs), options_(options), catalogError_(catalogError)
{
    if (!catalogError_.isEmpty())
        return;
    flowColumn_ = columnCaptioned(catalogs.pumps, QStringLiteral("Flow"), QStringLiteral("L/s"));
    headColumn_ = columnCaptioned(catalogs.pumps, QStringLiteral("Head"), QStringLiteral("(m)"));

    pumpCount_ = filledRows(catalogs.pumps);
    if (!options.pump.isEmpty()) {
        namedPump_ = rowNumber(options.pump, pumpCount_).value_or(0);
        for (qint32 row = 1; namedPump_ == 0 && row <= pumpCount_; ++row) {
            if (catalogs.pumps.cell(PumpColumn::Model, row) == options.pump)
                namedPump_ = row;
        }
        if (namedPump_ == 0)
            throw Error(QStringLiteral("The pump catalog has no pump %1").arg(options.pump));
    } else if (flowColumn_ < 0 || headColumn_ < 0) {
        throw Error(QStringLiteral("The pump catalog has no \"Flow (L/s)\" and \"Head (m)\" columns: name a pump"));
    }

    if (const auto row = rowNumber(options.tank, catalogs.tankCount)) {
        tankRows_ << *row;
        return;
    }
    for (qint32 row = 1; row <= catalogs.tankCount; ++row) {
        if (options.tank.isEmpty() || catalogs.tanks.cell(TankColumn::Type, row) == options.tank)
            tankRows_ << row;
    }
    if (tankRows_.isEmpty() && !options.tank.isEmpty())
        throw Error(QStringLiteral("The tank catalog has no tank %1").arg(options.tank));
}

qint32 SiteDesigner::choosePump(double designFlow, double pumpingHead) const
{
    for (qint32 row = 1; row <= pumpCount_; ++row) {
        const auto flow = numberIn(catalogs_.pumps.cell(flowColumn_, row));
        const auto head = numberIn(catalogs_.pumps.cell(headColumn_, row));
        if (flow && head && *flow >= designFlow && *head >= pumpingHead)
            return row;
    }
    return 0;
}

qint32 SiteDesigner::chooseTank(qint64 theoreticalStorage) const
{
    // Each type computed as the calculation does: the tank count rounded to the
    // nearest whole number, halves up, times the capacity.
    struct Candidate {
        qint32 row;
        Extended tanks;
        Extended capacity;
        Extended storage;
    };
    std::optional<Candidate> fewest; // among the types that reach the storage
    std::optional<Candidate> largest;
    for (const qint32 row : tankRows_) {
        try {
            const Extended capacity = parseNumber(catalogs_.tanks.cell(TankColumn::Volume, row));
            const Extended tanks = roundHalfUp(checked::divide(Extended(theoreticalStorage), capacity));
            const Candidate c{row, tanks, capacity, checked::multiply(tanks, capacity)};
            if (c.storage >= theoreticalStorage
                && (!fewest || c.tanks < fewest->tanks || (c.tanks == fewest->tanks && c.capacity < fewest->capacity)))
                fewest = c;
            if (!largest || c.storage > largest->storage)
                largest = c;
        } catch (const Error &) {
            // A type whose capacity is no number cannot be computed; the others can.
        }
    }
    if (fewest)
        return fewest->row;
    if (largest)
        return largest->row;
    return tankRows_.value(0, 1); // the calculation then reports what is wrong with it
}

namespace {

// The calculation's picks, made by the designer's rules as the calculation asks.
class RulePicks final : public CatalogPickers {
public:
    using PumpRule = std::function<qint32()>;
    using TankRule = std::function<qint32()>;
    RulePicks(PumpRule pump, TankRule tank) : pump_(std::move(pump)), tank_(std::move(tank)) {}
    qint32 pickPump() override { return pump_(); }
    void endPumpPick() override {}
    qint32 pickTank() override { return tank_(); }

private:
    PumpRule pump_;
    TankRule tank_;
};

} // namespace

SiteResult SiteDesigner::design(const Site &site) const
{
    SiteResult result;
    result.site = site;
    if (!catalogError_.isEmpty()) {
        result.error = catalogError_;
        return result;
    }

    CellTable inputTable(tableColumns, inputTableRows, inputFixedColumns);
    CellTable resultTable(tableColumns, resultTableRows, resultFixedColumns);
    for (int row = SiteInputs::firstRow; row <= SiteInputs::lastRow; ++row)
        inputTable.setCell(valueColumn, row, site.inputs[row]);
    const auto shown = [&resultTable](int row) { return resultTable.cell(valueColumn, row); };

    DesignCalculation calculation;
    double pumpingHead = 0;
    RulePicks picks(
        [&]() -> qint32 {
            // Design flow and pumping head are written by the time the pump is picked.
            pumpingHead = double(parseNumber(shown(ResultRow::PumpingHead)));
            if (namedPump_ != 0)
                return result.pumpCatalogRow = namedPump_;
            result.pumpCatalogRow = choosePump(calculation.designFlow, pumpingHead);
            result.pumpByDuty = result.pumpCatalogRow != 0;
            if (result.pumpCatalogRow == 0)
                result.warnings << QStringLiteral("no catalog pump reaches the duty");
            return result.pumpCatalogRow != 0 ? result.pumpCatalogRow : noRow;
        },
        [&]() -> qint32 {
            const qint64 storage = roundHalfEven(parseNumber(shown(ResultRow::TheoreticalStorage)));
            return result.tankCatalogRow = chooseTank(storage);
        });
    NoCommandSwitches switches;
    const DesignCalculation::Tables tables{inputTable,         resultTable,       catalogs_.pipes,
                                           catalogs_.pipeCount, catalogs_.pumps, catalogs_.tanks};
    try {
        calculation.run(tables, switches, picks);
    } catch (const Error &e) {
        result.error = e.message();
        result.warnings.clear();
        return result;
    }

    for (int row = SiteResults::firstRow; row <= SiteResults::lastRow; ++row)
        result.results[row] = shown(row);
    if (result.pumpCatalogRow != 0) {
        result.pump = resultTable.cell(descriptionColumn, ResultRow::Pump);
        result.pumpPicture = catalogs_.pumps.cell(PumpColumn::CurvePicture, result.pumpCatalogRow);
    } else {
        result.results[ResultRow::Pump].clear(); // no pump: the pump cell stays empty
    }
    result.tank = resultTable.cell(descriptionColumn, ResultRow::Tanks);
    result.designFlow = calculation.designFlow;
    result.insideDiameter = calculation.insideDiameter;
    check(result, pumpingHead);
    return result;
}

void SiteDesigner::check(SiteResult &result, double pumpingHead) const
{
    // Checks never change a number; each reads what the calculation produced.
    const double diameter = result.insideDiameter / 1000;
    if (diameter > 0) {
        const double velocity = result.designFlow / 1000 / (M_PI / 4 * diameter * diameter);
        if (velocity < options_.minVelocity || velocity > options_.maxVelocity)
            result.warnings << QStringLiteral("flow velocity %1 m/s outside %2-%3 m/s")
                                   .arg(QString::number(velocity, 'f', 2), limitText(options_.minVelocity),
                                        limitText(options_.maxVelocity));
    }
    const auto input = [&result](int row) { return numberIn(result.site.inputs[row]); };
    if (const auto usage = input(InputRow::DailyUsage); usage && *usage < minimumDailyUsage)
        result.warnings << QStringLiteral("daily usage under 15 L/person/day");
    if (const auto perTap = input(InputRow::PeoplePerTap); perTap && *perTap > maximumPeoplePerTap)
        result.warnings << QStringLiteral("more than 250 people per tap");
    if (const auto hours = numberIn(result.results[ResultRow::ActualPumpingTime]); hours && *hours > hoursPerDay)
        result.warnings << QStringLiteral("actual pumping time over 24 h/day");
    const auto theoretical = numberIn(result.results[ResultRow::TheoreticalStorage]);
    const auto actual = numberIn(result.results[ResultRow::ActualStorage]);
    if (theoretical && actual && *actual < *theoretical)
        result.warnings << QStringLiteral("actual storage under the theoretical storage");
    if (result.pumpCatalogRow != 0 && flowColumn_ >= 0) {
        const auto rated = numberIn(catalogs_.pumps.cell(flowColumn_, result.pumpCatalogRow));
        if (rated && result.designFlow > *rated)
            result.warnings << QStringLiteral("design flow beyond the pump's rated flow of %1 L/s")
                                   .arg(catalogs_.pumps.cell(flowColumn_, result.pumpCatalogRow));
    }
    if (result.pumpCatalogRow != 0 && headColumn_ >= 0) {
        const auto rated = numberIn(catalogs_.pumps.cell(headColumn_, result.pumpCatalogRow));
        if (rated && pumpingHead > *rated)
            result.warnings << QStringLiteral("pumping head beyond the pump's rated head of %1 m")
                                   .arg(catalogs_.pumps.cell(headColumn_, result.pumpCatalogRow));
    }
}

} // namespace quorvel
