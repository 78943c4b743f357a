// The fast back-calculation against the exact feet the points were made
// from, against the reference algorithm, and on the points where Newton
// must hand back to the bisection.
#include <algorithm>
#include <cmath>
#include <fstream>
#include <iostream>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "alignment/intersection_point_line.h"
#include "formats/element_file.h"
#include "formats/jd_reader.h"
#include "session/session.h"
#include "solver/fast_solver.h"
#include "testing/generated_alignment.h"
#include "testing/reference_files.h"
#include "text/packed_angle.h"

namespace {

using vomel::PreparedLine;
using vomel::SolverChoice;

// Fast path against the exact foot, metres (station, offset and foot): the
// accuracy solver/fast_solver.h states for points within the ends.
constexpr double kExactTolerance = 1e-9;
// Fast station against the reference's: the reference compares distances
// only, which resolves a station to about sqrt(2 * offset * distance
// rounding), well under a millimetre.
constexpr double kReferenceStationTolerance = 1e-3;
// Offsets of both paths, metres: the distance is flat at the foot, so the
// reference's station error hardly touches its offset.
constexpr double kReferenceOffsetTolerance = 1e-9;
// Perpendicularity residual at the fast foot, metres.
constexpr double kResidualTolerance = 1e-8;

// Largest error of one kind over a run, and the case it came from.
struct Worst {
    double error = 0.0;
    std::string where;
    void note(double e, const std::string& at)
    {
        if (e > error) {
            error = e;
            where = at;
        }
    }
};

struct GeneratedCase {
    const char* name;
    std::shared_ptr<const PreparedLine> (*build)(const vomel::testing::LineShape&);
};

const vomel::testing::LineShape kShape{6'000.0, 3'500'000.0, 500'000.0, 7};

TEST(FastSolver, MatchesExactFeetAndTheReferenceOnGeneratedLines)
{
    for (const GeneratedCase c : {GeneratedCase{"main line", vomel::testing::generatedMainLine},
                                  GeneratedCase{"element chain", vomel::testing::generatedElementChain}}) {
        SCOPED_TRACE(c.name);
        const auto alignment = c.build(kShape);
        const auto points =
            vomel::testing::generatedPoints([&](double s) { return alignment->poseAt(s); }, alignment->startStation,
                                            alignment->endStation, 1500, 60.0, 11);
        const vomel::FastLine fast = alignment->fastLine();
        Worst exactStation, exactOffset, exactFoot, refStation, refOffset, residual;
        int fallBacks = 0;
        for (const auto& g : points) {
            const std::string at = g.point.label + " at station " + std::to_string(g.station);
            vomel::FastSolveTrace trace;
            const auto f = vomel::solvePointFast(fast, g.point.x, g.point.y, &trace);
            const auto r = alignment->solve(g.point.x, g.point.y, SolverChoice::Reference);
            ASSERT_EQ(trace.nearestSample, vomel::nearestSample(alignment->samples, g.point.x, g.point.y)) << at;
            if (!trace.newtonConverged) ++fallBacks;

            const vomel::Point exact = alignment->pointAt(g.station);
            exactStation.note(std::fabs(f.station - g.station), at);
            exactOffset.note(std::fabs(f.offset - g.offset), at);
            exactFoot.note(std::hypot(f.footX - exact.x, f.footY - exact.y), at);
            refStation.note(std::fabs(f.station - r.station), at);
            refOffset.note(std::fabs(f.offset - r.offset), at);
            residual.note(std::fabs(vomel::perpendicularityResidual([&](double s) { return alignment->poseAt(s); },
                                                                    f.station, {g.point.x, g.point.y})),
                          at);
        }
        EXPECT_LE(exactStation.error, kExactTolerance) << exactStation.where;
        EXPECT_LE(exactOffset.error, kExactTolerance) << exactOffset.where;
        EXPECT_LE(exactFoot.error, kExactTolerance) << exactFoot.where;
        EXPECT_LE(refStation.error, kReferenceStationTolerance) << refStation.where;
        EXPECT_LE(refOffset.error, kReferenceOffsetTolerance) << refOffset.where;
        EXPECT_LE(residual.error, kResidualTolerance) << residual.where;
        // Points within 60 m of a smooth line all have a clear foot.
        EXPECT_EQ(fallBacks, 0);
        std::cout << "[ largest ] " << c.name << ": station " << exactStation.error << " m (" << exactStation.where
                  << "), offset " << exactOffset.error << " m, foot " << exactFoot.error
                  << " m; against the reference: station " << refStation.error << " m (" << refStation.where
                  << "), offset " << refOffset.error << " m (" << refOffset.where << ")\n";
    }
}

// Points where the foot lies outside the sample bracket or the distance has
// no clear minimum: Newton leaves its range or gives up, and the bisection's
// own result, the reference's to the last bit, is returned.
TEST(FastSolver, HandsBackToTheBisectionWhereNewtonCannotFinish)
{
    const auto alignment = vomel::testing::generatedElementChain(kShape);
    const auto start = alignment->poseAt(alignment->startStation);
    const auto end = alignment->poseAt(alignment->endStation);
    struct Case {
        const char* name;
        vomel::Point point;
    };
    const std::vector<Case> cases = {
        {"25 m before the start, on the start tangent",
         {start.point.x - 25 * std::cos(start.azimuth), start.point.y - 25 * std::sin(start.azimuth)}},
        {"40 m beyond the end and 10 m aside",
         {end.point.x + 40 * std::cos(end.azimuth) + 10 * std::sin(end.azimuth),
          end.point.y + 40 * std::sin(end.azimuth) - 10 * std::cos(end.azimuth)}},
    };
    const vomel::FastLine fast = alignment->fastLine();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        vomel::FastSolveTrace trace;
        const auto f = vomel::solvePointFast(fast, c.point.x, c.point.y, &trace);
        const auto r = alignment->solve(c.point.x, c.point.y, SolverChoice::Reference);
        EXPECT_FALSE(trace.newtonConverged);
        EXPECT_EQ(f.station, r.station);
        EXPECT_EQ(f.offset, r.offset);
        EXPECT_EQ(f.footX, r.footX);
        EXPECT_EQ(f.footY, r.footY);
    }

