#pragma once
// How vomel-cli reports a failed operation: the system's message and the
// precise reason on standard error, and an exit status a script can test.

#include <exception>
#include <functional>
#include <string>
#include <utility>

namespace vomel::cli {

enum ExitStatus : int {
    EXIT_DONE = 0,
    EXIT_USAGE = 1,
    EXIT_FORMAT = 2,  // a malformed file or a geometry that cannot be computed
    EXIT_FILE = 3,  // a file that cannot be opened, read or written
};

// Which operation failed decides the message of a format failure.
enum class Stage {
    Initialise,  // reading and preparing the alignment: "数据文件格式有误！"
    Compute,  // reading points and solving them: "数据文件格式有误或操作不当！"
};

// Runs `body`; a vomel::Failure is written to standard error and turned into
// its exit status. Other exceptions are reported as internal errors.
int runReporting(Stage stage, const std::function<int()>& body);

// Parses a number given on the command line; throws a usage error if it is not one.
double numberArgument(const std::string& text, const char* what);

// A usage error raised by the commands themselves (exit status 1).
struct UsageError : std::exception {
    explicit UsageError(std::string text) : message(std::move(text)) {}
    const char* what() const noexcept override { return message.c_str(); }
    std::string message;
};

}  // namespace vomel::cli
