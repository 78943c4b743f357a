#pragma once
// The geometric representation an IFC alignment may carry beside its design
// parameters (IfcAlignment.Representation: an IfcCompositeCurve of
// IfcCurveSegment, alone or as the base of an IfcGradientCurve), compared
// with them: where a curve segment's placement (start point and direction)
// differs from its design segment's start beyond the rounding of a joint,
// a note says by how much. The design parameters are what is imported.

#include <string>
#include <vector>

#include "formats/ifc_horizontal.h"
#include "formats/ifc_model.h"
#include "formats/ifc_placement.h"
#include "formats/ifc_units.h"

namespace vomel::ifc {

std::vector<Wording> representationNotes(const Model& model, const Entity& alignment,
                                         const HorizontalLayout& horizontal, const Units& units,
                                         const PlanFrame& frame);

}  // namespace vomel::ifc
