#pragma once
// The chain-break file: one break a line, back station then ahead station.

#include <istream>

#include "stationing/chain_break.h"

namespace vomel {

// Reads a chain-break file: one break a line, back station then ahead
// station (further fields ignored); a blank line or the end ends the list.
// A first back station of exactly -1, an empty file or a blank first line
// means no breaks. Fewer than two fields, a non-numeric field or a 20th
// break is a vomel::FormatFailure with the file line.
ChainBreaks readChainBreakFile(std::istream& in, double endStation);

}  // namespace vomel
