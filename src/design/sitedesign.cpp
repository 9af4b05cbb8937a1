#include "sitedesign.h"

#include "catalogcolumns.h"
#include "designcalculation.h"
#include "error.h"
#include "inputchecks.h"
#include "numbers.h"
#include "showntexts.h"

#include <QCoreApplication>

#include <cmath>
#include <functional>
#include <limits>
#include <optional>

namespace quorvel {

namespace {

enum DefectTable { Pumps, Tanks };


// A number as a message shows it: the shortest text that reads back the same.
QString shown(double value)
{
    return QString::number(value, 'g', 15);
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
        if (!table.cell(1, row).trimmed().isEmpty())
            last = row;
    }
    return last;
}

bool blankRow(const CellTable &table, qint32 row)
{
    for (int col = 0; col < table.colCount(); ++col) {
        if (!table.cell(col, row).trimmed().isEmpty())
            return false;
    }
    return true;
}

// What keeps a catalog row out of every choice, or nothing: a blank line, or a
// column of the given ones that is not a positive number.
TranslatableText rowDefect(const char *file, const CellTable &table, qint32 row, std::initializer_list<int> columns)
{
    const TranslatableText line =
        translatable("quorvel::SiteDesigner", "%1 line %2").arg(QString::fromLatin1(file), QString::number(row + 1));
    if (blankRow(table, row))
        return translatable("quorvel::SiteDesigner", "%1: blank line \u2014 row skipped").arg(line);
    for (const int col : columns) {
        if (col < 0)
            continue;
        const QString text = table.cell(col, row);
        const auto value = finiteNumber(text);
        if (!value || *value <= 0)
            return translatable("quorvel::SiteDesigner", "%1, %2: '%3' is not %4 \u2014 row skipped")
                .arg(line, table.cell(col, 0).trimmed(), text,
                     value ? translatable("quorvel::SiteDesigner", "a positive number")
                           : translatable("quorvel::SiteDesigner", "a number"));
    }
    return {};
}

} // namespace

QStringList resultCaptions()
{
    QStringList texts;
    for (int row = ResultTexts::firstRow; row <= ResultTexts::lastRow; ++row)
        texts << resultDescription(row);
    return texts;
}

QStringList resultUnits()
{
    QStringList texts;
    for (int row = ResultTexts::firstRow; row <= ResultTexts::lastRow; ++row)
        texts << resultUnit(row);
    return texts;
}

QStringList inputCaptions()
{
    QStringList texts;
    for (int row = InputTexts::firstRow; row <= InputTexts::lastRow; ++row)
        texts << inputDescription(row);
    return texts;
}

SiteDesigner::SiteDesigner(const Catalogs &catalogs, const DesignOptions &options)
    : catalogs_(catalogs), options_(options)
{
    scanPipes();
    scanPumps();
    scanTanks();
    namePump();
    nameTank();
}

void SiteDesigner::scanPipes()
{
    // The calculation scans every counted row and stops at the first that is no
    // number; it gets only the usable rows, in their order.
    const CellTable &pipes = catalogs_.pipes;
    for (qint32 row = 1; row <= catalogs_.pipeCount; ++row) {
        const TranslatableText defect =
            rowDefect(Catalogs::pipesFile, pipes, row, {PipeColumn::Inside, PipeColumn::Nominal});
        if (!defect.isEmpty()) {
            defects_ << defect.shown;
            continue;
        }
        ++pipeCount_;
        for (int col = 0; col < pipes.colCount(); ++col)
            pipes_.setCell(col, pipeCount_, pipes.cell(col, row));
    }
    if (pipeCount_ == 0)
        throw Error(translatable("quorvel::SiteDesigner", "%1 holds no usable pipe").arg(QLatin1String(Catalogs::pipesFile)));
}

void SiteDesigner::scanPumps()
{
    const CellTable &pumps = catalogs_.pumps;
    flowColumn_ = columnCaptioned(pumps, QStringLiteral("Flow"));
    headColumn_ = columnCaptioned(pumps, QStringLiteral("Head"));
    powerColumn_ = columnCaptioned(pumps, QStringLiteral("Power"));
    pumpCount_ = filledRows(pumps);
    // Each pump's rated duty and power, read once for every site.
    pumps_.assign(pumpCount_ + 1, {});
    for (qint32 row = 1; row <= pumpCount_; ++row) {
        const TranslatableText defect = rowDefect(Catalogs::pumpsFile, pumps, row, {flowColumn_, headColumn_, powerColumn_});
        if (!defect.isEmpty()) {
            defects_ << defect.shown;
            rowDefects_[Pumps].insert(row, defect);
        }
        pumps_[row].duty = ratedDuty(pumps, row);
        if (powerColumn_ >= 0)
            pumps_[row].power = double(finiteNumber(pumps.cell(powerColumn_, row)).value_or(0));
    }
}

