// Chain-break file, stated stations and letters, and station text.
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/failure.h"
#include "formats/chain_break_file.h"
#include "stationing/chain_break.h"
#include "testing/expect_failure.h"

namespace {

constexpr double kEnd = 9000.0;  // end station of the line, metres

vomel::ChainBreaks breaksOf(const std::string& file)
{
    std::istringstream in(file);
    return vomel::readChainBreakFile(in, kEnd);
}

std::string linesOfBreaks(int count)
{
    std::string file;
    for (int k = 1; k <= count; ++k) file += std::to_string(100 * k) + " " + std::to_string(100 * k + 10) + "\r\n";
    return file;
}

TEST(ChainBreakFile, CountsAndTheNoBreaksForms)
{
    struct Case {
        const char* name;
        std::string file;
        int count;
    };
    const std::vector<Case> cases = {
        {"-1 0 declares none", "-1 0\r\n", 0},
        {"-1 then more lines still none", "-1 0\r\n100 200\r\n", 0},
        {"empty file", "", 0},
        {"blank first line", "\r\n1000 1100\r\n", 0},
        {"blank line ends the list", "1000 1100\r\n   \t\r\n2000 2100\r\n", 1},
        {"extra fields ignored, tabs and LF", "1000\t1100  x\n2000 2150\n", 2},
        {"no line end on the last line", "1000 1100", 1},
        {"nineteen breaks", linesOfBreaks(19), 19},
    };
    for (const auto& c : cases) EXPECT_EQ(breaksOf(c.file).chainBreakCount, c.count) << c.name;
}

TEST(ChainBreakFile, RowsZeroAndAfterTheLastHoldZeroAndTheEnd)
{
    const auto t = breaksOf("1000 1100\r\n2000 1950.5\r\n");
    ASSERT_EQ(t.chainBreakCount, 2);
    EXPECT_EQ(t.breakBackStation[0], 0.0);
    EXPECT_EQ(t.breakAheadStation[0], 0.0);
    EXPECT_EQ(t.breakBackStation[1], 1000.0);
    EXPECT_EQ(t.breakAheadStation[2], 1950.5);
    EXPECT_EQ(t.breakBackStation[3], kEnd);
    EXPECT_EQ(t.breakAheadStation[3], kEnd);
}

TEST(ChainBreakFile, MalformedFilesNameTheirLine)
{
    struct Case {
        const char* name;
        std::string file;
        long line;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {"twenty breaks", linesOfBreaks(20), 20, "more than 19 chain breaks"},
        {"one field", "1000 1100\r\n2000\r\n", 2,
         "a chain break needs two numbers, the back station and the ahead station"},
        {"letter in a number", "1000 11O0\r\n", 1, "field 2 is not a number: \"11O0\""},
        {"comma is not a separator", "1000,1100 5\r\n", 1, "field 1 is not a number: \"1000,1100\""},
    };
    for (const auto& c : cases) {
        const auto f = vomel::testing::expectFailure<vomel::FormatFailure>([&] { breaksOf(c.file); });
        EXPECT_EQ(f.line(), c.line) << c.name;
        EXPECT_EQ(f.reason(), c.reason) << c.name;
    }
}

struct StationCase {
    const char* name;
    const char* file;
    double station;
    double stated;
    char letter;
    const char* text;
};

TEST(ChainStation, StatedStationLetterAndText)
{
    const char* none = "";
    const char* longChain = "1100 1000\r\n";  // 100 m of stations repeated
    const char* shortChain = "1000 1100\r\n";  // 100 m of stations skipped
    // The second back station is reached only in the stationing after the
    // first break: continuous 1060 is stated 1160 there.
    const char* two = "1000 1100\r\n1150 1200\r\n";
    // A row that does not apply does not stop the walk.
    const char* skipped = "1000 1100\r\n5000 4000\r\n1200 1300\r\n";
    const std::vector<StationCase> cases = {
        {"no breaks", none, 1234.5, 1234.5, 'A', "1234.500"},
        {"no breaks, whole", none, 1234, 1234, 'A', "1234"},
        {"long chain before", longChain, 1050, 1050, 'A', "A1050"},
        {"long chain at the back station", longChain, 1100, 1100, 'A', "A1100"},
        {"long chain just after", longChain, 1100.5, 1000.5, 'B', "B1000.500"},
        {"long chain after", longChain, 1150, 1050, 'B', "B1050"},
        {"short chain", shortChain, 1000.25, 1100.25, 'B', "B1100.250"},
        {"two breaks, running value", two, 1060, 1210, 'C', "C1210"},
        {"two breaks, first only", two, 1040, 1140, 'B', "B1140"},
        {"walk goes on past a failed row", skipped, 1150, 1350, 'C', "C1350"},
        {"tiny fraction is not whole", none, 1234.0004, 1234.0004, 'A', "1234.000"},
        {"just below a whole metre", none, 1234.9999, 1234.9999, 'A', "1235.000"},
        {"negative whole", none, -2, -2, 'A', "-2"},
        {"negative fraction", none, -1.5, -1.5, 'A', "-1.500"},
        {"negative rounding to zero", none, -0.0004, -0.0004, 'A', "0.000"},
        {"negative zero", none, -0.0, 0.0, 'A', "0"},
        {"exact binary half rounds away from zero", none, 12.0625, 12.0625, 'A', "12.063"},
        {"decimal half rounds away from zero", none, 2.3455, 2.3455, 'A', "2.346"},
        {"negative decimal half", none, -2.3455, -2.3455, 'A', "-2.346"},
    };
    for (const auto& c : cases) {
        const auto breaks = breaksOf(c.file);
        const auto at = vomel::chainStationLetter(breaks, c.station);
        EXPECT_DOUBLE_EQ(at.stated, c.stated) << c.name;
        EXPECT_EQ(at.letter, c.letter) << c.name;
        EXPECT_EQ(vomel::stationTextPlain(breaks, c.station), c.text) << c.name;
    }
}

TEST(ChainStation, NineteenBreaksReachTheLetterT)
{
    const auto breaks = breaksOf(linesOfBreaks(19));
    EXPECT_EQ(vomel::chainStationLetter(breaks, 50).letter, 'A');
    // Every break moves the running value on by 10 m, so the walk passes all.
    const auto last = vomel::chainStationLetter(breaks, 1950);
    EXPECT_EQ(last.letter, 'T');
    EXPECT_DOUBLE_EQ(last.stated, 1950 + 19 * 10);
}

TEST(ChainStation, BreaksOutsideTheLineAreNoted)
{
    // The line runs from 1000 to 9000 (continuous); each break is stated in
    // the chain the ones before it leave.
    struct Case {
        const char* name;
        std::string file;
        std::vector<std::string> notes;
    };
    const std::vector<Case> cases = {
        {"inside", "2000 2100\r\n5000 4900\r\n", {}},
        {"at the end, within the rounding", "9000.0004 9100\r\n", {}},
        {"beyond the end",
         "25000 25100\r\n",
         {"chain break 1 (25000.000 = 25100.000) lies beyond the end of the line (9000.000 in its chain): it moves "
          "no station"}},
        {"inside after a forward jump: 9000 is 9100 in chain B", "2000 2100\r\n9050 9060\r\n", {}},
        {"beyond the end after a forward jump",
         "2000 2100\r\n9150 9160\r\n",
         {"chain break 2 (9150.000 = 9160.000) lies beyond the end of the line (9100.000 in its chain): it moves no "
          "station"}},
        {"before the start",
         "500 600\r\n",
         {"chain break 1 (500.000 = 600.000) lies before the start of the line (1000.000 in its chain): it moves "
          "every station"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> notes;
        for (const auto& outside : vomel::chainBreaksOutside(breaksOf(c.file), 1000.0, kEnd)) {
            notes.push_back(vomel::chainBreakOutsideWording(outside).english());
        }
        EXPECT_EQ(notes, c.notes) << c.name;
    }
}

}  // namespace
