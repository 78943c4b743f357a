#pragma once
// The chord of a piece of clothoid between arc lengths l1 and l2 from its
// zero-curvature point, in the clothoid's own frame (x along the tangent at
// zero curvature). One power series on the differences of the terms of x(l)
// and y(l), so that a piece far from the zero-curvature point does not lose
// its digits to the difference of two large values.

namespace vomel {

// x(l2) - x(l1) for the signed clothoid constant c (curvature l / c).
double spiralSpanX(double l1, double l2, double c);

// y(l2) - y(l1), with the sign of c for 0 <= l1 < l2.
double spiralSpanY(double l1, double l2, double c);

}  // namespace vomel
