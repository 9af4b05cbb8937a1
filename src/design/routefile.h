#pragma once

#include "routeprofile.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace quorvel {

// A pipeline's route as the engineer has it, from the source (its first point) to
// the tank (its last):
// - a CSV file of the distance along the pipe (m) and the ground's elevation (m),
//   with captions read as loosely as the sites file's (Distance, Chainage, Station;
//   Elevation, Altitude, Ground level...), comma- or semicolon-separated with either
//   decimal mark; a file of two number columns and no captions is read as distance,
//   elevation;
// - a GPX file: the points of its tracks (or, without tracks, of its routes) with
//   latitude, longitude and elevation, the distances measured along the track on the
//   WGS-84 ellipsoid (GeographicLib's geodesics). Fixes at one place (a GPS left
//   standing) count once.
struct RouteFile {
    QList<RoutePoint> points;
    QStringList notices; // what the reader noticed once for the whole file
};

// Reads a route file, told apart by its content (a GPX file is XML). Raises Error
// naming the file, the line and the field when it cannot be read or a point cannot
// be used: fewer than two points, a distance that does not rise, an elevation that
// is not a finite number, a track point without an elevation.
RouteFile readRouteFile(const QString &path);

} // namespace quorvel
