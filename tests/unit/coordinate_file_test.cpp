// The coordinate file: fields, elevation, end of the list, failures.
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/failure.h"
#include "formats/coordinate_file.h"
#include "testing/expect_failure.h"

namespace {

std::vector<vomel::SurveyPoint> pointsOf(const std::string& file)
{
    std::istringstream in(file);
    return vomel::readCoordinateFile(in);
}

TEST(CoordinateFile, FieldsElevationAndEndOfList)
{
    const auto points = pointsOf("P1 100.5 200.25 12.5\r\n"  // four fields: elevation taken
                                 "P2 -5.6 7 8 extra\r\n"  // five: elevation 0, extras ignored
                                 "\t \xb2\xe2\xb5\xe3  1e3   -2E-1\r\n"  // GBK label, tabs and runs of blanks
                                 "P4 1 2 notanumber x\r\n"  // an unused fourth field is not read
                                 "\r\n"
                                 "P5 9 9\r\n");  // after the blank line: not read
    ASSERT_EQ(points.size(), 4u);
    EXPECT_EQ(points[0].label, "P1");
    EXPECT_EQ(points[0].x, 100.5);
    EXPECT_EQ(points[0].y, 200.25);
    EXPECT_EQ(points[0].elevation, 12.5);
    EXPECT_EQ(points[0].line, 1);
    EXPECT_EQ(points[1].x, -5.6);
    EXPECT_EQ(points[1].elevation, 0.0);
    EXPECT_EQ(points[2].label, "\xb2\xe2\xb5\xe3");
    EXPECT_EQ(points[2].x, 1000.0);
    EXPECT_EQ(points[2].y, -0.2);
    EXPECT_EQ(points[2].elevation, 0.0);
    EXPECT_EQ(points[3].line, 4);
}

TEST(CoordinateFile, EmptyFileHasNoPoints)
{
    EXPECT_TRUE(pointsOf("").empty());
    EXPECT_TRUE(pointsOf("\r\nP1 1 2\r\n").empty());
}

TEST(CoordinateFile, MalformedLinesNameLineAndReason)
{
    struct Case {
        const char* name;
        std::string file;
        long line;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {"two fields", "P1 1 2\r\nP2 5\r\n", 2, "a point needs a label, X and Y; the line has 2 fields"},
        {"one field", "P1\r\n", 1, "a point needs a label, X and Y; the line has 1 field"},
        {"letter in X", "P1 1 2\r\nP2 1 2\r\nP3 12a 5\r\n", 3, "field 2 is not a number: \"12a\""},
        {"letter in Y", "P1 1 y\r\n", 1, "field 3 is not a number: \"y\""},
        {"letter in the elevation", "P1 1 2 h\r\n", 1, "field 4 is not a number: \"h\""},
        {"comma decimal", "P1 1,5 2\r\n", 1, "field 2 is not a number: \"1,5\""},
        // A binary file: its control bytes are shown, never cut the message.
        {"binary bytes",
         std::string("P1 \x01\0\x7f"
                     "1 2\r\n",
                     11),
         1, "field 2 is not a number: \"\\x01\\x00\\x7f1\""},
    };
    for (const auto& c : cases) {
        const auto f = vomel::testing::expectFailure<vomel::FormatFailure>([&] { pointsOf(c.file); });
        EXPECT_EQ(f.line(), c.line) << c.name;
        EXPECT_EQ(f.reason(), c.reason) << c.name;
    }
}

TEST(CoordinateFile, ChunksReadTheSamePointsAsTheWholeFile)
{
    std::string file;
    for (int i = 1; i <= 25; ++i) file += "P" + std::to_string(i) + " " + std::to_string(i) + " 0.5\r\n";
    std::istringstream in(file);
    vomel::CoordinateReader reader(in);
    std::vector<vomel::SurveyPoint> points;
    std::vector<std::size_t> chunks;
    while (const std::size_t n = reader.readChunk(points, 10)) chunks.push_back(n);
    EXPECT_EQ(chunks, (std::vector<std::size_t>{10, 10, 5}));
    EXPECT_TRUE(reader.finished());
    ASSERT_EQ(points.size(), 25u);
    EXPECT_EQ(points[24].label, "P25");
    EXPECT_EQ(points[24].line, 25);
}

}  // namespace
