// The whole chain against independently computed feet: initialise from the
// files, solve every surveyed point, convert to stated stations and letters,
// and run a coordinate file into a results file.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "session/session.h"
#include "testing/reference_files.h"

namespace {

constexpr double kOffsetTolerance = 1e-6;  // metres, offsets and feet
// A search on distances alone resolves the station of an off-line point to
// about sqrt(2 * offset * distance rounding).
constexpr double kStationTolerance = 2e-4;  // metres

struct ReferenceCase {
    const char* name;
    vomel::Method method;
    const char* alignmentFile;
    const char* chainBreakFile;  // "" for none
};

const std::vector<ReferenceCase> kCases = {
    {"jd02_spiral_sym", vomel::Method::IntersectionPoint, "jd02_spiral_sym.jdx", "jd02_spiral_sym.dl"},
    {"jd04_incomplete", vomel::Method::IntersectionPoint, "jd04_incomplete.jdx", "jd04_incomplete.dl"},
    {"ele01_basic", vomel::Method::Element, "ele01_basic.ele", ""},
};

std::string dataFile(const std::string& name)
{
    return name.empty() ? name : std::string(VOMEL_TEST_DATA_DIR) + "/" + name;
}

TEST(SessionReference, EveryPointWithinToleranceOfItsIndependentFoot)
{
    for (const auto& c : kCases) {
        const auto alignment =
            vomel::initialiseAlignment(c.method, dataFile(c.alignmentFile), dataFile(c.chainBreakFile));
        std::ifstream xy(dataFile(std::string(c.name) + ".xy"), std::ios::binary);
        const auto points = vomel::readCoordinateFile(xy);
        const auto expected = vomel::testing::readExpectedCsv(dataFile(std::string(c.name) + ".expected.csv"));
        ASSERT_EQ(points.size(), expected.size()) << c.name;

        double worstStation = 0, worstOffset = 0, worstFoot = 0;
        std::string worstStationAt, worstOffsetAt;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const auto& e = expected[i];
            ASSERT_EQ(points[i].label, e.label) << c.name;
            const auto s = vomel::solvePoint(
                alignment->samples, [&](double st) { return alignment->pointAt(st); }, points[i].x, points[i].y);
            const double es = std::fabs(s.station - e.station);
            const double eo = std::fabs(s.offset - e.offset);
            const double ef = std::hypot(s.footX - e.footX, s.footY - e.footY);
            if (es > worstStation) worstStationAt = e.label;
            if (eo > worstOffset) worstOffsetAt = e.label;
            worstStation = std::max(worstStation, es);
            worstOffset = std::max(worstOffset, eo);
            worstFoot = std::max(worstFoot, ef);

            const auto stated = vomel::chainStationLetter(alignment->chainBreaks(), s.station);
            EXPECT_EQ(stated.letter, e.letter) << c.name << " " << e.label;
            EXPECT_NEAR(stated.stated, e.stated, kStationTolerance) << c.name << " " << e.label;
        }
        EXPECT_LT(worstStation, kStationTolerance) << c.name << " at " << worstStationAt;
        EXPECT_LT(worstOffset, kOffsetTolerance) << c.name << " at " << worstOffsetAt;
        // The foot moves along the line with the station error.
        EXPECT_LT(worstFoot, kStationTolerance) << c.name;
        std::cout << "[ reference ] " << c.name << ": " << points.size() << " points, largest station error "
                  << worstStation << " m (" << worstStationAt << "), offset " << worstOffset << " m (" << worstOffsetAt
                  << "), foot " << worstFoot << " m\n";
    }
}

// The results file read back: one line per point, the letter column only
// with chain breaks, numbers that agree with the independent answers.
TEST(SessionReference, ResultsFileAgreesWithTheIndependentAnswers)
{
    const auto results = std::filesystem::temp_directory_path() / "vomel-session-reference.txt";
    for (const auto& c : kCases) {
        const auto alignment =
            vomel::initialiseAlignment(c.method, dataFile(c.alignmentFile), dataFile(c.chainBreakFile));
        long lastProgress = 0, progressCount = 0;
        vomel::computeFileRun(*alignment, dataFile(std::string(c.name) + ".xy"), results.string(),
                              vomel::HeaderEncoding::Utf8, [&](long i, long count) {
                                  EXPECT_EQ(i, lastProgress + 1);
                                  lastProgress = i;
                                  progressCount = count;
                              });
        const auto expected = vomel::testing::readExpectedCsv(dataFile(std::string(c.name) + ".expected.csv"));
        EXPECT_EQ(progressCount, static_cast<long>(expected.size()));

        std::ifstream in(results, std::ios::binary);
        std::string line;
        ASSERT_TRUE(std::getline(in, line));
        EXPECT_EQ(line.find("断链标识") != std::string::npos, alignment->hasChainBreaks()) << c.name;
        std::size_t row = 0;
        while (std::getline(in, line)) {
            ASSERT_LT(row, expected.size()) << c.name;
            ASSERT_EQ(line.back(), '\r') << c.name;
            const auto& e = expected[row++];
            std::istringstream fields(line);
            std::string label, letter = "A";
            double x, y, stated, offset, footX, footY, elevation;
            fields >> label >> x >> y;
            if (alignment->hasChainBreaks()) fields >> letter;
            fields >> stated >> offset >> footX >> footY >> elevation;
            ASSERT_FALSE(fields.fail()) << c.name << ": " << line;
            EXPECT_EQ(label, e.label);
            EXPECT_EQ(letter, std::string(1, e.letter)) << c.name << " " << label;
            EXPECT_NEAR(stated, e.stated, kStationTolerance) << c.name << " " << label;
            EXPECT_NEAR(offset, e.offset, kOffsetTolerance) << c.name << " " << label;
            EXPECT_NEAR(footX, e.footX, kStationTolerance) << c.name << " " << label;
            EXPECT_NEAR(footY, e.footY, kStationTolerance) << c.name << " " << label;
        }
        EXPECT_EQ(row, expected.size()) << c.name;
    }
    std::filesystem::remove(results);
}

}  // namespace
