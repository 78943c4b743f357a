#pragma once
// Stations as a user states them, and the way back from a stated station to
// the continuous station: the inverse of the chain-break walk.
//
// A stated station is a number, optionally preceded by the letter of its
// chain ("B1000.5": 1000.5 in the stationing that holds after the first
// break). A number without a letter is a continuous station.

#include <optional>
#include <string_view>

#include "stationing/chain_break.h"

namespace vomel {

// A station as typed: the chain letter (upper case) when one was given.
struct StationText {
    std::optional<char> letter;
    double value = 0.0;
};

// "B1000.5", "b1000.5" (the letter is taken in either case), "1000.5",
// "-12", and the K forms "K5+030.00" and "BK1+030.5" (see
// kilometre_station.h). nullopt for anything else: a letter alone, two letters, a number
// that the strict number rule rejects.
std::optional<StationText> parseStationText(std::string_view text);

// Largest difference, in metres, between the stated station asked for and
// the one the walk gives back at the continuous station found: the walk
// adds and subtracts break stations, so the round trip is exact only to a
// few units in the last place.
inline constexpr double STATED_STATION_TOLERANCE = 1e-7;

// The continuous station whose walk through the chain-break table gives
// `stated` with its letter. The ahead station of a break (the first stated
// station of the chain after it) is accepted and gives the break itself.
// A letter beyond the line's chains, a stated station that its chain does
// not contain, or one that the chain holds at two places (a table whose
// breaks are out of order) is a vomel::GeometryFailure saying which.
double continuousStation(const ChainBreaks& breaks, StatedStation stated);

// A typed station as a continuous one: with a letter through
// continuousStation, without one as it is.
double continuousStation(const ChainBreaks& breaks, const StationText& text);

}  // namespace vomel
