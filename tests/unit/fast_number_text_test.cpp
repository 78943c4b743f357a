// The fast general form writes exactly the bytes of formatGeneral, over
// random values of every magnitude and the values where rounding is hardest:
// halves at the 15th digit, values just below a power of ten, the ends of
// the plain form, negative and signed zeros.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/failure.h"
#include "text/fast_number_text.h"
#include "text/number_text.h"

namespace {

TEST(FastNumberText, SameBytesAsTheGeneralForm)
{
    std::vector<double> values = {0.0,
                                  -0.0,
                                  1.0,
                                  -1.0,
                                  0.5,
                                  1e-4,
                                  -1e-4,
                                  9.99999999999999e14,
                                  1e15,
                                  1e-5,
                                  123456789012345.5,
                                  123456789012344.5,
                                  0.1,
                                  0.3,
                                  2.3455,
                                  1234.9999,
                                  3504872.72659462,
                                  999.9999999999995,
                                  0.00099999999999999995,
                                  std::numeric_limits<double>::min(),
                                  std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::denorm_min()};
    std::mt19937_64 random(16);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int i = 0; i < 100'000; ++i) {
        // Random magnitudes from 1e-8 to 1e17, both signs.
        const double magnitude = std::pow(10.0, -8.0 + 25.0 * unit(random)) * (1.0 + unit(random));
        values.push_back(i % 2 == 0 ? magnitude : -magnitude);
        // Survey-grid coordinates and offsets with few decimals (halves
        // included), and their neighbours one unit in the last place away.
        const double grid = std::round(unit(random) * 5e6 * 2e4) / 2e4;
        values.push_back(grid);
        values.push_back(std::nextafter(grid, 0.0));
        values.push_back(std::nextafter(grid, 1e300));
        // Exact halves at the 16th significant digit: whole numbers plus 0.5
        // between 1e14 and 1e15, and their scaled-down binary halves.
        const double whole = std::floor(1e14 + unit(random) * 9e14) + 0.5;
        values.push_back(whole);
        values.push_back(std::ldexp(whole, -20));
        // Just below a power of ten, where rounding carries into a new digit.
        const double power = std::pow(10.0, static_cast<int>(unit(random) * 24) - 6);
        values.push_back(std::nextafter(power, 0.0));
        values.push_back(power * (1 - 1e-16 * (1 + static_cast<int>(unit(random) * 8))));
    }
    // Every bit pattern region: random doubles drawn from their bits.
    for (int i = 0; i < 50'000; ++i) {
        const std::uint64_t bits = random();
        double v = 0;
        std::memcpy(&v, &bits, sizeof v);
        if (std::isfinite(v)) values.push_back(v);
    }
    std::size_t differing = 0;
    std::string out;
    for (const double v : values) {
        out.clear();
        out.push_back('x');
        vomel::appendGeneral(out, v);
        std::string expected(1, 'x');
        expected += vomel::formatGeneral(v);
        if (out != expected && ++differing <= 10) ADD_FAILURE() << out << " != " << expected;
    }
    EXPECT_EQ(differing, 0u) << "of " << values.size();

    for (const double bad : {std::numeric_limits<double>::infinity(), std::nan("")}) {
        EXPECT_THROW(vomel::appendGeneral(out, bad), vomel::GeometryFailure);
    }
}

}  // namespace
