// The shipped example main line prepares, and its surveyed points lie near it.
#include <cmath>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "alignment/main_line.h"
#include "formats/jd_reader.h"
#include "text/input_line.h"

namespace {

constexpr double kNearLine = 60.0;  // metres
constexpr double kSampleStep = 0.5;  // metres along the line

TEST(MainLineExample, PreparesAndItsPointsLieNearTheLine)
{
    std::ifstream jd(std::string(VOMEL_EXAMPLES_DIR) + "/mainline.jdx", std::ios::binary);
    ASSERT_TRUE(jd);
    vomel::MainLine line;
    vomel::readJdFile(jd, line);
    ASSERT_NO_THROW(vomel::computeCurveElements(line));
    EXPECT_GE(line.jdCount, 12);

    std::ifstream xy(std::string(VOMEL_EXAMPLES_DIR) + "/mainline.xy", std::ios::binary);
    ASSERT_TRUE(xy);
    vomel::LineReader reader(xy);
    std::string text;
    int points = 0;
    while (reader.next(text)) {
        const auto fields = vomel::normaliseLine(text);
        if (!fields) break;
        ASSERT_GE(fields->size(), 3u);
        const double x = vomel::parseNumberField((*fields)[1], reader.lineNumber(), 2);
        const double y = vomel::parseNumberField((*fields)[2], reader.lineNumber(), 3);
        double nearest = INFINITY;
        for (double s = line.jdStation[1]; s <= line.endStation(); s += kSampleStep) {
            const auto p = vomel::mainLineStationToXY(line, s);
            nearest = std::min(nearest, std::hypot(p.x - x, p.y - y));
        }
        EXPECT_LT(nearest, kNearLine) << "point " << (*fields)[0] << " on line " << reader.lineNumber();
        ++points;
    }
    EXPECT_GE(points, 25);
}

}  // namespace
