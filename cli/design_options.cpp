#include "cli/design_options.h"

#include "cli/cli_failure.h"
#include "formats/profile_file.h"

namespace vomel::cli {

void DesignOptions::addTo(CLI::App& command)
{
    command.add_option("--profile", profileFile,
                       "Profile file: \"station elevation [radius]\" per grade point; without it, the LandXML "
                       "alignment's ProfAlign when it has one");
    command.add_option("--crossfall", crossFallFile,
                       "Cross-fall file: \"station left right\" slopes in percent, outward from the centre line");
}

int DesignOptions::loadReporting(const vomel::Alignment& line, vomel::DesignSurface& surface) const
{
    const auto& ownProfile = line.line->ownProfile();
    if (!crossFallFile.empty() && profileFile.empty() && !ownProfile) {
        throw UsageError("--crossfall needs --profile (or a LandXML alignment with a ProfAlign)");
    }
    if (profileFile.empty()) {
        surface.profile = ownProfile;
        if (crossFallFile.empty()) return EXIT_DONE;
    }
    return runReporting(Stage::Initialise, [&] {
        if (!profileFile.empty()) surface.profile = vomel::loadProfile(profileFile, line.chainBreaks());
        if (!crossFallFile.empty()) surface.crossFall = vomel::loadCrossFall(crossFallFile, line.chainBreaks());
        return EXIT_DONE;
    });
}

void DesignOptions::requireProfile(const vomel::DesignSurface& surface)
{
    if (!surface.profile) {
        throw UsageError("no profile: give --profile FILE, or a LandXML alignment with a Profile/ProfAlign");
    }
}

}  // namespace vomel::cli
