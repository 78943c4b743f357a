// The sample index finds the very sample of the full scan: the nearest,
// and the lowest index among samples at exactly the same distance.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "core/failure.h"
#include "solver/sample_index.h"
#include "testing/generated_lines.h"

namespace {

struct IndexCase {
    const char* name;
    double start, end;
    vomel::PointFunction line;
};

double triangleWave(double s, double period)
{
    const double phase = std::fmod(s, period);
    return std::fabs(phase - period / 2);
}

TEST(SampleIndex, FindsTheSampleTheScanFinds)
{
    const std::vector<IndexCase> cases = {
        // Samples at whole X: points half-way between two are exact ties.
        {"straight along X", 0.0, 400.0,
         [](double s) {
             return vomel::Point{s, 0.0};
         }},
        // The line runs back and forth over the same 10 m, so the same
        // coordinates recur at many indices far apart.
        {"zigzag over itself", 0.0, 2000.0,
         [](double s) {
             return vomel::Point{triangleWave(s, 20.0), 0.0};
         }},
        {"circle of 30 m walked six times", 0.0, 6 * 2 * std::numbers::pi * 30.0,
         [](double s) {
             return vomel::Point{30.0 * std::cos(s / 30.0), 30.0 * std::sin(s / 30.0)};
         }},
        {"grid coordinates, 0.4 m line", 100.0, 100.4,
         [](double s) {
             return vomel::Point{3'500'000.0 + s, 500'000.0};
         }},
        {"grid coordinates, gentle curve", 0.0, 3000.0,
         [](double s) {
             return vomel::Point{3'500'000.0 + 2000.0 * std::sin(s / 2000.0),
                                 500'000.0 + 2000.0 * (1 - std::cos(s / 2000.0))};
         }},
    };
    for (const IndexCase& c : cases) {
        SCOPED_TRACE(c.name);
        const vomel::SampleTable table = vomel::buildSampleTable(c.start, c.end, c.line);
        const vomel::SampleIndex index(table);
        const vomel::Point origin = c.line(c.start);
        vomel::testing::Random random(42);
        std::vector<vomel::Point> points;
        // On the samples, half-way between them, near and far.
        for (std::size_t j = 0; j <= table.sampleCount + 1; j += 3) {
            points.push_back({table.sampleX[j], table.sampleY[j]});
            if (j + 1 <= table.sampleCount + 1) {
                points.push_back({(table.sampleX[j] + table.sampleX[j + 1]) / 2,
                                  (table.sampleY[j] + table.sampleY[j + 1]) / 2 + 3.0});
            }
        }
        for (int i = 0; i < 3000; ++i) {
            const double reach = (i % 10 == 0) ? 20'000.0 : 100.0;
            const vomel::Point near = c.line(random.uniform(c.start - 5, c.end + 5));
            points.push_back({near.x + random.uniform(-reach, reach), near.y + random.uniform(-reach, reach)});
        }
        points.push_back(origin);
        for (const vomel::Point& p : points) {
            ASSERT_EQ(index.nearest(table, p.x, p.y), vomel::nearestSample(table, p.x, p.y))
                << "point (" << p.x << ", " << p.y << ")";
        }
    }
}

TEST(SampleIndex, TiesGoToTheLowestIndex)
{
    const vomel::SampleTable table = vomel::buildSampleTable(0.0, 2000.0, [](double s) {
        return vomel::Point{triangleWave(s, 20.0), 0.0};
    });
    const vomel::SampleIndex index(table);
    // (5, 0) is sample 6 (station 5) and again every 20 m after it, and at
    // station 15 on the way back.
    EXPECT_EQ(index.nearest(table, 5.0, 0.0), 6u);
    // Half-way between X = 6 (station 4, sample 5) and X = 5 (station 5,
    // sample 6): the earlier sample.
    EXPECT_EQ(index.nearest(table, 5.5, 1.0), 5u);
}

TEST(SampleIndex, RefusesAnotherTable)
{
    const auto line = [](double s) { return vomel::Point{s, 0.0}; };
    const vomel::SampleTable a = vomel::buildSampleTable(0.0, 100.0, line);
    const vomel::SampleTable b = vomel::buildSampleTable(0.0, 50.0, line);
    const vomel::SampleIndex index(a);
    EXPECT_THROW(index.nearest(b, 1.0, 1.0), vomel::GeometryFailure);
    EXPECT_THROW(vomel::SampleIndex().nearest(a, 1.0, 1.0), vomel::GeometryFailure);
}

}  // namespace
