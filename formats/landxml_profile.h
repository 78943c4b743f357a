#pragma once
// The vertical profile of a LandXML alignment: the first ProfAlign among
// its Profile elements, read into grade points with vertical curves. PVI
// is a grade point; ParaCurve (length) a symmetric parabola, R = length /
// |i1 - i2|; UnsymParaCurve (lengthIn, lengthOut, horizontal) an
// unsymmetric parabola, or a symmetric one when the two agree; CircCurve
// (length of the arc and/or radius) a circular arc. Each holds its grade
// point as "station elevation".

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

// How far a number of a ProfAlign may be off what it stands for, in the
// file's unit: exports write them to a thousandth of the unit or finer.
// Only the check of a CircCurve's length against its radius uses it.
inline constexpr double LANDXML_WRITTEN_ROUNDING = 5e-4;

// The profile of `alignment`, its lengths in `unit`; nullopt when the
// alignment has no ProfAlign. A profile that cannot be used is a
// vomel::FormatFailure naming its line, its reason not yet naming the
// alignment.
std::optional<VerticalProfile> readProfAlign(const Document& document, const pugi::xml_node& alignment,
                                             LengthUnit unit);

}  // namespace vomel::landxml
