// vomel-cli lines: the lines of a project, one a row.
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "cli/cli_failure.h"
#include "cli/commands.h"
#include "session/project.h"
#include "stationing/chain_break.h"
#include "stationing/kilometre_station.h"
#include "text/number_text.h"

namespace vomel::cli {

namespace {

const char* kindName(vomel::ProjectLineKind kind)
{
    switch (kind) {
    case vomel::ProjectLineKind::Elements: return "elements";
    case vomel::ProjectLineKind::LandXml: return "landxml";
    case vomel::ProjectLineKind::Ifc: return "ifc";
    case vomel::ProjectLineKind::IntersectionPoint: break;
    }
    return "jd";
}

// The files of a line as the project names them, separated by blanks.
std::string filesOf(const vomel::ProjectLineEntry& entry)
{
    std::string files = entry.file;
    if (!entry.alignmentName.empty()) files += "#" + entry.alignmentName;
    for (const std::string* extra : {&entry.chainBreakFile, &entry.crossFallFile}) {
        if (!extra->empty()) files += " " + *extra;
    }
    return files;
}

// Where the line's profile comes from: its file, the line's own, or "-".
std::string profileOf(const vomel::ProjectLine& line)
{
    if (!line.entry.profileFile.empty()) return line.entry.profileFile;
    return line.surface.profile ? "(own)" : "-";
}

// A station in the K form, with its chain letter on a line with chain
// breaks ("AK10+000.000"); a station below zero as the window shows it.
std::string stationText(const vomel::ChainBreaks& breaks, double station)
{
    const vomel::StatedStation stated = vomel::chainStationLetter(breaks, station);
    if (stated.stated < 0.0) return vomel::stationTextPlain(breaks, station);
    const std::optional<char> letter = breaks.chainBreakCount != 0 ? std::optional<char>(stated.letter) : std::nullopt;
    return vomel::kilometreStationText(stated.stated, 3, letter);
}

struct LinesCommand {
    std::string projectFile;

    int run() const
    {
        return runReporting(Stage::Initialise, [&] {
            const auto project = vomel::loadProject(projectFile);
            std::cout << "name\tkind\tstart\tend\tlength\tchain_breaks\tprofile\tfiles\n";
            for (const auto& line : project->lines) {
                const vomel::PreparedLine& prepared = *line.line;
                const auto& breaks = prepared.chainBreaks();
                // Names and paths are written byte for byte, as the file holds them.
                std::cout << line.name() << '\t' << kindName(line.entry.kind) << '\t'
                          << stationText(breaks, prepared.startStation) << '\t'
                          << stationText(breaks, prepared.endStation) << '\t'
                          << vomel::formatFixed(prepared.endStation - prepared.startStation, 3) << '\t'
                          << breaks.chainBreakCount << '\t' << profileOf(line) << '\t' << filesOf(line.entry) << '\n';
            }
            return EXIT_DONE;
        });
    }
};

}  // namespace

CommandRunner addLinesCommand(CLI::App& app)
{
    auto state = std::make_shared<LinesCommand>();
    auto* command = app.add_subcommand(
        "lines", "List the lines of a project: name, kind, start and end station, length, chain breaks, profile and "
                 "files (tab-separated, one line each after a header)");
    command->add_option("PROJECT", state->projectFile, "Project file (.vomelproj)")->required();
    return [state] { return state->run(); };
}

}  // namespace vomel::cli
