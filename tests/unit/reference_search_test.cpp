// The reference search on lines whose feet are known in closed form:
// straights and circular arcs given as forward functions.
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/failure.h"
#include "solver/reference_search.h"

namespace {

using vomel::Point;
using vomel::PointFunction;

constexpr double kStationTolerance = 1e-3;  // metres: distance-only search, random points
constexpr double kOffsetTolerance = 1e-6;  // metres
constexpr double kExact = 1e-9;  // metres: values a straight gives exactly
// Station of an off-line point on a straight: where the distance is flat at
// the foot, comparing distances resolves the station only to about
// sqrt(2 * offset * distance rounding), 1e-5 m at 800 m.
constexpr double kResolved = 1e-4;  // metres

// A straight leaving `origin` at azimuth `heading` at station `start`.
PointFunction straight(double start, Point origin, double heading)
{
    return [=](double s) {
        const double t = s - start;
        return Point{origin.x + t * std::cos(heading), origin.y + t * std::sin(heading)};
    };
}

// A circular arc of radius r about `centre`, at angle phi0 (from +X towards
// +Y) at station `start`, turning towards +Y (turn = +1) or back (-1).
PointFunction arc(double start, Point centre, double r, double phi0, int turn)
{
    return [=](double s) {
        const double phi = phi0 + turn * (s - start) / r;
        return Point{centre.x + r * std::cos(phi), centre.y + r * std::sin(phi)};
    };
}

TEST(SampleTable, StationsOfShortAndFractionalLines)
{
    struct Case {
        const char* name;
        double start, end;
        std::vector<double> stations;
    };
    const std::vector<Case> cases = {
        {"10.5 m", 100, 110.5, {99, 100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 110.5, 111.5}},
        {"0.4 m", 100, 100.4, {99, 100, 100.4, 101.4}},
        {"whole 5 m: two samples at the end", 100, 105, {99, 100, 101, 102, 103, 104, 105, 105, 106}},
        {"zero length", 0, 0, {-1, 0, 0, 1}},
        {"negative stations", -3.25, -1, {-4.25, -3.25, -2.25, -1.25, -1, 0}},
    };
    for (const auto& c : cases) {
        const auto table = vomel::buildSampleTable(c.start, c.end, straight(c.start, {0, 0}, 0));
        ASSERT_EQ(table.sampleCount + 2, c.stations.size()) << c.name;
        EXPECT_EQ(table.sampleStation, c.stations) << c.name;
        for (std::size_t j = 0; j < c.stations.size(); ++j) {
            EXPECT_NEAR(table.sampleX[j], c.stations[j] - c.start, kExact) << c.name << " sample " << j;
            EXPECT_EQ(table.sampleY[j], 0.0) << c.name << " sample " << j;
        }
    }
}

TEST(SampleTable, RefusesReversedOrNonFiniteExtent)
{
    const auto line = straight(0, {0, 0}, 0);
    EXPECT_THROW(vomel::buildSampleTable(10, 9.5, line), vomel::GeometryFailure);
    EXPECT_THROW(vomel::buildSampleTable(0, INFINITY, line), vomel::GeometryFailure);
    EXPECT_THROW(vomel::buildSampleTable(NAN, 1, line), vomel::GeometryFailure);
    const PointFunction broken = [](double) { return Point{NAN, 0}; };
    EXPECT_THROW(vomel::buildSampleTable(0, 3, broken), vomel::GeometryFailure);
    EXPECT_THROW(vomel::solvePoint(vomel::SampleTable{}, line, 1, 1), vomel::GeometryFailure);
}

TEST(NearestSample, LowestIndexWinsATie)
{
    // Samples at stations -1, 0, 1, 2, ..., 10, 10, 11 along +X.
    const auto table = vomel::buildSampleTable(0, 10, straight(0, {0, 0}, 0));
    // x = 2.5 lies exactly between stations 2 (index 3) and 3 (index 4).
    EXPECT_EQ(vomel::nearestSample(table, 2.5, 7), 3u);
    EXPECT_EQ(vomel::nearestSample(table, 2.5000001, 7), 4u);
    // The two samples at the end station 10 (indices 11 and 12): index 11.
    EXPECT_EQ(vomel::nearestSample(table, 10, 4), 11u);
    // The extra samples never win, however near.
    EXPECT_EQ(vomel::nearestSample(table, -1, 0), 1u);
    EXPECT_EQ(vomel::nearestSample(table, 11, 0), 11u);
}

struct SolveCase {
    const char* name;
    double start, end;
    PointFunction line;
    double x, y;
    double station, offset;
    double stationTolerance;
};

TEST(SolvePoint, StraightsAndTheBisectionStopRule)
{
    const auto plusX = straight(100, {0, 0}, 0);
    const double pi = 4 * std::atan(1.0);
    const auto minusX = straight(100, {0, 0}, pi);
    const std::vector<SolveCase> cases = {
        // Midpoints 450 and 450.5 are equally far from this point; the search
        // must go on to the true foot at 450.25.
        {"symmetric midpoints", 100, 1000, plusX, 350.25, 800.5, 450.25, -800.5, kResolved},
        {"mirrored across the line", 100, 1000, plusX, 350.25, -800.5, 450.25, 800.5, kResolved},
        {"mirrored along the line", 100, 1000, plusX, 349.75, 800.5, 449.75, -800.5, kResolved},
        {"line running in -X", 100, 1000, minusX, -350.25, 800.5, 450.25, 800.5, kResolved},
        {"line running in -X, other side", 100, 1000, minusX, -350.25, -800.5, 450.25, -800.5, kResolved},
        {"on the line at a quarter metre", 100, 1000, plusX, 350.25, 0, 450.25, 0, kExact},
        {"on the line, three quarters", 100, 1000, plusX, 650.75, 0, 750.75, 0, kExact},
        {"left of +X is smaller Y", 100, 1000, plusX, 50, -3, 150, 3, kResolved},
        {"right of +X is larger Y", 100, 1000, plusX, 50, 3, 150, -3, kResolved},
        {"short line", 100, 100.4, plusX, 0.3, 1.5, 100.3, -1.5, kResolved},
        {"on the start", 0, 10, straight(0, {5, 5}, pi / 2), 5, 5, 0, 0, kExact},
        {"on the end", 0, 10, straight(0, {5, 5}, pi / 2), 5, 15, 10, 0, kExact},
    };
    for (const auto& c : cases) {
        const auto table = vomel::buildSampleTable(c.start, c.end, c.line);
        const auto s = vomel::solvePoint(table, c.line, c.x, c.y);
        EXPECT_NEAR(s.station, c.station, c.stationTolerance) << c.name;
        EXPECT_NEAR(s.offset, c.offset, kOffsetTolerance) << c.name;
        const Point foot = c.line(s.station);
        EXPECT_EQ(s.footX, foot.x) << c.name;
        EXPECT_EQ(s.footY, foot.y) << c.name;
    }
}

TEST(SolvePoint, StationsStayWithinOneStepOfTheEnds)
{
    const auto line = straight(100, {0, 0}, 0);
    struct Case {
        const char* name;
        double end, x, y, station;
    };
    const std::vector<Case> cases = {
        {"far before the start", 1000.5, -500, 2, 99},
        {"just before the start", 1000.5, -1.5, -2, 99},
        {"far beyond the end", 1000.5, 1500, -2, 1001.5},
        {"just beyond the end", 1000.5, 901.75, 3, 1001.5},
        // A whole-metre line has two samples at its end; the lower one wins,
        // so the bracket is [end - 1, end].
        {"beyond the end of a whole-metre line", 1000, 1500, -2, 1000},
    };
    for (const auto& c : cases) {
        const auto table = vomel::buildSampleTable(100, c.end, line);
        const auto s = vomel::solvePoint(table, line, c.x, c.y);
        EXPECT_NEAR(s.station, c.station, kExact) << c.name;
        EXPECT_NEAR(std::fabs(s.offset), std::hypot(c.x - s.footX, c.y - s.footY), kExact) << c.name;
    }
}

TEST(SideSign, FromTheTwoAzimuths)
{
    struct Case {
        const char* name;
        Point p1, p2, p3;
        int sign;
    };
    const std::vector<Case> cases = {
        {"left of +X", {0, -1}, {0, 0}, {1, 0}, 1},
        {"right of +X", {0, 1}, {0, 0}, {1, 0}, -1},
        {"left of +Y", {1, 0}, {0, 0}, {0, 1}, 1},
        {"right of +Y", {-1, 0}, {0, 0}, {0, 1}, -1},
        {"right of -X across the 0/2pi seam", {0, -1}, {0, 0}, {-1, 0}, -1},
        {"left of -Y across the seam", {-1, 0}, {0, 0}, {0, -1}, 1},
        {"straight behind: zero turn is +1", {-1, 0}, {0, 0}, {1, 0}, 1},
        {"point on its foot", {0, 0}, {0, 0}, {1, 0}, -1},
    };
    for (const auto& c : cases) EXPECT_EQ(vomel::sideOfLine(c.p1, c.p2, c.p3), c.sign) << c.name;
}

TEST(PlaneDistance, IgnoresStationAndDistanceFields)
{
    EXPECT_DOUBLE_EQ(vomel::planeDistance({7, 1, 2, 99}, {-3, 4, 6, 5}), 5.0);
    EXPECT_EQ(vomel::planeDistance({0, 1e200, 0, 0}, {0, 1e200, 0, 0}), 0.0);
}

// Points placed at a known station and offset on arcs turning both ways,
// on both sides of the line.
TEST(SolvePoint, RoundTripOnArcs)
{
    std::mt19937_64 random(20240611);
    struct Line {
        const char* name;
        double start, end, r;
        int turn;
    };
    const std::vector<Line> lines = {{"right-turning R 300", 1250.5, 1600, 300, 1},
                                     {"left-turning R 60", 0, 150, 60, -1},
                                     {"right-turning R 2500", 10000, 12000.75, 2500, 1}};
    double worstStation = 0, worstOffset = 0;
    std::string worstCase;
    for (const auto& l : lines) {
        const Point centre{4000, 2000};
        const auto line = arc(l.start, centre, l.r, 1.0, l.turn);
        const auto table = vomel::buildSampleTable(l.start, l.end, line);
        std::uniform_real_distribution<double> station(l.start, l.end);
        std::uniform_real_distribution<double> offset(-0.4 * l.r, 0.4 * l.r);
        for (int i = 0; i < 400; ++i) {
            const double s = station(random), o = offset(random);
            const double phi = 1.0 + l.turn * (s - l.start) / l.r;
            // Left of a right-turning arc is outwards, of a left-turning one inwards.
            const double radial = l.r + l.turn * o;
            const Point p{centre.x + radial * std::cos(phi), centre.y + radial * std::sin(phi)};
            const auto got = vomel::solvePoint(table, line, p.x, p.y);
            const double es = std::fabs(got.station - s), eo = std::fabs(got.offset - o);
            if (es > worstStation || eo > worstOffset) {
                worstCase = std::string(l.name) + " at station " + std::to_string(s) + " offset " + std::to_string(o);
            }
            worstStation = std::max(worstStation, es);
            worstOffset = std::max(worstOffset, eo);
        }
    }
    EXPECT_LT(worstStation, kStationTolerance) << worstCase;
    EXPECT_LT(worstOffset, kOffsetTolerance) << worstCase;
    RecordProperty("worstStationError", std::to_string(worstStation));
    RecordProperty("worstOffsetError", std::to_string(worstOffset));
}

}  // namespace
