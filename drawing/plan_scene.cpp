#include "drawing/plan_scene.h"

#include <algorithm>
#include <cmath>

#include "core/angles.h"
#include "core/failure.h"
#include "session/session.h"
#include "stationing/chain_break.h"
#include "text/number_text.h"

namespace vomel::drawing {

namespace {

// A tick is kept only where the stated station there is its multiple of
// PLAN_TICK_SPACING to this much (metres): it guards against a chain
// break that falls between two samples.
constexpr double TICK_STATION_MATCH = 1e-6;

Point finitePoint(Point p, const char* what)
{
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
        throw GeometryFailure(
            VOMEL_TRANSLATE_NOOP("Failure", "the plan view cannot draw %1: a coordinate is not finite"), worded(what));
    }
    return p;
}

PlanMark markAt(const PreparedLine& alignment, double station, std::string name, const char* windowName = nullptr)
{
    return {finitePoint(alignment.pointAt(station), VOMEL_TRANSLATE_NOOP("Failure", "a key point")), std::move(name),
            vomel::stationTextPlain(alignment.chainBreaks(), station), windowName};
}

// The start, the key points and the end, then the intersection points and
// their tangents, as the line names them.
void addMarks(const PreparedLine& alignment, PlanScene& scene)
{
    const DesignLine& line = *alignment.line;
    scene.keyPoints.push_back(
        markAt(alignment, alignment.startStation, "起点", VOMEL_TRANSLATE_NOOP("Window", "起点")));
    for (const KeyPoint& key : line.keyPoints()) scene.keyPoints.push_back(markAt(alignment, key.station, key.name));
    scene.keyPoints.push_back(markAt(alignment, alignment.endStation, "终点", VOMEL_TRANSLATE_NOOP("Window", "终点")));
    for (const IntersectionPoint& corner : line.intersectionPoints()) {
        scene.intersectionPoints.push_back(
            {finitePoint(corner.at, VOMEL_TRANSLATE_NOOP("Failure", "an intersection point")), corner.name, {}});
    }
    for (const auto& [from, to] : line.tangents()) {
        scene.tangents.emplace_back(finitePoint(from, VOMEL_TRANSLATE_NOOP("Failure", "a tangent")),
                                    finitePoint(to, VOMEL_TRANSLATE_NOOP("Failure", "a tangent")));
    }
}

void addTick(const PreparedLine& alignment, PlanScene& scene, double station, double stated)
{
    if (!scene.ticks.empty()) {
        const PlanTick& last = scene.ticks.back();
        if (last.stated == stated && std::abs(station - last.station) < TICK_STATION_MATCH) return;
    }
    const vomel::StatedStation check = vomel::chainStationLetter(alignment.chainBreaks(), station);
    if (std::abs(check.stated - stated) > TICK_STATION_MATCH) return;  // a chain break lies in between
    const LinePose pose = alignment.poseAt(station);
    if (!std::isfinite(pose.azimuth))
        throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "the plan view cannot draw a station tick: no tangent"));
    std::string text = formatFixed(stated, 0);
    if (alignment.hasChainBreaks()) text.insert(text.begin(), check.letter);
    scene.ticks.push_back({finitePoint(pose.point, VOMEL_TRANSLATE_NOOP("Failure", "a station tick")), pose.azimuth,
                           station, stated, std::move(text)});
}

// Ticks at every multiple of PLAN_TICK_SPACING of stated station. Along
// one chain the stated station grows with the continuous one, metre for
// metre; between two samples it may jump at a chain break, so each
// interval is looked at from both of its ends.
void addTicks(const PreparedLine& alignment, PlanScene& scene)
{
    const std::vector<double>& s = scene.lineStation;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const vomel::StatedStation here = vomel::chainStationLetter(alignment.chainBreaks(), s[i]);
        if (i == 0) {
            const double first = std::ceil(here.stated / PLAN_TICK_SPACING) * PLAN_TICK_SPACING;
            if (first - here.stated <= 0.0) addTick(alignment, scene, s[i], first);
        }
        if (i + 1 == s.size()) break;
        const double length = s[i + 1] - s[i];
        // From this end, along this chain.
        const double ahead = (std::floor(here.stated / PLAN_TICK_SPACING) + 1.0) * PLAN_TICK_SPACING;
        if (ahead - here.stated <= length) addTick(alignment, scene, s[i] + (ahead - here.stated), ahead);
        // From the next end, back along its chain.
        const vomel::StatedStation next = vomel::chainStationLetter(alignment.chainBreaks(), s[i + 1]);
        if (next.letter != here.letter) {
            const double back = std::floor(next.stated / PLAN_TICK_SPACING) * PLAN_TICK_SPACING;
            if (next.stated - back <= length) addTick(alignment, scene, s[i + 1] - (next.stated - back), back);
        }
    }
}

}  // namespace

void PlanBounds::add(Point p)
{
    if (empty) {
        minX = maxX = p.x;
        minY = maxY = p.y;
        empty = false;
        return;
    }
    minX = std::min(minX, p.x);
    maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y);
    maxY = std::max(maxY, p.y);
}

PlanScene makePlanScene(const PreparedLine& alignment, const PlanRun* run)
{
    PlanScene scene;
    scene.unit = alignment.lengthUnit();
    const SampleTable& samples = alignment.samples;
    if (samples.empty()) throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "no design line has been initialised"));
    // Samples 1..n: the forward computation at every metre from the start
    // to the end of the line.
    scene.line.reserve(samples.sampleCount);
    scene.lineStation.reserve(samples.sampleCount);
    for (std::size_t i = 1; i <= samples.sampleCount; ++i) {
        scene.line.push_back(
            finitePoint({samples.sampleX[i], samples.sampleY[i]}, VOMEL_TRANSLATE_NOOP("Failure", "the design line")));
        scene.lineStation.push_back(samples.sampleStation[i]);
    }

    addMarks(alignment, scene);
    addTicks(alignment, scene);

    if (run != nullptr) {
        if (run->points.size() != run->solutions.size()) {
            throw GeometryFailure(
                VOMEL_TRANSLATE_NOOP("Failure", "the plan view was given points and solutions that do not match"));
        }
        scene.points.reserve(run->points.size());
        for (std::size_t i = 0; i < run->points.size(); ++i) {
            const SurveyPoint& point = run->points[i];
            const Solution& solution = run->solutions[i];
            if (!std::isfinite(solution.offset) || !std::isfinite(solution.station)) {
                throw GeometryFailure(
                    VOMEL_TRANSLATE_NOOP("Failure", "the plan view cannot draw the point %1: not finite"), point.label);
            }
            scene.points.push_back(
                {point.label, finitePoint({point.x, point.y}, VOMEL_TRANSLATE_NOOP("Failure", "a point")),
                 finitePoint({solution.footX, solution.footY}, VOMEL_TRANSLATE_NOOP("Failure", "a foot")),
                 vomel::stationTextPlain(alignment.chainBreaks(), solution.station), solution.offset});
        }
    }

    for (const Point& p : scene.line) scene.bounds.add(p);
    for (const PlanMark& m : scene.intersectionPoints) scene.bounds.add(m.at);
    for (const PlanPoint& p : scene.points) {
        scene.bounds.add(p.at);
        scene.bounds.add(p.foot);
    }
    return scene;
}

}  // namespace vomel::drawing
