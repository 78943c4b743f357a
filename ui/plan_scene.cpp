#include "ui/plan_scene.h"

#include <algorithm>
#include <cmath>

#include "core/failure.h"
#include "text/number_text.h"
#include "session/session.h"
#include "alignment/element_chain.h"
#include "geometry/element_kind.h"
#include "stationing/chain_break.h"
#include "alignment/main_line.h"

namespace vomel::gui {

namespace {

// A tick is kept only where the stated station there is its multiple of
// PLAN_TICK_SPACING to this much (metres): it guards against a chain
// break that falls between two samples.
constexpr double TICK_STATION_MATCH = 1e-6;
// Two tangents closer to parallel than this (sine of the angle between
// them) give no intersection point.
constexpr double PARALLEL_SINE = 1e-6;

Point finitePoint(Point p, const char* what)
{
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
        throw GeometryFailure(std::string("the plan view cannot draw ") + what + ": a coordinate is not finite");
    }
    return p;
}

PlanMark markAt(const Alignment& alignment, double station, std::string name)
{
    return {finitePoint(alignment.stationAt(station), "a key point"), std::move(name),
            vomel::stationTextPlain(alignment.chainBreaks, station)};
}

void addMainLineMarks(const Alignment& alignment, PlanScene& scene)
{
    const vomel::mainline::MainLine& line = *alignment.mainLine;
    const auto n = static_cast<std::size_t>(line.jdCount);
    scene.keyPoints.push_back(markAt(alignment, alignment.startStation, "起点"));
    for (std::size_t i = 2; i < n; ++i) {
        const bool spiralIn = line.jdSpiralIn[i] != 0.0;
        const bool spiralOut = line.jdSpiralOut[i] != 0.0;
        scene.keyPoints.push_back(markAt(alignment, line.zhStation[i], spiralIn ? "ZH" : "ZY"));
        if (spiralIn) scene.keyPoints.push_back(markAt(alignment, line.hyStation[i], "HY"));
        if (spiralOut) scene.keyPoints.push_back(markAt(alignment, line.yhStation[i], "YH"));
        scene.keyPoints.push_back(markAt(alignment, line.hzStation[i], spiralOut ? "HZ" : "YZ"));
        const std::string& name = line.jdName[i];
        scene.intersectionPoints.push_back({finitePoint({line.jdX[i], line.jdY[i]}, "an intersection point"),
                                            name.empty() ? "JD" + std::to_string(i - 1) : name, {}});
    }
    scene.keyPoints.push_back(markAt(alignment, alignment.endStation, "终点"));
    for (std::size_t i = 1; i < n; ++i) {
        scene.tangents.emplace_back(Point{line.jdX[i], line.jdY[i]}, Point{line.jdX[i + 1], line.jdY[i + 1]});
    }
}

// The name of the joint between two elements, as key points are named on
// a main line: Z straight, H spiral, Y arc.
// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the element before the joint, then the one after
const char* jointName(vomel::ElementKind before, vomel::ElementKind after)
{
    using vomel::ElementKind;
    const bool straightBefore = before == ElementKind::Straight;
    const bool straightAfter = after == ElementKind::Straight;
    const bool arcBefore = before == ElementKind::Arc;
    const bool arcAfter = after == ElementKind::Arc;
    if (straightBefore && arcAfter) return "ZY";
    if (arcBefore && straightAfter) return "YZ";
    if (straightBefore) return "ZH";
    if (straightAfter) return "HZ";
    if (arcAfter) return "HY";
    if (arcBefore) return "YH";
    return "HH";  // spiral to spiral: a reverse curve's or a partial spiral's joint
}

// The sense in which an element turns: +1 towards +Y, -1 the other way,
// 0 for a straight. Its finite radius carries the sign.
int turnSense(const vomel::ElementShape& e)
{
    const double radius = e.startRadius != vomel::INFINITE_RADIUS ? e.startRadius : e.endRadius;
    if (radius == vomel::INFINITE_RADIUS) return 0;
    return radius > 0.0 ? 1 : -1;
}

// Each run of curved elements turning one way, between two straights or
// inflections (or the ends of the chain), turns the line from one tangent
// to another; where the two tangents meet is that run's intersection point.
void addElementChainMarks(const Alignment& alignment, PlanScene& scene)
{
    const vomel::ramp::ElementChain& chain = *alignment.elementChain;
    const int n = chain.elementCount;
    scene.keyPoints.push_back(markAt(alignment, alignment.startStation, "起点"));
    for (int k = 2; k <= n; ++k) {
        if (chain.elementLength[k - 1] == 0.0) continue;
        const vomel::ElementKind before = vomel::elementKind(vomel::ramp::elementShape(chain, k - 1));
        const vomel::ElementKind after = vomel::elementKind(vomel::ramp::elementShape(chain, k));
        if (before == vomel::ElementKind::Straight && after == vomel::ElementKind::Straight) continue;
        scene.keyPoints.push_back(markAt(alignment, chain.nodeStation[k], jointName(before, after)));
    }
    scene.keyPoints.push_back(markAt(alignment, alignment.endStation, "终点"));

    int number = 0;
    int k = 1;
    while (k <= n) {
        if (vomel::elementKind(vomel::ramp::elementShape(chain, k)) == vomel::ElementKind::Straight) {
            ++k;
            continue;
        }
        const int first = k;
        const int sense = turnSense(vomel::ramp::elementShape(chain, first));
        while (k <= n && turnSense(vomel::ramp::elementShape(chain, k)) == sense) ++k;
        const auto p = static_cast<std::size_t>(first);
        const auto q = static_cast<std::size_t>(k);  // node after the run
        const double a1 = chain.nodeAzimuth[p];
        const double a2 = chain.nodeAzimuth[q];
        const double sine = std::sin(a2 - a1);
        ++number;
        // A run turning by a half turn or more (a hairpin) has its tangents
        // meeting behind it, or not at all.
        double turn = 0.0;
        for (int j = first; j < k; ++j) turn += vomel::elementDeflection(vomel::ramp::elementShape(chain, j));
        if (std::abs(sine) < PARALLEL_SINE || std::abs(turn) >= 4.0 * std::atan(1.0)) continue;
        // P + t (cos a1, sin a1) = Q - u (cos a2, sin a2): solve for t.
        const double dx = chain.nodeX[q] - chain.nodeX[p];
        const double dy = chain.nodeY[q] - chain.nodeY[p];
        const double t = (dx * std::sin(a2) - dy * std::cos(a2)) / sine;
        const Point at{chain.nodeX[p] + t * std::cos(a1), chain.nodeY[p] + t * std::sin(a1)};
        scene.intersectionPoints.push_back({finitePoint(at, "an intersection point"), "JD" + std::to_string(number), {}});
        scene.tangents.emplace_back(Point{chain.nodeX[p], chain.nodeY[p]}, at);
        scene.tangents.emplace_back(at, Point{chain.nodeX[q], chain.nodeY[q]});
    }
}

void addTick(const Alignment& alignment, PlanScene& scene, double station, double stated)
{
    if (!scene.ticks.empty()) {
        const PlanTick& last = scene.ticks.back();
        if (last.stated == stated && std::abs(station - last.station) < TICK_STATION_MATCH) return;
    }
    const vomel::StatedStation check = vomel::chainStationLetter(alignment.chainBreaks, station);
    if (std::abs(check.stated - stated) > TICK_STATION_MATCH) return;  // a chain break lies in between
    const LinePose pose = alignment.poseAt(station);
    if (!std::isfinite(pose.azimuth)) throw GeometryFailure("the plan view cannot draw a station tick: no tangent");
    std::string text = formatFixed(stated, 0);
    if (alignment.hasChainBreaks()) text.insert(text.begin(), check.letter);
    scene.ticks.push_back({finitePoint(pose.point, "a station tick"), pose.azimuth, station, stated, std::move(text)});
}

// Ticks at every multiple of PLAN_TICK_SPACING of stated station. Along
// one chain the stated station grows with the continuous one, metre for
// metre; between two samples it may jump at a chain break, so each
// interval is looked at from both of its ends.
void addTicks(const Alignment& alignment, PlanScene& scene)
{
    const std::vector<double>& s = scene.lineStation;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const vomel::StatedStation here = vomel::chainStationLetter(alignment.chainBreaks, s[i]);
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
        const vomel::StatedStation next = vomel::chainStationLetter(alignment.chainBreaks, s[i + 1]);
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

PlanScene makePlanScene(const Alignment& alignment, const PlanRun* run)
{
    PlanScene scene;
    const SampleTable& samples = alignment.samples;
    if (samples.empty()) throw GeometryFailure("no design line has been initialised");
    // Samples 1..n: the forward computation at every metre from the start
    // to the end of the line.
    scene.line.reserve(samples.sampleCount);
    scene.lineStation.reserve(samples.sampleCount);
    for (std::size_t i = 1; i <= samples.sampleCount; ++i) {
        scene.line.push_back(finitePoint({samples.sampleX[i], samples.sampleY[i]}, "the design line"));
        scene.lineStation.push_back(samples.sampleStation[i]);
    }

    if (alignment.method == Method::IntersectionPoint && alignment.mainLine) {
        addMainLineMarks(alignment, scene);
    } else if (alignment.elementChain) {
        addElementChainMarks(alignment, scene);
    }
    addTicks(alignment, scene);

    if (run != nullptr) {
        if (run->points.size() != run->solutions.size()) {
            throw GeometryFailure("the plan view was given points and solutions that do not match");
        }
        scene.points.reserve(run->points.size());
        for (std::size_t i = 0; i < run->points.size(); ++i) {
            const SurveyPoint& point = run->points[i];
            const Solution& solution = run->solutions[i];
            if (!std::isfinite(solution.offset) || !std::isfinite(solution.station)) {
                throw GeometryFailure("the plan view cannot draw the point " + point.label + ": not finite");
            }
            scene.points.push_back({point.label, finitePoint({point.x, point.y}, "a point"),
                                    finitePoint({solution.footX, solution.footY}, "a foot"),
                                    vomel::stationTextPlain(alignment.chainBreaks, solution.station),
                                    solution.offset});
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

}  // namespace vomel::gui
