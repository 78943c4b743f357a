#include "alignment/vertical_curve_geometry.h"

#include <algorithm>
#include <cmath>

#include "core/failure.h"

namespace vomel {

VerticalCurveGeometry VerticalCurveGeometry::withRadius(VerticalCurveShape shape, double radius, double gradeIn,
                                                        double gradeOut)
{
    VerticalCurveGeometry curve;
    curve.shape_ = shape;
    curve.gradeIn_ = gradeIn;
    curve.gradeOut_ = gradeOut;
    const double change = gradeOut - gradeIn;
    if (!(radius > 0.0) || change == 0.0) return curve;
    if (shape == VerticalCurveShape::Circle) {
        const double thetaIn = std::atan(gradeIn);
        const double thetaOut = std::atan(gradeOut);
        const double turn = thetaOut - thetaIn;
        const double t = radius * std::tan(std::fabs(turn) / 2.0);
        curve.radius_ = radius;
        curve.sense_ = turn > 0.0 ? 1.0 : -1.0;
        curve.tangentLength_ = t;
        curve.before_ = t * std::cos(thetaIn);
        curve.after_ = t * std::cos(thetaOut);
        curve.startRise_ = t * std::sin(thetaIn);
        curve.startFromCentre_ = curve.sense_ * radius * std::sin(thetaIn);
        curve.startHeight_ = radius * std::cos(thetaIn);
        return curve;
    }
    const double t = radius * std::fabs(change) / 2.0;
    curve.tangentLength_ = t;
    curve.before_ = curve.after_ = t;
    curve.rateIn_ = curve.rateOut_ = change / (2.0 * t);
    return curve;
}

VerticalCurveGeometry VerticalCurveGeometry::withLengths(double lengthIn, double lengthOut, double gradeIn,
                                                         double gradeOut)
{
    VerticalCurveGeometry curve;
    curve.shape_ = VerticalCurveShape::UnsymmetricParabola;
    curve.gradeIn_ = gradeIn;
    curve.gradeOut_ = gradeOut;
    const double change = gradeOut - gradeIn;
    if (!(lengthIn > 0.0 && lengthOut > 0.0) || change == 0.0) return curve;
    const double length = lengthIn + lengthOut;
    curve.before_ = lengthIn;
    curve.after_ = lengthOut;
    curve.tangentLength_ = length / 2.0;
    curve.rateIn_ = lengthOut * change / (length * lengthIn);
    curve.rateOut_ = lengthIn * change / (length * lengthOut);
    return curve;
}

double VerticalCurveGeometry::radiusIn() const
{
    if (!present()) return 0.0;
    return shape_ == VerticalCurveShape::Circle ? radius_ : 1.0 / std::fabs(rateIn_);
}

double VerticalCurveGeometry::radiusOut() const
{
    if (!present()) return 0.0;
    return shape_ == VerticalCurveShape::Circle ? radius_ : 1.0 / std::fabs(rateOut_);
}

ProfileValue VerticalCurveGeometry::at(double offset, double z0) const
{
    if (shape_ == VerticalCurveShape::Circle) {
        // With u the horizontal distance from the centre and h = √(R² − u²),
        // z = z_centre − σ·h; measured from the start (u = uA, h = hA):
        // z − zA = σ·(hA − h) = σ·(u² − uA²)/(h + hA) = σ·d·(d + 2·uA)/(h + hA),
        // d = u − uA, which loses nothing to cancellation.
        const double d = offset + before_;
        const double u = startFromCentre_ + d;
        const double h = std::sqrt(std::max(0.0, (radius_ - u) * (radius_ + u)));
        const double elevation = z0 - startRise_ + sense_ * d * (d + 2.0 * startFromCentre_) / (h + startHeight_);
        return {elevation,
                checkedDivide(sense_ * u, h, VOMEL_TRANSLATE_NOOP("Failure", "grade on the circular vertical curve"))};
    }
    if (offset <= 0.0) {
        // First half, from the start along the incoming grade.
        const double d = offset + before_;
        return {z0 + gradeIn_ * offset + rateIn_ * d * d / 2.0, gradeIn_ + rateIn_ * d};
    }
    // Second half, back from the end along the outgoing grade.
    const double u = after_ - offset;
    return {z0 + gradeOut_ * offset + rateOut_ * u * u / 2.0, gradeOut_ - rateOut_ * u};
}

}  // namespace vomel
