#pragma once
// The kilometre form of a station that road drawings use: "K5+030.00" is
// 5 km plus 30 m, the station 5030. A chain letter may stand before it:
// "BK1+030.5" is 1030.5 in the stationing after the first chain break.

#include <optional>
#include <string>
#include <string_view>

#include "stationing/stated_station.h"

namespace vomel {

// Metres in the kilometre of a K-form station: the part after "+" stays
// below this.
inline constexpr double METRES_PER_KILOMETRE = 1000.0;

// True when `text` (blanks trimmed) is meant as a K form: "K" (either
// case), optionally after a chain letter, then digits, then "+". Texts that
// are not K forms ("K1000", "B12.5") are left to the number rule.
bool looksLikeKilometreStation(std::string_view text);

// Reads a K form. The kilometres are digits, the metres after "+" are
// digits with an optional decimal part and lie below 1000. A malformed K
// form is a vomel::FormatFailure (no line: the caller names it) with the
// reason, e.g. "the metres after + are 1000 or more: \"K5+1030\"".
StationText parseKilometreStation(std::string_view text);

// A stated station (metres, not negative) in the K form with `decimals`
// decimals, rounded half away from zero, the chain letter in front when
// given: kilometreStationText(5030, 2) = "K5+030.00",
// kilometreStationText(1030.5, 1, 'B') = "BK1+030.5". A negative or
// non-finite station is a vomel::GeometryFailure.
std::string kilometreStationText(double stated, int decimals, std::optional<char> letter = std::nullopt);

}  // namespace vomel
