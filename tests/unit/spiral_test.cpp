// The clothoid and arc formulas against values a surveyor can check by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "mainline/spiral.h"

namespace {

constexpr double kTenthMicrometre = 1e-7;  // metres

TEST(SpiralFormulas, ReferenceValuesAtLs120R400)
{
    const double ls = 120.0, r = 400.0, c = ls * r;
    EXPECT_NEAR(zxbas::spiralTangentGain(ls, r), 59.9550281146, kTenthMicrometre);
    EXPECT_NEAR(zxbas::spiralShift(ls, r), 1.4987952180, kTenthMicrometre);
    EXPECT_NEAR(zxbas::spiralLocalX(ls, c), 119.7302811040, kTenthMicrometre);
    EXPECT_NEAR(zxbas::spiralLocalY(ls, c), 5.9903640436, kTenthMicrometre);
}

}  // namespace
