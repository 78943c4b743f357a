#include "formats/ifc_representation.h"

#include <cmath>
#include <optional>

#include "core/angles.h"
#include "formats/ifc_joints.h"
#include "text/number_text.h"

namespace vomel::ifc {

namespace {

// Curves wrapping curves (a reference curve on a gradient curve on a
// composite curve): deeper is not a representation of an alignment.
constexpr int MAX_CURVE_DEPTH = 4;

std::optional<Entity> compositeCurve(const Entity& item, int depth)
{
    if (item.is("IFCCOMPOSITECURVE")) return item;
    if (depth < MAX_CURVE_DEPTH && (item.is("IFCGRADIENTCURVE") || item.is("IFCSEGMENTEDREFERENCECURVE"))) {
        return compositeCurve(item.reference(3, "BaseCurve"), depth + 1);
    }
    return std::nullopt;
}

std::optional<Entity> horizontalCurve(const Entity& alignment)
{
    const std::optional<Entity> shape = alignment.optionalReference(7, "Representation");
    if (!shape) return std::nullopt;
    for (const Entity& representation : shape->references(3, "Representations")) {
        if (!representation.is("IFCSHAPEREPRESENTATION")) continue;
        for (const Entity& item : representation.references(4, "Items")) {
            if (std::optional<Entity> curve = compositeCurve(item, 0)) return curve;
        }
    }
    return std::nullopt;
}

}  // namespace

std::vector<Wording> representationNotes(const Model& model, const Entity& alignment,
                                         const HorizontalLayout& horizontal, const Units& units, const PlanFrame& frame)
{
    (void)model;
    std::vector<Wording> notes;
    const std::optional<Entity> curve = horizontalCurve(alignment);
    if (!curve) return notes;
    std::vector<Entity> segments;
    for (Entity& segment : curve->references(1, "Segments")) {
        if (!segment.is("IFCCURVESEGMENT")) continue;
        if (segment.number(4, "SegmentLength") != 0.0) segments.push_back(std::move(segment));
    }
    if (segments.size() != horizontal.elements.size()) {
        notes.push_back(worded(VOMEL_TRANSLATE_NOOP("Failure", "the geometric representation %1 has %2 segments of "
                                                               "non-zero length and the design parameters %3; they "
                                                               "are not compared"),
                               curve->label(), std::to_string(segments.size()),
                               std::to_string(horizontal.elements.size())));
        return notes;
    }
    for (std::size_t k = 0; k < segments.size(); ++k) {
        const Entity placement = segments[k].reference(2, "Placement");
        if (!placement.is("IFCAXIS2PLACEMENT2D")) continue;
        const std::vector<double> location = placement.reference(1, "Location").numbers(1, "Coordinates");
        if (location.size() < 2) continue;
        double direction = 0.0;
        if (placement.isSet(2)) {
            const std::vector<double> ref = placement.reference(2, "RefDirection").numbers(1, "DirectionRatios");
            if (ref.size() < 2) continue;
            direction = std::atan2(ref[1], ref[0]);
        }
        const Point start = frame.apply({location[0] * units.lengthScale, location[1] * units.lengthScale});
        const PlacedElement& element = horizontal.elements[k];
        const double gap = std::hypot(start.y - element.start.x, start.x - element.start.y);
        const double turn = signedAngle(chainAzimuth(direction + frame.rotation) - element.startAzimuth);
        const double magnitude = std::max(std::fabs(element.start.x), std::fabs(element.start.y));
        if (gap <= jointGapTolerance(units.lengthUnit, magnitude) && std::fabs(turn) <= jointKinkTolerance()) continue;
        notes.push_back(worded(VOMEL_TRANSLATE_NOOP("Failure", "%1: its geometric representation %2 starts %3 away, "
                                                               "its direction turned %4"),
                               horizontal.segmentNames[k], segments[k].label(),
                               formatFixed(gap, 4) + " " + lengthUnitSymbol(units.lengthUnit),
                               formatFixed(turn * 180.0 / PI, 6) + "°"));
    }
    return notes;
}

}  // namespace vomel::ifc
