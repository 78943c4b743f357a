// The design surface in the file operations: the CSV columns it adds (the
// shared columns keep their bytes), CASS points in and out, and stakeout
// filling missing elevations. Its malformed files are checked with the rest
// of the corpus in file_faults_test.cpp.
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "core/failure.h"
#include "formats/cass_points.h"
#include "formats/profile_file.h"
#include "session/session.h"
#include "session/stakeout.h"
#include "testing/expect_failure.h"
#include "testing/scratch_folder.h"

namespace {

std::string data(const std::string& name) { return std::string(VOMEL_TEST_DATA_DIR) + "/" + name; }

// The straight line along +X from (0, 0) at station 100 to station 1000.
std::shared_ptr<const vomel::PreparedLine> straightLine()
{
    return vomel::initialiseAlignment(vomel::Method::IntersectionPoint, data("cli/straight.jdx"));
}

TEST(DesignFiles, CsvColumnsAddedAfterTheSharedOnes)
{
    const auto line = straightLine();
    const vomel::DesignSurface surface{vomel::loadProfile(data("cli/straight.profile"), line->chainBreaks()),
                                       vomel::loadCrossFall(data("cli/straight.crossfall"), line->chainBreaks())};
    struct Case {
        vomel::SurveyPoint point;
        const char* added;  // the cells after the shared ones
    };
    // Station 500 is the grade point of a crest (E = 2): 16 m on the centre
    // line, the cross-fall +4 % left and -4 % right there.
    const Case cases[] = {
        {{"Q1", 400, 3, 17.5, 1, true}, ",15.88,1.62"},
        {{"Q2", 400, -3, 0, 2, false}, ",16.12,"},
        {{"Q3", -50, 0, 9, 3, true}, ",,"},  // before the profile
        {{"Q4", 400, 0, 16, 4, true}, ",16,0"},
    };
    const vomel::CsvColumns columns{&surface, false};
    EXPECT_EQ(vomel::csvResultsHeader(columns), "label,x,y,letter,station,offset,foot_x,foot_y,elevation,status,"
                                                "residual,other_station,design_elevation,dz\r\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.point.label);
        const vomel::Solution solution = line->solve(c.point.x, c.point.y);
        std::string shared = vomel::csvResultsLine(*line->line, c.point, solution);
        shared.resize(shared.size() - 2);
        EXPECT_EQ(vomel::csvResultsLine(*line->line, c.point, solution, columns), shared + c.added + "\r\n");
    }
}

TEST(DesignFiles, CassPointsReadAndWritten)
{
    const vomel::SurveyPoint p = vomel::parseCassLine(" 点1 , code 7 ,501234.5,3521430.25,12.5", 4);
    EXPECT_EQ(p.label, "点1");
    EXPECT_EQ(p.code, "code 7");
    EXPECT_EQ(p.x, 3521430.25);  // N is X
    EXPECT_EQ(p.y, 501234.5);  // E is Y
    EXPECT_TRUE(p.hasElevation);
    EXPECT_FALSE(vomel::parseCassLine("P2,,1,2,", 5).hasElevation);
    EXPECT_EQ(vomel::cassLine("S1", "", {3521430.25, 501234.5}, -0.5, 1), "S1,,501234.5,3521430.25,-0.5\r\n");

    struct Bad {
        const char* text;
        const char* reason;
    };
    const Bad bad[] = {
        {"P1,,1,2,3,4", "the line has 6 fields"},
        {",,1,2,3", "field 1, the point name, is empty"},
        {"P1,,1,x2,3", "field 4 is not a number: \"x2\""},
    };
    for (const Bad& b : bad) {
        const auto failure =
            vomel::testing::expectFailure<vomel::FormatFailure>([&] { vomel::parseCassLine(b.text, 9); });
        EXPECT_EQ(failure.line(), 9);
        EXPECT_NE(failure.reason().find(b.reason), std::string::npos) << failure.reason();
    }
    EXPECT_THROW(vomel::cassLine("a,b", "", {0, 0}, 0, 1), vomel::FormatFailure);
}

TEST(DesignFiles, StakeoutFillsOnlyMissingElevations)
{
    const auto line = straightLine();
    const vomel::DesignSurface surface{vomel::loadProfile(data("cli/straight.profile"), line->chainBreaks()),
                                       vomel::loadCrossFall(data("cli/straight.crossfall"), line->chainBreaks())};
    vomel::testing::ScratchFolder scratch;
    vomel::StakeoutOptions options;
    options.design = &surface;
    vomel::computeStakeoutRun(*line, data("cli/profile_stations.txt"), scratch.file("plain.xy"), {}, options);
    // S1 at 500, 5 m left: 16 + 0.2; S2 keeps its own 99.
    EXPECT_EQ(vomel::testing::contentsOf(scratch.file("plain.xy")), "S1 400 -5 16.2\r\nS2 200 2 99\r\n");
    options.outputFormat = vomel::PointsFormat::Cass;
    vomel::computeStakeoutRun(*line, data("cli/profile_stations.txt"), scratch.file("cass.dat"), {}, options);
    EXPECT_EQ(vomel::testing::contentsOf(scratch.file("cass.dat")), "S1,,-5,400,16.2\r\nS2,,2,200,99\r\n");
}

}  // namespace
