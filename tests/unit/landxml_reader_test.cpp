// LandXML alignments imported into element chains: the same line written as
// an element file gives the same points, every failure names its element
// and line, and station equations become chain breaks.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/failure.h"
#include "formats/landxml_document.h"
#include "formats/landxml_profile.h"
#include "formats/landxml_reader.h"
#include "session/session.h"
#include "testing/element_chain_support.h"
#include "testing/expect_failure.h"
#include "testing/vertical_curve_closed_forms.h"

namespace {

// Imported and element-file chains must agree to this (metres).
constexpr double kSameLine = 1e-9;
constexpr double kStationStep = 0.37;  // metres, off the whole metres

std::string dataPath(const std::string& name) { return std::string(VOMEL_TEST_DATA_DIR) + "/" + name; }
std::string examplePath(const std::string& name) { return std::string(VOMEL_EXAMPLES_DIR) + "/" + name; }

vomel::ImportedLine importText(const std::string& text, const std::string& name = {})
{
    std::istringstream in(text);
    return vomel::readLandXml(in, name);
}

struct SameLineCase {
    const char* name;
    std::string landXml;
    std::string elementFile;
};

TEST(LandXmlReader, ImportedChainIsTheElementFileLine)
{
    const SameLineCase cases[] = {
        {"every kind, both rotations", dataPath("landxml/ele01_basic.xml"), dataPath("ele01_basic.ele")},
        {"partial and reverse spirals, point references", examplePath("ramp.xml"), examplePath("ramp.ele")},
    };
    double worst = 0.0;
    std::string worstAt;
    for (const SameLineCase& c : cases) {
        std::ifstream xml(c.landXml, std::ios::binary);
        std::ifstream ele(c.elementFile, std::ios::binary);
        ASSERT_TRUE(xml && ele) << c.name;
        const vomel::ImportedLine imported = vomel::readLandXml(xml);
        const auto expected = vomel::testing::prepareFrom(ele);
        const vomel::ElementChain& chain = *imported.chain;

        ASSERT_EQ(chain.elementCount, expected->elementCount) << c.name;
        for (int i = 1; i <= chain.elementCount; ++i) {
            EXPECT_EQ(chain.elementStartRadius[i], expected->elementStartRadius[i]) << c.name << " element " << i;
            EXPECT_EQ(chain.elementEndRadius[i], expected->elementEndRadius[i]) << c.name << " element " << i;
            // A Line without a length attribute takes it from its points.
            EXPECT_NEAR(chain.elementLength[i], expected->elementLength[i], kSameLine) << c.name << " element " << i;
        }
        EXPECT_EQ(chain.nodeStation[1], expected->nodeStation[1]) << c.name;
        const double end = vomel::testing::endStation(*expected);
        // Each element's length reaches its End from its Start: the stated
        // lengths within their rounding.
        EXPECT_NEAR(vomel::testing::endStation(chain), end, kSameLine) << c.name;
        for (double s = expected->nodeStation[1] - 5.0; s <= end + 5.0; s += kStationStep) {
            const vomel::Point got = vomel::elementChainPointAt(chain, s);
            const vomel::Point want = vomel::elementChainPointAt(*expected, s);
            const double error = std::hypot(got.x - want.x, got.y - want.y);
            if (error > worst) {
                worst = error;
                worstAt = std::string(c.name) + " at station " + std::to_string(s);
            }
        }
    }
    EXPECT_LE(worst, kSameLine) << "largest difference " << worst << " m, " << worstAt;
}

// A one-element alignment from (0, 0) heading +X, as LandXML text.
std::string singleElement(const std::string& element, const std::string& extra = {})
{
    return "<?xml version=\"1.0\"?>\n<LandXML version=\"1.2\">\n<Alignments>\n"
           "<Alignment name=\"A\" staStart=\"1000\">\n<CoordGeom>\n" +
           element + "\n</CoordGeom>\n" + extra + "</Alignment>\n</Alignments>\n</LandXML>\n";
}

struct ShapeCase {
    const char* name;
    std::string element;
    double startRadius;
    double endRadius;
    vomel::Point end;  // node 2
    double endAzimuth;  // radians
};

TEST(LandXmlReader, RotationGivesTheRadiusSign)
{
    const double pi = 4.0 * std::atan(1.0);
    const std::string quarterArc = "length=\"" + std::to_string(50.0 * pi) + "\"";
    // An entry spiral 9999 -> 400 over 120 m ends at (119.7302811, 5.9903640)
    // with deflection 0.15; ccw mirrors it in the X axis.
    const ShapeCase cases[] = {
        {"cw arc turns towards +Y",
         "<Curve rot=\"cw\" radius=\"100\" " + quarterArc + "><Start>0 0</Start><End>100 100</End></Curve>",
         100.0,
         100.0,
         {100.0, 100.0},
         pi / 2.0},
        {"ccw arc turns towards -Y",
         "<Curve rot=\"ccw\" radius=\"100\" " + quarterArc + "><Start>0 0</Start><End>100 -100</End></Curve>",
         -100.0,
         -100.0,
         {100.0, -100.0},
         1.5 * pi},
        {"cw entry spiral",
         "<Spiral rot=\"cw\" radiusStart=\"INF\" radiusEnd=\"400\" length=\"120\" "
         "spiType=\"clothoid\"><Start>0 0</Start><End>119.7302811 5.9903640</End></Spiral>",
         vomel::INFINITE_RADIUS,
         400.0,
         {119.7302811, 5.9903640},
         0.15},
        {"ccw entry spiral",
         "<Spiral rot=\"ccw\" radiusStart=\"INF\" radiusEnd=\"400\" length=\"120\">"
         "<Start>0 0</Start><End>119.7302811 -5.9903640</End></Spiral>",
         vomel::INFINITE_RADIUS,
         -400.0,
         {119.7302811, -5.9903640},
         2.0 * pi - 0.15},
        {"straight from its points",
         "<Line><Start>0 0</Start><End>30 40</End></Line>",
         vomel::INFINITE_RADIUS,
         vomel::INFINITE_RADIUS,
         {30.0, 40.0},
         std::atan2(40.0, 30.0)},
    };
    for (const ShapeCase& c : cases) {
        const vomel::ImportedLine line = importText(singleElement(c.element));
        const vomel::ElementChain& chain = *line.chain;
        ASSERT_EQ(chain.elementCount, 1) << c.name;
        EXPECT_EQ(chain.elementStartRadius[1], c.startRadius) << c.name;
        EXPECT_EQ(chain.elementEndRadius[1], c.endRadius) << c.name;
        EXPECT_EQ(chain.nodeStation[1], 1000.0) << c.name;
        EXPECT_NEAR(chain.nodeX[2], c.end.x, 1e-6) << c.name;
        EXPECT_NEAR(chain.nodeY[2], c.end.y, 1e-6) << c.name;
        EXPECT_NEAR(chain.nodeAzimuth[2], c.endAzimuth, 1e-7) << c.name;
        EXPECT_EQ(line.chainBreaks.chainBreakCount, 0) << c.name;
    }
}

TEST(LandXmlReader, ArcOfRadius9999IsNotAStraight)
{
    const double deflection = 100.0 / 9999.0;
    const double x = 9999.0 * std::sin(deflection);
    const double y = 9999.0 * (1.0 - std::cos(deflection));
    char end[96];
    std::snprintf(end, sizeof end, "%.17g %.17g", x, y);
    const vomel::ImportedLine line =
        importText(singleElement("<Curve rot=\"cw\" radius=\"9999\" length=\"100\"><Start>0 0</Start><End>" +
                                 std::string(end) + "</End></Curve>"));
    EXPECT_NE(line.chain->elementStartRadius[1], vomel::INFINITE_RADIUS);
    EXPECT_NEAR(line.chain->nodeAzimuth[2], deflection, 1e-12);
}

// singleElement with a Units block: lines 1 and 2 are <LandXML> and
// <Units>, the system on line 3, the alignment from line 5.
std::string withUnits(const std::string& system, const std::string& element)
{
    const std::string head = "<?xml version=\"1.0\"?>\n<LandXML version=\"1.2\">\n";
    return "<LandXML>\n<Units>\n" + system + "\n</Units>\n" + singleElement(element).substr(head.size());
}

// A straight 1000 m from station 1000 with a ProfAlign: PVI 1000 at 100 m
// (line 10), `middle` (line 11), PVI 2000 at 100 m (line 12).
std::string withProfile(const std::string& middle, const std::string& first = "<PVI>1000 100</PVI>")
{
    return singleElement("<Line><Start>0 0</Start><End>1000 0</End></Line>",
                         "<Profile name=\"P\">\n<ProfAlign name=\"design\">\n" + first + "\n" + middle +
                             "\n<PVI>2000 100</PVI>\n</ProfAlign>\n</Profile>\n");
}

struct FailureCase {
    const char* name;
    std::string text;
    std::string alignment;
    const char* reason;  // a piece of the failure's reason
    long line;  // the file line it names (0: none)
};

TEST(LandXmlReader, FailuresNameTheElementAndLine)
{
    const std::string line100 = "<Line><Start>0 0</Start><End>100 0</End></Line>";
    auto twoElements = [&](const std::string& second) { return singleElement(line100 + "\n" + second); };
    std::string twentyEquations;
    for (int k = 1; k <= 20; ++k) {
        twentyEquations += "<StaEquation staBack=\"" + std::to_string(1000 + 2 * k) + "\" staAhead=\"" +
                           std::to_string(1001 + 2 * k) + "\"/>\n";
    }
    const FailureCase cases[] = {
        {"not XML", "0 1000 2000 45\n9999 9999 100\n", "", "does not begin with an XML element", 1},
        {"unclosed element", "<LandXML>\n<Alignments>\n</LandXML>\n", "", "not a well-formed XML document", 3},
        {"other root", "<?xml version=\"1.0\"?>\n<Project/>\n", "", "not <LandXML>", 2},
        {"no alignment", "<LandXML>\n<Alignments/>\n</LandXML>\n", "", "holds no Alignments/Alignment", 1},
        {"unknown name", singleElement(line100), "B", "no alignment is called \"B\"; the file holds \"A\"", 0},
        {"no CoordGeom", "<LandXML>\n<Alignments>\n<Alignment name=\"A\"/>\n</Alignments>\n</LandXML>\n", "",
         "alignment \"A\": it has no CoordGeom", 3},
        {"empty CoordGeom", singleElement(""), "", "holds no Line, Curve or Spiral", 5},
        {"other element", twoElements("<IrregularLine><Start>100 0</Start><End>200 0</End></IrregularLine>"), "",
         "element 2 (IrregularLine): only Line, Curve and Spiral", 7},
        {"other spiral",
         twoElements("<Spiral rot=\"cw\" radiusStart=\"INF\" radiusEnd=\"400\" length=\"120\" "
                     "spiType=\"bloss\"><Start>100 0</Start><End>219 6</End></Spiral>"),
         "", "element 2 (Spiral): spiType is \"bloss\"; only clothoid", 7},
        {"no rot", twoElements("<Curve radius=\"100\" length=\"10\"><Start>100 0</Start><End>110 0.5</End></Curve>"),
         "", "element 2 (Curve): the rot attribute (cw or ccw) is missing", 7},
        {"negative radius",
         twoElements("<Curve rot=\"cw\" radius=\"-100\" length=\"10\"><Start>100 0</Start>"
                     "<End>110 0.5</End></Curve>"),
         "", "radius is -100; a radius must be positive", 7},
        {"radius not a number",
         twoElements("<Curve rot=\"cw\" radius=\"1OO\" length=\"10\"><Start>100 0</Start>"
                     "<End>110 0.5</End></Curve>"),
         "", "radius is not a number: \"1OO\"", 7},
        {"spiral with two INF",
         twoElements("<Spiral rot=\"cw\" radiusStart=\"INF\" radiusEnd=\"INF\" length=\"10\">"
                     "<Start>100 0</Start><End>110 0</End></Spiral>"),
         "", "both radii are INF", 7},
        {"missing End", twoElements("<Line><Start>100 0</Start></Line>"), "", "element 2 (Line): it has no End", 7},
        {"easting missing", twoElements("<Line><Start>100</Start><End>200 0</End></Line>"), "",
         "Start is not \"northing easting\"", 7},
        {"unknown point", twoElements("<Line><Start pntRef=\"P9\"/><End>200 0</End></Line>"), "",
         "refers to the point \"P9\"", 7},
        {"length that does not reach the End",
         twoElements("<Line length=\"99.9\"><Start>100 0</Start>"
                     "<End>200 0</End></Line>"),
         "", "element 2 (Line): its End lies 0.1000 m from where", 7},
        {"bad station equation", singleElement(line100, "<StaEquation staBack=\"x\" staAhead=\"1100\"/>\n"), "",
         "StaEquation: staBack is not a number", 8},
        {"lengths in inches", withUnits("<Imperial linearUnit=\"inch\"/>", line100), "",
         "lengths are in inch (Imperial linearUnit); only files in metres, US survey feet or international feet", 3},
        {"lengths in millimetres", withUnits("<Metric linearUnit=\"millimeter\"/>", line100), "",
         "lengths are in millimeter (Metric linearUnit)", 3},
        {"elevations in metres, lengths in feet",
         withUnits("<Imperial linearUnit=\"USSurveyFoot\" elevationUnit=\"meter\"/>", line100), "",
         "elevations are in meter (Imperial elevationUnit)", 3},
        {"radius beyond the largest measure",
         twoElements("<Curve rot=\"cw\" radius=\"2e9\" length=\"10\"><Start>100 0</Start>"
                     "<End>110 0</End></Curve>"),
         "", "element 2 (Curve): radius is beyond ±1000000000", 7},
        {"point beyond the largest measure", twoElements("<Line><Start>100 0</Start><End>2e9 0</End></Line>"), "",
         "element 2 (Line): End is beyond ±1000000000", 7},
        {"station equation beyond the largest measure",
         singleElement(line100, "<StaEquation staBack=\"50\" staAhead=\"-3e9\"/>\n"), "",
         "StaEquation: staAhead is beyond ±1000000000", 8},
        {"twenty station equations", singleElement(line100, twentyEquations), "", "more than 19 station equations", 27},
    };
    for (const FailureCase& c : cases) {
        const auto failure =
            vomel::testing::expectFailure<vomel::FormatFailure>([&] { importText(c.text, c.alignment); });
        EXPECT_NE(failure.reason().find(c.reason), std::string::npos) << c.name << ": " << failure.reason();
        if (c.line != 0) {
            EXPECT_EQ(failure.line(), c.line) << c.name << ": " << failure.reason();
        }
    }
}

// A ProfAlign that cannot be used leaves the plan standing: the alignment
// imports without a profile, and the reason, with the element's line, is
// kept for whatever needs an elevation.
TEST(LandXmlReader, ProfileProblemsLeaveThePlan)
{
    const std::string line100 = "<Line><Start>0 0</Start><End>100 0</End></Line>";
    const FailureCase cases[] = {
        // 1000 -> 1500 rises 10 m (+2 %), 1500 -> 2000 falls 10 m (-2 %): an
        // arc of radius 3000 between them is 119.98 m long.
        {"circle whose length and radius disagree",
         withProfile("<CircCurve length=\"100\" radius=\"3000\">1500 110</CircCurve>"), "",
         "ProfAlign: the CircCurve's length 100 m and radius 3000 m disagree: an arc of that radius between these "
         "grades is 119.98",
         11},
        {"circle without length or radius", withProfile("<CircCurve>1500 110</CircCurve>"), "",
         "ProfAlign CircCurve: it has neither a length nor a radius attribute", 11},
        {"unsymmetric parabola with one half",
         withProfile("<UnsymParaCurve lengthIn=\"0\" lengthOut=\"70\">1500 110</UnsymParaCurve>"), "",
         "ProfAlign: the unsymmetric vertical curve has lengths 0 in and 70 out: it needs both or neither", 11},
        {"curve without its length", withProfile("<ParaCurve>1500 110</ParaCurve>"), "",
         "ProfAlign ParaCurve: the length attribute is missing", 11},
        {"negative curve length", withProfile("<ParaCurve length=\"-5\">1500 110</ParaCurve>"), "",
         "ProfAlign ParaCurve: length is not a non-negative number: \"-5\"", 11},
        {"grade point with one number", withProfile("<PVI>1500</PVI>"), "",
         "ProfAlign PVI is not \"station elevation\": \"1500\"", 11},
        {"other profile element", withProfile("<Spiral/>"), "",
         "ProfAlign holds a Spiral; only PVI, ParaCurve, UnsymParaCurve and CircCurve", 11},
        {"grade points out of order", withProfile("<PVI>900 110</PVI>"), "",
         "ProfAlign: the station 900 does not follow the previous grade point's 1000", 11},
        {"curve longer than its grades", withProfile("<ParaCurve length=\"1200\">1500 110</ParaCurve>"), "",
         "ProfAlign: the vertical curve (T = 600 m) is longer than the grade before it (500 m)", 11},
        {"curve on the first grade point",
         withProfile("<PVI>1200 104</PVI>", "<ParaCurve length=\"10\">1000 100</ParaCurve>"), "",
         "ProfAlign: the first grade point has a vertical curve", 10},
        {"a single grade point",
         singleElement(line100, "<Profile><ProfAlign>\n<PVI>0 1</PVI>\n</ProfAlign></Profile>\n"), "",
         "its ProfAlign holds 1 grade points; a profile needs at least two", 8},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.name);
        const vomel::ImportedLine line = importText(c.text, c.alignment);
        EXPECT_TRUE(line.chain);
        EXPECT_FALSE(line.profile);
        EXPECT_EQ(line.profileProblem.rfind("alignment \"A\": ", 0), 0u) << line.profileProblem;
        EXPECT_NE(line.profileProblem.find(c.reason), std::string::npos) << line.profileProblem;
        const std::string where = " (line " + std::to_string(c.line) + ")";
        EXPECT_EQ(
            line.profileProblem.substr(line.profileProblem.size() - std::min(where.size(), line.profileProblem.size())),
            where);
    }
}

