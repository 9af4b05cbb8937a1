#include "designcalculation.h"

#include "numbers.h"
#include "catalogcolumns.h"
#include "sheetlayout.h"

namespace quorvel {

// Every formula is evaluated left to right as written, in extended precision through
// the checked operations, so that a fault stops the run at the step that caused it.
// Each result cell is written as soon as its step completes: a run that stops
// part-way leaves the later cells as an earlier run left them.

namespace {

// 1 / 1.016 = 125 / 127, as the nearest extended value.
constexpr Extended inverseOf1016 = 0.984251968503937007874015748031496063L;

// Hazen-Williams with roughness coefficient C = 140, flow in L/s, diameter in inches.
constexpr Extended roughness = 140.0L;
constexpr Extended flowExponent = 1.85L;
constexpr Extended diameterExponent = 4.87L;
constexpr Extended hazenWilliamsFactor = 1743.811L;
constexpr Extended millimetresPerInch = 25.4L;

// A value rounded to hundredths (ties to even), back in extended precision.
Extended hundredths(Extended value)
{
    return checked::divide(Extended(roundHalfEven(checked::multiply(value, 100))), 100);
}

} // namespace

Extended hazenWilliamsLoss(double flow, double insideDiameter, Extended length)
{
    const Extended flowTerm = checked::multiply(checked::power(checked::divide(flow, roughness), flowExponent), hazenWilliamsFactor);
    const Extended diameterTerm = checked::power(checked::divide(insideDiameter, millimetresPerInch), diameterExponent);
    return checked::multiply(checked::divide(flowTerm, diameterTerm), length);
}

void DesignCalculation::run(const Tables &t, ProjectState &state, CatalogPickers &pickers)
{
    // Set before any input is read, so that they stay set when the run fails.
    state.setPrintable(true);
    state.setModified(true);

    const auto input = [&t](int row) { return parseNumber(t.inputs.cell(valueColumn, row)); };
    const auto writeResult = [&t](int row, const QString &text) { t.results.setCell(valueColumn, row, text); };
    const auto shownResult = [&t](int row) { return parseNumber(t.results.cell(valueColumn, row)); };

    const Extended usage = input(InputRow::DailyUsage);
    const Extended population = input(InputRow::Population);
    const Extended pumpingHours = input(InputRow::PumpingHours);

    // Design flow: the day's demand spread over the pumping hours.
    designFlow = checked::toDouble(checked::divide(checked::multiply(checked::divide(checked::multiply(usage, population), 86400), 24), pumpingHours));

    // Economic diameter from the flow in cubic metres per hour.
    economicDiameter = checked::toDouble(checked::multiply(checked::multiply(checked::squareRoot(checked::multiply(3.6L, designFlow)), inverseOf1016), millimetresPerInch));

    // Nearest inside diameter wins; ties keep the lower row; both diameters keep the
    // last chosen pipe when no row is chosen.
    double best = 1E10;
    for (qint32 i = 1; i <= t.pipeCount; ++i) {
        const Extended inside = parseNumber(t.pipes.cell(PipeColumn::Inside, i));
        const double distance = checked::toDouble(checked::absolute(checked::subtract(economicDiameter, inside)));
        if (best > distance) {
            insideDiameter = checked::toDouble(parseNumber(t.pipes.cell(PipeColumn::Inside, i)));
            nominalDiameter = checked::toDouble(parseNumber(t.pipes.cell(PipeColumn::Nominal, i)));
            best = distance;
        }
    }

    writeResult(ResultRow::DesignFlow, formatNumber(checked::multiply(hundredths(designFlow), 60)));
    writeResult(ResultRow::NominalDiameter, formatNumber(nominalDiameter));

    const Extended length = input(InputRow::PipelineLength);

    frictionLoss = checked::toDouble(hazenWilliamsLoss(designFlow, insideDiameter, length));
    writeResult(ResultRow::FrictionLoss, formatNumber(hundredths(frictionLoss)));

    const Extended storageElevation = input(InputRow::StorageElevation);
    const Extended sourceElevation = input(InputRow::SourceElevation);
    const double pumpingHead = checked::toDouble(checked::add(checked::subtract(storageElevation, sourceElevation), frictionLoss));
    writeResult(ResultRow::PumpingHead, formatNumber(hundredths(pumpingHead)));

    // Theoretical storage: the water pumped in a day.
    const Extended pumpingTime = input(InputRow::PumpingHours);
    const double storage = checked::toDouble(checked::divide(checked::multiply(checked::multiply(designFlow, 3600), pumpingTime), 1000));
    writeResult(ResultRow::TheoreticalStorage, formatNumber(Extended(roundHalfEven(storage))));

    const qint32 pump = pickers.pickPump();
    t.results.setCell(descriptionColumn, ResultRow::Pump,
                      t.pumps.cell(PumpColumn::Name, pump) + QStringLiteral(" pump ")
                          + t.pumps.cell(PumpColumn::Model, pump) + QStringLiteral(" model"));
    writeResult(ResultRow::Pump, QStringLiteral("1"));
    pickers.endPumpPick();

    const qint32 tank = pickers.pickTank();
    t.results.setCell(descriptionColumn, ResultRow::Tanks,
                      t.tanks.cell(TankColumn::Type, tank) + QStringLiteral(" Tank ")
                          + t.tanks.cell(TankColumn::Volume, tank) + QStringLiteral(" M^3"));

    // Number of tanks: nearest whole number, halves up (not rounded up).
    const Extended capacity = parseNumber(t.tanks.cell(TankColumn::Volume, tank));
    const Extended tankCount = roundHalfUp(checked::divide(Extended(roundHalfEven(storage)), capacity));
    writeResult(ResultRow::Tanks, formatNumber(tankCount));

    // Later steps read the written results back, as shown.
    const Extended tanks = shownResult(ResultRow::Tanks);
    const Extended actualStorage = checked::multiply(tanks, parseNumber(t.tanks.cell(TankColumn::Volume, tank)));
    writeResult(ResultRow::ActualStorage, formatNumber(actualStorage));

    const Extended actualPumpingTime =
        hundredths(checked::divide(checked::divide(checked::multiply(shownResult(ResultRow::ActualStorage), 1000), designFlow), 3600));
    writeResult(ResultRow::ActualPumpingTime, formatNumber(actualPumpingTime));

    const Extended people = input(InputRow::Population);
    const Extended peoplePerTap = input(InputRow::PeoplePerTap);
    writeResult(ResultRow::TapstandKits, formatNumber(roundUp(checked::divide(checked::divide(people, 6), peoplePerTap))));
}

} // namespace quorvel
