#include "cli/design_options.h"

#include "formats/profile_file.h"
#include "cli/cli_failure.h"

namespace vomel::cli {

void DesignOptions::addTo(CLI::App& command, bool profileNeeded)
{
    auto* profile = command.add_option("--profile", profileFile,
                                       "Profile file: \"station elevation [radius]\" per grade point");
    if (profileNeeded) profile->required();
    command.add_option("--crossfall", crossFallFile,
                       "Cross-fall file: \"station left right\" slopes in percent, outward from the centre line");
}

int DesignOptions::loadReporting(const vomel::Alignment& line, vomel::DesignSurface& surface) const
{
    if (!crossFallFile.empty() && profileFile.empty()) throw UsageError("--crossfall needs --profile");
    if (profileFile.empty()) return EXIT_DONE;
    return runReporting(Stage::Initialise, [&] {
        surface.profile = vomel::loadProfile(profileFile, line.chainBreaks());
        if (!crossFallFile.empty()) surface.crossFall = vomel::loadCrossFall(crossFallFile, line.chainBreaks());
        return EXIT_DONE;
    });
}

}  // namespace vomel::cli
