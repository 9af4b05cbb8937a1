#pragma once

#include "catalogfiles.h"
#include "sheetlayout.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>

namespace quorvel {

// What the engineer asks of every site besides its inputs.
struct DesignOptions {
    QString pump;              // a pump row or model; empty: the first pump that reaches the duty
    QString tank;              // a tank row or type; empty: any type
    double minVelocity = 0.5;  // m/s, below it sediment settles in the pipe
    double maxVelocity = 2.0;  // m/s, above it the pipe wastes head and risks surge
};

// The value column of one of the main window's tables, addressed by that table's
// rows (InputRow::* or ResultRow::*), so inputs and results count alike.
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
    // The texts of rows 1.. in order.
    QStringList texts() const { return QStringList(texts_.begin() + firstRow, texts_.end()); }

    const QString &operator[](int row) const { return texts_.at(row); }
    QString &operator[](int row) { return texts_.at(row); }

private:
    std::array<QString, LastRow + 1> texts_; // row 0, the captions' row, stays empty
};

using SiteInputs = ValueColumn<InputRow::PeoplePerTap>;
using SiteResults = ValueColumn<ResultRow::TapstandKits>;

// One site as read: its line in the sites file, its name and its seven input texts.
struct Site {
    int line = 0;
    QString name;
    SiteInputs inputs;
};

// One site designed: the main window's ten result texts and what was picked, or the
// error that stopped the calculation.
struct SiteResult {
    Site site;
    SiteResults results;      // the result table's value column; empty texts on error
    QString pump;             // "<name> pump <model> model"; empty when no pump was chosen
    qint32 pumpCatalogRow = 0; // 0 when none
    bool pumpByDuty = false;  // chosen as the first catalog pump that reaches the duty
    QString pumpPicture;      // the chosen pump's curve picture file name in the catalog
    QString tank;             // "<type> Tank <capacity> M^3"
    qint32 tankCatalogRow = 0;
    double insideDiameter = 0; // of the chosen pipe, mm
    double designFlow = 0;     // L/s
    QStringList warnings;
    QString error;            // the program's message; empty when the site was designed

    bool failed() const { return !error.isEmpty(); }
};

// The captions of the ten results, as the result table shows them.
QStringList resultCaptions();
// Their units, as the result table shows them.
QStringList resultUnits();
// The captions of the seven inputs.
QStringList inputCaptions();

// Designs sites one after the other with the main window's calculation on the given
// catalogs, picking the pump and the tank type by the options and checking the
// design. Each site starts from a fresh calculation.
class SiteDesigner {
public:
    // Raises Error when the options name a pump or tank the catalogs do not have, or
    // when no pump is named and the pump catalog has no flow and head columns. A
    // catalog error (catalogs that could not be loaded) is given to every site.
    SiteDesigner(const Catalogs &catalogs, const DesignOptions &options, const QString &catalogError = {});

    SiteResult design(const Site &site) const;

private:
    qint32 choosePump(double designFlow, double pumpingHead) const;
    qint32 chooseTank(qint64 theoreticalStorage) const;
    void check(SiteResult &result, double pumpingHead) const;

    const Catalogs &catalogs_;
    DesignOptions options_;
    QString catalogError_;
    qint32 pumpCount_ = 0;     // pump rows 1.. that hold a line of the catalog
    qint32 namedPump_ = 0;     // the pump the options name, 0 for a choice per site
    QList<qint32> tankRows_;   // the tank rows the options allow
    int flowColumn_ = -1;      // pump columns found by their captions
    int headColumn_ = -1;
};

} // namespace quorvel
