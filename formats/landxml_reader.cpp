#include "formats/landxml_reader.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "alignment/placed_chain.h"
#include "core/angles.h"
#include "core/failure.h"
#include "formats/landxml_document.h"
#include "formats/landxml_elements.h"
#include "formats/landxml_profile.h"
#include "text/file_reading.h"
#include "text/number_text.h"

namespace vomel {

namespace {

using landxml::ElementContext;

[[noreturn]] void failAt(const ElementContext& context, const pugi::xml_node& node, Wording reason)
{
    throw FormatFailure(context.document.lineOf(node), VOMEL_TRANSLATE_NOOP("Failure", "alignment \"%1\": %2"),
                        context.alignment, std::move(reason));
}

// StaEquation rows in order along the line: by staInternal when every row
// has one, else as written. staInternal (the continuous station of the
// equation) and staAhead are required by the schema, staBack is not: where
// it is missing, the back station is the one the chain before it reaches
// there, counted from the previous equation's staAhead (or staStart).
vomel::ChainBreaks readStationEquations(const ElementContext& context, const pugi::xml_node& alignment,
                                        double startStation, double endStation)
{
    struct Equation {
        std::optional<double> internal;
        std::optional<double> back;
        double ahead = 0.0;
        pugi::xml_node node;
    };
    std::vector<Equation> equations;
    for (const pugi::xml_node& node : landxml::childrenNamed(alignment, "StaEquation")) {
        auto number = [&](const char* attribute) -> std::optional<double> {
            const pugi::xml_attribute found = node.attribute(attribute);
            if (!found) return std::nullopt;
            const auto value = landxml::parseXmlNumber(found.value());
            if (!value || !std::isfinite(*value)) {
                failAt(context, node,
                       worded(VOMEL_TRANSLATE_NOOP("Failure", "StaEquation: %1 is not a number"), attribute));
            }
            if (landxml::beyondInputRange(*value))
                failAt(
                    context, node,
                    worded(VOMEL_TRANSLATE_NOOP("Failure", "StaEquation: %1"), landxml::inputRangeReason(attribute)));
            return value;
        };
        if (equations.size() == static_cast<std::size_t>(vomel::MAX_CHAIN_BREAKS)) {
            failAt(context, node,
                   worded(VOMEL_TRANSLATE_NOOP("Failure", "more than %1 station equations"),
                          std::to_string(vomel::MAX_CHAIN_BREAKS)));
        }
        const auto ahead = number("staAhead");
        if (!ahead) failAt(context, node, worded(VOMEL_TRANSLATE_NOOP("Failure", "StaEquation: staAhead is missing")));
        Equation equation{number("staInternal"), number("staBack"), *ahead, node};
        if (!equation.back && !equation.internal) {
            failAt(context, node,
                   worded(VOMEL_TRANSLATE_NOOP(
                       "Failure", "StaEquation: staBack and staInternal are both missing; one of them is needed")));
        }
        equations.push_back(equation);
    }
    const bool allInternal = std::all_of(equations.begin(), equations.end(),
                                         [](const Equation& equation) { return equation.internal.has_value(); });
    if (allInternal) {
        std::stable_sort(equations.begin(), equations.end(),
                         [](const Equation& a, const Equation& b) { return *a.internal < *b.internal; });
    }
    double chainStart = startStation;  // stated station where the current chain starts ...
    double chainStartInternal = startStation;  // ... and its continuous station
    for (Equation& equation : equations) {
        if (!equation.back) {
            if (!allInternal) {
                failAt(
                    context, equation.node,
                    worded(VOMEL_TRANSLATE_NOOP("Failure", "StaEquation: staBack is missing, and without staInternal "
                                                           "on every equation the back station cannot be worked out")));
            }
            equation.back = chainStart + (*equation.internal - chainStartInternal);
        }
        chainStart = equation.ahead;
        chainStartInternal = equation.internal.value_or(chainStartInternal);
    }

    vomel::ChainBreaks breaks;
    breaks.chainBreakCount = static_cast<int>(equations.size());
    for (std::size_t k = 0; k < equations.size(); ++k) {
        breaks.breakBackStation[k + 1] = *equations[k].back;
        breaks.breakAheadStation[k + 1] = equations[k].ahead;
    }
    // Row count + 1 holds the end of the line, as a chain-break file gives it.
    breaks.breakBackStation[equations.size() + 1] = endStation;
    breaks.breakAheadStation[equations.size() + 1] = endStation;
    return breaks;
}

std::string degrees(double radians) { return formatFixed(radians * 180.0 / PI, 6) + "°"; }

// One note for each joint where the elements do not meet or meet at an
// angle: the line keeps the file's points and has a corner there.
std::vector<Wording> jointNotes(const ElementContext& context, const ElementChain& chain)
{
    std::vector<Wording> notes;
    for (const ChainJoint& joint : chainJoints(chain)) {
        if (!isCorner(joint, metresPerUnit(context.unit))) continue;
        const bool gap = joint.gap * metresPerUnit(context.unit) > JOINT_GAP_TOLERANCE;
        const bool kink = std::fabs(joint.kink) > JOINT_KINK_TOLERANCE;
        const std::string gapText = formatFixed(joint.gap, 4) + " " + lengthUnitSymbol(context.unit);
        Wording how;
        if (!gap && !kink) {
            notes.push_back(
                worded(VOMEL_TRANSLATE_NOOP(
                           "Failure", "alignment \"%1\": elements %2 and %3 meet at station %4; imported as a corner"),
                       context.alignment, std::to_string(joint.element - 1), std::to_string(joint.element),
                       formatFixed(joint.station, 4)));
            continue;
        }
        if (gap && kink) {
            how = worded(VOMEL_TRANSLATE_NOOP("Failure", "with a gap of %1 and at an angle of %2"), gapText,
                         degrees(joint.kink));
        } else if (gap) {
            how = worded(VOMEL_TRANSLATE_NOOP("Failure", "with a gap of %1"), gapText);
        } else {
            how = worded(VOMEL_TRANSLATE_NOOP("Failure", "at an angle of %1"), degrees(joint.kink));
        }
        notes.push_back(
            worded(VOMEL_TRANSLATE_NOOP(
                       "Failure", "alignment \"%1\": elements %2 and %3 meet at station %4 %5; imported as a corner"),
                   context.alignment, std::to_string(joint.element - 1), std::to_string(joint.element),
                   formatFixed(joint.station, 4), std::move(how)));
    }
    return notes;
}

// The alignment's length attribute is only a check on the elements' sum.
std::optional<Wording> lengthNote(const ElementContext& context, const pugi::xml_node& alignment, double sum)
{
    const auto stated = landxml::parseXmlNumber(alignment.attribute("length").value());
    if (!stated || !std::isfinite(*stated)) return std::nullopt;
    const double tolerance = landxml::LANDXML_LAYOUT_TOLERANCE / metresPerUnit(context.unit) +
                             landxml::LANDXML_RELATIVE_TOLERANCE * std::fabs(sum);
    if (std::fabs(*stated - sum) <= tolerance) return std::nullopt;
    return worded(
        VOMEL_TRANSLATE_NOOP("Failure", "alignment \"%1\": its length attribute %2 differs from the elements' sum %3"),
        context.alignment, formatGeneral(*stated), formatFixed(sum, 4) + " " + lengthUnitSymbol(context.unit));
}

pugi::xml_node chooseAlignment(const landxml::Document& document, const std::string& name)
{
    const std::vector<pugi::xml_node> alignments = document.alignments();
    if (alignments.empty())
        throw FormatFailure(document.lineOf(document.root()),
                            VOMEL_TRANSLATE_NOOP("Failure", "the file holds no Alignments/Alignment"));
    if (name.empty()) return alignments.front();
    std::string known;
    for (const pugi::xml_node& alignment : alignments) {
        const std::string candidate = alignment.attribute("name").value();
        if (candidate == name) return alignment;
        known += (known.empty() ? "\"" : ", \"") + candidate + "\"";
    }
    throw FormatFailure(VOMEL_TRANSLATE_NOOP("Failure", "no alignment is called \"%1\"; the file holds %2"), name,
                        known);
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

    auto refuse = [&](const char* attribute, Wording unit) {
        throw FormatFailure(
            document.lineOf(system),
            attribute == std::string("linearUnit")
                ? VOMEL_TRANSLATE_NOOP("Failure", "lengths are in %1 (%2 %3); only files in metres, US survey feet or "
                                                  "international feet can be imported")
                : VOMEL_TRANSLATE_NOOP("Failure", "elevations are in %1 (%2 %3); only files in metres, US survey feet "
                                                  "or international feet can be imported"),
            std::move(unit), landxml::localName(system), attribute);
    };
    const std::string linear = system.attribute("linearUnit").value();
    const std::string elevation = system.attribute("elevationUnit").value();
    if (metric) {
        if (!linear.empty() && linear != "meter" && linear != "metre") refuse("linearUnit", Wording(linear));
        if (!elevation.empty() && elevation != "meter" && elevation != "metre")
            refuse("elevationUnit", Wording(elevation));
        return LengthUnit::Metre;
    }
    LengthUnit unit = LengthUnit::Metre;
    if (linear == "USSurveyFoot") {
        unit = LengthUnit::UsSurveyFoot;
    } else if (linear == "IntnlFoot" || linear == "foot") {
        unit = LengthUnit::InternationalFoot;
    } else {
        refuse("linearUnit",
               linear.empty() ? worded(VOMEL_TRANSLATE_NOOP("Failure", "an unnamed unit")) : Wording(linear));
    }
    if (!elevation.empty() && elevation != linear && elevation != "foot" && elevation != "feet") {
        refuse("elevationUnit", Wording(elevation));
    }
    return unit;
}

double startStationOf(const ElementContext& context, const pugi::xml_node& alignment)
{
    const pugi::xml_attribute attribute = alignment.attribute("staStart");
    if (!attribute) return 0.0;
    const auto value = landxml::parseXmlNumber(attribute.value());
    if (!value || !std::isfinite(*value)) {
        failAt(context, alignment,
               worded(VOMEL_TRANSLATE_NOOP("Failure", "staStart is not a number: \"%1\""), attribute.value()));
    }
    if (landxml::beyondInputRange(*value)) failAt(context, alignment, landxml::inputRangeReason("staStart"));
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

bool looksLikeXml(std::istream& in) { return leadingContent(in).rfind('<', 0) == 0; }

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
    const ElementContext context{document, imported.name, imported.unit, landxml::angleUnitsOf(document)};

    const std::vector<landxml::FittedElement> elements = landxml::readFittedElements(context, alignment);
    std::vector<PlacedElement> placed;
    placed.reserve(elements.size());
    for (const landxml::FittedElement& element : elements) {
        placed.push_back({element.start, *element.startAzimuth, element.shape});
    }
    std::shared_ptr<ElementChain> chain;
    try {
        chain = layOutPlacedChain(startStationOf(context, alignment), placed);
    } catch (const vomel::Failure& failure) {
        failAt(context, alignment, failure.wording());
    }
    imported.notes = jointNotes(context, *chain);
    const double endStation = chain->nodeStation[chain->elementCount + 1];
    if (const auto note = lengthNote(context, alignment, endStation - chain->nodeStation[1])) {
        imported.notes.push_back(*note);
    }
    imported.chainBreaks = readStationEquations(context, alignment, chain->nodeStation[1], endStation);
    imported.chain = std::move(chain);
    try {
        imported.profile = landxml::readProfAlign(document, alignment, imported.unit);
    } catch (const FormatFailure& failure) {
        // The plan stands without its profile; whatever needs an elevation
        // says why there is none.
        imported.profileProblem = "alignment \"" + imported.name + "\": " + failure.reason() +
                                  (failure.line() != 0 ? " (line " + std::to_string(failure.line()) + ")" : "");
    }
    return imported;
}

}  // namespace vomel
