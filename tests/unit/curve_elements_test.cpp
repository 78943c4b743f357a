// Curve elements of small tables whose values can be checked by hand, and
// every way a table can fail to describe a line.
#include <cmath>
#include <numbers>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "alignment/main_line.h"
#include "alignment/main_line_fit.h"
#include "core/failure.h"
#include "formats/jd_reader.h"
#include "geometry/spiral.h"
#include "testing/expect_failure.h"

namespace {

using std::numbers::pi;

constexpr double kLengthTolerance = 1e-9;  // metres

vomel::MainLine read(const std::string& text)
{
    std::istringstream in(text);
    vomel::MainLine line;
    vomel::readJdFile(in, line);
    return line;
}

vomel::MainLine prepare(const std::string& text)
{
    auto line = read(text);
    vomel::computeCurveElements(line);
    return line;
}

// Start (0, 0), intersection point at (1000, 0), end after a turn of
// `turnDeg` (positive: towards +Y, a right turn).
std::string oneCurve(double turnDeg, const std::string& curve, const std::string& name = "JD1")
{
    const double a = turnDeg * pi / 180.0;
    std::ostringstream text;
    text.precision(17);
    text << "S,100\nQD\n0 0 0 0 0\n"
         << name << "\n1000 0 " << curve << "\nZD\n"
         << 1000 + 1000 * std::cos(a) << ' ' << 1000 * std::sin(a) << " 0 0 0\n";
    return text.str();
}

TEST(CurveElements, TwoRowsMakeOneStraight)
{
    const auto l = prepare("S,1250.5\nQD\n0 0 0 0 0\nZD\n300 400 0 0 0\n");
    EXPECT_EQ(l.jdStation[1], 1250.5);
    EXPECT_NEAR(l.endStation(), 1750.5, 1e-12);
    EXPECT_NEAR(l.sideAzimuth[1], std::atan2(400.0, 300.0), 1e-15);
    EXPECT_EQ(l.zhX[2], 300);
    EXPECT_EQ(l.hzY[1], 0);
    const auto before = vomel::mainLineStationToXY(l, 1250.5 - 5);
    EXPECT_NEAR(before.x, -3, 1e-12);
    EXPECT_NEAR(before.y, -4, 1e-12);
}

TEST(CurveElements, PlainCircularCurve)
{
    for (const double turn : {60.0, -60.0}) {
        const auto l = prepare(oneCurve(turn, "100 0 0"));
        const double t = 100 * std::tan(pi / 6);
        EXPECT_NEAR(l.tangentIn[2], t, kLengthTolerance);
        EXPECT_NEAR(l.tangentOut[2], t, kLengthTolerance);
        EXPECT_NEAR(l.curveLength[2], 100 * pi / 3, kLengthTolerance);
        EXPECT_EQ(l.hyX[2], l.zhX[2]);
        EXPECT_EQ(l.hyStation[2], l.zhStation[2]);
        EXPECT_EQ(l.hyAzimuth[2], l.sideAzimuth[1]);
        EXPECT_NEAR(l.zhStation[2], 100 + 1000 - t, kLengthTolerance);
        EXPECT_NEAR(l.endStation(), 100 + 2000 - 2 * t + 100 * pi / 3, kLengthTolerance);
        // The middle of the arc lies R / cos(30°) - R from the intersection point.
        const auto mid = vomel::mainLineStationToXY(l, l.zhStation[2] + l.curveLength[2] / 2);
        EXPECT_NEAR(std::hypot(mid.x - 1000, mid.y), 100 / std::cos(pi / 6) - 100, kLengthTolerance);
        EXPECT_GT(mid.y * turn, 0.0) << "a right turn bends towards +Y";
    }
}

TEST(CurveElements, SymmetricCompleteSpirals)
{
    for (const double turn : {35.0, -35.0}) {
        const auto l = prepare(oneCurve(turn, "400 120 120"));
        const double a = std::fabs(turn) * pi / 180;
        const double p = vomel::spiralShift(120, 400), q = vomel::spiralTangentGain(120, 400);
        EXPECT_NEAR(l.tangentIn[2], (400 + p) * std::tan(a / 2) + q, kLengthTolerance);
        EXPECT_NEAR(l.tangentOut[2], l.tangentIn[2], kLengthTolerance);
        EXPECT_NEAR(l.curveLength[2], 400 * a + 120, kLengthTolerance);
        EXPECT_NEAR(l.hyStation[2] - l.zhStation[2], 120, 1e-12);
        // HY lies y(120) off the incoming side, on the side of the turn.
        EXPECT_NEAR(l.hyY[2], std::copysign(vomel::spiralLocalY(120, 48000), turn), kLengthTolerance);
        EXPECT_NEAR(l.hyAzimuth[2], std::copysign(120.0 / 800.0, turn), 1e-15);
    }
}

TEST(CurveElements, HairpinSidesFollowTheNameFlags)
{
    // Rows A, B, C on a line; B is a hairpin whose flags pick the directions.
    struct Case {
        const char* name;
        double inAz, outAz;
    };
    const Case cases[] = {{"BHT11", 0, 0}, {"BHT", pi, pi}, {"BHT01", pi, 0}, {"BHT10", 0, pi}};
    for (const auto& c : cases) {
        auto l = read(std::string("S,0\nA\n0 0 0 0 0\n") + c.name + "\n100 0 50 0 0\nC\n200 0 0 0 0\n");
        // The sides are collinear, so the table fails on the deflection; the
        // side directions are set before that.
        try {
            vomel::computeCurveElements(l);
        } catch (const vomel::GeometryFailure&) {
        }
        EXPECT_NEAR(l.sideAzimuth[1], c.inAz, 1e-15) << c.name;
        EXPECT_NEAR(l.sideAzimuth[2], c.outAz, 1e-15) << c.name;
    }
    const auto l = prepare(oneCurve(150, "60 40 40", "JD1HT11"));
    EXPECT_NEAR(l.jdDeflection[2], (150.0 - 360.0) * pi / 180, 1e-14);
    EXPECT_EQ(l.jdRadius[2], -60);
    EXPECT_EQ(l.jdSpiralIn[2], -40);
    EXPECT_EQ(l.jdSpiralOut[2], -40);
    EXPECT_NEAR(l.curveLength[2], 60 * 210 * pi / 180 + 40, kLengthTolerance);
}

TEST(CurveElements, FailuresNameTheRow)
{
    struct Case {
        std::string text;
        std::string reason;
        double coordinateScale = 1.0;
    };
    const Case cases[] = {
        {"S,0\nQD\n0 0 0 0 0\nJD1\n100 0 50 0 0\nZD\n200 0 0 0 0\n",
         "intersection point 2 (JD1): deflection is 0 (the sides run straight on)"},
        {oneCurve(40, "0 0 0"), "intersection point 2 (JD1): radius is 0"},
        {oneCurve(40, "300 100 100 300 0"),
         "intersection point 2 (JD1): outer radius of the entry spiral equals the radius"},
        {oneCurve(-40, "300 100 100 0 300"),
         "intersection point 2 (JD1): outer radius of the exit spiral equals the radius"},
        {oneCurve(40, "300 100 100 200 0"),
         "intersection point 2 (JD1): outer radius of the entry spiral is smaller than the radius"},
        {oneCurve(40, "300 100 80 0 250"),
         "intersection point 2 (JD1): outer radius of the exit spiral is smaller than the radius"},
        // Coordinates near the double range cannot come from a file (the
        // reader bounds them) but the geometry still refuses them.
        {"S,0\nQD\n0 0 0 0 0\nJD1\n1.5 1.5 50 0 0\nZD\n0 1.7 0 0 0\n",
         "intersection point 2 (JD1): station is not a finite number", 1e308},
    };
    for (const auto& c : cases) {
        auto l = read(c.text);
        for (int i = 1; i <= l.jdCount; ++i) {
            l.jdX[static_cast<std::size_t>(i)] *= c.coordinateScale;
            l.jdY[static_cast<std::size_t>(i)] *= c.coordinateScale;
        }
        const auto f = vomel::testing::expectFailure<vomel::GeometryFailure>([&] { vomel::computeCurveElements(l); });
        EXPECT_EQ(f.reason(), c.reason);
    }
    // A smaller outer radius without a spiral describes no spiral at all.
    EXPECT_NO_THROW(prepare(oneCurve(40, "300 0 100 200 0")));
}

// Two circular curves of radius `r` turning 40° left then right, on a
// middle side of 2 T - `overlap` (T = r tan 20°); the outer sides are
// `outerSide` long.
std::string twoCurves(double r, double overlap, double outerSide = 1000)
{
    const double a = 40 * pi / 180;
    const double middle = 2 * r * std::tan(a / 2) - overlap;
    const double x2 = outerSide + middle * std::cos(a);
    const double y2 = middle * std::sin(a);
    std::ostringstream text;
    text.precision(17);
    text << "S,0\nQD\n0 0 0 0 0\nJD1\n"
         << outerSide << " 0 " << r << " 0 0\nJD2\n"
         << x2 << ' ' << y2 << ' ' << r << " 0 0\nZD\n"
         << x2 + outerSide << ' ' << y2 << " 0 0 0\n";
    return text.str();
}

TEST(CurveElements, CurvesMustFitOnTheirSides)
{
    // Curves meeting within the table's rounding pass silently, up to 5 mm
    // of overlap with a note, beyond that the table is refused.
    struct Case {
        std::string text;
        std::size_t notes;
        std::string refusal;  // empty: the table is kept
    };
    const Case cases[] = {
        {twoCurves(500, 0.0), 0, ""},  // an S curve, HZ = ZH
        {twoCurves(500, -0.003), 0, ""},  // a straight of 3 mm
        {twoCurves(500, 0.0004), 0, ""},  // a printed 0.000 straight
        {twoCurves(500, 0.003), 1, ""},
        {twoCurves(500, 0.006), 0,
         "intersection point 2 (JD1): the curve overlaps the next one, of intersection point 3 (JD2), by 0.006 m "
         "(363.970 m of tangent on a side of 363.964 m)"},
        {twoCurves(500, 0.0, 150), 0,
         "intersection point 2 (JD1): the curve starts 31.985 m before the start of the line (181.985 m of "
         "tangent on a side of 150.000 m)"},
        {oneCurve(-40, "3000 0 0"), 0,
         "intersection point 2 (JD1): the curve starts 91.911 m before the start of the line (1091.911 m of "
         "tangent on a side of 1000.000 m)"},
    };
    for (const auto& c : cases) {
        auto l = read(c.text);
        if (c.refusal.empty()) {
            EXPECT_NO_THROW(vomel::computeCurveElements(l)) << c.text;
            EXPECT_EQ(l.fitNotes.size(), c.notes) << c.text;
        } else {
            const auto f =
                vomel::testing::expectFailure<vomel::GeometryFailure>([&] { vomel::computeCurveElements(l); });
            EXPECT_EQ(f.reason(), c.refusal);
        }
    }
    // The first curve in station order is named; the end is checked too.
    auto l = read(twoCurves(500, 0.0));
    l.jdX[4] = l.jdX[3] + 100;
    const auto f = vomel::testing::expectFailure<vomel::GeometryFailure>([&] { vomel::computeCurveElements(l); });
    EXPECT_EQ(f.reason(), "intersection point 3 (JD2): the curve ends 81.985 m beyond the end of the line (181.985 m "
                          "of tangent on a side of 100.000 m)");
}

TEST(CurveElements, FewerThanTwoRowsFailAsAFormatFault)
{
    for (const std::string text : {"S,0\n", "S,0\nQD\n1 2 0 0 0\n"}) {
        auto l = read(text);
        const auto f = vomel::testing::expectFailure<vomel::FormatFailure>([&] { vomel::computeCurveElements(l); });
        EXPECT_EQ(f.reason(), "the intersection-point table has " + std::to_string(l.jdCount) +
                                  " rows; a line needs at least a start and an end point");
    }
}

TEST(StationPoint, StationsAtTheJoints)
{
    const auto l = prepare(oneCurve(-50, "300 80 120"));
    struct Case {
        double station;
        double x, y;
        const char* what;
    };
    const Case cases[] = {
        {l.zhStation[2], l.zhX[2], l.zhY[2], "ZH"},        {l.hyStation[2], l.hyX[2], l.hyY[2], "HY"},
        {l.hzStation[2], l.hzX[2], l.hzY[2], "HZ"},        {l.jdStation[1], 0, 0, "start"},
        {l.jdStation[1] - 10, -10, 0, "before the start"}, {l.endStation(), l.jdX[3], l.jdY[3], "end"},
    };
    for (const auto& c : cases) {
        const auto p = vomel::mainLineStationToXY(l, c.station);
        EXPECT_NEAR(p.x, c.x, kLengthTolerance) << c.what;
        EXPECT_NEAR(p.y, c.y, kLengthTolerance) << c.what;
    }
    const auto beyond = vomel::mainLineStationToXY(l, l.endStation() + 25);
    EXPECT_NEAR(std::hypot(beyond.x - l.jdX[3], beyond.y - l.jdY[3]), 25, kLengthTolerance);
}

}  // namespace
