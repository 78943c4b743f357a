// Directions, crossings and the layout of single curves.
#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "core/failure.h"
#include "geometry/spiral.h"
#include "geometry/tangent_solution.h"
#include "testing/expect_failure.h"

namespace {

using std::numbers::pi;
using vomel::Point;
using vomel::solveCurveTangents;

constexpr double kAngleTolerance = 1e-15;  // radians
constexpr double kLengthTolerance = 1e-9;  // metres

double degrees(double d) { return d * pi / 180.0; }

TEST(Azimuth, QuadrantsAndAxes)
{
    struct Case {
        Point to;
        double expected;
    };
    const Case cases[] = {
        {{1, 0}, 0.0},
        {{0, 1}, pi / 2},
        {{-1, 0}, pi},
        {{0, -1}, 3 * pi / 2},
        {{1, -1}, 7 * pi / 4},
        {{1, 1}, pi / 4},
        {{-1, 1}, 3 * pi / 4},
        {{-1, -1}, 5 * pi / 4},
        {{0, 0}, 3 * pi / 2},
        {{-0.0, 5}, pi / 2},
        {{1e-300, -1}, 2 * pi - pi / 2},
    };
    for (const auto& c : cases) {
        const double a = vomel::azimuth({0, 0}, c.to);
        EXPECT_NEAR(a, c.expected, kAngleTolerance) << "to (" << c.to.x << ", " << c.to.y << ")";
        EXPECT_GE(a, 0.0);
        EXPECT_LT(a, 2 * pi);
    }
}

TEST(LineIntersection, CrossingsInEveryDirection)
{
    struct Case {
        Point p1, p2, p3, p4, expected;
    };
    const Case cases[] = {
        {{0, 0}, {1, 1}, {0, 2}, {2, 0}, {1, 1}},
        {{5, -3}, {5, 7}, {0, 0}, {1, 1}, {5, 5}},  // first line parallel to Y
        {{0, 0}, {2, 1}, {-4, 9}, {-4, 1}, {-4, -2}},  // second line parallel to Y
        {{3500000.0, 500000.0},
         {3500000.0, 500100.0},  // grid size, vertical
         {3500010.0, 500010.0},
         {3500110.0, 500010.0},
         {3500000.0, 500010.0}},
    };
    for (const auto& c : cases) {
        const Point p = vomel::lineIntersection(c.p1, c.p2, c.p3, c.p4);
        EXPECT_NEAR(p.x, c.expected.x, kLengthTolerance);
        EXPECT_NEAR(p.y, c.expected.y, kLengthTolerance);
    }
}

TEST(LineIntersection, NearlyVerticalLineKeepsItsDigits)
{
    // A line through (1000, 0) running along +Y up to 1e-14 in X: the slope
    // form would put the crossing metres away.
    const Point p1{1000.0, 0.0}, p2{1000.0 + 1e-14, 100.0};
    const Point p = vomel::lineIntersection(p1, p2, {0.0, 50.0}, {10.0, 50.0});
    EXPECT_NEAR(p.x, 1000.0, kLengthTolerance);
    EXPECT_NEAR(p.y, 50.0, kLengthTolerance);
}

TEST(LineIntersection, ParallelLinesFail)
{
    EXPECT_THROW(vomel::lineIntersection({0, 0}, {1, 1}, {0, 1}, {2, 3}), vomel::GeometryFailure);
    EXPECT_THROW(vomel::lineIntersection({0, 0}, {0, 1}, {3, 0}, {3, 5}), vomel::GeometryFailure);
    const auto f = vomel::testing::expectFailure<vomel::GeometryFailure>([&] {
        vomel::lineIntersection({0, 0}, {1, 0}, {0, 1}, {5, 1});
    });
    EXPECT_EQ(f.reason(), "the two sides are parallel: they do not intersect");
}

TEST(CurveTangents, PlainCircularCurve)
{
    const double azIn = degrees(10), alpha = degrees(60);
    const auto c = solveCurveTangents(100, 0, 0, 0, 0, alpha, azIn, azIn + alpha);
    EXPECT_NEAR(c.t1, 57.735026918962582, kLengthTolerance);
    EXPECT_NEAR(c.t2, 57.735026918962582, kLengthTolerance);
    EXPECT_EQ(c.extraIn, 0.0);
    EXPECT_EQ(c.extraOut, 0.0);
    EXPECT_NEAR(c.originAzimuthIn, azIn, kAngleTolerance);
    EXPECT_NEAR(c.originAzimuthOut, azIn + alpha, kAngleTolerance);
    EXPECT_NEAR(c.turn, alpha, 1e-14);
}

TEST(CurveTangents, CompleteSpiralsMatchTheTangentFormulas)
{
    struct Case {
        double r, ls1, ls2, alphaDeg, azInDeg;
    };
    const Case cases[] = {
        {400, 120, 120, 35, 20}, {400, 120, 120, -35, 200}, {250, 120, 60, 70, 350},
        {250, 60, 120, -70, 5},  {1500, 200, 0, 12, 90},    {300, 0, 90, -140, 270},
    };
    for (const auto& k : cases) {
        const double alpha = degrees(k.alphaDeg), azIn = degrees(k.azInDeg);
        double azOut = azIn + alpha;
        if (azOut >= 2 * pi) azOut -= 2 * pi;
        if (azOut < 0) azOut += 2 * pi;
        const auto c = solveCurveTangents(k.r, 0, 0, k.ls1, k.ls2, alpha, azIn, azOut);
        const double p1 = vomel::spiralShift(k.ls1, k.r), q1 = vomel::spiralTangentGain(k.ls1, k.r);
        const double p2 = vomel::spiralShift(k.ls2, k.r), q2 = vomel::spiralTangentGain(k.ls2, k.r);
        EXPECT_NEAR(c.t1, vomel::tangentLengthFirst(k.r, p1, p2, q1, alpha), kLengthTolerance)
            << "R " << k.r << " alpha " << k.alphaDeg;
        EXPECT_NEAR(c.t2, vomel::tangentLengthSecond(k.r, p1, p2, q2, alpha), kLengthTolerance)
            << "R " << k.r << " alpha " << k.alphaDeg;
        EXPECT_NEAR(c.turn, alpha, 1e-13) << "the turn has the sign of the deflection";
    }
}

TEST(CurveTangents, IncompleteEntryWithOuterRadiusTwiceTheRadius)
{
    const double r = 300, ls = 100, azIn = degrees(30);
    for (const double alpha : {degrees(50), degrees(-50)}) {
        const auto c = solveCurveTangents(r, 2 * r, 0, ls, 0, alpha, azIn, azIn + alpha);
        EXPECT_NEAR(c.extraIn, ls, 1e-12);
        // The origin tangent lies back against the turn by Ls / (4 R).
        EXPECT_NEAR(c.originAzimuthIn, azIn - std::copysign(ls / (4 * r), alpha), kAngleTolerance);
    }
}

// The same curve laid out along a side that runs exactly along +Y (or -Y)
// and along one turned by a small angle: the tangent lengths agree.
TEST(CurveTangents, IncompleteEntryAlongTheYAxisKeepsItsPrecision)
{
    struct Case {
        double azIn, alpha;
    };
    const double tiny = 1e-7;  // radians; changes the lengths by far less than 1e-9 m
    const Case cases[] = {
        {pi / 2, degrees(40)}, {pi / 2, degrees(-40)}, {3 * pi / 2, degrees(40)}, {3 * pi / 2, degrees(-65)}};
    for (const auto& k : cases) {
        const auto exact = solveCurveTangents(350, 700, 1050, 100, 80, k.alpha, k.azIn, k.azIn + k.alpha);
        const auto turned =
            solveCurveTangents(350, 700, 1050, 100, 80, k.alpha, k.azIn + tiny, k.azIn + tiny + k.alpha);
        EXPECT_NEAR(exact.t1, turned.t1, kLengthTolerance) << "azimuth " << k.azIn << " alpha " << k.alpha;
        EXPECT_NEAR(exact.t2, turned.t2, kLengthTolerance) << "azimuth " << k.azIn << " alpha " << k.alpha;
    }
}

// A hairpin curve is the same whichever way its incoming side points: the
// ends must be found beyond the intersection point also when that direction
// lies next to azimuth 0.
TEST(CurveTangents, HairpinEndsAreFoundForEveryIncomingDirection)
{
    const double turn = degrees(-210);  // after the hairpin step: long way round
    const auto reference = solveCurveTangents(-60, 0, 0, -40, -40, turn, 1.0, 1.0 + degrees(150));
    ASSERT_LT(reference.t1, 0.0);
    ASSERT_LT(reference.t2, 0.0);
    for (const double azIn :
         {0.0, 1e-13, 1e-17, 1e-300, 2 * pi - 1e-13, std::nextafter(2 * pi, 0.0), pi / 2, pi, 5.0}) {
        double azOut = azIn + degrees(150);
        if (azOut >= 2 * pi) azOut -= 2 * pi;
        const auto c = solveCurveTangents(-60, 0, 0, -40, -40, turn, azIn, azOut);
        EXPECT_NEAR(c.t1, reference.t1, kLengthTolerance) << "incoming azimuth " << azIn;
        EXPECT_NEAR(c.t2, reference.t2, kLengthTolerance) << "incoming azimuth " << azIn;
    }
}

}  // namespace
