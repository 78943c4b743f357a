#include "drawing/profile_scene.h"

#include <algorithm>
#include <cmath>

#include "core/failure.h"
#include "drawing/plan_scene.h"
#include "stationing/kilometre_station.h"

namespace vomel::drawing {

namespace {

// Stations in the drawing's K-form texts: to the millimetre.
constexpr int STATION_TEXT_DECIMALS = 3;
// A curve's length is counted in whole chords to this much (metres), so
// that T = 90 m computed a rounding above 90 still gives 180 chords.
constexpr double CHORD_COUNT_SLACK = 1e-9;

double finite(double value, const char* what)
{
    if (!std::isfinite(value)) {
        throw GeometryFailure(
            VOMEL_TRANSLATE_NOOP("Failure", "the profile drawing cannot draw %1: a value is not finite"), worded(what));
    }
    return value;
}

void addSample(ProfileScene& scene, double station, double elevation)
{
    scene.design.push_back({finite(station, VOMEL_TRANSLATE_NOOP("Failure", "the design line")),
                            finite(elevation, VOMEL_TRANSLATE_NOOP("Failure", "the design line"))});
}

// The centre line from the first grade point to the last: the grades are
// straight, so only the curves need samples between their ends.
void addDesignLine(const VerticalProfile& profile, ProfileScene& scene)
{
    const auto& points = profile.gradePoints();
    addSample(scene, points.front().station, points.front().elevation);
    for (std::size_t k = 1; k + 1 < points.size(); ++k) {
        const double before = profile.curveLengthBefore(k);
        const double after = profile.curveLengthAfter(k);
        if (before + after <= 0.0) {
            addSample(scene, points[k].station, points[k].elevation);
            continue;
        }
        const double start = points[k].station - before;
        const double length = before + after;
        const auto wanted = static_cast<std::size_t>(std::ceil((length - CHORD_COUNT_SLACK) / PROFILE_CHORD_LENGTH));
        const std::size_t chords = std::clamp(wanted, PROFILE_MIN_CHORDS, PROFILE_MAX_CHORDS);
        for (std::size_t i = 0; i <= chords; ++i) {
            // The last sample is the curve's end itself, not start + length
            // rounded.
            const double s = i == chords ? points[k].station + after
                                         : start + length * static_cast<double>(i) / static_cast<double>(chords);
            addSample(scene, s, profile.elevationAt(s));
        }
    }
    addSample(scene, points.back().station, points.back().elevation);
}

void addMarks(const VerticalProfile& profile, const ChainBreaks& breaks, ProfileScene& scene)
{
    const auto& points = profile.gradePoints();
    for (const GradePoint& point : points) {
        scene.gradePoints.push_back({finite(point.station, VOMEL_TRANSLATE_NOOP("Failure", "a grade point")),
                                     finite(point.elevation, VOMEL_TRANSLATE_NOOP("Failure", "a grade point")),
                                     point.radius, profileStationText(breaks, point.station)});
    }
    for (const VerticalCurve& curve : profile.curveTable()) {
        if (curve.radius <= 0.0) continue;
        scene.curveEnds.push_back({finite(curve.startStation, VOMEL_TRANSLATE_NOOP("Failure", "a curve's start")),
                                   finite(curve.startElevation, VOMEL_TRANSLATE_NOOP("Failure", "a curve's start")),
                                   curve.gradePoint, true});
        scene.curveEnds.push_back({finite(curve.endStation, VOMEL_TRANSLATE_NOOP("Failure", "a curve's end")),
                                   finite(curve.endElevation, VOMEL_TRANSLATE_NOOP("Failure", "a curve's end")),
                                   curve.gradePoint, false});
    }
}

void addPoints(const DesignSurface& surface, const ChainBreaks& breaks, const PlanRun& run, ProfileScene& scene)
{
    if (run.points.size() != run.solutions.size()) {
        throw GeometryFailure(
            VOMEL_TRANSLATE_NOOP("Failure", "the profile drawing was given points and solutions that do not match"));
    }
    for (std::size_t i = 0; i < run.points.size(); ++i) {
        const SurveyPoint& point = run.points[i];
        const Solution& solution = run.solutions[i];
        if (!point.hasElevation) {
            ++scene.pointsWithoutElevation;
            continue;
        }
        const std::optional<double> design = surface.elevationAt(solution.station, solution.offset);
        if (!design) {
            ++scene.pointsOutsideProfile;
            continue;
        }
        scene.points.push_back({point.label,
                                finite(solution.station, VOMEL_TRANSLATE_NOOP("Failure", "a point's station")),
                                finite(solution.offset, VOMEL_TRANSLATE_NOOP("Failure", "a point's offset")),
                                finite(point.elevation, VOMEL_TRANSLATE_NOOP("Failure", "a point's elevation")),
                                finite(*design, VOMEL_TRANSLATE_NOOP("Failure", "a point's design elevation")),
                                profileStationText(breaks, solution.station)});
    }
}

}  // namespace

std::string profileStationText(const ChainBreaks& breaks, double station)
{
    const StatedStation stated = chainStationLetter(breaks, station);
    // The K form has no negative stations: those keep their plain text.
    if (!(stated.stated >= 0.0)) return stationTextPlain(breaks, station);
    const std::optional<char> letter = breaks.chainBreakCount > 0 ? std::optional<char>(stated.letter) : std::nullopt;
    return kilometreStationText(stated.stated, STATION_TEXT_DECIMALS, letter);
}

ProfileScene makeProfileScene(const DesignSurface& surface, const ChainBreaks& breaks, const PlanRun* run)
{
    if (!surface.profile) throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "no profile has been loaded"));
    const VerticalProfile& profile = *surface.profile;
    ProfileScene scene;
    scene.breaks = breaks;
    addDesignLine(profile, scene);
    addMarks(profile, breaks, scene);
    if (run != nullptr) addPoints(surface, breaks, *run, scene);

    scene.minStation = profile.startStation();
    scene.maxStation = profile.endStation();
    scene.minElevation = scene.maxElevation = scene.design.front().elevation;
    auto widen = [&scene](double elevation) {
        scene.minElevation = std::min(scene.minElevation, elevation);
        scene.maxElevation = std::max(scene.maxElevation, elevation);
    };
    for (const ProfileSample& sample : scene.design) widen(sample.elevation);
    // The grade points stand above a crest and below a sag: the tangents reach them.
    for (const ProfileGradeMark& mark : scene.gradePoints) widen(mark.elevation);
    for (const ProfilePoint& point : scene.points) {
        widen(point.elevation);
        widen(point.designElevation);
    }
    return scene;
}

}  // namespace vomel::drawing
