#include "formats/ifc_horizontal.h"

#include <cmath>

#include "core/angles.h"
#include "text/number_text.h"

namespace vomel::ifc {

namespace {

struct SegmentValues {
    Point start;  // IFC x, y in the project frame, line unit
    double direction = 0.0;  // radians, counter-clockwise from +x
    double startRadius = 0.0;  // IFC sign, line unit
    double endRadius = 0.0;
    double length = 0.0;
    std::string kind;
};

SegmentValues segmentValues(const Entity& design, const Units& units, const PlanFrame& frame)
{
    SegmentValues values;
    const std::vector<double> point = design.reference(3, "StartPoint").numbers(1, "Coordinates");
    if (point.size() < 2)
        design.fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "its StartPoint has fewer than two coordinates")));
    values.start = frame.apply({point[0] * units.lengthScale, point[1] * units.lengthScale});
    values.direction = design.number(4, "StartDirection") * units.radiansPerAngleUnit + frame.rotation;
    values.startRadius = design.number(5, "StartRadiusOfCurvature") * units.lengthScale;
    values.endRadius = design.number(6, "EndRadiusOfCurvature") * units.lengthScale;
    values.length = design.number(7, "SegmentLength") * units.lengthScale;
    values.kind = design.enumeration(9, "PredefinedType");
    return values;
}

ElementShape elementShape(const Entity& design, const SegmentValues& values)
{
    if (values.kind == "LINE") return {INFINITE_RADIUS, INFINITE_RADIUS, values.length};
    if (values.kind == "CIRCULARARC") {
        if (values.startRadius == 0.0)
            design.fail(
                worded(VOMEL_TRANSLATE_NOOP("Failure", "a CIRCULARARC segment with a StartRadiusOfCurvature of 0")));
        const double radius = chainRadius(values.startRadius);
        return {radius, radius, values.length};
    }
    if (values.kind == "CLOTHOID") {
        if (values.startRadius == 0.0 && values.endRadius == 0.0) {
            design.fail(worded(VOMEL_TRANSLATE_NOOP(
                "Failure",
                "a CLOTHOID segment with both radii 0 (infinite): a clothoid needs a finite radius at one end")));
        }
        return {chainRadius(values.startRadius), chainRadius(values.endRadius), values.length};
    }
    if (values.kind.empty())
        design.fail(worded(VOMEL_TRANSLATE_NOOP(
            "Failure", "a segment of no kind cannot be imported; only LINE, CIRCULARARC and CLOTHOID")));
    design.fail(
        worded(VOMEL_TRANSLATE_NOOP("Failure", "a %1 segment cannot be imported; only LINE, CIRCULARARC and CLOTHOID"),
               values.kind));
}

}  // namespace

double chainRadius(double ifcRadius)
{
    if (ifcRadius == 0.0) return INFINITE_RADIUS;
    const double radius = -ifcRadius;
    return radius == INFINITE_RADIUS ? std::nextafter(INFINITE_RADIUS, 2.0 * INFINITE_RADIUS) : radius;
}

double chainAzimuth(double ifcDirection) { return normaliseAzimuth(PI / 2.0 - ifcDirection); }

std::vector<Entity> layoutSegments(const Model& model, const Entity& layout)
{
    std::vector<Entity> segments;
    for (Entity& child : model.nested(layout.id())) {
        if (child.is("IFCALIGNMENTSEGMENT")) segments.push_back(std::move(child));
    }
    return segments;
}

HorizontalLayout readHorizontal(const Model& model, const Entity& layout, const Units& units, const PlanFrame& frame)
{
    HorizontalLayout read;
    const std::vector<Entity> segments = layoutSegments(model, layout);
    for (std::size_t k = 0; k < segments.size(); ++k) {
        const Entity design = segments[k].reference(8, "DesignParameters");
        if (!design.is("IFCALIGNMENTHORIZONTALSEGMENT")) {
            design.fail(worded(
                VOMEL_TRANSLATE_NOOP(
                    "Failure",
                    "a segment of the horizontal layout %1 must carry IfcAlignmentHorizontalSegment design parameters"),
                layout.label()));
        }
        const SegmentValues values = segmentValues(design, units, frame);
        const Wording name = worded(VOMEL_TRANSLATE_NOOP("Failure", "segment %1 (#%2)"), std::to_string(k + 1),
                                    std::to_string(design.id()));
        if (!(values.length >= 0.0))
            design.fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "its SegmentLength %1 is negative"),
                               formatGeneral(values.length)));
        if (values.length == 0.0) {
            if (k + 1 != segments.size()) {
                read.notes.push_back(worded(VOMEL_TRANSLATE_NOOP("Failure", "%1 has length 0 and is skipped"), name));
            }
            continue;
        }
        PlacedElement element;
        element.start = {values.start.y, values.start.x};  // the chain's X is the northing
        element.startAzimuth = chainAzimuth(values.direction);
        element.shape = elementShape(design, values);
        read.elements.push_back(element);
        read.segmentNames.push_back(name);
        read.segmentIds.push_back(design.id());
    }
    if (read.elements.empty())
        layout.fail(
            worded(VOMEL_TRANSLATE_NOOP("Failure", "the horizontal layout holds no segment of non-zero length")));
    return read;
}

}  // namespace vomel::ifc
