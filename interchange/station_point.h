#pragma once
// The point of an interchange ramp's design line at a continuous station.

#include "app/point.h"

namespace htbas {

struct ElementChain;

// The point of a prepared chain at `station` (metres). Before the start and
// after the end the line goes on along the start and end tangents. A
// station that is not finite is a vomel::GeometryFailure.
vomel::Point interchangeStationToXY(const ElementChain& chain, double station);

}  // namespace htbas
