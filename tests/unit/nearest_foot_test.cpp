// The fast search reports the nearest of all feet, also where the line
// comes back near itself: on a loop ramp that crosses its own entry, on a
// hairpin loop of a main line, and on a U-turn whose straights run side by
// side. Each point is built on the normal of one branch at a distance that
// makes it a known few micrometres to centimetres nearer one branch than
// the other; both feet are perpendicular feet found from the forward
// computation alone.
#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/failure.h"
#include "drawing/thinned_points.h"
#include "session/session.h"
#include "session/stakeout.h"
#include "solver/fast_solver.h"
#include "testing/bench_lines.h"

namespace {

using vomel::PreparedLine;

std::string data(const std::string& name) { return std::string(VOMEL_TEST_DATA_DIR) + "/" + name; }

// Station of the perpendicular foot of `p` near `guess`, by Newton's method
// on the forward poses, metres.
double localFoot(const PreparedLine& a, double guess, vomel::Point p)
{
    double s = guess;
    for (int i = 0; i < 50; ++i) {
        const vomel::LinePose pose = a.poseAt(s);
        const double tx = std::cos(pose.azimuth);
        const double ty = std::sin(pose.azimuth);
        const double along = (p.x - pose.point.x) * tx + (p.y - pose.point.y) * ty;
        const double across = (p.y - pose.point.y) * tx - (p.x - pose.point.x) * ty;
        const double step = along / (1.0 - pose.curvature * across);
        s += step;
        if (std::fabs(step) < 1e-13) break;
    }
    return s;
}

double distanceTo(const PreparedLine& a, double station, vomel::Point p)
{
    const vomel::Point f = a.pointAt(station);
    return std::hypot(p.x - f.x, p.y - f.y);
}

// A point on the normal of the line at s1 that is `nearer` metres nearer
// the foot at s1 than the perpendicular foot on the other branch (found
// near s2); negative `nearer` puts it nearer the other branch.
struct BuiltPoint {
    vomel::Point at;
    double station1 = 0, distance1 = 0, station2 = 0, distance2 = 0;
};

BuiltPoint buildPoint(const PreparedLine& a, double s1, double s2, double nearer)
{
    const vomel::LinePose pose = a.poseAt(s1);
    const vomel::Point f1 = pose.point;
    const vomel::Point f2 = a.pointAt(s2);
    // The normal at s1 turned towards the other branch.
    double nx = -std::sin(pose.azimuth);
    double ny = std::cos(pose.azimuth);
    if (nx * (f2.x - f1.x) + ny * (f2.y - f1.y) < 0) {
        nx = -nx;
        ny = -ny;
    }
    // Bisection on t: the distance to the other branch minus t falls as
    // the point moves along the normal towards it.
    double low = 0.0;
    double high = std::hypot(f2.x - f1.x, f2.y - f1.y);
    BuiltPoint built;
    for (int i = 0; i < 200; ++i) {
        const double t = (low + high) / 2;
        const vomel::Point p{f1.x + nx * t, f1.y + ny * t};
        s2 = localFoot(a, s2, p);
        built = {p, s1, t, s2, distanceTo(a, s2, p)};
        if (built.distance2 - t > nearer)
            low = t;
        else
            high = t;
    }
    return built;
}

struct Line {
    const char* name;
    std::shared_ptr<const PreparedLine> alignment;
};

std::shared_ptr<const PreparedLine> elementLine(const std::string& text)
{
    return vomel::testing::elementChainFrom(text);
}

// Pairs of stations on different parts of the line lying close together:
// for stations s1 spread along the line (at odd fractions of a metre, so
// that the nearest sample often stands on the wrong branch), the nearest
// sample farther than kApart along the line, if it lies within kClose.
std::vector<std::pair<double, double>> closeBranches(const PreparedLine& a)
{
    constexpr double kApart = 40.0;  // metres of station
    constexpr double kClose = 40.0;  // metres in the plane
    constexpr double kInside = 5.0;  // metres from the line's ends
    constexpr double kStep = 6.37;  // metres between the stations s1
    std::vector<std::pair<double, double>> pairs;
    const auto& samples = a.samples;
    for (double s1 = a.startStation + kInside; s1 < a.endStation - kInside; s1 += kStep) {
        const vomel::Point f1 = a.pointAt(s1);
        double best = kClose;
        double s2 = NAN;
        for (std::size_t j = 1; j <= samples.sampleCount; ++j) {
            const double s = samples.sampleStation[j];
            if (std::fabs(s - s1) < kApart || s < a.startStation + kInside || s > a.endStation - kInside) continue;
            const double d = std::hypot(samples.sampleX[j] - f1.x, samples.sampleY[j] - f1.y);
            if (d < best && d > 2.0) {
                best = d;
                s2 = s;
            }
        }
        if (!std::isnan(s2)) pairs.emplace_back(s1, s2);
    }
    // A dozen pairs spread along the line are plenty.
    constexpr std::size_t kMostPairs = 12;
    std::vector<std::pair<double, double>> spread;
    for (std::size_t i = 0; i < std::min(kMostPairs, pairs.size()); ++i) {
        spread.push_back(pairs[i * pairs.size() / std::min(kMostPairs, pairs.size())]);
    }
    return spread;
}

TEST(NearestFoot, NearEquidistantPointsOnLinesThatComeBackNearThemselves)
{
    const std::vector<Line> lines = {
        // A 270-degree loop with spirals: its exit straight crosses the entry.
        {"loop ramp", elementLine("0,3498000,501000,30\n9999 9999 150\n9999 60 40\n60 60 242.743\n"
                                  "60 9999 40\n9999 9999 150\n")},
        // A U-turn: the two straights run side by side about 32 m apart.
        {"U-turn beside itself", elementLine("0,3498000,501000,120\n9999 9999 120\n9999 15 20\n"
                                             "15 15 27.124\n15 9999 20\n9999 9999 120\n")},
        {"hairpin loop of a main line",
         vomel::initialiseAlignment(vomel::Method::IntersectionPoint, data("mixed_hairpin.jdx"))},
    };
    // Metres by which the point is nearer the first branch (negative: the
    // second): from a few micrometres, ambiguous up to a millimetre, to
    // centimetres.
    const double nearerBy[] = {5e-6, -5e-6, 3e-4, -3e-4, 2e-3, -2e-3, 1e-2, -1e-2, 4e-2, -4e-2};
    constexpr double kStationTolerance = 1e-6;  // metres
    constexpr double kOffsetTolerance = 1e-8;  // metres
    constexpr double kGuardStep = 0.1;  // metres, scan for a third, nearer branch

    for (const Line& line : lines) {
        SCOPED_TRACE(line.name);
        const PreparedLine& a = *line.alignment;
        const vomel::FastLine fast = a.fastLine();
        const auto pairs = closeBranches(a);
        ASSERT_GE(pairs.size(), 3u) << "the line does not come back near itself";
        int checked = 0;
        int referenceOnFartherFoot = 0;
        for (const auto& [s1, s2] : pairs) {
            for (const double nearer : nearerBy) {
                const BuiltPoint p = buildPoint(a, s1, s2, nearer);
                const double target = std::min(p.distance1, p.distance2);
                // Skip a built point some third part of the line comes nearer to.
                bool third = false;
                for (double s = a.startStation; s <= a.endStation && !third; s += kGuardStep) {
                    third = std::fabs(s - p.station1) > 1 && std::fabs(s - p.station2) > 1 &&
                            distanceTo(a, s, p.at) < target + 0.01;
                }
                if (third || std::fabs(std::fabs(p.distance2 - p.distance1) - std::fabs(nearer)) > 1e-9) continue;
                ++checked;
                const bool firstNearer = nearer > 0;
                const double expected = firstNearer ? p.station1 : p.station2;
                const double other = firstNearer ? p.station2 : p.station1;
                const std::string where = "s1 " + std::to_string(s1) + " s2 " + std::to_string(p.station2) +
                                          " nearer by " + std::to_string(nearer);

                const vomel::Solution f = vomel::solvePointFast(fast, p.at.x, p.at.y);
                EXPECT_NEAR(f.station, expected, kStationTolerance) << where;
                EXPECT_NEAR(std::fabs(f.offset), target, kOffsetTolerance) << where;
                const bool ambiguous = std::fabs(nearer) <= vomel::AMBIGUOUS_FOOT_DISTANCE;
                EXPECT_EQ(f.ambiguous, ambiguous) << where;
                if (ambiguous) {
                    EXPECT_NEAR(f.otherStation, other, kStationTolerance) << where;
                }

                // The CSV row says so; the reference search stays the one-basin search.
                vomel::SurveyPoint point{"P", p.at.x, p.at.y, 0.0, 1};
                const std::string row = vomel::csvResultsLine(*a.line, point, f);
                EXPECT_EQ(row.find(",ambiguous,") != std::string::npos, ambiguous) << row;
                const vomel::Solution r = a.solve(p.at.x, p.at.y, vomel::SolverChoice::Reference);
                EXPECT_FALSE(r.ambiguous);
                if (std::fabs(r.station - expected) > 1.0) ++referenceOnFartherFoot;
            }
        }
        EXPECT_GE(checked, 20);
        // The built points do reach the fault of a search that keeps the
        // branch of the nearest sample.
        EXPECT_GT(referenceOnFartherFoot, 0);
    }
}

}  // namespace

