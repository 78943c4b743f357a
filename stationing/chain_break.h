#pragma once
// Chain breaks: places where the project's stationing was re-set, so that a
// stretch of stated stations is skipped (short chain) or repeated (long
// chain). Converts a continuous station into the stated station and the
// letter of its chain ("A" before the first break, "B" after it, ...), and
// writes a station as the user reads it.

#include <array>
#include <string>
#include <vector>

#include "core/wording.h"

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

// A chain break that no station of the line reaches: its back station, in
// the chain it belongs to, lies before the line's start (it moves every
// station) or beyond its end (it moves none). Stored chain-break files may
// rely on either, so such a break is kept and noted, not refused.
struct ChainBreakOutside {
    int row = 0;  // 1-based row of the chain-break file
    bool beforeStart = false;
    double back = 0.0, ahead = 0.0;
    double lineEnd = 0.0;  // the start or the end of the line, stated in the break's chain
};

// A break up to this beyond the line's end (metres, or the line's unit)
// counts as at the end: the stations of a table are printed to the
// millimetre.
inline constexpr double CHAIN_BREAK_AT_END_ROUNDING = 0.0005;

// The breaks outside the continuous stations [start, end], in row order.
std::vector<ChainBreakOutside> chainBreaksOutside(const ChainBreaks& breaks, double start, double end);

// The sentence naming the break and where the line ends.
Wording chainBreakOutsideWording(const ChainBreakOutside& outside);

}  // namespace vomel
