#include "cli/cli_failure.h"

#include <cstdio>
#include <iostream>
#include <string>

#include "core/failure.h"
#include "session/messages.h"
#include "text/input_line.h"

namespace vomel::cli {

int runReporting(Stage stage, const std::function<int()>& body)
{
    try {
        return body();
    } catch (const vomel::FileFailure& failure) {
        std::cerr << "vomel-cli: " << failure.what() << '\n';
        return EXIT_FILE;
    } catch (const vomel::CancelledFailure& failure) {
        std::cerr << vomel::MSG_READ_CANCELLED << '\n' << failure.what() << '\n';
        return EXIT_FILE;
    } catch (const vomel::Failure& failure) {
        std::cerr << (stage == Stage::Initialise ? vomel::MSG_INIT_FORMAT : vomel::MSG_COMPUTE_FORMAT) << '\n'
                  << failure.what() << '\n';
        return EXIT_FORMAT;
    } catch (const UsageError& error) {
        std::cerr << "vomel-cli: " << error.what() << "\nRun with --help for more information.\n";
        return EXIT_USAGE;
    }
}

double numberArgument(const std::string& text, const char* what)
{
    if (const auto value = vomel::parseNumber(text)) return *value;
    throw UsageError(std::string(what) + " is not a number: \"" + text + "\"");
}

}  // namespace vomel::cli
