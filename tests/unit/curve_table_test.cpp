// The curve table: the prepared values of each intersection point and
// element, checked against closed-form curves; angles in degrees, minutes
// and seconds; text and CSV layout.
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>

#include <gtest/gtest.h>

#include "session/curve_table.h"
#include "session/session.h"
#include "testing/scratch_folder.h"

namespace {

constexpr double PI = std::numbers::pi;
// Computed lengths are shown with 4 decimals: half a unit of the last one.
constexpr double kLengthTolerance = 5e-5;

double cell(const vomel::CurveTable& table, std::size_t row, const std::string& column)
{
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        if (table.columns[c] == column) {
            const std::string text = table.rows.at(row).at(c);
            // Stations may carry a chain letter.
            return std::stod(text.substr(std::isalpha(static_cast<unsigned char>(text[0])) ? 1 : 0));
        }
    }
    ADD_FAILURE() << "no column " << column;
    return 0.0;
}

std::string text(const vomel::CurveTable& table, std::size_t row, const std::string& column)
{
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        if (table.columns[c] == column) return table.rows.at(row).at(c);
    }
    return "?";
}

// Two curves turning 60° right and then 60° left from sides 200 m and more
// long: a plain arc R 100, then R 300 with complete spirals of 60 m.
TEST(CurveTable, MainLineAgainstClosedForms)
{
    const vomel::testing::ScratchFolder scratch;
    auto exact = [](double v) {
        char text[40];
        std::snprintf(text, sizeof text, "%.17g", v);
        return std::string(text);
    };
    const double x2 = 200 + 400 * std::cos(PI / 3);
    const double y2 = 400 * std::sin(PI / 3);
    std::string jd = "START,1000\r\nQD\r\n0 0 0 0 0\r\nJD1\r\n200 0 100 0 0\r\nJD2\r\n";
    jd += exact(x2) + " " + exact(y2) + " 300 60 60\r\nZD\r\n" + exact(x2 + 300) + " " + exact(y2) + " 0 0 0\r\n";
    const std::string jdFile = scratch.write("line.jdx", jd);
    const std::string dlFile = scratch.write("line.dl", "1300 1250\r\n");
    const auto line = vomel::initialiseAlignment(vomel::Method::IntersectionPoint, jdFile, dlFile);
    const vomel::CurveTable table = vomel::curveTable(*line);
    ASSERT_EQ(table.rows.size(), 4u);

    // Plain arc: T = R tan(α/2), L = R α, E = R (sec(α/2) - 1).
    const double alpha = PI / 3;
    const double t1 = 100 * std::tan(alpha / 2);
    EXPECT_EQ(text(table, 1, "name"), "JD1");
    EXPECT_EQ(text(table, 1, "deflection"), "60°00'00.0000\"");
    EXPECT_NEAR(cell(table, 1, "deflection_rad"), alpha, 5e-11);  // 10 decimals
    EXPECT_NEAR(cell(table, 1, "T1"), t1, kLengthTolerance);
    EXPECT_NEAR(cell(table, 1, "T2"), t1, kLengthTolerance);
    EXPECT_NEAR(cell(table, 1, "L"), 100 * alpha, kLengthTolerance);
    EXPECT_NEAR(cell(table, 1, "E"), 100 * (1 / std::cos(alpha / 2) - 1), kLengthTolerance);
    EXPECT_NEAR(cell(table, 1, "ZH"), 1000 + 200 - t1, 1e-3);
    EXPECT_EQ(text(table, 1, "ZH"), text(table, 1, "HY"));  // no entry spiral
    EXPECT_NEAR(cell(table, 1, "QZ"), 1000 + 200 - t1 + 50 * alpha, 1e-3);
    EXPECT_EQ(text(table, 1, "ZH").front(), 'A');

    // Complete spirals: shift p and E = (R + p) sec(α/2) - R, L = R α + Ls.
    const double r = 300;
    const double ls = 60;
    const double p =
        ls * ls / (24 * r) - std::pow(ls, 4) / (2688 * std::pow(r, 3)) + std::pow(ls, 6) / (506880 * std::pow(r, 5));
    EXPECT_EQ(text(table, 2, "deflection"), "-60°00'00.0000\"");
    EXPECT_NEAR(cell(table, 2, "R"), r, 0);
    EXPECT_NEAR(cell(table, 2, "Ls1"), ls, 0);
    EXPECT_NEAR(cell(table, 2, "L"), r * alpha + ls, kLengthTolerance);
    EXPECT_NEAR(cell(table, 2, "E"), (r + p) / std::cos(alpha / 2) - r, kLengthTolerance);
    EXPECT_NEAR(cell(table, 2, "HY") - cell(table, 2, "ZH"), ls, 1e-3);
    // The short chain at 1300 -> 1250 lies before this curve: letter B.
    EXPECT_EQ(text(table, 2, "HZ").front(), 'B');

    // Start and end rows: their stations only.
    EXPECT_EQ(text(table, 0, "ZH"), "A1000.000");
    EXPECT_EQ(text(table, 0, "R"), "");
    EXPECT_NEAR(cell(table, 3, "ZH"), line->endStation - 50, 1e-3);  // stated after the 50 m short chain
}

