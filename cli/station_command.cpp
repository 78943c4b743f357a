// vomel-cli station: the point of the design line at stations, or beside it
// at an offset.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/alignment_options.h"
#include "cli/cli_failure.h"
#include "cli/commands.h"
#include "cli/station_batch.h"
#include "core/failure.h"
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
        const std::vector<std::string> texts = command->remaining();
        std::vector<vomel::StationText> stations;
        for (const auto& text : texts) {
            const auto station = vomel::parseStationText(text);
            if (!station) throw UsageError("station is not a number or a lettered station: \"" + text + "\"");
            stations.push_back(*station);
        }
        if (stations.empty()) throw UsageError("give at least one station");

        std::shared_ptr<const vomel::PreparedLine> line;
        if (const int status = alignment.loadReporting(line); status != EXIT_DONE) return status;

        return runReporting(Stage::Compute, [&] {
            // A station that cannot be answered keeps its line, empty.
            StationBatch batch;
            for (std::size_t i = 0; i < stations.size(); ++i) {
                try {
                    const double s = vomel::continuousStation(line->chainBreaks(), stations[i]);
                    const vomel::Point p = offset == 0.0 ? line->pointAt(s) : vomel::offsetPoint(*line, s, offset);
                    std::printf("%.17g %.17g\n", requireFinite(p.x, "X"), requireFinite(p.y, "Y"));
                } catch (const vomel::GeometryFailure& failure) {
                    std::fputs("\n", stdout);
                    batch.fail(texts[i], failure.reason());
                }
            }
            return batch.status();
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
                           "chain letter (B1000.5). A station that cannot be answered (not in its chain, a chain "
                           "the line does not have) leaves its line empty and is named on standard error; the exit "
                           "status is then 2.");
    return [state] { return state->run(); };
}

}  // namespace vomel::cli
