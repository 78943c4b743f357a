#pragma once
// Where an IFC alignment lies: its ObjectPlacement (a chain of
// IfcLocalPlacement, each an IfcAxis2Placement3D or 2D relative to the one
// before) as a plan transform and a height, so that the segments' own
// coordinates are reported in the project frame. An axis that is not
// vertical is refused: a design line is laid out in plan.
//
// Also the georeference (IfcMapConversion), described for the listing; it is
// not applied.

#include <optional>
#include <string>

#include "core/point.h"
#include "formats/ifc_model.h"

namespace vomel::ifc {

// A rotation about the vertical, then a shift: project = origin + R·local.
// Lengths in the line's unit; the rotation in radians, counter-clockwise
// from the IFC +x (east) axis.
struct PlanFrame {
    double originX = 0.0;  // IFC x (easting)
    double originY = 0.0;  // IFC y (northing)
    double originZ = 0.0;
    double rotation = 0.0;

    // An IFC (x, y) of the local frame in the project frame.
    Point apply(Point local) const;
};

// The frame of `placement` (an IfcObjectPlacement); lengths multiplied by
// `lengthScale`. The identity when none is given.
PlanFrame planFrame(const std::optional<Entity>& placement, double lengthScale);

// "EPSG:2056 (eastings 2600000, northings 1200000, height 0, rotation
// 0.5°, scale 1)" for the file's first IfcMapConversion; empty when it has
// none.
std::string mapConversionText(const Model& model);

}  // namespace vomel::ifc
