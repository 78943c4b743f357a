#pragma once
// The sub-commands of vomel-cli. Each adds itself to the application and
// returns the function that runs it once the arguments are parsed.

#include <functional>

#include <CLI/CLI.hpp>

#include "cli/cli_language.h"

namespace vomel::cli {

using CommandRunner = std::function<int()>;

CommandRunner addStationCommand(CLI::App& app);
CommandRunner addPointCommand(CLI::App& app);
CommandRunner addSolveCommand(CLI::App& app);
CommandRunner addCurvesCommand(CLI::App& app);
CommandRunner addStakeoutCommand(CLI::App& app);
CommandRunner addAlignmentsCommand(CLI::App& app);
CommandRunner addElevationCommand(CLI::App& app);
CommandRunner addProfileCommand(CLI::App& app);
CommandRunner addLinesCommand(CLI::App& app);
CommandRunner addExportCommand(CLI::App& app);
// `language` is the run's, read when the command runs (the table's header
// follows it).
CommandRunner addTableCommand(CLI::App& app, const Language& language);

}  // namespace vomel::cli
