// The interchange line against independently computed points: exact
// clothoid geometry, and published alignment test data (one element each,
// a point every metre).
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "testing/element_chain_support.h"

namespace {

constexpr double kReferenceTolerance = 1e-6;  // metres

struct ForwardRow {
    double station;
    double x;
    double y;
};

std::vector<ForwardRow> readForwardCsv(const std::string& path)
{
    std::ifstream in(path);
    EXPECT_TRUE(in) << path;
    std::vector<ForwardRow> rows;
    std::string line;
    std::getline(in, line);  // header: station,x,y
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        std::istringstream fields(line);
        ForwardRow row{};
        char comma = 0;
        fields >> row.station >> comma >> row.x >> comma >> row.y;
        EXPECT_FALSE(fields.fail()) << path << ": " << line;
        rows.push_back(row);
    }
    return rows;
}

TEST(InterchangeReference, EveryForwardPointWithinAMicrometre)
{
    const char* cases[] = {"ele01_basic", "irt_arc_p300", "irt_clothoid_inf_300",
                           "irt_clothoid_300_1000", "irt_clothoid_m300_minf"};
    double largest = 0.0;
    std::string largestAt;
    std::size_t compared = 0;
    for (const std::string name : cases) {
        const std::string base = std::string(VOMEL_TEST_DATA_DIR) + "/" + name;
        std::ifstream ele(base + ".ele", std::ios::binary);
        ASSERT_TRUE(ele) << base;
        const auto chain = chain_support::prepareFrom(ele);
        const auto rows = readForwardCsv(base + ".forward.csv");
        ASSERT_GT(rows.size(), 10u) << name;
        for (const ForwardRow& row : rows) {
            const vomel::Point p = vomel::ramp::interchangeStationToXY(*chain, row.station);
            const double error = std::hypot(p.x - row.x, p.y - row.y);
            if (error > largest) {
                largest = error;
                largestAt = name + " at station " + std::to_string(row.station);
            }
            ++compared;
        }
    }
    EXPECT_LT(largest, kReferenceTolerance) << "largest error " << largest << " m, " << largestAt;
    std::cout << "[ reference ] " << compared << " points, largest error " << largest << " m ("
              << largestAt << ")\n";
}

}  // namespace
