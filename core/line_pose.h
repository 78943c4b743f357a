#pragma once
// The design line at one station with its first two derivatives: the point,
// the direction of increasing station and how fast that direction turns.
// The back-calculation's Newton step needs them to find where the line
// meets the perpendicular from a surveyed point.

#include "core/point.h"

namespace vomel {

struct LinePose {
    Point point;
    // Azimuth of the tangent towards increasing station, radians from +X
    // towards +Y; not reduced to [0, 2pi).
    double azimuth = 0.0;
    // d azimuth / d station, 1/m: positive where the line turns from +X
    // towards +Y (to the right on a survey grid), 0 on a straight.
    double curvature = 0.0;
};

}  // namespace vomel
