// Properties of prepared element chains: a continuous line at unit speed,
// tangent azimuths that agree with the line, nodes met exactly, and the
// points that can be checked by hand.
#include <cmath>
#include <iomanip>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "testing/element_chain_support.h"

namespace {

constexpr double kNodeGap = 1e-9;  // metres: the line is continuous across nodes
constexpr double kSpeedTolerance = 1e-9;  // metres per step of kSpeedStep
constexpr double kSpeedStep = 0.01;  // metres
constexpr double kDirectionTolerance = 1e-6;  // radians
constexpr double kHandTolerance = 1e-7;  // metres, for values given to 7 decimals
const double kPi = 4.0 * std::atan(1.0);

// Every kind of element, both senses of partial spiral, a reverse spiral, a
// zero-length straight and a loop of more than 2π (arc of R 60 over 500 m).
const char* const kEveryKind = "100, 20.5, -30.25, 123.4530\r\n"
                               "9999 9999 50\r\n"
                               "9999 200 60\r\n"
                               "200 200 80\r\n"
                               "200 500 40\r\n"  // curvature falls: |R1| < |R2|
                               "500 9999 50\r\n"
                               "9999 -300 70\r\n"
                               "-300 -150 45\r\n"  // curvature grows: |R1| > |R2|
                               "-150 -150 30\r\n"
                               "-150 600 90\r\n"  // reverse spiral, split in two
                               "600 9999 40\r\n"
                               "9999 9999 0\r\n"
                               "9999 60 80\r\n"
                               "60 60 500\r\n"
                               "60 9999 80\r\n"
                               "9999 9999 20\r\n";

double angleBetween(double a, double b) { return std::fabs(std::remainder(a - b, 2.0 * kPi)); }

// A length written with every digit, so the file holds the double itself.
std::string exactText(double value)
{
    std::ostringstream text;
    text << std::setprecision(17) << value;
    return text.str();
}

double distance(vomel::Point p, vomel::Point q) { return std::hypot(p.x - q.x, p.y - q.y); }

TEST(ElementChainProperties, ContinuousUnitSpeedAndTangentAgree)
{
    const auto chain = vomel::testing::prepareFromText(kEveryKind);
    const int n = chain->elementCount;
    ASSERT_EQ(n, 16);  // 15 lines, one of them split

    for (int k = 1; k <= n + 1; ++k) {
        SCOPED_TRACE("node " + std::to_string(k));
        const double a = chain->nodeAzimuth[k];
        EXPECT_GE(a, 0.0);
        EXPECT_LT(a, 2.0 * kPi);
        const double s = chain->nodeStation[k];
        const vomel::Point node{chain->nodeX[k], chain->nodeY[k]};
        // The point at a node's station is the node.
        EXPECT_LT(distance(vomel::elementChainPointAt(*chain, s), node), kNodeGap);
        // Coming up to the node along the element before it: tiny step, tiny gap.
        if (k > 1 && chain->elementLength[k - 1] > 0.0) {
            const double back = 1e-6;
            const vomel::Point before = vomel::elementChainPointAt(*chain, s - back);
            EXPECT_NEAR(distance(before, node), back, kNodeGap);
        }
        // The line leaves the node along the node's azimuth.
        const vomel::Point ahead = vomel::elementChainPointAt(*chain, s + 1e-6);
        const double direction = std::atan2(ahead.y - node.y, ahead.x - node.x);
        EXPECT_LT(angleBetween(direction, a), kDirectionTolerance);
    }

    // Unit speed everywhere, across every node, and beyond both ends.
    double worst = 0.0;
    double worstAt = 0.0;
    const double end = vomel::testing::endStation(*chain);
    for (double s = chain->nodeStation[1] - 20.0; s < end + 20.0; s += 0.37) {
        const vomel::Point p = vomel::elementChainPointAt(*chain, s);
        const vomel::Point q = vomel::elementChainPointAt(*chain, s + kSpeedStep);
        // A chord of a curve of radius R over h is short of h by h³/(24 R²).
        const double error = std::fabs(distance(p, q) - kSpeedStep);
        if (error > worst) {
            worst = error;
            worstAt = s;
        }
    }
    EXPECT_LT(worst, kSpeedTolerance) << "at station " << worstAt;
}

TEST(ElementChainProperties, TotalTurnOfTheChain)
{
    // The sum of all deflections, from the radii alone.
    const auto chain = vomel::testing::prepareFromText(kEveryKind);
    const double turn = 60.0 / 400 + 80.0 / 200 + (200 + 500) * 40.0 / 2 / 200 / 500 + 50.0 / 1000 - 70.0 / 600 +
                        (-150 - 300) * 45.0 / 2 / 150 / 300 - 30.0 / 150 - 72.0 / 300 + 18.0 / 1200 + 40.0 / 1200 +
                        80.0 / 120 + 500.0 / 60 + 80.0 / 120;
    const double start = (123.0 + 45.0 / 60 + 30.0 / 3600) * kPi / 180.0;
    EXPECT_NEAR(chain->chainStartAzimuth, start, 1e-15);
    EXPECT_LT(angleBetween(chain->nodeAzimuth[chain->elementCount + 1], start + turn), 1e-12);
    EXPECT_DOUBLE_EQ(vomel::testing::endStation(*chain), 100.0 + 1235.0);
}

TEST(ElementChainProperties, PointsCheckedByHand)
{
    struct Case {
        const char* name;
        const char* file;
        double station;
        double x;
        double y;
    };
    const double quarterArc = 25.0 * kPi;  // a quarter of the arc of length 50π
    const std::string arcPlus = "0 0 0 0\n100 100 " + exactText(50.0 * kPi) + "\n";
    const std::string arcMinus = "0 0 0 0\n-100 -100 " + exactText(50.0 * kPi) + "\n";
    const double arcLength = 50.0 * kPi;
    const Case cases[] = {
        {"before the start on the start tangent", "0 0 0 0\n9999 9999 50\n", -10.0, -10.0, 0.0},
        {"after the end on the end tangent", "0 0 0 0\n9999 9999 50\n", 60.0, 60.0, 0.0},
        {"no elements: the start tangent both ways", "500 1000 2000 45\n", 490.0, 1000.0 - 10.0 / std::sqrt(2.0),
         2000.0 - 10.0 / std::sqrt(2.0)},
        {"start azimuth 360 is azimuth 0", "0 5 5 360\n", 3.0, 8.0, 5.0},
        {"arc R 100, middle", arcPlus.c_str(), quarterArc, 70.7106781187, 29.2893218813},
        {"arc R -100, middle", arcMinus.c_str(), quarterArc, 70.7106781187, -29.2893218813},
        {"arc R 100, end node", arcPlus.c_str(), arcLength, 100.0, 100.0},
        {"entry spiral R 400 L 120, end", "0 0 0 0\n9999 400 120\n", 120.0 - 1e-12, 119.7302811040, 5.9903640436},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto chain = vomel::testing::prepareFromText(c.file);
        const vomel::Point p = vomel::elementChainPointAt(*chain, c.station);
        EXPECT_NEAR(p.x, c.x, kHandTolerance);
        EXPECT_NEAR(p.y, c.y, kHandTolerance);
    }
}

TEST(ElementChainProperties, NodesOfHandCheckedChains)
{
    const auto arc = vomel::testing::prepareFromText("0 0 0 0\n100 100 " + exactText(50.0 * kPi) + "\n");
    EXPECT_NEAR(arc->nodeX[2], 100.0, 1e-12);
    EXPECT_NEAR(arc->nodeY[2], 100.0, 1e-12);
    EXPECT_NEAR(arc->nodeAzimuth[2], kPi / 2, 1e-15);

    const auto spiral = vomel::testing::prepareFromText("0 0 0 0\n9999 400 120\n");
    EXPECT_NEAR(spiral->nodeX[2], 119.7302811040, 1e-9);
    EXPECT_NEAR(spiral->nodeY[2], 5.9903640436, 1e-9);
    EXPECT_NEAR(spiral->nodeAzimuth[2], 0.15, 1e-15);

    // An exit spiral at its start, computed backwards from its end, is its
    // start node; after an entry spiral of the same size it closes the S.
    const auto exit = vomel::testing::prepareFromText("0 0 0 0\n400 9999 120\n");
    EXPECT_NEAR(exit->nodeAzimuth[2], 0.15, 1e-15);
    const vomel::Point start = vomel::elementChainPointAt(*exit, 1e-12);
    EXPECT_LT(std::hypot(start.x, start.y), kNodeGap);
}

TEST(ElementChainProperties, FarGridCoordinatesKeepTheirDigits)
{
    // The same spiral laid out at 3,500,000 / 500,000 differs from the one
    // at the origin only by the shift, to rounding of the large values.
    const auto near = vomel::testing::prepareFromText("0 0 0 57.1234\n9999 250 90\n250 500 60\n");
    const auto far = vomel::testing::prepareFromText("0 3500000 500000 57.1234\n9999 250 90\n250 500 60\n");
    for (double s = -5.0; s <= 160.0; s += 2.5) {
        const vomel::Point p = vomel::elementChainPointAt(*near, s);
        const vomel::Point q = vomel::elementChainPointAt(*far, s);
        EXPECT_NEAR(q.x - 3500000.0, p.x, 1e-8) << s;
        EXPECT_NEAR(q.y - 500000.0, p.y, 1e-8) << s;
    }
}

}  // namespace
