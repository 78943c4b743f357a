#pragma once
// The options that name a road's design surface: --profile FILE (grade
// points and vertical curves) and --crossfall FILE (slopes of both sides).
// Without --profile the profile that came with the line (a LandXML
// alignment's ProfAlign) is used, when it has one.

#include <string>

#include <CLI/CLI.hpp>

#include "alignment/design_surface.h"
#include "session/session.h"

namespace vomel::cli {

struct DesignOptions {
    std::string profileFile;
    std::string crossFallFile;

    // Adds --profile and --crossfall to `command`.
    void addTo(CLI::App& command);

    // Reads the files for `line` (stations through its chain breaks) as the
    // initialisation stage of a command: a failure is reported and its exit
    // status returned; EXIT_DONE with `surface` set otherwise, its profile
    // null when neither --profile nor the line gives one. --crossfall
    // without a profile is a usage error.
    int loadReporting(const vomel::Alignment& line, vomel::DesignSurface& surface) const;

    // For the commands that cannot work without a profile: a usage error
    // when `surface` has none.
    static void requireProfile(const vomel::DesignSurface& surface);
};

}  // namespace vomel::cli
