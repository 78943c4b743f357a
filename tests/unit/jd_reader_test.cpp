// The intersection-point file: fields, names, hairpin flags, and every way
// a file can be malformed, with the line it is reported at.
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "alignment/main_line.h"
#include "core/failure.h"
#include "formats/jd_reader.h"
#include "testing/expect_failure.h"

namespace {

vomel::MainLine read(const std::string& text)
{
    std::istringstream in(text);
    vomel::MainLine line;
    vomel::readJdFile(in, line);
    return line;
}

TEST(JdReader, FiveAndSevenNumberLines)
{
    const auto l = read("START,1250.5\r\nQD\r\n300.5 500.25 600 120 120\r\n"
                        "JD1\r\n300.5 500.25 600 120 120 2400 0\r\n");
    ASSERT_EQ(l.jdCount, 2);
    EXPECT_EQ(l.startStation, 1250.5);
    EXPECT_EQ(l.jdX[1], 300.5);
    EXPECT_EQ(l.jdY[1], 500.25);
    EXPECT_EQ(l.jdRadius[1], 600);
    EXPECT_EQ(l.jdSpiralIn[1], 120);
    EXPECT_EQ(l.jdSpiralOut[1], 120);
    EXPECT_EQ(l.jdOuterRadiusIn[1], 0);
    EXPECT_EQ(l.jdOuterRadiusOut[1], 0);
    EXPECT_EQ(l.jdOuterRadiusIn[2], 2400);
    EXPECT_EQ(l.jdOuterRadiusOut[2], 0);
}

TEST(JdReader, BlanksTabsAndLineEndsReadTheSame)
{
    const std::string variants[] = {
        "S,10\nA\n1 2 3 4 5\nB\n6 7 8 9 10\n", "S,10\r\nA\r\n1 2 3 4 5\r\nB\r\n6 7 8 9 10",
        "S, 10 \n  A  \n\t1\t 2    3 \t4 5  \nB\t\n   6 7 8 9 10\n",
        "S\n10\nA\n1 2 3 4 5\nB\n6 7 8 9 10\n",  // station on its own line
    };
    for (const auto& text : variants) {
        const auto l = read(text);
        ASSERT_EQ(l.jdCount, 2) << text;
        EXPECT_EQ(l.startStation, 10);
        EXPECT_EQ(l.jdName[1], "A");
        EXPECT_EQ(l.jdName[2], "B");
        EXPECT_EQ(l.jdX[1], 1);
        EXPECT_EQ(l.jdSpiralOut[2], 10);
    }
}

TEST(JdReader, BlankNameLineEndsTheTable)
{
    const auto l = read("S,0\nA\n1 2 0 0 0\nB\n3 4 0 0 0\nC\n5 6 0 0 0\n\nD\n7 8 0 0 0\n");
    EXPECT_EQ(l.jdCount, 3);
    EXPECT_EQ(read("S,0\n").jdCount, 0);
    EXPECT_EQ(read("S,0\n\nA\n1 2 0 0 0\n").jdCount, 0);
}

TEST(JdReader, NamesKeepTheirBytes)
{
    const std::string gbk = "\xBD\xBB\xB5\xE3"
                            "5";  // "交点5" in GBK
    const std::string utf8 = "\xE4\xBA\xA4\xE7\x82\xB9"
                             "6";  // "交点6" in UTF-8
    const auto l = read("S,0\n" + gbk + "\n1 2 0 0 0\n" + utf8 + "\n3 4 0 0 0\n");
    EXPECT_EQ(l.jdName[1], gbk);
    EXPECT_EQ(l.jdName[2], utf8);
}

TEST(JdReader, HairpinFlagsFromTheName)
{
    struct Case {
        std::string name;
        bool hairpin, inForward, outForward;
    };
    const Case cases[] = {
        {"JD5", false, false, false},
        {"ht", true, false, false},
        {"JDHT10", true, true, false},
        {"HT11", true, true, true},
        {"JD11", false, false, false},
        {"hT01", true, false, true},
        {"JD7HT", true, false, false},
        {"H", false, false, false},
        {"T", false, false, false},
        // GBK: the second byte of 0xB5 0x48 looks like 'H' but is not a character.
        {"\xB5\x48T11", false, false, false},
        // A two-byte character between the flags and the end: "HT1交".
        {"HT1\xBD\xBB", true, true, false},
        {"HT\xE4\xBA\xA4"
         "1",
         true, false, true},  // UTF-8 "HT交1"
    };
    for (const auto& c : cases) {
        const auto f = vomel::hairpinFlags(c.name);
        EXPECT_EQ(f.isHairpin, c.hairpin) << c.name;
        EXPECT_EQ(f.inForward, c.inForward) << c.name;
        EXPECT_EQ(f.outForward, c.outForward) << c.name;
    }
    const auto l = read("S,0\nA\n0 0 0 0 0\nJDht11\n1 1 5 0 0\nZ\n2 0 0 0 0\n");
    EXPECT_EQ(l.jdIsHairpin[2], 1.0);
    EXPECT_EQ(l.jdHairpinInForward[2], 1.0);
    EXPECT_EQ(l.jdHairpinOutForward[2], 1.0);
    EXPECT_EQ(l.jdIsHairpin[1], 0.0);
}

TEST(JdReader, MalformedFilesFailAtTheirLine)
{
    struct Case {
        std::string text;
        long line;
        std::string reason;
    };
    const Case cases[] = {
        {"", 1, "the file is empty: the header line with the start station is missing"},
        {"START\r\n", 2, "the file ends before the start station"},
        {"START,\n", 1, "the start station is missing"},
        {"START,12x\n", 1, "field 1 is not a number: \"12x\""},
        {"S,0\nQD\n1 2 0 0 0\nJD1\n", 5, "the file ends after the name \"JD1\": its data line is missing"},
        {"S,0\nQD\n1 2a 0 0 0\n", 3, "field 2 is not a number: \"2a\""},
        {"S,0\nQD\n1 2 0 0\n", 3,
         "the data line of \"QD\" has 4 numbers; expected 5 (X Y R Ls1 Ls2) or 7 (... RA1 RA2)"},
        {"S,0\nQD\n1 2 0 0 0 0\n", 3,
         "the data line of \"QD\" has 6 numbers; expected 5 (X Y R Ls1 Ls2) or 7 (... RA1 RA2)"},
        {"S,0\nQD\n\nJD1\n1 2 0 0 0\n", 3,
         "the data line of \"QD\" has 0 numbers; expected 5 (X Y R Ls1 Ls2) or 7 (... RA1 RA2)"},
        {"S,0\nQD\n1 2 0 0 0 0 inf\n", 3, "field 7 is not a number: \"inf\""},
    };
    for (const auto& c : cases) {
        const auto f = vomel::testing::expectFailure<vomel::FormatFailure>([&] { read(c.text); });
        EXPECT_EQ(f.line(), c.line) << c.text;
        EXPECT_EQ(f.reason(), c.reason) << c.text;
    }
}

TEST(JdReader, ThousandRowsFitAndTheNextFails)
{
    std::string text = "S,0\n";
    for (int k = 1; k <= vomel::JD_CAPACITY; ++k)
        text += "JD" + std::to_string(k) + "\n" + std::to_string(k) + " 0 0 0 0\n";
    EXPECT_EQ(read(text).jdCount, vomel::JD_CAPACITY);
    text += "JD1001\n1001 0 0 0 0\n";
    const auto f = vomel::testing::expectFailure<vomel::FormatFailure>([&] { read(text); });
    EXPECT_EQ(f.line(), 2 * vomel::JD_CAPACITY + 2);
    EXPECT_EQ(f.reason(), "more than 1000 intersection points: the table is full");
}

TEST(JdReader, FailureLeavesThePreviousTableWhole)
{
    vomel::MainLine line;
    std::istringstream good("S,5\nA\n1 2 3 4 5\nB\n6 7 8 9 10\n");
    vomel::readJdFile(good, line);
    std::istringstream bad("S,99\nX\n9 9 9 9 9\nY\n9 9 oops 9 9\n");
    EXPECT_THROW(vomel::readJdFile(bad, line), vomel::FormatFailure);
    EXPECT_EQ(line.jdCount, 2);
    EXPECT_EQ(line.startStation, 5);
    EXPECT_EQ(line.jdName[1], "A");
    EXPECT_EQ(line.jdX[1], 1);
}

}  // namespace
