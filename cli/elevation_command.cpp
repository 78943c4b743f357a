// vomel-cli elevation: design elevations at stations, on the centre line or
// at an offset, from the profile and the cross-fall.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/alignment_options.h"
#include "cli/cli_failure.h"
#include "cli/commands.h"
#include "cli/design_options.h"
#include "cli/station_batch.h"
#include "core/failure.h"
#include "stationing/kilometre_station.h"
#include "stationing/stated_station.h"

namespace vomel::cli {

namespace {

struct ElevationCommand {
    AlignmentOptions alignment;
    DesignOptions design;
    double offset = 0.0;
    CLI::App* command = nullptr;

    int run() const
    {
        std::vector<std::string> texts = command->remaining();
        std::vector<vomel::StationText> stations;
        for (const auto& text : texts) {
            try {
                if (vomel::looksLikeKilometreStation(text)) {
                    stations.push_back(vomel::parseKilometreStation(text));
                    continue;
                }
            } catch (const vomel::FormatFailure& failure) {
                throw UsageError("station: " + failure.reason());
            }
            const auto station = vomel::parseStationText(text);
            if (!station) {
                throw UsageError("station is not a number, a lettered station or a K form: \"" + text + "\"");
            }
            stations.push_back(*station);
        }
        if (stations.empty()) throw UsageError("give at least one station");

        std::shared_ptr<const vomel::PreparedLine> line;
        vomel::DesignSurface surface;
        if (const int status = design.loadLineAndSurface(alignment, line, surface); status != EXIT_DONE) return status;

        return runReporting(Stage::Compute, [&] {
            // A station that cannot be answered keeps its line, empty.
            StationBatch batch;
            std::string out;
            for (std::size_t i = 0; i < stations.size(); ++i) {
                try {
                    const double s = vomel::continuousStation(line->chainBreaks(), stations[i]);
                    if (!surface.profile->contains(s)) {
                        throw vomel::GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "beyond the profile: %1"),
                                                     vomel::profileExtentText(*surface.profile, line->chainBreaks()));
                    }
                    char number[32];
                    std::snprintf(number, sizeof number, "%.17g\n", surface.requireElevationAt(s, offset));
                    out += number;
                } catch (const vomel::GeometryFailure& failure) {
                    out += "\n";
                    batch.fail(texts[i], failure.reason());
                }
            }
            std::fputs(out.c_str(), stdout);
            return batch.status();
        });
    }
};

}  // namespace

CommandRunner addElevationCommand(CLI::App& app)
{
    auto state = std::make_shared<ElevationCommand>();
    state->command = app.add_subcommand(
        "elevation", "Print the design elevation at each STATION, on the centre line or at --offset from it");
    state->alignment.addTo(*state->command);
    state->design.addTo(*state->command);
    state->design.profileRequired = true;
    state->command->add_option("--offset", state->offset,
                               "Distance from the line in metres, left positive, right negative (default 0)");
    state->command->allow_extras();
    state->command->footer("Arguments: STATION... continuous stations (5030), stated with their chain letter "
                           "(B1030.5) or in the K form (K5+030.00, BK1+030.5). A station that cannot be answered "
                           "(beyond the profile, not in its chain) leaves its line empty and is named on standard "
                           "error; the exit status is then 2.");
    return [state] { return state->run(); };
}

}  // namespace vomel::cli
