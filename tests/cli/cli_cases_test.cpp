// Command-line cases as data: arguments, expected output, expected message
// on standard error, and exit status.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

#include <gtest/gtest.h>

#include "session/messages.h"
#include "testing/malformed_cases.h"
#include "testing/malformed_profile_cases.h"

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

// `text` with {data} standing for the test data folder, {examples} for
// examples/ and {malformed} for the corpus of malformed inputs.
std::string expandPlaces(std::string text)
{
    for (const auto& [key, value] : {std::pair<std::string, std::string>{"{data}", VOMEL_CLI_DATA_DIR},
                                     {"{examples}", VOMEL_EXAMPLES_DIR},
                                     {"{malformed}", VOMEL_MALFORMED_DIR}}) {
        for (auto at = text.find(key); at != std::string::npos; at = text.find(key))
            text.replace(at, key.size(), value);
    }
    return text;
}

// Runs vomel-cli in `workDir` with the given arguments (places expanded),
// its language variables cleared but for the `environment` assignments
// ("LANG=C"), so that no case depends on the locale of the one who runs it.
Outcome runCli(const std::vector<std::string>& args, const fs::path& workDir,
               const std::vector<std::string>& environment = {})
{
    std::string command =
        "cd " + shellQuoted(workDir.string()) + " && env -u LC_ALL -u LC_MESSAGES -u LANG -u LANGUAGE -u VOMEL_LANG";
    for (const std::string& assignment : environment) command += " " + shellQuoted(assignment);
    command += " " + shellQuoted(VOMEL_CLI);
    for (const std::string& arg : args) command += " " + shellQuoted(expandPlaces(arg));
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
    const char* out;  // exact standard output, "@NAME" for the bytes of data file NAME, nullptr to skip
    const char* errContains;  // a piece standard error must hold ("" for none)
};

// `expected`: the exact output, "@NAME" for the bytes of data file NAME,
// nullptr for any.
void expectOutput(const std::string& out, const char* expected)
{
    if (expected != nullptr && expected[0] == '@') {
        EXPECT_EQ(out, readAll(fs::path(VOMEL_CLI_DATA_DIR) / (expected + 1)));
    } else if (expected != nullptr) {
        EXPECT_EQ(out, expected);
    }
}

class CliCases : public ::testing::TestWithParam<CliCase> {};

TEST_P(CliCases, OutputMessageAndStatus)
{
    const CliCase& c = GetParam();
    const fs::path workDir = fs::temp_directory_path() / ("vomel_cli_" + std::string(c.name));
    fs::remove_all(workDir);
    fs::create_directories(workDir);
    const Outcome outcome = runCli(c.args, workDir);
    EXPECT_EQ(outcome.status, c.status) << "stderr: " << outcome.err;
    expectOutput(outcome.out, c.out);
    EXPECT_NE(outcome.err.find(c.errContains), std::string::npos) << "stderr: " << outcome.err;
    // No number that is not finite is ever printed, in whatever case.
    std::string lower = outcome.out;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char ch) { return std::tolower(ch); });
    EXPECT_EQ(lower.find("nan"), std::string::npos) << outcome.out;
    EXPECT_EQ(lower.find("inf"), std::string::npos) << outcome.out;
    fs::remove_all(workDir);
}

