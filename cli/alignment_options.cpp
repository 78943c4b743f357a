#include "cli/alignment_options.h"

#include "cli/cli_failure.h"

namespace vomelcli {

void AlignmentOptions::addTo(CLI::App& command)
{
    auto* jd = command.add_option("--jd", jdFile,
                                  "Intersection-point file of a main line (.jdx)");
    auto* dl = command.add_option("--dl", chainBreakFile,
                                  "Chain-break file of the main line (.dl); without it the line has no chain breaks");
    auto* elements = command.add_option("--elements", elementFile,
                                        "Element file of an interchange ramp (.ele)");
    dl->needs(jd);
    jd->excludes(elements);
    elements->excludes(dl);
}

std::shared_ptr<const vomel::Alignment> AlignmentOptions::load() const
{
    if (!elementFile.empty()) {
        return vomel::initialiseAlignment(vomel::Method::Element, elementFile);
    }
    if (!jdFile.empty()) {
        return vomel::initialiseAlignment(vomel::Method::IntersectionPoint, jdFile, chainBreakFile);
    }
    throw UsageError("name the design line with --jd FILE or --elements FILE");
}

}  // namespace vomelcli
