// vomel-cli point: station text and offset of one point, as the window shows them.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/alignment_options.h"
#include "cli/cli_failure.h"
#include "cli/commands.h"

namespace vomel::cli {

namespace {

struct PointCommand {
    AlignmentOptions alignment;
    CLI::App* command = nullptr;

    int run() const
    {
        const auto coordinates = command->remaining();
        if (coordinates.size() != 2) throw UsageError("give the point as two numbers: X Y");
        numberArgument(coordinates[0], "X");
        numberArgument(coordinates[1], "Y");

        std::shared_ptr<const vomel::PreparedLine> line;
        if (const int status = alignment.loadReporting(line, true); status != EXIT_DONE) return status;
        if (!line) return runReporting(Stage::Compute, [&] { return printProjectPoint(coordinates); });

        return runReporting(Stage::Compute, [&] {
            const auto shown = vomel::computeSinglePoint(*line, coordinates[0], coordinates[1]);
            std::printf("%s %s\n", shown.station.c_str(), shown.offset.c_str());
            return EXIT_DONE;
        });
    }

    // "STATION OFFSET LINE", then "ambiguous OTHER_LINE" when another line
    // is as near; "unassigned" when no line holds the point.
    ExitStatus printProjectPoint(const std::vector<std::string>& coordinates) const
    {
        const auto point = vomel::computeProjectPoint(*alignment.project, coordinates[0], coordinates[1]);
        const auto& solution = point.solution;
        if (solution.assignment == vomel::Assignment::Unassigned) {
            std::printf("unassigned\n");
            return EXIT_DONE;
        }
        const auto& lines = alignment.project->lines;
        std::printf("%s %s %s", point.shown.station.c_str(), point.shown.offset.c_str(),
                    lines[solution.line].name().c_str());
        if (solution.solution.ambiguous) std::printf(" ambiguous %s", lines[solution.otherLine].name().c_str());
        std::printf("\n");
        return EXIT_DONE;
    }
};

}  // namespace

CommandRunner addPointCommand(CLI::App& app)
{
    auto state = std::make_shared<PointCommand>();
    state->command =
        app.add_subcommand("point", "Print the station text and the offset (left positive) of the point X Y");
    state->alignment.addTo(*state->command);
    state->command->allow_extras();
    state->command->footer("Arguments: X Y, the point's coordinates (X first). With --project and no --line the "
                           "point goes to its own line (code and prefix aside, the nearest that holds it), and the "
                           "line's name follows: STATION OFFSET LINE [ambiguous OTHER_LINE], or \"unassigned\".");
    return [state] { return state->run(); };
}

}  // namespace vomel::cli
