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

    // Setting out: station and offset to X and Y (left positive, so on a
    // line heading +X a right offset lies at +Y); stated stations through
    // the short chain 300 -> 350.
    {"station_with_offset", {"station", "--jd", "{data}/straight.jdx", "--offset", "-3", "200", "100"}, 0,
     "100 3\n0 3\n", ""},
    {"station_stated_with_letter", {"station", "--jd", "{data}/straight.jdx", "--dl", "{data}/straight.dl",
                                    "B400", "a250"}, 0, "250 0\n150 0\n", ""},
    {"station_skipped_by_short_chain", {"station", "--jd", "{data}/straight.jdx", "--dl", "{data}/straight.dl",
                                        "A320"}, 2, "", "does not exist: chain A runs from the start to A300"},
    {"station_bad_text", {"station", "--jd", "{data}/straight.jdx", "B4x"}, 1, "", "lettered station"},
    {"stakeout_to_stdout", {"stakeout", "--jd", "{data}/straight.jdx", "--dl", "{data}/straight.dl", "--stations",
                            "{data}/stations.txt"}, 0, "P1 250.25 5 12\r\nP2 0 -2.5 0\r\nP3 250 0 0\r\n", ""},
    {"stakeout_elements", {"stakeout", "--elements", "{data}/straight.ele", "--stations", "{data}/stations.txt"}, 2,
     "", "stations.txt:3: there is no chain B"},
    {"stakeout_skipped_station", {"stakeout", "--jd", "{data}/straight.jdx", "--dl", "{data}/straight.dl",
                                  "--stations", "{data}/skipped_station.txt"}, 2, "",
     "skipped_station.txt:2: station A320 does not exist"},
    {"stakeout_without_stations", {"stakeout", "--jd", "{data}/straight.jdx"}, 1, "", "--stations"},

    // Per-point CSV: status against the line's ends and the self-check
    // residual (the point behind the start gets no true foot).
    {"solve_csv", {"solve", "--jd", "{data}/straight.jdx", "--points", "{data}/two_points.xy", "--format", "csv"},
     0, "@two_points.csv.expected", ""},
    {"solve_csv_reference", {"solve", "--jd", "{data}/straight.jdx", "--points", "{data}/two_points.xy", "--format",
                             "csv", "--reference", "--threads", "1"}, 0, "@two_points.csv.expected", ""},
    {"solve_bad_format", {"solve", "--jd", "{data}/straight.jdx", "--points", "{data}/two_points.xy", "--format",
                          "xml"}, 1, "", "format"},

    // The curve table of a ramp; of a main line without curves.
    {"curves_elements_csv", {"curves", "--elements", "{data}/straight.ele", "--format", "csv"}, 0,
     "item,kind,R1,R2,L,station,X,Y,azimuth,azimuth_rad\r\n"
     "node 1,,,,,100.000,0.0000,0.0000,\"0°00'00.0000\"\"\",0.0000000000\r\n"
     "element 1,straight,9999,9999,1000,,,,,\r\n"
     "node 2,,,,,1100.000,1000.0000,0.0000,\"0°00'00.0000\"\"\",0.0000000000\r\n", ""},
    {"curves_main_line_text", {"curves", "--jd", "{data}/straight.jdx", "--dl", "{data}/straight.dl"}, 0,
     "@straight_curves.expected", ""},
    {"curves_bad_jd", {"curves", "--jd", "{data}/bad_number.jdx"}, 2, "", "数据文件格式有误！\n"},

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
