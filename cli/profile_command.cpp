// vomel-cli profile: the vertical-curve table of a profile, to check it
// against the drawings.
#include <cstdio>
#include <memory>
#include <string>

#include "alignment/vertical_curve_table.h"
#include "cli/alignment_options.h"
#include "cli/cli_failure.h"
#include "cli/commands.h"
#include "cli/design_options.h"
#include "core/failure.h"
#include "session/curve_table.h"

namespace vomel::cli {

namespace {

struct ProfileCommand {
    AlignmentOptions alignment;
    DesignOptions design;
    std::string format = "text";
    CLI::App* command = nullptr;

    int run() const
    {
        std::shared_ptr<const vomel::PreparedLine> line;
        vomel::DesignSurface surface;
        if (const int status = design.loadLineAndSurface(alignment, line, surface); status != EXIT_DONE) return status;

        return runReporting(Stage::Compute, [&] {
            const vomel::CurveTable table = vomel::verticalCurveTable(*surface.profile, line->chainBreaks());
            const std::string text = format == "csv" ? vomel::curveTableCsv(table) : vomel::curveTableText(table);
            if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
                throw vomel::FileFailure(VOMEL_TRANSLATE_NOOP("Failure", "cannot write the table to standard output"));
            }
            return EXIT_DONE;
        });
    }
};

}  // namespace

CommandRunner addProfileCommand(CLI::App& app)
{
    auto state = std::make_shared<ProfileCommand>();
    state->command = app.add_subcommand(
        "profile", "Print the vertical-curve table of a profile: one row per grade point with its grades, R, T, "
                   "E and the curve's ends");
    state->alignment.addTo(*state->command);
    state->command->add_option("--profile", state->design.profileFile,
                               "Profile file: \"station elevation [radius]\" per grade point; without it, the "
                               "LandXML alignment's ProfAlign");
    state->design.profileRequired = true;
    state->command->add_option("--format", state->format, "Output format")
        ->check(CLI::IsMember({"text", "csv"}))
        ->capture_default_str();
    return [state] { return state->run(); };
}

}  // namespace vomel::cli
