#pragma once
// The options that name a design line, shared by every command:
// --jd FILE [--dl FILE] for a main line, or --elements FILE for a ramp.

#include <memory>
#include <string>

#include <CLI/CLI.hpp>

#include "app/session.h"

namespace vomelcli {

struct AlignmentOptions {
    std::string jdFile;
    std::string chainBreakFile;
    std::string elementFile;

    // Adds --jd, --dl and --elements to `command`.
    void addTo(CLI::App& command);

    // Reads and prepares the design line the options name.
    std::shared_ptr<const vomel::Alignment> load() const;
};

}  // namespace vomelcli