void SiteDesigner::scanTanks()
{
    for (qint32 row = 1; row <= catalogs_.tankCount; ++row) {
        const TranslatableText defect = rowDefect(Catalogs::tanksFile, catalogs_.tanks, row, {TankColumn::Volume});
        if (!defect.isEmpty()) {
            defects_ << defect.shown;
            rowDefects_[Tanks].insert(row, defect);
        }
    }
}

void SiteDesigner::namePump()
{
    const CellTable &pumps = catalogs_.pumps;
    if (options_.pump.isEmpty()) {
        if (flowColumn_ < 0 || headColumn_ < 0)
            throw Error(translatable("quorvel::SiteDesigner", "%1 has no \"Flow (L/s)\" and \"Head (m)\" columns: name a pump with --pump")
                            .arg(QLatin1String(Catalogs::pumpsFile)));
        return;
    }
    namedPump_ = rowNumber(options_.pump, pumpCount_).value_or(0);
    QStringList models;
    for (qint32 row = 1; row <= pumpCount_; ++row) {
        const QString model = pumps.cell(PumpColumn::Model, row).trimmed();
        if (namedPump_ == 0 && model.compare(options_.pump.trimmed(), Qt::CaseInsensitive) == 0)
            namedPump_ = row;
        if (!model.isEmpty())
            models << model;
    }
    if (namedPump_ == 0)
        throw Error(translatable("quorvel::SiteDesigner", "%1 has no pump %2; its models are %3")
                        .arg(QLatin1String(Catalogs::pumpsFile), options_.pump, models.join(QStringLiteral(", "))));
}

void SiteDesigner::nameTank()
{
    const qint32 namedRow = rowNumber(options_.tank, catalogs_.tankCount).value_or(0);
    QStringList types;
    for (qint32 row = 1; row <= catalogs_.tankCount; ++row) {
        const QString type = catalogs_.tanks.cell(TankColumn::Type, row).trimmed();
        const bool named = options_.tank.isEmpty() ? true
                         : namedRow != 0           ? row == namedRow
                                                   : type.compare(options_.tank.trimmed(), Qt::CaseInsensitive) == 0;
        if (!type.isEmpty() && !types.contains(type))
            types << type;
        if (!named)
            continue;
        if (const TranslatableText defect = rowDefects_[Tanks].value(row); !defect.isEmpty())
            namedTankDefect_ = namedTankDefect_.isEmpty() ? defect : namedTankDefect_;
        else
            tankRows_ << row;
    }
    if (tankRows_.isEmpty() && namedTankDefect_.isEmpty())
        throw Error(options_.tank.isEmpty()
                        ? translatable("quorvel::SiteDesigner", "%1 holds no tank").arg(QLatin1String(Catalogs::tanksFile))
                        : translatable("quorvel::SiteDesigner", "%1 has no tank %2; its types are %3")
                              .arg(QLatin1String(Catalogs::tanksFile), options_.tank, types.join(QStringLiteral(", "))));
}