// CircCurve and UnsymParaCurve against their closed forms: between +2 %
// and -2 % at station 1500, elevation 110.
TEST(LandXmlReader, CircularAndUnsymmetricVerticalCurves)
{
    const vomel::testing::CircleCurve circle{1500, 110, 0.02, -0.02, 3000};
    const vomel::testing::UnsymmetricParabola unsymmetric{1500, 110, 0.02, -0.02, 50, 70};
    struct ShapeCase {
        const char* name;
        std::string element;
        bool circular;  // else the unsymmetric parabola
        double start;
        double end;
    };
    char arc[40];
    std::snprintf(arc, sizeof arc, "%.17g", 3000 * 2 * std::atan(0.02));
    const ShapeCase cases[] = {
        {"circle by its radius", "<CircCurve radius=\"3000\">1500 110</CircCurve>", true, circle.startStation(),
         circle.endStation()},
        {"circle by its length", "<CircCurve length=\"" + std::string(arc) + "\">1500 110</CircCurve>", true,
         circle.startStation(), circle.endStation()},
        // Length rounded to the millimetre against the radius: within what
        // the written numbers allow.
        {"circle by both", "<CircCurve length=\"119.984\" radius=\"3000\">1500 110</CircCurve>", true,
         circle.startStation(), circle.endStation()},
        {"unsymmetric parabola", "<UnsymParaCurve lengthIn=\"50\" lengthOut=\"70\">1500 110</UnsymParaCurve>", false,
         1450, 1570},
    };
    for (const ShapeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const vomel::ImportedLine line = importText(withProfile(c.element));
        ASSERT_TRUE(line.profile) << line.profileProblem;
        for (double s : {c.start, (c.start + 1500) / 2, 1500.0, 1512.5, c.end}) {
            const vomel::testing::CurveValue want = c.circular ? circle.at(s) : unsymmetric.at(s);
            EXPECT_NEAR(line.profile->elevationAt(s), want.elevation, 1e-9) << s;
            EXPECT_NEAR(line.profile->gradeAt(s), want.grade, 1e-12) << s;
        }
        EXPECT_NEAR(line.profile->curveTable().at(0).startStation, c.start, 1e-9);
        EXPECT_NEAR(line.profile->curveTable().at(0).endStation, c.end, 1e-9);
    }
}