const CliCase kCases[] = {
    // Usage errors: exit status 1, nothing on standard output.
    {"no_command", {}, 1, "", "A subcommand is required"},
    {"unknown_option", {"station", "--jd", "{data}/straight.jdx", "--bogus", "1"}, 1, "", "not a number"},
    {"station_without_line", {"station", "5"}, 1, "", "--jd FILE or --elements FILE"},
    {"station_without_stations", {"station", "--jd", "{data}/straight.jdx"}, 1, "", "at least one station"},
    {"both_methods",
     {"station", "--jd", "{data}/straight.jdx", "--elements", "{data}/straight.ele", "1"},
     1,
     "",
     "excludes"},
    {"point_with_one_coordinate", {"point", "--jd", "{data}/straight.jdx", "350"}, 1, "", "X Y"},
    {"solve_without_points", {"solve", "--jd", "{data}/straight.jdx"}, 1, "", "--points"},
    {"bad_encoding",
     {"solve", "--jd", "{data}/straight.jdx", "--points", "{data}/two_points.xy", "--encoding", "latin1"},
     1,
     "",
     "encoding"},

    // Forward points on a straight along +X from (0, 0) at station 100,
    // negative stations and those beyond both ends included.
    {"station_on_straight",
     {"station", "--jd", "{data}/straight.jdx", "100", "350.25", "-5", "1200"},
     0,
     "0 0\n250.25 0\n-105 0\n1100 0\n",
     ""},
    {"station_after_double_dash",
     {"station", "--jd", "{data}/straight.jdx", "--", "-5", "100"},
     0,
     "-105 0\n0 0\n",
     ""},
    {"station_on_element_straight",
     {"station", "--elements", "{data}/straight.ele", "100", "350.25"},
     0,
     "0 0\n250.25 0\n",
     ""},

    // One point: the station text and the offset, right of the line negative.
    {"point_right_of_straight",
     {"point", "--jd", "{data}/straight.jdx", "350.25", "800.5"},
     0,
     "450.250 -800.500\n",
     ""},
    {"point_x_near_the_double_range",
     {"point", "--jd", "{data}/straight.jdx", "1.7e308", "5"},
     2,
     "",
     "vomel-cli: X of the point 1.7E+308 is beyond ±1000000000\n"},
    {"point_y_just_beyond_the_bound",
     {"point", "--jd", "{data}/straight.jdx", "5", "-1000000000.5"},
     2,
     "",
     "vomel-cli: Y of the point -1000000000.5 is beyond ±1000000000\n"},
    // At the bound the answer is finite (the station is then good to some
    // metres only: the distance is flat to a double's precision so far off);
    // a thousand kilometres off it is still good to the millimetre.
    {"point_at_the_bound", {"point", "--jd", "{data}/straight.jdx", "350.25", "1e9"}, 0, nullptr, ""},
    {"point_a_thousand_km_off",
     {"point", "--jd", "{data}/straight.jdx", "350.25", "1e6"},
     0,
     "450.250 -1000000.000\n",
     ""},
    {"station_beyond_the_double_range",
     {"station", "--jd", "{data}/straight.jdx", "1e400"},
     1,
     "",
     "station is not a number or a lettered station: \"1e400\""},
    {"point_left_of_straight",
     {"point", "--jd", "{data}/straight.jdx", "350.25", "-800.5"},
     0,
     "450.250 800.500\n",
     ""},

    // Results files on standard output, header in UTF-8 and in GBK.
    {"solve_utf8_header",
     {"solve", "--jd", "{data}/straight.jdx", "--points", "{data}/two_points.xy", "--encoding", "utf-8"},
     0,
     "@two_points.utf8.expected",
     ""},
    {"solve_gbk_header",
     {"solve", "--jd", "{data}/straight.jdx", "--points", "{data}/two_points.xy"},
     0,
     "@two_points.gbk.expected",
     ""},
    {"solve_elements",
     {"solve", "--elements", "{data}/straight.ele", "--points", "{data}/two_points.xy", "--encoding", "utf-8"},
     0,
     "@two_points.utf8.expected",
     ""},
    {"solve_reference",
     {"solve", "--jd", "{data}/straight.jdx", "--points", "{data}/two_points.xy", "--encoding", "utf-8", "--reference"},
     0,
     "@two_points.utf8.expected",
     ""},
    {"solve_one_thread",
     {"solve", "--jd", "{data}/straight.jdx", "--points", "{data}/two_points.xy", "--encoding", "utf-8", "--threads",
      "1"},
     0,
     "@two_points.utf8.expected",
     ""},
    {"solve_three_threads",
     {"solve", "--elements", "{data}/straight.ele", "--points", "{data}/two_points.xy", "--encoding", "utf-8",
      "--threads", "3"},
     0,
     "@two_points.utf8.expected",
     ""},
    {"solve_bad_threads",
     {"solve", "--jd", "{data}/straight.jdx", "--points", "{data}/two_points.xy", "--threads", "many"},
     1,
     "",
     "--threads"},
    {"solve_short_point_line",
     {"solve", "--jd", "{data}/straight.jdx", "--points", "{data}/two_fields.xy"},
     2,
     "",
     "two_fields.xy:2: a point needs a label, X and Y; the line has 2 fields\n"},

    // Setting out: station and offset to X and Y (left positive, so on a
    // line heading +X a right offset lies at +Y); stated stations through
    // the short chain 300 -> 350.
    {"station_with_offset",
     {"station", "--jd", "{data}/straight.jdx", "--offset", "-3", "200", "100"},
     0,
     "100 3\n0 3\n",
     ""},
    {"station_stated_with_letter",
     {"station", "--jd", "{data}/straight.jdx", "--dl", "{data}/straight.dl", "B400", "a250"},
     0,
     "250 0\n150 0\n",
     ""},
    // A chain break no station reaches is kept, with a warning before any
    // answer.
    {"chain_break_beyond_the_end_warns",
     {"point", "--jd", "{data}/straight.jdx", "--dl", "{data}/beyond_end.dl", "500", "3"},
     0,
     "A600 -3.000\n",
     "vomel-cli: warning: chain break 1 (2000.000 = 2050.000) lies beyond the end of the line (1100.000 in its "
     "chain): it moves no station\n"},
    // A station that cannot be answered leaves its line empty; the others
    // are answered; exit status 2.
    {"station_skipped_by_short_chain",
     {"station", "--jd", "{data}/straight.jdx", "--dl", "{data}/straight.dl", "B400", "A320", "a250"},
     2,
     "250 0\n\n150 0\n",
     "vomel-cli: station A320: station A320 does not exist: chain A runs from the start to A300\n"},
    {"station_bad_text", {"station", "--jd", "{data}/straight.jdx", "B4x"}, 1, "", "lettered station"},
    {"stakeout_to_stdout",
     {"stakeout", "--jd", "{data}/straight.jdx", "--dl", "{data}/straight.dl", "--stations", "{data}/stations.txt"},
     0,
     "P1 250.25 5 12\r\nP2 0 -2.5 0\r\nP3 250 0 0\r\n",
     ""},
    // A line that cannot be set out keeps its label alone.
    {"stakeout_elements",
     {"stakeout", "--elements", "{data}/straight.ele", "--stations", "{data}/stations.txt"},
     2,
     "P1 250.25 5 12\r\nP2 0 -2.5 0\r\nP3\r\n",
     "stations.txt:3): there is no chain B: the line has no chain breaks"},
    {"stakeout_skipped_station",
     {"stakeout", "--jd", "{data}/straight.jdx", "--dl", "{data}/straight.dl", "--stations",
      "{data}/skipped_station.txt", "--output-format", "cass"},
     2,
     "P1,,5,250.25,0\r\nP2,,,,\r\n",
     "vomel-cli: station A320 of point P2 ("},
    {"stakeout_without_stations", {"stakeout", "--jd", "{data}/straight.jdx"}, 1, "", "--stations"},
    {"stakeout_stations_file_is_a_folder",
     {"stakeout", "--jd", "{data}/straight.jdx", "--stations", "{data}"},
     3,
     "",
     "cannot read the file: it is a folder"},

    // Per-point CSV: status against the line's ends and the self-check
    // residual (the point behind the start gets no true foot).
    {"solve_csv",
     {"solve", "--jd", "{data}/straight.jdx", "--points", "{data}/two_points.xy", "--format", "csv"},
     0,
     "@two_points.csv.expected",
     ""},
    {"solve_csv_reference",
     {"solve", "--jd", "{data}/straight.jdx", "--points", "{data}/two_points.xy", "--format", "csv", "--reference",
      "--threads", "1"},
     0,
     "@two_points.csv.expected",
     ""},
    {"solve_bad_format",
     {"solve", "--jd", "{data}/straight.jdx", "--points", "{data}/two_points.xy", "--format", "xml"},
     1,
     "",
     "format"},

    // The curve table of a ramp; of a main line without curves.
    {"curves_elements_csv",
     {"curves", "--elements", "{data}/straight.ele", "--format", "csv"},
     0,
     "item,kind,R1,R2,L,station,X,Y,azimuth,azimuth_rad\r\n"
     "node 1,,,,,100.000,0.0000,0.0000,\"0°00'00.0000\"\"\",0.0000000000\r\n"
     "element 1,straight,9999,9999,1000,,,,,\r\n"
     "node 2,,,,,1100.000,1000.0000,0.0000,\"0°00'00.0000\"\"\",0.0000000000\r\n",
     ""},
    {"curves_main_line_text",
     {"curves", "--jd", "{data}/straight.jdx", "--dl", "{data}/straight.dl"},
     0,
     "@straight_curves.expected",
     ""},
    {"curves_bad_jd", {"curves", "--jd", "{data}/bad_number.jdx"}, 2, "", "bad_number.jdx:5: field 2"},

    // LandXML alignments: the ramp example with a short chain at 400 (-> 420).
    {"station_on_landxml",
     {"station", "--landxml", "{examples}/ramp.xml", "0", "450"},
     0,
     "3512345.6779999998 501234.56699999998\n3512575.7876453409 501601.33243580034\n",
     ""},
    {"point_on_landxml_after_its_chain_break",
     {"point", "--landxml", "{examples}/ramp.xml", "--alignment", "Ramp A", "3512575.7876453409", "501601.33243580029"},
     0,
     "B470.000 0.000\n",
     ""},
    {"landxml_by_content_as_elements",
     {"point", "--elements", "{examples}/ramp.xml", "3512575.7876453409", "501601.33243580029"},
     0,
     "B470.000 0.000\n",
     ""},
    {"list_landxml_alignments",
     {"alignments", "{examples}/ramp.xml"},
     0,
     "name\tstart\tend\telements\tstation_equations\nRamp A\t0\t787.095\t11\t1\n",
     ""},
    {"unknown_landxml_alignment",
     {"station", "--landxml", "{examples}/ramp.xml", "--alignment", "Ramp B", "0"},
     2,
     "",
     "no alignment is called \"Ramp B\"; the file holds \"Ramp A\""},
    {"alignment_without_landxml",
     {"station", "--elements", "{data}/straight.ele", "--alignment", "A", "0"},
     1,
     "",
     "--alignment requires --landxml"},
    {"landxml_and_jd",
     {"station", "--landxml", "{examples}/ramp.xml", "--jd", "{data}/straight.jdx", "0"},
     1,
     "",
     "excludes"},
    {"alignments_of_an_element_file",
     {"alignments", "{data}/straight.ele"},
     2,
     "",
     "straight.ele:1: not a LandXML document"},

    // IFC alignments: a clothoid of 100 m turning left (IFC) from (0, 0)
    // east, its end at E 98.987 N 12.719; an arc in international feet.
    {"station_on_ifc",
     {"station", "--ifc", "{data}/../ifc/iif_H_Clothoid_100.0_300_1000.ifc", "100"},
     0,
     "12.719158616616186 98.986925644288348\n",
     ""},
    {"point_on_ifc_by_name",
     {"point", "--ifc", "{data}/../ifc/iif_H_Clothoid_100.0_300_1000.ifc", "--alignment", "Spor", "12.719158616616186",
      "98.986925644288348"},
     0,
     "100 0.000\n",
     ""},
    {"ifc_by_content_as_elements",
     {"station", "--elements", "{data}/../ifc/iif_H_Clothoid_100.0_300_1000.ifc", "0"},
     0,
     "0 0\n",
     ""},
    {"ifc_in_feet_says_so",
     {"station", "--ifc", "{data}/../ifc/aig_Generated_Horizontal_CircularArc_100.0_-300_-300_IntlFoot.ifc", "0"},
     0,
     "0 0\n",
     "vomel-cli: lengths in international feet, as the IFC file gives them"},
    {"list_ifc_alignments",
     {"alignments", "{data}/../ifc/aig_Generated_Horizontal_CircularArc_100.0_-300_-300_IntlFoot.ifc"},
     0,
     "name\tstart\tend\tsegments\tstation_equations\tline\tmap_conversion\n"
     "Horizontal_CircularArc_100.0_-300_-300_IntlFoot\t0\t328.083989501312\t1\t0\t23\t-\n",
     ""},
    {"unknown_ifc_alignment",
     {"station", "--ifc", "{data}/../ifc/iif_H_Line_100.0_inf_300.ifc", "--alignment", "Spor#2", "0"},
     2,
     "",
     "no alignment is called \"Spor#2\"; the file holds \"Spor\""},
    {"ifc_segment_kind_refused",
     {"station", "--ifc", "{data}/../ifc/iif_H_HelmertCurve_100.0_inf_300.ifc", "0"},
     2,
     "",
     "iif_H_HelmertCurve_100.0_inf_300.ifc:31: alignment \"Spor\": #29 (IFCALIGNMENTHORIZONTALSEGMENT): a "
     "HELMERTCURVE segment cannot be imported"},
    // A circular vertical arc (gradients 1.0 to 0.5 over 100 m from 10 m).
    {"elevation_on_ifc_circular_arc",
     {"elevation", "--ifc", "{data}/../ifc/iif_V_CircularArc_100.0_10.0_1.0_0.5.ifc", "100"},
     0,
     "82.075922005612625\n",
     ""},
    {"ifc_and_landxml",
     {"station", "--ifc", "{data}/../ifc/iif_H_Line_100.0_inf_300.ifc", "--landxml", "{examples}/ramp.xml", "0"},
     1,
     "",
     "excludes"},

    // Files that cannot be opened: exit status 3 and the file's name.
    {"missing_jd_file", {"station", "--jd", "no_such_line.jdx", "0"}, 3, "", "no_such_line.jdx"},
    {"missing_points_file",
     {"solve", "--jd", "{data}/straight.jdx", "--points", "no_such_points.xy"},
     3,
     "",
     "no_such_points.xy"},

    // A malformed file: file, line and reason (more under CliLanguage).
    {"malformed_jd_file", {"station", "--jd", "{data}/bad_number.jdx", "0"}, 2, "", "bad_number.jdx:5: field 2"},
    {"malformed_jd_file_names_line",
     {"point", "--jd", "{data}/bad_number.jdx", "1", "2"},
     2,
     "",
     "bad_number.jdx:5: field 2 is not a number: \"0x\""},
    // Design elevations on the straight: a crest at 500 (18 m, R 10000,
    // T 200, E 2) between +2 % and -2 %; the cross-fall turns from -2/-2 at
    // 100 to +4/-4 at 500.
    {"elevation_on_centre_line",
     {"elevation", "--jd", "{data}/straight.jdx", "--profile", "{data}/straight.profile", "500", "K0+300", "100",
      "1000"},
     0,
     "16\n14\n10\n8\n",
     ""},
    {"elevation_right_of_the_line",
     {"elevation", "--jd", "{data}/straight.jdx", "--profile", "{data}/straight.profile", "--crossfall",
      "{data}/straight.crossfall", "--offset", "-5", "500"},
     0,
     "15.800000000000001\n",
     ""},
    {"elevation_lettered_and_k_form",
     {"elevation", "--jd", "{data}/straight.jdx", "--dl", "{data}/straight.dl", "--profile", "{data}/straight.profile",
      "B550", "bK0+550"},
     0,
     "16\n16\n",
     ""},
    {"elevation_outside_the_profile",
     {"elevation", "--jd", "{data}/straight.jdx", "--profile", "{data}/straight.profile", "500", "K1+001", "100"},
     2,
     "16\n\n10\n",
     "vomel-cli: station K1+001: beyond the profile: the profile runs from 100 to 1000\n"},
    {"elevation_of_a_station_not_in_its_chain",
     {"elevation", "--jd", "{data}/straight.jdx", "--dl", "{data}/straight.dl", "--profile", "{data}/straight.profile",
      "C10", "B550"},
     2,
     "\n16\n",
     "vomel-cli: station C10: there is no chain C: the line's chains run from A to B\n"},
    {"elevation_k_form_of_1000_m",
     {"elevation", "--jd", "{data}/straight.jdx", "--profile", "{data}/straight.profile", "K1+1001"},
     1,
     "",
     "the metres after + are 1000 or more: \"K1+1001\""},
    {"elevation_without_profile", {"elevation", "--jd", "{data}/straight.jdx", "500"}, 1, "", "--profile"},
    // The profile read with a LandXML alignment (its ProfAlign), in feet:
    // the same crest as straight.profile, every length in the file's unit.
    {"elevation_from_landxml_profile_in_feet",
     {"elevation", "--landxml", "{data}/straight_feet.xml", "500", "K0+300", "1000"},
     0,
     "16\n14\n8\n",
     "vomel-cli: lengths in US survey feet, as the LandXML file gives them"},
    {"profile_file_takes_the_place_of_landxml_profile",
     {"elevation", "--landxml", "{data}/straight_feet.xml", "--profile", "{data}/straight.profile", "--crossfall",
      "{data}/straight.crossfall", "--offset", "-5", "500"},
     0,
     "15.800000000000001\n",
     ""},
    {"stakeout_with_landxml_profile",
     {"stakeout", "--landxml", "{data}/straight_feet.xml", "--stations", "{data}/profile_stations.txt",
      "--output-format", "cass"},
     0,
     "S1,,-5,400,16\r\nS2,,2,200,99\r\n",
     ""},
    {"elevation_on_landxml_without_profile",
     {"elevation", "--elements", "{data}/straight.ele", "500"},
     1,
     "",
     "no profile: give --profile FILE, or a LandXML alignment with a Profile/ProfAlign"},
    {"ramp_example_profile",
     {"elevation", "--landxml", "{examples}/ramp.xml", "A300", "B560"},
     0,
     "159.69999999999999\n163.59999999999999\n",
     ""},
    {"profile_table_csv",
     {"profile", "--jd", "{data}/straight.jdx", "--profile", "{data}/straight.profile", "--format", "csv"},
     0,
     "grade_point,station,elevation,grade_in_%,grade_out_%,R,T,E,type,start_station,start_elevation,end_station,"
     "end_elevation\r\n"
     "1,100.000,10.0000,,2.0000,,,,,,,,\r\n"
     "2,500.000,18.0000,2.0000,-2.0000,10000,200.0000,2.0000,crest,300.000,14.0000,700.000,14.0000\r\n"
     "3,1000.000,8.0000,-2.0000,,,,,,,,,\r\n",
     ""},
    {"solve_csv_with_profile",
     {"solve", "--jd", "{data}/straight.jdx", "--points", "{data}/profile_points.xy", "--format", "csv", "--profile",
      "{data}/straight.profile", "--crossfall", "{data}/straight.crossfall"},
     0,
     "@profile_points.csv.expected",
     ""},
    {"solve_cass_points",
     {"solve", "--jd", "{data}/straight.jdx", "--points", "{data}/profile_points.dat", "--points-format", "cass",
      "--format", "csv", "--profile", "{data}/straight.profile"},
     0,
     "@profile_points.cass.csv.expected",
     ""},
    {"solve_profile_needs_csv",
     {"solve", "--jd", "{data}/straight.jdx", "--points", "{data}/two_points.xy", "--profile",
      "{data}/straight.profile"},
     1,
     "",
     "--profile needs --format csv"},
    {"solve_crossfall_needs_profile",
     {"solve", "--jd", "{data}/straight.jdx", "--points", "{data}/two_points.xy", "--format", "csv", "--crossfall",
      "{data}/straight.crossfall"},
     1,
     "",
     "--crossfall needs --profile"},
    // Beyond the profile a set-out point keeps its X and Y, its elevation
    // left empty.
    {"stakeout_beyond_the_profile",
     {"stakeout", "--jd", "{data}/straight.jdx", "--stations", "{data}/stations_beyond_profile.txt", "--profile",
      "{data}/straight.profile"},
     2,
     "S1 400 -5 16\r\nS2 1100 0\r\nS3 200 2 99\r\n",
     "stations_beyond_profile.txt:2): station 1200 lies outside the profile, which runs from 100 to 1000\n"},
    {"stakeout_cass_beyond_the_profile",
     {"stakeout", "--jd", "{data}/straight.jdx", "--stations", "{data}/stations_beyond_profile.txt", "--profile",
      "{data}/straight.profile", "--output-format", "cass"},
     2,
     "S1,,-5,400,16\r\nS2,,0,1100,\r\nS3,,2,200,99\r\n",
     "vomel-cli: station 1200 of point S2 ("},
    // Circular and unsymmetric vertical curves of a LandXML alignment.
    {"elevation_on_circular_and_unsymmetric_curves",
     {"elevation", "--landxml", "{data}/../landxml/landxml_vertical_curves.xml", "250", "400", "650", "700", "1000"},
     0,
     "13\n14.875105446870926\n13.583333333333334\n13.333333333333334\n16\n",
     ""},
    {"profile_table_of_circular_and_unsymmetric_curves",
     {"profile", "--landxml", "{data}/../landxml/landxml_vertical_curves.xml", "--format", "csv"},
     0,
     "grade_point,station,elevation,grade_in_%,grade_out_%,R,T,E,type,start_station,start_elevation,end_station,"
     "end_elevation\r\n"
     "1,100.000,10.0000,,2.0000,,,,,,,,\r\n"
     "2,400.000,16.0000,2.0000,-1.0000,10000,149.9963,1.1249,crest,250.034,13.0007,549.989,14.5001\r\n"
     "3,700.000,13.0000,-1.0000,1.0000,15000/3750,100.0000/50.0000,0.3333,sag,600.000,14.0000,750.000,13.5000\r\n"
     "4,1000.000,16.0000,1.0000,,,,,,,,,\r\n",
     ""},
    // A LandXML profile that cannot be used: the plan stands; what needs an
    // elevation says why.
    {"elevation_with_unusable_landxml_profile",
     {"elevation", "--landxml", "{data}/../landxml/landxml_overlapping_vertical_curves.xml", "500"},
     2,
     "",
     "landxml_overlapping_vertical_curves.xml: alignment \"Straight\": ProfAlign: the vertical "
     "curve (T = 150 m) overlaps the one of the previous grade point (T = 150 m): they are 200 m apart (line 15)\n"},
    {"profile_table_with_unusable_landxml_profile",
     {"profile", "--landxml", "{data}/../landxml/landxml_circle_length_disagrees.xml"},
     2,
     "",
     "landxml_circle_length_disagrees.xml: alignment \"Straight\": ProfAlign: the CircCurve's length 400 m and "
     "radius 10000 m disagree: an arc of that radius between these grades is 399.946679463011 m long, "
     "0.0533205369893039 m apart where the written numbers allow 0.0464004 m (line 14)\n"},
    {"station_with_unusable_landxml_profile",
     {"station", "--landxml", "{data}/../landxml/landxml_overlapping_vertical_curves.xml", "500"},
     0,
     "400 0\n",
     ""},
    {"stakeout_with_unusable_landxml_profile",
     {"stakeout", "--landxml", "{data}/../landxml/landxml_overlapping_vertical_curves.xml", "--stations",
      "{data}/profile_stations.txt"},
     2,
     "S1 400 -5\r\nS2 200 2 99\r\n",
     "profile_stations.txt:1): no design elevation: "},
    {"solve_with_unusable_landxml_profile",
     {"solve", "--landxml", "{data}/../landxml/landxml_feet_overlapping_vertical_curves.xml", "--points",
      "{data}/two_points.xy", "--format", "csv"},
     0,
     nullptr,
     "landxml_feet_overlapping_vertical_curves.xml: alignment \"Straight\": ProfAlign: the vertical curve (T = "
     "150 ft)"},
    {"stakeout_cass_with_design_elevation",
     {"stakeout", "--jd", "{data}/straight.jdx", "--stations", "{data}/profile_stations.txt", "--profile",
      "{data}/straight.profile", "--output-format", "cass"},
     0,
     "S1,,-5,400,16\r\nS2,,2,200,99\r\n",
     ""},
};

