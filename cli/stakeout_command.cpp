// vomel-cli stakeout: coordinates of points given by station and offset.
#include <memory>
#include <string>

#include "cli/alignment_options.h"
#include "cli/cli_failure.h"
#include "cli/commands.h"
#include "cli/design_options.h"
#include "cli/station_batch.h"
#include "session/stakeout.h"

namespace vomel::cli {

namespace {

struct StakeoutCommand {
    AlignmentOptions alignment;
    std::string stationsFile;
    std::string outputFile;
    std::string outputFormat = "plain";
    DesignOptions design;
    CLI::App* command = nullptr;

    int run() const
    {
        std::shared_ptr<const vomel::PreparedLine> line;
        vomel::DesignSurface surface;
        if (const int status = design.loadLineAndSurface(alignment, line, surface); status != EXIT_DONE) return status;

        return runReporting(Stage::Compute, [&] {
            StationBatch batch;
            vomel::StakeoutOptions options;
            options.design = surface.profile ? &surface : nullptr;
            options.designProblem = design.ownProfileProblem(*line);
            options.outputFormat = outputFormat == "cass" ? vomel::PointsFormat::Cass : vomel::PointsFormat::Plain;
            // A row that fails keeps its line, with what could be computed.
            options.onMiss = [&](const vomel::StakeoutRow& row, const std::string& reason) {
                batch.fail(row.stationText, reason,
                           "of point " + row.label + " (" + stationsFile + ":" + std::to_string(row.line) + ")");
            };
            vomel::computeStakeoutRun(*line, stationsFile, outputFile.empty() ? "/dev/stdout" : outputFile, {},
                                      options);
            return batch.status();
        });
    }
};

}  // namespace

CommandRunner addStakeoutCommand(CLI::App& app)
{
    auto state = std::make_shared<StakeoutCommand>();
    state->command = app.add_subcommand(
        "stakeout", "Set out every line \"label station offset [elevation]\" of a station file as \"label X Y "
                    "elevation\"");
    state->alignment.addTo(*state->command);
    state->command
        ->add_option("--stations", state->stationsFile,
                     "Station file: label, station (continuous, or stated with its chain letter: B1000.5), offset "
                     "(left positive), optional elevation")
        ->required();
    state->command
        ->add_option("--output-format", state->outputFormat,
                     "plain: label X Y elevation; cass: CASS data name,,E,N,elevation for a controller")
        ->check(CLI::IsMember({"plain", "cass"}))
        ->capture_default_str();
    state->design.addTo(*state->command);
    state->command->add_option("--output", state->outputFile,
                               "Coordinate file to write (replaced only when complete); standard output if omitted");
    state->command->footer("A line that cannot be set out in full (its station not in its chain, beyond the "
                           "profile) keeps its place with what could be computed (\"label\" alone, or \"label X "
                           "Y\" without the elevation) and is named on standard error; the exit status is then 2.");
    return [state] { return state->run(); };
}

}  // namespace vomel::cli
