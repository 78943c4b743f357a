#include "formats/ifc_reader.h"

#include <algorithm>
#include <optional>

#include "alignment/placed_chain.h"
#include "core/failure.h"
#include "formats/ifc_horizontal.h"
#include "formats/ifc_joints.h"
#include "formats/ifc_model.h"
#include "formats/ifc_placement.h"
#include "formats/ifc_representation.h"
#include "formats/ifc_stationing.h"
#include "formats/ifc_units.h"
#include "formats/ifc_vertical.h"
#include "formats/step_file.h"
#include "text/file_reading.h"
#include "text/input_line.h"

namespace vomel {

namespace {

using ifc::Entity;
using ifc::Model;

struct Layouts {
    std::optional<Entity> horizontal;
    std::optional<Entity> vertical;
};

// The alignment's layouts by their type, among everything it nests.
Layouts layoutsOf(const Model& model, const Entity& alignment, int depth = 0)
{
    Layouts found;
    for (Entity& child : model.nested(alignment.id())) {
        std::optional<Entity>* slot = child.is("IFCALIGNMENTHORIZONTAL") ? &found.horizontal
                                      : child.is("IFCALIGNMENTVERTICAL") ? &found.vertical
                                                                         : nullptr;
        if (slot == nullptr) continue;
        if (*slot) {
            child.fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "the alignment %1 nests a second %2 (the first is %3)"),
                              alignment.label(), child.type(), (*slot)->label()));
        }
        *slot = std::move(child);
    }
    // A child alignment reusing its parent's horizontal layout.
    if (!found.horizontal && depth < 4) {
        for (const Entity& parent : model.aggregatedBy(alignment.id())) {
            if (parent.is("IFCALIGNMENT")) {
                found.horizontal = layoutsOf(model, parent, depth + 1).horizontal;
                if (found.horizontal) break;
            }
        }
    }
    return found;
}

std::vector<Entity> alignmentsOf(const Model& model)
{
    std::vector<Entity> alignments;
    for (const step::Instance* instance : model.file().ofType("IFCALIGNMENT")) {
        alignments.emplace_back(model.file(), *instance);
    }
    return alignments;
}

Entity chooseAlignment(const Model& model, const std::string& name)
{
    const std::vector<Entity> alignments = alignmentsOf(model);
    if (alignments.empty()) throw FormatFailure(VOMEL_TRANSLATE_NOOP("Failure", "the file holds no IfcAlignment"));
    if (name.empty()) return alignments.front();
    for (const Entity& alignment : alignments) {
        if (alignment.text(3, "Name") == name) return alignment;
    }
    // NAME#k: the k-th alignment called NAME.
    const std::size_t hash = name.rfind('#');
    if (hash != std::string::npos && hash + 1 < name.size() &&
        std::all_of(name.begin() + static_cast<std::ptrdiff_t>(hash) + 1, name.end(),
                    [](char c) { return c >= '0' && c <= '9'; }) &&
        name.size() - hash <= 6) {
        const std::string base = name.substr(0, hash);
        const int wanted = std::stoi(name.substr(hash + 1));
        int seen = 0;
        for (const Entity& alignment : alignments) {
            if (alignment.text(3, "Name") == base && ++seen == wanted) return alignment;
        }
    }
    // The first few names, so that the message stays readable.
    constexpr std::size_t namesShown = 5;
    std::string known;
    for (std::size_t k = 0; k < alignments.size() && k < namesShown; ++k) {
        known += (k == 0 ? "" : ", ") + quotedExcerpt(alignments[k].text(3, "Name"));
    }
    if (alignments.size() > namesShown) {
        throw FormatFailure(VOMEL_TRANSLATE_NOOP("Failure", "no alignment is called %1; the file holds %2 and %3 more"),
                            quotedExcerpt(name), known, std::to_string(alignments.size() - namesShown));
    }
    throw FormatFailure(VOMEL_TRANSLATE_NOOP("Failure", "no alignment is called %1; the file holds %2"),
                        quotedExcerpt(name), known);
}

// Runs `read`; a failure is said of the alignment `name`.
template <class Read>
auto ofAlignment(const std::string& name, Read read)
{
    try {
        return read();
    } catch (const Failure& failure) {
        throw FormatFailure(failure.line(), VOMEL_TRANSLATE_NOOP("Failure", "alignment %1: %2"), quotedExcerpt(name),
                            failure.wording());
    }
}