TEST(CurveTable, ElementChainNodesAndElements)
{
    const vomel::testing::ScratchFolder scratch;
    const std::string file =
        scratch.write("ramp.ele", "100 0 0 0\r\n9999 9999 50\r\n-200 -200 100\r\n9999 400 120\r\n");
    const auto ramp = vomel::initialiseAlignment(vomel::Method::Element, file);
    const vomel::CurveTable table = vomel::curveTable(*ramp);
    ASSERT_EQ(table.rows.size(), 7u);  // 4 nodes, 3 elements
    const char* items[] = {"node 1", "element 1", "node 2", "element 2", "node 3", "element 3", "node 4"};
    const char* kinds[] = {"", "straight", "", "arc", "", "entry spiral", ""};
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(text(table, i, "item"), items[i]);
        EXPECT_EQ(text(table, i, "kind"), kinds[i]);
    }
    EXPECT_EQ(text(table, 2, "station"), "150.000");  // no chain letter on a ramp
    EXPECT_NEAR(cell(table, 2, "X"), 50, 1e-9);
    EXPECT_NEAR(cell(table, 3, "R1"), -200, 0);
    // The arc turns left by 0.5 rad: the azimuth wraps below 2π.
    EXPECT_NEAR(cell(table, 4, "azimuth_rad"), 2 * PI - 0.5, 5e-11);  // 10 decimals
    EXPECT_EQ(text(table, 4, "azimuth"), "331°21'07.5969\"");  // 360° - 0.5 rad
}

TEST(AngleDms, RoundingCarriesThroughMinutesAndDegrees)
{
    const double second = PI / 180 / 3600;
    struct Case {
        double radians;
        const char* text;
    };
    const Case cases[] = {
        {0.0, "0°00'00.0000\""},
        {PI / 3, "60°00'00.0000\""},
        {-(45 * 3600 + 30 * 60 + 15.25) * second, "-45°30'15.2500\""},
        {(59 * 60 + 59.99999) * second, "1°00'00.0000\""},
        {-0.00001 * second, "0°00'00.0000\""},
        {(200 * 3600 + 5.5) * second, "200°00'05.5000\""},
    };
    for (const Case& c : cases) EXPECT_EQ(vomel::angleDms(c.radians), c.text) << c.radians;
}

TEST(CurveTableLayout, TextColumnsAndCsvQuoting)
{
    vomel::CurveTable table;
    table.columns = {"name", "R"};
    table.rows = {{"JD1", "500"},
                  {"交点,2", "1200.5"},
                  {"say \"x\"", ""},
                  {"\xBD\xBB\xB5\xE3"
                   "3",
                   "90"}};
    EXPECT_EQ(vomel::curveTableCsv(table), "name,R\r\nJD1,500\r\n\"交点,2\",1200.5\r\n\"say \"\"x\"\"\",\r\n"
                                           "\xBD\xBB\xB5\xE3"
                                           "3,90\r\n");
    // Chinese characters take two columns, in UTF-8 ("交点,2" is 6 columns
    // wide) as in GBK (the bytes of "交点3" are 5 columns wide).
    EXPECT_EQ(vomel::curveTableText(table), "name     R\nJD1      500\n交点,2   1200.5\nsay \"x\"\n"
                                            "\xBD\xBB\xB5\xE3"
                                            "3    90\n");
}

}  // namespace
