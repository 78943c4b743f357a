#pragma once
// The project units of an IFC file (IfcProject.UnitsInContext): the unit of
// lengths and of plane angles, told by their conversion factor to metres
// and radians, not by their name (files call a foot 'foot', 'FEET' ...).
//
// Lengths: metres, international feet (0.3048 m) and US survey feet
// (1200/3937 m) are kept, the line computed in them; a metre with an SI
// prefix (millimetres, say) is converted to metres. Angles: radians,
// degrees (π/180) and gradians (π/200). A factor within
// IFC_UNIT_FACTOR_TOLERANCE (relative) of one of these is taken as exactly
// it; any other unit is refused, naming its instance.

#include <string>
#include <vector>

#include "alignment/length_unit.h"
#include "core/wording.h"
#include "formats/ifc_model.h"

namespace vomel::ifc {

// Relative difference allowed between a file's factor and the unit's: the
// two feet differ by 2e-6, so this tells them apart and still forgives a
// factor written to 8 digits.
inline constexpr double IFC_UNIT_FACTOR_TOLERANCE = 1e-7;

struct Units {
    LengthUnit lengthUnit = LengthUnit::Metre;
    // Line units per unit of the file's lengths: 1, or 0.001 for millimetres
    // converted to metres.
    double lengthScale = 1.0;
    double radiansPerAngleUnit = 1.0;
    // What the import says about the units ("lengths in MILLIMETRE
    // converted to metres"), one sentence each.
    std::vector<Wording> notes;
};

// The units of the file's first IfcProject; metres and radians when it
// declares none (with a note saying so).
Units projectUnits(const Model& model);

}  // namespace vomel::ifc