// Real exports: an OpenRoads file in US survey feet whose last curve ends
// at the last grade point to a rounding (T = 7.5000000000001 ft against a
// grade of 7.5 ft), and a railway profile of circular curves.
TEST(LandXmlReader, RealProfilesImport)
{
    {
        std::ifstream xml(dataPath("landxml/PR_Twin_Branch_section_alignment.xml"), std::ios::binary);
        const vomel::ImportedLine line = vomel::readLandXml(xml);
        EXPECT_EQ(line.unit, vomel::LengthUnit::UsSurveyFoot);
        ASSERT_TRUE(line.profile) << line.profileProblem;
        const auto table = line.profile->curveTable();
        ASSERT_EQ(table.size(), 4u);
        EXPECT_NEAR(table.back().endStation, 4940.0, 1e-9);
        EXPECT_NEAR(line.profile->elevationAt(4940.0), 713.75733171875027, 1e-9);
    }
    // The plan of this file is not what is checked here: its profile alone.
    std::ifstream xml(dataPath("landxml/Alignment_STN02.xml"), std::ios::binary);
    const vomel::landxml::Document document(xml);
    const auto profile = vomel::landxml::readProfAlign(document, document.alignments().at(0), vomel::LengthUnit::Metre);
    ASSERT_TRUE(profile);
    const auto table = profile->curveTable();
    ASSERT_EQ(table.size(), 5u);
    // Grade 0 to -1 % at 349.9 on R = 5000: the arc's tangent points.
    const vomel::testing::CircleCurve first{349.90386424768337, 5.0000000000000444, profile->gradeAfter(0),
                                            profile->gradeAfter(1), 5000};
    EXPECT_EQ(table[0].shape, vomel::VerticalCurveShape::Circle);
    EXPECT_NEAR(table[0].radius, 5000, 1e-9);
    EXPECT_NEAR(table[0].startStation, first.startStation(), 1e-9);
    EXPECT_NEAR(table[0].endStation, first.endStation(), 1e-9);
    EXPECT_NEAR(profile->elevationAt(360), first.at(360).elevation, 1e-9);
    EXPECT_EQ(table[2].radius, 0.0);  // the grade point at 876.27 has no curve
}

