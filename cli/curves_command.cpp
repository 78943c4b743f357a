// vomel-cli curves: the prepared design line as a table, to check it against
// the drawings.
#include <cstdio>
#include <memory>
#include <string>

#include "cli/alignment_options.h"
#include "cli/cli_failure.h"
#include "cli/commands.h"
#include "core/failure.h"
#include "session/curve_table.h"

namespace vomel::cli {

namespace {

struct CurvesCommand {
    AlignmentOptions alignment;
    std::string format = "text";
    CLI::App* command = nullptr;

    int run() const
    {
        std::shared_ptr<const vomel::PreparedLine> line;
        if (const int status = alignment.loadReporting(line); status != EXIT_DONE) return status;

        return runReporting(Stage::Compute, [&] {
            const vomel::CurveTable table = vomel::curveTable(*line);
            const std::string text = format == "csv" ? vomel::curveTableCsv(table) : vomel::curveTableText(table);
            if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
                throw vomel::FileFailure(VOMEL_TRANSLATE_NOOP("Failure", "cannot write the table to standard output"));
            }
            return EXIT_DONE;
        });
    }
};

}  // namespace

CommandRunner addCurvesCommand(CLI::App& app)
{
    auto state = std::make_shared<CurvesCommand>();
    state->command = app.add_subcommand(
        "curves", "Print the curve table of a main line (one row per intersection point) or the element table "
                  "of a ramp (one row per node and element)");
    state->alignment.addTo(*state->command);
    state->command->add_option("--format", state->format, "Output format")
        ->check(CLI::IsMember({"text", "csv"}))
        ->capture_default_str();
    return [state] { return state->run(); };
}

}  // namespace vomel::cli
