#include "formats/landxml_profile.h"

#include <cmath>
#include <string>
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

    [[noreturn]] void fail(const pugi::xml_node& node, const std::string& reason) const
    {
        throw FormatFailure(reason, document_.lineOf(node));
    }
    [[noreturn]] void failAtLine(long line, const std::string& reason) const { throw FormatFailure(reason, line); }

    const Document& document() const { return document_; }
    LengthUnit unit() const { return unit_; }

private:
    const Document& document_;
    LengthUnit unit_;
};

// One element of a ProfAlign: a grade point and the length of the
// symmetric vertical curve there (0 for none).
struct FileGradePoint {
    GradePoint point;
    double curveLength = 0.0;
};

FileGradePoint readProfileElement(const Place& place, const pugi::xml_node& node)
{
    const std::string kind = localName(node);
    FileGradePoint read;
    read.point.line = place.document().lineOf(node);
    auto length = [&](const char* attribute) {
        const pugi::xml_attribute found = node.attribute(attribute);
        if (!found) place.fail(node, "ProfAlign " + kind + ": the " + attribute + " attribute is missing");
        const auto value = parseXmlNumber(found.value());
        if (!value || !std::isfinite(*value) || *value < 0.0) {
            place.fail(node, "ProfAlign " + kind + ": " + attribute + " is not a non-negative number: \"" +
                                 found.value() + "\"");
        }
        if (beyondInputRange(*value)) place.fail(node, "ProfAlign " + kind + ": " + inputRangeReason(attribute));
        return *value;
    };
    if (kind == "ParaCurve") {
        read.curveLength = length("length");
    } else if (kind == "UnsymParaCurve") {
        const double in = length("lengthIn");
        const double out = length("lengthOut");
        if (std::fabs(in - out) > LANDXML_SYMMETRY_TOLERANCE * (in + out)) {
            place.fail(node, "ProfAlign UnsymParaCurve: lengthIn " + vomel::formatGeneral(in) + " and lengthOut " +
                                 vomel::formatGeneral(out) + " differ; only symmetric vertical curves can be imported");
        }
        read.curveLength = in + out;
    } else if (kind == "CircCurve") {
        place.fail(node, "ProfAlign CircCurve: circular vertical curves cannot be imported; give the curve as a "
                         "ParaCurve (a parabola, R = length / |i1 - i2|)");
    } else if (kind != "PVI") {
        place.fail(node, "ProfAlign holds a " + kind + "; only PVI, ParaCurve and UnsymParaCurve can be imported");
    }
    const auto values = parseNumberList(node.child_value());
    if (!values || values->size() != 2 || !std::isfinite((*values)[0]) || !std::isfinite((*values)[1])) {
        place.fail(node, "ProfAlign " + kind + " is not \"station elevation\": \"" +
                             std::string(node.child_value()).substr(0, 80) + "\"");
    }
    if (beyondInputRange((*values)[0]) || beyondInputRange((*values)[1])) {
        place.fail(node, "ProfAlign " + kind + ": " + inputRangeReason("the station or elevation"));
    }
    read.point.station = (*values)[0];
    read.point.elevation = (*values)[1];
    return read;
}

// The grade points of the first ProfAlign among the alignment's Profile
// elements, with the radius of each vertical curve worked out from its
// length and the grades on either side; nullopt when there is none.
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
        place.fail(profAlign, "its ProfAlign holds " + std::to_string(read.size()) +
                                  " grade points; a profile needs at least two");
    }
    std::vector<GradePoint> points;
    points.reserve(read.size());
    for (const FileGradePoint& r : read) points.push_back(r.point);
    try {
        // The grades come from the grade points alone; then R = length / |i1 - i2|.
        const VerticalProfile grades(points, place.unit());
        for (std::size_t k = 0; k < read.size(); ++k) {
            if (read[k].curveLength == 0.0) continue;
            if (k == 0 || k + 1 == read.size()) {
                throw FormatFailure(std::string("the ") + (k == 0 ? "first" : "last") +
                                        " grade point has a vertical curve: a vertical curve needs a grade on "
                                        "both sides",
                                    read[k].point.line);
            }
            const double radius = read[k].curveLength / std::fabs(grades.gradeAfter(k - 1) - grades.gradeAfter(k));
            // No change of grade: the parabola is the grade itself.
            points[k].radius = std::isfinite(radius) ? radius : 0.0;
        }
        return VerticalProfile(std::move(points), place.unit());
    } catch (const FormatFailure& failure) {
        place.failAtLine(failure.line() != 0 ? failure.line() : place.document().lineOf(profAlign),
                         "ProfAlign: " + failure.reason());
    }
}

}  // namespace vomel::landxml
