#pragma once
// The reference search for a point's foot on the design line, independent of how
// the line is defined: the line is sampled once per unit of length, the
// nearest sample brackets the foot of the perpendicular, and a bisection on
// the distance finds it. The side (left positive, right negative, looking
// along increasing station) comes from two azimuths.
//
// Every length here is in the line's unit: metres, or feet for a LandXML or
// IFC line in feet. Tolerances are named in metres; each is far enough below
// the rounding of survey coordinates to hold in feet as well.

#include <cstddef>

#include "core/point.h"
#include "solver/sample_table.h"
#include "solver/solution.h"

namespace vomel {

// Index k of the sample nearest to (x, y) among 1..n, scanning upwards and
// taking a later sample only when it is strictly nearer: the lowest index
// wins a tie. The samples 0 and n + 1 only close the bracket.
std::size_t nearestSample(const SampleTable& samples, double x, double y);

// A point's coordinate, finite and within ±MAX_INPUT_MAGNITUDE (beyond it
// the squared distances to the line overflow); else a GeometryFailure
// naming `what`.
double requireCoordinate(double value, const char* what);

// Nearest sample k, then bisection
// over [station(k - 1), station(k + 1)] with the sample k + 1 as the point
// ahead. The table must not be empty.
Solution solvePoint(const SampleTable& samples, const PointFunction& pointAt, double x, double y);

// Bisection between two stations on the distance to (x, y), run until the
// bracket can shrink no further (FootBisection, solver/foot_bisection.h);
// (aheadX, aheadY) is a point of the line ahead of the bracket, used for
// the side.
Solution bisectFoot(double lowStation, double highStation, double aheadX, double aheadY, double x, double y,
                    const PointFunction& pointAt);

// Side sign of the point p1 whose foot is p2, with p3 ahead on the line:
// +1 on the left of the direction p2 -> p3 (and when the turn is exactly
// zero), -1 on the right.
int sideOfLine(Point p1, Point p2, Point p3);

}  // namespace vomel
