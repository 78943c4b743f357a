#pragma once
// The options that name a design line, shared by every command:
// --jd FILE [--dl FILE] for a main line, --elements FILE for a ramp, or
// --landxml FILE or --ifc FILE [--alignment NAME] for an alignment
// exchanged as LandXML or IFC 4.3.

#include <memory>
#include <string>

#include <CLI/CLI.hpp>

#include "session/session.h"

namespace vomel::cli {

struct AlignmentOptions {
    std::string jdFile;
    std::string chainBreakFile;
    std::string elementFile;
    std::string landXmlFile;
    std::string ifcFile;
    std::string alignmentName;

    // Adds --jd, --dl, --elements, --landxml, --ifc and --alignment to
    // `command`.
    void addTo(CLI::App& command);

    // Reads and prepares the design line the options name.
    std::shared_ptr<const vomel::PreparedLine> load() const;

    // Loads the line as the initialisation stage of a command: a failure is
    // reported as such and its exit status returned; EXIT_DONE with `line`
    // set otherwise. A line in feet says so on standard error, and so does
    // every note of an imported line.
    int loadReporting(std::shared_ptr<const vomel::PreparedLine>& line) const;
};

}  // namespace vomel::cli
