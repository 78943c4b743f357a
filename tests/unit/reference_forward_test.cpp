// Every reference line against points of it computed independently of the
// program's formulas (tests/data/README.md): the main lines' curves placed
// between their sides, the ramps' exact clothoids, and published single
// elements with a point every metre.
#include <cmath>
#include <iostream>
#include <string>

#include <gtest/gtest.h>

#include "session/session.h"
#include "testing/reference_files.h"

namespace {

constexpr double kReferenceTolerance = 1e-6;  // metres

struct ReferenceLine {
    const char* name;
    vomel::Method method;
    const char* file;  // in tests/data
};

const ReferenceLine kLines[] = {
    {"jd02_spiral_sym", vomel::Method::IntersectionPoint, "jd02_spiral_sym.jdx"},
    {"jd04_incomplete", vomel::Method::IntersectionPoint, "jd04_incomplete.jdx"},
    {"ele01_basic", vomel::Method::Element, "ele01_basic.ele"},
    {"irt_arc_p300", vomel::Method::Element, "irt_arc_p300.ele"},
    {"irt_clothoid_inf_300", vomel::Method::Element, "irt_clothoid_inf_300.ele"},
    {"irt_clothoid_300_1000", vomel::Method::Element, "irt_clothoid_300_1000.ele"},
    {"irt_clothoid_m300_minf", vomel::Method::Element, "irt_clothoid_m300_minf.ele"},
};

class ReferenceForward : public ::testing::TestWithParam<ReferenceLine> {};

TEST_P(ReferenceForward, EveryPointWithinAMicrometre)
{
    const ReferenceLine& c = GetParam();
    const std::string data = std::string(VOMEL_TEST_DATA_DIR) + "/";
    // Without a chain-break file: the forward points are at continuous stations.
    const auto alignment = vomel::initialiseAlignment(c.method, data + c.file);
    const auto rows = vomel::testing::readForwardCsv(data + c.name + ".forward.csv");
    ASSERT_GT(rows.size(), 40u);
    double largest = 0.0;
    double largestAt = 0.0;
    for (const auto& row : rows) {
        const vomel::Point p = alignment->pointAt(row.station);
        const double error = std::hypot(p.x - row.x, p.y - row.y);
        if (error > largest) {
            largest = error;
            largestAt = row.station;
        }
    }
    EXPECT_LT(largest, kReferenceTolerance) << "largest error " << largest << " m at station " << largestAt;
    std::cout << "[ reference ] " << c.name << ": " << rows.size() << " stations, largest error " << largest
              << " m at station " << largestAt << "\n";
}

INSTANTIATE_TEST_SUITE_P(Lines, ReferenceForward, ::testing::ValuesIn(kLines),
                         [](const ::testing::TestParamInfo<ReferenceLine>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