qint32 SiteDesigner::choosePump(SiteResult &result, const DesignRecord &design) const
{
    const double pumpingHead = double(design.results.pumpingHead);
    // The pipeline once for every pump's operating point on it.
    const std::optional<SystemCurve> system = designSystemCurve(design);
    const auto pointOf = [&](const std::optional<PumpDuty> &duty) -> std::optional<OperatingPoint> {
        if (!system)
            return std::nullopt;
        return operatingPoint(*system, duty, design.inputs.dailyDemand());
    };
    if (pumpingHead <= 0) {
        result.gravity = true;
        result.operatingPoint = pointOf(std::nullopt);
        result.notes << translatable("quorvel::SiteDesigner", "gravity supply: the storage is below the source, no pump needed");
        return 0;
    }
    if (namedPump_ != 0) {
        result.notes << translatable("quorvel::SiteDesigner", "pump: named");
        result.pumpDuty = pumps_[namedPump_].duty;
        if (result.pumpDuty)
            result.operatingPoint = pointOf(result.pumpDuty);
        return namedPump_;
    }

    // The pumps that fill the tank in the pumping hours: at the design flow each gives
    // the pumping head with its margin (pipes roughen with age), so its operating point
    // on this pipeline lies at or beyond the design flow. Of those, the least rated
    // power among the ones running near their rated point with a velocity within the
    // limit; when none does, the least power of all that fill the tank (the checks
    // then say how far off its rated point it runs). Ties go to the smaller flow.
    const double designFlow = design.designFlow;
    const double head = pumpingHead * (1 + options_.headMargin);
    const auto power = [this](qint32 row) { return pumps_[row].power; };
    struct Candidate {
        qint32 row = 0;
        PumpDuty duty;
        std::optional<OperatingPoint> point;
    };
    const auto better = [&](const Candidate &c, const Candidate &best) {
        return best.row == 0 || power(c.row) < power(best.row)
            || (power(c.row) == power(best.row) && c.duty.flow < best.duty.flow);
    };
    Candidate nearRated, anyFilling;
    int filling = 0, nearRatedCount = 0;
    for (qint32 row = 1; row <= pumpCount_; ++row) {
        if (rowDefects_[Pumps].contains(row))
            continue;
        const std::optional<PumpDuty> &duty = pumps_[row].duty;
        if (!duty || pumpHead(*duty, designFlow) < head)
            continue;
        const Candidate c{row, *duty, pointOf(duty)};
        ++filling;
        if (better(c, anyFilling))
            anyFilling = c;
        if (c.point && RatedFlowBand::holds(c.point->flow, duty->flow)
            && flowVelocity(c.point->flow, design.insideDiameter) <= options_.velocities.max) {
            ++nearRatedCount;
            if (better(c, nearRated))
                nearRated = c;
        }
    }
    const Candidate &chosen = nearRated.row != 0 ? nearRated : anyFilling;
    if (chosen.row == 0)
        return 0; // the checks fail the site with the duty a pump must meet
    result.pumpDuty = chosen.duty;
    result.operatingPoint = chosen.point;
    const TranslatableText duty = translatable("quorvel::SiteDesigner", "%1 L/s at %2 m (pumping head %3 m + %4 %)")
                                      .arg(shown(std::round(designFlow * 100) / 100), shown(std::round(head * 100) / 100),
                                           shown(pumpingHead), shown(options_.headMargin * 100));
    const QString powerText = shown(power(chosen.row));
    // One pump alone is named so, not "the least power of 1".
    if (powerColumn_ < 0 && filling == 1)
        result.notes << translatable("quorvel::SiteDesigner", "pump: the only one reaching %1").arg(duty);
    else if (powerColumn_ < 0)
        result.notes << translatable("quorvel::SiteDesigner", "pump: smallest rated flow of %1 reaching %2").arg(filling).arg(duty);
    else if (nearRated.row != 0 && filling == 1)
        result.notes << translatable("quorvel::SiteDesigner", "pump: the only one reaching %1, at 80 to 120 % of its rated flow "
                                                              "within the velocity limit (%2 kW)")
                            .arg(duty, powerText);
    else if (nearRated.row != 0 && nearRatedCount == 1)
        result.notes << translatable("quorvel::SiteDesigner", "pump: of %1 reaching %2, the only one at 80 to 120 % of its "
                                                              "rated flow within the velocity limit (%3 kW)")
                            .arg(filling).arg(duty).arg(powerText);
    else if (nearRated.row != 0)
        result.notes << translatable("quorvel::SiteDesigner",
                                     "pump: least power (%1 kW) of the %2 that run at 80 to 120 % of their rated flow within the "
                                     "velocity limit, of %3 reaching %4")
                            .arg(powerText).arg(nearRatedCount).arg(filling).arg(duty);
    else if (filling == 1)
        result.notes << translatable("quorvel::SiteDesigner", "pump: the only one reaching %1 (%2 kW); it does not run at 80 to "
                                                              "120 % of its rated flow within the velocity limit")
                            .arg(duty, powerText);
    else
        result.notes << translatable("quorvel::SiteDesigner",
                                     "pump: least power (%1 kW) of %2 reaching %3; none runs at 80 to 120 % of its "
                                     "rated flow within the velocity limit")
                            .arg(powerText).arg(filling).arg(duty);
    return chosen.row;
}

