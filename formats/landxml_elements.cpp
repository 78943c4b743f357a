#include "formats/landxml_elements.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "core/angles.h"
#include "core/failure.h"
#include "formats/landxml_document.h"
#include "geometry/element_pose.h"
#include "text/number_text.h"
#include "text/packed_angle.h"

namespace vomel::landxml {

namespace {

// Newton steps tried when fitting a length to an element's chord.
constexpr int MAX_LENGTH_FIT_STEPS = 12;
// The fit has settled when its step is below this share of the length.
constexpr double LENGTH_FIT_STEP = 1e-14;
// A length fitted to an element's points is off the true one by the
// rounding of the points' coordinates: a few units in their last place.
constexpr double COORDINATE_ROUNDING_ULPS = 16.0;

// What the file says of one element, before fitting.
struct ElementText {
    std::string kind;
    long line = 0;
    int index = 0;
    Point start;
    Point end;
    std::optional<Point> center;  // Curve
    std::optional<Point> pi;  // Spiral, Curve
    double turn = 1.0;  // +1 for cw (a positive chain radius), -1 for ccw
    std::optional<double> radius;  // Curve, positive
    std::optional<double> radiusStart;  // Spiral, positive or INF
    std::optional<double> radiusEnd;
    std::optional<double> length;
    std::optional<double> direction;  // dir or dirStart, as an azimuth in radians
    std::optional<double> constant;  // Spiral A
    std::optional<double> theta;  // Spiral deflection, radians
};

[[noreturn]] void fail(const ElementContext& context, const ElementText& element, Wording reason)
{
    throw FormatFailure(elementReason(context, element.index, element.kind, std::move(reason)), element.line);
}

double metres(const ElementContext& context, double value) { return value * metresPerUnit(context.unit); }

std::string lengthText(const ElementContext& context, double value)
{
    return formatFixed(value, 4) + " " + lengthUnitSymbol(context.unit);
}

// The rounding a stated length or radius of this size may carry, in the
// line's unit.
double statedTolerance(const ElementContext& context, double value)
{
    return LANDXML_LAYOUT_TOLERANCE / metresPerUnit(context.unit) + LANDXML_RELATIVE_TOLERANCE * std::fabs(value);
}

// How far an element's points may be off where the design has them: a
// few units in the last place of its largest coordinate (about 1e-8 m at
// 10^6 m).
double coordinateRounding(const ElementText& element, double length)
{
    const double magnitude = std::max({std::fabs(element.start.x), std::fabs(element.start.y), std::fabs(element.end.x),
                                       std::fabs(element.end.y), std::fabs(length)});
    return COORDINATE_ROUNDING_ULPS * std::numeric_limits<double>::epsilon() * magnitude;
}

// The length of an element whose points give `fitted`: the stated length
// where it agrees with the points to their own rounding, since it carries
// the digits the coordinates lost; the fitted one otherwise (a stated
// length rounded to the millimetre, say).
double lengthFromPoints(const ElementText& element, double fitted)
{
    if (!element.length) return fitted;
    return std::fabs(*element.length - fitted) <= coordinateRounding(element, fitted) ? *element.length : fitted;
}

// The same for the start tangent that points `lever` apart give (a chord,
// a radius): the stated direction where it agrees with it to the points'
// rounding over that lever.
double azimuthFromPoints(const ElementText& element, double fitted, double lever)
{
    if (!element.direction || !(lever > 0.0)) return fitted;
    const double allowed = coordinateRounding(element, lever) / lever;
    return std::fabs(signedAngle(*element.direction - fitted)) <= allowed ? *element.direction : fitted;
}

double angleInRadians(double value, AngleUnit unit)
{
    switch (unit) {
    case AngleUnit::Radian: return value;
    case AngleUnit::Grad: return value * PI / 200.0;
    case AngleUnit::Degree: return value * PI / 180.0;
    case AngleUnit::PackedDms: return packedDmsToDegrees(value) * PI / 180.0;
    }
    return value;
}

double chordAzimuth(Point from, Point to) { return std::atan2(to.y - from.y, to.x - from.x); }

double distance(Point a, Point b) { return std::hypot(b.x - a.x, b.y - a.y); }

// A number attribute when present; a present one that is not a number, or
// beyond the largest measure, is a fault.
std::optional<double> numberAttribute(const ElementContext& context, const ElementText& element,
                                      const pugi::xml_node& node, const char* attribute)
{
    const pugi::xml_attribute found = node.attribute(attribute);
    if (!found) return std::nullopt;
    const auto value = parseXmlNumber(found.value());
    if (!value)
        fail(context, element,
             worded(VOMEL_TRANSLATE_NOOP("Failure", "%1 is not a number: \"%2\""), attribute, found.value()));
    if (beyondInputRange(*value)) fail(context, element, inputRangeReason(attribute));
    return value;
}

// A Start, End, Center or PI point: "northing easting [elevation]" as its
// text, or a pntRef to a CgPoint holding that text; nullopt when absent.
std::optional<Point> pointChild(const ElementContext& context, const ElementText& element, const pugi::xml_node& node,
                                const char* which)
{
    pugi::xml_node point = childNamed(node, which);
    if (!point) return std::nullopt;
    const char* reference = point.attribute("pntRef").value();
    if (*reference != '\0' && *point.child_value() == '\0') {
        const pugi::xml_node target = context.document.namedPoint(reference);
        if (!target) {
            fail(context, element,
                 worded(VOMEL_TRANSLATE_NOOP("Failure", "%1 refers to the point \"%2\", which no CgPoint carries"),
                        which, reference));
        }
        point = target;
    }
    const auto values = parseNumberList(point.child_value());
    if (!values || values->size() < 2 || !std::isfinite((*values)[0]) || !std::isfinite((*values)[1])) {
        fail(context, element,
             worded(VOMEL_TRANSLATE_NOOP("Failure", "%1 is not \"northing easting\": \"%2\""), which,
                    point.child_value()));
    }
    if (beyondInputRange((*values)[0]) || beyondInputRange((*values)[1]))
        fail(context, element, inputRangeReason(which));
    return Point{(*values)[0], (*values)[1]};  // the northing is X
}

Point requiredPoint(const ElementContext& context, const ElementText& element, const pugi::xml_node& node,
                    const char* which)
{
    const auto point = pointChild(context, element, node, which);
    if (!point) fail(context, element, worded(VOMEL_TRANSLATE_NOOP("Failure", "it has no %1 point"), which));
    return *point;
}

double turnOf(const ElementContext& context, const ElementText& element, const pugi::xml_node& node)
{
    const std::string rot = node.attribute("rot").value();
    if (rot == "cw") return 1.0;
    if (rot == "ccw") return -1.0;
    fail(context, element,
         rot.empty() ? worded(VOMEL_TRANSLATE_NOOP("Failure", "the rot attribute (cw or ccw) is missing"))
                     : worded(VOMEL_TRANSLATE_NOOP("Failure", "rot is \"%1\", not cw or ccw"), rot));
}

// A radius attribute: positive, or INF where `infiniteAllowed`.
std::optional<double> radiusAttribute(const ElementContext& context, const ElementText& element,
                                      const pugi::xml_node& node, const char* attribute, bool infiniteAllowed)
{
    const auto radius = numberAttribute(context, element, node, attribute);
    if (!radius) return std::nullopt;
    if (std::isinf(*radius) && *radius > 0.0) {
        if (!infiniteAllowed)
            fail(context, element, worded(VOMEL_TRANSLATE_NOOP("Failure", "an arc needs a finite radius")));
        return radius;
    }
    if (!(*radius > 0.0)) {
        fail(context, element,
             worded(VOMEL_TRANSLATE_NOOP("Failure", "%1 is %2; a radius must be positive (the turn is given by rot)"),
                    attribute, formatGeneral(*radius)));
    }
    return radius;
}

// A LandXML direction (counter-clockwise from east, in the file's unit) as
// an azimuth from +X (north) towards +Y (east).
std::optional<double> directionAttribute(const ElementContext& context, const ElementText& element,
                                         const pugi::xml_node& node, const char* attribute)
{
    const auto value = numberAttribute(context, element, node, attribute);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return normaliseAzimuth(PI / 2.0 - angleInRadians(*value, context.angles.direction));
}

ElementText readText(const ElementContext& context, const pugi::xml_node& node, int index)
{
    ElementText element;
    element.kind = localName(node);
    element.line = context.document.lineOf(node);
    element.index = index;
    if (element.kind != "Line" && element.kind != "Curve" && element.kind != "Spiral") {
        fail(context, element,
             worded(VOMEL_TRANSLATE_NOOP("Failure", "only Line, Curve and Spiral elements can be imported")));
    }
    element.start = requiredPoint(context, element, node, "Start");
    element.end = requiredPoint(context, element, node, "End");
    element.length = numberAttribute(context, element, node, "length");
    if (element.length && (!std::isfinite(*element.length) || *element.length < 0.0)) {
        fail(context, element,
             worded(VOMEL_TRANSLATE_NOOP("Failure", "length %1 is not a non-negative number"),
                    formatGeneral(*element.length)));
    }
    if (element.kind == "Line") {
        element.direction = directionAttribute(context, element, node, "dir");
        return element;
    }
    element.turn = turnOf(context, element, node);
    element.direction = directionAttribute(context, element, node, "dirStart");
    element.pi = pointChild(context, element, node, "PI");
    if (element.kind == "Curve") {
        element.radius = radiusAttribute(context, element, node, "radius", false);
        element.center = pointChild(context, element, node, "Center");
        if (!element.radius && !element.center) {
            fail(context, element,
                 worded(VOMEL_TRANSLATE_NOOP("Failure", "the radius attribute is missing and no Center gives it")));
        }
        return element;
    }
    const std::string type = node.attribute("spiType").value();
    if (!type.empty() && type != "clothoid") {
        fail(context, element,
             worded(VOMEL_TRANSLATE_NOOP("Failure", "spiType is \"%1\"; only clothoid spirals can be imported"), type));
    }
    element.radiusStart = radiusAttribute(context, element, node, "radiusStart", true);
    element.radiusEnd = radiusAttribute(context, element, node, "radiusEnd", true);
    element.constant = numberAttribute(context, element, node, "constant");
    if (const auto theta = numberAttribute(context, element, node, "theta")) {
        element.theta = std::fabs(angleInRadians(*theta, context.angles.angle));
    }
    return element;
}

// A positive radius as a signed chain radius. A cw radius of exactly 9999
// would read as the straight-end marker; it is taken as the next double
// above, a change of 2e-16 of it.
double chainRadius(double radius, double turn)
{
    if (std::isinf(radius)) return INFINITE_RADIUS;
    const double signedRadius = turn * radius;
    return signedRadius == INFINITE_RADIUS ? std::nextafter(INFINITE_RADIUS, 2.0 * INFINITE_RADIUS) : signedRadius;
}

// A Spiral's radii and length, the missing one derived from the constant A
// (A² = length / |1/R2 - 1/R1|) or the deflection theta (theta = length ×
// the mean curvature) where they define it.
ElementShape spiralShape(const ElementContext& context, ElementText& element)
{
    std::optional<double>& r1 = element.radiusStart;
    std::optional<double>& r2 = element.radiusEnd;
    const double a = element.constant.value_or(0.0);
    if (!r1 || !r2) {
        const char* missing = !r1 ? "radiusStart" : "radiusEnd";
        const std::optional<double> other = !r1 ? r2 : r1;
        // Only a spiral from or to a straight end is defined by the other
        // radius being INF: R = A² / L, or R = L / (2 theta).
        if (!other || !std::isinf(*other) || !element.length || *element.length <= 0.0 ||
            (a <= 0.0 && !element.theta)) {
            fail(context, element, worded(VOMEL_TRANSLATE_NOOP("Failure", "the %1 attribute is missing"), missing));
        }
        const double derived = a > 0.0 ? a * a / *element.length : *element.length / (2.0 * *element.theta);
        (!r1 ? r1 : r2) = derived;
    }
    if (std::isinf(*r1) && std::isinf(*r2))
        fail(context, element,
             worded(VOMEL_TRANSLATE_NOOP("Failure", "both radii are INF; a spiral needs a finite radius at one end")));
    const double curvatureChange = std::fabs((std::isinf(*r2) ? 0.0 : 1.0 / *r2) - (std::isinf(*r1) ? 0.0 : 1.0 / *r1));
    const double meanCurvature = 0.5 * ((std::isinf(*r2) ? 0.0 : 1.0 / *r2) + (std::isinf(*r1) ? 0.0 : 1.0 / *r1));
    if (!element.length) {
        if (a > 0.0 && curvatureChange > 0.0) {
            element.length = a * a * curvatureChange;
        } else if (element.theta && meanCurvature > 0.0) {
            element.length = *element.theta / meanCurvature;
        } else {
            fail(context, element,
                 worded(VOMEL_TRANSLATE_NOOP(
                     "Failure", "the length attribute is missing and neither constant nor theta gives it")));
        }
    }
    return {chainRadius(*r1, element.turn), chainRadius(*r2, element.turn), *element.length};
}

// The straight distance from an element's start to its end, in the line's
// unit.
double spanLength(const ElementShape& shape)
{
    const Point span = elementSpan(shape, 0.0, elementDeflection(shape));
    return std::hypot(span.x, span.y);
}

// The length for which the element's chord is `chord`, by Newton's method
// from the stated length; the stated length where the fit does not settle
// within the rounding tolerance of it.
double fittedLength(const ElementContext& context, ElementShape shape, double chord)
{
    const double stated = shape.length;
    double length = stated;
    for (int step = 0; step < MAX_LENGTH_FIT_STEPS; ++step) {
        const double h = 1e-7 * std::max(1.0, length);
        shape.length = length;
        const double value = spanLength(shape) - chord;
        shape.length = length + h;
        const double slope = (spanLength(shape) - chord - value) / h;
        if (!(std::fabs(slope) > 1e-3)) return stated;
        const double next = length - value / slope;
        if (!std::isfinite(next) || next <= 0.0) return stated;
        const bool settled = std::fabs(next - length) <= LENGTH_FIT_STEP * std::max(1.0, length);
        length = next;
        if (settled) break;
    }
    return std::fabs(length - stated) <= statedTolerance(context, stated) ? length : stated;
}

// The start azimuth that turns the element's chord, laid out from azimuth
// 0, onto the file's chord.
double chordFittedAzimuth(const ElementShape& shape, Point start, Point end)
{
    const Point span = elementSpan(shape, 0.0, elementDeflection(shape));
    return normaliseAzimuth(chordAzimuth(start, end) - std::atan2(span.y, span.x));
}

// A Curve with a Center: radius and sweep from it, the stated radius and
// length checked against them.
FittedElement curveAboutCenter(const ElementContext& context, const ElementText& element, FittedElement fitted)
{
    const Point center = *element.center;
    const double radius = distance(center, element.start);
    const double endRadius = distance(center, element.end);
    if (std::fabs(endRadius - radius) > statedTolerance(context, radius)) {
        fail(context, element,
             worded(VOMEL_TRANSLATE_NOOP("Failure",
                                         "its Start and End lie %1 and %2 from its Center; an arc keeps one radius"),
                    lengthText(context, radius), lengthText(context, endRadius)));
    }
    if (!(metres(context, radius) > LANDXML_LAYOUT_TOLERANCE))
        fail(context, element, worded(VOMEL_TRANSLATE_NOOP("Failure", "its Center lies on its Start")));
    if (element.radius && std::fabs(*element.radius - radius) > statedTolerance(context, radius)) {
        fail(context, element,
             worded(
                 VOMEL_TRANSLATE_NOOP("Failure", "its radius %1 differs from the %2 between its Center and its Start"),
                 formatGeneral(*element.radius), lengthText(context, radius)));
    }
    // The sweep from Start to End about the Center in the sense of rot
    // (cw: the azimuth grows); a full circle where the ends meet and the
    // stated length says so.
    const double fromCenterToStart = chordAzimuth(center, element.start);
    double sweep = normaliseAzimuth(element.turn * (chordAzimuth(center, element.end) - fromCenterToStart));
    if (element.length && *element.length > PI * radius && sweep < PI / 2.0 &&
        distance(element.start, element.end) < statedTolerance(context, radius)) {
        sweep += 2.0 * PI;
    }
    const double length = lengthFromPoints(element, radius * sweep);
    if (element.length && std::fabs(*element.length - length) > statedTolerance(context, length)) {
        fail(context, element,
             worded(VOMEL_TRANSLATE_NOOP(
                        "Failure", "its length %1 differs from the %2 of its arc from Start to End about its Center"),
                    formatGeneral(*element.length), lengthText(context, length)));
    }
    const double signedRadius = chainRadius(radius, element.turn);
    fitted.shape = {signedRadius, signedRadius, length};
    fitted.startAzimuth =
        azimuthFromPoints(element, normaliseAzimuth(fromCenterToStart + element.turn * PI / 2.0), radius);
    return fitted;
}

// The element's start azimuth from the sources that do not need its chord:
// the PI, then the stated direction.
std::optional<double> ownDirection(const ElementText& element)
{
    if (element.pi && distance(element.start, *element.pi) >= MIN_DIRECTION_CHORD) {
        return normaliseAzimuth(chordAzimuth(element.start, *element.pi));
    }
    return element.direction;
}

FittedElement fitElement(const ElementContext& context, ElementText element)
{
    FittedElement fitted;
    fitted.kind = element.kind;
    fitted.line = element.line;
    fitted.start = element.start;
    fitted.end = element.end;
    const double chord = distance(element.start, element.end);
    const bool longChord = metres(context, chord) >= MIN_DIRECTION_CHORD;

    if (element.kind == "Line") {
        fitted.shape = {INFINITE_RADIUS, INFINITE_RADIUS, lengthFromPoints(element, chord)};
        if (element.length && std::fabs(*element.length - chord) > statedTolerance(context, chord)) {
            fail(context, element,
                 worded(
                     VOMEL_TRANSLATE_NOOP(
                         "Failure", "its End lies %1 from where its radii and length, laid out from its Start, put it"),
                     lengthText(context, std::fabs(*element.length - chord))));
        }
        if (!longChord && element.length) fitted.shape.length = *element.length;
        fitted.startAzimuth = longChord
                                  ? std::optional(azimuthFromPoints(
                                        element, normaliseAzimuth(chordAzimuth(element.start, element.end)), chord))
                                  : element.direction;
        return fitted;
    }
    if (element.kind == "Curve" && element.center) return curveAboutCenter(context, element, fitted);

    ElementShape shape{};
    if (element.kind == "Curve") {
        const double radius = chainRadius(*element.radius, element.turn);
        if (!element.length) {
            // The minor arc over the chord.
            const double half = std::min(1.0, chord / (2.0 * *element.radius));
            element.length = 2.0 * *element.radius * std::asin(half);
        }
        shape = {radius, radius, *element.length};
    } else {
        shape = spiralShape(context, element);
    }
    if (longChord) {
        shape.length = lengthFromPoints(element, fittedLength(context, shape, chord));
        fitted.startAzimuth = azimuthFromPoints(element, chordFittedAzimuth(shape, element.start, element.end), chord);
    } else {
        fitted.startAzimuth = ownDirection(element);
    }
    fitted.shape = shape;
    // Laid out from its start, the element must reach its End.
    if (fitted.startAzimuth) {
        const double a = *fitted.startAzimuth;
        const Point span = elementSpan(shape, a, a + elementDeflection(shape));
        const double miss = distance({element.start.x + span.x, element.start.y + span.y}, element.end);
        if (miss > statedTolerance(context, shape.length)) {
            fail(context, element,
                 worded(
                     VOMEL_TRANSLATE_NOOP(
                         "Failure", "its End lies %1 from where its radii and length, laid out from its Start, put it"),
                     lengthText(context, miss)));
        }
    }
    return fitted;
}

// Elements too short to give a direction continue their neighbours: the
// end tangent of the one before, or for leading ones the start tangent of
// the one after less their own turn.
void borrowDirections(const ElementContext& context, std::vector<FittedElement>& elements)
{
    for (std::size_t k = 1; k < elements.size(); ++k) {
        const FittedElement& before = elements[k - 1];
        if (!elements[k].startAzimuth && before.startAzimuth) {
            elements[k].startAzimuth = normaliseAzimuth(*before.startAzimuth + elementDeflection(before.shape));
        }
    }
    for (std::size_t k = elements.size() - 1; k-- > 0;) {
        const FittedElement& after = elements[k + 1];
        if (!elements[k].startAzimuth && after.startAzimuth) {
            elements[k].startAzimuth = normaliseAzimuth(*after.startAzimuth - elementDeflection(elements[k].shape));
        }
    }
    if (!elements.front().startAzimuth) {
        throw FormatFailure(elementReason(context, 1, elements.front().kind,
                                          worded(VOMEL_TRANSLATE_NOOP(
                                              "Failure", "no element is long enough to give the line's direction"))),
                            elements.front().line);
    }
}

}  // namespace

AngleUnits angleUnitsOf(const Document& document)
{
    AngleUnits units;
    const pugi::xml_node block = childNamed(document.root(), "Units");
    if (!block) return units;
    pugi::xml_node system = childNamed(block, "Metric");
    if (!system) system = childNamed(block, "Imperial");
    if (!system) return units;
    auto unitOf = [&](const char* attribute) {
        const std::string name = system.attribute(attribute).value();
        if (name.empty() || name == "radians") return AngleUnit::Radian;
        if (name == "grads") return AngleUnit::Grad;
        if (name == "decimal degrees") return AngleUnit::Degree;
        if (name == "decimal dd.mm.ss") return AngleUnit::PackedDms;
        throw FormatFailure(
            document.lineOf(system),
            VOMEL_TRANSLATE_NOOP("Failure",
                                 "%1 is \"%2\"; radians, grads, decimal degrees or decimal dd.mm.ss are read"),
            attribute, name);
    };
    units.direction = unitOf("directionUnit");
    units.angle = unitOf("angularUnit");
    return units;
}

Wording elementReason(const ElementContext& context, int index, const std::string& kind, Wording reason)
{
    return worded(VOMEL_TRANSLATE_NOOP("Failure", "alignment \"%1\", element %2 (%3): %4"), context.alignment,
                  std::to_string(index), kind, std::move(reason));
}

std::vector<FittedElement> readFittedElements(const ElementContext& context, const pugi::xml_node& alignment)
{
    const pugi::xml_node geometry = childNamed(alignment, "CoordGeom");
    auto failHere = [&](const pugi::xml_node& node, Wording reason) {
        throw FormatFailure(context.document.lineOf(node), VOMEL_TRANSLATE_NOOP("Failure", "alignment \"%1\": %2"),
                            context.alignment, std::move(reason));
    };
    if (!geometry) failHere(alignment, worded(VOMEL_TRANSLATE_NOOP("Failure", "it has no CoordGeom")));
    std::vector<FittedElement> elements;
    for (const pugi::xml_node& node : geometry.children()) {
        if (node.type() != pugi::node_element || localName(node) == "Feature") continue;
        const int index = static_cast<int>(elements.size()) + 1;
        if (index > MAX_ELEMENTS)
            failHere(node,
                     worded(VOMEL_TRANSLATE_NOOP("Failure", "more than %1 elements"), std::to_string(MAX_ELEMENTS)));
        elements.push_back(fitElement(context, readText(context, node, index)));
    }
    if (elements.empty())
        failHere(geometry, worded(VOMEL_TRANSLATE_NOOP("Failure", "its CoordGeom holds no Line, Curve or Spiral")));
    borrowDirections(context, elements);
    return elements;
}

}  // namespace vomel::landxml
