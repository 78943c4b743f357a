#pragma once
// The options that name a design line, shared by every command:
// --jd FILE [--dl FILE] for a main line, --elements FILE for a ramp, or
// --landxml FILE or --ifc FILE [--alignment NAME] for an alignment
// exchanged as LandXML or IFC 4.3, or --project FILE --line NAME for a line
// of a project (with its profile and cross-fall).

#include <memory>
#include <string>

#include <CLI/CLI.hpp>

#include "session/project.h"
#include "session/session.h"

namespace vomel::cli {

struct AlignmentOptions {
    std::string jdFile;
    std::string chainBreakFile;
    std::string elementFile;
    std::string landXmlFile;
    std::string ifcFile;
    std::string alignmentName;
    std::string projectFile;
    std::string lineName;
    // The project of --project once load() has read it, for the line's
    // profile and cross-fall (DesignOptions) and the project commands.
    mutable std::shared_ptr<const vomel::Project> project;

    // Adds --jd, --dl, --elements, --landxml, --ifc, --alignment, --project
    // and --line to `command`.
    void addTo(CLI::App& command);

    // The project line of --project and --line, once loaded; null otherwise.
    const vomel::ProjectLine* projectLine() const;

    // Reads and prepares the design line the options name. With --project
    // but no --line, `lineOptional` lets the project stand alone (the line
    // returned is then null).
    std::shared_ptr<const vomel::PreparedLine> load(bool lineOptional = false) const;

    // Loads the line as the initialisation stage of a command: a failure is
    // reported as such and its exit status returned; EXIT_DONE with `line`
    // set otherwise. A line in feet says so on standard error, and so does
    // every note of an imported line.
    int loadReporting(std::shared_ptr<const vomel::PreparedLine>& line, bool lineOptional = false) const;
};

}  // namespace vomel::cli
