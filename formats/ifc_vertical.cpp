#include "formats/ifc_vertical.h"

#include <algorithm>
#include <cmath>

#include "formats/ifc_horizontal.h"
#include "text/number_text.h"

namespace vomel::ifc {

namespace {

// Points along a circular arc at which it is compared with its parabola.
constexpr int ARC_COMPARISON_POINTS = 64;

struct VerticalSegment {
    std::string name;  // "vertical segment 2 (#44)"
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
    segment.name = "vertical segment " + std::to_string(index) + " (#" + std::to_string(design.id()) + ")";
    segment.start = startStation + design.number(3, "StartDistAlong") * units.lengthScale;
    segment.length = design.number(4, "HorizontalLength") * units.lengthScale;
    segment.startHeight = design.number(5, "StartHeight") * units.lengthScale + heightOffset;
    segment.startGradient = design.number(6, "StartGradient");
    segment.endGradient = design.number(7, "EndGradient");
    segment.kind = design.enumeration(9, "PredefinedType");
    if (!(segment.length >= 0.0)) design.fail("its HorizontalLength is negative");
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
    if (s.kind == "CIRCULARARC" && s.startGradient != s.endGradient) return circleHeight(s, s.length);
    return s.startHeight + (s.startGradient + s.endGradient) * s.length / 2.0;  // exact for a grade and a parabola
}

// A parabola of radius R at (station, elevation) between grades g1 and g2,
// at station x; the tangents outside it.
double parabolaHeight(const GradePoint& pvi, double g1, double g2, double x)
{
    const double half = pvi.radius * std::fabs(g2 - g1) / 2.0;
    const double tangentIn = pvi.elevation + g1 * (x - pvi.station);
    if (x <= pvi.station - half) return tangentIn;
    if (x >= pvi.station + half) return pvi.elevation + g2 * (x - pvi.station);
    const double along = x - (pvi.station - half);
    return tangentIn + (g2 - g1) * along * along / (4.0 * half);
}

// The grade point of a circular arc: where its tangents meet, with its
// radius. Here the circle kind of the profile plugs in when it has one;
// until then the arc is taken as a parabola of that radius, and refused
// where the two differ by more than the tolerance.
GradePoint circularArcPoint(const Entity& design, const VerticalSegment& s, const Units& units)
{
    const double g1 = s.startGradient;
    const double g2 = s.endGradient;
    const double endHeight = circleHeight(s, s.length);
    const double meet = (endHeight - g2 * s.length - s.startHeight) / (g1 - g2);
    const double radius = std::fabs(s.length / (std::sin(std::atan(g2)) - std::sin(std::atan(g1))));
    const GradePoint point{s.start + meet, s.startHeight + g1 * meet, radius, design.line()};
    double worst = 0.0;
    for (int k = 0; k <= ARC_COMPARISON_POINTS; ++k) {
        const double x = s.length * k / ARC_COMPARISON_POINTS;
        worst = std::max(worst, std::fabs(circleHeight(s, x) - parabolaHeight(point, g1, g2, s.start + x)));
    }
    const double metresPer = metresPerUnit(units.lengthUnit);
    if (!(worst * metresPer <= IFC_ARC_AS_PARABOLA_TOLERANCE)) {
        design.fail("a circular vertical arc of radius " + formatGeneral(radius) + " " +
                    lengthUnitSymbol(units.lengthUnit) + " differs from a parabola by up to " + formatFixed(worst, 4) +
                    " " + lengthUnitSymbol(units.lengthUnit) + "; only arcs within " +
                    formatGeneral(IFC_ARC_AS_PARABOLA_TOLERANCE) + " m of their parabola can be imported");
    }
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
        layout.notes.push_back("between " + before.name + " and " + after.name + ": a gap of " +
                               formatFixed(stationGap, 4) + " " + unit + " in station, " + formatFixed(heightGap, 4) +
                               " " + unit + " in height and a change of gradient of " + formatGeneral(gradientChange));
    }
}

// A parabola that fills its segment reaches exactly to the grade point
// before or after it, or to the next curve; computed from rounded grades its
// half-length can come out a few ulps longer than the room it has, which the
// profile would refuse. Such a radius is shortened by that rounding (at most
// CURVE_FIT_TOLERANCE of it); a curve longer than that is left for the
// profile to refuse.
constexpr double CURVE_FIT_TOLERANCE = 1e-9;

void fitCurvesToTheirRoom(std::vector<GradePoint>& points)
{
    double previousHalf = 0.0;
    for (std::size_t k = 1; k + 1 < points.size(); ++k) {
        GradePoint& p = points[k];
        const double before = p.station - points[k - 1].station;
        const double after = points[k + 1].station - p.station;
        const double gradeIn = (p.elevation - points[k - 1].elevation) / before;
        const double gradeOut = (points[k + 1].elevation - p.elevation) / after;
        const double change = std::fabs(gradeIn - gradeOut);
        const double room = std::min(before - previousHalf, after);
        auto tooLong = [&] { return previousHalf + p.radius * change / 2 > before || p.radius * change / 2 > after; };
        if (tooLong() && room > 0.0 && p.radius * change / 2 <= room * (1.0 + CURVE_FIT_TOLERANCE)) {
            p.radius *= room / (p.radius * change / 2);
            for (int step = 0; step < 64 && tooLong(); ++step) p.radius = std::nextafter(p.radius, 0.0);
        }
        const double half = p.radius * change / 2;
        previousHalf = half;
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
            design.fail("a segment of the vertical layout " + layout.label() +
                        " must carry IfcAlignmentVerticalSegment design parameters");
        }
        const VerticalSegment segment = segmentValues(design, k + 1, units, startStation, heightOffset);
        if (segment.length == 0.0) continue;  // the closing segment
        if (read.points.empty()) {
            read.points.push_back({segment.start, segment.startHeight, 0.0, design.line()});
        } else {
            addJointNotes(read, values.back(), segment, units);
        }
        const bool curved = segment.startGradient != segment.endGradient;
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
            read.points.push_back(circularArcPoint(design, segment, units));
        } else {
            design.fail("a " +
                        (segment.kind.empty() ? std::string("vertical segment of no kind")
                                              : segment.kind + " vertical segment") +
                        " cannot be imported; only CONSTANTGRADIENT, PARABOLICARC and CIRCULARARC");
        }
        values.push_back(segment);
    }
    if (values.empty()) layout.fail("the vertical layout holds no segment of non-zero length");
    const VerticalSegment& last = values.back();
    read.points.push_back({last.start + last.length, segmentEndHeight(last), 0.0, 0});
    fitCurvesToTheirRoom(read.points);
    return read;
}

}  // namespace vomel::ifc
