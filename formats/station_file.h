#pragma once
// The station file: one point to set out a line, "label station offset
// [elevation]", read until a blank line or the end of the file.

#include <istream>
#include <string>
#include <vector>

#include "core/wording.h"
#include "stationing/chain_break.h"

namespace vomel {

// One line of a station file: "label station offset [elevation]".
struct StakeoutRow {
    std::string label;  // copied byte for byte
    std::string stationText;  // as written, with its chain letter if any
    double station = 0.0;  // continuous station
    double offset = 0.0;  // left positive
    double elevation = 0.0;  // 0 when the line has no fourth field
    bool hasElevation = false;  // the line has a fourth field
    long line = 0;
    // Why the stated station has no place on the line (its chain does not
    // hold it, or the line has no such chain); `station` is then 0.
    Wording stationProblem;
};

// Reads a station file until a blank line or the end. Stations with a chain
// letter are converted through the chain-break table; those without one are
// continuous stations; a stated station that its chain does not hold keeps
// the reason in its row. A line with fewer than three or more than four
// fields, or a field that is not a number, is a FormatFailure with its file
// line.
std::vector<StakeoutRow> readStationFile(std::istream& in, const vomel::ChainBreaks& breaks);

}  // namespace vomel
