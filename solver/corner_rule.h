#pragma once
// The answer for a point outside a corner of the line. Where two elements
// meet at an angle or do not meet, a point in the wedge beyond the end of
// the one and before the start of the other has no perpendicular foot on
// either: the nearest point of the line is the corner itself, and the
// search converges on it. The rule makes that answer exact and says so.

#include <vector>

#include "alignment/design_line.h"
#include "solver/solution.h"

namespace vomel {

// A foot this close (in the line's unit) to a corner's station is taken as
// found at the corner: the searches end within about 1e-7 of a joint.
inline constexpr double CORNER_STATION_REACH = 1e-3;

// The corner answers the point when the point lies in the corner's outer
// wedge and the search found no foot nearer than the corner (up to this
// much rounding of the distances, in the line's unit).
inline constexpr double CORNER_DISTANCE_SLACK = 1e-8;

// Replaces `solution` by the corner answer where the rule holds: station of
// the joint, foot at the nearer of the two element ends there, offset the
// signed distance to it (left positive, seen along the mean of the two
// tangents), its place FootPlace::Corner. `corners` in station order.
void applyCornerRule(Solution& solution, const std::vector<LineCorner>& corners, double x, double y);

// A foot this close to an end of the line (in the line's unit) is on the
// line.
inline constexpr double LINE_END_TOLERANCE = 1e-6;

// Sets the place of a foot that is not at a corner against the line's ends
// (continuous stations): before the start, after the end or on the line.
void placeFoot(Solution& solution, double startStation, double endStation);

}  // namespace vomel
