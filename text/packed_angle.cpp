#include "text/packed_angle.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

#include "core/failure.h"

namespace vomel {

namespace {

constexpr double MINUTES_PER_DEGREE = 60.0;
constexpr double SECONDS_PER_DEGREE = 3600.0;

// The decimal digits of `text` from `first`, `count` of them, missing
// digits read as 0 ("3" as minutes is 30: 45.3 means 45.3000).
double digitGroup(std::string_view text, std::size_t first, std::size_t count)
{
    double value = 0.0;
    for (std::size_t i = first; i < first + count; ++i) {
        const int digit = i < text.size() ? text[i] - '0' : 0;
        value = value * 10.0 + digit;
    }
    return value;
}

}  // namespace

double packedDmsToDegrees(double packed)
{
    if (!std::isfinite(packed)) {
        throw vomel::FormatFailure(VOMEL_TRANSLATE_NOOP("Failure", "start azimuth is not a finite number"));
    }
    const double magnitude = std::fabs(packed);
    if (magnitude >= MAX_PACKED_DEGREES) {
        throw vomel::FormatFailure(VOMEL_TRANSLATE_NOOP("Failure", "start azimuth %1 is %2 degrees or more"),
                                   std::to_string(packed), std::to_string(static_cast<long>(MAX_PACKED_DEGREES)));
    }
    const double sign = packed > 0.0 ? 1.0 : (packed < 0.0 ? -1.0 : 0.0);

    // The shortest decimal text that reads back as the same double is the
    // text the angle was written as, so the digit groups are those the user
    // wrote: 1.15 holds 1.149999…, yet its text is "1.15", 15 minutes.
    // Room for the longest fixed form below MAX_PACKED_DEGREES: the
    // smallest subnormal double has 324 decimals.
    std::array<char, 400> buffer{};
    const auto written =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude, std::chars_format::fixed);
    if (written.ec != std::errc()) {
        throw vomel::FormatFailure(VOMEL_TRANSLATE_NOOP("Failure", "start azimuth %1 cannot be read as D.MMSS"),
                                   std::to_string(packed));
    }
    const std::string_view text(buffer.data(), static_cast<std::size_t>(written.ptr - buffer.data()));
    const std::size_t point = text.find('.');
    const std::string_view digits = point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);

    const double degrees = std::floor(magnitude);
    const double minutes = digitGroup(digits, 0, 2);
    // Seconds: the third and fourth digits, then any further digits as the
    // fraction of a second, read as one decimal number ("5678" is 56.78).
    std::string secondsText(digits.size() > 2 ? digits.substr(2, 2) : std::string_view{});
    secondsText.resize(2, '0');
    if (digits.size() > 4) secondsText += "." + std::string(digits.substr(4));
    double seconds = 0.0;
    std::from_chars(secondsText.data(), secondsText.data() + secondsText.size(), seconds);
    return (minutes / MINUTES_PER_DEGREE + degrees + seconds / SECONDS_PER_DEGREE) * sign;
}

}  // namespace vomel
