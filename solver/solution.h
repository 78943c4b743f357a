#pragma once
// The answer for one point: the foot of the perpendicular on the design
// line, the signed offset and where the foot lies. Lengths are in the line's
// unit (m or ft).

#include "core/point.h"

namespace vomel {

// Where a point's foot lies on the line. Beyond an end, the station and
// offset are those of the end's rule, not of a perpendicular; outside a
// corner (applyCornerRule, solver/corner_rule.h) they are those of the
// corner.
enum class FootPlace { OnLine, BeforeStart, AfterEnd, Corner };

// The answer for one point: continuous station of the foot, signed offset
// (left positive), foot coordinates.
struct Solution {
    double station = 0.0;
    double offset = 0.0;
    double footX = 0.0;
    double footY = 0.0;
    // Set by the fast search when another part of the line has a foot
    // practically as near (see AMBIGUOUS_FOOT_DISTANCE): that foot's
    // continuous station.
    bool ambiguous = false;
    double otherStation = 0.0;
    // Set by applyCornerRule and placeFoot (solver/corner_rule.h).
    FootPlace place = FootPlace::OnLine;
};

// A point of the design line during the bisection, with its distance to the
// point being solved.
struct StationPoint {
    double station = 0.0;
    double x = 0.0;
    double y = 0.0;
    double distance = 0.0;
};

// Plane distance between two records (stations and distances ignored).
inline double planeDistance(const StationPoint& p, const StationPoint& q)
{
    return planeDistance(Point{p.x, p.y}, Point{q.x, q.y});
}

}  // namespace vomel
