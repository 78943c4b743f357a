#include "formats/landxml_writer.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <iconv.h>
#include <memory>
#include <sstream>

#include <pugixml.hpp>

#include "core/angles.h"
#include "core/failure.h"
#include "geometry/element_pose.h"

namespace vomel {

namespace {

// A tangent whose intersection with the other lies farther than this share
// of the element's length from its start has no useful PI (the element
// turns by nearly a half turn or not at all); the PI is then left out.
constexpr double MAX_PI_DISTANCE_SHARE = 1e3;

// 17 significant digits: every double reads back as itself.
std::string number(double value)
{
    if (!std::isfinite(value)) {
        throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "a value of the line to export is not a finite number"));
    }
    std::array<char, 40> text{};
    std::snprintf(text.data(), text.size(), "%.17g", value);
    return text.data();
}

std::string pointText(Point p) { return number(p.x) + " " + number(p.y); }

// A LandXML direction: radians counter-clockwise from east, in [0, 2π).
std::string direction(double azimuth) { return number(normaliseAzimuth(PI / 2.0 - azimuth)); }

std::string radiusText(double radius) { return radius == INFINITE_RADIUS ? "INF" : number(std::fabs(radius)); }

void addPoint(pugi::xml_node parent, const char* name, Point p)
{
    parent.append_child(name).append_child(pugi::node_pcdata).set_value(pointText(p).c_str());
}

void setAttribute(pugi::xml_node node, const char* name, const std::string& value)
{
    node.append_attribute(name).set_value(value.c_str());
}

// Where the start tangent of the element meets its end tangent, as the
// distance along the start tangent; nullopt where they are (nearly)
// parallel or meet far off.
std::optional<double> tangentToPi(const LandXmlElement& element)
{
    const double turn = elementDeflection(element.shape);
    const Point span = elementSpan(element.shape, 0.0, turn);  // the start tangent along +X
    const double distance = span.x - span.y / std::tan(turn);
    if (!std::isfinite(distance) || distance <= 0.0 || distance > MAX_PI_DISTANCE_SHARE * element.shape.length) {
        return std::nullopt;
    }
    return distance;
}

void addPi(pugi::xml_node node, const LandXmlElement& element)
{
    if (const auto along = tangentToPi(element)) {
        addPoint(node, "PI",
                 {element.start.x + *along * std::cos(element.startAzimuth),
                  element.start.y + *along * std::sin(element.startAzimuth)});
    }
}

// A positive chain radius turns from +X (north) towards +Y (east): clockwise.
const char* rotation(const ElementShape& shape)
{
    const double radius = shape.startRadius == INFINITE_RADIUS ? shape.endRadius : shape.startRadius;
    return radius > 0.0 ? "cw" : "ccw";
}

void addElement(pugi::xml_node geometry, const LandXmlElement& element, double station)
{
    const ElementShape& shape = element.shape;
    const double endAzimuth = element.startAzimuth + elementDeflection(shape);
    switch (elementKind(shape)) {
    case ElementKind::Straight: {
        pugi::xml_node line = geometry.append_child("Line");
        setAttribute(line, "staStart", number(station));
        setAttribute(line, "length", number(shape.length));
        setAttribute(line, "dir", direction(element.startAzimuth));
        addPoint(line, "Start", element.start);
        addPoint(line, "End", element.end);
        return;
    }
    case ElementKind::Arc: {
        pugi::xml_node curve = geometry.append_child("Curve");
        const double radius = shape.startRadius;
        setAttribute(curve, "rot", rotation(shape));
        setAttribute(curve, "crvType", "arc");
        setAttribute(curve, "staStart", number(station));
        setAttribute(curve, "length", number(shape.length));
        setAttribute(curve, "radius", number(std::fabs(radius)));
        setAttribute(curve, "delta", number(std::fabs(shape.length / radius)));
        setAttribute(curve, "dirStart", direction(element.startAzimuth));
        setAttribute(curve, "dirEnd", direction(endAzimuth));
        addPoint(curve, "Start", element.start);
        addPoint(curve, "Center",
                 {element.start.x - radius * std::sin(element.startAzimuth),
                  element.start.y + radius * std::cos(element.startAzimuth)});
        addPoint(curve, "End", element.end);
        addPi(curve, element);
        return;
    }
    default: {
        pugi::xml_node spiral = geometry.append_child("Spiral");
        setAttribute(spiral, "rot", rotation(shape));
        setAttribute(spiral, "spiType", "clothoid");
        setAttribute(spiral, "staStart", number(station));
        setAttribute(spiral, "length", number(shape.length));
        setAttribute(spiral, "radiusStart", radiusText(shape.startRadius));
        setAttribute(spiral, "radiusEnd", radiusText(shape.endRadius));
        setAttribute(spiral, "theta", number(std::fabs(elementDeflection(shape))));
        setAttribute(spiral, "dirStart", direction(element.startAzimuth));
        setAttribute(spiral, "dirEnd", direction(endAzimuth));
        addPoint(spiral, "Start", element.start);
        addPi(spiral, element);
        addPoint(spiral, "End", element.end);
        return;
    }
    }
}

