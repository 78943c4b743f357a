#include "formats/landxml_reader.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "alignment/element_chain.h"
#include "core/angles.h"
#include "core/failure.h"
#include "formats/landxml_document.h"
#include "formats/landxml_profile.h"
#include "text/input_line.h"
#include "text/number_text.h"

namespace vomel {

using ramp::ElementChain;

namespace {

using vomel::FormatFailure;
using vomel::Point;

// A chord shorter than this (metres) gives no usable direction: the
// coordinates' rounding would turn it by more than the kink tolerance.
constexpr double MIN_DIRECTION_CHORD = 100.0 * LANDXML_COORDINATE_RESOLUTION;

// One Line, Curve or Spiral of CoordGeom, in the chain's terms.
struct FileElement {
    std::string kind;  // "Line", "Curve" or "Spiral"
    long line = 0;
    Point start;
    Point end;
    double startRadius = INFINITE_RADIUS;  // signed, 9999 for a straight end
    double endRadius = INFINITE_RADIUS;
    double length = 0.0;
};

FileElement elementAt(const std::string& kind, long line)
{
    FileElement element;
    element.kind = kind;
    element.line = line;
    return element;
}

// Where a message points: the alignment, and the element when there is one.
class Place {
public:
    Place(const landxml::Document& document, std::string alignmentName, LengthUnit unit)
        : document_(document), alignment_(std::move(alignmentName)), unit_(unit)
    {
    }

    [[noreturn]] void fail(const pugi::xml_node& node, const std::string& reason) const
    {
        throw FormatFailure("alignment \"" + alignment_ + "\": " + reason, document_.lineOf(node));
    }

    [[noreturn]] void failAtLine(long line, const std::string& reason) const
    {
        throw FormatFailure("alignment \"" + alignment_ + "\": " + reason, line);
    }

    [[noreturn]] void fail(int index, const FileElement& element, const std::string& reason) const
    {
        throw FormatFailure("alignment \"" + alignment_ + "\", element " + std::to_string(index) + " (" + element.kind +
                                "): " + reason,
                            element.line);
    }

    const landxml::Document& document() const { return document_; }
    LengthUnit unit() const { return unit_; }

