#pragma once
// The geometry of one vertical curve at a grade point (s0, z0) between the
// grade i1 coming in and i2 going out (rises per unit of length), in the
// plane of continuous station s and elevation z. Three shapes:
//
// Parabola (symmetric, radius R): T = R·|i2 − i1| / 2 on either side of s0.
//
// Unsymmetric parabola (horizontal lengths l1 before s0, l2 after it,
// L = l1 + l2): two parabolas meeting above or below s0 with the common
// grade ic = (i1·l1 + i2·l2) / L; the grade changes at the rate
// l2·(i2 − i1)/(L·l1) on the first and l1·(i2 − i1)/(L·l2) on the second,
// and the curve passes l1·l2·(i2 − i1)/(2L) above the grade point. With
// l1 = l2 = T it is the symmetric parabola.
//
// Circle (radius R): the arc tangent to both grades. With θ = atan(i), the
// tangent points lie t = R·tan(|θ2 − θ1|/2) from the grade point along each
// grade, so t·cos θ1 before and t·cos θ2 after it horizontally; between
// them the elevation is that of the circle, computed in a form free of
// cancellation (see elevation below), exact to a few units in the last
// place of the elevations.

namespace vomel {

enum class VerticalCurveShape {
    Parabola,  // symmetric, given by its radius
    Circle,  // a circular arc, given by its radius
    UnsymmetricParabola,  // given by its horizontal lengths before and after the grade point
};

// Elevation and grade at a station.
struct ProfileValue {
    double elevation = 0.0;
    double grade = 0.0;  // rise per unit of length
};

class VerticalCurveGeometry {
public:
    VerticalCurveGeometry() = default;
    // A parabola of radius R, or a circle of radius R (0: no curve).
    static VerticalCurveGeometry withRadius(VerticalCurveShape shape, double radius, double gradeIn, double gradeOut);
    // An unsymmetric parabola of horizontal lengths lengthIn and lengthOut.
    static VerticalCurveGeometry withLengths(double lengthIn, double lengthOut, double gradeIn, double gradeOut);

    bool present() const { return before_ > 0.0 || after_ > 0.0; }
    VerticalCurveShape shape() const { return shape_; }
    // Horizontal lengths from the curve's start to the grade point and from
    // the grade point to its end; 0 for no curve.
    double before() const { return before_; }
    double after() const { return after_; }
    // The tangent length of the drawings: T of a parabola, R·tan(Δθ/2)
    // (along the grade) of a circle, (l1 + l2)/2 of an unsymmetric
    // parabola.
    double tangentLength() const { return tangentLength_; }
    // The radius of curvature at the start and at the end of the curve
    // (R of a parabola at its vertex, of a circle everywhere; 1/rate on
    // each half of an unsymmetric parabola); 0 for no curve.
    double radiusIn() const;
    double radiusOut() const;

    // Elevation and grade at `offset` = station − s0, on the curve
    // (−before() <= offset <= after()), for a grade point at elevation z0.
    ProfileValue at(double offset, double z0) const;

private:
    VerticalCurveShape shape_ = VerticalCurveShape::Parabola;
    double gradeIn_ = 0.0;
    double gradeOut_ = 0.0;
    double before_ = 0.0;
    double after_ = 0.0;
    double tangentLength_ = 0.0;
    // Parabolas: the rate of change of grade (per unit of length) on the
    // half before and after the grade point.
    double rateIn_ = 0.0;
    double rateOut_ = 0.0;
    // Circle: radius, +1 for a sag (centre above), −1 for a crest; the
    // start's elevation below the grade point, and its horizontal distance
    // from the centre (σ·R·sin θ1) and height below or above it (R·cos θ1).
    double radius_ = 0.0;
    double sense_ = 1.0;
    double startRise_ = 0.0;
    double startFromCentre_ = 0.0;
    double startHeight_ = 0.0;
};

}  // namespace vomel
