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
    if (!std::isfinite(value))
        throw FormatFailure(line, VOMEL_TRANSLATE_NOOP("Failure", "%1 is not a finite number"), worded(what));
    return value;
}

// An unsymmetric parabola's lengths: not negative, both or neither.
void checkCurveLengths(const GradePoint& p)
{
    if (p.lengthIn < 0 || p.lengthOut < 0) {
        throw FormatFailure(p.line, VOMEL_TRANSLATE_NOOP("Failure", "the curve length %1 is negative"),
                            formatGeneral(std::min(p.lengthIn, p.lengthOut)));
    }
    if (p.shape == VerticalCurveShape::UnsymmetricParabola && (p.lengthIn == 0) != (p.lengthOut == 0)) {
        throw FormatFailure(
            p.line,
            VOMEL_TRANSLATE_NOOP(
                "Failure", "the unsymmetric vertical curve has lengths %1 in and %2 out: it needs both or neither"),
            formatGeneral(p.lengthIn), formatGeneral(p.lengthOut));
    }
}

VerticalCurveGeometry curveAt(const GradePoint& p, double gradeIn, double gradeOut)
{
    if (p.shape == VerticalCurveShape::UnsymmetricParabola) {
        return VerticalCurveGeometry::withLengths(p.lengthIn, p.lengthOut, gradeIn, gradeOut);
    }
    return VerticalCurveGeometry::withRadius(p.shape, p.radius, gradeIn, gradeOut);
}

}  // namespace

double profileLengthTolerance(double a, double b)
{
    return std::max(PROFILE_LENGTH_TOLERANCE_FLOOR,
                    PROFILE_LENGTH_TOLERANCE_SHARE * std::max(std::fabs(a), std::fabs(b)));
}

VerticalProfile::VerticalProfile(std::vector<GradePoint> points, LengthUnit unit) : points_(std::move(points))
{
    if (points_.size() < 2) {
        throw FormatFailure(
            VOMEL_TRANSLATE_NOOP("Failure", "a profile needs at least two grade points; the file has %1"),
            std::to_string(points_.size()));
    }
    const std::size_t n = points_.size();
    for (std::size_t k = 0; k < n; ++k) {
        const GradePoint& p = points_[k];
        if (k > 0 &&
            !(p.station - points_[k - 1].station > profileLengthTolerance(p.station, points_[k - 1].station))) {
            throw FormatFailure(
                p.line,
                VOMEL_TRANSLATE_NOOP(
                    "Failure", "the station %1 does not follow the previous grade point's %2: stations must increase"),
                formatGeneral(p.station), formatGeneral(points_[k - 1].station));
        }
        if (p.radius < 0) {
            throw FormatFailure(p.line, VOMEL_TRANSLATE_NOOP("Failure", "the radius %1 is negative"),
                                formatGeneral(p.radius));
        }
        checkCurveLengths(p);
        const bool hasCurve = p.radius != 0 || p.lengthIn != 0 || p.lengthOut != 0;
        if ((k == 0 || k == n - 1) && hasCurve) {
            const char* radius =
                k == 0
                    ? VOMEL_TRANSLATE_NOOP(
                          "Failure", "the first grade point has a radius: a vertical curve needs a grade on both sides")
                    : VOMEL_TRANSLATE_NOOP(
                          "Failure", "the last grade point has a radius: a vertical curve needs a grade on both sides");
            const char* curve =
                k == 0 ? VOMEL_TRANSLATE_NOOP(
                             "Failure",
                             "the first grade point has a vertical curve: a vertical curve needs a grade on both sides")
                       : VOMEL_TRANSLATE_NOOP(
                             "Failure",
                             "the last grade point has a vertical curve: a vertical curve needs a grade on both sides");
            throw FormatFailure(p.line, p.radius != 0 ? radius : curve);
        }
    }
    grades_.resize(n - 1);
    for (std::size_t k = 0; k + 1 < n; ++k) {
        grades_[k] = finiteOrFail((points_[k + 1].elevation - points_[k].elevation) /
                                      (points_[k + 1].station - points_[k].station),
                                  VOMEL_TRANSLATE_NOOP("Failure", "the grade to this point"), points_[k + 1].line);
    }
    prepareCurves(unit);
}

