#include "designcalculation.h"

#include "catalogcolumns.h"
#include "numbers.h"
#include "sheetlayout.h"

namespace quorvel {

// Every formula is evaluated left to right as written, in extended precision through
// the checked operations, so that a fault stops the run at the step that caused it.

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

// The value a result cell shows for a number: the later steps go on from the tank
// count and the actual storage as shown.
Extended asShown(Extended value)
{
    return parseNumber(formatNumber(value));
}

} // namespace

Extended hazenWilliamsLoss(double flow, double insideDiameter, Extended length)
{
    const Extended flowTerm = checked::multiply(checked::power(checked::divide(flow, roughness), flowExponent), hazenWilliamsFactor);
    const Extended diameterTerm = checked::power(checked::divide(insideDiameter, millimetresPerInch), diameterExponent);
    return checked::multiply(checked::divide(flowTerm, diameterTerm), length);
}

void DesignCalculation::run(const InputTexts &texts, const CatalogTables &t, CatalogPickers &pickers,
                            CellTable *resultTable)
{
    DesignRecord &d = design_;
    DesignInputs &in = d.inputs;
    DesignResults &r = d.results;
    in = {};
    r = {};
    d.pumpCatalogRow = d.tankCatalogRow = 0;

    const auto read = [&texts](int row) { return parseNumber(texts[row]); };
    const auto show = [&d, resultTable](int row) {
        if (resultTable)
            resultTable->setCell(valueColumn, row, resultText(d, row));
    };
    const auto describe = [resultTable](int row, const QString &text) {
        if (resultTable)
            resultTable->setCell(descriptionColumn, row, text);
    };

    in.dailyUsage = read(InputRow::DailyUsage);
    in.population = read(InputRow::Population);
    in.pumpingHours = read(InputRow::PumpingHours);

    // Design flow: the day's demand spread over the pumping hours.
    d.designFlow = checked::toDouble(checked::divide(checked::multiply(checked::divide(checked::multiply(in.dailyUsage, in.population), 86400), 24), in.pumpingHours));

    // Economic diameter from the flow in cubic metres per hour.
    d.economicDiameter = checked::toDouble(checked::multiply(checked::multiply(checked::squareRoot(checked::multiply(3.6L, d.designFlow)), inverseOf1016), millimetresPerInch));

    // Nearest inside diameter wins; ties keep the lower row; both diameters keep the
    // last chosen pipe when no row is chosen.
    double best = 1E10;
    for (qint32 i = 1; i <= t.pipeCount; ++i) {
        const Extended inside = parseNumber(t.pipes.cell(PipeColumn::Inside, i));
        const double distance = checked::toDouble(checked::absolute(checked::subtract(d.economicDiameter, inside)));
        if (best > distance) {
            d.insideDiameter = checked::toDouble(parseNumber(t.pipes.cell(PipeColumn::Inside, i)));
            d.nominalDiameter = checked::toDouble(parseNumber(t.pipes.cell(PipeColumn::Nominal, i)));
            d.pipeCatalogRow = i;
            best = distance;
        }
    }

    r.flowPerMinute = checked::multiply(hundredths(d.designFlow), 60);
    show(ResultRow::DesignFlow);
    show(ResultRow::NominalDiameter);

    in.pipelineLength = read(InputRow::PipelineLength);

    d.frictionLoss = checked::toDouble(hazenWilliamsLoss(d.designFlow, d.insideDiameter, in.pipelineLength));
    r.frictionLoss = hundredths(d.frictionLoss);
    show(ResultRow::FrictionLoss);

    in.storageElevation = read(InputRow::StorageElevation);
    in.sourceElevation = read(InputRow::SourceElevation);
    d.pumpingHead = checked::toDouble(checked::add(checked::subtract(in.storageElevation, in.sourceElevation), d.frictionLoss));
    r.pumpingHead = hundredths(d.pumpingHead);
    show(ResultRow::PumpingHead);

    // Theoretical storage: the water pumped in a day.
    d.theoreticalStorage = checked::toDouble(checked::divide(checked::multiply(checked::multiply(d.designFlow, 3600), in.pumpingHours), 1000));
    r.theoreticalStorage = roundHalfEven(d.theoreticalStorage);
    show(ResultRow::TheoreticalStorage);

    d.pumpCatalogRow = pickers.pickPump(d);
    describe(ResultRow::Pump, pumpDescription(t.pumps, d.pumpCatalogRow));
    show(ResultRow::Pump);
    pickers.endPumpPick();

    d.tankCatalogRow = pickers.pickTank(d);
    describe(ResultRow::Tanks, tankDescription(t.tanks, d.tankCatalogRow));

    // Number of tanks: nearest whole number, halves up (not rounded up).
    const Extended capacity = parseNumber(t.tanks.cell(TankColumn::Volume, d.tankCatalogRow));
    r.tanks = asShown(roundHalfUp(checked::divide(Extended(r.theoreticalStorage), capacity)));
    show(ResultRow::Tanks);

    r.actualStorage = asShown(checked::multiply(r.tanks, capacity));
    show(ResultRow::ActualStorage);

    r.actualPumpingTime = hundredths(checked::divide(checked::divide(checked::multiply(r.actualStorage, 1000), d.designFlow), 3600));
    show(ResultRow::ActualPumpingTime);

    in.peoplePerTap = read(InputRow::PeoplePerTap);
    r.tapstandKits = roundUp(checked::divide(checked::divide(in.population, 6), in.peoplePerTap));
    show(ResultRow::TapstandKits);
}

} // namespace quorvel