    // Just off the centre of an arc, towards its middle: the distance to the
    // arc barely changes along it, the perpendicularity condition has almost
    // no slope, and the bisection decides.
    const auto arcLine = [] {
        std::istringstream in("0 0 0 0\r\n300 300 200\r\n");
        return vomel::prepareLine(vomel::readElementChainFile(in));
    }();
    const double x = 0.1 * std::sin(100.0 / 300.0);
    const double y = 300.0 - 0.1 * std::cos(100.0 / 300.0);
    vomel::FastSolveTrace trace;
    const auto f = vomel::solvePointFast(arcLine->fastLine(), x, y, &trace);
    const auto r = arcLine->solve(x, y, SolverChoice::Reference);
    EXPECT_FALSE(trace.newtonConverged);
    EXPECT_EQ(f.station, r.station);
    EXPECT_EQ(f.offset, r.offset);
}

// Points the user is likely to measure exactly: on the line, on a sample,
// on a key point; both sides of a straight with the sign of the offset.
TEST(FastSolver, PointsOnTheLineAndSignsOfOffsets)
{
    const auto alignment = vomel::testing::generatedMainLine(kShape);
    const auto& line = dynamic_cast<const vomel::IntersectionPointLine&>(*alignment->line).table();
    std::vector<double> stations = {alignment->startStation, alignment->endStation,
                                    alignment->samples.sampleStation[17]};
    for (int i = 2; i <= line.jdCount - 1; i += 5) {
        for (const double s : {line.zhStation[i], line.hyStation[i], line.yhStation[i], line.hzStation[i]}) {
            stations.push_back(s);
        }
    }
    const vomel::FastLine fast = alignment->fastLine();
    for (const double s : stations) {
        SCOPED_TRACE("station " + std::to_string(s));
        const auto pose = alignment->poseAt(s);
        for (const double offset : {0.0, 12.5, -12.5}) {
            const double x = pose.point.x + offset * std::sin(pose.azimuth);
            const double y = pose.point.y - offset * std::cos(pose.azimuth);
            const auto f = vomel::solvePointFast(fast, x, y);
            EXPECT_NEAR(f.station, s, kExactTolerance) << "offset " << offset;
            EXPECT_NEAR(f.offset, offset, kExactTolerance);
        }
    }
}

// Three values the foot needs from the forward computation, checked against
// the forward points themselves: the tangent against the chord over a short
// step, the curvature against the turn of the tangent over it.

std::string dataFile(const std::string& name) { return std::string(VOMEL_TEST_DATA_DIR) + "/" + name; }

