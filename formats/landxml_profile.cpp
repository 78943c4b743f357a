#include "formats/landxml_profile.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "core/failure.h"
#include "formats/landxml_document.h"
#include "text/number_text.h"

namespace vomel::landxml {

namespace {

// Where a message points: the profile's element.
class Place {
public:
    Place(const Document& document, LengthUnit unit) : document_(document), unit_(unit) {}

    [[noreturn]] void fail(const pugi::xml_node& node, Wording reason) const
    {
        throw FormatFailure(std::move(reason), document_.lineOf(node));
    }
    [[noreturn]] void failAtLine(long line, Wording reason) const { throw FormatFailure(std::move(reason), line); }

    const Document& document() const { return document_; }
    LengthUnit unit() const { return unit_; }

private:
    const Document& document_;
    LengthUnit unit_;
};

// One element of a ProfAlign: a grade point and what the file says of the
// vertical curve there (nothing for a PVI).
struct FileGradePoint {
    GradePoint point;
    double curveLength = 0.0;  // ParaCurve, CircCurve: the curve's length (0 when not given)
    double radius = 0.0;  // CircCurve: its radius (0 when not given)
};

FileGradePoint readProfileElement(const Place& place, const pugi::xml_node& node)
{
    const std::string kind = localName(node);
    FileGradePoint read;
    read.point.line = place.document().lineOf(node);
    auto number = [&](const char* attribute) {
        const pugi::xml_attribute found = node.attribute(attribute);
        const auto value = parseXmlNumber(found.value());
        if (!value || !std::isfinite(*value) || *value < 0.0) {
            place.fail(node,
                       worded(VOMEL_TRANSLATE_NOOP("Failure", "ProfAlign %1: %2 is not a non-negative number: \"%3\""),
                              kind, attribute, found.value()));
        }
        if (beyondInputRange(*value))
            place.fail(node,
                       worded(VOMEL_TRANSLATE_NOOP("Failure", "ProfAlign %1: %2"), kind, inputRangeReason(attribute)));
        return *value;
    };
    auto length = [&](const char* attribute) {
        if (!node.attribute(attribute)) {
            place.fail(node, worded(VOMEL_TRANSLATE_NOOP("Failure", "ProfAlign %1: the %2 attribute is missing"), kind,
                                    attribute));
        }
        return number(attribute);
    };
    if (kind == "ParaCurve") {
        read.curveLength = length("length");
    } else if (kind == "UnsymParaCurve") {
        const double in = length("lengthIn");
        const double out = length("lengthOut");
        if (std::fabs(in - out) <= LANDXML_SYMMETRY_TOLERANCE * (in + out)) {
            read.curveLength = in + out;
        } else {
            read.point.shape = VerticalCurveShape::UnsymmetricParabola;
            read.point.lengthIn = in;
            read.point.lengthOut = out;
        }
    } else if (kind == "CircCurve") {
        read.point.shape = VerticalCurveShape::Circle;
        if (!node.attribute("length") && !node.attribute("radius")) {
            place.fail(node, worded(VOMEL_TRANSLATE_NOOP(
                                 "Failure", "ProfAlign CircCurve: it has neither a length nor a radius attribute")));
        }
        if (node.attribute("length")) read.curveLength = number("length");
        if (node.attribute("radius")) read.radius = number("radius");
    } else if (kind != "PVI") {
        place.fail(
            node, worded(VOMEL_TRANSLATE_NOOP(
                             "Failure",
                             "ProfAlign holds a %1; only PVI, ParaCurve, UnsymParaCurve and CircCurve can be imported"),
                         kind));
    }
    const auto values = parseNumberList(node.child_value());
    if (!values || values->size() != 2 || !std::isfinite((*values)[0]) || !std::isfinite((*values)[1])) {
        place.fail(node, worded(VOMEL_TRANSLATE_NOOP("Failure", "ProfAlign %1 is not \"station elevation\": \"%2\""),
                                kind, std::string(node.child_value()).substr(0, 80)));
    }
    if (beyondInputRange((*values)[0]) || beyondInputRange((*values)[1])) {
        place.fail(node, worded(VOMEL_TRANSLATE_NOOP("Failure", "ProfAlign %1: %2"), kind,
                                inputRangeReason(worded(VOMEL_TRANSLATE_NOOP("Failure", "the station or elevation")))));
    }
    read.point.station = (*values)[0];
    read.point.elevation = (*values)[1];
    return read;
}

// The radius of a circular vertical curve turning through `turn` radians
// (the angle between the grades): the file's radius, or its length (the
// arc's) over the turn. When both are given they must agree to what the
// rounding of the written numbers allows: the length and each elevation
// off by up to LANDXML_WRITTEN_ROUNDING, which moves the turn by up to
// 2·rounding·(1/L1 + 1/L2)·(1 + |grade|) over grades of horizontal lengths
// L1 and L2.
double circleRadius(const FileGradePoint& read, double turn, double gradeLengthIn, double gradeLengthOut,
                    double steeperGrade, LengthUnit unit)
{
    if (read.radius == 0.0) return read.curveLength / turn;
    if (read.curveLength == 0.0) return read.radius;
    const double arc = read.radius * turn;
    const double allowed =
        LANDXML_WRITTEN_ROUNDING *
            (1.0 + 2.0 * read.radius * (1.0 / gradeLengthIn + 1.0 / gradeLengthOut) * (1.0 + std::fabs(steeperGrade))) +
        PROFILE_LENGTH_TOLERANCE_SHARE * std::max(arc, read.curveLength);
    if (std::fabs(arc - read.curveLength) > allowed) {
        const std::string symbol = lengthUnitSymbol(unit);
        throw FormatFailure(
            read.point.line,
            VOMEL_TRANSLATE_NOOP("Failure",
                                 "the CircCurve's length %1 %2 and radius %3 %2 disagree: an arc of that radius "
                                 "between these grades is %4 %2 long, %5 %2 apart where the written numbers "
                                 "allow %6 %2"),
            vomel::formatGeneral(read.curveLength), symbol, vomel::formatGeneral(read.radius),
            vomel::formatGeneral(arc), vomel::formatGeneral(std::fabs(arc - read.curveLength)),
            vomel::formatGeneral(allowed));
    }
    return read.radius;
}

// The radius of the curve at grade point k from what the file gives and
// the grades on either side: a parabola's R = length / |i1 - i2|; none
// where the grade does not change.
double curveRadius(const FileGradePoint& read, const VerticalProfile& grades, std::size_t k, LengthUnit unit)
{
    const double gradeIn = grades.gradeAfter(k - 1);
    const double gradeOut = grades.gradeAfter(k);
    const auto& points = grades.gradePoints();
    double radius = 0.0;
    if (read.point.shape == VerticalCurveShape::Circle) {
        radius = circleRadius(read, std::fabs(std::atan(gradeOut) - std::atan(gradeIn)),
                              points[k].station - points[k - 1].station, points[k + 1].station - points[k].station,
                              std::max(std::fabs(gradeIn), std::fabs(gradeOut)), unit);
    } else {
        radius = read.curveLength / std::fabs(gradeIn - gradeOut);
    }
    // No change of grade: the curve is the grade itself.
    return std::isfinite(radius) ? radius : 0.0;
}

}  // namespace

std::optional<VerticalProfile> readProfAlign(const Document& document, const pugi::xml_node& alignment, LengthUnit unit)
{
    const Place place(document, unit);
    pugi::xml_node profAlign;
    for (const pugi::xml_node& profile : childrenNamed(alignment, "Profile")) {
        profAlign = childNamed(profile, "ProfAlign");
        if (profAlign) break;
    }
    if (!profAlign) return std::nullopt;

    std::vector<FileGradePoint> read;
    for (const pugi::xml_node& node : profAlign.children()) {
        if (node.type() != pugi::node_element || localName(node) == "Feature") continue;
        read.push_back(readProfileElement(place, node));
    }
    if (read.size() < 2) {
        place.fail(
            profAlign,
            worded(VOMEL_TRANSLATE_NOOP("Failure", "its ProfAlign holds %1 grade points; a profile needs at least two"),
                   std::to_string(read.size())));
    }
    std::vector<GradePoint> points;
    points.reserve(read.size());
    for (const FileGradePoint& r : read) {
        // The grades come from the grade points alone, without the curves.
        GradePoint bare = r.point;
        bare.shape = VerticalCurveShape::Parabola;
        bare.lengthIn = bare.lengthOut = 0.0;
        points.push_back(bare);
    }
    try {
        const VerticalProfile grades(points, place.unit());
        for (std::size_t k = 0; k < read.size(); ++k) {
            points[k] = read[k].point;
            const bool hasCurve = read[k].curveLength != 0.0 || read[k].radius != 0.0 ||
                                  read[k].point.shape == VerticalCurveShape::UnsymmetricParabola;
            if (!hasCurve) continue;
            if (k == 0 || k + 1 == read.size()) {
                throw FormatFailure(
                    read[k].point.line,
                    k == 0 ? VOMEL_TRANSLATE_NOOP("Failure", "the first grade point has a vertical curve: a vertical "
                                                             "curve needs a grade on both sides")
                           : VOMEL_TRANSLATE_NOOP("Failure", "the last grade point has a vertical curve: a vertical "
                                                             "curve needs a grade on both sides"));
            }
            if (read[k].point.shape != VerticalCurveShape::UnsymmetricParabola) {
                points[k].radius = curveRadius(read[k], grades, k, place.unit());
            }
        }
        return VerticalProfile(std::move(points), place.unit());
    } catch (const FormatFailure& failure) {
        place.failAtLine(failure.line() != 0 ? failure.line() : place.document().lineOf(profAlign),
                         worded(VOMEL_TRANSLATE_NOOP("Failure", "ProfAlign: %1"), failure.wording()));
    }
}

}  // namespace vomel::landxml