void appendNotes(std::vector<Wording>& notes, const std::vector<Wording>& wordings)
{
    notes.insert(notes.end(), wordings.begin(), wordings.end());
}

void readProfile(ImportedLine& imported, const Model& model, const Entity& vertical, const ifc::Units& units,
                 double startStation, double heightOffset)
{
    try {
        ifc::VerticalLayout layout = ifc::readVertical(model, vertical, units, startStation, heightOffset);
        appendNotes(imported.notes, layout.notes);
        imported.profile.emplace(std::move(layout.points), units.lengthUnit);
    } catch (const Failure& failure) {
        // The plan stands without its profile; whatever needs an elevation
        // says why there is none.
        imported.profile.reset();
        imported.profileProblem = "alignment " + quotedExcerpt(imported.name) + ": " + failure.reason() +
                                  (failure.line() != 0 ? " (line " + std::to_string(failure.line()) + ")" : "");
    }
}

std::unique_ptr<step::StepFile> readStep(std::istream& in)
{
    return std::make_unique<step::StepFile>(in, ifc::ifc4x3Schemas());
}

}  // namespace

bool looksLikeStep(std::istream& in) { return leadingContent(in).rfind("ISO-10303-21", 0) == 0; }

std::vector<IfcAlignmentInfo> listIfcAlignments(std::istream& in)
{
    const auto file = readStep(in);
    const Model model(*file);
    const ifc::Units units = ifc::projectUnits(model);
    const std::string map = ifc::mapConversionText(model);
    std::vector<IfcAlignmentInfo> list;
    for (const Entity& alignment : alignmentsOf(model)) {
        IfcAlignmentInfo info;
        info.name = alignment.text(3, "Name");
        info.line = alignment.line();
        info.unit = units.lengthUnit;
        info.mapConversion = map;
        ofAlignment(info.name, [&] {
            const ifc::Stationing stationing = ifc::readStationing(model, alignment, units);
            info.startStation = stationing.startStation;
            info.stationEquationCount = static_cast<int>(stationing.equations.size());
            double length = 0.0;
            if (const std::optional<Entity> horizontal = layoutsOf(model, alignment).horizontal) {
                for (const Entity& segment : ifc::layoutSegments(model, *horizontal)) {
                    const double segmentLength =
                        segment.reference(8, "DesignParameters").number(7, "SegmentLength") * units.lengthScale;
                    if (segmentLength > 0.0) {
                        length += segmentLength;
                        ++info.segmentCount;
                    }
                }
            }
            info.endStation = info.startStation + length;
            return 0;
        });
        list.push_back(info);
    }
    return list;
}

ImportedLine readIfc(std::istream& in, const std::string& alignmentName)
{
    const auto file = readStep(in);
    const Model model(*file);
    ImportedLine imported;
    const ifc::Units units = ifc::projectUnits(model);
    imported.unit = units.lengthUnit;
    appendNotes(imported.notes, units.notes);
    const Entity alignment = chooseAlignment(model, alignmentName);
    imported.name = alignment.text(3, "Name");

    const ifc::Stationing stationing = ofAlignment(imported.name, [&] {
        const Layouts layouts = layoutsOf(model, alignment);
        if (!layouts.horizontal)
            alignment.fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "it has no IfcAlignmentHorizontal")));
        const ifc::PlanFrame frame =
            ifc::planFrame(alignment.optionalReference(6, "ObjectPlacement"), units.lengthScale);
        const ifc::HorizontalLayout horizontal = ifc::readHorizontal(model, *layouts.horizontal, units, frame);
        ifc::Stationing read = ifc::readStationing(model, alignment, units);
        auto chain = layOutPlacedChain(read.startStation, horizontal.elements);
        const double endStation = chain->nodeStation[static_cast<std::size_t>(chain->elementCount) + 1];
        imported.chainBreaks = ifc::chainBreaksOf(read, endStation);
        appendNotes(imported.notes, horizontal.notes);
        appendNotes(imported.notes, read.notes);
        appendNotes(imported.notes, ifc::jointNotes(imported.name, *chain, horizontal.segmentNames, units.lengthUnit));
        appendNotes(imported.notes, ifc::representationNotes(model, alignment, horizontal, units, frame));
        imported.chain = std::move(chain);
        if (layouts.vertical) readProfile(imported, model, *layouts.vertical, units, read.startStation, frame.originZ);
        return read;
    });
    (void)stationing;
    return imported;
}

}  // namespace vomel
