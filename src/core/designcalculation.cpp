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
    return Div(Extended(RoundHalfEven(Mul(value, 100))), 100);
}

} // namespace

void DesignCalculation::run(const Tables &t, CommandSwitches &switches, CatalogPickers &pickers)
{
    // Enabled before any input is read, so they stay enabled when the run fails.
    switches.setPrintEnabled(true);
    switches.setSaveAsEnabled(true);
    switches.setSaveEnabled(true);

    const auto input = [&t](int row) { return ParseNumber(t.inputs.cell(valueColumn, row)); };
    const auto writeResult = [&t](int row, const QString &text) { t.results.setCell(valueColumn, row, text); };
    const auto shownResult = [&t](int row) { return ParseNumber(t.results.cell(valueColumn, row)); };

    const Extended usage = input(InputRow::DailyUsage);
    const Extended population = input(InputRow::Population);
    const Extended pumpingHours = input(InputRow::PumpingHours);

    // Design flow: the day's demand spread over the pumping hours.
    designFlow = StoreDouble(Div(Mul(Div(Mul(usage, population), 86400), 24), pumpingHours));

    // Economic diameter from the flow in cubic metres per hour.
    economicDiameter = StoreDouble(Mul(Mul(SquareRoot(Mul(3.6L, designFlow)), inverseOf1016), millimetresPerInch));

    // Nearest inside diameter wins; ties keep the lower row; both diameters keep the
    // last chosen pipe when no row is chosen.
    double best = 1E10;
    for (qint32 i = 1; i <= t.pipeCount; ++i) {
        const Extended inside = ParseNumber(t.pipes.cell(PipeColumn::Inside, i));
        const double distance = StoreDouble(Abs(Sub(economicDiameter, inside)));
        if (best > distance) {
            insideDiameter = StoreDouble(ParseNumber(t.pipes.cell(PipeColumn::Inside, i)));
            nominalDiameter = StoreDouble(ParseNumber(t.pipes.cell(PipeColumn::Nominal, i)));
            best = distance;
        }
    }

    writeResult(ResultRow::DesignFlow, FormatNumber(Mul(hundredths(designFlow), 60)));
    writeResult(ResultRow::NominalDiameter, FormatNumber(nominalDiameter));

    const Extended length = input(InputRow::PipelineLength);

    // Hazen-Williams friction loss over the pipeline.
    const Extended A = Mul(Power(Div(designFlow, roughness), flowExponent), hazenWilliamsFactor);
    const Extended B = Power(Div(insideDiameter, millimetresPerInch), diameterExponent);
    frictionLoss = StoreDouble(Mul(Div(A, B), length));
    writeResult(ResultRow::FrictionLoss, FormatNumber(hundredths(frictionLoss)));

    const Extended storageElevation = input(InputRow::StorageElevation);
    const Extended sourceElevation = input(InputRow::SourceElevation);
    const double pumpingHead = StoreDouble(Add(Sub(storageElevation, sourceElevation), frictionLoss));
    writeResult(ResultRow::PumpingHead, FormatNumber(hundredths(pumpingHead)));

    // Theoretical storage: the water pumped in a day.
    const Extended pumpingTime = input(InputRow::PumpingHours);
    const double storage = StoreDouble(Div(Mul(Mul(designFlow, 3600), pumpingTime), 1000));
    writeResult(ResultRow::TheoreticalStorage, FormatNumber(Extended(RoundHalfEven(storage))));

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
    const Extended capacity = ParseNumber(t.tanks.cell(TankColumn::Volume, tank));
    const Extended tankCount = RoundHalfUp(Div(Extended(RoundHalfEven(storage)), capacity));
    writeResult(ResultRow::Tanks, FormatNumber(tankCount));

    // Later steps read the written results back, as shown.
    const Extended tanks = shownResult(ResultRow::Tanks);
    const Extended actualStorage = Mul(tanks, ParseNumber(t.tanks.cell(TankColumn::Volume, tank)));
    writeResult(ResultRow::ActualStorage, FormatNumber(actualStorage));

    const Extended actualPumpingTime =
        hundredths(Div(Div(Mul(shownResult(ResultRow::ActualStorage), 1000), designFlow), 3600));
    writeResult(ResultRow::ActualPumpingTime, FormatNumber(actualPumpingTime));

    const Extended people = input(InputRow::Population);
    const Extended peoplePerTap = input(InputRow::PeoplePerTap);
    writeResult(ResultRow::TapstandKits, FormatNumber(RoundUp(Div(Div(people, 6), peoplePerTap))));
}

} // namespace quorvel
