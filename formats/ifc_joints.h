#pragma once
// Joints of an imported chain where consecutive elements do not meet (a
// gap) or meet at an angle (a kink) beyond the rounding of an exchange file
// (isCorner): one note for each, worded as the LandXML import words
// it, naming the two segments, the station, the gap in the line's unit and
// the angle in degrees. The line is imported as the file gives it, with a
// corner there.

#include <string>
#include <vector>

#include "alignment/element_chain.h"
#include "alignment/length_unit.h"
#include "core/wording.h"

namespace vomel::ifc {

// The joint tolerances of alignment/placed_chain.h in the line's unit: a
// gap, widened to the rounding of coordinates of `coordinateMagnitude`, and
// a kink in radians.
double jointGapTolerance(LengthUnit unit, double coordinateMagnitude);
double jointKinkTolerance();

// `segmentNames[k]` names file element k ("segment 2 (#33)"); a reverse
// spiral, split in two in the chain, is one file element.
std::vector<Wording> jointNotes(const std::string& alignment, const ElementChain& chain,
                                const std::vector<Wording>& segmentNames, LengthUnit unit);

}  // namespace vomel::ifc
