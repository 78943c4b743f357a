// Command-line cases as data: arguments, expected output, expected message
// on standard error, and exit status.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

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

// Runs vomel-cli in `workDir` with the given arguments; {data} in an
// argument stands for the test data folder, {examples} for examples/.
Outcome runCli(const std::vector<std::string>& args, const fs::path& workDir)
{
    std::string command = "cd " + shellQuoted(workDir.string()) + " && " + shellQuoted(VOMEL_CLI);
    for (std::string arg : args) {
        for (const auto& [key, value] : {std::pair<std::string, std::string>{"{data}", VOMEL_CLI_DATA_DIR},
                                         {"{examples}", VOMEL_EXAMPLES_DIR}}) {
            for (auto at = arg.find(key); at != std::string::npos; at = arg.find(key)) {
                arg.replace(at, key.size(), value);
            }
        }
        command += " " + shellQuoted(arg);
    }
    command += " >stdout.txt 2>stderr.txt </dev/null";
    const int raw = std::system(command.c_str());
    Outcome outcome;
    outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    outcome.out = readAll(workDir / "stdout.txt");
    outcome.err = readAll(workDir / "stderr.txt");
    return outcome;
}

struct CliCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    const char* out;           // exact standard output, "@NAME" for the bytes of data file NAME, nullptr to skip
    const char* errContains;   // a piece standard error must hold ("" for none)
};

class CliCases : public ::testing::TestWithParam<CliCase> {};

TEST_P(CliCases, OutputMessageAndStatus)
{
    const CliCase& c = GetParam();
    const fs::path workDir = fs::temp_directory_path() / ("vomel_cli_" + std::string(c.name));
    fs::remove_all(workDir);
    fs::create_directories(workDir);
    const Outcome outcome = runCli(c.args, workDir);
    EXPECT_EQ(outcome.status, c.status) << "stderr: " << outcome.err;
    if (c.out != nullptr && c.out[0] == '@') {
        EXPECT_EQ(outcome.out, readAll(fs::path(VOMEL_CLI_DATA_DIR) / (c.out + 1)));
    } else if (c.out != nullptr) {
        EXPECT_EQ(outcome.out, c.out);
    }
    EXPECT_NE(outcome.err.find(c.errContains), std::string::npos) << "stderr: " << outcome.err;
    fs::remove_all(workDir);
}