// The elevation on a symmetric parabola from its closed form: grade point
// (s0, z0), grades i1 and i2, tangent length T = L/2, R = L/|i1 - i2|.
double parabolaElevation(double s0, double z0, double i1, double i2, double length, double s)
{
    const double t = length / 2.0;
    const double radius = length / std::fabs(i1 - i2);
    const double x = s - (s0 - t);
    const double sign = i1 > i2 ? 1.0 : -1.0;
    return z0 - i1 * t + i1 * x - sign * x * x / (2.0 * radius);
}

TEST(LandXmlReader, ProfAlignGivesGradePointsAndParabolas)
{
    // +3 % to -1.5 % at 1400 (a crest, L = 180: R = 4000, T = 90), then
    // -1.5 % to +1 % at 1700 (a sag written as an unsymmetric parabola of
    // equal halves, L = 120: R = 4800, T = 60). A ProfSurf (the ground) and
    // a Feature are passed over.
    const vomel::ImportedLine line = importText(singleElement(
        "<Line><Start>0 0</Start><End>1000 0</End></Line>",
        "<Profile>\n<ProfSurf name=\"ground\"><PntList2D>1000 99 2000 101</PntList2D></ProfSurf>\n"
        "<ProfAlign name=\"design\">\n<PVI>1000 100</PVI>\n<ParaCurve length=\"180\">1400 112</ParaCurve>\n"
        "<Feature/>\n<UnsymParaCurve lengthIn=\"60\" lengthOut=\"60\">1700 107.5</UnsymParaCurve>\n"
        "<PVI>2000 110.5</PVI>\n</ProfAlign>\n</Profile>\n"));
    ASSERT_TRUE(line.profile.has_value());
    const vomel::VerticalProfile& profile = *line.profile;
    ASSERT_EQ(profile.gradePoints().size(), 4u);
    EXPECT_NEAR(profile.gradePoints()[1].radius, 4000.0, 1e-9);
    EXPECT_NEAR(profile.gradePoints()[2].radius, 4800.0, 1e-9);
    EXPECT_EQ(profile.gradePoints()[1].line, 12);  // failures of the profile name these lines
    EXPECT_EQ(profile.gradePoints()[2].line, 14);
    EXPECT_EQ(line.unit, vomel::LengthUnit::Metre);

    struct At {
        double station;
        double elevation;
    };
    const double i1 = 0.03;
    const double i2 = -0.015;
    const double i3 = 0.01;
    const At cases[] = {
        {1000.0, 100.0},
        {1310.0, 112.0 - i1 * 90.0},  // the crest's start: still on the grade
        {1350.0, parabolaElevation(1400.0, 112.0, i1, i2, 180.0, 1350.0)},
        {1400.0, 112.0 - 90.0 * 90.0 / (2.0 * 4000.0)},  // E = T²/2R below the grade point
        {1477.5, parabolaElevation(1400.0, 112.0, i1, i2, 180.0, 1477.5)},
        {1600.0, 112.0 + i2 * 200.0},
        {1650.0, parabolaElevation(1700.0, 107.5, i2, i3, 120.0, 1650.0)},
        {1700.0, 107.5 + 60.0 * 60.0 / (2.0 * 4800.0)},  // a sag lies above
        {1759.0, parabolaElevation(1700.0, 107.5, i2, i3, 120.0, 1759.0)},
        {2000.0, 110.5},
    };
    for (const At& c : cases) {
        EXPECT_NEAR(profile.elevationAt(c.station), c.elevation, 1e-9) << c.station;
    }

    // Without a ProfAlign (none at all, or only a ground profile) there is
    // no profile.
    EXPECT_FALSE(importText(singleElement("<Line><Start>0 0</Start><End>1000 0</End></Line>")).profile);
    EXPECT_FALSE(importText(singleElement("<Line><Start>0 0</Start><End>1000 0</End></Line>",
                                          "<Profile><ProfSurf/></Profile>\n"))
                     .profile);
}

