#pragma once
// The element file: a start line of four numbers (station, X, Y, packed
// azimuth D.MMSS; commas or blanks between them, running on over several
// lines if need be), then one element per line: start radius, end radius,
// length. A blank line or the end of the file ends the list; fields beyond
// the third are ignored.

#include <istream>
#include <memory>

namespace vomel {

struct ElementChain;

// Fills the start values, the row tables and rowCount. A malformed file is
// a vomel::FormatFailure naming the line; the chain is then left unchanged.
void readElementFile(std::istream& in, ElementChain& chain);

// The ramp of an element file, laid out and ready to use (readElementFile,
// then layOutChain).
std::shared_ptr<const ElementChain> readElementChainFile(std::istream& in);

}  // namespace vomel
