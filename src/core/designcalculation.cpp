#include "designcalculation.h"

#include "numbers.h"
#include "sharedstate.h"

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

    const Extended U = ParseNumber(t.SG1.cell(2, 6));
    const Extended P = ParseNumber(t.SG1.cell(2, 4));
    const Extended T = ParseNumber(t.SG1.cell(2, 5));

    // Design flow: the day's demand spread over the pumping hours.
    qd = StoreDouble(Div(Mul(Div(Mul(U, P), 86400), 24), T));

    // Economic diameter from the flow in cubic metres per hour.
    de = StoreDouble(Mul(Mul(SquareRoot(Mul(3.6L, qd)), inverseOf1016), millimetresPerInch));

    // Nearest inside diameter wins; ties keep the lower row; di and dn keep the
    // last chosen pipe when no row is chosen.
    double best = 1E10;
    const qint32 rows = nd;
    for (qint32 i = 1; i <= rows; ++i) {
        const Extended x = ParseNumber(t.diameters.cell(4, i));
        const double d = StoreDouble(Abs(Sub(de, x)));
        if (best > d) {
            di = StoreDouble(ParseNumber(t.diameters.cell(4, i)));
            dn = StoreDouble(ParseNumber(t.diameters.cell(2, i)));
            best = d;
        }
    }

    t.SG2.setCell(2, 1, FormatNumber(Mul(hundredths(qd), 60)));
    t.SG2.setCell(2, 2, FormatNumber(dn));

    const Extended L = ParseNumber(t.SG1.cell(2, 1));

    // Friction head loss over the pipeline.
    const Extended A = Mul(Power(Div(qd, roughness), flowExponent), hazenWilliamsFactor);
    const Extended B = Power(Div(di, millimetresPerInch), diameterExponent);
    hf = StoreDouble(Mul(Div(A, B), L));
    t.SG2.setCell(2, 3, FormatNumber(hundredths(hf)));

    const Extended Zt = ParseNumber(t.SG1.cell(2, 3));
    const Extended Zw = ParseNumber(t.SG1.cell(2, 2));
    const double H = StoreDouble(Add(Sub(Zt, Zw), hf));
    t.SG2.setCell(2, 4, FormatNumber(hundredths(H)));

    // Theoretical storage: one day's demand.
    const Extended pumpingTime = ParseNumber(t.SG1.cell(2, 5));
    const double V = StoreDouble(Div(Mul(Mul(qd, 3600), pumpingTime), 1000));
    t.SG2.setCell(2, 5, FormatNumber(Extended(RoundHalfEven(V))));

    pickers.showPumpPicker();
    const qint32 r = pickedPumpRow;
    t.SG2.setCell(0, 6, t.pumps.cell(1, r) + QStringLiteral(" pump ") + t.pumps.cell(2, r)
                            + QStringLiteral(" model"));
    t.SG2.setCell(2, 6, QStringLiteral("1"));
    pickers.endPumpPick();

    pickers.showTankPicker();
    const qint32 tank = tankRow;
    t.SG2.setCell(0, 7, t.tanks.cell(1, tank) + QStringLiteral(" Tank ") + t.tanks.cell(2, tank)
                            + QStringLiteral(" M^3"));

    // Number of tanks: nearest whole number, halves up (not rounded up).
    const Extended capacity = ParseNumber(t.tanks.cell(2, tank));
    const Extended N = RoundHalfUp(Div(Extended(RoundHalfEven(V)), capacity));
    t.SG2.setCell(2, 7, FormatNumber(N));

    // Later steps read the written results back, as shown.
    const Extended tanks = ParseNumber(t.SG2.cell(2, 7));
    const Extended Va = Mul(tanks, ParseNumber(t.tanks.cell(2, tank)));
    t.SG2.setCell(2, 8, FormatNumber(Va));

    const Extended storage = ParseNumber(t.SG2.cell(2, 8));
    const Extended Ta = hundredths(Div(Div(Mul(storage, 1000), qd), 3600));
    t.SG2.setCell(2, 9, FormatNumber(Ta));

    const Extended population = ParseNumber(t.SG1.cell(2, 4));
    const Extended K = ParseNumber(t.SG1.cell(2, 7));
    t.SG2.setCell(2, 10, FormatNumber(RoundUp(Div(Div(population, 6), K))));
}
