// Setting out from station and offset: the side of the offset agrees with
// the back-calculation's side sign, the tangent azimuth agrees with the
// geometry of each element, and stakeout followed by back-calculation gives
// the station and offset back on both methods, with and without chain
// breaks.
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <random>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "core/failure.h"
#include "session/session.h"
#include "session/stakeout.h"
#include "solver/reference_search.h"
#include "stationing/stated_station.h"
#include "testing/expect_failure.h"
#include "testing/scratch_folder.h"

namespace {

constexpr double PI = std::numbers::pi;

std::string data(const std::string& name) { return std::string(VOMEL_TEST_DATA_DIR) + "/" + name; }

vomel::PointFunction forwardOf(const vomel::PreparedLine& a)
{
    return [&a](double s) { return a.pointAt(s); };
}

double angleBetween(double a, double b)
{
    double d = std::fmod(a - b, 2 * PI);
    if (d > PI) d -= 2 * PI;
    if (d < -PI) d += 2 * PI;
    return std::fabs(d);
}

// A ramp from (0, 0) heading +X (north): 100 m straight, a 100 m arc of
// radius `r`, then an entry spiral to radius 400 over 120 m.
std::string rampFile(double r)
{
    std::ostringstream text;
    text << "0 0 0 0\r\n9999 9999 100\r\n" << r << " " << r << " 100\r\n9999 400 120\r\n";
    return text.str();
}

struct Line {
    const char* name;
    vomel::Method method;
    std::string file;
    std::string breaks;
    double largestOffset = 30.0;  // metres either side, for the round trips
    bool nearItself = false;  // parts of the line pass near other parts
};

TEST(TangentAzimuth, AgreesWithEachElementsGeometry)
{
    const vomel::testing::ScratchFolder scratch;
    for (double r : {250.0, -250.0}) {
        const std::string file = scratch.write("tangent.ele", rampFile(r));
        const auto ramp = vomel::initialiseAlignment(vomel::Method::Element, file);
        const double afterArc = 100.0 / r;  // azimuth at the arc's end
        struct Case {
            double station;
            double azimuth;
        };
        const Case cases[] = {
            {-30.0, 0.0},  // on the start tangent, behind the line
            {50.0, 0.0},  // straight
            {100.0, 0.0},  // where the arc begins
            {150.0, 50.0 / r},  // arc
            {200.0, afterArc},  // where the spiral begins
            {230.0, afterArc + 30.0 * 30.0 / (2 * 120.0 * 400.0)},  // entry spiral: l²/(2C)
            {320.0, afterArc + 120.0 / (2 * 400.0)},  // the end of the line
            {400.0, afterArc + 120.0 / (2 * 400.0)},  // on the end tangent
        };
        for (const Case& c : cases) {
            EXPECT_LT(angleBetween(vomel::tangentAzimuth(*ramp, c.station), c.azimuth), 1e-12)
                << "R " << r << ", station " << c.station;
        }
    }
}

// On every element of the main lines and of the ramp the analytic tangent
// agrees with a central difference of the forward function (taken inside
// one element), and it is continuous across the key points.
TEST(TangentAzimuth, AgreesWithTheForwardFunctionOnEveryElement)
{
    const vomel::testing::ScratchFolder scratch;
    const std::string hairpin = data("mixed_hairpin.jdx");
    const Line lines[] = {
        {"complete spirals", vomel::Method::IntersectionPoint, data("jd02_spiral_sym.jdx"), ""},
        {"hairpin loop", vomel::Method::IntersectionPoint, hairpin, ""},
        {"incomplete spirals", vomel::Method::IntersectionPoint, data("jd04_incomplete.jdx"), ""},
        {"element chain", vomel::Method::Element, data("ele01_basic.ele"), ""},
    };
    // Half chord of the central difference, metres: a key point within the
    // chord bends it by up to h/(4R), rounding of the coordinates by about
    // 1e-12 m / h.
    constexpr double h = 1e-5;
    for (const Line& line : lines) {
        const auto a = vomel::initialiseAlignment(line.method, line.file, line.breaks);
        double worst = 0.0;
        double worstAt = 0.0;
        double worstJump = 0.0;
        for (double s = a->startStation - 20.0; s < a->endStation + 20.0; s += 0.37) {
            const vomel::Point behind = a->pointAt(s - h);
            const vomel::Point ahead = a->pointAt(s + h);
            const double chord = std::atan2(ahead.y - behind.y, ahead.x - behind.x);
            const double analytic = vomel::tangentAzimuth(*a, s);
            const double error = angleBetween(analytic, chord);
            if (error > worst) {
                worst = error;
                worstAt = s;
            }
            worstJump = std::max(worstJump, angleBetween(analytic, vomel::tangentAzimuth(*a, s + 1e-9)));
        }
        EXPECT_LT(worst, 1e-7) << line.name << ", at station " << worstAt;
        EXPECT_LT(worstJump, 1e-9) << line.name;
    }
}

// Left positive: a point set out to the left is signed +1 by sideOfLine, the
// back-calculation's side test, and one to the right -1; on a straight
// heading north (+X), left is west (-Y).
TEST(OffsetPoint, SideAgreesWithTheBackCalculation)
{
    const vomel::testing::ScratchFolder scratch;
    const std::string file = scratch.write("side.ele", rampFile(250.0));
    const auto ramp = vomel::initialiseAlignment(vomel::Method::Element, file);

    const vomel::Point west = vomel::offsetPoint(*ramp, 50.0, 5.0);
    EXPECT_NEAR(west.x, 50.0, 1e-9);
    EXPECT_NEAR(west.y, -5.0, 1e-9);

    for (double station : {50.0, 150.0, 230.0}) {
        for (double offset : {7.5, -7.5}) {
            const vomel::Point foot = ramp->pointAt(station);
            const vomel::Point ahead = ramp->pointAt(station + 1.0);
            const vomel::Point p = vomel::offsetPoint(*ramp, station, offset);
            EXPECT_EQ(vomel::sideOfLine(p, foot, ahead), offset > 0 ? 1 : -1)
                << "station " << station << ", offset " << offset;
            EXPECT_NEAR(std::hypot(p.x - foot.x, p.y - foot.y), std::fabs(offset), 1e-9);
        }
    }
}

// Random stations over the line (stated ones where it has breaks) and
// offsets of up to 30 m either side, set out and solved again.
TEST(StakeoutRoundTrip, StationAndOffsetComeBack)
{
    const vomel::testing::ScratchFolder scratch;
    const std::string longChain = scratch.write("long.dl", "2600 2550\r\n3500 3400\r\n");
    const std::string hairpin = data("mixed_hairpin.jdx");
    const std::string hairpinBreaks = scratch.write("roundtrip-hairpin.dl", "1500 1480\r\n2600 2700\r\n");
    const Line lines[] = {
        {"main line, short chain", vomel::Method::IntersectionPoint, data("jd02_spiral_sym.jdx"),
         data("jd02_spiral_sym.dl")},
        {"main line, long chains", vomel::Method::IntersectionPoint, data("jd02_spiral_sym.jdx"), longChain},
        {"main line, incomplete spirals, no breaks", vomel::Method::IntersectionPoint, data("jd04_incomplete.jdx"),
         data("jd04_incomplete.dl")},
        // The loop and the line after it pass near earlier parts of the
        // line: there a point may have a nearer foot on another part.
        {"main line with a hairpin loop, long and short chain", vomel::Method::IntersectionPoint, hairpin,
         hairpinBreaks, 30.0, true},
        {"element chain", vomel::Method::Element, data("ele01_basic.ele"), ""},
    };
    constexpr double kStationTolerance = 1e-5;  // metres
    constexpr double kOffsetTolerance = 1e-6;  // metres
    // A foot this far from the one set out is a foot on another part of the
    // line, metres.
    constexpr double kOtherPart = 1.0;
    std::mt19937_64 random(8);
    for (const Line& line : lines) {
        const auto a = vomel::initialiseAlignment(line.method, line.file, line.breaks);
        std::uniform_real_distribution<double> station(a->startStation + 5.0, a->endStation - 5.0);
        std::uniform_real_distribution<double> offset(-line.largestOffset, line.largestOffset);
        for (const auto solver : {vomel::SolverChoice::Reference, vomel::SolverChoice::Fast}) {
            const char* const solverName = solver == vomel::SolverChoice::Reference ? "reference" : "fast";
            double worstStation = 0.0;
            double worstOffset = 0.0;
            int otherParts = 0;
            std::string worstCase;
            constexpr int kPoints = 1500;
            for (int i = 0; i < kPoints; ++i) {
                // Through the stated station, as a user gives it.
                const vomel::StatedStation stated = vomel::chainStationLetter(a->chainBreaks(), station(random));
                const double s = vomel::continuousStation(a->chainBreaks(), stated);
                const double o = offset(random);
                const vomel::Point p = vomel::offsetPoint(*a, s, o);
                const vomel::Solution back = a->solve(p.x, p.y, solver);
                const std::string at =
                    std::string(1, stated.letter) + std::to_string(stated.stated) + " offset " + std::to_string(o);
                if (std::fabs(back.station - s) > kOtherPart) {
                    // Then it must be a true foot, and a nearer one.
                    ++otherParts;
                    const vomel::Point rebuilt = vomel::offsetPoint(*a, back.station, back.offset);
                    EXPECT_LT(std::hypot(rebuilt.x - p.x, rebuilt.y - p.y), kStationTolerance)
                        << line.name << " " << at;
                    EXPECT_LE(std::fabs(back.offset), std::fabs(o) + kOffsetTolerance) << line.name << " " << at;
                    continue;
                }
                const double ds = std::fabs(back.station - s);
                const double doff = std::fabs(back.offset - o);
                if (ds > worstStation || doff > worstOffset) worstCase = at;
                worstStation = std::max(worstStation, ds);
                worstOffset = std::max(worstOffset, doff);
            }
            EXPECT_LT(worstStation, kStationTolerance)
                << line.name << ", " << solverName << ", worst near " << worstCase;
            EXPECT_LT(worstOffset, kOffsetTolerance) << line.name << ", " << solverName << ", worst near " << worstCase;
            if (line.nearItself) {
                EXPECT_LT(otherParts, kPoints / 10) << line.name;
            } else {
                EXPECT_EQ(otherParts, 0) << line.name;
            }
            std::printf("%s, %s: largest station error %.3g m, offset error %.3g m, %d feet on other parts\n",
                        line.name, solverName, worstStation, worstOffset, otherParts);
        }
    }
}

TEST(StationFile, ReadsStatedStationsAndNamesFaultyLines)
{
    vomel::ChainBreaks breaks;
    breaks.chainBreakCount = 1;
    breaks.breakBackStation[1] = 1000;
    breaks.breakAheadStation[1] = 1100;
    {
        std::istringstream in("P1 B1100.5 -2.5 31.2\r\nP2 950 3\r\n\r\nP3 1 1\r\n");
        const auto rows = vomel::readStationFile(in, breaks);
        ASSERT_EQ(rows.size(), 2u);  // the blank line ends the list
        EXPECT_EQ(rows[0].label, "P1");
        EXPECT_DOUBLE_EQ(rows[0].station, 1000.5);
        EXPECT_EQ(rows[0].offset, -2.5);
        EXPECT_EQ(rows[0].elevation, 31.2);
        EXPECT_EQ(rows[1].station, 950.0);
        EXPECT_EQ(rows[1].elevation, 0.0);
        EXPECT_EQ(rows[1].line, 2);
    }
    struct Case {
        const char* name;
        const char* text;
        long line;
        const char* reason;
    };
    const Case cases[] = {
        {"two fields", "P1 100 0\nP2 100\n", 2, "has 2 fields"},
        {"five fields", "P1 100 0 1 2\n", 1, "has 5 fields"},
        {"station not a number", "P1 10x 0\n", 1, "field 2 is not a station"},
        {"offset not a number", "P1 100 left\n", 1, "field 3"},
        {"station beyond the largest measure", "P1 100 0\nP2 B2e9 0\n", 2, "field 2 is beyond"},
        {"offset beyond the largest measure", "P1 100 -1e10\n", 1, "field 3 is beyond"},
    };
    for (const Case& c : cases) {
        std::istringstream in(c.text);
        const auto failure =
            vomel::testing::expectFailure<vomel::FormatFailure>([&] { vomel::readStationFile(in, breaks); });
        EXPECT_EQ(failure.line(), c.line) << c.name;
        EXPECT_NE(failure.reason().find(c.reason), std::string::npos) << c.name << ": " << failure.reason();
    }
    // A stated station the line does not hold is not a fault of the file:
    // its row keeps the reason, for the run to report.
    std::istringstream in("P1 100 0\nP2 A1050 1\nP3 C1200 0\n");
    const auto rows = vomel::readStationFile(in, breaks);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].stationProblem.english(), "");
    EXPECT_NE(rows[1].stationProblem.english().find("station A1050 does not exist"), std::string::npos);
    EXPECT_NE(rows[2].stationProblem.english().find("there is no chain C"), std::string::npos);
}