const CliCase kCases[] = {
    // Usage errors: exit status 1, nothing on standard output.
    {"no_command", {}, 1, "", "A subcommand is required"},
    {"unknown_option", {"station", "--jd", "{data}/straight.jdx", "--bogus", "1"}, 1, "", "not a number"},
    {"station_without_line", {"station", "5"}, 1, "", "--jd FILE or --elements FILE"},
    {"station_without_stations", {"station", "--jd", "{data}/straight.jdx"}, 1, "", "at least one station"},
    {"both_methods", {"station", "--jd", "{data}/straight.jdx", "--elements", "{data}/straight.ele", "1"}, 1, "",
     "excludes"},
    {"point_with_one_coordinate", {"point", "--jd", "{data}/straight.jdx", "350"}, 1, "", "X Y"},
    {"solve_without_points", {"solve", "--jd", "{data}/straight.jdx"}, 1, "", "--points"},
    {"bad_encoding", {"solve", "--jd", "{data}/straight.jdx", "--points", "{data}/two_points.xy", "--encoding",
                      "latin1"}, 1, "", "encoding"},

    // Forward points on a straight along +X from (0, 0) at station 100,
    // negative stations and those beyond both ends included.
    {"station_on_straight", {"station", "--jd", "{data}/straight.jdx", "100", "350.25", "-5", "1200"}, 0,
     "0 0\n250.25 0\n-105 0\n1100 0\n", ""},
    {"station_after_double_dash", {"station", "--jd", "{data}/straight.jdx", "--", "-5", "100"}, 0,
     "-105 0\n0 0\n", ""},
    {"station_on_element_straight", {"station", "--elements", "{data}/straight.ele", "100", "350.25"}, 0,
     "0 0\n250.25 0\n", ""},

    // One point: the station text and the offset, right of the line negative.
    {"point_right_of_straight", {"point", "--jd", "{data}/straight.jdx", "350.25", "800.5"}, 0,
     "450.250 -800.500\n", ""},
    {"point_left_of_straight", {"point", "--jd", "{data}/straight.jdx", "350.25", "-800.5"}, 0,
     "450.250 800.500\n", ""},

    // Results files on standard output, header in UTF-8 and in GBK.
    {"solve_utf8_header", {"solve", "--jd", "{data}/straight.jdx", "--points", "{data}/two_points.xy", "--encoding",
                           "utf-8"}, 0, "@two_points.utf8.expected", ""},
    {"solve_gbk_header", {"solve", "--jd", "{data}/straight.jdx", "--points", "{data}/two_points.xy"}, 0,
     "@two_points.gbk.expected", ""},
    {"solve_elements", {"solve", "--elements", "{data}/straight.ele", "--points", "{data}/two_points.xy",
                        "--encoding", "utf-8"}, 0, "@two_points.utf8.expected", ""},
    {"solve_reference", {"solve", "--jd", "{data}/straight.jdx", "--points", "{data}/two_points.xy", "--encoding",
                         "utf-8", "--reference"}, 0, "@two_points.utf8.expected", ""},
    {"solve_one_thread", {"solve", "--jd", "{data}/straight.jdx", "--points", "{data}/two_points.xy", "--encoding",
                          "utf-8", "--threads", "1"}, 0, "@two_points.utf8.expected", ""},
    {"solve_three_threads", {"solve", "--elements", "{data}/straight.ele", "--points", "{data}/two_points.xy",
                             "--encoding", "utf-8", "--threads", "3"}, 0, "@two_points.utf8.expected", ""},
    {"solve_bad_threads", {"solve", "--jd", "{data}/straight.jdx", "--points", "{data}/two_points.xy", "--threads",
                           "many"}, 1, "", "--threads"},
    {"solve_short_point_line", {"solve", "--jd", "{data}/straight.jdx", "--points", "{data}/two_fields.xy"}, 2, "",
     "数据文件格式有误或操作不当！\n"},

    // LandXML alignments: the ramp example with a short chain at 400 (-> 420).
    {"station_on_landxml", {"station", "--landxml", "{examples}/ramp.xml", "0", "450"}, 0,
     "3512345.6779999998 501234.56699999998\n3512575.7876453409 501601.33243580029\n", ""},
    {"point_on_landxml_after_its_chain_break",
     {"point", "--landxml", "{examples}/ramp.xml", "--alignment", "Ramp A", "3512575.7876453409",
      "501601.33243580029"}, 0, "B470.000 0.000\n", ""},
    {"landxml_by_content_as_elements", {"point", "--elements", "{examples}/ramp.xml", "3512575.7876453409",
                                        "501601.33243580029"}, 0, "B470.000 0.000\n", ""},
    {"list_landxml_alignments", {"alignments", "{examples}/ramp.xml"}, 0,
     "name\tstart\tend\telements\tstation_equations\nRamp A\t0\t787.095\t11\t1\n", ""},
    {"unknown_landxml_alignment", {"station", "--landxml", "{examples}/ramp.xml", "--alignment", "Ramp B", "0"}, 2,
     "", "no alignment is called \"Ramp B\"; the file holds \"Ramp A\""},
    {"alignment_without_landxml", {"station", "--elements", "{data}/straight.ele", "--alignment", "A", "0"}, 1, "",
     "--alignment requires --landxml"},
    {"landxml_and_jd", {"station", "--landxml", "{examples}/ramp.xml", "--jd", "{data}/straight.jdx", "0"}, 1, "",
     "excludes"},
    {"alignments_of_an_element_file", {"alignments", "{data}/straight.ele"}, 2, "",
     "straight.ele:1: not a LandXML document"},

    // Files that cannot be opened: exit status 3 and the file's name.
    {"missing_jd_file", {"station", "--jd", "no_such_line.jdx", "0"}, 3, "", "no_such_line.jdx"},
    {"missing_points_file", {"solve", "--jd", "{data}/straight.jdx", "--points", "no_such_points.xy"}, 3, "",
     "no_such_points.xy"},

    // A malformed file: the system's message, then file, line and reason.
    {"malformed_jd_file", {"station", "--jd", "{data}/bad_number.jdx", "0"}, 2, "",
     "数据文件格式有误！\n"},
    {"malformed_jd_file_names_line", {"point", "--jd", "{data}/bad_number.jdx", "1", "2"}, 2, "",
     "bad_number.jdx:5: field 2 is not a number: \"0x\""},
};

INSTANTIATE_TEST_SUITE_P(Cli, CliCases, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<CliCase>& info) { return std::string(info.param.name); });

}  // namespace
