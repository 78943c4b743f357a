// The example ramp shipped with the program: it prepares, it has the length
// of its elements, and its surveyed points lie within 60 m of the line.
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "testing/element_chain_support.h"

namespace {

constexpr double kExampleOffsetLimit = 60.0;  // metres either side
constexpr double kSampleStep = 0.05;  // metres

TEST(InterchangeExample, RampPreparesAndItsPointsLieNearIt)
{
    std::ifstream ele(std::string(VOMEL_EXAMPLES_DIR) + "/ramp.ele", std::ios::binary);
    ASSERT_TRUE(ele);
    const auto chain = vomel::testing::prepareFrom(ele);
    EXPECT_EQ(chain->rowCount, 11);  // ten lines, the reverse spiral split in two
    EXPECT_DOUBLE_EQ(vomel::testing::endStation(*chain), 787.095);
    EXPECT_DOUBLE_EQ(chain->nodeX[1], 3512345.678);

    std::ifstream xy(std::string(VOMEL_EXAMPLES_DIR) + "/ramp.xy", std::ios::binary);
    ASSERT_TRUE(xy);
    const double start = chain->nodeStation[1] - 100.0;
    const double end = vomel::testing::endStation(*chain) + 100.0;
    std::string line;
    int points = 0;
    while (std::getline(xy, line)) {
        std::istringstream fields(line);
        std::string label;
        double x = 0.0;
        double y = 0.0;
        ASSERT_TRUE(fields >> label >> x >> y) << line;
        double nearest = INFINITY;
        for (double s = start; s <= end; s += kSampleStep) {
            const vomel::Point p = vomel::elementChainPointAt(*chain, s);
            nearest = std::min(nearest, std::hypot(p.x - x, p.y - y));
        }
        EXPECT_LT(nearest, kExampleOffsetLimit) << label;
        ++points;
    }
    EXPECT_GE(points, 25);
}

}  // namespace
