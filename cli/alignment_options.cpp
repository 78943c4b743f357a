#include "cli/alignment_options.h"

#include <cstdio>

#include "cli/cli_failure.h"

namespace vomel::cli {

void AlignmentOptions::addTo(CLI::App& command)
{
    auto* jd = command.add_option("--jd", jdFile, "Intersection-point file of a main line (.jdx)");
    auto* dl = command.add_option("--dl", chainBreakFile,
                                  "Chain-break file of the main line (.dl); without it the line has no chain breaks");
    auto* elements = command.add_option("--elements", elementFile, "Element file of an interchange ramp (.ele)");
    auto* landXml = command.add_option("--landxml", landXmlFile,
                                       "LandXML 1.2 file; its Line, Curve and clothoid Spiral elements and "
                                       "StaEquation chain breaks are imported");
    auto* alignment = command.add_option("--alignment", alignmentName,
                                         "Name of the LandXML alignment (default: the first in the file)");
    dl->needs(jd);
    jd->excludes(elements);
    elements->excludes(dl);
    landXml->excludes(jd);
    landXml->excludes(elements);
    alignment->needs(landXml);
}

std::shared_ptr<const vomel::Alignment> AlignmentOptions::load() const
{
    if (!landXmlFile.empty()) {
        return vomel::buildAlignment(vomel::loadLandXml(landXmlFile, alignmentName));
    }
    if (!elementFile.empty()) {
        return vomel::initialiseAlignment(vomel::Method::Element, elementFile);
    }
    if (!jdFile.empty()) {
        return vomel::initialiseAlignment(vomel::Method::IntersectionPoint, jdFile, chainBreakFile);
    }
    throw UsageError("name the design line with --jd FILE or --elements FILE, or --landxml FILE");
}

int AlignmentOptions::loadReporting(std::shared_ptr<const vomel::Alignment>& line) const
{
    return runReporting(Stage::Initialise, [&] {
        line = load();
        // Every number read and written is in the file's unit: say which.
        if (line->lengthUnit() != vomel::LengthUnit::Metre) {
            std::fprintf(stderr, "vomel-cli: lengths in %s, as the LandXML file gives them\n",
                         vomel::lengthUnitName(line->lengthUnit()));
        }
        // What the import went on with despite: once each, before any answer.
        for (const std::string& note : line->line->importNotes()) {
            std::fprintf(stderr, "vomel-cli: warning: %s\n", note.c_str());
        }
        return EXIT_DONE;
    });
}

}  // namespace vomel::cli