TEST(LandXmlReader, FeetAreReadInTheFilesOwnUnit)
{
    const std::string line1000 = "<Line><Start>0 0</Start><End>1000 0</End></Line>";
    const std::string profile = "<Profile><ProfAlign><PVI>1000 50</PVI><PVI>2000 60</PVI></ProfAlign></Profile>\n";
    struct UnitCase {
        const char* system;
        vomel::LengthUnit unit;
    };
    for (const UnitCase& c :
         {UnitCase{"<Imperial linearUnit=\"USSurveyFoot\" elevationUnit=\"feet\"/>", vomel::LengthUnit::UsSurveyFoot},
          UnitCase{"<Imperial linearUnit=\"IntnlFoot\"/>", vomel::LengthUnit::InternationalFoot},
          UnitCase{"<Imperial linearUnit=\"foot\"/>", vomel::LengthUnit::InternationalFoot},
          UnitCase{"<Metric linearUnit=\"meter\"/>\n<Imperial linearUnit=\"USSurveyFoot\"/>",
                   vomel::LengthUnit::Metre}}) {
        const std::string text = withUnits(c.system, line1000);
        const vomel::ImportedLine line =
            importText(text.substr(0, text.find("</Alignment>")) + profile + text.substr(text.find("</Alignment>")));
        EXPECT_EQ(line.unit, c.unit) << c.system;
        // Nothing is converted: 1000 units of line from station 1000.
        EXPECT_EQ(line.chain->nodeStation[1], 1000.0) << c.system;
        EXPECT_NEAR(line.chain->nodeStation[2], 2000.0, 1e-9) << c.system;
        ASSERT_TRUE(line.profile) << c.system;
        EXPECT_NEAR(line.profile->elevationAt(1500.0), 55.0, 1e-12) << c.system;
    }

    // The 0.1 mm gap tolerance holds in feet too: 0.0003 ft (0.09 mm) is
    // rounding, 0.0004 ft (0.12 mm) a gap, said in the file's unit.
    const std::string imperial = "<Imperial linearUnit=\"USSurveyFoot\"/>";
    EXPECT_TRUE(importText(withUnits(imperial, "<Line><Start>0 0</Start><End>100 0</End></Line>\n"
                                               "<Line><Start>100.0003 0</Start><End>200 0</End></Line>"))
                    .notes.empty());
    const auto gap = importText(withUnits(imperial, "<Line><Start>0 0</Start><End>100 0</End></Line>\n"
                                                    "<Line><Start>100.0004 0</Start><End>200 0</End></Line>"));
    ASSERT_EQ(gap.notes.size(), 1u);
    EXPECT_NE(gap.notes[0].english().find("with a gap of 0.0004 ft"), std::string::npos) << gap.notes[0].english();
}

