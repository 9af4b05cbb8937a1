#pragma once

// The worked example and the small catalogs that most design tests are worked on.

#include "celltable.h"
#include "designrecord.h"

#include <QList>
#include <QStringList>

namespace quorvel {

// The seven inputs of the worked example (L, Zw, Zt, P, T, U, K) and its ten results.
namespace WorkedExample {
inline const QStringList inputs{"1000", "100", "150", "5000", "4", "25", "250"};
// On SmallCatalogs, pump row 1 and tank row 1 (10 m^3).
inline const QStringList results{"520.8", "6", "1.56", "51.56", "125", "1", "13", "130", "4.16", "4"};
// On the shipped database, pump row 1 and tank row 3 (10 m^3): a 5" pipe.
inline const QStringList shippedResults{"520.8", "5", "3.83", "53.83", "125", "1", "13", "130", "4.16", "4"};
} // namespace WorkedExample

struct Pipe {
    QString nominal; // inches
    QString inside;  // mm
};

// Catalogs as the catalog windows hold them: the worked example's four pipes, two
// pumps (the first with its rated duty), two tank types.
struct SmallCatalogs {
    CellTable pipes{5, 20};
    CellTable pumps{7, 100};
    CellTable tanks{4, 15};
    qint32 pipeCount = 0;

    SmallCatalogs()
    {
        const QStringList pumpCaptions{"No", "Pump", "Model", "Flow (L/s)", "Head (m)", "Power (kW)", "Curve"};
        for (int col = 0; col < pumpCaptions.size(); ++col)
            pumps.setCell(col, 0, pumpCaptions[col]);
        const QStringList engine{"1", "Engine", "HX-50", "20", "80", "5.5", "hx50.bmp"};
        for (int col = 0; col < engine.size(); ++col)
            pumps.setCell(col, 1, engine[col]);
        pumps.setCell(1, 2, "Electric");
        pumps.setCell(2, 2, "EV-80");
        tanks.setCell(1, 1, "Onion");
        tanks.setCell(2, 1, "10");
        tanks.setCell(1, 2, "Bladder");
        tanks.setCell(2, 2, "2");
        setPipes({{"2", "52.5"}, {"3", "77.9"}, {"4", "102.3"}, {"6", "154.1"}});
    }

    // The pipe rows from 1 on; the pipe count follows them.
    void setPipes(const QList<Pipe> &list)
    {
        for (int i = 0; i < list.size(); ++i) {
            pipes.setCell(2, i + 1, list[i].nominal);
            pipes.setCell(4, i + 1, list[i].inside);
        }
        pipeCount = qint32(list.size());
    }

    CatalogTables tables() const { return {pipes, pipeCount, pumps, tanks}; }
};

// The worked example's inputs in the value column of an input table.
inline void setWorkedExampleInputs(CellTable &inputs, const QStringList &values = WorkedExample::inputs)
{
    for (int row = 1; row <= values.size(); ++row)
        inputs.setCell(valueColumn, row, values[row - 1]);
}

} // namespace quorvel
