// vomel-cli station: the point of the design line at stations, or beside it
// at an offset.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/alignment_options.h"
#include "cli/cli_failure.h"
#include "cli/commands.h"
#include "session/stakeout.h"
#include "stationing/stated_station.h"

namespace vomel::cli {

namespace {

struct StationCommand {
    AlignmentOptions alignment;
    double offset = 0.0;
    CLI::App* command = nullptr;

    int run() const
    {
        // Stations are taken from the remaining arguments so that negative
        // stations need no "--" before them.
        std::vector<vomel::StationText> stations;
        for (const auto& text : command->remaining()) {
            const auto station = vomel::parseStationText(text);
            if (!station) throw UsageError("station is not a number or a lettered station: \"" + text + "\"");
            stations.push_back(*station);
        }
        if (stations.empty()) throw UsageError("give at least one station");

        std::shared_ptr<const vomel::Alignment> line;
        if (const int status = alignment.loadReporting(line); status != EXIT_DONE) return status;

        return runReporting(Stage::Compute, [&] {
            for (const auto& station : stations) {
                const double s = vomel::continuousStation(line->chainBreaks(), station);
                const vomel::Point p = offset == 0.0 ? line->stationAt(s) : vomel::offsetPoint(*line, s, offset);
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
        "station", "Print \"X Y\" of the design line, or of the point at --offset from it, at each STATION");
    state->alignment.addTo(*state->command);
    state->command->add_option("--offset", state->offset,
                               "Distance from the line in metres, left positive, right negative (default 0)");
    state->command->allow_extras();
    state->command->footer("Arguments: STATION... continuous stations (metres), or stated stations with their "
                           "chain letter (B1000.5).");
    return [state] { return state->run(); };
}

}  // namespace vomel::cli
