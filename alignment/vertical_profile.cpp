#include "alignment/vertical_profile.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "alignment/station_search.h"
#include "core/failure.h"
#include "text/number_text.h"

namespace vomel {

namespace {

std::string stationName(double station, const vomel::ChainBreaks& breaks)
{
    const vomel::StatedStation stated = vomel::chainStationLetter(breaks, station);
    return (breaks.chainBreakCount != 0 ? std::string(1, stated.letter) : std::string()) + formatGeneral(stated.stated);
}

// A value the checks below compute that is not finite (grades of points a
// hair apart with elevations far apart) is a fault of the point's line.
double finiteOrFail(double value, const char* what, long line)
{
    if (!std::isfinite(value)) throw FormatFailure(std::string(what) + " is not a finite number", line);
    return value;
}

}  // namespace

VerticalProfile::VerticalProfile(std::vector<GradePoint> points, LengthUnit unit) : points_(std::move(points))
{
    const char* const symbol = lengthUnitSymbol(unit);
    if (points_.size() < 2) {
        throw FormatFailure("a profile needs at least two grade points; the file has " +
                            std::to_string(points_.size()));
    }
    const std::size_t n = points_.size();
    for (std::size_t k = 0; k < n; ++k) {
        const GradePoint& p = points_[k];
        if (k > 0 && !(p.station > points_[k - 1].station)) {
            throw FormatFailure("the station " + formatGeneral(p.station) +
                                    " does not follow the previous grade point's " +
                                    formatGeneral(points_[k - 1].station) + ": stations must increase",
                                p.line);
        }
        if (p.radius < 0) {
            throw FormatFailure("the radius " + formatGeneral(p.radius) + " is negative", p.line);
        }
        if ((k == 0 || k == n - 1) && p.radius != 0) {
            throw FormatFailure(std::string("the ") + (k == 0 ? "first" : "last") +
                                    " grade point has a radius: a vertical curve needs a grade on both sides",
                                p.line);
        }
    }
    grades_.resize(n - 1);
    for (std::size_t k = 0; k + 1 < n; ++k) {
        grades_[k] = finiteOrFail((points_[k + 1].elevation - points_[k].elevation) /
                                      (points_[k + 1].station - points_[k].station),
                                  "the grade to this point", points_[k + 1].line);
    }
    tangents_.assign(n, 0.0);
    for (std::size_t k = 1; k + 1 < n; ++k) {
        const GradePoint& p = points_[k];
        tangents_[k] = finiteOrFail(p.radius * std::fabs(grades_[k - 1] - grades_[k]) / 2,
                                    "the tangent length of the vertical curve", p.line);
        const double before = p.station - points_[k - 1].station;
        const double after = points_[k + 1].station - p.station;
        if (tangents_[k] > before || tangents_[k] > after) {
            throw FormatFailure("the vertical curve (T = " + formatGeneral(tangents_[k]) + " " + symbol +
                                    ") is longer than the grade " + (tangents_[k] > before ? "before" : "after") +
                                    " it (" + formatGeneral(tangents_[k] > before ? before : after) + " " + symbol +
                                    ")",
                                p.line);
        }
        if (tangents_[k - 1] + tangents_[k] > before) {
            throw FormatFailure(
                "the vertical curve (T = " + formatGeneral(tangents_[k]) + " " + symbol +
                    ") overlaps the one of the previous grade point (T = " + formatGeneral(tangents_[k - 1]) + " " +
                    symbol + "): they are " + formatGeneral(before) + " " + symbol + " apart",
                p.line);
        }
    }
}

bool VerticalProfile::contains(double station) const { return station >= startStation() && station <= endStation(); }

void VerticalProfile::requireInside(double station) const
{
    requireFinite(station, "station");
    if (!contains(station)) {
        throw GeometryFailure("station " + formatGeneral(station) + " lies outside the profile, which runs from " +
                              formatGeneral(startStation()) + " to " + formatGeneral(endStation()));
    }
}

std::size_t VerticalProfile::gradeIndex(double station) const
{
    // The last point at or before the station, kept below the last point.
    return std::min(lastRowAtOrBefore(points_, station), points_.size() - 2);
}

double VerticalProfile::elevationAt(double station) const
{
    requireInside(station);
    const std::size_t k = gradeIndex(station);
    // On the curve of point k (its second half) or of point k + 1 (its first
    // half): measured from that curve's start along its incoming grade.
    for (std::size_t j : {k, k + 1}) {
        const double t = tangents_[j];
        const GradePoint& p = points_[j];
        if (t <= 0 || station < p.station - t || station > p.station + t) continue;
        const double gradeIn = grades_[j - 1];
        const double x = station - (p.station - t);
        const double sign = gradeIn > grades_[j] ? 1.0 : -1.0;
        return requireFinite(p.elevation - gradeIn * t + gradeIn * x - sign * x * x / (2 * p.radius),
                             "design elevation");
    }
    return requireFinite(points_[k].elevation + grades_[k] * (station - points_[k].station), "design elevation");
}

double VerticalProfile::gradeAt(double station) const
{
    requireInside(station);
    const std::size_t k = gradeIndex(station);
    for (std::size_t j : {k, k + 1}) {
        const double t = tangents_[j];
        const GradePoint& p = points_[j];
        if (t <= 0 || station < p.station - t || station > p.station + t) continue;
        const double gradeIn = grades_[j - 1];
        const double x = station - (p.station - t);
        const double sign = gradeIn > grades_[j] ? 1.0 : -1.0;
        return gradeIn - sign * x / p.radius;
    }
    return grades_[k];
}

std::vector<VerticalCurve> VerticalProfile::curveTable() const
{
    std::vector<VerticalCurve> rows;
    for (std::size_t k = 1; k + 1 < points_.size(); ++k) {
        const GradePoint& p = points_[k];
        VerticalCurve row;
        row.gradePoint = k;
        row.station = p.station;
        row.elevation = p.elevation;
        row.gradeIn = grades_[k - 1];
        row.gradeOut = grades_[k];
        row.radius = p.radius;
        row.tangentLength = tangents_[k];
        row.externalDistance = p.radius > 0 ? tangents_[k] * tangents_[k] / (2 * p.radius) : 0.0;
        row.crest = row.gradeIn > row.gradeOut;
        row.startStation = p.station - tangents_[k];
        row.endStation = p.station + tangents_[k];
        row.startElevation = p.elevation - row.gradeIn * tangents_[k];
        row.endElevation = p.elevation + row.gradeOut * tangents_[k];
        rows.push_back(row);
    }
    return rows;
}

std::string profileExtentText(const VerticalProfile& profile, const vomel::ChainBreaks& breaks)
{
    return "the profile runs from " + stationName(profile.startStation(), breaks) + " to " +
           stationName(profile.endStation(), breaks);
}

}  // namespace vomel
