// vomel-cli as a user runs it, one runner for every case: the cases of
// tests/data/cli/cases/ (the format is in tests/data/cli/README.md) and,
// made from tests/data/malformed/cases.tsv, a run of every malformed file.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <vector>

#include <gtest/gtest.h>

#include "cli_case.h"
#include "session/run_messages.h"
#include "testing/malformed_cases.h"
#include "testing/scratch_folder.h"

namespace {

namespace fs = std::filesystem;
using cli_cases::CliCase;
using cli_cases::ErrorMatch;
using cli_cases::WorkFile;

std::string contentsOf(const fs::path& path) { return vomel::testing::contentsOf(path.string()); }

const cli_cases::Places kPlaces = {
    {"{data}", VOMEL_CLI_DATA_DIR}, {"{examples}", VOMEL_EXAMPLES_DIR}, {"{malformed}", VOMEL_MALFORMED_DIR}};

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string shellQuoted(const std::string& word)
{
    std::string quoted = "'";
    for (char c : word) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

// Runs vomel-cli in `runDir`/work with the case's arguments and input, its
// language variables cleared but for the case's assignments ("LANG=C"), so
// that no case depends on the locale of the one who runs it. Standard
// output and error are caught beside the work folder, not in it.
Outcome runCli(const CliCase& c, const fs::path& runDir)
{
    std::string command = "cd " + shellQuoted((runDir / "work").string()) +
                          " && env -u LC_ALL -u LC_MESSAGES -u LANG -u LANGUAGE -u VOMEL_LANG";
    for (const std::string& assignment : c.environment) command += " " + shellQuoted(assignment);
    command += " " + shellQuoted(VOMEL_CLI);
    for (const std::string& arg : c.args) command += " " + shellQuoted(arg);
    if (c.input) std::ofstream(runDir / "stdin", std::ios::binary) << *c.input;
    command += " >../stdout 2>../stderr <" + (c.input ? std::string("../stdin") : std::string("/dev/null"));
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, contentsOf(runDir / "stdout"), contentsOf(runDir / "stderr")};
}

void makeWorkFolder(const fs::path& work, const std::vector<WorkFile>& files)
{
    fs::create_directories(work);
    for (const WorkFile& f : files) {
        if (f.folder) {
            fs::create_directories(work / f.name);
        } else {
            std::ofstream(work / f.name, std::ios::binary) << f.bytes;
        }
    }
}

std::vector<std::string> listing(const fs::path& work)
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(work)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void expectError(const std::string& err, const CliCase& c)
{
    if (!c.error) return;
    const auto& [match, expected] = *c.error;
    switch (match) {
    case ErrorMatch::Exact: EXPECT_EQ(err, expected); break;
    case ErrorMatch::Contains: EXPECT_NE(err.find(expected), std::string::npos) << "stderr lacks: " << expected; break;
    case ErrorMatch::StartsWith: EXPECT_EQ(err.substr(0, expected.size()), expected); break;
    }
}

// Nothing but what the case asked for in the work folder: what it put
// there, unless it names the files it expects.
void expectWorkFolder(const fs::path& work, const CliCase& c)
{
    for (const WorkFile& f : c.after) EXPECT_EQ(contentsOf(work / f.name), f.bytes) << "the file " << f.name;
    std::vector<std::string> expected;
    if (c.listing) {
        expected = *c.listing;
    } else {
        for (const WorkFile& f : c.before) expected.push_back(f.name.substr(0, f.name.find('/')));
    }
    std::sort(expected.begin(), expected.end());
    expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
    EXPECT_EQ(listing(work), expected) << "the work folder after the run";
}

class Cli : public ::testing::TestWithParam<CliCase> {};

TEST_P(Cli, Case)
{
    const CliCase& c = GetParam();
    SCOPED_TRACE(c.where + ": [" + c.name + "]");
    const vomel::testing::ScratchFolder runDir;
    makeWorkFolder(runDir.file("work"), c.before);
    const Outcome outcome = runCli(c, runDir.file(""));
    EXPECT_EQ(outcome.status, c.status) << "stderr: " << outcome.err;
    if (c.output) {
        EXPECT_EQ(outcome.out, *c.output);
    }
    expectError(outcome.err, c);
    expectWorkFolder(runDir.file("work"), c);
    // No number that is not finite is ever printed, in whatever case.
    std::string lower = outcome.out;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char ch) { return std::tolower(ch); });
    EXPECT_EQ(lower.find("nan"), std::string::npos) << outcome.out;
    EXPECT_EQ(lower.find("inf"), std::string::npos) << outcome.out;
}

// The work folder of a malformed file's run: an earlier results file, a
// regular file and a folder; none may change.
const std::string kEarlierResults = "earlier results\r\n";