namespace {

// The range query returns exactly the samples a scan of every sample keeps,
// by increasing index, and the scan's nearest sample.
TEST(NearestFoot, RangeQueryKeepsWhatAScanKeeps)
{
    const auto a = vomel::initialiseAlignment(vomel::Method::IntersectionPoint, data("mixed_hairpin.jdx"));
    const auto& samples = a->samples;
    std::vector<vomel::SampleIndex::Candidate> within;
    for (int i = 0; i < 300; ++i) {
        // Points spread over the line's neighbourhood, some near its loop.
        const double s = a->startStation + (a->endStation - a->startStation) * (i + 0.5) / 300;
        const double margin = i % 3 == 0 ? 0.0 : 0.5 * (i % 7);
        const vomel::Point p = vomel::offsetPoint(*a, s, (i % 11 - 5) * 9.7);
        const std::size_t k = a->sampleIndex.nearestWithin(samples, p.x, p.y, margin, within);
        ASSERT_EQ(k, vomel::nearestSample(samples, p.x, p.y));
        // The distance as the index computes it, so that the bound compares alike.
        const auto distance = [&](std::size_t j) {
            const double dx = samples.sampleX[j] - p.x;
            const double dy = samples.sampleY[j] - p.y;
            return std::sqrt(dx * dx + dy * dy);
        };
        const double nearest = distance(k);
        std::vector<std::size_t> expected;
        for (std::size_t j = 1; j <= samples.sampleCount; ++j) {
            if (distance(j) <= nearest + margin) expected.push_back(j);
        }
        std::vector<std::size_t> found;
        for (const auto& c : within) found.push_back(c.index);
        EXPECT_EQ(found, expected) << "point " << i;
    }
    EXPECT_THROW(a->sampleIndex.nearestWithin(samples, 0, 0, -1.0, within), vomel::GeometryFailure);
}

}  // namespace

