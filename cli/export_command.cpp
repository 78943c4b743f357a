// vomel-cli export: a design line written for other programs, as LandXML
// 1.2 (--landxml FILE), with its chain breaks and its profile.
#include <array>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>

#include "cli/alignment_options.h"
#include "cli/cli_failure.h"
#include "cli/commands.h"
#include "cli/design_options.h"
#include "session/line_export.h"

namespace vomel::cli {

namespace {

// The moment of the export as the LandXML root states it, in UTC.
std::pair<std::string, std::string> dateAndTime()
{
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm utc{};
    gmtime_r(&now, &utc);
    std::array<char, 16> date{};
    std::array<char, 16> time{};
    std::strftime(date.data(), date.size(), "%Y-%m-%d", &utc);
    std::strftime(time.data(), time.size(), "%H:%M:%S", &utc);
    return {date.data(), time.data()};
}

struct ExportCommand {
    AlignmentOptions alignment;
    DesignOptions design;
    std::string landXmlFile;
    std::string name;
    CLI::App* command = nullptr;

    // --name, else the project's name of the line, else the stem of the
    // file the line came from.
    std::string lineName() const
    {
        if (!name.empty()) return name;
        if (const vomel::ProjectLine* line = alignment.projectLine()) return line->name();
        for (const std::string* file : {&alignment.jdFile, &alignment.elementFile, &alignment.ifcFile}) {
            if (!file->empty()) return std::filesystem::path(*file).stem().string();
        }
        return "line";
    }

    int run() const
    {
        if (landXmlFile.empty()) throw UsageError("name the file to write with --landxml FILE");
        std::shared_ptr<const vomel::PreparedLine> line;
        vomel::DesignSurface surface;
        if (const int status = design.loadLineAndSurface(alignment, line, surface); status != EXIT_DONE) return status;
        return runReporting(Stage::Compute, [&] {
            const auto [date, time] = dateAndTime();
            for (const vomel::Wording& note :
                 vomel::exportLandXml(*line, surface, lineName(), landXmlFile, date, time)) {
                std::fprintf(stderr, "vomel-cli: note: %s\n", note.english().c_str());
            }
            return EXIT_DONE;
        });
    }
};

}  // namespace

CommandRunner addExportCommand(CLI::App& app)
{
    auto state = std::make_shared<ExportCommand>();
    state->command = app.add_subcommand(
        "export", "Write the design line for other programs: LandXML 1.2 with its elements, chain breaks (StaEquation) "
                  "and profile (ProfAlign)");
    state->alignment.addTo(*state->command);
    // Here --landxml names the file written; a LandXML line is named with
    // --elements FILE (its first alignment) or through a project.
    state->command->remove_option(state->command->get_option("--landxml"));
    state->design.addTo(*state->command);
    state->command->add_option("--landxml", state->landXmlFile,
                               "LandXML 1.2 file to write (replaced whole, or left as it was on failure)");
    state->command->add_option("--name", state->name,
                               "Name of the alignment written (default: the project's name of the line, else the "
                               "name of the line's file)");
    return [state] { return state->run(); };
}

}  // namespace vomel::cli
