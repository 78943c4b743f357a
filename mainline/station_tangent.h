#pragma once
// The tangent azimuth of the main line at a continuous station, taken
// analytically from the same element that mainLineStationToXY places the
// point on: exact at the key points, where the curvature jumps.

#include "mainline/mainline.h"

namespace zxbas {

// Azimuth of the direction of increasing station, radians (not reduced).
double mainLineTangentAzimuth(const MainLine& line, double station);

}  // namespace zxbas
