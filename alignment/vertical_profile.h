#pragma once
// The vertical profile (纵断面) of a road: grade points (变坡点) joined by
// straight grades, with a symmetric parabolic vertical curve of radius R at
// each interior grade point.
//
// At a grade point with grades i1 (in) and i2 (out), as rises per metre:
//   T = R·|i1 − i2| / 2          tangent length, metres
//   E = T² / (2R)                external distance at the grade point
// The curve runs from station − T to station + T; on it the elevation is
// the incoming tangent's elevation − sign·x²/(2R), with x the distance from
// the curve's start and sign +1 at a crest (i1 > i2), −1 at a sag.
// Stations are continuous stations (metres along the line).

#include <cstddef>
#include <string>
#include <vector>

#include "alignment/length_unit.h"
#include "stationing/chain_break.h"

namespace vomel {

struct GradePoint {
    double station = 0.0;  // continuous station, metres
    double elevation = 0.0;  // metres
    double radius = 0.0;  // of the vertical curve, metres; 0 for none
    long line = 0;  // line of the profile file (0 when built in code)
};

// One row of the vertical-curve table, for an interior grade point.
struct VerticalCurve {
    std::size_t gradePoint = 0;  // index into VerticalProfile::gradePoints()
    double station = 0.0;
    double elevation = 0.0;
    double gradeIn = 0.0;  // rise per metre
    double gradeOut = 0.0;  // rise per metre
    double radius = 0.0;
    double tangentLength = 0.0;  // T
    double externalDistance = 0.0;  // E
    bool crest = false;  // gradeIn > gradeOut; a sag otherwise
    double startStation = 0.0;
    double startElevation = 0.0;
    double endStation = 0.0;
    double endElevation = 0.0;
};

class VerticalProfile {
public:
    // Checks and prepares the grade points. At least two points; stations
    // strictly increasing; radii not negative; none on the first and last
    // points; no curve longer than the grade on either side of it; no two
    // curves overlapping. A fault is a FormatFailure naming the grade
    // point's line; its lengths are said in `unit`, the unit of the file.
    explicit VerticalProfile(std::vector<GradePoint> points, LengthUnit unit = LengthUnit::Metre);

    double startStation() const { return points_.front().station; }
    double endStation() const { return points_.back().station; }
    // Within the first and last grade points (inclusive).
    bool contains(double station) const;

    // Design elevation at a continuous station, metres. A station outside
    // the profile is a GeometryFailure naming the profile's extent.
    double elevationAt(double station) const;
    // Grade (rise per metre) at a station, with the same extent.
    double gradeAt(double station) const;

    const std::vector<GradePoint>& gradePoints() const { return points_; }
    // The grade from point k to point k + 1, rise per metre.
    double gradeAfter(std::size_t k) const { return grades_[k]; }
    // Half-length T of the vertical curve at point k (0 for none).
    double tangentLength(std::size_t k) const { return tangents_[k]; }

    // One row per interior grade point, curve or not (R, T and E 0 then).
    std::vector<VerticalCurve> curveTable() const;

private:
    // Index k of the grade that holds `station`: points_[k].station <= station
    // <= points_[k + 1].station.
    std::size_t gradeIndex(double station) const;
    void requireInside(double station) const;

    std::vector<GradePoint> points_;
    std::vector<double> grades_;  // grades_[k]: from point k to k + 1
    std::vector<double> tangents_;  // T at each point
};

// "the profile runs from S1 to S2": its extent for messages, the stations
// as the line states them (with their letter when it has chain breaks).
std::string profileExtentText(const VerticalProfile& profile, const vomel::ChainBreaks& breaks);

}  // namespace vomel
