#pragma once
// The point of an interchange ramp's design line at a continuous station.

#include "core/line_pose.h"
#include "core/point.h"

namespace vomel {

struct ElementChain;

// The point of a prepared chain at `station` (metres). Before the start and
// after the end the line goes on along the start and end tangents. A
// station that is not finite is a vomel::GeometryFailure.
vomel::Point elementChainPointAt(const ElementChain& chain, double station);

// The same point with the tangent azimuth towards increasing station and the
// curvature there (d azimuth / d station, 1/m).
vomel::LinePose elementChainPoseAt(const ElementChain& chain, double station);

// The element whose interval [nodeStation[k], nodeStation[k+1]) holds
// `station`: the first such k of 1..elementCount, found by binary search
// over the node stations, or 0 when none does (before the start, at or
// after the end). An element of length 0 is never chosen.
int elementIndexAt(const ElementChain& chain, double station);

}  // namespace vomel