INSTANTIATE_TEST_SUITE_P(Cli, CliCases, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<CliCase>& info) { return std::string(info.param.name); });

// The language of the messages: --lang (before or after the command), else
// VOMEL_LANG, else the first of LC_ALL, LC_MESSAGES and LANG that is set.
// English gives the reason alone, Chinese the stage's heading and the
// reason worded from the window's catalogue; the output never changes.
struct LanguageCase {
    const char* name;
    std::vector<std::string> environment;  // assignments, the rest cleared
    std::vector<std::string> args;
    int status;
    const char* out;  // as in CliCase
    std::string err;  // exact standard error, places expanded
};

class CliLanguage : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(CliLanguage, MessageInTheChosenLanguage)
{
    const LanguageCase& c = GetParam();
    const fs::path workDir = fs::temp_directory_path() / ("vomel_cli_language_" + std::string(c.name));
    fs::remove_all(workDir);
    fs::create_directories(workDir);
    const Outcome outcome = runCli(c.args, workDir, c.environment);
    EXPECT_EQ(outcome.status, c.status);
    expectOutput(outcome.out, c.out);
    EXPECT_EQ(outcome.err, expandPlaces(c.err));
    fs::remove_all(workDir);
}

const std::vector<std::string> kBadJd = {"station", "--jd", "{data}/bad_number.jdx", "0"};
const std::string kBadJdEnglish = "vomel-cli: {data}/bad_number.jdx:5: field 2 is not a number: \"0x\"\n";
const std::string kBadJdChinese = "数据文件格式有误！\n{data}/bad_number.jdx:5: 第2个字段不是数字：\"0x\"\n";

