#pragma once
// The options that name a road's design surface: --profile FILE (grade
// points and vertical curves) and --crossfall FILE (slopes of both sides).

#include <string>

#include <CLI/CLI.hpp>

#include "alignment/design_surface.h"
#include "session/session.h"

namespace vomel::cli {

struct DesignOptions {
    std::string profileFile;
    std::string crossFallFile;

    // Adds --profile and --crossfall to `command`; `profileNeeded` makes
    // --profile required.
    void addTo(CLI::App& command, bool profileNeeded);

    bool given() const { return !profileFile.empty(); }

    // Reads the files for `line` (stations through its chain breaks) as the
    // initialisation stage of a command: a failure is reported and its exit
    // status returned; EXIT_DONE with `surface` set otherwise. --crossfall
    // without --profile is a usage error.
    int loadReporting(const vomel::Alignment& line, vomel::DesignSurface& surface) const;
};

}  // namespace vomel::cli