// Rows 1..count of the chain-break table: each back station is stated in
// the stationing the rows before it give, so its continuous station
// (staInternal) is the back station less every earlier shift.
void addStationEquations(pugi::xml_node alignment, const ChainBreaks& breaks)
{
    double shift = 0.0;  // stated minus continuous station, before this row
    for (int row = 1; row <= breaks.chainBreakCount; ++row) {
        const auto k = static_cast<std::size_t>(row);
        const double back = breaks.breakBackStation[k];
        const double ahead = breaks.breakAheadStation[k];
        pugi::xml_node equation = alignment.append_child("StaEquation");
        setAttribute(equation, "staInternal", number(back - shift));
        setAttribute(equation, "staBack", number(back));
        setAttribute(equation, "staAhead", number(ahead));
        shift += ahead - back;
    }
}

void addGradePoint(pugi::xml_node profAlign, const VerticalProfile& profile, std::size_t k)
{
    const GradePoint& point = profile.gradePoints()[k];
    const bool interior = k > 0 && k + 1 < profile.gradePoints().size();
    const bool curve = interior && (point.radius > 0.0 || point.lengthIn > 0.0 || point.lengthOut > 0.0);
    pugi::xml_node node;
    if (!curve) {
        node = profAlign.append_child("PVI");
    } else if (point.shape == VerticalCurveShape::UnsymmetricParabola) {
        node = profAlign.append_child("UnsymParaCurve");
        setAttribute(node, "lengthIn", number(point.lengthIn));
        setAttribute(node, "lengthOut", number(point.lengthOut));
    } else if (point.shape == VerticalCurveShape::Circle) {
        node = profAlign.append_child("CircCurve");
        const double turn = std::fabs(std::atan(profile.gradeAfter(k)) - std::atan(profile.gradeAfter(k - 1)));
        setAttribute(node, "length", number(point.radius * turn));
        setAttribute(node, "radius", number(point.radius));
    } else {
        node = profAlign.append_child("ParaCurve");
        setAttribute(node, "length",
                     number(point.radius * std::fabs(profile.gradeAfter(k) - profile.gradeAfter(k - 1))));
    }
    node.append_child(pugi::node_pcdata).set_value((number(point.station) + " " + number(point.elevation)).c_str());
}

void addUnits(pugi::xml_node root, LengthUnit unit)
{
    pugi::xml_node units = root.append_child("Units");
    const bool metric = unit == LengthUnit::Metre;
    pugi::xml_node system = units.append_child(metric ? "Metric" : "Imperial");
    setAttribute(system, "areaUnit", metric ? "squareMeter" : "squareFoot");
    setAttribute(system, "linearUnit", metric ? "meter" : (unit == LengthUnit::UsSurveyFoot ? "USSurveyFoot" : "foot"));
    setAttribute(system, "volumeUnit", metric ? "cubicMeter" : "cubicFeet");
    setAttribute(system, "temperatureUnit", metric ? "celsius" : "fahrenheit");
    setAttribute(system, "pressureUnit", metric ? "milliBars" : "inchHG");
    setAttribute(system, "angularUnit", "radians");
    setAttribute(system, "directionUnit", "radians");
}

}  // namespace