std::vector<std::string> withLang(const char* language, std::vector<std::string> args)
{
    args.insert(args.begin(), {"--lang", language});
    return args;
}

const LanguageCase kLanguageCases[] = {
    {"lang_en_over_everything", {"VOMEL_LANG=zh", "LANG=zh_CN.UTF-8"}, withLang("en", kBadJd), 2, "", kBadJdEnglish},
    {"lang_zh_over_everything", {"VOMEL_LANG=en", "LC_ALL=C"}, withLang("zh", kBadJd), 2, "", kBadJdChinese},
    {"lang_after_the_command",
     {"LANG=C"},
     {"station", "--jd", "{data}/bad_number.jdx", "--lang=zh_CN", "0"},
     2,
     "",
     kBadJdChinese},
    {"vomel_lang_zh_over_the_locale", {"VOMEL_LANG=zh", "LANG=C"}, kBadJd, 2, "", kBadJdChinese},
    {"vomel_lang_en_over_the_locale", {"VOMEL_LANG=en", "LANG=zh_CN.UTF-8"}, kBadJd, 2, "", kBadJdEnglish},
    {"c_locale", {"LANG=C"}, kBadJd, 2, "", kBadJdEnglish},
    {"no_locale_at_all", {}, kBadJd, 2, "", kBadJdEnglish},
    {"chinese_locale", {"LANG=zh_CN.UTF-8"}, kBadJd, 2, "", kBadJdChinese},
    {"lc_all_over_lang", {"LC_ALL=POSIX", "LANG=zh_CN.UTF-8"}, kBadJd, 2, "", kBadJdEnglish},
    {"lc_messages_over_lang", {"LC_MESSAGES=zh_TW.Big5", "LANG=en_GB.UTF-8"}, kBadJd, 2, "", kBadJdChinese},
    {"empty_lc_all_left_aside", {"LC_ALL=", "LANG=zh_CN.UTF-8"}, kBadJd, 2, "", kBadJdChinese},
    {"empty_vomel_lang_left_aside", {"VOMEL_LANG=", "LANG=zh_CN.UTF-8"}, kBadJd, 2, "", kBadJdChinese},
    {"other_language_is_english", {"LANG=de_DE.UTF-8"}, kBadJd, 2, "", kBadJdEnglish},
    {"invalid_vomel_lang_warns_and_follows_the_locale",
     {"VOMEL_LANG=fr", "LANG=zh_CN.UTF-8"},
     kBadJd,
     2,
     "",
     "vomel-cli: VOMEL_LANG=fr is not zh or en; the language follows the locale\n" + kBadJdChinese},
    {"invalid_lang_option",
     {"VOMEL_LANG=zh"},
     withLang("fr", kBadJd),
     1,
     "",
     "vomel-cli: --lang is not zh or en: \"fr\"\nRun with --help for more information.\n"},
    // The computing stage's heading; the reason and the value it names are
    // worded in Chinese too.
    {"chinese_compute_heading",
     {"LANG=zh_CN.UTF-8"},
     {"point", "--jd", "{data}/straight.jdx", "1.7e308", "5"},
     2,
     "",
     "数据文件格式有误或操作不当！\n点的 X 1.7E+308 超出±1000000000\n"},
    // The system's reason is worded in Chinese too.
    {"chinese_missing_file",
     {"LANG=zh_CN.UTF-8"},
     {"station", "--elements", "none.ele", "0"},
     3,
     "",
     "vomel-cli: none.ele: 无法打开文件：文件或文件夹不存在\n"},
    // A LandXML file's reason: the element's place and the reason both
    // worded, the names in the file kept as they are.
    {"chinese_malformed_landxml",
     {"LANG=C"},
     withLang("zh", {"station", "--landxml", "{malformed}/landxml_cubic_spiral.xml", "0"}),
     2,
     "",
     "数据文件格式有误！\n{malformed}/landxml_cubic_spiral.xml:7: "
     "线形“A”，第2个线元（Spiral）：spiType 为“cubic”；只能导入回旋线（clothoid）缓和曲线\n"},
    {"chinese_results_file_unchanged",
     {"LANG=zh_CN.UTF-8"},
     {"solve", "--jd", "{data}/straight.jdx", "--points", "{data}/two_points.xy"},
     0,
     "@two_points.gbk.expected",
     ""},
    {"chinese_csv_unchanged",
     {},
     withLang("zh", {"solve", "--jd", "{data}/straight.jdx", "--points", "{data}/two_points.xy", "--format", "csv"}),
     0,
     "@two_points.csv.expected",
     ""},
};

