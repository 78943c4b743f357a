// The vertical profile (grade points, grades, vertical curves: symmetric
// and unsymmetric parabolas, circles), the cross-fall, and their files.
#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "alignment/design_surface.h"
#include "core/failure.h"
#include "formats/profile_file.h"
#include "testing/expect_failure.h"
#include "testing/vertical_curve_closed_forms.h"

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

// A profile of three grade points with a curve of `shape` at the middle
// one: a radius, or the lengths of an unsymmetric parabola.
VerticalProfile threePoints(const GradePoint (&points)[3])
{
    return VerticalProfile({points[0], points[1], points[2]});
}

struct ShapeCase {
    const char* name;
    GradePoint points[3];
    // The closed form of the middle point's curve, and its start and end.
    vomel::testing::CurveValue (*closed)(const GradePoint (&)[3], double station);
    double start;
    double end;
};

double gradeBetween(const GradePoint& a, const GradePoint& b)
{
    return (b.elevation - a.elevation) / (b.station - a.station);
}

vomel::testing::CircleCurve circleOf(const GradePoint (&p)[3])
{
    return {p[1].station, p[1].elevation, gradeBetween(p[0], p[1]), gradeBetween(p[1], p[2]), p[1].radius};
}

vomel::testing::UnsymmetricParabola parabolaOf(const GradePoint (&p)[3])
{
    return {p[1].station,  p[1].elevation, gradeBetween(p[0], p[1]), gradeBetween(p[1], p[2]),
            p[1].lengthIn, p[1].lengthOut};
}

// Circles on gentle and steep grades (where cos θ moves the tangent points
// apart), crest and sag, and unsymmetric parabolas either way round: the
// elevation and grade at the curve's ends, at the grade point and inside,
// against the closed forms; the table's ends and E with them.
TEST(VerticalProfile, CurveShapesMatchTheirClosedForms)
{
    using Shape = vomel::VerticalCurveShape;
    auto circle = [](const GradePoint(&p)[3], double s) { return circleOf(p).at(s); };
    auto parabola = [](const GradePoint(&p)[3], double s) { return parabolaOf(p).at(s); };
    const GradePoint gentleCrest[3] = {{0, 100}, {500, 110, 10000, 0, Shape::Circle}, {1000, 100}};
    const GradePoint steepSag[3] = {{1000, 300}, {1400, 268, 1500, 0, Shape::Circle}, {1800, 292}};
    const GradePoint longIn[3] = {{0, 100}, {500, 110, 0, 0, Shape::UnsymmetricParabola, 300, 100}, {1000, 100}};
    const GradePoint longOut[3] = {{0, 50}, {300, 44, 0, 0, Shape::UnsymmetricParabola, 40, 250}, {700, 60}};
    const ShapeCase cases[] = {
        {"circle, gentle crest",
         {gentleCrest[0], gentleCrest[1], gentleCrest[2]},
         circle,
         circleOf(gentleCrest).startStation(),
         circleOf(gentleCrest).endStation()},
        {"circle, steep sag (-8 % to +6 %)",
         {steepSag[0], steepSag[1], steepSag[2]},
         circle,
         circleOf(steepSag).startStation(),
         circleOf(steepSag).endStation()},
        {"unsymmetric crest, long side in", {longIn[0], longIn[1], longIn[2]}, parabola, 200, 600},
        {"unsymmetric sag, long side out", {longOut[0], longOut[1], longOut[2]}, parabola, 260, 550},
    };
    for (const ShapeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const VerticalProfile profile = threePoints(c.points);
        const double station = c.points[1].station;
        for (double s : {c.start, c.start + 0.3 * (station - c.start), station, station + 0.01,
                         station + 0.7 * (c.end - station), c.end}) {
            const vomel::testing::CurveValue want = c.closed(c.points, s);
            EXPECT_NEAR(profile.elevationAt(s), want.elevation, ELEVATION_TOLERANCE) << s;
            EXPECT_NEAR(profile.gradeAt(s), want.grade, 1e-12) << s;
        }
        // Beyond the ends the grades go on straight.
        EXPECT_NEAR(profile.gradeAt(c.start - 1), gradeBetween(c.points[0], c.points[1]), 1e-15);
        EXPECT_NEAR(profile.gradeAt(c.end + 1), gradeBetween(c.points[1], c.points[2]), 1e-15);
        const vomel::VerticalCurve row = profile.curveTable().at(0);
        EXPECT_EQ(row.shape, c.points[1].shape);
        EXPECT_NEAR(row.startStation, c.start, 1e-9);
        EXPECT_NEAR(row.endStation, c.end, 1e-9);
        EXPECT_NEAR(row.startElevation, c.closed(c.points, c.start).elevation, ELEVATION_TOLERANCE);
        EXPECT_NEAR(row.endElevation, c.closed(c.points, c.end).elevation, ELEVATION_TOLERANCE);
        EXPECT_NEAR(row.externalDistance, std::fabs(c.closed(c.points, station).elevation - c.points[1].elevation),
                    ELEVATION_TOLERANCE);
        EXPECT_GT(row.radius, 0.0);  // a curve, for the tables and drawings
    }
    // The unsymmetric parabola's radius is its length per change of grade.
    EXPECT_NEAR(threePoints(longIn).gradePoints()[1].radius, 400 / 0.04, 1e-6);
}

// Curves that reach each other or their grade's end to a rounding pass; a
// millimetre too far is refused with the amounts. Grades +2 %, -2 %, +2 %:
// T = R·0.04/2, so R = 5000 gives two curves of T = 100 m that touch.
TEST(VerticalProfile, RoundingTouchesPassRealOverlapsAreRefused)
{
    auto profile = [](double radius1, double radius2) {
        return VerticalProfile({{0, 0}, {200, 4, radius1}, {400, 0, radius2}, {600, 4}});
    };
    struct Case {
        const char* name;
        double radius1, radius2;
        const char* refusal;  // nullptr: accepted
    };
    const Case cases[] = {
        {"curves touching", 5000, 5000, nullptr},
        {"curves overlapping by 1e-12 m", 50 * (100 + 0.5e-12), 50 * (100 + 0.5e-12), nullptr},
        {"curve reaching the first point within 1e-12 m", 50 * (200 + 1e-12), 0, nullptr},
        {"curves overlapping by 1 mm", 5000.025, 5000.025,
         "the vertical curve (T = 100.0005 m) overlaps the one of the previous grade point (T = 100.0005 m): they "
         "are 200 m apart"},
        {"curve 1 mm beyond the first point", 50 * 200.001, 0,
         "the vertical curve (T = 200.001 m) is longer than the grade before it (200 m)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.refusal == nullptr) {
            EXPECT_NO_THROW(profile(c.radius1, c.radius2));
            continue;
        }
        const auto failure =
            vomel::testing::expectFailure<vomel::FormatFailure>([&] { profile(c.radius1, c.radius2); });
        EXPECT_EQ(failure.reason(), c.refusal);
    }
    // A station a rounding beyond an end is on the profile, a millimetre is not.
    const VerticalProfile touching = profile(5000, 5000);
    EXPECT_TRUE(touching.contains(600 + 1e-12));
    EXPECT_NEAR(touching.elevationAt(600 + 1e-12), 4.0, 1e-12);
    EXPECT_FALSE(touching.contains(600.001));
    EXPECT_THROW(touching.elevationAt(-0.001), vomel::GeometryFailure);
    // Grade points a rounding apart do not make a grade.
    EXPECT_THROW(VerticalProfile({{0, 0}, {100, 1}, {100 + 1e-12, 2}}), vomel::FormatFailure);
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
