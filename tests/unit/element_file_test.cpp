// The element file: what it reads, and every way it can fail, with the
// reason and the line or element the user is told about.
#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <typeinfo>

#include <gtest/gtest.h>

#include "core/angles.h"
#include "core/failure.h"
#include "formats/element_file.h"
#include "testing/element_chain_support.h"
#include "text/packed_angle.h"

namespace {

using vomel::INFINITE_RADIUS;

std::unique_ptr<vomel::ElementChain> readOnly(const std::string& text)
{
    auto chain = std::make_unique<vomel::ElementChain>();
    std::istringstream in(text);
    vomel::readElementFile(in, *chain);
    return chain;
}

std::string repeatedLines(const std::string& line, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) text += line;
    return text;
}

TEST(ElementFile, ReadsStartValuesAndRows)
{
    struct Case {
        const char* name;
        std::string text;
        int rows;
    };
    const Case cases[] = {
        {"blanks, CR LF", "12.5 1000 2000 37.2512\r\n600 -400 90\r\n", 1},
        {"commas", "12.5,1000,2000,37.2512\n600 -400 90\n", 1},
        {"start values over two lines", "12.5, 1000\r\n2000 37.2512\r\n600 -400 90\r\n", 1},
        {"a fourth field is ignored", "12.5 1000 2000 37.2512\n600 -400 90 ramp-A\n", 1},
        {"tabs and runs of blanks", "12.5\t1000  2000   37.2512\n \t600\t\t-400    90  \n", 1},
        {"a blank line ends the list", "12.5 1000 2000 37.2512\n600 -400 90\n\n9999 9999 5\n", 1},
        {"the start line only", "12.5 1000 2000 37.2512\r\n", 0},
        {"the start line without an end", "12.5 1000 2000 37.2512", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto chain = readOnly(c.text);
        EXPECT_EQ(chain->chainStartStation, 12.5);
        EXPECT_EQ(chain->chainStartX, 1000.0);
        EXPECT_EQ(chain->chainStartY, 2000.0);
        // Packed 37°25'12" held in radians once read.
        EXPECT_EQ(chain->chainStartAzimuth, (37.0 + 25.0 / 60 + 12.0 / 3600) * vomel::PI / 180.0);
        ASSERT_EQ(chain->rowCount, c.rows);
        if (c.rows == 1) {
            EXPECT_EQ(chain->rowStartRadius[1], 600.0);
            EXPECT_EQ(chain->rowEndRadius[1], -400.0);
            EXPECT_EQ(chain->rowLength[1], 90.0);
        }
    }
}

TEST(ElementFile, StartLineOnlyIsTheStartTangent)
{
    const auto chain = vomel::testing::prepareFromText("100 10 20 90\r\n");
    EXPECT_EQ(chain->elementCount, 0);
    EXPECT_EQ(vomel::testing::endStation(*chain), 100.0);
    const vomel::Point p = vomel::elementChainPointAt(*chain, 130.0);
    EXPECT_NEAR(p.x, 10.0, 1e-12);
    EXPECT_NEAR(p.y, 50.0, 1e-12);
}

TEST(ElementFile, EveryFailureSaysWhatAndWhere)
{
    const std::string start = "0 0 0 0\n";
    struct Case {
        const char* name;
        std::string text;
        const std::type_info& type;
        std::string reason;
        long line;  // 0: the reason names the element
    };
    const Case cases[] = {
        {"non-numeric element field", start + "9999 9999 12\n9999 9999 1x0\n", typeid(vomel::FormatFailure),
         "field 3 is not a number: \"1x0\"", 3},
        {"non-numeric start value", "0, 10, north, 0\n", typeid(vomel::FormatFailure),
         "field 3 is not a number: \"north\"", 1},
        {"too few start values", "0, 10\r\n20\r\n", typeid(vomel::FormatFailure),
         "start line: 3 of the four numbers (station, X, Y, azimuth) before the end of the file", 2},
        {"empty file", "", typeid(vomel::FormatFailure),
         "start line: 0 of the four numbers (station, X, Y, azimuth) before the end of the file", 1},
        {"element line with two fields", start + "9999 9999 12\n600 -400\n", typeid(vomel::FormatFailure),
         "element line has 2 fields; start radius, end radius and length are needed", 3},
        {"a 1001st element line", start + repeatedLines("9999 9999 1\n", 1001), typeid(vomel::FormatFailure),
         "more than 1000 element lines", 1002},
        {"more than 1000 rows after splitting",
         start + repeatedLines("9999 9999 1\n", 997) + "300 -600 90\n-300 600 90\n", typeid(vomel::FormatFailure),
         "1001 elements after splitting 2 reverse spirals; at most 1000 rows are allowed", 0},
        {"1000 elements", start + repeatedLines("9999 9999 1\n", 1000), typeid(vomel::FormatFailure),
         "1000 elements; a chain holds at most 999", 0},
        {"arc of radius 0", start + "9999 9999 5\n0 0 10\n", typeid(vomel::FormatFailure), "element 2: radius is 0", 0},
        {"entry spiral to radius 0", start + "9999 0 10\n", typeid(vomel::FormatFailure), "element 1: radius is 0", 0},
        {"exit spiral from radius 0", start + "0 9999 10\n", typeid(vomel::FormatFailure), "element 1: radius is 0", 0},
        {"partial spiral from radius 0", start + "9999 9999 1\n9999 9999 1\n0 300 10\n", typeid(vomel::FormatFailure),
         "element 3: radius is 0", 0},
        {"partial spiral of length 0", start + "300 600 0\n", typeid(vomel::FormatFailure),
         "element 1: partial spiral constant is 0 (length 0)", 0},
        {"negative length", start + "9999 9999 -20\n", typeid(vomel::FormatFailure),
         "element 1: length -20.000000 is negative", 0},
        {"partial spiral turning a million radians", start + "3 .00005 101\n", typeid(vomel::FormatFailure),
         "element 1: the partial spiral turns through 1010016.83333333 rad; at most 25.1327412287183 (four full "
         "turns) are accepted",
         0},
        {"start azimuth out of range", "0 0 0 214749\n", typeid(vomel::FormatFailure),
         "field 4, the start azimuth, is 214749 degrees or more: \"214749\"", 1},
        {"start azimuth near the double range", "0 0 0\n-1.7e308\n", typeid(vomel::FormatFailure),
         "field 1, the start azimuth, is 214749 degrees or more: \"-1.7e308\"", 2},
        {"a spiral beyond any road", start + "9999 1 400\n", typeid(vomel::GeometryFailure),
         "element 1: series of spiral point x does not converge", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            vomel::testing::prepareFromText(c.text);
            ADD_FAILURE() << "accepted";
        } catch (const vomel::Failure& failure) {
            EXPECT_EQ(typeid(failure), c.type);
            EXPECT_EQ(failure.reason(), c.reason);
            EXPECT_EQ(failure.line(), c.line);
        }
    }
}

TEST(ElementFile, FailuresLeaveTheChainAsItWas)
{
    auto chain = vomel::testing::prepareFromText("7 1 2 45\n9999 300 60\n300 300 40\n");
    const vomel::ElementChain before = *chain;

    std::istringstream badFile("0 0 0 0\n9999 9999 10\n600 -400\n");
    EXPECT_THROW(vomel::readElementFile(badFile, *chain), vomel::FormatFailure);

    vomel::ElementChain badGeometry = *chain;
    badGeometry.elementCount = 3;
    badGeometry.elementStartRadius[3] = 0.0;
    badGeometry.elementEndRadius[3] = 0.0;
    badGeometry.elementLength[3] = 5.0;
    badGeometry.chainStartAzimuth = 0.75;
    EXPECT_THROW(vomel::prepareElementChain(badGeometry), vomel::FormatFailure);

    EXPECT_EQ(chain->rowCount, before.rowCount);
    EXPECT_EQ(chain->chainStartStation, before.chainStartStation);
    EXPECT_EQ(chain->rowLength, before.rowLength);
    EXPECT_EQ(badGeometry.chainStartAzimuth, 0.75);
    EXPECT_EQ(badGeometry.nodeX, before.nodeX);
    EXPECT_EQ(badGeometry.nodeAzimuth, before.nodeAzimuth);
}

TEST(ElementFile, NotFiniteStationFails)
{
    const auto chain = vomel::testing::prepareFromText("0 0 0 0\n9999 9999 10\n");
    EXPECT_THROW(vomel::elementChainPointAt(*chain, std::nan("")), vomel::GeometryFailure);
    EXPECT_THROW(vomel::elementChainPointAt(*chain, HUGE_VAL), vomel::GeometryFailure);
}

}  // namespace

TEST(ElementFile, PartialSpiralWithinFourTurnsIsPrepared)
{
    // 0.5 × (1/10 + 1/5) × 160 = 24 rad, just under four full turns: every
    // point of it is found by quadrature, finite, and no farther from the
    // start than its length.
    const auto chain = vomel::testing::prepareFromText("0 0 0 0\n10 5 160\n");
    ASSERT_EQ(chain->elementCount, 1);
    for (const double station : {0.0, 1.0, 80.0, 159.5, 160.0}) {
        const vomel::Point p = vomel::elementChainPointAt(*chain, station);
        ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << station;
        EXPECT_LE(std::hypot(p.x, p.y), station + 1e-9) << station;
    }
}