INSTANTIATE_TEST_SUITE_P(Cli, CliLanguage, ::testing::ValuesIn(kLanguageCases),
                         [](const ::testing::TestParamInfo<LanguageCase>& info) {
                             return std::string(info.param.name);
                         });

const std::string kEarlierResults = "earlier results\r\n";

// A work folder holding an earlier results file, a regular file and a
// folder; the listing of what it holds.
void prepareWorkDir(const fs::path& workDir)
{
    fs::remove_all(workDir);
    fs::create_directories(workDir / "sub");
    std::ofstream(workDir / "kept.txt", std::ios::binary) << kEarlierResults;
    std::ofstream(workDir / "plain", std::ios::binary) << "not a folder";
}

std::vector<std::string> listing(const fs::path& workDir)
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(workDir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

const std::vector<std::string> kUntouchedListing = {"kept.txt", "plain", "stderr.txt", "stdout.txt", "sub"};

// Files that cannot be read or written: exit status 3, the exact message,
// nothing on standard output, the earlier results file as it was and no
// temporary file left in the work folder.
struct FileFaultCase {
    const char* name;
    std::vector<std::string> args;
    const char* err;  // exact standard error
};

class CliFileFaults : public ::testing::TestWithParam<FileFaultCase> {};

TEST_P(CliFileFaults, MessageStatusAndNothingLost)
{
    const FileFaultCase& c = GetParam();
    const fs::path workDir = fs::temp_directory_path() / ("vomel_cli_fault_" + std::string(c.name));
    prepareWorkDir(workDir);
    const Outcome outcome = runCli(c.args, workDir);
    EXPECT_EQ(outcome.status, 3);
    EXPECT_EQ(outcome.err, c.err);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(readAll(workDir / "kept.txt"), kEarlierResults);
    EXPECT_EQ(listing(workDir), kUntouchedListing);
    fs::remove_all(workDir);
}

const std::string kSolveLine = "{data}/straight.jdx";

const FileFaultCase kFileFaults[] = {
    {"output_under_a_regular_file",
     {"solve", "--jd", kSolveLine, "--points", "{data}/two_points.xy", "--output", "plain/out.txt"},
     "vomel-cli: plain/out.txt: cannot reach the results file: Not a directory\n"},
    {"output_in_proc",
     {"solve", "--jd", kSolveLine, "--points", "{data}/two_points.xy", "--output", "/proc/out.txt"},
     "vomel-cli: /proc/out.txt: cannot create a file in the folder /proc: No such file or directory\n"},
    {"output_is_a_folder",
     {"solve", "--jd", kSolveLine, "--points", "{data}/two_points.xy", "--output", "sub"},
     "vomel-cli: sub: the results file is a folder: Is a directory\n"},
    {"output_to_a_full_device",
     {"solve", "--jd", kSolveLine, "--points", "{data}/two_points.xy", "--output", "/dev/full"},
     "vomel-cli: /dev/full: cannot write the results file: No space left on device\n"},
    {"points_file_is_a_folder",
     {"solve", "--jd", kSolveLine, "--points", "sub", "--output", "kept.txt"},
     "vomel-cli: sub: cannot read the file: it is a folder\n"},
    {"points_file_is_missing",
     {"solve", "--jd", kSolveLine, "--points", "none.xy", "--output", "kept.txt"},
     "vomel-cli: none.xy: cannot open the file: No such file or directory\n"},
    {"jd_file_is_a_folder",
     {"solve", "--jd", "sub", "--points", "{data}/two_points.xy", "--output", "kept.txt"},
     "vomel-cli: sub: cannot read the file: it is a folder\n"},
    {"element_file_is_missing",
     {"station", "--elements", "none.ele", "0"},
     "vomel-cli: none.ele: cannot open the file: No such file or directory\n"},
};

INSTANTIATE_TEST_SUITE_P(Cli, CliFileFaults, ::testing::ValuesIn(kFileFaults),
                         [](const ::testing::TestParamInfo<FileFaultCase>& info) {
                             return std::string(info.param.name);
                         });

// Every file of the malformed corpus: exit status 2, the file, line and
// reason exactly after "vomel-cli: "; nothing on standard output and no
// results file touched, whether the results go to a file or to standard
// output. In Chinese the stage's heading stands above the file and line.
class CliMalformed : public ::testing::TestWithParam<malformed::Case> {};

std::vector<std::string> malformedRun(const malformed::Case& c, bool toStandardOutput)
{
    const std::string path = std::string("{malformed}/") + c.file;
    switch (c.kind) {
    case malformed::Kind::IntersectionPoint: return {"station", "--jd", path, "0"};
    case malformed::Kind::ChainBreak: return {"station", "--jd", "{data}/../jd02_spiral_sym.jdx", "--dl", path, "0"};
    case malformed::Kind::Element: return {"station", "--elements", path, "0"};
    case malformed::Kind::Coordinates: break;
    }
    std::vector<std::string> args = {"solve", "--jd", kSolveLine, "--points", path};
    if (!toStandardOutput) args.insert(args.end(), {"--output", "kept.txt"});
    return args;
}

// The start of standard error under --lang zh: the heading of the stage
// that read the file, then its name and line (the reason is worded from
// the catalogue).
void expectChineseHeading(const std::vector<std::string>& args, const std::string& heading, const std::string& file,
                          long line)
{
    const fs::path workDir = fs::temp_directory_path() / ("vomel_cli_heading_" + file);
    prepareWorkDir(workDir);
    std::vector<std::string> chinese = {"--lang", "zh"};
    chinese.insert(chinese.end(), args.begin(), args.end());
    const Outcome outcome = runCli(chinese, workDir);
    const std::string start = heading + "\n" + VOMEL_MALFORMED_DIR + "/" + file +
                              (line > 0 ? ":" + std::to_string(line) : std::string()) + ": ";
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.err.substr(0, start.size()), start);
    EXPECT_EQ(outcome.out, "");
    fs::remove_all(workDir);
}