qint32 SiteDesigner::chooseTank(SiteResult &result, qint64 theoreticalStorage) const
{
    if (tankRows_.isEmpty())
        throw Error(namedTankDefect_);
    // Each type counted as the calculation counts it: the storage over the capacity,
    // rounded to the nearest whole number, halves up.
    struct Candidate {
        qint32 row;
        Extended tanks;
        Extended capacity;
        Extended storage;
    };
    std::optional<Candidate> fewest; // among the types that hold the storage
    std::optional<Candidate> largest;
    for (const qint32 row : tankRows_) {
        const Extended capacity = parseNumber(catalogs_.tanks.cell(TankColumn::Volume, row));
        const Extended tanks = roundHalfUp(checked::divide(Extended(theoreticalStorage), capacity));
        const Candidate c{row, tanks, capacity, checked::multiply(tanks, capacity)};
        if (c.tanks >= 1 && c.storage >= theoreticalStorage
            && (!fewest || c.tanks < fewest->tanks || (c.tanks == fewest->tanks && c.capacity < fewest->capacity)))
            fewest = c;
        if (!largest || c.storage > largest->storage)
            largest = c;
    }
    const Candidate chosen = fewest ? *fewest : *largest;
    // The type as the catalog names it, shown as the catalog window shows it.
    const QString type = catalogs_.tanks.cell(TankColumn::Type, chosen.row);
    const QString size = QLatin1Char(' ') + catalogs_.tanks.cell(TankColumn::Volume, chosen.row) + QStringLiteral(" m\u00b3");
    const TranslatableText description{type + size, shownCatalogText(type) + size};
    if (chosen.tanks < 1)
        throw Error(translatable("quorvel::SiteDesigner", "%1 tanks round to 0 for a theoretical storage of %2 m\u00b3: choose a smaller tank")
                        .arg(description, QString::number(theoreticalStorage)));
    if (fewest && tankRows_.size() > 1)
        result.notes << translatable("quorvel::SiteDesigner", "tank: fewest tanks (%1) holding %2 m\u00b3").arg(shown(double(chosen.tanks))).arg(theoreticalStorage);
    return chosen.row;
}

namespace {

// The calculation's picks, made by the designer's rules as the calculation asks.
class RulePicks final : public CatalogPickers {
public:
    using Rule = std::function<qint32(const DesignRecord &)>;
    RulePicks(Rule pump, Rule tank) : pump_(std::move(pump)), tank_(std::move(tank)) {}
    qint32 pickPump(const DesignRecord &design) override { return pump_(design); }
    void endPumpPick() override {}
    qint32 pickTank(const DesignRecord &design) override { return tank_(design); }

private:
    Rule pump_;
    Rule tank_;
};

} // namespace

TranslatableText operatingHoursNote(const SiteResult &result)
{
    const std::optional<OperatingPoint> &point = result.operatingPoint;
    if (result.stopped() || !point || point->flow <= 0 || !(result.gravity || result.pumpDuty))
        return {};
    const QString flow = shown(std::round(point->flow * 100) / 100);
    const QString hours = shown(std::round(point->hoursPerDay * 100) / 100);
    if (result.gravity)
        return translatable("quorvel::SiteDesigner", "gravity flow %1 L/s: %2 h/day deliver the day's demand").arg(flow, hours);
    return translatable("quorvel::SiteDesigner", "the pump needs %1 h/day at its operating flow of %2 L/s; the estimated "
                                                 "actual pumping time is at the design flow of %3 L/s")
        .arg(hours, flow, shown(std::round(result.design.designFlow * 100) / 100));
}

TranslatableText SiteResult::errorText() const
{
    if (errorColumn.isEmpty())
        return error;
    // The column as the sites file captions it, or the input's description.
    const TranslatableText column{errorColumn, shownSheetText(errorColumn)};
    return translatable("quorvel::SiteDesigner", "%1: %2").arg(column, error);
}

TranslatableText SiteResult::failureText() const
{
    if (stopped())
        return errorText();
    TranslatableText text;
    for (const TranslatableText &failure : failures) {
        if (!text.isEmpty())
            text += TranslatableText::plain(QStringLiteral("; "));
        text += failure;
    }
    return text;
}

