#pragma once
// Closed forms of the vertical curves, written apart from the profile's own
// code for the tests to check it against: the circle through its centre,
// the unsymmetric parabola by its offsets e·(x/l)² from the tangents.

#include <cmath>

namespace vomel::testing {

struct CurveValue {
    double elevation = 0.0;
    double grade = 0.0;
};

// A circle of radius R tangent to the grades i1 and i2 of the grade point
// (s0, z0): the tangent points lie t = R·tan(|θ2 − θ1|/2) along each grade.
struct CircleCurve {
    double s0, z0, i1, i2, radius;

    double turn() const { return std::atan(i2) - std::atan(i1); }
    double tangent() const { return radius * std::tan(std::fabs(turn()) / 2.0); }
    double startStation() const { return s0 - tangent() * std::cos(std::atan(i1)); }
    double endStation() const { return s0 + tangent() * std::cos(std::atan(i2)); }
    CurveValue at(double s) const
    {
        const double theta = std::atan(i1);
        const double side = turn() > 0.0 ? 1.0 : -1.0;  // a sag has its centre above
        const double centreStation = startStation() - side * radius * std::sin(theta);
        const double centreElevation = z0 - tangent() * std::sin(theta) + side * radius * std::cos(theta);
        const double u = s - centreStation;
        const double h = std::sqrt(radius * radius - u * u);
        return {centreElevation - side * h, side * u / h};
    }
};

// The unequal-tangent parabola: the middle ordinate e = l1·l2·(i2 − i1)/(2L)
// at the grade point, offsets e·(x/l)² from each tangent.
struct UnsymmetricParabola {
    double s0, z0, i1, i2, lengthIn, lengthOut;

    double middleOrdinate() const { return lengthIn * lengthOut * (i2 - i1) / (2.0 * (lengthIn + lengthOut)); }
    CurveValue at(double s) const
    {
        const double e = middleOrdinate();
        if (s <= s0) {
            const double x = s - (s0 - lengthIn);
            return {z0 + i1 * (s - s0) + e * (x / lengthIn) * (x / lengthIn), i1 + 2.0 * e * x / (lengthIn * lengthIn)};
        }
        const double x = s0 + lengthOut - s;
        return {z0 + i2 * (s - s0) + e * (x / lengthOut) * (x / lengthOut), i2 - 2.0 * e * x / (lengthOut * lengthOut)};
    }
};

}  // namespace vomel::testing