TEST_P(CliMalformed, ExactMessageAndNothingWritten)
{
    const malformed::Case& c = GetParam();
    const fs::path workDir = fs::temp_directory_path() / ("vomel_cli_malformed_" + std::string(c.file));
    const std::string detail = std::string(VOMEL_MALFORMED_DIR) + "/" + c.file +
                               (c.line > 0 ? ":" + std::to_string(c.line) : std::string()) + ": " + c.reason;
    for (const bool toStandardOutput : {false, true}) {
        SCOPED_TRACE(toStandardOutput ? "results to standard output" : "results to a file");
        prepareWorkDir(workDir);
        const Outcome outcome = runCli(malformedRun(c, toStandardOutput), workDir);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.err, "vomel-cli: " + detail + "\n");
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(readAll(workDir / "kept.txt"), kEarlierResults);
        EXPECT_EQ(listing(workDir), kUntouchedListing);
    }
    fs::remove_all(workDir);
    expectChineseHeading(malformedRun(c, true),
                         c.kind == malformed::Kind::Coordinates ? vomel::MSG_COMPUTE_FORMAT : vomel::MSG_INIT_FORMAT,
                         c.file, c.line);
}

INSTANTIATE_TEST_SUITE_P(Cli, CliMalformed, ::testing::ValuesIn(malformed::CASES),
                         [](const ::testing::TestParamInfo<malformed::Case>& info) {
                             std::string name = info.param.file;
                             for (char& ch : name) {
                                 if (ch == '.') ch = '_';
                             }
                             return name;
                         });