    // A length of the file, in its unit, for a message.
    std::string length(double value) const { return vomel::formatFixed(value, 4) + " " + lengthUnitSymbol(unit_); }
    // A distance given in metres, in the file's unit.
    double fromMetres(double metres) const { return metres / metresPerUnit(unit_); }

private:
    const landxml::Document& document_;
    std::string alignment_;
    LengthUnit unit_;
};

std::string degrees(double radians) { return vomel::formatFixed(radians * 180.0 / PI, 6) + "°"; }

double distance(Point a, Point b) { return std::hypot(b.x - a.x, b.y - a.y); }

// A required number attribute of an element.
double numberAttribute(const Place& place, const pugi::xml_node& node, const char* attribute, int index,
                       const std::string& kind)
{
    const pugi::xml_attribute found = node.attribute(attribute);
    const FileElement named = elementAt(kind, place.document().lineOf(node));
    if (!found) place.fail(index, named, std::string("the ") + attribute + " attribute is missing");
    const auto value = landxml::parseXmlNumber(found.value());
    if (!value) {
        place.fail(index, named, std::string(attribute) + " is not a number: \"" + found.value() + "\"");
    }
    if (landxml::beyondInputRange(*value)) place.fail(index, named, landxml::inputRangeReason(attribute));
    return *value;
}

// Start or End of an element: "northing easting [elevation]" as its text,
// or a pntRef to a CgPoint holding that text.
Point elementPoint(const Place& place, const pugi::xml_node& node, const char* which, int index,
                   const std::string& kind)
{
    const FileElement named = elementAt(kind, place.document().lineOf(node));
    pugi::xml_node point = landxml::childNamed(node, which);
    if (!point) place.fail(index, named, std::string("it has no ") + which + " point");
    const char* reference = point.attribute("pntRef").value();
    if (*reference != '\0' && *point.child_value() == '\0') {
        const pugi::xml_node target = place.document().namedPoint(reference);
        if (!target) {
            place.fail(index, named,
                       std::string(which) + " refers to the point \"" + reference + "\", which no CgPoint carries");
        }
        point = target;
    }
    const auto values = landxml::parseNumberList(point.child_value());
    if (!values || values->size() < 2 || !std::isfinite((*values)[0]) || !std::isfinite((*values)[1])) {
        place.fail(index, named, std::string(which) + " is not \"northing easting\": \"" + point.child_value() + "\"");
    }
    if (landxml::beyondInputRange((*values)[0]) || landxml::beyondInputRange((*values)[1]))
        place.fail(index, named, landxml::inputRangeReason(which));
    return {(*values)[0], (*values)[1]};  // the northing is X
}

// +1 for "cw" (from +X towards +Y: a positive radius), -1 for "ccw".
double turnSign(const Place& place, const pugi::xml_node& node, int index, const std::string& kind)
{
    const std::string rot = node.attribute("rot").value();
    if (rot == "cw") return 1.0;
    if (rot == "ccw") return -1.0;
    place.fail(index, elementAt(kind, place.document().lineOf(node)),
               rot.empty() ? std::string("the rot attribute (cw or ccw) is missing")
                           : "rot is \"" + rot + "\", not cw or ccw");
}

// A LandXML radius (positive, or INF for a straight end) as a signed
// chain radius. A cw radius of exactly 9999 would read as the straight-end
// marker; it is taken as the next double above, a change of 2e-16 of it.
// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the radius as written, then the sign of rot
double chainRadius(const Place& place, double radius, double sign, int index, const FileElement& element,
                   const char* attribute)
{
    if (std::isinf(radius)) return INFINITE_RADIUS;
    if (!(radius > 0.0)) {
        place.fail(index, element,
                   std::string(attribute) + " is " + vomel::formatGeneral(radius) +
                       "; a radius must be positive (the turn is given by rot)");
    }
    const double signed_ = sign * radius;
    return signed_ == INFINITE_RADIUS ? std::nextafter(INFINITE_RADIUS, 2.0 * INFINITE_RADIUS) : signed_;
}

FileElement readElement(const Place& place, const pugi::xml_node& node, int index)
{
    FileElement element;
    element.kind = landxml::localName(node);
    element.line = place.document().lineOf(node);
    element.start = elementPoint(place, node, "Start", index, element.kind);
    element.end = elementPoint(place, node, "End", index, element.kind);

    if (element.kind == "Line") {
        element.length = node.attribute("length") ? numberAttribute(place, node, "length", index, element.kind)
                                                  : distance(element.start, element.end);
    } else if (element.kind == "Curve") {
        const double sign = turnSign(place, node, index, element.kind);
        const double radius = numberAttribute(place, node, "radius", index, element.kind);
        if (std::isinf(radius)) place.fail(index, element, "an arc needs a finite radius");
        element.startRadius = chainRadius(place, radius, sign, index, element, "radius");
        element.endRadius = element.startRadius;
        element.length = numberAttribute(place, node, "length", index, element.kind);
    } else if (element.kind == "Spiral") {
        const std::string type = node.attribute("spiType").value();
        if (!type.empty() && type != "clothoid") {
            place.fail(index, element, "spiType is \"" + type + "\"; only clothoid spirals can be imported");
        }
        const double sign = turnSign(place, node, index, element.kind);
        element.startRadius = chainRadius(place, numberAttribute(place, node, "radiusStart", index, element.kind), sign,
                                          index, element, "radiusStart");
        element.endRadius = chainRadius(place, numberAttribute(place, node, "radiusEnd", index, element.kind), sign,
                                        index, element, "radiusEnd");
        if (element.startRadius == INFINITE_RADIUS && element.endRadius == INFINITE_RADIUS) {
            place.fail(index, element, "both radii are INF; a spiral needs a finite radius at one end");
        }
        element.length = numberAttribute(place, node, "length", index, element.kind);
    } else {
        place.fail(index, element, "only Line, Curve and Spiral elements can be imported");
    }
    if (!std::isfinite(element.length) || element.length < 0.0) {
        place.fail(index, element, "length " + vomel::formatGeneral(element.length) + " is not a non-negative number");
    }
    return element;
}

std::vector<FileElement> readElements(const Place& place, const pugi::xml_node& alignment)
{
    const pugi::xml_node geometry = landxml::childNamed(alignment, "CoordGeom");
    if (!geometry) place.fail(alignment, "it has no CoordGeom");
    std::vector<FileElement> elements;
    for (const pugi::xml_node& node : geometry.children()) {
        if (node.type() != pugi::node_element || landxml::localName(node) == "Feature") continue;
        const int index = static_cast<int>(elements.size()) + 1;
        if (index > ramp::MAX_ELEMENTS) {
            place.fail(node, "more than " + std::to_string(ramp::MAX_ELEMENTS) + " elements");
        }
        elements.push_back(readElement(place, node, index));
    }
    if (elements.empty()) place.fail(geometry, "its CoordGeom holds no Line, Curve or Spiral");
    return elements;
}

// StaEquation rows in order along the line: by staInternal when every row
// has one, else as written.
vomel::ChainBreaks readStationEquations(const Place& place, const pugi::xml_node& alignment, double endStation)
{
    struct Equation {
        double internal;
        double back;
        double ahead;
    };
    std::vector<Equation> equations;
    bool allInternal = true;
    for (const pugi::xml_node& node : landxml::childrenNamed(alignment, "StaEquation")) {
        auto number = [&](const char* attribute) {
            const auto value = landxml::parseXmlNumber(node.attribute(attribute).value());
            if (!value || !std::isfinite(*value)) {
                place.fail(node, std::string("StaEquation: ") + attribute + " is missing or not a number");
            }
            if (landxml::beyondInputRange(*value))
                place.fail(node, "StaEquation: " + landxml::inputRangeReason(attribute));
            return *value;
        };
        if (equations.size() == static_cast<std::size_t>(vomel::MAX_CHAIN_BREAKS)) {
            place.fail(node, "more than " + std::to_string(vomel::MAX_CHAIN_BREAKS) + " station equations");
        }
        Equation equation{0.0, number("staBack"), number("staAhead")};
        if (node.attribute("staInternal")) {
            equation.internal = number("staInternal");
        } else {
            allInternal = false;
        }
        equations.push_back(equation);
    }
    if (allInternal) {
        std::stable_sort(equations.begin(), equations.end(),
                         [](const Equation& a, const Equation& b) { return a.internal < b.internal; });
    }

    vomel::ChainBreaks breaks;
    breaks.chainBreakCount = static_cast<int>(equations.size());
    for (std::size_t k = 0; k < equations.size(); ++k) {
        breaks.breakBackStation[k + 1] = equations[k].back;
        breaks.breakAheadStation[k + 1] = equations[k].ahead;
    }
    // Row count + 1 holds the end of the line, as a chain-break file gives it.
    breaks.breakBackStation[equations.size() + 1] = endStation;
    breaks.breakAheadStation[equations.size() + 1] = endStation;
    return breaks;
}

void layOut(ElementChain& chain, double startAzimuthRadians)
{
    chain.chainStartAzimuth = startAzimuthRadians;
    ramp::prepareElementChain(chain);
}

Point nodePoint(const ElementChain& chain, int i) { return {chain.nodeX[i], chain.nodeY[i]}; }

double chordAzimuth(Point from, Point to) { return std::atan2(to.y - from.y, to.x - from.x); }

// The chain laid out with start azimuth 0 differs from the file's line by a
// rotation about the first Start: the angle between an element's chord in
// the file and in the chain. The first element with a usable chord gives it.
double startAzimuth(const Place& place, ElementChain& chain, const std::vector<FileElement>& elements)
{
    layOut(chain, 0.0);
    for (std::size_t k = 0; k < elements.size(); ++k) {
        const int i = static_cast<int>(k) + 1;
        const double fileChord = distance(elements[k].start, elements[k].end);
        const double chainChord = distance(nodePoint(chain, i), nodePoint(chain, i + 1));
        if (fileChord >= MIN_DIRECTION_CHORD && chainChord >= MIN_DIRECTION_CHORD) {
            return signedAngle(chordAzimuth(elements[k].start, elements[k].end) -
                               chordAzimuth(nodePoint(chain, i), nodePoint(chain, i + 1)));
        }
    }
    place.fail(1, elements.front(), "no element is long enough to give the line's direction");
}

// Every element must start where the previous one ends, leave in the
// direction the previous one arrives, and end where the chain puts it.
void checkContinuity(const Place& place, const ElementChain& chain, const std::vector<FileElement>& elements)
{
    double previousTurn = 0.0;
    double previousChord = 0.0;
    int previousIndex = 0;  // last element whose chord gave a direction
    for (std::size_t k = 0; k < elements.size(); ++k) {
        const int i = static_cast<int>(k) + 1;
        const FileElement& element = elements[k];
        if (i > 1) {
            const double gap = distance(elements[k - 1].end, element.start);
            if (gap > place.fromMetres(LANDXML_GAP_TOLERANCE)) {
                place.fail(i, element,
                           "its Start lies " + place.length(gap) + " from the End of element " + std::to_string(i - 1) +
                               " (a gap)");
            }
        }
        const double chord = distance(element.start, element.end);
        if (chord >= MIN_DIRECTION_CHORD) {
            // How far the file's element is turned against the laid-out one.
            const double turn = signedAngle(chordAzimuth(element.start, element.end) -
                                            chordAzimuth(nodePoint(chain, i), nodePoint(chain, i + 1)));
            if (previousIndex != 0) {
                const double kink = signedAngle(turn - previousTurn);
                const double allowed = LANDXML_KINK_TOLERANCE + LANDXML_COORDINATE_RESOLUTION / chord +
                                       LANDXML_COORDINATE_RESOLUTION / previousChord;
                if (std::abs(kink) > allowed) {
                    place.fail(i, element,
                               "its start tangent turns " + degrees(kink) + " away from the end tangent of element " +
                                   std::to_string(previousIndex) + " (a kink)");
                }
            }
            previousTurn = turn;
            previousChord = chord;
            previousIndex = i;
        }
        const double drift = distance(element.end, nodePoint(chain, i + 1));
        if (drift > place.fromMetres(LANDXML_LAYOUT_TOLERANCE)) {
            place.fail(i, element,
                       "its End lies " + place.length(drift) +
                           " from where its radii and length, laid out from the first Start, put it");
        }
    }
}

pugi::xml_node chooseAlignment(const landxml::Document& document, const std::string& name)
{
    const std::vector<pugi::xml_node> alignments = document.alignments();
    if (alignments.empty())
        throw FormatFailure("the file holds no Alignments/Alignment", document.lineOf(document.root()));
    if (name.empty()) return alignments.front();
    std::string known;
    for (const pugi::xml_node& alignment : alignments) {
        const std::string candidate = alignment.attribute("name").value();
        if (candidate == name) return alignment;
        known += (known.empty() ? "\"" : ", \"") + candidate + "\"";
    }
    throw FormatFailure("no alignment is called \"" + name + "\"; the file holds " + known);
}

// The unit of the file's lengths: metres when its Units say nothing else
// or hold a Metric block in metres; feet when they hold no Metric and an
// Imperial block in US survey or international feet. A file that declares
// another unit (millimetres, kilometres, inches, miles), or elevations in
// another unit than its lengths, is refused rather than read at the wrong
// scale.
LengthUnit lengthUnitOf(const landxml::Document& document)
{
    const pugi::xml_node units = landxml::childNamed(document.root(), "Units");
    if (!units) return LengthUnit::Metre;
    const pugi::xml_node metric = landxml::childNamed(units, "Metric");
    const pugi::xml_node imperial = landxml::childNamed(units, "Imperial");
    const pugi::xml_node system = metric ? metric : imperial;
    if (!system) return LengthUnit::Metre;

    auto refuse = [&](const char* attribute, const std::string& unit) {
        throw FormatFailure(std::string(attribute == std::string("linearUnit") ? "lengths" : "elevations") +
                                " are in " + unit + " (" + landxml::localName(system) + " " + attribute +
                                "); only files in metres, US survey feet or international feet can be imported",
                            document.lineOf(system));
    };
    const std::string linear = system.attribute("linearUnit").value();
    const std::string elevation = system.attribute("elevationUnit").value();
    if (metric) {
        if (!linear.empty() && linear != "meter" && linear != "metre") refuse("linearUnit", linear);
        if (!elevation.empty() && elevation != "meter" && elevation != "metre") refuse("elevationUnit", elevation);
        return LengthUnit::Metre;
    }
    LengthUnit unit = LengthUnit::Metre;
    if (linear == "USSurveyFoot") {
        unit = LengthUnit::UsSurveyFoot;
    } else if (linear == "IntnlFoot" || linear == "foot") {
        unit = LengthUnit::InternationalFoot;
    } else {
        refuse("linearUnit", linear.empty() ? std::string("an unnamed unit") : linear);
    }
    if (!elevation.empty() && elevation != linear && elevation != "foot" && elevation != "feet") {
        refuse("elevationUnit", elevation);
    }
    return unit;
}

double startStationOf(const Place& place, const pugi::xml_node& alignment)
{
    const pugi::xml_attribute attribute = alignment.attribute("staStart");
    if (!attribute) return 0.0;
    const auto value = landxml::parseXmlNumber(attribute.value());
    if (!value || !std::isfinite(*value)) {
        place.fail(alignment, std::string("staStart is not a number: \"") + attribute.value() + "\"");
    }
    if (landxml::beyondInputRange(*value)) place.fail(alignment, landxml::inputRangeReason("staStart"));
    return *value;
}

// A number for the listing: INF and the like count as absent, so that no
// infinity is printed.
std::optional<double> finiteNumber(const char* text)
{
    const auto value = landxml::parseXmlNumber(text);
    if (value && std::isfinite(*value)) return value;
    return std::nullopt;
}

}  // namespace

bool looksLikeXml(std::istream& in)
{
    const std::istream::pos_type at = in.tellg();
    char head[512] = {};
    in.read(head, sizeof head);
    const std::streamsize count = in.gcount();
    in.clear();
    in.seekg(at);
    std::streamsize i = 0;
    if (count >= 3 && static_cast<unsigned char>(head[0]) == 0xEF && static_cast<unsigned char>(head[1]) == 0xBB &&
        static_cast<unsigned char>(head[2]) == 0xBF) {
        i = 3;  // UTF-8 byte-order mark
    }
    while (i < count && (head[i] == ' ' || head[i] == '\t' || head[i] == '\r' || head[i] == '\n')) ++i;
    return i < count && head[i] == '<';
}

std::vector<LandXmlAlignmentInfo> listLandXmlAlignments(std::istream& in)
{
    const landxml::Document document(in);
    std::vector<LandXmlAlignmentInfo> list;
    for (const pugi::xml_node& alignment : document.alignments()) {
        LandXmlAlignmentInfo info;
        info.name = alignment.attribute("name").value();
        info.line = document.lineOf(alignment);
        info.startStation = finiteNumber(alignment.attribute("staStart").value()).value_or(0.0);
        for (const pugi::xml_node& element : landxml::childNamed(alignment, "CoordGeom").children()) {
            if (element.type() != pugi::node_element || landxml::localName(element) == "Feature") continue;
            ++info.elementCount;
            info.length += finiteNumber(element.attribute("length").value()).value_or(0.0);
        }
        if (const auto stated = finiteNumber(alignment.attribute("length").value())) info.length = *stated;
        info.stationEquationCount = static_cast<int>(landxml::childrenNamed(alignment, "StaEquation").size());
        list.push_back(info);
    }
    return list;
}

ImportedLine readLandXml(std::istream& in, const std::string& alignmentName)
{
    const landxml::Document document(in);
    ImportedLine imported;
    imported.unit = lengthUnitOf(document);
    const pugi::xml_node alignment = chooseAlignment(document, alignmentName);
    imported.name = alignment.attribute("name").value();
    const Place place(document, imported.name, imported.unit);

    const std::vector<FileElement> elements = readElements(place, alignment);
    auto chain = std::make_shared<ElementChain>();
    chain->chainStartStation = startStationOf(place, alignment);
    chain->chainStartX = elements.front().start.x;
    chain->chainStartY = elements.front().start.y;
    for (std::size_t k = 0; k < elements.size(); ++k) {
        chain->rowStartRadius[k + 1] = elements[k].startRadius;
        chain->rowEndRadius[k + 1] = elements[k].endRadius;
        chain->rowLength[k + 1] = elements[k].length;
    }
    chain->rowCount = static_cast<int>(elements.size());
    // Both radii of a LandXML spiral turn the same way (one rot), so nothing
    // is split and element i stays the file's element i.
    ramp::splitReverseSpirals(*chain);

    try {
        layOut(*chain, startAzimuth(place, *chain, elements));
    } catch (const vomel::Failure& failure) {
        throw FormatFailure("alignment \"" + imported.name + "\": " + failure.reason(), document.lineOf(alignment));
    }
    checkContinuity(place, *chain, elements);

    const double endStation = chain->nodeStation[chain->elementCount + 1];
    imported.chainBreaks = readStationEquations(place, alignment, endStation);
    imported.chain = std::move(chain);
    try {
        imported.profile = readProfAlign(document, alignment, imported.unit);
    } catch (const FormatFailure& failure) {
        // The plan stands without its profile; whatever needs an elevation
        // says why there is none.
        imported.profileProblem = "alignment \"" + imported.name + "\": " + failure.reason() +
                                  (failure.line() != 0 ? " (line " + std::to_string(failure.line()) + ")" : "");
    }
    return imported;
}

}  // namespace vomel
