#pragma once
// Joints of an imported chain where consecutive elements do not meet (a
// gap) or meet at an angle (a kink) beyond the rounding of an exchange
// file: one note for each, naming the two segments, the gap in the line's
// unit and the kink in degrees. The line is imported as the file gives it,
// with the joint as a corner.

#include <string>
#include <vector>

#include "alignment/element_chain.h"
#include "alignment/length_unit.h"

namespace vomel::ifc {

// Tolerances of a joint: the LandXML import's (formats/landxml_reader.h),
// a gap in metres and a kink in radians, the gap widened to the rounding of
// coordinates of the joint's magnitude.
double jointGapTolerance(LengthUnit unit, double coordinateMagnitude);
double jointKinkTolerance();

// `segmentNames[k]` names file element k; a reverse spiral, split in two in
// the chain, is one file element.
std::vector<std::string> jointNotes(const ramp::ElementChain& chain, const std::vector<std::string>& segmentNames,
                                    LengthUnit unit);

}  // namespace vomel::ifc
