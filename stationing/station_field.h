#pragma once
// A station field of an input file (stations file, profile, cross-fall):
// continuous ("5030"), stated with its chain letter ("B1030.5") or in the
// K form ("K5+030.00", "BK1+030.5"), converted to the continuous station
// through the line's chain-break table.

#include <string_view>

#include "stationing/chain_break.h"
#include "stationing/stated_station.h"

namespace vomel {

// The station as written; a malformed one is a FormatFailure naming the
// line and the field, with the reason a malformed K form has.
vomel::StationText parseStationField(std::string_view field, long line, int fieldNumber);

// parseStationField, bounded to ±MAX_INPUT_MAGNITUDE and converted to the
// continuous station; a stated station its chain does not hold is a
// FormatFailure naming the line.
double continuousStationField(std::string_view field, long line, int fieldNumber, const vomel::ChainBreaks& breaks);

}  // namespace vomel
