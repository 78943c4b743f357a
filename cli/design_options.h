#pragma once
// The options that name a road's design surface: --profile FILE (grade
// points and vertical curves) and --crossfall FILE (slopes of both sides).
// Without --profile the profile that came with the line (a LandXML
// alignment's ProfAlign) is used, when it has one. When the line's own
// profile could not be used (the plan was imported without it), a command
// that needs a profile fails with the reason, and the others say it on
// standard error and go on without design elevations.

#include <string>

#include <CLI/CLI.hpp>

#include "alignment/design_surface.h"
#include "cli/alignment_options.h"
#include "session/session.h"

namespace vomel::cli {

struct DesignOptions {
    std::string profileFile;
    std::string crossFallFile;
    // Set by a command that cannot work without a profile (elevation,
    // profile).
    bool profileRequired = false;

    // Adds --profile and --crossfall to `command`.
    void addTo(CLI::App& command);

    // Reads the files for `line` (stations through its chain breaks) as the
    // initialisation stage of a command: a failure is reported and its exit
    // status returned; EXIT_DONE with `surface` set otherwise, its profile
    // null when neither --profile nor the line gives one. --crossfall
    // without a profile is a usage error. Without --profile, a line whose
    // own profile could not be used is a format failure (exit status 2)
    // when the profile is required, and a note on standard error otherwise.
    int loadReporting(const vomel::PreparedLine& line, vomel::DesignSurface& surface) const;

    // Every command's start: the line of `alignment`, then the files above
    // for it, each failure reported as loadReporting() does; a command that
    // requires a profile and gets none is a usage error. EXIT_DONE with
    // `line` and `surface` set, or the failure's exit status.
    int loadLineAndSurface(const AlignmentOptions& alignment, std::shared_ptr<const vomel::PreparedLine>& line,
                           vomel::DesignSurface& surface) const;

    // For a line of a project: the project's profile and cross-fall of the
    // line, each replaced by --profile or --crossfall when given.
    int loadOverProject(const vomel::ProjectLine& projectLine, vomel::DesignSurface& surface) const;

    // Why `line` brings no profile although its file gives one, when no
    // --profile takes its place; empty otherwise.
    std::string ownProfileProblem(const vomel::PreparedLine& line) const;

    // For the commands that cannot work without a profile: a usage error
    // when `surface` has none.
    static void requireProfile(const vomel::DesignSurface& surface);
};

}  // namespace vomel::cli
