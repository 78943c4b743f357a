#pragma once
// One run of vomel-cli as a test states it: what goes in (arguments,
// language variables, standard input, files in its work folder) and what
// must come out (exit status, standard output and error, the files after).
// tests/data/cli/README.md describes the case files these are read from.

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace cli_cases {

// How standard error is compared with the expected text.
enum class ErrorMatch { Exact, Contains, StartsWith };

// A file (or, with `folder`, a folder) of the work folder.
struct WorkFile {
    std::string name;  // relative to the work folder
    std::string bytes;
    bool folder = false;
};

struct CliCase {
    std::string name;  // the test's name: letters, digits and _
    std::string where;  // "FILE:LINE" of the case, for the report
    std::vector<std::string> args;
    std::vector<std::string> environment;  // "NAME=VALUE"; the language variables are cleared but for these
    std::optional<std::string> input;  // standard input; none: /dev/null
    int status = 0;
    std::optional<std::string> output;  // exact standard output; none: not compared
    std::optional<std::pair<ErrorMatch, std::string>> error;
    std::vector<WorkFile> before;  // made in the work folder before the run
    std::vector<WorkFile> after;  // bytes files must hold after the run
    std::optional<std::vector<std::string>> listing;  // the work folder after; none: what `before` made
};

inline void PrintTo(const CliCase& c, std::ostream* out) { *out << c.name << " (" << c.where << ")"; }

// The places {data}, {examples} and {malformed} and the folders they stand
// for, expanded in every text of a case.
using Places = std::vector<std::pair<std::string, std::string>>;

std::string expandPlaces(std::string text, const Places& places);

// Every case of the *.cases files of `folder`, files in the order of their
// names, cases in their order. A file that cannot be read, an unknown key,
// a bad escape, a case without args or status or a name given twice throws
// std::runtime_error naming the file and line, so that no check is lost
// unseen. "@NAME" values are the bytes of NAME in `dataFolder`.
std::vector<CliCase> readCaseFolder(const std::string& folder, const std::string& dataFolder, const Places& places);

}  // namespace cli_cases