// The malformed profile, cross-fall and CASS files: file, line and reason
// exactly; in Chinese under the heading of the stage that reads them.
class CliDesignMalformed : public ::testing::TestWithParam<malformed::DesignCase> {};

TEST_P(CliDesignMalformed, ExactMessage)
{
    const malformed::DesignCase& c = GetParam();
    const std::string path = std::string("{malformed}/") + c.file;
    std::vector<std::string> args;
    switch (c.kind) {
    case malformed::DesignKind::Profile:
        args = {"elevation", "--jd", "{data}/straight.jdx", "--profile", path, "500"};
        break;
    case malformed::DesignKind::CrossFall:
        args = {"elevation", "--jd", "{data}/straight.jdx", "--profile", "{data}/straight.profile", "--crossfall",
                path,        "500"};
        break;
    case malformed::DesignKind::CassPoints:
        args = {"solve", "--jd", "{data}/straight.jdx", "--points", path, "--points-format", "cass"};
        break;
    case malformed::DesignKind::LandXml: args = {"elevation", "--landxml", path, "500"}; break;
    }
    const fs::path workDir = fs::temp_directory_path() / ("vomel_cli_design_" + std::string(c.file));
    prepareWorkDir(workDir);
    const Outcome outcome = runCli(args, workDir);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.err, "vomel-cli: " + std::string(VOMEL_MALFORMED_DIR) + "/" + c.file + ":" +
                               std::to_string(c.line) + ": " + c.reason + "\n");
    EXPECT_EQ(outcome.out, "");
    fs::remove_all(workDir);
    expectChineseHeading(
        args, c.kind == malformed::DesignKind::CassPoints ? vomel::MSG_COMPUTE_FORMAT : vomel::MSG_INIT_FORMAT, c.file,
        c.line);
}

INSTANTIATE_TEST_SUITE_P(Cli, CliDesignMalformed, ::testing::ValuesIn(malformed::DESIGN_CASES),
                         [](const ::testing::TestParamInfo<malformed::DesignCase>& info) {
                             std::string name = info.param.file;
                             for (char& ch : name) {
                                 if (ch == '.') ch = '_';
                             }
                             return name;
                         });

}  // namespace
