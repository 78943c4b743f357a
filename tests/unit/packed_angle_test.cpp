// Packed degrees D.MMSS: minutes and seconds are the digits as written.
#include <cmath>

#include <gtest/gtest.h>

#include "core/failure.h"
#include "text/packed_angle.h"

namespace {

constexpr double kAngleTolerance = 1e-12;  // degrees, about 4e-9 arc seconds

TEST(PackedDmsToDegrees, DigitsAsWritten)
{
    struct Case {
        double packed;
        double degrees;
    };
    const Case cases[] = {
        {45.3000, 45.5},
        {-45.3000, -45.5},
        {0.2900, 29.0 / 60.0},
        {1.1500, 1.25},  // 1.15 is 1.14999… in binary, still 15 minutes
        {12.345678, 12.0 + 34.0 / 60.0 + 56.78 / 3600.0},
        {0.0, 0.0},
        {-0.0, 0.0},
        {360.0, 360.0},
        {37.2512, 37.0 + 25.0 / 60.0 + 12.0 / 3600.0},
        {0.0001, 1.0 / 3600.0},
        {0.00005, 0.5 / 3600.0},
        {45.3, 45.5},  // a missing digit of the minutes is a 0: 45.3 is 45.3000
        {359.5959, 359.0 + 59.0 / 60.0 + 59.0 / 3600.0},
        {-123.4530, -(123.0 + 45.0 / 60.0 + 30.0 / 3600.0)},
        {214748.5959, 214748.0 + 59.0 / 60.0 + 59.0 / 3600.0},
    };
    double largest = 0.0;
    double largestAt = 0.0;
    for (const Case& c : cases) {
        const double error = std::fabs(vomel::packedDmsToDegrees(c.packed) - c.degrees);
        if (error > largest) {
            largest = error;
            largestAt = c.packed;
        }
    }
    EXPECT_LT(largest, kAngleTolerance) << "largest error " << largest << " at " << largestAt;
}

TEST(PackedDmsToDegrees, TooLargeOrNotFiniteFails)
{
    for (const double packed : {214749.0, -214749.0, 1e30, HUGE_VAL, std::nan("")}) {
        EXPECT_THROW(vomel::packedDmsToDegrees(packed), vomel::FormatFailure) << packed;
    }
    try {
        vomel::packedDmsToDegrees(214749.0);
    } catch (const vomel::FormatFailure& failure) {
        EXPECT_NE(failure.reason().find("214749 degrees or more"), std::string::npos) << failure.reason();
    }
}

}  // namespace