TEST(LandXmlReader, ToleratesCoordinatesRoundedToATenthOfAMillimetre)
{
    // The ramp's points written to 4 decimals, as many exports round them.
    std::ifstream xml(examplePath("ramp.xml"), std::ios::binary);
    std::stringstream text;
    text << xml.rdbuf();
    std::string rounded;
    std::istringstream lines(text.str());
    for (std::string line; std::getline(lines, line);) {
        const auto open = line.find("<End>");
        if (open != std::string::npos) {
            std::istringstream numbers(line.substr(open + 5));
            double n = 0.0;
            double e = 0.0;
            numbers >> n >> e;
            char buffer[128];
            std::snprintf(buffer, sizeof buffer, "<End>%.4f %.4f</End>", n, e);
            line = line.substr(0, open) + buffer;
        }
        rounded += line + "\n";
    }
    EXPECT_NO_THROW(importText(rounded));
}

TEST(LandXmlReader, StationEquationsBecomeChainBreaksInOrderAlongTheLine)
{
    const std::string line1000 = "<Line><Start>0 0</Start><End>1000 0</End></Line>";
    const vomel::ImportedLine line =
        importText(singleElement(line1000, "<StaEquation staInternal=\"1600\" staBack=\"1650\" staAhead=\"1600\"/>\n"
                                           "<StaEquation staInternal=\"1300\" staBack=\"1300\" staAhead=\"1350\"/>\n"));
    const vomel::ChainBreaks& breaks = line.chainBreaks;
    ASSERT_EQ(breaks.chainBreakCount, 2);
    EXPECT_EQ(breaks.breakBackStation[1], 1300.0);
    EXPECT_EQ(breaks.breakAheadStation[1], 1350.0);
    EXPECT_EQ(breaks.breakBackStation[3], 2000.0);  // the end of the line

    struct Stated {
        double continuous;
        double stated;
        char letter;
    };
    for (const Stated& s : {Stated{1200.0, 1200.0, 'A'}, Stated{1300.0, 1300.0, 'A'}, Stated{1400.0, 1450.0, 'B'},
                            Stated{1700.0, 1700.0, 'C'}}) {
        const vomel::StatedStation got = vomel::chainStationLetter(breaks, s.continuous);
        EXPECT_DOUBLE_EQ(got.stated, s.stated) << s.continuous;
        EXPECT_EQ(got.letter, s.letter) << s.continuous;
    }
}