CliCase malformedRun(const vomel::testing::malformed::Case& row, const std::string& name, std::vector<std::string> args)
{
    CliCase c;
    c.name = name;
    c.where =
        std::string(VOMEL_MALFORMED_DIR) + "/" + vomel::testing::malformed::TABLE_FILE + ":" + std::to_string(row.row);
    c.args = std::move(args);
    c.status = 2;
    c.output = "";
    c.error = {{ErrorMatch::Exact, "vomel-cli: " +
                                       vomel::testing::malformed::detailOf(
                                           std::string(VOMEL_MALFORMED_DIR) + "/" + row.file, row.line, row.reason) +
                                       "\n"}};
    c.before = {{"kept.txt", kEarlierResults, false}, {"plain", "not a folder", false}, {"sub", "", true}};
    c.after = {{"kept.txt", kEarlierResults, false}};
    return c;
}

std::string inData(const std::string& name) { return std::string(VOMEL_CLI_DATA_DIR) + "/" + name; }

// Solves the point file `path` on the straight, into kept.txt or onto
// standard output.
std::vector<std::string> solveArgs(const std::string& path, bool cass, bool toFile)
{
    std::vector<std::string> args = {"solve", "--jd", inData("straight.jdx"), "--points", path};
    if (cass) args.insert(args.end(), {"--points-format", "cass"});
    if (toFile) args.insert(args.end(), {"--output", "kept.txt"});
    return args;
}

// How each kind of malformed file is read.
std::vector<std::string> malformedArgs(const vomel::testing::malformed::Case& row, bool toFile)
{
    const std::string path = std::string(VOMEL_MALFORMED_DIR) + "/" + row.file;
    const std::string line = inData("straight.jdx");
    switch (row.kind) {
    case vomel::testing::malformed::Kind::IntersectionPoint: return {"station", "--jd", path, "0"};
    case vomel::testing::malformed::Kind::ChainBreak:
        return {"station", "--jd", inData("../jd02_spiral_sym.jdx"), "--dl", path, "0"};
    case vomel::testing::malformed::Kind::Element: return {"station", "--elements", path, "0"};
    case vomel::testing::malformed::Kind::Coordinates: return solveArgs(path, false, toFile);
    case vomel::testing::malformed::Kind::Profile: return {"elevation", "--jd", line, "--profile", path, "500"};
    case vomel::testing::malformed::Kind::CrossFall:
        return {"elevation", "--jd", line, "--profile", inData("straight.profile"), "--crossfall", path, "500"};
    case vomel::testing::malformed::Kind::CassPoints: return solveArgs(path, true, toFile);
    case vomel::testing::malformed::Kind::LandXml: return {"elevation", "--landxml", path, "500"};
    }
    return {};
}

// Every malformed file: exit status 2, the file, line and reason exactly
// after "vomel-cli: "; nothing on standard output and nothing written,
// whether the results go to a file or to standard output. In Chinese the
// heading of the stage that read the file stands above its name and line
// (the reason is worded from the catalogue).
std::vector<CliCase> malformedCases()
{
    std::vector<CliCase> cases;
    for (const vomel::testing::malformed::Case& row : vomel::testing::malformed::readCases(VOMEL_MALFORMED_DIR)) {
        std::string stem = row.file;
        std::replace(stem.begin(), stem.end(), '.', '_');
        const bool solves = row.kind == vomel::testing::malformed::Kind::Coordinates ||
                            row.kind == vomel::testing::malformed::Kind::CassPoints;
        if (solves) cases.push_back(malformedRun(row, stem + "_to_a_file", malformedArgs(row, true)));
        cases.push_back(malformedRun(row, stem, malformedArgs(row, false)));

        std::vector<std::string> chinese = {"--lang", "zh"};
        for (const std::string& arg : malformedArgs(row, false)) chinese.push_back(arg);
        CliCase zh = malformedRun(row, stem + "_in_chinese", chinese);
        const std::string heading = solves ? vomel::MSG_COMPUTE_FORMAT : vomel::MSG_INIT_FORMAT;
        zh.error = {{ErrorMatch::StartsWith, heading + "\n" +
                                                 vomel::testing::malformed::detailOf(
                                                     std::string(VOMEL_MALFORMED_DIR) + "/" + row.file, row.line, "")}};
        cases.push_back(zh);
    }
    return cases;
}

std::vector<CliCase> allCases()
{
    std::vector<CliCase> cases =
        cli_cases::readCaseFolder(std::string(VOMEL_CLI_DATA_DIR) + "/cases", VOMEL_CLI_DATA_DIR, kPlaces);
    for (CliCase& c : malformedCases()) cases.push_back(std::move(c));
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Cases, Cli, ::testing::ValuesIn(allCases()),
                         [](const ::testing::TestParamInfo<CliCase>& info) { return info.param.name; });

}  // namespace