std::string landXmlDocument(const LandXmlLine& line)
{
    pugi::xml_document document;
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    pugi::xml_node root = document.append_child("LandXML");
    setAttribute(root, "xmlns", "http://www.landxml.org/schema/LandXML-1.2");
    setAttribute(root, "xmlns:xsi", "http://www.w3.org/2001/XMLSchema-instance");
    setAttribute(root, "xsi:schemaLocation",
                 "http://www.landxml.org/schema/LandXML-1.2 http://www.landxml.org/schema/LandXML-1.2/LandXML-1.2.xsd");
    setAttribute(root, "version", "1.2");
    setAttribute(root, "date", line.date);
    setAttribute(root, "time", line.time);
    addUnits(root, line.unit);
    pugi::xml_node application = root.append_child("Application");
    setAttribute(application, "name", "Vomel");
    setAttribute(application, "desc", "vomel-cli export");

    pugi::xml_node alignments = root.append_child("Alignments");
    pugi::xml_node alignment = alignments.append_child("Alignment");
    const std::string name = utf8Name(line.name);
    setAttribute(alignment, "name", name);
    double length = 0.0;
    for (const LandXmlElement& element : line.elements) length += element.shape.length;
    setAttribute(alignment, "length", number(length));
    setAttribute(alignment, "staStart", number(line.startStation));

    pugi::xml_node geometry = alignment.append_child("CoordGeom");
    double station = line.startStation;
    for (const LandXmlElement& element : line.elements) {
        addElement(geometry, element, station);
        station += element.shape.length;
    }
    addStationEquations(alignment, line.chainBreaks);
    if (line.profile) {
        pugi::xml_node profile = alignment.append_child("Profile");
        setAttribute(profile, "name", name);
        pugi::xml_node profAlign = profile.append_child("ProfAlign");
        setAttribute(profAlign, "name", name);
        for (std::size_t k = 0; k < line.profile->gradePoints().size(); ++k) addGradePoint(profAlign, *line.profile, k);
    }
    std::ostringstream text;
    document.save(text, "  ", pugi::format_indent, pugi::encoding_utf8);
    return text.str();
}

std::string utf8Name(const std::string& bytes)
{
    iconv_t toUtf8 = iconv_open("UTF-8", "UTF-8");
    // NOLINTNEXTLINE(performance-no-int-to-ptr): iconv_open reports a failure as (iconv_t) -1
    if (toUtf8 == reinterpret_cast<iconv_t>(-1)) return bytes;
    const std::unique_ptr<void, int (*)(iconv_t)> check(toUtf8, iconv_close);
    // The whole name through `cd`, or false at the first byte it refuses.
    auto convert = [&](iconv_t cd, std::string& out) {
        std::string in = bytes;
        out.assign(4 * bytes.size() + 4, '\0');
        char* inPtr = in.data();
        char* outPtr = out.data();
        std::size_t inLeft = in.size();
        std::size_t outLeft = out.size();
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return false;
        out.resize(out.size() - outLeft);
        return true;
    };
    std::string out;
    if (convert(toUtf8, out)) return out;
    iconv_t fromGbk = iconv_open("UTF-8", "GBK");
    // NOLINTNEXTLINE(performance-no-int-to-ptr): iconv_open reports a failure as (iconv_t) -1
    if (fromGbk != reinterpret_cast<iconv_t>(-1)) {
        const std::unique_ptr<void, int (*)(iconv_t)> guard(fromGbk, iconv_close);
        if (convert(fromGbk, out)) return out;
    }
    // Neither: each byte above 127 stands for a character not known.
    out.clear();
    for (const char c : bytes) out += static_cast<unsigned char>(c) < 0x80 ? std::string(1, c) : "\xEF\xBF\xBD";
    return out;
}

}  // namespace vomel
