#pragma once
// Chain breaks: places where the project's stationing was re-set, so that a
// stretch of stated stations is skipped (short chain) or repeated (long
// chain). Converts a continuous station into the stated station and the
// letter of its chain ("A" before the first break, "B" after it, ...), and
// writes a station as the user reads it.

#include <array>
#include <string>

namespace vomel {

// Most chain breaks a line can have: the row after the last break holds the
// end station, and the table has rows 0..20.
inline constexpr int MAX_CHAIN_BREAKS = 19;
inline constexpr int CHAIN_BREAK_ROWS = 21;

// Rows 1..chainBreakCount hold the breaks in order along the line; each back
// station is stated in the stationing produced by the rows before it. Row 0
// holds 0 and row chainBreakCount + 1 the end station of the line.
struct ChainBreaks {
    int chainBreakCount = 0;
    std::array<double, CHAIN_BREAK_ROWS> breakBackStation{};
    std::array<double, CHAIN_BREAK_ROWS> breakAheadStation{};
};

// A continuous station as the project states it.
struct StatedStation {
    double stated = 0.0;
    char letter = 'A';
};

// Walks the rows in order with a running value v (starting at s): every row
// whose back station v strictly exceeds moves v by (ahead - back) and
// advances the letter. Later rows are tested against the moved value.
StatedStation chainStationLetter(const ChainBreaks& breaks, double s);

// The stated station as text: "0" for a whole number, "0.000" otherwise
// (halves at the third decimal away from zero), preceded by the letter only
// when the line has chain breaks: "B1000.500", "1234".
std::string stationTextPlain(const ChainBreaks& breaks, double s);

}  // namespace vomel
