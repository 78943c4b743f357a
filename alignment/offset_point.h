#pragma once
// Setting out from the design line: the point at a station and an offset,
// on the normal of the line there, to the left for a positive offset,
// looking along increasing station, as the back-calculation signs it.

#include "alignment/design_line.h"
#include "core/line_pose.h"
#include "core/point.h"

namespace vomel {

// The pose's tangent azimuth in [0, 2π), radians from +X towards +Y; a
// GeometryFailure when it is not finite.
double tangentAzimuth(const LinePose& pose);

// The point at `offset` from the line at continuous station `station`: the
// line's point moved along the normal (towards azimuth - π/2 on a survey
// grid with X north and Y east for a positive offset). A GeometryFailure
// when the offset or the point is not finite.
Point offsetPoint(const DesignLine& line, double station, double offset);

}  // namespace vomel
