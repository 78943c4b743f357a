#include "text/fast_number_text.h"

#include <bit>
#include <cmath>
#include <cstdint>

#include "text/number_text.h"

namespace vomel {

namespace {

__extension__ typedef unsigned __int128 Wide;

// 10^0 .. 10^19, all exact in 64 bits.
constexpr std::uint64_t POWER_OF_TEN[20] = {
    1ull,
    10ull,
    100ull,
    1000ull,
    10000ull,
    100000ull,
    1000000ull,
    10000000ull,
    100000000ull,
    1000000000ull,
    10000000000ull,
    100000000000ull,
    1000000000000ull,
    10000000000000ull,
    100000000000000ull,
    1000000000000000ull,
    10000000000000000ull,
    100000000000000000ull,
    1000000000000000000ull,
    10000000000000000000ull,
};

// Magnitudes written here: those the general form writes without an
// exponent, 1E-04 up to below 1E+15. Others go to formatGeneral.
constexpr double SMALLEST_PLAIN = 1e-4;
constexpr double LARGEST_PLAIN = 1e15;
constexpr int LOWEST_EXPONENT = -4;
constexpr int HIGHEST_EXPONENT = 14;

constexpr std::uint64_t SMALLEST_DIGITS = 100000000000000ull;  // 10^14: 15 digits
constexpr std::uint64_t BEYOND_DIGITS = 1000000000000000ull;  // 10^15

// round(magnitude · 10^k) to an integer, ties to even, from the exact binary
// value: magnitude = m · 2^q with m < 2^53, and m · 10^k < 2^117 fits in 128
// bits. For magnitudes here q lies between -66 and -3.
std::uint64_t scaledDigits(double magnitude, int k)
{
    // The bits of a positive normal double: 52 bits of fraction below an
    // implicit 1, and the biased binary exponent.
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int shift = 1075 - static_cast<int>(bits >> 52);  // magnitude = mantissa / 2^shift
    const Wide product = static_cast<Wide>(mantissa) * POWER_OF_TEN[k];
    const Wide unit = static_cast<Wide>(1) << shift;
    auto whole = static_cast<std::uint64_t>(product >> shift);
    const Wide rest = product & (unit - 1);
    const Wide half = unit >> 1;
    if (rest > half || (rest == half && (whole & 1) != 0)) ++whole;
    return whole;
}

// "00" to "99".
constexpr char DIGIT_PAIRS[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                               "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                               "8081828384858687888990919293949596979899";

}  // namespace

void appendGeneral(std::string& out, double value)
{
    const double magnitude = std::fabs(value);
    if (!(magnitude >= SMALLEST_PLAIN && magnitude < LARGEST_PLAIN)) {
        out += formatGeneral(value);  // zero, the exponent forms, and the failure of a value that is not finite
        return;
    }
    // Decimal exponent e of the first significant digit, then the 15
    // significant digits N = round(magnitude · 10^(14 - e)). The first guess
    // of e may be one off (the powers below 1 are not exact, and rounding can
    // carry into a new digit); N outside [10^14, 10^15) corrects it.
    int e = 0;
    if (magnitude >= 1.0) {
        while (e < HIGHEST_EXPONENT + 1 && magnitude >= static_cast<double>(POWER_OF_TEN[e + 1])) ++e;
    } else {
        e = -1;
        while (e > LOWEST_EXPONENT - 1 && magnitude * static_cast<double>(POWER_OF_TEN[-e]) < 1.0) --e;
    }
    std::uint64_t digits = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (e < LOWEST_EXPONENT || e > HIGHEST_EXPONENT) break;
        digits = scaledDigits(magnitude, HIGHEST_EXPONENT - e);
        if (digits >= BEYOND_DIGITS) {
            ++e;
        } else if (digits < SMALLEST_DIGITS) {
            --e;
        } else {
            break;
        }
        digits = 0;
    }
    if (digits == 0) {
        out += formatGeneral(value);
        return;
    }

    char text[16];
    for (int i = 13; i >= 1; i -= 2) {
        const auto pair = static_cast<std::size_t>(digits % 100) * 2;
        digits /= 100;
        text[i] = DIGIT_PAIRS[pair];
        text[i + 1] = DIGIT_PAIRS[pair + 1];
    }
    text[0] = static_cast<char>('0' + digits);
    int last = 14;  // last significant digit kept: trailing zeros go
    while (last > 0 && text[last] == '0') --last;

    if (value < 0) out += '-';
    if (e >= 0) {
        out.append(text, static_cast<std::size_t>(e) + 1);
        if (last > e) {
            out += '.';
            out.append(text + e + 1, static_cast<std::size_t>(last - e));
        }
    } else {
        out += "0.";
        out.append(static_cast<std::size_t>(-e - 1), '0');
        out.append(text, static_cast<std::size_t>(last) + 1);
    }
}

}  // namespace vomel
