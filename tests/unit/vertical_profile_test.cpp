// The vertical profile (grade points, grades, symmetric parabolic vertical
// curves), the cross-fall, and their files.
#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "alignment/design_surface.h"
#include "core/failure.h"
#include "formats/profile_file.h"

namespace {

using vomel::GradePoint;
using vomel::VerticalProfile;

// Elevations computed two ways agree to this, metres.
constexpr double ELEVATION_TOLERANCE = 1e-9;
// Step either side of a curve end for the continuity checks, metres.
constexpr double CONTINUITY_STEP = 1e-6;

VerticalProfile profileOf(const std::string& text, const vomel::ChainBreaks& breaks = {})
{
    std::istringstream in(text);
    return vomel::readProfileFile(in, breaks);
}

TEST(VerticalProfile, TextbookCrestCurve)
{
    // K5+030.00 at 427.68 m, +5 % in, -4 % out, R = 2000 m.
    const VerticalProfile profile = profileOf("K4+800 416.18\nK5+030.00 427.68 2000\nK5+400 412.88\n");
    const auto table = profile.curveTable();
    ASSERT_EQ(table.size(), 1u);
    const vomel::VerticalCurve& curve = table[0];
    EXPECT_NEAR(curve.gradeIn, 0.05, 1e-12);
    EXPECT_NEAR(curve.gradeOut, -0.04, 1e-12);
    EXPECT_NEAR(curve.tangentLength, 90.0, 1e-9);
    EXPECT_NEAR(curve.externalDistance, 2.025, 1e-9);
    EXPECT_TRUE(curve.crest);
    EXPECT_NEAR(curve.startStation, 4940.0, 1e-9);
    EXPECT_NEAR(curve.endStation, 5120.0, 1e-9);
    EXPECT_NEAR(profile.elevationAt(5010), 425.455, 1e-9);
    EXPECT_NEAR(profile.elevationAt(5080), 425.280, 1e-9);
    EXPECT_NEAR(profile.elevationAt(5030), 427.68 - 2.025, 1e-9);
    EXPECT_NEAR(profile.elevationAt(4900), 423.18 - 2.0, 1e-9);  // on the grade in
    EXPECT_NEAR(profile.gradeAt(5030), 0.005, 1e-12);  // (i1 + i2) / 2 at the grade point
    EXPECT_THROW(profile.elevationAt(4799.99), vomel::GeometryFailure);
    EXPECT_THROW(profile.elevationAt(5400.01), vomel::GeometryFailure);
}

// Random profiles: on each curve the elevation from the curve's end along
// the outgoing grade (the other half of the symmetric parabola) and at the
// grade point (less or more E) must match; at every curve end elevation and
// grade run on without a step.
TEST(VerticalProfile, RandomProfilesMatchClosedFormsAndAreContinuous)
{
    std::mt19937_64 random(2024);
    std::uniform_real_distribution<double> spacing(80, 600), grade(-0.08, 0.08), radius(500, 30000);
    for (int trial = 0; trial < 200; ++trial) {
        std::vector<GradePoint> points;
        double station = 3000 + spacing(random), elevation = 300;
        points.push_back({station, elevation, 0, 0});
        for (int k = 0; k < 8; ++k) {
            station += spacing(random);
            elevation += grade(random) * (station - points.back().station);
            points.push_back({station, elevation, radius(random), 0});
        }
        points.back().radius = 0;
        // Shrink radii until no curve overlaps (T is linear in R).
        for (std::size_t k = 1; k + 1 < points.size(); ++k) {
            const double i1 =
                (points[k].elevation - points[k - 1].elevation) / (points[k].station - points[k - 1].station);
            const double i2 =
                (points[k + 1].elevation - points[k].elevation) / (points[k + 1].station - points[k].station);
            const double room =
                std::min(points[k].station - points[k - 1].station, points[k + 1].station - points[k].station) * 0.499;
            points[k].radius = std::min(points[k].radius, 2 * room / std::max(std::fabs(i1 - i2), 1e-6));
        }
        const VerticalProfile profile(points);
        for (const vomel::VerticalCurve& c : profile.curveTable()) {
            if (c.tangentLength <= 0) continue;
            const double sign = c.crest ? 1.0 : -1.0;
            for (double f : {0.0, 0.13, 0.5, 0.77, 1.0}) {
                const double s = c.startStation + f * 2 * c.tangentLength;
                const double fromEnd = c.endStation - s;
                const double closed =
                    c.elevation + c.gradeOut * (s - c.station) - sign * fromEnd * fromEnd / (2 * c.radius);
                EXPECT_NEAR(profile.elevationAt(s), closed, ELEVATION_TOLERANCE) << trial << " " << s;
            }
            EXPECT_NEAR(profile.elevationAt(c.station), c.elevation - sign * c.externalDistance, ELEVATION_TOLERANCE);
            for (double end : {c.startStation, c.endStation}) {
                const double below = profile.elevationAt(end - CONTINUITY_STEP);
                const double above = profile.elevationAt(end + CONTINUITY_STEP);
                const double slope = profile.gradeAt(end);
                EXPECT_NEAR(above - below, 2 * CONTINUITY_STEP * slope, 1e-9) << trial;
                EXPECT_NEAR(profile.gradeAt(end - CONTINUITY_STEP), profile.gradeAt(end + CONTINUITY_STEP),
                            CONTINUITY_STEP / c.radius * 2 + 1e-12)
                    << trial;
            }
        }
    }
}

TEST(ProfileFiles, MalformedLinesAreNamed)
{
    struct Case {
        const char* name;
        const char* text;
        bool crossFall;
        long line;
        const char* reason;
    };
    const Case cases[] = {
        {"stations out of order", "100 10\n300 12 1000\n250 11\n", false, 3,
         "the station 250 does not follow the previous grade point's 300: stations must increase"},
        {"equal stations", "100 10\n100 12\n", false, 2, "does not follow"},
        {"negative radius", "100 10\n300 12 -5\n500 11\n", false, 2, "the radius -5 is negative"},
        {"radius on the first point", "100 10 50\n300 12\n", false, 1, "the first grade point has a radius"},
        {"radius on the last point", "100 10\n300 12 50\n", false, 2, "the last grade point has a radius"},
        {"curve longer than its side", "0 0\n100 5 10000\n1000 -5\n", false, 2,
         "the vertical curve (T = 305.555555555556 m) is longer than the grade before it (100 m)"},
        {"overlapping curves", "0 0\n200 10 4000\n400 0 4000\n600 10\n", false, 3,
         "the vertical curve (T = 200 m) overlaps the one of the previous grade point (T = 200 m)"},
        {"one grade point", "100 10\n", false, 0, "at least two grade points; the file has 1"},
        {"four fields", "100 10 0 7\n", false, 1, "`station elevation [radius]`; the line has 4 fields"},
        {"K form of 1000 m", "K0+100 10\nK0+1000 12\n", false, 2, "field 1: the metres after + are 1000 or more"},
        {"elevation not a number", "100 1O\n", false, 1, "field 2 is not a number: \"1O\""},
        {"cross-fall two fields", "100 -2\n", true, 1, "`station left right` (percent); the line has 2 fields"},
        {"cross-fall out of order", "100 -2 -2\n\n50 2 -2\n", true, 3, "stations must increase"},
        {"cross-fall empty", "\n", true, 0, "at least one line"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::istringstream in(c.text);
        try {
            if (c.crossFall) {
                vomel::readCrossFallFile(in, {});
            } else {
                vomel::readProfileFile(in, {});
            }
            ADD_FAILURE() << "accepted";
        } catch (const vomel::FormatFailure& failure) {
            EXPECT_EQ(failure.line(), c.line);
            EXPECT_NE(failure.reason().find(c.reason), std::string::npos) << failure.reason();
        }
    }
}

TEST(DesignSurface, CrossFallInterpolatesAndSignsBothSides)
{
    std::istringstream crossText("1000 -2 -2\n1100 4 -4\n");  // run-off into a right-hand superelevation
    const vomel::DesignSurface surface{
        std::make_shared<const VerticalProfile>(profileOf("900 100\n1300 104\n")),
        std::make_shared<const vomel::CrossFall>(vomel::readCrossFallFile(crossText, {}))};
    struct Case {
        double station, offset, elevation;
    };
    const Case cases[] = {
        {950, 5, 100.5 - 0.1},  // before the first line: -2 % as there
        {950, -5, 100.5 - 0.1},   {1050, 10, 101.5 + 0.1},  // halfway: left +1 %, right -3 %
        {1050, -10, 101.5 - 0.3}, {1200, 3.5, 103 + 0.14},  // after the last line: +4 % / -4 %
        {1200, -3.5, 103 - 0.14}, {1200, 0, 103},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(surface.requireElevationAt(c.station, c.offset), c.elevation, 1e-12)
            << c.station << " " << c.offset;
    }
    EXPECT_FALSE(surface.elevationAt(1300.001, 0).has_value());
    EXPECT_FALSE(vomel::DesignSurface{}.elevationAt(1000, 0).has_value());
    // Without a cross-fall both sides are level.
    const vomel::DesignSurface level{surface.profile, nullptr};
    EXPECT_NEAR(level.requireElevationAt(1050, -10), 101.5, 1e-12);
}

TEST(ProfileFiles, StationsThroughChainBreaks)
{
    vomel::ChainBreaks breaks;  // a long chain: 1100 back, 1000 ahead
    breaks.chainBreakCount = 1;
    breaks.breakBackStation[1] = 1100;
    breaks.breakAheadStation[1] = 1000;
    breaks.breakBackStation[2] = breaks.breakAheadStation[2] = 1e6;
    const VerticalProfile profile = profileOf("AK1+000 10\nBK1+000 11 \nB1200 13\n", breaks);
    EXPECT_EQ(profile.startStation(), 1000);
    EXPECT_NEAR(profile.gradePoints()[1].station, 1100, 1e-9);
    EXPECT_NEAR(profile.endStation(), 1300, 1e-9);
    EXPECT_EQ(vomel::profileExtentText(profile, breaks), "the profile runs from A1000 to B1200");
}

}  // namespace
