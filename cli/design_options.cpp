#include "cli/design_options.h"

#include <cstdio>

#include "alignment/design_line.h"
#include "cli/cli_failure.h"
#include "core/failure.h"
#include "formats/profile_file.h"

namespace vomel::cli {

namespace {

std::string unusableProfileText(const std::string& problem)
{
    return "the alignment's profile cannot be used: " + problem;
}

}  // namespace

void DesignOptions::addTo(CLI::App& command)
{
    command.add_option("--profile", profileFile,
                       "Profile file: \"station elevation [radius]\" per grade point; without it, the LandXML "
                       "alignment's ProfAlign when it has one");
    command.add_option("--crossfall", crossFallFile,
                       "Cross-fall file: \"station left right\" slopes in percent, outward from the centre line");
}

std::string DesignOptions::ownProfileProblem(const vomel::PreparedLine& line) const
{
    return profileFile.empty() ? line.line->ownProfileProblem() : std::string();
}

int DesignOptions::loadReporting(const vomel::PreparedLine& line, vomel::DesignSurface& surface) const
{
    const auto& ownProfile = line.line->ownProfile();
    const std::string problem = ownProfileProblem(line);
    if (!problem.empty() && profileRequired) {
        return runReporting(Stage::Initialise,
                            [&]() -> int { throw vomel::FormatFailure(vomel::Wording(unusableProfileText(problem))); });
    }
    if (!crossFallFile.empty() && profileFile.empty() && !ownProfile) {
        throw UsageError(problem.empty() ? "--crossfall needs --profile (or a LandXML alignment with a ProfAlign)"
                                         : "--crossfall needs --profile: " + unusableProfileText(problem));
    }
    if (!problem.empty()) std::fprintf(stderr, "vomel-cli: %s\n", unusableProfileText(problem).c_str());
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

int DesignOptions::loadLineAndSurface(const AlignmentOptions& alignment,
                                      std::shared_ptr<const vomel::PreparedLine>& line,
                                      vomel::DesignSurface& surface) const
{
    if (const int status = alignment.loadReporting(line); status != EXIT_DONE) return status;
    const vomel::ProjectLine* projectLine = alignment.projectLine();
    const int status = projectLine != nullptr ? loadOverProject(*projectLine, surface) : loadReporting(*line, surface);
    if (status != EXIT_DONE) return status;
    if (profileRequired) requireProfile(surface);
    return EXIT_DONE;
}

int DesignOptions::loadOverProject(const vomel::ProjectLine& projectLine, vomel::DesignSurface& surface) const
{
    surface = projectLine.surface;
    if (!crossFallFile.empty() && profileFile.empty() && !surface.profile) {
        throw UsageError("--crossfall needs --profile: the project gives line \"" + projectLine.name() +
                         "\" no profile");
    }
    return runReporting(Stage::Initialise, [&] {
        const auto& breaks = projectLine.line->chainBreaks();
        if (!profileFile.empty()) surface.profile = vomel::loadProfile(profileFile, breaks);
        if (!crossFallFile.empty()) surface.crossFall = vomel::loadCrossFall(crossFallFile, breaks);
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
