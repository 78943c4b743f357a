#include "text/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "core/failure.h"

namespace vomel {

namespace {

void requireFiniteNumber(double value)
{
    if (!std::isfinite(value))
        throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "a number to be written is not finite"));
}

// Decimal digits d0 d1 ... and exponent e of |value| = d0.d1d2... · 10^e,
// with SIGNIFICANT_DIGITS digits.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};

DecimalDigits significantDigits(double magnitude)
{
    std::array<char, 64> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), magnitude, std::chars_format::scientific,
                                      SIGNIFICANT_DIGITS - 1);
    const std::string_view form(text.data(), static_cast<std::size_t>(result.ptr - text.data()));
    DecimalDigits out;
    const auto e = form.find('e');
    for (char c : form.substr(0, e)) {
        if (c != '.') out.digits.push_back(c);
    }
    out.exponent = std::atoi(std::string(form.substr(e + 1)).c_str());
    return out;
}

}  // namespace

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): a value and its decimals cannot be confused in use
std::string formatFixed(double value, int decimals)
{
    requireFiniteNumber(value);
    const bool negative = std::signbit(value);
    const double magnitude = std::fabs(value);

    // Digits of the integer 10^decimals · |value|, rounded half away from zero
    // from the SIGNIFICANT_DIGITS-digit decimal form.
    std::string scaled;  // most significant digit first, no leading zeros needed
    if (magnitude != 0.0) {
        const DecimalDigits d = significantDigits(magnitude);
        // Digits kept: those of weight 10^(-decimals) and above.
        const long kept = static_cast<long>(d.exponent) + 1 + decimals;
        if (kept >= 0) {
            const auto usable = static_cast<std::size_t>(kept);
            scaled = d.digits.substr(0, std::min(usable, d.digits.size()));
            if (usable > d.digits.size()) scaled.append(usable - d.digits.size(), '0');
            const bool roundUp = usable < d.digits.size() && d.digits[usable] >= '5';
            if (roundUp) {
                std::size_t i = scaled.size();
                while (i > 0 && scaled[i - 1] == '9') scaled[--i] = '0';
                if (i == 0)
                    scaled.insert(scaled.begin(), '1');
                else
                    ++scaled[i - 1];
            }
        }
    }
    const auto width = static_cast<std::size_t>(decimals) + 1;
    if (scaled.size() < width) scaled.insert(0, width - scaled.size(), '0');
    const bool allZero = scaled.find_first_not_of('0') == std::string::npos;

    std::string out;
    if (negative && !allZero) out.push_back('-');
    const std::size_t integerDigits = scaled.size() - static_cast<std::size_t>(decimals);
    out.append(scaled, 0, integerDigits);
    if (decimals > 0) {
        out.push_back('.');
        out.append(scaled, integerDigits, std::string::npos);
    }
    return out;
}

std::string formatGeneral(double value)
{
    requireFiniteNumber(value);
    if (value == 0.0) return "0";  // both zeros
    std::array<char, 64> text{};
    const auto result =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::general, SIGNIFICANT_DIGITS);
    std::string out(text.data(), result.ptr);
    const auto e = out.find('e');
    if (e != std::string::npos) out[e] = 'E';
    return out;
}

}  // namespace vomel
