#include "formats/ifc_vertical.h"

#include <algorithm>
#include <cmath>

#include "formats/ifc_horizontal.h"
#include "text/number_text.h"

namespace vomel::ifc {

namespace {

// A curved segment whose gradients differ by less than this is a grade: its
// tangents would meet far outside it, and it departs from its chord by less
// than change · length² / 8 (under 0.2 mm for a 4 km segment).
constexpr double MIN_CURVE_GRADIENT_CHANGE = 1e-10;

struct VerticalSegment {
    Wording name;  // "vertical segment 2 (#44)"
    double start = 0.0;  // station
    double length = 0.0;
    double startHeight = 0.0;
    double startGradient = 0.0;
    double endGradient = 0.0;
    std::string kind;
};

VerticalSegment segmentValues(const Entity& design, std::size_t index, const Units& units, double startStation,
                              double heightOffset)
{
    VerticalSegment segment;
    segment.name = worded(VOMEL_TRANSLATE_NOOP("Failure", "vertical segment %1 (#%2)"), std::to_string(index),
                          std::to_string(design.id()));
    segment.start = startStation + design.number(3, "StartDistAlong") * units.lengthScale;
    segment.length = design.number(4, "HorizontalLength") * units.lengthScale;
    segment.startHeight = design.number(5, "StartHeight") * units.lengthScale + heightOffset;
    segment.startGradient = design.number(6, "StartGradient");
    segment.endGradient = design.number(7, "EndGradient");
    segment.kind = design.enumeration(9, "PredefinedType");
    if (!(segment.length >= 0.0))
        design.fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "its HorizontalLength is negative")));
    return segment;
}

// The elevation of a circular vertical arc at x along it (its closed form:
// θ = atan g, R = L / (sin θ2 − sin θ1), sin θ = sin θ1 + x / R, z = z0 +
// R (cos θ1 − cos θ)).
double circleHeight(const VerticalSegment& s, double x)
{
    const double sin1 = std::sin(std::atan(s.startGradient));
    const double radius = s.length / (std::sin(std::atan(s.endGradient)) - sin1);
    const double sinX = sin1 + x / radius;
    return s.startHeight + radius * (std::sqrt(1.0 - sin1 * sin1) - std::sqrt(std::max(0.0, 1.0 - sinX * sinX)));
}

double segmentEndHeight(const VerticalSegment& s)
{
    if (s.kind == "CIRCULARARC" && std::fabs(s.endGradient - s.startGradient) > MIN_CURVE_GRADIENT_CHANGE) {
        return circleHeight(s, s.length);
    }
    return s.startHeight + (s.startGradient + s.endGradient) * s.length / 2.0;  // exact for a grade and a parabola
}

// The grade point of a circular arc: where its tangents meet, with the
// circle of its radius.
GradePoint circularArcPoint(const Entity& design, const VerticalSegment& s)
{
    const double g1 = s.startGradient;
    const double g2 = s.endGradient;
    const double meet = (circleHeight(s, s.length) - g2 * s.length - s.startHeight) / (g1 - g2);
    const double radius = std::fabs(s.length / (std::sin(std::atan(g2)) - std::sin(std::atan(g1))));
    GradePoint point{s.start + meet, s.startHeight + g1 * meet, radius, design.line()};
    point.shape = VerticalCurveShape::Circle;
    return point;
}

void addJointNotes(VerticalLayout& layout, const VerticalSegment& before, const VerticalSegment& after,
                   const Units& units)
{
    const double tolerance = IFC_VERTICAL_JOINT_TOLERANCE / metresPerUnit(units.lengthUnit);
    const double stationGap = after.start - (before.start + before.length);
    const double heightGap = after.startHeight - segmentEndHeight(before);
    const double gradientChange = after.startGradient - before.endGradient;
    if (std::fabs(stationGap) > tolerance || std::fabs(heightGap) > tolerance ||
        std::fabs(gradientChange) > IFC_GRADIENT_TOLERANCE) {
        const char* unit = lengthUnitSymbol(units.lengthUnit);
        layout.notes.push_back(
            worded(VOMEL_TRANSLATE_NOOP("Failure", "between %1 and %2: a gap of %3 in station, %4 in height and a "
                                                   "change of gradient of %5"),
                   before.name, after.name, formatFixed(stationGap, 4) + " " + unit,
                   formatFixed(heightGap, 4) + " " + unit, formatGeneral(gradientChange)));
    }
}

}  // namespace

VerticalLayout readVertical(const Model& model, const Entity& layout, const Units& units, double startStation,
                            double heightOffset)
{
    VerticalLayout read;
    const std::vector<Entity> segments = layoutSegments(model, layout);
    std::vector<VerticalSegment> values;
    for (std::size_t k = 0; k < segments.size(); ++k) {
        const Entity design = segments[k].reference(8, "DesignParameters");
        if (!design.is("IFCALIGNMENTVERTICALSEGMENT")) {
            design.fail(worded(
                VOMEL_TRANSLATE_NOOP(
                    "Failure",
                    "a segment of the vertical layout %1 must carry IfcAlignmentVerticalSegment design parameters"),
                layout.label()));
        }
        const VerticalSegment segment = segmentValues(design, k + 1, units, startStation, heightOffset);
        if (segment.length == 0.0) continue;  // the closing segment
        if (read.points.empty()) {
            read.points.push_back({segment.start, segment.startHeight, 0.0, design.line()});
        } else {
            addJointNotes(read, values.back(), segment, units);
        }
        const bool curved = std::fabs(segment.endGradient - segment.startGradient) > MIN_CURVE_GRADIENT_CHANGE;
        if (segment.kind == "CONSTANTGRADIENT" ||
            ((segment.kind == "PARABOLICARC" || segment.kind == "CIRCULARARC") && !curved)) {
            // A change of grade without a curve between: a grade point of its own.
            if (!values.empty() &&
                std::fabs(segment.startGradient - values.back().endGradient) > IFC_GRADIENT_TOLERANCE)
                read.points.push_back({segment.start, segment.startHeight, 0.0, design.line()});
        } else if (segment.kind == "PARABOLICARC") {
            const double radius = segment.length / std::fabs(segment.endGradient - segment.startGradient);
            read.points.push_back({segment.start + segment.length / 2.0,
                                   segment.startHeight + segment.startGradient * segment.length / 2.0, radius,
                                   design.line()});
        } else if (segment.kind == "CIRCULARARC") {
            read.points.push_back(circularArcPoint(design, segment));
        } else {
            if (segment.kind.empty()) {
                design.fail(
                    worded(VOMEL_TRANSLATE_NOOP("Failure", "a vertical segment of no kind cannot be imported; only "
                                                           "CONSTANTGRADIENT, PARABOLICARC and CIRCULARARC")));
            }
            design.fail(worded(
                VOMEL_TRANSLATE_NOOP(
                    "Failure",
                    "a %1 vertical segment cannot be imported; only CONSTANTGRADIENT, PARABOLICARC and CIRCULARARC"),
                segment.kind));
        }
        values.push_back(segment);
    }
    if (values.empty())
        layout.fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "the vertical layout holds no segment of non-zero length")));
    const VerticalSegment& last = values.back();
    read.points.push_back({last.start + last.length, segmentEndHeight(last), 0.0, 0});
    return read;
}

}  // namespace vomel::ifc
