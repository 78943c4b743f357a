#pragma once
// The tangent azimuth of an interchange ramp at a continuous station, from
// the element that interchangeStationToXY places the point on.

namespace htbas {

struct ElementChain;

// Azimuth of the direction of increasing station, radians (not reduced).
double interchangeTangentAzimuth(const ElementChain& chain, double station);

}  // namespace htbas
