// vomel-cli: stations, offsets and feet of surveyed points on a road's design
// line, for batch work.
//
// Exit status: 0 done; 1 usage error; 2 a malformed file or a geometry that
// cannot be computed; 3 a file that cannot be opened, read or written.
#include <cstdio>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/cli_failure.h"
#include "cli/cli_language.h"
#include "cli/commands.h"
#include "core/failure.h"

namespace {

// `--lang zh|en`, accepted before the command and after it.
struct LanguageOption {
    bool given = false;
    std::string name;

    void addTo(CLI::App& app)
    {
        app.add_option_function<std::string>(
               "--lang",
               [this](const std::string& value) {
                   given = true;
                   name = value;
               },
               "Language of the failure messages and the table's header: zh or en (default: VOMEL_LANG, else the "
               "locale)")
            ->type_name("zh|en");
    }
};

// The run's language, the warning about VOMEL_LANG written; nothing after
// the usage error about a --lang that names no language.
std::optional<vomel::cli::Language> runLanguage(const LanguageOption& option)
{
    std::optional<vomel::cli::Language> named;
    if (option.given) {
        named = vomel::cli::languageNamed(option.name);
        if (!named) {
            std::cerr << "vomel-cli: --lang is not " << vomel::cli::LANGUAGE_NAMES << ": \"" << option.name
                      << "\"\nRun with --help for more information.\n";
            return std::nullopt;
        }
    }
    const vomel::cli::LanguageChoice choice =
        vomel::cli::chooseLanguage(named, vomel::cli::processLanguageEnvironment());
    if (!choice.warning.empty()) std::cerr << choice.warning << '\n';
    return choice.language;
}

// Runs the command given and reports how it ended, in `language`.
int runCommand(const std::function<int()>& command, vomel::cli::Language language)
{
    try {
        return command();
    } catch (const vomel::cli::UsageError& error) {
        std::cerr << "vomel-cli: " << error.what() << "\nRun with --help for more information.\n";
        return vomel::cli::EXIT_USAGE;
    } catch (const vomel::cli::StagedFailure& staged) {
        return vomel::cli::reportFailure(staged, language, std::cerr);
    } catch (const vomel::Failure&) {
        // Raised outside an operation's stage: reported as the computing one's.
        return vomel::cli::reportFailure({vomel::cli::Stage::Compute, std::current_exception()}, language, std::cerr);
    } catch (const std::exception& error) {
        // Not a failure of the input: running out of memory or threads.
        std::cerr << "vomel-cli: internal error: " << error.what() << '\n';
        return vomel::cli::EXIT_FORMAT;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    CLI::App app{"vomel-cli: stations and offsets of surveyed points on a road's design line.\n"
                 "Exit status: 0 done, 1 usage error, 2 malformed file, 3 file cannot be opened or written."};
    app.require_subcommand(1);

    struct Entry {
        const char* name;
        vomel::cli::CommandRunner run;
    };
    // Set once the arguments are parsed, before any command runs.
    vomel::cli::Language runLanguageChosen = vomel::cli::Language::English;
    const std::vector<Entry> commands = {
        {"station", vomel::cli::addStationCommand(app)},
        {"point", vomel::cli::addPointCommand(app)},
        {"solve", vomel::cli::addSolveCommand(app)},
        {"curves", vomel::cli::addCurvesCommand(app)},
        {"stakeout", vomel::cli::addStakeoutCommand(app)},
        {"alignments", vomel::cli::addAlignmentsCommand(app)},
        {"elevation", vomel::cli::addElevationCommand(app)},
        {"profile", vomel::cli::addProfileCommand(app)},
        {"lines", vomel::cli::addLinesCommand(app)},
        {"table", vomel::cli::addTableCommand(app, runLanguageChosen)},
        {"export", vomel::cli::addExportCommand(app)},
    };

    LanguageOption languageOption;
    languageOption.addTo(app);
    for (const auto& command : commands) languageOption.addTo(*app.get_subcommand(command.name));

    // Stations and coordinates are read from the arguments left over after
    // the options, so that negative numbers need no "--"; a "--" that a
    // user types out of habit is dropped.
    std::vector<std::string> args;
    for (int i = argc - 1; i >= 1; --i) {
        if (std::string(argv[i]) != "--") args.emplace_back(argv[i]);
    }

    try {
        app.parse(args);
    } catch (const CLI::Success& done) {
        return app.exit(done);
    } catch (const CLI::ParseError& error) {
        app.exit(error);
        return vomel::cli::EXIT_USAGE;
    }

    const std::optional<vomel::cli::Language> language = runLanguage(languageOption);
    if (!language) return vomel::cli::EXIT_USAGE;
    runLanguageChosen = *language;
    for (const auto& command : commands) {
        if (app.got_subcommand(command.name)) return runCommand(command.run, *language);
    }
    return vomel::cli::EXIT_USAGE;
}
