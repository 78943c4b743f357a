#pragma once
// Points on transition spirals (clothoids) and circular arcs, in the
// element's own local frame, and the tangent lengths of an intersection point
// with unequal spirals. Lengths in metres, angles in radians. Shared by the
// main-line and the interchange geometry.

#include <cmath>

#include "core/failure.h"

namespace vomel {

// A series stops after adding its first term whose magnitude is below this
// (absolute, metres): a term of exactly this size lets it go on.
inline constexpr double SPIRAL_SERIES_TOLERANCE = 1e-20;

// The series are convergent for every finite argument, but for a spiral
// angle l²/(2C) far beyond any road (tens of radians) the terms first grow
// past the double range. A series that has not stopped after this many
// terms is a geometry failure rather than a loop without end.
inline constexpr int MAX_SERIES_TERMS = 80;

// n! as a double; 0! = 1. n outside 0..170 (where n! overflows) fails.
double factorial(int n);

// Sums term(0), term(1), ... and stops after adding the first term whose
// magnitude is below SPIRAL_SERIES_TOLERANCE. A term that is not finite,
// or a series that does not stop within MAX_SERIES_TERMS terms, fails.
template <class Term>
double sumSpiralSeries(Term term, const char* what)
{
    double sum = 0.0;
    double last = 100.0;
    for (int k = 0; !(std::fabs(last) < SPIRAL_SERIES_TOLERANCE); ++k) {
        if (k >= MAX_SERIES_TERMS) {
            throw vomel::GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "series of %1 does not converge"),
                                         vomel::worded(what));
        }
        last = vomel::requireFinite(term(k), what);
        sum += last;
    }
    return vomel::requireFinite(sum, what);
}

// q: the gain in tangent length caused by a spiral of length ls ending at
// radius r. q = ls/2 - ls³/(240 r²) + ...
double spiralTangentGain(double ls, double r);

// p: the inward shift of the circular arc caused by the same spiral.
// p = ls²/(24 r) - ls⁴/(2688 r³) + ...
double spiralShift(double ls, double r);

// x in the spiral frame at arc length l from the zero-curvature point, for
// the signed clothoid constant c (curvature l / c): l - l⁵/(40 c²) + ...
double spiralLocalX(double l, double c);

// y in the spiral frame, with the sign of c: l³/(6 c) - l⁷/(336 c³) + ...
double spiralLocalY(double l, double c);

// Tangent length from the intersection point back to the start of the first
// spiral, for arc radius r, spiral shifts p1 and p2, the first spiral's
// tangent gain q1 and the deflection alpha (only |alpha| counts).
double tangentLengthFirst(double r, double p1, double p2, double q1, double alpha);

// Tangent length from the intersection point on to the end of the second
// spiral, with the second spiral's tangent gain q2.
double tangentLengthSecond(double r, double p1, double p2, double q2, double alpha);

// x of the point at arc length l on a circular arc of signed radius r, in
// the arc frame (origin at the arc's start, x along its tangent): r sin(l/r).
double arcLocalX(double l, double r);

// y of the same point, towards the centre for r > 0: r (1 - cos(l/r)).
double arcLocalY(double l, double r);

}  // namespace vomel
