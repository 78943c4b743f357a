#pragma once
// The options that name a design line, shared by every command:
// --jd FILE [--dl FILE] for a main line, --elements FILE for a ramp, or
// --landxml FILE [--alignment NAME] for an alignment exchanged as LandXML.

#include <memory>
#include <string>

#include <CLI/CLI.hpp>

#include "app/session.h"

namespace vomelcli {

struct AlignmentOptions {
    std::string jdFile;
    std::string chainBreakFile;
    std::string elementFile;
    std::string landXmlFile;
    std::string alignmentName;

    // Adds --jd, --dl, --elements, --landxml and --alignment to `command`.
    void addTo(CLI::App& command);

    // Reads and prepares the design line the options name.
    std::shared_ptr<const vomel::Alignment> load() const;
};

}  // namespace vomelcli
