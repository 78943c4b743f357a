#pragma once
// The vertical profile of a LandXML alignment: the first ProfAlign among
// its Profile elements, read into grade points with vertical curves.

#include <optional>

#include <pugixml.hpp>

#include "alignment/length_unit.h"
#include "alignment/vertical_profile.h"

namespace vomel::landxml {

class Document;

// A ParaCurve's length and its UnsymParaCurve's lengthIn and lengthOut may
// differ by this share of the curve's length and still be one symmetric
// parabola (a rounding of the numbers written, not a design).
inline constexpr double LANDXML_SYMMETRY_TOLERANCE = 1e-9;

// The profile of `alignment`, its lengths in `unit`; nullopt when the
// alignment has no ProfAlign. A profile that cannot be used is a
// vomel::FormatFailure naming its line, its reason not yet naming the
// alignment.
std::optional<VerticalProfile> readProfAlign(const Document& document, const pugi::xml_node& alignment,
                                             LengthUnit unit);

}  // namespace vomel::landxml