TEST(LinePose, TangentAndCurvatureAgreeWithTheForwardPoints)
{
    constexpr double kStep = 1e-3;  // metres either side
    constexpr double kAzimuthTolerance = 1e-7;  // radians
    constexpr double kCurvatureTolerance = 1e-7;  // 1/m
    const vomel::testing::LineShape local{8'000.0, 5'000.0, 5'000.0, 3};
    struct Case {
        const char* name;
        std::shared_ptr<const PreparedLine> alignment;
    };
    const std::vector<Case> cases = {
        {"generated main line", vomel::testing::generatedMainLine(local)},
        {"generated element chain", vomel::testing::generatedElementChain(local)},
        // Plain, symmetric, unequal and incomplete curves and a hairpin loop
        // whose spirals run against the station.
        {"mixed line with a hairpin",
         vomel::initialiseAlignment(vomel::Method::IntersectionPoint, dataFile("mixed_hairpin.jdx"))},
        {"reference incomplete spirals",
         vomel::initialiseAlignment(vomel::Method::IntersectionPoint, dataFile("jd04_incomplete.jdx"))},
        {"reference element chain", vomel::initialiseAlignment(vomel::Method::Element, dataFile("ele01_basic.ele"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto& alignment = c.alignment;
        // Curvature jumps at the ends of arcs without spirals; keep the
        // chord clear of every node and key station.
        std::vector<double> keys = {alignment->startStation, alignment->endStation};
        for (const vomel::KeyPoint& key : alignment->line->keyPoints()) keys.push_back(key.station);
        vomel::testing::Random random(5);
        Worst azimuth, curvature;
        int checked = 0;
        for (int i = 0; i < 4000; ++i) {
            const double s = random.uniform(alignment->startStation - 50, alignment->endStation + 50);
            bool nearKey = false;
            for (const double k : keys) nearKey = nearKey || std::fabs(s - k) < 3 * kStep;
            if (nearKey) continue;
            ++checked;
            const auto pose = alignment->poseAt(s);
            const auto ahead = alignment->pointAt(s + kStep);
            const auto behind = alignment->pointAt(s - kStep);
            const double chord = std::atan2(ahead.y - behind.y, ahead.x - behind.x);
            const std::string at = "station " + std::to_string(s);
            azimuth.note(std::fabs(std::remainder(chord - pose.azimuth, 2 * std::numbers::pi)), at);
            const double turn = alignment->poseAt(s + kStep).azimuth - alignment->poseAt(s - kStep).azimuth;
            curvature.note(std::fabs(std::remainder(turn, 2 * std::numbers::pi) / (2 * kStep) - pose.curvature), at);
            EXPECT_EQ(pose.point.x, alignment->pointAt(s).x);
            EXPECT_EQ(pose.point.y, alignment->pointAt(s).y);
        }
        EXPECT_GT(checked, 3500);
        EXPECT_LE(azimuth.error, kAzimuthTolerance) << azimuth.where;
        EXPECT_LE(curvature.error, kCurvatureTolerance) << curvature.where;
    }
}

// The fast path against feet computed independently of this program's
// formulas (exact to about 1e-10 m): station, offset and foot.
TEST(FastSolver, AgreesWithIndependentlyComputedFeet)
{
    struct Case {
        const char* name;
        vomel::Method method;
        const char* line;
    };
    for (const Case c : {Case{"jd02_spiral_sym", vomel::Method::IntersectionPoint, "jd02_spiral_sym.jdx"},
                         Case{"jd04_incomplete", vomel::Method::IntersectionPoint, "jd04_incomplete.jdx"},
                         Case{"ele01_basic", vomel::Method::Element, "ele01_basic.ele"}}) {
        SCOPED_TRACE(c.name);
        const auto alignment = vomel::initialiseAlignment(c.method, dataFile(c.line));
        std::ifstream pointsFile(dataFile(std::string(c.name) + ".xy"), std::ios::binary);
        const auto points = vomel::readCoordinateFile(pointsFile);
        const auto expected = vomel::testing::readExpectedCsv(dataFile(std::string(c.name) + ".expected.csv"));
        ASSERT_EQ(expected.size(), points.size());
        std::size_t compared = 0;
        Worst worst;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const auto& p = points[i];
            const auto& e = expected[i];
            ASSERT_EQ(e.label, p.label);
            const auto f = vomel::solvePointFast(alignment->fastLine(), p.x, p.y);
            for (const double d : {f.station - e.station, f.offset - e.offset, f.footX - e.footX, f.footY - e.footY}) {
                worst.note(std::fabs(d), e.label);
            }
            ++compared;
        }
        EXPECT_GT(compared, 10u);
        EXPECT_LE(worst.error, kExactTolerance) << worst.where;
        std::cout << "[ largest ] " << c.name << ": " << compared << " points, largest station, offset or foot error "
                  << worst.error << " m (" << worst.where << ")\n";
    }
}

}  // namespace
