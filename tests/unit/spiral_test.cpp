// The clothoid and arc formulas against values a surveyor can check by hand.
#include <cmath>

#include <gtest/gtest.h>

#include "geometry/spiral.h"

namespace {

constexpr double kTenthMicrometre = 1e-7;  // metres

TEST(SpiralFormulas, ReferenceValuesAtLs120R400)
{
    const double ls = 120.0, r = 400.0, c = ls * r;
    EXPECT_NEAR(vomel::spiralTangentGain(ls, r), 59.9550281146, kTenthMicrometre);
    EXPECT_NEAR(vomel::spiralShift(ls, r), 1.4987952180, kTenthMicrometre);
    EXPECT_NEAR(vomel::spiralLocalX(ls, c), 119.7302811040, kTenthMicrometre);
    EXPECT_NEAR(vomel::spiralLocalY(ls, c), 5.9903640436, kTenthMicrometre);
}

}  // namespace

namespace {

constexpr double kExact = 1e-12;  // metres or dimensionless

TEST(SpiralFormulas, FactorialTable)
{
    const struct {
        int n;
        double value;
    } cases[] = {{0, 1}, {1, 1}, {2, 2}, {5, 120}, {10, 3628800}, {20, 2432902008176640000.0}};
    for (const auto& c : cases) EXPECT_EQ(vomel::factorial(c.n), c.value) << c.n;
    EXPECT_THROW(vomel::factorial(-1), vomel::GeometryFailure);
    EXPECT_THROW(vomel::factorial(171), vomel::GeometryFailure);
}

TEST(SpiralFormulas, ZeroLengthsGiveZero)
{
    for (const double r : {400.0, -400.0, 1e-3}) {
        EXPECT_EQ(vomel::spiralTangentGain(0, r), 0.0);
        EXPECT_EQ(vomel::spiralShift(0, r), 0.0);
        EXPECT_EQ(vomel::spiralLocalX(0, r * 100), 0.0);
        EXPECT_EQ(vomel::spiralLocalY(0, r * 100), 0.0);
    }
    EXPECT_EQ(vomel::spiralTangentGain(0, 0), 0.0);
    EXPECT_THROW(vomel::spiralShift(0, 0), vomel::GeometryFailure);
    EXPECT_THROW(vomel::spiralLocalY(10, 0), vomel::GeometryFailure);
}

TEST(SpiralFormulas, TurnSignMirrorsOnlyTheOffset)
{
    for (const double l : {1.0, 60.0, 150.0, 300.0}) {
        const double c = 500.0 * 200.0;
        EXPECT_EQ(vomel::spiralLocalX(l, -c), vomel::spiralLocalX(l, c));
        EXPECT_EQ(vomel::spiralLocalY(l, -c), -vomel::spiralLocalY(l, c));
    }
}

// q and p are the offsets of the clothoid end from the shifted circle:
// q = x(Ls) - R sin(Ls / 2R), p = y(Ls) - R (1 - cos(Ls / 2R)).
TEST(SpiralFormulas, ShiftAndGainAgreeWithTheClothoidEnd)
{
    const struct {
        double ls, r;
    } cases[] = {{120, 400}, {40, 60}, {200, 1500}, {300, 250}, {0.5, 30}};
    for (const auto& c : cases) {
        const double tau = c.ls / (2 * c.r);
        const double x = vomel::spiralLocalX(c.ls, c.ls * c.r);
        const double y = vomel::spiralLocalY(c.ls, c.ls * c.r);
        EXPECT_NEAR(vomel::spiralTangentGain(c.ls, c.r), x - c.r * std::sin(tau), 1e-9) << c.ls << "/" << c.r;
        EXPECT_NEAR(vomel::spiralShift(c.ls, c.r), y - c.r * (1 - std::cos(tau)), 1e-9) << c.ls << "/" << c.r;
    }
}

TEST(SpiralFormulas, TangentLengthsAndArcs)
{
    const double p = vomel::spiralShift(100, 300), q = vomel::spiralTangentGain(100, 300);
    for (const double alpha : {0.7, -0.7}) {
        const double t1 = vomel::tangentLengthFirst(300, p, p, q, alpha);
        EXPECT_NEAR(t1, vomel::tangentLengthSecond(300, p, p, q, alpha), kExact);
        EXPECT_NEAR(t1, (300 + p) * std::tan(0.35) + q, 1e-9);
    }
    EXPECT_THROW(vomel::tangentLengthFirst(300, p, p, q, 0.0), vomel::GeometryFailure);
    const double r = 250.0, quarter = 3.141592653589793 * r / 2;
    EXPECT_NEAR(vomel::arcLocalX(quarter, r), r, 1e-9);
    EXPECT_NEAR(vomel::arcLocalY(quarter, r), r, 1e-9);
    EXPECT_NEAR(vomel::arcLocalY(quarter, -r), -r, 1e-9);
    EXPECT_THROW(vomel::arcLocalX(1.0, 0.0), vomel::GeometryFailure);
}

}  // namespace
