#pragma once
// How vomel-cli reports a failed operation: the reason on standard error in
// the run's language (cli/cli_language.h), and an exit status a script can
// test.

#include <exception>
#include <functional>
#include <iosfwd>
#include <string>
#include <utility>

#include "cli/cli_language.h"

namespace vomel::cli {

enum ExitStatus : int {
    EXIT_DONE = 0,
    EXIT_USAGE = 1,
    EXIT_FORMAT = 2,  // a malformed file or a geometry that cannot be computed
    EXIT_FILE = 3,  // a file that cannot be opened, read or written
};

// Which operation failed decides the Chinese heading of a format failure.
enum class Stage {
    Initialise,  // reading and preparing the alignment: "数据文件格式有误！"
    Compute,  // reading points and solving them: "数据文件格式有误或操作不当！"
};

// A vomel::Failure on its way to main, with the stage it ended.
struct StagedFailure {
    Stage stage;
    std::exception_ptr failure;
};

// Runs `body` and gives its exit status; a vomel::Failure leaves it as a
// StagedFailure, which main reports in the run's language (reportFailure).
int runReporting(Stage stage, const std::function<int()>& body);

// Writes `staged` to `err` and gives its exit status. English: the reason
// alone after "vomel-cli: ", byte for byte as the failure words it. Chinese:
// a format failure under the stage's heading, the reason worded from the
// window's catalogue (English where the catalogue has no wording for it).
int reportFailure(const StagedFailure& staged, Language language, std::ostream& err);

// Parses a number given on the command line; throws a usage error if it is not one.
double numberArgument(const std::string& text, const char* what);

// A usage error raised by the commands themselves (exit status 1).
struct UsageError : std::exception {
    explicit UsageError(std::string text) : message(std::move(text)) {}
    const char* what() const noexcept override { return message.c_str(); }
    std::string message;
};

}  // namespace vomel::cli
