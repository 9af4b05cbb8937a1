#pragma once

#include "operatingpoint.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace quorvel {

// One designed site as an EPANET network.
struct NetworkDesign {
    QString siteName;
    double sourceElevation = 0;  // m
    double storageElevation = 0; // m
    double pipelineLength = 0;   // m
    double insideDiameter = 0;   // mm, of the chosen pipe
    double nominalDiameter = 0;  // inches, for the title
    double dailyDemand = 0;      // m^3, population times daily usage
    double pumpingHours = 0;     // h/day
    double actualStorage = 0;    // m^3
    std::optional<PumpDuty> pump; // none: gravity
    QString pumpDescription;
};

// The storage as one cylinder: a fixed height, the diameter that holds the volume.
struct TankShape {
    double diameter = 0; // m
    double height = 0;   // m
};
TankShape tankShape(double volume);

// The network's node and link names, for whoever reads the results back.
namespace EpanetName {
inline constexpr char source[] = "Source";
inline constexpr char pumpOutlet[] = "PumpOutlet";
inline constexpr char tank[] = "StorageTank";
inline constexpr char tapstands[] = "Tapstands";
inline constexpr char pump[] = "Pump";
inline constexpr char pipeline[] = "Pipeline";
inline constexpr char tankToTapstands[] = "TankToTapstands";
inline constexpr char pumpCurve[] = "PumpCurve";
inline constexpr char dayPattern[] = "DayPattern";
} // namespace EpanetName

// The lines of the .inp file (SI units, flow in L/s, Hazen-Williams head loss).
QStringList epanetNetwork(const NetworkDesign &design);

// Writes the .inp file through a temporary file that replaces the old one only when
// complete; raises "Cannot create file ..." or "Stream write error".
void writeEpanetNetwork(const NetworkDesign &design, const QString &path);

} // namespace quorvel
