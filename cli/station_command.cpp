// vomel-cli station: the point of the design line at continuous stations.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/alignment_options.h"
#include "cli/cli_failure.h"
#include "cli/commands.h"

namespace vomelcli {

namespace {

struct StationCommand {
    AlignmentOptions alignment;
    CLI::App* command = nullptr;

    int run() const
    {
        // Stations are taken from the remaining arguments so that negative
        // stations need no "--" before them.
        std::vector<double> stations;
        for (const auto& text : command->remaining()) stations.push_back(numberArgument(text, "station"));
        if (stations.empty()) throw UsageError("give at least one station");

        std::shared_ptr<const vomel::Alignment> line;
        const int status = runReporting(Stage::Initialise, [&] {
            line = alignment.load();
            return 0;
        });
        if (status != EXIT_DONE) return status;

        return runReporting(Stage::Compute, [&] {
            for (double station : stations) {
                const vomel::Point p = line->stationAt(station);
                std::printf("%.17g %.17g\n", p.x, p.y);
            }
            return EXIT_DONE;
        });
    }
};

}  // namespace

CommandRunner addStationCommand(CLI::App& app)
{
    auto state = std::make_shared<StationCommand>();
    state->command = app.add_subcommand(
        "station", "Print \"X Y\" of the design line at each continuous STATION (metres)");
    state->alignment.addTo(*state->command);
    state->command->allow_extras();
    state->command->footer("Arguments: STATION... continuous stations; chain breaks do not apply.");
    return [state] { return state->run(); };
}

}  // namespace vomelcli
