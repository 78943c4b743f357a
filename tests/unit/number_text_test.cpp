// The fixed patterns of the main window and the general form of the results file.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/failure.h"
#include "text/number_text.h"

namespace {

TEST(NumberText, FixedPatterns)
{
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const std::vector<Case> cases = {
        {2.3456, 3, "2.346"},
        {-12, 3, "-12.000"},
        {0.0005, 3, "0.001"},
        {-0.0005, 3, "-0.001"},
        {0.00049, 3, "0.000"},
        {-0.0004, 3, "0.000"},
        {999.9995, 3, "1000.000"},
        {9.9996, 3, "10.000"},
        {0.0625, 3, "0.063"},
        {1e-300, 3, "0.000"},
        {123456789.0004, 3, "123456789.000"},
        {1e20, 3, "100000000000000000000.000"},
        {1234, 0, "1234"},
        {-2, 0, "-2"},
        {-0.0, 0, "0"},
        {0.5, 0, "1"},
        {-0.5, 0, "-1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(vomel::formatFixed(c.value, c.decimals), c.text) << c.value << " with " << c.decimals;
    }
}

TEST(NumberText, GeneralForm)
{
    struct Case {
        double value;
        const char* text;
    };
    const std::vector<Case> cases = {
        {350.25, "350.25"},
        {-2.25, "-2.25"},
        {0.0, "0"},
        {-0.0, "0"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {-2.0 / 3, "-0.666666666666667"},
        {4674.7354, "4674.7354"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"},
        {-1.5e17, "-1.5E+17"},
        {0.0001, "0.0001"},
        {0.000015, "1.5E-05"},
        {1e-300, "1E-300"},
    };
    for (const auto& c : cases) EXPECT_EQ(vomel::formatGeneral(c.value), c.text) << c.value;
}

TEST(NumberText, NonFiniteValuesAreRefused)
{
    for (double v : {NAN, INFINITY, -INFINITY}) {
        EXPECT_THROW(vomel::formatGeneral(v), vomel::GeometryFailure);
        EXPECT_THROW(vomel::formatFixed(v, 3), vomel::GeometryFailure);
    }
}

}  // namespace
