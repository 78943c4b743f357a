// Every point of a project to its own line: the example interchange against
// the lines its points were built on, the rule on two parallel lines (the
// nearer line, windows, maximum offsets, codes, prefixes, ties within 1 mm),
// the file runs against the single-line runs, and the failures of loading.
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/failure.h"
#include "formats/cass_points.h"
#include "formats/coordinate_file.h"
#include "session/project.h"
#include "session/project_run.h"
#include "stationing/chain_break.h"
#include "testing/expect_failure.h"
#include "testing/scratch_folder.h"

namespace {

using vomel::Assignment;
using vomel::ProjectLineEntry;
using vomel::ProjectLineKind;
using vomel::SurveyPoint;

const std::string EXAMPLE = std::string(VOMEL_EXAMPLES_DIR) + "/interchange";
const std::string DATA = std::string(VOMEL_TEST_DATA_DIR) + "/project";

std::vector<SurveyPoint> examplePoints()
{
    std::ifstream in(EXAMPLE + "/points.dat", std::ios::binary);
    return vomel::readCoordinateFile(in, vomel::MAX_POINTS, vomel::PointsFormat::Cass);
}

// points.expected.csv: label -> line, rule, stated station, offset.
struct Built {
    std::string line;
    std::string rule;
    std::string station;
    double offset = 0.0;
};
std::map<std::string, Built> builtPoints()
{
    std::ifstream in(EXAMPLE + "/points.expected.csv", std::ios::binary);
    std::map<std::string, Built> built;
    std::string row;
    std::getline(in, row);  // header
    while (std::getline(in, row)) {
        std::vector<std::string> cells;
        std::stringstream split(row);
        for (std::string cell; std::getline(split, cell, ',');) cells.push_back(cell);
        if (cells.size() < 5 && row.ends_with(',')) cells.resize(5);
        if (cells.size() != 5) throw std::runtime_error("points.expected.csv: a row of other than 5 cells: " + row);
        built[cells[0]] = {cells[1], cells[2], cells[3], cells[4].empty() ? 0.0 : std::stod(cells[4])};
    }
    return built;
}

const char* ruleName(Assignment assignment)
{
    switch (assignment) {
    case Assignment::Code: return "code";
    case Assignment::Prefix: return "prefix";
    case Assignment::Unassigned: return "unassigned";
    case Assignment::Nearest: break;
    }
    return "nearest";
}

// Each point of the example goes to the line it was built on, by the rule
// it was built for (gore points by a few millimetres, coded points against
// the geometry), with the very answer of that line alone, within 0.2 mm of
// the station and offset it was built at (its coordinates are rounded to
// 0.1 mm).
TEST(Project, ExamplePointsGoToTheLinesTheyWereBuiltOn)
{
    const auto project = vomel::loadProject(EXAMPLE + "/interchange.vomelproj");
    const auto built = builtPoints();
    double worst = 0.0;
    std::string worstLabel;
    for (const SurveyPoint& point : examplePoints()) {
        const auto& expected = built.at(point.label);
        const auto result = project->solve(point);
        // A gore point goes to the nearer line like any other.
        EXPECT_EQ(ruleName(result.assignment), expected.rule == "gore" ? "nearest" : expected.rule) << point.label;
        if (result.assignment == Assignment::Unassigned) continue;
        const auto& line = project->lines[result.line];
        ASSERT_EQ(line.name(), expected.line) << point.label;
        const auto alone = line.line->solve(point.x, point.y);
        EXPECT_EQ(result.solution.station, alone.station) << point.label;
        EXPECT_EQ(result.solution.offset, alone.offset) << point.label;
        EXPECT_EQ(result.solution.footX, alone.footX) << point.label;
        EXPECT_FALSE(result.solution.ambiguous) << point.label;
        const vomel::StatedStation stated = vomel::chainStationLetter(line.line->chainBreaks(), alone.station);
        const bool lettered = std::isalpha(static_cast<unsigned char>(expected.station[0])) != 0;
        if (lettered) {
            EXPECT_EQ(stated.letter, expected.station[0]) << point.label;
        }
        const double error = std::max(std::fabs(stated.stated - std::stod(expected.station.substr(lettered ? 1 : 0))),
                                      std::fabs(alone.offset - expected.offset));
        if (error > worst) {
            worst = error;
            worstLabel = point.label;
        }
    }
    EXPECT_LT(worst, 2e-4) << "largest error at " << worstLabel;
}

// Two straight lines 10 m apart heading +X: A at Y = 1000, B at Y = 1010,
// both from X = 1000 to 1100.
ProjectLineEntry straight(const char* name, const char* file)
{
    ProjectLineEntry entry;
    entry.name = name;
    entry.kind = ProjectLineKind::Elements;
    entry.file = file;
    return entry;
}

struct RuleCase {
    const char* what;
    double x, y;
    std::string label, code;
    std::string line;  // empty: unassigned
    Assignment assignment;
    std::string otherLine;  // empty: not ambiguous
    void (*tweak)(ProjectLineEntry& a, ProjectLineEntry& b);
};

void none(ProjectLineEntry&, ProjectLineEntry&) {}

TEST(Project, TheNearestLineThatHoldsThePoint)
{
    const RuleCase cases[] = {
        {"nearer A", 1050, 1003, "P", "", "A", Assignment::Nearest, "", none},
        {"nearer B", 1050, 1007, "P", "", "B", Assignment::Nearest, "", none},
        {"0.8 mm nearer B: both", 1050, 1005.0004, "P", "", "B", Assignment::Nearest, "A", none},
        {"1.2 mm nearer B: B alone", 1050, 1005.0006, "P", "", "B", Assignment::Nearest, "", none},
        {"a tie goes to the earlier line", 1050, 1005, "P", "", "A", Assignment::Nearest, "B", none},
        {"beyond the ends", 1150, 1003, "P", "", "", Assignment::Unassigned, "", none},
        {"A's window excludes", 1050, 1003, "P", "", "B", Assignment::Nearest, "",
         [](ProjectLineEntry& a, ProjectLineEntry&) { a.from = "60"; }},
        {"inside A's window", 1065, 1003, "P", "", "A", Assignment::Nearest, "",
         [](ProjectLineEntry& a, ProjectLineEntry&) { a.from = "60"; }},
        {"A's maximum offset excludes", 1050, 1003, "P", "", "B", Assignment::Nearest, "",
         [](ProjectLineEntry& a, ProjectLineEntry&) { a.maxOffset = 2.5; }},
        {"neither holds", 1050, 1003, "P", "", "", Assignment::Unassigned, "",
         [](ProjectLineEntry& a, ProjectLineEntry& b) {
             a.to = "40";
             b.maxOffset = 6.999;
         }},
        {"a far point", 1050, 900, "P", "", "A", Assignment::Nearest, "", none},
        {"the code overrides", 1050, 1003, "P", "BB", "B", Assignment::Code, "",
         [](ProjectLineEntry&, ProjectLineEntry& b) { b.codes = {"BB"}; }},
        {"the code overrides the window", 1150, 1003, "P", "BB", "B", Assignment::Code, "",
         [](ProjectLineEntry&, ProjectLineEntry& b) { b.codes = {"BB"}; }},
        {"the longest prefix", 1050, 1003, "B-7", "", "B", Assignment::Prefix, "",
         [](ProjectLineEntry& a, ProjectLineEntry& b) {
             a.prefixes = {"B"};
             b.prefixes = {"B-"};
         }},
        {"a shorter prefix", 1050, 1007, "BX7", "", "A", Assignment::Prefix, "",
         [](ProjectLineEntry& a, ProjectLineEntry& b) {
             a.prefixes = {"B"};
             b.prefixes = {"B-"};
         }},
        {"a code of no line", 1050, 1007, "P", "ZZ", "B", Assignment::Nearest, "",
         [](ProjectLineEntry& a, ProjectLineEntry&) { a.codes = {"AA"}; }},
    };
    for (const auto& c : cases) {
        vomel::ProjectFile file;
        file.lines = {straight("A", "straight-a.ele"), straight("B", "straight-b.ele")};
        c.tweak(file.lines[0], file.lines[1]);
        const auto project = vomel::loadProject(file, DATA);
        SurveyPoint point;
        point.x = c.x;
        point.y = c.y;
        point.label = c.label;
        point.code = c.code;
        const auto result = project->solve(point);
        EXPECT_EQ(result.assignment, c.assignment) << c.what;
        if (c.line.empty()) continue;
        EXPECT_EQ(project->lines[result.line].name(), c.line) << c.what;
        EXPECT_EQ(result.solution.ambiguous, !c.otherLine.empty()) << c.what;
        if (!c.otherLine.empty()) {
            EXPECT_EQ(project->lines[result.otherLine].name(), c.otherLine) << c.what;
            EXPECT_NEAR(result.solution.otherStation, c.x - 1000, 1e-9) << c.what;
        }
    }
}

std::string bytesOf(const std::string& path) { return vomel::testing::contentsOf(path); }

// The results files of a project run are the very files of single-line runs
// over each line's points.
TEST(Project, ResultsFolderHoldsTheSingleLineRuns)
{
    const auto project = vomel::loadProject(EXAMPLE + "/interchange.vomelproj");
    vomel::testing::ScratchFolder folder;
    const std::string points = EXAMPLE + "/points.dat";
    vomel::RunOptions options;
    options.pointsFormat = vomel::PointsFormat::Cass;
    options.threads = 2;
    options.chunkPoints = 37;
    const auto counts =
        vomel::computeProjectResultsRun(*project, points, folder.file(""), vomel::HeaderEncoding::Gbk, {}, options);
    EXPECT_EQ(counts.perLine, (std::vector<long>{173, 49, 50, 50, 50}));
    EXPECT_EQ(counts.unassigned, 3);

    // Each line's points, as a CASS file of their own.
    std::vector<std::string> perLine(project->lines.size());
    long line = 0;
    for (const SurveyPoint& point : examplePoints()) {
        ++line;
        const auto result = project->solve(point);
        const std::string cass = vomel::cassLine(point.label, point.code, {point.x, point.y}, point.elevation, line);
        if (result.assignment != Assignment::Unassigned) perLine[result.line] += cass;
    }
    for (std::size_t i = 0; i < project->lines.size(); ++i) {
        const std::string subset = folder.write("subset.dat", perLine[i]);
        const std::string alone = folder.file("alone.txt");
        vomel::computeFileRun(*project->lines[i].line, subset, alone, vomel::HeaderEncoding::Gbk, {}, options);
        EXPECT_EQ(bytesOf(folder.file(project->lines[i].name() + ".txt")), bytesOf(alone)) << project->lines[i].name();
    }
    EXPECT_NE(bytesOf(folder.file(vomel::UNASSIGNED_POINTS_FILE)).find("U002 "), std::string::npos);
}

struct LoadFault {
    const char* what;
    std::string text;
    std::string message;  // after the project file's path
};

TEST(Project, LoadFailuresNameTheProjectFileAndLine)
{
    const std::string head = "vomel-project 1\n[line]\nname = A\n";
    const std::string straightA = "elements = " + DATA + "/straight-a.ele\n";
    const LoadFault cases[] = {
        {"missing file", head + "elements = " + DATA + "/missing.ele\n",
         ":4: line \"A\": " + DATA + "/missing.ele: cannot open the file: No such file or directory"},
        {"window beyond the line", head + straightA + "from = 120\n",
         ":5: line \"A\": the station window from 120 to 100 holds none of the line, which runs from 0 to 100"},
        {"crossfall without profile", head + straightA + "crossfall = a.crossfall\n",
         ":5: line \"A\": \"crossfall\" needs a profile (give \"profile\", or a LandXML alignment with one)"},
        {"letter beyond the chains", head + straightA + "to = C50\n",
         ":5: line \"A\": there is no chain C: the line has no chain breaks, its only chain is A"},
    };
    vomel::testing::ScratchFolder folder;
    for (const auto& c : cases) {
        const std::string path = folder.write("fault.vomelproj", c.text);
        const auto failure = vomel::testing::expectFailure<vomel::Failure>([&] { vomel::loadProject(path); });
        EXPECT_EQ(std::string(failure.what()), path + c.message) << c.what;
    }
}

}  // namespace