TEST(LandXmlReader, ListsAlignmentsAndRecognisesXmlByContent)
{
    std::istringstream two(
        "\xEF\xBB\xBF <?xml version=\"1.0\"?>\n<LandXML>\n<Alignments>\n"
        "<Alignment name=\"Ramp A\" staStart=\"100\" length=\"250.5\"><CoordGeom><Line/><Line/></CoordGeom>"
        "<StaEquation staBack=\"1\" staAhead=\"2\"/></Alignment>\n"
        "<Alignment name=\"\xD4\xD1\"><CoordGeom><Curve length=\"30\"/><Line length=\"20\"/></CoordGeom>"
        "</Alignment>\n</Alignments>\n</LandXML>\n");
    EXPECT_TRUE(vomel::looksLikeXml(two));
    const auto list = vomel::listLandXmlAlignments(two);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].name, "Ramp A");
    EXPECT_EQ(list[0].startStation, 100.0);
    EXPECT_EQ(list[0].length, 250.5);
    EXPECT_EQ(list[0].elementCount, 2);
    EXPECT_EQ(list[0].stationEquationCount, 1);
    EXPECT_EQ(list[0].line, 4);
    EXPECT_EQ(list[1].name, "\xD4\xD1");  // bytes as written
    EXPECT_EQ(list[1].length, 50.0);

    // Infinite or missing numbers are listed as absent, never as "inf".
    std::istringstream infinite(
        "<LandXML><Alignments><Alignment name=\"I\" staStart=\"INF\" length=\"INF\"><CoordGeom>"
        "<Line length=\"INF\"/><Line length=\"12.5\"/></CoordGeom></Alignment></Alignments></LandXML>");
    const auto listed = vomel::listLandXmlAlignments(infinite);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].startStation, 0.0);
    EXPECT_EQ(listed[0].length, 12.5);

    std::istringstream element("0,1000,2000,45\n9999 9999 100\n");
    EXPECT_FALSE(vomel::looksLikeXml(element));
    EXPECT_EQ(element.tellg(), 0);
    std::istringstream empty("");
    EXPECT_FALSE(vomel::looksLikeXml(empty));
}

