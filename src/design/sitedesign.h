#pragma once

#include "catalogfiles.h"
#include "designchecks.h"
#include "designrecord.h"
#include "operatingpoint.h"
#include "piperatings.h"
#include "routechecks.h"
#include "routefile.h"
#include "sheetlayout.h"
#include "translatable.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>
#include <vector>

namespace quorvel {

// What the engineer asks of every site besides its inputs.
struct DesignOptions {
    QString pump;              // a pump row or model; empty: chosen per site on its operating point
    QString tank;              // a tank row or type; empty: any type
    VelocityRange velocities;  // m/s
    bool checkTexts = false;   // every check kept with its texts in the result, for a report
    double headMargin = 0.10;  // share beyond the pumping head a chosen pump must reach at the design flow
    PipeRatings ratings;       // for the checks of the sites' routes
};

// One site as read: its line in the sites file, its name and its seven input texts.
struct Site {
    int line = 0;
    QString name;
    InputTexts inputs;
    InputTexts captions; // each input's column caption in the sites file, for messages
    int unreadInput = 0;             // the first input the sites file could not read (InputRow::*), 0 for none
    TranslatableText unreadReason{}; // and why
    QString profile{};               // the file of the pipeline's route; empty: none
};

// A site's route as its profile file gives it, worked out for the design: the points,
// the heads and findings along them, the chosen pipe's rating (none when the ratings
// do not name it), the route's checks (against the inputs, then its own) and what the
// reader noticed.
struct SiteRoute {
    QList<RoutePoint> points;
    RouteDuty duty;
    RouteAnalysis analysis;
    std::optional<PipeRating> rating;
    QList<DesignCheck> checks;
    QStringList notices;

    // A pump trips on this route and the pipe's wave speed is known.
    bool surgeApplies() const { return !duty.gravity() && rating.has_value(); }
};

// One site designed: the calculation's record, the main window's ten result texts
// and what was picked, or the error that stopped it.
struct SiteResult {
    Site site;
    DesignRecord design;      // complete unless the site failed; no pump row (0) without a pump
    ResultTexts results;      // the result table's value column, from the record; empty texts on error
    QString pump;             // "<name> pump <model> model"; empty when no pump was chosen
    QString pumpModel;
    bool gravity = false;     // the storage lies low enough for no pump
    QString tank;             // "<type> Tank <capacity> M^3"
    std::optional<PumpDuty> pumpDuty;             // the chosen pump's rated flow and head
    std::optional<OperatingPoint> operatingPoint; // with a rated pump, or by gravity
    // Notes, warnings, failures and error are English in the CSV, JSON and network
    // files and translated where people read them (the table, standard error, the report).
    TranslatableTexts notes;    // why the pump and the tank were chosen, the hours it runs
    TranslatableTexts warnings; // the checks that warn: the scheme works, outside good practice
    TranslatableTexts failures; // the checks that fail: the scheme does not work
    QList<DesignCheck> checks;  // every check with its texts, when asked for (a report)
    std::optional<SiteRoute> route; // with a profile
    QString errorColumn;        // the input column the error is about, if any
    TranslatableText error;     // the program's message when the calculation stopped

    // The calculation stopped: no numbers.
    bool stopped() const { return !error.isEmpty(); }
    // Not designed: the calculation stopped or a check fails.
    bool failed() const { return stopped() || !failures.isEmpty(); }
    // The error, or else the failures: why the site is not designed.
    TranslatableText failureText() const;
    // The error with its column: "Population: must be greater than 0 (got -5)".
    TranslatableText errorText() const;
};

// How many hours a day the water runs at the operating point (with the pump, or by
// gravity) to deliver the day's demand, told apart from the result table's estimate
// at the design flow; empty without a flow.
TranslatableText operatingHoursNote(const SiteResult &result);

// The captions of the ten results, as the result table shows them.
QStringList resultCaptions();
// Their units, as the result table shows them.
QStringList resultUnits();
// The captions of the seven inputs.
QStringList inputCaptions();

// Designs sites one after the other with the main window's calculation on the given
// catalogs, picking the pump and the tank type by the options and checking the
// design. Each site starts from a fresh calculation; catalog rows that cannot be
// used are left out of every choice and named once in catalogDefects().
class SiteDesigner {
public:
    // Raises Error when the options name a pump or tank the catalogs do not have, when
    // no pump is named and the pump catalog has no flow and head columns, or when the
    // pipe catalog has no usable pipe.
    SiteDesigner(const Catalogs &catalogs, const DesignOptions &options);

    SiteResult design(const Site &site) const;

    // "pumps.csv line 3, Flow (L/s): 'four' is not a number — row skipped", in
    // catalog and line order.
    const QStringList &catalogDefects() const { return defects_; }

private:
    void scanPipes();
    void scanPumps();
    void scanTanks();
    void namePump();
    void nameTank();
    qint32 choosePump(SiteResult &result, const DesignRecord &design) const;
    qint32 chooseTank(SiteResult &result, qint64 theoreticalStorage) const;
    // The route of a designed site along its profile, its checks' findings among the
    // site's warnings and failures.
    void designRoute(SiteResult &result, const RouteFile &file) const;

    const Catalogs &catalogs_;
    DesignOptions options_;
    CellTable pipes_{5, 1};     // the usable pipe rows, renumbered from 1
    qint32 pipeCount_ = 0;
    QHash<qint32, TranslatableText> rowDefects_[2]; // pump rows, tank rows that cannot be used
    qint32 pumpCount_ = 0;     // pump rows 1.. that hold a line of the catalog
    struct RatedPump {
        std::optional<PumpDuty> duty;
        double power = 0; // kW; 0 without a power column
    };
    std::vector<RatedPump> pumps_; // by pump row
    qint32 namedPump_ = 0;     // the pump the options name, 0 for a choice per site
    QList<qint32> tankRows_;   // the usable tank rows the options allow
    TranslatableText namedTankDefect_; // why the named tank cannot be used
    int flowColumn_ = -1;      // pump columns found by their captions
    int headColumn_ = -1;
    int powerColumn_ = -1;
    QStringList defects_;
};

} // namespace quorvel
