// Properties of the main line that any correct layout has: no gaps at the
// key points, unit speed along the line, curve ends on their sides, key
// stations in order. Run on a line with plain, symmetric, unequal, incomplete
// and hairpin curves turning both ways.
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "alignment/main_line.h"
#include "formats/jd_reader.h"

namespace {

constexpr double kGapTolerance = 1e-9;  // metres
constexpr double kSpeedTolerance = 1e-9;  // dimensionless, |dP/ds| - 1
constexpr double kOnSideTolerance = 1e-9;  // metres from the side's line
constexpr double kStep = 1e-6;  // metres, for one-sided limits
constexpr double kSpeedStep = 1e-3;  // metres, half the difference base
constexpr double kKeyPointMargin = 2e-3;  // metres kept clear of key points

// Local coordinates (about 1 km from the origin) keep rounding far below
// the tolerances; grid-size coordinates are checked against reference data.
const char* const kMixedLine = "TEST,1000\r\n"
                               "QD\r\n1000.000 2000.000 0 0 0\r\n"
                               "JD1\r\n1700.000 2000.000 300 0 0\r\n"  // plain arc, right
                               "JD2\r\n2194.975 2494.975 400 100 100\r\n"  // symmetric, left
                               "JD3\r\n2884.340 2616.528 250 120 60\r\n"  // unequal, right
                               "JD4\r\n3005.894 3305.894 350 100 80 700 1050\r\n"  // incomplete both ends, left
                               "JD5HT11\r\n3663.679 3545.308 60 40 40\r\n"  // hairpin loop, left
                               "JD6\r\n2974.313 3666.862 500 150 150 0 1500\r\n"  // incomplete exit, right
                               "ZD\r\n2438.082 3216.910 0 0 0\r\n";

vomel::MainLine prepare(const std::string& text)
{
    std::istringstream in(text);
    vomel::MainLine line;
    vomel::readJdFile(in, line);
    vomel::computeCurveElements(line);
    return line;
}

double distance(vomel::Point a, vomel::Point b) { return std::hypot(a.x - b.x, a.y - b.y); }

// Distance of p from the line through `through` with azimuth az.
double offLine(vomel::Point p, vomel::Point through, double az)
{
    return std::fabs(-(p.x - through.x) * std::sin(az) + (p.y - through.y) * std::cos(az));
}

struct KeyStation {
    int row;
    const char* name;
    double station;
};

std::vector<KeyStation> keyStations(const vomel::MainLine& l)
{
    std::vector<KeyStation> keys;
    for (int i = 2; i < l.jdCount; ++i) {
        keys.push_back({i, "ZH", l.zhStation[i]});
        keys.push_back({i, "HY", l.hyStation[i]});
        keys.push_back({i, "YH", l.yhStation[i]});
        keys.push_back({i, "HZ", l.hzStation[i]});
    }
    return keys;
}

// Largest departure from a continuous curve at a station: each one-sided
// step of kStep must move the point by kStep.
double gapAt(const vomel::MainLine& l, double s)
{
    const vomel::Point before = vomel::mainLineStationToXY(l, s - kStep);
    const vomel::Point at = vomel::mainLineStationToXY(l, s);
    const vomel::Point after = vomel::mainLineStationToXY(l, s + kStep);
    return std::max(std::fabs(distance(before, at) - kStep), std::fabs(distance(at, after) - kStep));
}

TEST(MainLineProperties, MixedLinePreparesWithTheExpectedTurns)
{
    const auto l = prepare(kMixedLine);
    ASSERT_EQ(l.jdCount, 8);
    const double expectedSign[] = {0, 0, +1, -1, +1, -1, -1, +1};
    for (int i = 2; i < l.jdCount; ++i) {
        EXPECT_EQ(std::copysign(1.0, l.jdDeflection[i]), expectedSign[i]) << "row " << i;
    }
    EXPECT_GT(std::fabs(l.jdDeflection[6]), M_PI) << "hairpin turns the long way";
    EXPECT_LT(l.tangentIn[6], 0.0) << "the loop starts beyond its intersection point";
    EXPECT_LT(l.tangentOut[6], 0.0);
    EXPECT_LT(l.jdRadius[6], 0.0) << "hairpin values carry the negative marker";
    EXPECT_GT(l.curveLength[6], 0.0);
}

TEST(MainLineProperties, ContinuousAtEveryKeyPoint)
{
    const auto l = prepare(kMixedLine);
    double worst = 0.0;
    std::string where;
    for (const auto& k : keyStations(l)) {
        const double gap = gapAt(l, k.station);
        if (gap > worst) {
            worst = gap;
            where = std::string(k.name) + " of row " + std::to_string(k.row);
        }
    }
    EXPECT_LT(worst, kGapTolerance) << "largest gap " << worst << " m at " << where;
}

TEST(MainLineProperties, KeyPointsSitWhereTheTableSays)
{
    const auto l = prepare(kMixedLine);
    for (int i = 2; i < l.jdCount; ++i) {
        EXPECT_LT(distance(vomel::mainLineStationToXY(l, l.zhStation[i]), {l.zhX[i], l.zhY[i]}), kGapTolerance)
            << "ZH " << i;
        EXPECT_LT(distance(vomel::mainLineStationToXY(l, l.hyStation[i]), {l.hyX[i], l.hyY[i]}), kGapTolerance)
            << "HY " << i;
        EXPECT_LT(distance(vomel::mainLineStationToXY(l, l.hzStation[i]), {l.hzX[i], l.hzY[i]}), kGapTolerance)
            << "HZ " << i;
    }
}

TEST(MainLineProperties, MovesAtUnitSpeedAwayFromKeyPoints)
{
    const auto l = prepare(kMixedLine);
    const auto keys = keyStations(l);
    double worst = 0.0, worstStation = 0.0;
    const double start = l.jdStation[1] - 50.0, end = l.endStation() + 50.0;
    for (double s = start; s <= end; s += 0.737) {
        bool nearKey = false;
        for (const auto& k : keys) nearKey = nearKey || std::fabs(s - k.station) < kKeyPointMargin;
        if (nearKey) continue;
        const double speed =
            distance(vomel::mainLineStationToXY(l, s + kSpeedStep), vomel::mainLineStationToXY(l, s - kSpeedStep)) /
            (2.0 * kSpeedStep);
        if (std::fabs(speed - 1.0) > worst) {
            worst = std::fabs(speed - 1.0);
            worstStation = s;
        }
    }
    EXPECT_LT(worst, kSpeedTolerance) << "at station " << worstStation;
}

TEST(MainLineProperties, CurveEndsLieOnTheirSides)
{
    const auto l = prepare(kMixedLine);
    for (int i = 2; i < l.jdCount; ++i) {
        const vomel::Point jd{l.jdX[i], l.jdY[i]};
        EXPECT_LT(offLine({l.zhX[i], l.zhY[i]}, jd, l.sideAzimuth[i - 1]), kOnSideTolerance) << "ZH " << i;
        EXPECT_LT(offLine({l.hzX[i], l.hzY[i]}, jd, l.sideAzimuth[i]), kOnSideTolerance) << "HZ " << i;
        // The line leaves ZH and HZ along the sides, in their direction.
        const vomel::Point zhAhead = vomel::mainLineStationToXY(l, l.zhStation[i] + kStep);
        EXPECT_LT(offLine(zhAhead, jd, l.sideAzimuth[i - 1]), kOnSideTolerance) << "after ZH " << i;
    }
}

TEST(MainLineProperties, KeyStationsIncreaseAlongTheLine)
{
    const auto l = prepare(kMixedLine);
    double previous = l.jdStation[1];
    for (const auto& k : keyStations(l)) {
        EXPECT_GE(k.station, previous) << k.name << " of row " << k.row;
        previous = k.station;
    }
    EXPECT_GT(l.endStation(), previous);
}

}  // namespace