TEST(LandXmlSession, ElementMethodTakesLandXmlWithItsChainBreaks)
{
    // The initialisation tells the file apart by its content.
    const auto alignment = vomel::initialiseAlignment(vomel::Method::Element, examplePath("ramp.xml"));
    ASSERT_TRUE(alignment->hasChainBreaks());
    const vomel::Point at450 = alignment->pointAt(450.0);
    const vomel::SinglePointText shown =
        vomel::computeSinglePoint(*alignment, std::to_string(at450.x), std::to_string(at450.y));
    EXPECT_EQ(shown.station.substr(0, 5), "B470.");
    EXPECT_EQ(shown.offset, "0.000");

    const auto plain = vomel::initialiseAlignment(vomel::Method::Element, examplePath("ramp.ele"));
    EXPECT_FALSE(plain->hasChainBreaks());
    EXPECT_FALSE(plain->line->ownProfile());

    // The ramp's ProfAlign comes with the line: the crest at 300 (160 m,
    // +3 % to +1.5 %, L = 160) lies E = 80²/(2·10666.7) = 0.3 m below it.
    const auto& profile = alignment->line->ownProfile();
    ASSERT_TRUE(profile);
    EXPECT_NEAR(profile->elevationAt(300.0), 159.7, 1e-9);
    EXPECT_EQ(alignment->lengthUnit(), vomel::LengthUnit::Metre);
    const auto feet =
        vomel::prepareLine(vomel::loadLandXml(std::string(VOMEL_TEST_DATA_DIR) + "/cli/straight_feet.xml"));
    EXPECT_EQ(feet->lengthUnit(), vomel::LengthUnit::UsSurveyFoot);

    const auto failure = vomel::testing::expectFailure<vomel::FormatFailure>(
        [&] { vomel::loadLandXml(examplePath("ramp.xml"), "Ramp B"); });
    EXPECT_EQ(failure.file(), examplePath("ramp.xml"));
    EXPECT_NE(failure.reason().find("\"Ramp A\""), std::string::npos) << failure.reason();
}

}  // namespace
