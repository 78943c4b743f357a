#pragma once
// Directions, line crossings and the layout of one curve of the
// intersection-point table (arc plus entry and exit clothoids, possibly
// unequal, incomplete or forming a hairpin).

#include "core/point.h"

namespace vomel {

// Two azimuths within this of each other (radians) count as the same
// direction when a hairpin curve decides on which side of the intersection
// point its ends lie.
inline constexpr double HAIRPIN_DIRECTION_TOLERANCE = 1e-4;

// Length of the helper segments laid along each side to intersect them (m).
inline constexpr double SIDE_HELPER_LENGTH = 100.0;

// Azimuth of the direction from `from` to `to`, in [0, 2*pi). Equal X with
// the target not above gives 3*pi/2, so two equal points give 3*pi/2.
double azimuth(vomel::Point from, vomel::Point to);

// Crossing point of the line through p1 and p2 with the line through p3 and
// p4. Parallel lines (or a line given by two equal points) are a
// GeometryFailure.
vomel::Point lineIntersection(vomel::Point p1, vomel::Point p2, vomel::Point p3, vomel::Point p4);

// The layout of one curve, in the order the table stores it.
struct CurveTangents {
    double t1 = 0.0;  // ZH to the intersection point (negative: ZH beyond it)
    double t2 = 0.0;  // intersection point to HZ (negative: HZ before it)
    double extraIn = 0.0;  // clothoid length from the entry origin to ZH
    double extraOut = 0.0;  // clothoid length from HZ to the exit origin
    double originAzimuthIn = 0.0;  // tangent at the entry origin, in [-pi, pi]
    double originAzimuthOut = 0.0;  // tangent at the exit origin, in [-pi, pi]
    double turn = 0.0;  // signed turn between the two origin tangents
};

// Lays out the curve of radius r with entry and exit spirals ls1, ls2 that
// start from the outer radii ra1, ra2 (0 = infinite), for the deflection
// alpha between the sides of azimuth azIn and azOut. On a hairpin row the
// five curve values arrive negated. Division faults are GeometryFailures.
CurveTangents solveCurveTangents(double r, double ra1, double ra2, double ls1, double ls2, double alpha, double azIn,
                                 double azOut);

}  // namespace vomel
