#pragma once
// The horizontal layout of an IFC alignment (IfcAlignmentHorizontal and its
// nested IfcAlignmentSegment, each with IfcAlignmentHorizontalSegment design
// parameters) as elements placed by their own start, ready for
// layOutPlacedChain.
//
// IFC x is the easting and y the northing; the chain's X is the northing.
// A StartDirection is counter-clockwise from +x in the project's angle unit;
// the chain's azimuth runs from +X (north) towards +Y (east). An IFC radius
// is positive turning left (counter-clockwise) and 0 for infinite; a chain
// radius is positive turning right, INFINITE_RADIUS for a straight end.
//
// LINE, CIRCULARARC and CLOTHOID segments are imported (a clothoid with two
// finite radii is a partial spiral, with radii of opposite signs a reverse
// spiral); any other kind is refused naming its instance and kind. A
// segment of length zero (the closing one the schema asks for) is skipped.

#include <string>
#include <vector>

#include "alignment/placed_chain.h"
#include "core/wording.h"
#include "formats/ifc_model.h"
#include "formats/ifc_placement.h"
#include "formats/ifc_units.h"

namespace vomel::ifc {

struct HorizontalLayout {
    std::vector<PlacedElement> elements;
    // For each element, the segment it came from: "segment 2 (#33)".
    std::vector<Wording> segmentNames;
    // The IfcAlignmentHorizontalSegment id of each element, for comparing
    // with the geometric representation.
    std::vector<std::int64_t> segmentIds;
    std::vector<Wording> notes;
};

// The IfcAlignmentSegment instances nested in a layout, in order.
std::vector<Entity> layoutSegments(const Model& model, const Entity& layout);

HorizontalLayout readHorizontal(const Model& model, const Entity& layout, const Units& units, const PlanFrame& frame);

// An IFC radius (positive left, 0 infinite; in the line's unit) as a chain
// radius. A right-hand radius of exactly 9999 is taken as the next double
// above, so that it does not read as the straight-end marker.
double chainRadius(double ifcRadius);

// An IFC direction (radians counter-clockwise from +x, the easting) as a
// chain azimuth (radians from +X, the northing, towards +Y), in [0, 2π).
double chainAzimuth(double ifcDirection);

}  // namespace vomel::ifc