namespace {

// The points kept for the plan view stay within their bound and evenly
// spread: every stride-th point of the run from the first, in order.
TEST(ThinnedPoints, KeepsEveryStrideThPointWithinTheBound)
{
    struct Case {
        std::size_t capacity, total, chunk, stride;
    };
    for (const Case c :
         {Case{10, 7, 3, 1}, Case{10, 10, 4, 1}, Case{10, 11, 4, 2}, Case{10, 100, 7, 16}, Case{1, 5, 2, 8}}) {
        vomel::drawing::ThinnedPoints kept(c.capacity);
        std::vector<vomel::SurveyPoint> points;
        std::vector<vomel::Solution> solutions;
        for (std::size_t i = 0; i < c.total; ++i) {
            points.push_back({"P" + std::to_string(i), 0.0, 0.0, 0.0, static_cast<long>(i)});
            solutions.push_back({static_cast<double>(i), 0.0, 0.0, 0.0});
            if (points.size() == c.chunk || i + 1 == c.total) {
                kept.add(points, solutions);
                points.clear();
                solutions.clear();
            }
        }
        SCOPED_TRACE(c.total);
        EXPECT_EQ(kept.stride(), c.stride);
        EXPECT_LE(kept.points.size(), c.capacity);
        ASSERT_EQ(kept.points.size(), (c.total + c.stride - 1) / c.stride);
        for (std::size_t j = 0; j < kept.points.size(); ++j) {
            EXPECT_EQ(kept.points[j].line, static_cast<long>(j * c.stride));
            EXPECT_EQ(kept.solutions[j].station, static_cast<double>(j * c.stride));
        }
    }
}

}  // namespace