SiteResult SiteDesigner::design(const Site &site) const
{
    SiteResult result;
    result.site = site;
    for (int row = InputTexts::firstRow; row <= InputTexts::lastRow; ++row) {
        const TranslatableText fault = row == site.unreadInput ? site.unreadReason : inputFault(row, site.inputs[row]);
        if (!fault.isEmpty()) {
            result.errorColumn = site.captions[row].isEmpty() ? inputDescription(row) : site.captions[row];
            result.error = site.inputs[row].trimmed().isEmpty() ? fault : translatable("quorvel::SiteDesigner", "%1 (got %2)").arg(fault, site.inputs[row]);
            return result;
        }
    }
    if (namedPump_ != 0 && rowDefects_[Pumps].contains(namedPump_)) {
        result.error = rowDefects_[Pumps].value(namedPump_);
        return result;
    }
    // A profile that cannot be read stops the site before any calculation.
    RouteFile routeFile;
    if (!site.profile.isEmpty()) {
        try {
            routeFile = readRouteFile(site.profile);
        } catch (const Error &e) {
            result.error = {e.message(), e.shownMessage()};
            return result;
        }
    }

    // The pump is picked once the first five results are known (a gravity site gets
    // none: row 0), with its operating point on the chosen pipe; the tank once the
    // pump is.
    RulePicks picks([&](const DesignRecord &design) { return choosePump(result, design); },
                    [&](const DesignRecord &design) { return chooseTank(result, design.results.theoreticalStorage); });
    DesignCalculation calculation;
    try {
        calculation.run(site.inputs, {pipes_, pipeCount_, catalogs_.pumps, catalogs_.tanks}, picks);
    } catch (const Error &e) {
        result.error = {e.message(), e.shownMessage()};
        result.warnings.clear();
        result.notes.clear();
        result.pumpDuty.reset();
        result.operatingPoint.reset();
        return result;
    }

    const DesignRecord &design = result.design = calculation.design();
    result.results = resultTexts(design);
    if (design.pumpCatalogRow != 0) {
        result.pump = pumpDescription(catalogs_.pumps, design.pumpCatalogRow);
        result.pumpModel = catalogs_.pumps.cell(PumpColumn::Model, design.pumpCatalogRow);
    } else {
        result.results[ResultRow::Pump].clear(); // no pump: the pump cell stays empty
    }
    result.tank = tankDescription(catalogs_.tanks, design.tankCatalogRow);
    // The checks read the operating point worked out for the choice.
    const DesignAssessment assessment =
        assessDesign(design, result.pumpDuty, result.operatingPoint, options_.velocities, options_.headMargin,
                     options_.checkTexts ? CheckTexts::All : CheckTexts::FindingsOnly);
    if (const TranslatableText hours = operatingHoursNote(result); !hours.isEmpty())
        result.notes << hours;
    result.warnings = assessment.messages(CheckOutcome::Warning);
    result.failures = assessment.messages(CheckOutcome::Fail);
    if (options_.checkTexts)
        result.checks = assessment.checks;
    if (!site.profile.isEmpty())
        designRoute(result, routeFile);
    return result;
}

void SiteDesigner::designRoute(SiteResult &result, const RouteFile &file) const
{
    const DesignRecord &design = result.design;
    const QList<RoutePoint> &points = file.points;
    SiteRoute route;
    route.points = points;
    route.notices = file.notices;
    // The operating point of the chosen pump; a pump without a rated duty at the
    // design flow and the pumping head; by gravity the design flow.
    RouteDuty &duty = route.duty;
    duty.sourceElevation = double(design.inputs.sourceElevation);
    duty.tankElevation = double(design.inputs.storageElevation);
    duty.insideDiameter = design.insideDiameter;
    duty.flow = design.designFlow;
    if (result.pumpDuty && result.operatingPoint && result.operatingPoint->flow > 0) {
        duty.flow = result.operatingPoint->flow;
        duty.pumpHead = result.operatingPoint->head;
        duty.pump = result.pumpDuty;
    } else if (!result.gravity) {
        duty.pumpHead = design.pumpingHead;
    }
    const qint32 pipe = design.pipeCatalogRow;
    if (const std::optional<Extended> nominal = finiteNumber(pipes_.cell(PipeColumn::Nominal, pipe)))
        route.rating = options_.ratings.find(pipes_.cell(PipeColumn::Material, pipe), double(*nominal));
    route.analysis = analyseRoute(points, duty, route.rating);
    route.checks = routeInputChecks(points, design.inputs) + routeChecks(route.analysis, duty, route.rating);
    for (const DesignCheck &check : std::as_const(route.checks)) {
        if (check.outcome == CheckOutcome::Warning)
            result.warnings << check.message;
        else if (check.outcome == CheckOutcome::Fail)
            result.failures << check.message;
    }
    if (options_.checkTexts)
        result.checks += route.checks;
    result.route = std::move(route);
}

} // namespace quorvel
