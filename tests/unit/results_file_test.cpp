// Results-file lines byte for byte.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/failure.h"
#include "formats/results_file.h"

namespace {

const std::string kGbkHeaderHead =
    "\xbc\xc6\xcb\xe3\xb5\xe3\xb1\xea\xca\xb6\x20\xbc\xc6\xcb\xe3\xb5\xe3\xd7\xf8\xb1\xea\x58\x20"
    "\xbc\xc6\xcb\xe3\xb5\xe3\xd7\xf8\xb1\xea\x59\x20";
const std::string kGbkChainBreakItem = "\xb6\xcf\xc1\xb4\xb1\xea\xca\xb6\x20";
const std::string kGbkHeaderTail =
    "\xbc\xc6\xcb\xe3\xb5\xe3\xb6\xd4\xd3\xa6\xc9\xe8\xbc\xc6\xcf\xdf\xd7\xae\xba\xc5\x20"
    "\xbc\xc6\xcb\xe3\xb5\xe3\xb5\xbd\xc9\xe8\xbc\xc6\xcf\xdf\xbe\xe0\xc0\xeb\x28\xd7\xf3\xd5\xfd\xd3\xd2"
    "\xb8\xba\x29\x20\xb4\xb9\xd6\xb1\xb5\xe3\xd7\xf8\xb1\xea\x58\x20\xb4\xb9\xd6\xb1\xb5\xe3\xd7\xf8"
    "\xb1\xea\x59\x20\xb8\xdf\xb3\xcc";

TEST(ResultsHeader, GbkAndUtf8WithAndWithoutChainBreaks)
{
    using vomel::HeaderEncoding;
    EXPECT_EQ(vomel::resultsHeader(true, HeaderEncoding::Gbk),
              kGbkHeaderHead + kGbkChainBreakItem + kGbkHeaderTail + "\r\n");
    EXPECT_EQ(vomel::resultsHeader(false, HeaderEncoding::Gbk), kGbkHeaderHead + kGbkHeaderTail + "\r\n");
    EXPECT_EQ(vomel::resultsHeader(false, HeaderEncoding::Utf8),
              "计算点标识 计算点坐标X 计算点坐标Y 计算点对应设计线桩号 计算点到设计线距离(左正右负) "
              "垂直点坐标X 垂直点坐标Y 高程\r\n");
    EXPECT_EQ(vomel::resultsHeader(true, HeaderEncoding::Utf8),
              "计算点标识 计算点坐标X 计算点坐标Y 断链标识 计算点对应设计线桩号 计算点到设计线距离(左正右负) "
              "垂直点坐标X 垂直点坐标Y 高程\r\n");
}

vomel::ChainBreaks noBreaks() { return {}; }

vomel::ChainBreaks oneShortChain()
{
    vomel::ChainBreaks b;
    b.chainBreakCount = 1;
    b.breakBackStation[1] = 100;
    b.breakAheadStation[1] = 150;
    return b;
}

TEST(ResultsDataLine, ByteForByte)
{
    struct Case {
        const char* name;
        vomel::SurveyPoint point;
        vomel::Solution solution;
        vomel::ChainBreaks breaks;
        std::string line;
    };
    const std::vector<Case> cases = {
        {"the P7 line",
         {"P7", 350.25, 800.5, 0, 1},
         {123.5678, -2.25, 349.1, 801.75},
         noBreaks(),
         "P7 350.25  800.5  123.5678 -2.25  349.1  801.75  0 \r\n"},
        {"negative X after the label gets a blank",
         {"P1", -5.6, 2, 1.5, 1},
         {10, 1, 0, 0},
         noBreaks(),
         "P1 -5.6  2  10  1  0  0  1.5 \r\n"},
        {"negative station after the letter gets a blank",
         {"Q", 1, -2, 0, 1},
         {-12.5, -0.5, -3, 4},
         oneShortChain(),
         "Q 1 -2 A -12.5 -0.5 -3  4  0 \r\n"},
        {"letter and stated station after a break",
         {"Q", 1, 2, 0, 1},
         {120.5, 3, 1, 2},
         oneShortChain(),
         "Q 1  2 B 170.5  3  1  2  0 \r\n"},
        {"negative zero offset", {"Z", 1, 2, 0, 1}, {5, -0.0, 1, 2}, noBreaks(), "Z 1  2  5  0  1  2  0 \r\n"},
        {"GBK label copied unchanged",
         {"\xb2\xe2\xb5\xe3", 1, 2, 0, 1},
         {5, 0, 1, 2},
         noBreaks(),
         "\xb2\xe2\xb5\xe3 1  2  5  0  1  2  0 \r\n"},
        {"exponent forms",
         {"E", 1e15, 0.000015, 0, 1},
         {5, 1e-7, 1, 2},
         noBreaks(),
         "E 1E+15  1.5E-05  5  1E-07  1  2  0 \r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(vomel::resultsDataLine(c.point, c.solution, c.breaks), c.line) << c.name;
    }
}

TEST(ResultsDataLine, NonFiniteResultIsRefused)
{
    EXPECT_THROW(vomel::resultsDataLine({"P", 1, 2, 0, 1}, {NAN, 0, 0, 0}, noBreaks()), vomel::GeometryFailure);
}

}  // namespace
