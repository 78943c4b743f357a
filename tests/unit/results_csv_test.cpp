// CSV results: the header, where the foot lies against the ends of the line,
// and the residual of the self-check.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "session/session.h"
#include "session/stakeout.h"
#include "solver/solution.h"
#include "testing/scratch_folder.h"

namespace {

std::string data(const std::string& name) { return std::string(VOMEL_TEST_DATA_DIR) + "/" + name; }

std::vector<std::string> split(const std::string& line)
{
    std::vector<std::string> cells(1);
    for (char c : line) {
        if (c == ',') {
            cells.emplace_back();
        } else if (c != '\r' && c != '\n') {
            cells.back() += c;
        }
    }
    return cells;
}

TEST(CsvResults, StatusAndResidualOfEachPoint)
{
    const auto a = vomel::initialiseAlignment(vomel::Method::IntersectionPoint, data("jd02_spiral_sym.jdx"),
                                              data("jd02_spiral_sym.dl"));
    // The search brackets the foot within one metre of the line's ends:
    // a point whose foot lies farther out gets no true foot, and its
    // residual shows it.
    struct Case {
        const char* name;
        double station;  // continuous
        double offset;
        const char* status;
        char letter;
        bool trueFoot;
    };
    const Case cases[] = {
        {"just behind the start", a->startStation - 0.5, 3, "before-start", 'A', true},
        {"far behind the start", a->startStation - 40, 3, "before-start", 'A', false},
        {"on a spiral before the break", 1700, -12.5, "on-line", 'A', true},
        {"after the short chain", 3000, 8, "on-line", 'B', true},
        {"just beyond the end", a->endStation + 0.25, -2, "after-end", 'B', true},
        {"far beyond the end", a->endStation + 25, -2, "after-end", 'B', false},
    };
    for (const Case& c : cases) {
        const vomel::Point p = vomel::offsetPoint(*a, c.station, c.offset);
        vomel::SurveyPoint point{"P", p.x, p.y, 7.25, 1};
        const vomel::Solution solution = a->solve(p.x, p.y, vomel::SolverChoice::Reference);
        const auto cells = split(vomel::csvResultsLine(*a->line, point, solution));
        ASSERT_EQ(cells.size(), 12u) << c.name;
        EXPECT_EQ(cells[11], "") << c.name;
        EXPECT_EQ(cells[3], std::string(1, c.letter)) << c.name;
        EXPECT_EQ(cells[8], "7.25") << c.name;
        EXPECT_EQ(cells[9], c.status) << c.name;
        if (c.trueFoot) {
            // The search resolves the foot to a few micrometres along the
            // line, and the residual measures just that.
            EXPECT_LT(std::stod(cells[10]), 2e-5) << c.name;
            EXPECT_NEAR(std::stod(cells[5]), c.offset, 1e-6) << c.name;
        } else {
            EXPECT_GT(std::stod(cells[10]), 1.0) << c.name;
        }
    }
    EXPECT_EQ(vomel::csvResultsHeader(),
              "label,x,y,letter,station,offset,foot_x,foot_y,elevation,status,residual,other_station\r\n");
}

// The whole run: one row per point of the coordinate file after the header.
TEST(CsvResults, FileRunWritesHeaderAndOneRowPerPoint)
{
    const auto ramp = vomel::initialiseAlignment(vomel::Method::Element, data("ele01_basic.ele"));
    const vomel::testing::ScratchFolder scratch;
    const std::string out = scratch.file("run.csv");
    vomel::computeCsvRun(*ramp, {}, data("ele01_basic.xy"), out);
    const std::string text = vomel::testing::contentsOf(out);
    std::ifstream xy(data("ele01_basic.xy"), std::ios::binary);
    const auto points = vomel::readCoordinateFile(xy);
    std::size_t lines = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lines;
    EXPECT_EQ(lines, points.size() + 1);
    EXPECT_EQ(text.rfind("label,x,y,letter,", 0), 0u);
    EXPECT_EQ(text.find("nan"), std::string::npos);
}

// The CSV run is streamed like the results file: the rows are the same
// bytes whatever the thread count and the chunk size.
TEST(CsvResults, ThreadsAndChunksChangeNoByte)
{
    const auto ramp = vomel::initialiseAlignment(vomel::Method::Element, data("ele01_basic.ele"));
    const vomel::testing::ScratchFolder scratch;
    const std::string baseline = scratch.file("one-thread.csv");
    vomel::RunOptions one;
    one.threads = 1;
    vomel::computeCsvRun(*ramp, {}, data("ele01_basic.xy"), baseline, {}, one);
    const std::string expected = vomel::testing::contentsOf(baseline);
    ASSERT_GT(expected.size(), 1000u);
    for (const auto& [threads, chunk] : {std::pair{2u, std::size_t{7}}, std::pair{3u, std::size_t{1}}}) {
        vomel::RunOptions options;
        options.threads = threads;
        options.chunkPoints = chunk;
        const std::string out = scratch.file("run-" + std::to_string(threads) + ".csv");
        vomel::computeCsvRun(*ramp, {}, data("ele01_basic.xy"), out, {}, options);
        EXPECT_EQ(vomel::testing::contentsOf(out), expected) << threads << " threads, chunks of " << chunk;
    }
}

}  // namespace
