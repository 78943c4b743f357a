// The curve and element searches are binary searches over the key stations
// that choose what the plain scans choose: the first curve or element whose
// half-open interval holds the station.
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "alignment/element_chain.h"
#include "alignment/intersection_point_line.h"
#include "alignment/main_line.h"
#include "testing/generated_alignment.h"

namespace {

// The scan as the forward computation defines it.
int curveByScan(const vomel::MainLine& l, double s)
{
    for (int i = 2; i <= l.jdCount - 2; ++i) {
        if (l.zhStation[i] <= s && s < l.zhStation[i + 1]) return i;
    }
    return l.jdCount - 1;
}

int elementByScan(const vomel::ElementChain& c, double s)
{
    for (int k = 1; k <= c.elementCount; ++k) {
        if (c.nodeStation[k] <= s && s < c.nodeStation[k + 1]) return k;
    }
    return 0;
}

// Every key station, the doubles either side of it, and points between.
std::vector<double> probesAround(const std::vector<double>& keys)
{
    std::vector<double> probes;
    for (const double k : keys) {
        for (const double s : {k, std::nextafter(k, -1e300), std::nextafter(k, 1e300), k - 0.5, k + 0.5}) {
            probes.push_back(s);
        }
    }
    return probes;
}

vomel::MainLine curvesAt(const std::vector<double>& zh, bool ascending)
{
    vomel::MainLine l;
    l.jdCount = static_cast<int>(zh.size()) + 2;
    for (std::size_t i = 0; i < zh.size(); ++i) l.zhStation[i + 2] = zh[i];
    l.zhStationsAscending = ascending;
    return l;
}

TEST(CurveSearch, BinarySearchChoosesTheCurveOfTheScan)
{
    struct Case {
        const char* name;
        std::vector<double> zh;  // ZH stations of rows 2, 3, ...
    };
    const std::vector<Case> cases = {
        {"one curve", {100}},
        {"two curves", {100, 300}},
        {"ascending", {100, 250, 400, 900, 1200}},
        {"curves sharing a ZH station", {100, 250, 250, 250, 600, 600}},
        {"all at one station", {50, 50, 50}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const vomel::MainLine l = curvesAt(c.zh, true);
        for (const double s : probesAround(c.zh)) EXPECT_EQ(vomel::curveIndexAt(l, s), curveByScan(l, s)) << s;
    }
    // ZH stations out of order (overlapping curves): the scan is kept.
    const vomel::MainLine overlapping = curvesAt({100, 400, 300, 700}, false);
    for (const double s : probesAround({100, 400, 300, 700})) {
        EXPECT_EQ(vomel::curveIndexAt(overlapping, s), curveByScan(overlapping, s)) << s;
    }
}

TEST(CurveSearch, GeneratedLineAtEveryKeyStation)
{
    const auto alignment = vomel::testing::generatedMainLine({20'000.0, 3'500'000.0, 500'000.0, 9});
    const vomel::MainLine& l = dynamic_cast<const vomel::IntersectionPointLine&>(*alignment->line).table();
    ASSERT_TRUE(l.zhStationsAscending);
    std::vector<double> keys;
    for (int i = 2; i < l.jdCount; ++i) {
        for (const double s : {l.zhStation[i], l.hyStation[i], l.yhStation[i], l.hzStation[i]}) keys.push_back(s);
    }
    for (const double s : probesAround(keys)) EXPECT_EQ(vomel::curveIndexAt(l, s), curveByScan(l, s)) << s;
}

TEST(ElementSearch, BinarySearchChoosesTheElementOfTheScan)
{
    struct Case {
        const char* name;
        std::vector<double> nodes;  // node stations 1, 2, ...
    };
    const std::vector<Case> cases = {
        {"no elements", {0}},
        {"one element", {0, 100}},
        {"zero-length elements", {0, 100, 100, 100, 250, 250, 400}},
        {"zero-length first and last", {10, 10, 60, 60}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto chain = std::make_unique<vomel::ElementChain>();
        chain->elementCount = static_cast<int>(c.nodes.size()) - 1;
        for (std::size_t i = 0; i < c.nodes.size(); ++i) chain->nodeStation[i + 1] = c.nodes[i];
        for (const double s : probesAround(c.nodes)) {
            EXPECT_EQ(vomel::elementIndexAt(*chain, s), elementByScan(*chain, s)) << s;
        }
    }
}

}  // namespace
