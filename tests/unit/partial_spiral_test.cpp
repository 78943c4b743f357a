// Partial spirals: the clothoid series and the integration from the
// element's start agree where both are sound, and spirals between nearly
// equal radii (far out on their clothoid) keep their precision.
#include <cmath>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "geometry/partial_spiral.h"
#include "testing/element_chain_support.h"

namespace {

constexpr double kMethodsAgree = 1e-9;  // metres
constexpr double kIndependentCheck = 1e-7;  // metres

// End of a partial spiral from the origin along azimuth 0, integrated
// here with Simpson's rule in long double over many small steps.
vomel::Point simpsonEnd(double r1, double r2, double length)
{
    const int steps = 200000;  // even
    const long double h = static_cast<long double>(length) / steps;
    const long double k1 = 1.0L / r1;
    const long double rate = (1.0L / r2 - 1.0L / r1) / length;
    long double x = 0.0L;
    long double y = 0.0L;
    for (int i = 0; i <= steps; ++i) {
        const long double s = h * i;
        const long double a = s * k1 + 0.5L * rate * s * s;
        const long double w = (i == 0 || i == steps) ? 1.0L : (i % 2 == 1 ? 4.0L : 2.0L);
        x += w * std::cos(a);
        y += w * std::sin(a);
    }
    return {static_cast<double>(x * h / 3.0L), static_cast<double>(y * h / 3.0L)};
}

TEST(PartialSpiral, SeriesAndIntegrationAgree)
{
    const vomel::ElementShape cases[] = {
        {300, 1000, 100}, {1000, 300, 100},  {-250, -600, 80}, {-600, -250, 80},
        {200, 500, 40},   {2000, 1800, 200}, {60, 90, 120},    {-9999, -500, 150},
    };
    double largest = 0.0;
    for (const vomel::ElementShape& e : cases) {
        for (const double fraction : {0.0, 0.3, 0.77, 1.0}) {
            const double d = fraction * e.length;
            const vomel::Point series = vomel::partialSpiralLocal(e, d);
            const vomel::Point integral = vomel::partialSpiralLocalByQuadrature(e, d);
            const double gap = std::hypot(series.x - integral.x, series.y - integral.y);
            largest = std::max(largest, gap);
            EXPECT_LT(gap, kMethodsAgree)
                << e.startRadius << " -> " << e.endRadius << " over " << e.length << " at " << d;
        }
    }
    std::cout << "[ partial  ] series and integration agree to " << largest << " m\n";
}

TEST(PartialSpiral, NearlyEqualRadiiKeepTheirPrecision)
{
    const vomel::ElementShape cases[] = {
        {1000, 997.5, 100}, {997.5, 1000, 100}, {1000, 999.9, 150}, {-3000, -2990, 300}, {500, 480, 200},
    };
    for (const vomel::ElementShape& e : cases) {
        std::ostringstream file;
        file.precision(17);
        file << "0 0 0 0\n" << e.startRadius << ' ' << e.endRadius << ' ' << e.length << '\n';
        const auto chain = vomel::testing::prepareFromText(file.str());
        const vomel::Point expected = simpsonEnd(e.startRadius, e.endRadius, e.length);
        EXPECT_NEAR(chain->nodeX[2], expected.x, kIndependentCheck) << e.startRadius << " -> " << e.endRadius;
        EXPECT_NEAR(chain->nodeY[2], expected.y, kIndependentCheck) << e.startRadius << " -> " << e.endRadius;
        // Just before the end node, the point is the node less that step.
        const vomel::Point near = vomel::elementChainPointAt(*chain, e.length - 1e-6);
        EXPECT_NEAR(std::hypot(near.x - chain->nodeX[2], near.y - chain->nodeY[2]), 1e-6, 1e-9);
    }
}

}  // namespace