// The whole run: a coordinate file that the back-calculation reads as it is.
TEST(StakeoutRun, WritesACoordinateFileOrNothing)
{
    const vomel::testing::ScratchFolder scratch;
    const auto a = vomel::initialiseAlignment(vomel::Method::IntersectionPoint, data("jd02_spiral_sym.jdx"),
                                              data("jd02_spiral_sym.dl"));
    const std::string stations = scratch.write("run.st", "\xB5\xE3"
                                                         "1 B2700 -4.25 12.5\r\nP2 1800 3\r\n");
    const std::string output = scratch.write("run.xy", "earlier results\r\n");
    vomel::computeStakeoutRun(*a, stations, output);
    std::ifstream in(output, std::ios::binary);
    const auto points = vomel::readCoordinateFile(in);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].label, "\xB5\xE3"
                               "1");  // GBK label copied byte for byte
    EXPECT_EQ(points[0].elevation, 12.5);
    const auto forward = forwardOf(*a);
    const vomel::Solution first = vomel::solvePoint(a->samples, forward, points[0].x, points[0].y);
    EXPECT_NEAR(first.station, 2650.0, 1e-5);  // B2700 lies 50 m after the break at 2600 -> 2650
    EXPECT_NEAR(first.offset, -4.25, 1e-6);

    // A faulty line: the earlier file stays as it was.
    const std::string bad = scratch.write("bad.st", "P1 1800 3\r\nP2 A2620 0\r\n");
    const std::string kept = scratch.write("kept.xy", "earlier results\r\n");
    const auto failure =
        vomel::testing::expectFailure<vomel::FormatFailure>([&] { vomel::computeStakeoutRun(*a, bad, kept); });
    EXPECT_EQ(failure.file(), bad);
    EXPECT_EQ(failure.line(), 2);
    EXPECT_EQ(vomel::testing::contentsOf(kept), "earlier results\r\n");
    // No temporary file is left beside the destinations.
    EXPECT_EQ(scratch.entries(), (std::vector<std::string>{"bad.st", "kept.xy", "run.st", "run.xy"}));
}

}  // namespace
