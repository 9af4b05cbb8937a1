#pragma once

#include "designcalculation.h"

namespace quorvel {

// Answers the calculation's two picks with fixed rows, as a double-click would.
class FixedPicks final : public CatalogPickers {
public:
    qint32 pump = 1;
    qint32 tank = 1;
    qint32 pickPump() override { return pump; }
    void endPumpPick() override {}
    qint32 pickTank() override { return tank; }
};

} // namespace quorvel