void VerticalProfile::prepareCurves(LengthUnit unit)
{
    const std::string symbol = lengthUnitSymbol(unit);
    auto length = [&symbol](double value) { return formatGeneral(value) + " " + symbol; };
    const std::size_t n = points_.size();
    curves_.assign(n, VerticalCurveGeometry());
    for (std::size_t k = 1; k + 1 < n; ++k) {
        GradePoint& p = points_[k];
        const VerticalCurveGeometry curve = curveAt(p, grades_[k - 1], grades_[k]);
        finiteOrFail(curve.before() + curve.after(),
                     VOMEL_TRANSLATE_NOOP("Failure", "the length of the vertical curve"), p.line);
        if (p.shape == VerticalCurveShape::UnsymmetricParabola) {
            const double change = std::fabs(grades_[k] - grades_[k - 1]);
            p.radius = curve.present() ? finiteOrFail((p.lengthIn + p.lengthOut) / change,
                                                      VOMEL_TRANSLATE_NOOP("Failure", "the radius"), p.line)
                                       : 0.0;
        }
        const double before = p.station - points_[k - 1].station;
        const double after = points_[k + 1].station - p.station;
        const bool beyondBefore = curve.before() - before > profileLengthTolerance(curve.before(), before);
        const bool beyondAfter = curve.after() - after > profileLengthTolerance(curve.after(), after);
        if (beyondBefore || beyondAfter) {
            throw FormatFailure(
                p.line,
                beyondBefore ? VOMEL_TRANSLATE_NOOP(
                                   "Failure", "the vertical curve (T = %1) is longer than the grade before it (%2)")
                             : VOMEL_TRANSLATE_NOOP(
                                   "Failure", "the vertical curve (T = %1) is longer than the grade after it (%2)"),
                length(beyondBefore ? curve.before() : curve.after()), length(beyondBefore ? before : after));
        }
        const double reach = curves_[k - 1].after() + curve.before();
        if (reach - before > profileLengthTolerance(reach, before)) {
            throw FormatFailure(p.line,
                                VOMEL_TRANSLATE_NOOP("Failure", "the vertical curve (T = %1) overlaps the one of the "
                                                                "previous grade point (T = %2): they are %3 apart"),
                                length(curve.before()), length(curves_[k - 1].after()), length(before));
        }
        curves_[k] = curve;
    }
}

bool VerticalProfile::contains(double station) const
{
    return station >= startStation() - profileLengthTolerance(startStation(), station) &&
           station <= endStation() + profileLengthTolerance(endStation(), station);
}

ProfileValue VerticalProfile::valueAt(double station) const
{
    requireFinite(station, VOMEL_TRANSLATE_NOOP("Failure", "station"));
    if (!contains(station)) {
        throw GeometryFailure(
            VOMEL_TRANSLATE_NOOP("Failure", "station %1 lies outside the profile, which runs from %2 to %3"),
            formatGeneral(station), formatGeneral(startStation()), formatGeneral(endStation()));
    }
    // A station a rounding beyond an end is taken at the end.
    const double s = std::clamp(station, startStation(), endStation());
    // The grade k that holds s: the last point at or before it, kept below
    // the last point. On the curve of point k (its second half) or of point
    // k + 1 (its first half), or else on the grade.
    const std::size_t k = std::min(lastRowAtOrBefore(points_, s), points_.size() - 2);
    for (std::size_t j : {k, k + 1}) {
        const VerticalCurveGeometry& curve = curves_[j];
        const double offset = s - points_[j].station;
        if (!curve.present() || offset < -curve.before() || offset > curve.after()) continue;
        return curve.at(offset, points_[j].elevation);
    }
    return {points_[k].elevation + grades_[k] * (s - points_[k].station), grades_[k]};
}

double VerticalProfile::elevationAt(double station) const
{
    return requireFinite(valueAt(station).elevation, VOMEL_TRANSLATE_NOOP("Failure", "design elevation"));
}

double VerticalProfile::gradeAt(double station) const
{
    return requireFinite(valueAt(station).grade, VOMEL_TRANSLATE_NOOP("Failure", "grade"));
}

std::vector<VerticalCurve> VerticalProfile::curveTable() const
{
    std::vector<VerticalCurve> rows;
    for (std::size_t k = 1; k + 1 < points_.size(); ++k) {
        const GradePoint& p = points_[k];
        const VerticalCurveGeometry& curve = curves_[k];
        VerticalCurve row;
        row.gradePoint = k;
        row.station = p.station;
        row.elevation = p.elevation;
        row.gradeIn = grades_[k - 1];
        row.gradeOut = grades_[k];
        row.radius = curve.present() ? p.radius : 0.0;
        row.shape = p.shape;
        row.tangentLength = curve.tangentLength();
        row.lengthIn = curve.before();
        row.lengthOut = curve.after();
        row.radiusIn = curve.radiusIn();
        row.radiusOut = curve.radiusOut();
        row.externalDistance = curve.present() ? std::fabs(curve.at(0.0, p.elevation).elevation - p.elevation) : 0.0;
        row.crest = row.gradeIn > row.gradeOut;
        row.startStation = p.station - curve.before();
        row.endStation = p.station + curve.after();
        row.startElevation = curve.present() ? curve.at(-curve.before(), p.elevation).elevation : p.elevation;
        row.endElevation = curve.present() ? curve.at(curve.after(), p.elevation).elevation : p.elevation;
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
