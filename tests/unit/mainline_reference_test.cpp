// The main line against points of the design line computed independently
// (exact clothoids integrated numerically, curves placed between the sides).
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "formats/jd_reader.h"
#include "alignment/main_line.h"

namespace {

constexpr double kReferenceTolerance = 1e-6;  // metres

struct ForwardSample {
    double station, x, y;
};

std::vector<ForwardSample> readForwardCsv(const std::string& path)
{
    std::ifstream in(path);
    EXPECT_TRUE(in) << path;
    std::vector<ForwardSample> samples;
    std::string line;
    std::getline(in, line);  // header
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        std::istringstream fields(line);
        ForwardSample s{};
        char comma = 0;
        fields >> s.station >> comma >> s.x >> comma >> s.y;
        samples.push_back(s);
    }
    return samples;
}

vomel::mainline::MainLine prepare(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    vomel::mainline::MainLine line;
    vomel::readJdFile(in, line);
    vomel::mainline::computeCurveElements(line);
    return line;
}

TEST(MainLineReference, ForwardPointsMatchIndependentComputation)
{
    for (const std::string name : {"jd02_spiral_sym", "jd04_incomplete"}) {
        const std::string base = std::string(VOMEL_TEST_DATA_DIR) + "/" + name;
        const vomel::mainline::MainLine line = prepare(base + ".jdx");
        const auto samples = readForwardCsv(base + ".forward.csv");
        ASSERT_GT(samples.size(), 40u) << name;
        double worst = 0.0, worstStation = 0.0;
        for (const auto& s : samples) {
            const vomel::Point p = vomel::mainline::mainLineStationToXY(line, s.station);
            const double error = std::hypot(p.x - s.x, p.y - s.y);
            if (error > worst) {
                worst = error;
                worstStation = s.station;
            }
        }
        EXPECT_LT(worst, kReferenceTolerance) << name << ": largest error " << worst << " m at station "
                                              << worstStation;
        std::cout << "[ reference ] " << name << ": largest error " << worst << " m at station "
                  << worstStation << " over " << samples.size() << " stations\n";
    }
}

}  // namespace
