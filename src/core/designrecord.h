#pragma once

#include "celltable.h"
#include "numbers.h"
#include "sheetlayout.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>

namespace quorvel {

constexpr int hoursPerDay = 24;

// The value column of one of the main window's tables as texts, addressed by that
// table's rows (InputRow::* or ResultRow::*), so inputs and results count alike.
template <int LastRow>
class ValueColumn {
public:
    static constexpr int firstRow = 1;
    static constexpr int lastRow = LastRow;

    ValueColumn() = default;
    // The texts of rows 1.. in order; missing ones are empty, surplus ones dropped.
    static ValueColumn fromTexts(const QStringList &texts)
    {
        ValueColumn column;
        for (int row = firstRow; row <= lastRow; ++row)
            column[row] = texts.value(row - firstRow);
        return column;
    }
    // The value column of a table laid out as the main window's.
    static ValueColumn fromTable(const CellTable &table)
    {
        ValueColumn column;
        for (int row = firstRow; row <= lastRow; ++row)
            column[row] = table.cell(valueColumn, row);
        return column;
    }
    // The texts of rows 1.. in order.
    QStringList texts() const { return QStringList(texts_.begin() + firstRow, texts_.end()); }

    const QString &operator[](int row) const { return texts_.at(row); }
    QString &operator[](int row) { return texts_.at(row); }

private:
    std::array<QString, LastRow + 1> texts_; // row 0, the captions' row, stays empty
};

using InputTexts = ValueColumn<InputRow::PeoplePerTap>;
using ResultTexts = ValueColumn<ResultRow::TapstandKits>;

// The catalogs a design is worked from, as the catalog windows hold them.
struct CatalogTables {
    const CellTable &pipes;
    qint32 pipeCount; // pipe rows loaded from the catalog
    const CellTable &pumps;
    const CellTable &tanks;
};

// The seven inputs as the calculation read them (0 until read).
struct DesignInputs {
    Extended pipelineLength = 0;   // m
    Extended sourceElevation = 0;  // m
    Extended storageElevation = 0; // m
    Extended population = 0;       // people
    Extended pumpingHours = 0;     // h/day
    Extended dailyUsage = 0;       // L/person/day
    Extended peoplePerTap = 0;     // people

    // The population's water for a day, m^3 (in double precision, as the hydraulics
    // and the network file take it).
    double dailyDemand() const { return double(population) * double(dailyUsage) / 1000; }
};

// Flow velocity of a flow (L/s) in a pipe of the given inside diameter (mm), m/s;
// 0 without a pipe.
double flowVelocity(double flow, double insideDiameter);

// The results as the result table shows them, as numbers (the nominal diameter is the
// record's own, the number of pumps always 1).
struct DesignResults {
    Extended flowPerMinute = 0;       // L/min: the flow to the hundredth of a L/s, times 60
    Extended frictionLoss = 0;        // m, to the hundredth
    Extended pumpingHead = 0;         // m, to the hundredth
    qint64 theoreticalStorage = 0;    // m^3, whole
    Extended tanks = 0;               // number of tanks
    Extended actualStorage = 0;       // m^3
    Extended actualPumpingTime = 0;   // h/day, to the hundredth
    Extended tapstandKits = 0;        // kits of six taps
};

// One design as numbers, made by the calculation: the inputs, the catalog rows it
// chose and was given, its own values and the ten results. Everything that reports,
// checks or exports a design reads it from here. Only a run that completes makes a
// whole record; one that stops part-way leaves the inputs and results it did not
// reach at 0.
struct DesignRecord {
    DesignInputs inputs;
    qint32 pipeCatalogRow = 0; // the diameter scan's choice in the pipe table it was given, kept when a scan chooses none
    qint32 pumpCatalogRow = 0; // as picked (0: the caption row, before any pick)
    qint32 tankCatalogRow = 0;

    // The calculation's values, unrounded.
    double designFlow = 0;       // L/s
    double economicDiameter = 0; // mm
    double insideDiameter = 0;   // of the chosen pipe, mm
    double nominalDiameter = 0;  // of the chosen pipe, inches
    double frictionLoss = 0;     // m
    double pumpingHead = 0;      // m
    double theoreticalStorage = 0; // m^3

    DesignResults results;

    // Flow velocity in the chosen pipe, m/s; 0 without a pipe.
    double velocity() const { return flowVelocity(designFlow, insideDiameter); }
    // Friction loss per kilometre of pipeline, m/km.
    double gradient() const { return frictionLoss / double(inputs.pipelineLength) * 1000; }
};

// The text of a result's value cell (ResultRow::*), as the result table shows it.
QString resultText(const DesignRecord &design, int row);
// All ten, in row order.
ResultTexts resultTexts(const DesignRecord &design);

// The descriptions the result table writes for a pump row and a tank row of their
// catalogs: "<name> pump <model> model", "<type> Tank <capacity> M^3".
QString pumpDescription(const CellTable &pumps, qint32 row);
QString tankDescription(const CellTable &tanks, qint32 row);

} // namespace quorvel
