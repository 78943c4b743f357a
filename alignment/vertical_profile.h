#pragma once
// The vertical profile (纵断面) of a road: grade points (变坡点) joined by
// straight grades, with a vertical curve at an interior grade point: a
// symmetric parabola of radius R (the profile file's only kind), a circular
// arc of radius R, or an unsymmetric parabola of given lengths before and
// after the grade point (alignment/vertical_curve_geometry.h has the closed
// forms).
//
// For the symmetric parabola at a grade point with grades i1 (in) and i2
// (out), as rises per unit of length:
//   T = R·|i1 − i2| / 2          tangent length
//   E = T² / (2R)                external distance at the grade point
// The curve runs from station − T to station + T; on it the elevation is
// the incoming tangent's elevation − sign·x²/(2R), with x the distance from
// the curve's start and sign +1 at a crest (i1 > i2), −1 at a sag.
// Stations are continuous stations (metres along the line, or the feet of
// a LandXML file).
//
// Extents are compared with PROFILE_LENGTH_TOLERANCE: a curve that reaches
// its neighbour or the end of its grade to a rounding of the numbers
// written passes; a real overlap is refused with the amounts.

#include <cstddef>
#include <string>
#include <vector>

#include "alignment/length_unit.h"
#include "alignment/vertical_curve_geometry.h"
#include "stationing/chain_break.h"

namespace vomel {

// Two lengths of a profile (stations, curve extents) compared for "reaches"
// may differ by this share of the larger, or by PROFILE_LENGTH_TOLERANCE_FLOOR
// (in the profile's unit) when that is more: 1e-9 is far above the
// rounding of numbers written with 12 or more digits and far below any
// designed length (a millimetre overlap on a 10 km line is still refused).
inline constexpr double PROFILE_LENGTH_TOLERANCE_SHARE = 1e-9;
inline constexpr double PROFILE_LENGTH_TOLERANCE_FLOOR = 1e-9;  // profile's unit

// The tolerance for comparing the lengths a and b (see above).
double profileLengthTolerance(double a, double b);

struct GradePoint {
    double station = 0.0;  // continuous station, metres
    double elevation = 0.0;  // metres
    // Of the vertical curve, metres; 0 for none. For an unsymmetric
    // parabola the profile sets it to (lengthIn + lengthOut) / |i1 − i2|,
    // the length per unit change of grade.
    double radius = 0.0;
    long line = 0;  // line of the profile file (0 when built in code)
    VerticalCurveShape shape = VerticalCurveShape::Parabola;
    // Unsymmetric parabola only: the horizontal lengths from the curve's
    // start to the grade point and from the grade point to its end.
    double lengthIn = 0.0;
    double lengthOut = 0.0;
};

// One row of the vertical-curve table, for an interior grade point.
struct VerticalCurve {
    std::size_t gradePoint = 0;  // index into VerticalProfile::gradePoints()
    double station = 0.0;
    double elevation = 0.0;
    double gradeIn = 0.0;  // rise per metre
    double gradeOut = 0.0;  // rise per metre
    double radius = 0.0;  // GradePoint::radius
    double tangentLength = 0.0;  // T (VerticalCurveGeometry::tangentLength)
    double externalDistance = 0.0;  // E: from the grade point to the curve, vertically
    bool crest = false;  // gradeIn > gradeOut; a sag otherwise
    VerticalCurveShape shape = VerticalCurveShape::Parabola;
    double lengthIn = 0.0;  // horizontal, from the start to the grade point
    double lengthOut = 0.0;  // horizontal, from the grade point to the end
    double radiusIn = 0.0;  // radius of curvature at the start
    double radiusOut = 0.0;  // and at the end
    double startStation = 0.0;
    double startElevation = 0.0;
    double endStation = 0.0;
    double endElevation = 0.0;
};

class VerticalProfile {
public:
    // Checks and prepares the grade points. At least two points; stations
    // strictly increasing (by more than the tolerance); radii and lengths
    // not negative, an unsymmetric parabola's both lengths or neither; no
    // curve on the first and last points; no curve longer than the grade
    // on either side of it; no two curves overlapping. A fault is a
    // FormatFailure naming the grade point's line; its lengths are said in
    // `unit`, the unit of the file.
    explicit VerticalProfile(std::vector<GradePoint> points, LengthUnit unit = LengthUnit::Metre);

    double startStation() const { return points_.front().station; }
    double endStation() const { return points_.back().station; }
    // Within the first and last grade points (inclusive, to the tolerance).
    bool contains(double station) const;

    // Design elevation at a continuous station, metres. A station outside
    // the profile is a GeometryFailure naming the profile's extent.
    double elevationAt(double station) const;
    // Grade (rise per metre) at a station, with the same extent.
    double gradeAt(double station) const;

    const std::vector<GradePoint>& gradePoints() const { return points_; }
    // The grade from point k to point k + 1, rise per metre.
    double gradeAfter(std::size_t k) const { return grades_[k]; }
    // T of the vertical curve at point k (0 for none): the half-length of a
    // symmetric parabola (see VerticalCurveGeometry::tangentLength).
    double tangentLength(std::size_t k) const { return curves_[k].tangentLength(); }
    // Horizontal lengths from the start of the curve at point k to the
    // point, and from the point to the curve's end (T and T for a
    // symmetric parabola; 0 for none).
    double curveLengthBefore(std::size_t k) const { return curves_[k].before(); }
    double curveLengthAfter(std::size_t k) const { return curves_[k].after(); }

    // One row per interior grade point, curve or not (R, T and E 0 then).
    std::vector<VerticalCurve> curveTable() const;

private:
    void prepareCurves(LengthUnit unit);
    // Elevation and grade at a station inside the profile: one place finds
    // the grade or curve that holds it.
    ProfileValue valueAt(double station) const;

    std::vector<GradePoint> points_;
    std::vector<double> grades_;  // grades_[k]: from point k to k + 1
    std::vector<VerticalCurveGeometry> curves_;  // at each point
};

// "the profile runs from S1 to S2": its extent for messages, the stations
// as the line states them (with their letter when it has chain breaks).
std::string profileExtentText(const VerticalProfile& profile, const vomel::ChainBreaks& breaks);

}  // namespace vomel
