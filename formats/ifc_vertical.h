#pragma once
// The vertical layout of an IFC alignment (IfcAlignmentVertical and its
// IfcAlignmentVerticalSegment design parameters) as grade points of a
// VerticalProfile.
//
// A segment starts StartDistAlong from the start of the horizontal layout
// (station = start station + StartDistAlong) and runs HorizontalLength;
// gradients are ratios (0.005 = 0.5 %). A CONSTANTGRADIENT segment is a
// grade; a PARABOLICARC becomes the grade point where its two tangents
// meet (halfway along it), with radius L / |g2 − g1|; a CIRCULARARC the
// grade point where its tangents meet with its radius R. Crest or sag
// comes from the two gradients, never from the sign of the radius, which
// exporters write either way.
//
// A circular arc of horizontal length L between gradients g1 and g2 has
// radius R = L / |sin θ2 − sin θ1| (θ = atan g): the profile's circle of
// that radius tangent to both grades is the arc itself.

#include <string>
#include <vector>

#include "alignment/vertical_profile.h"
#include "core/wording.h"
#include "formats/ifc_model.h"
#include "formats/ifc_units.h"

namespace vomel::ifc {

// Two segments join when the later starts within this (metres) of where the
// earlier ends, in station and in elevation ...
inline constexpr double IFC_VERTICAL_JOINT_TOLERANCE = 0.001;
// ... and their gradients differ by at most this (a ratio).
inline constexpr double IFC_GRADIENT_TOLERANCE = 1e-6;

struct VerticalLayout {
    std::vector<GradePoint> points;
    std::vector<Wording> notes;
};

// The grade points of `layout`, stations counted from `startStation`;
// lengths and heights in the line's unit, `heightOffset` (the alignment's
// placement) added to every height. A segment that cannot be imported is a
// FormatFailure naming it.
VerticalLayout readVertical(const Model& model, const Entity& layout, const Units& units, double startStation,
                            double heightOffset);

}  // namespace vomel::ifc
