#include "cli/alignment_options.h"

#include <cstdio>

#include "cli/cli_failure.h"

namespace vomel::cli {

namespace {

// The kind of file a line in feet came from, for the note that says so.
const char* unitSource(const AlignmentOptions& options)
{
    const vomel::ProjectLine* line = options.projectLine();
    const bool ifc = line != nullptr ? line->entry.kind == vomel::ProjectLineKind::Ifc : !options.ifcFile.empty();
    return ifc ? "IFC" : "LandXML";
}

}  // namespace

void AlignmentOptions::addTo(CLI::App& command)
{
    auto* jd = command.add_option("--jd", jdFile, "Intersection-point file of a main line (.jdx)");
    auto* dl = command.add_option("--dl", chainBreakFile,
                                  "Chain-break file of the main line (.dl); without it the line has no chain breaks");
    auto* elements = command.add_option("--elements", elementFile, "Element file of an interchange ramp (.ele)");
    auto* landXml = command.add_option("--landxml", landXmlFile,
                                       "LandXML 1.2 file; its Line, Curve and clothoid Spiral elements and "
                                       "StaEquation chain breaks are imported");
    auto* ifc = command.add_option("--ifc", ifcFile,
                                   "IFC 4.3 file (STEP); its IfcAlignment's LINE, CIRCULARARC and CLOTHOID segments, "
                                   "vertical segments and referent stations are imported");
    command.add_option("--alignment", alignmentName,
                       "Name of the LandXML or IFC alignment (default: the first in the file; NAME#2 is the second "
                       "of two IFC alignments called NAME)");
    auto* project = command.add_option("--project", projectFile,
                                       "Project file (.vomelproj) of an interchange or road section; with --line, "
                                       "that line with its profile and cross-fall");
    auto* line = command.add_option("--line", lineName, "Name of the project's line, as the project file gives it");
    line->needs(project);
    for (auto* single : {jd, elements, landXml, ifc}) project->excludes(single);
    dl->needs(jd);
    jd->excludes(elements);
    elements->excludes(dl);
    landXml->excludes(jd);
    landXml->excludes(elements);
    ifc->excludes(jd);
    ifc->excludes(elements);
    ifc->excludes(landXml);
}

const vomel::ProjectLine* AlignmentOptions::projectLine() const
{
    if (!project || lineName.empty()) return nullptr;
    const auto index = project->lineNamed(lineName);
    return index ? &project->lines[*index] : nullptr;
}

std::shared_ptr<const vomel::PreparedLine> AlignmentOptions::load(bool lineOptional) const
{
    if (!projectFile.empty()) {
        if (!alignmentName.empty()) throw UsageError("--alignment requires --landxml or --ifc");
        if (lineName.empty() && !lineOptional) throw UsageError("--project needs --line NAME for this command");
        project = vomel::loadProject(projectFile);
        if (lineName.empty()) return nullptr;
        const vomel::ProjectLine* line = projectLine();
        if (line == nullptr) {
            std::string names;
            for (const auto& each : project->lines) names += (names.empty() ? "" : ", ") + each.name();
            throw UsageError("the project has no line called \"" + lineName + "\"; its lines: " + names);
        }
        return line->line;
    }
    if (!alignmentName.empty() && landXmlFile.empty() && ifcFile.empty()) {
        throw UsageError("--alignment requires --landxml or --ifc");
    }
    if (!ifcFile.empty()) return vomel::prepareLine(vomel::loadIfc(ifcFile, alignmentName));
    if (!landXmlFile.empty()) {
        return vomel::prepareLine(vomel::loadLandXml(landXmlFile, alignmentName));
    }
    if (!elementFile.empty()) {
        return vomel::initialiseAlignment(vomel::Method::Element, elementFile);
    }
    if (!jdFile.empty()) {
        return vomel::initialiseAlignment(vomel::Method::IntersectionPoint, jdFile, chainBreakFile);
    }
    throw UsageError("name the design line with --jd FILE or --elements FILE, or --landxml FILE or --ifc FILE, or "
                     "--project FILE --line NAME");
}

int AlignmentOptions::loadReporting(std::shared_ptr<const vomel::PreparedLine>& line, bool lineOptional) const
{
    return runReporting(Stage::Initialise, [&] {
        line = load(lineOptional);
        if (!line) return EXIT_DONE;
        // Every number read and written is in the file's unit: say which.
        if (line->lengthUnit() != vomel::LengthUnit::Metre) {
            std::fprintf(stderr, "vomel-cli: lengths in %s, as the %s file gives them\n",
                         vomel::lengthUnitName(line->lengthUnit()), unitSource(*this));
        }
        // What the import went on with despite: once each, before any answer.
        for (const vomel::Wording& note : line->line->importNotes()) {
            std::fprintf(stderr, "vomel-cli: warning: %s\n", note.english().c_str());
        }
        return EXIT_DONE;
    });
}

}  // namespace vomel::cli
