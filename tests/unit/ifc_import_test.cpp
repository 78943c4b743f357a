// IFC files written for these tests, each with a known answer: units and
// angle units, placement, stationing by referents, layouts nested in any
// order, names through escapes, repeated names, joint notes and the
// vertical layout against its closed forms.
#include <cmath>
#include <functional>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "alignment/element_chain_station.h"
#include "core/failure.h"
#include "formats/ifc_reader.h"
#include "stationing/chain_break.h"
#include "testing/expect_failure.h"

namespace {

constexpr double kExact = 1e-9;  // metres

// Writes an IFC file instance by instance.
class IfcWriter {
public:
    int add(const std::string& entity)
    {
        data_ += "#" + std::to_string(next_) + "=" + entity + ";\n";
        return next_++;
    }
    static std::string ref(int id) { return "#" + std::to_string(id); }
    std::string text() const
    {
        return "ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION((''),'2;1');\nFILE_SCHEMA(('IFC4X3_ADD2'));\nENDSEC;\n"
               "DATA;\n" +
               data_ + "ENDSEC;\nEND-ISO-10303-21;\n";
    }

private:
    std::string data_;
    int next_ = 1;
};

// A project: #1 the metre, #2 the radian, then the units of the file:
// lengths in `lengthUnit` (an IFCSIUNIT written out, "FOOT:factor" for a
// foot of that many metres, or "" for metres) and angles of `angleFactor`
// radians (0 for radians).
void project(IfcWriter& w, const std::string& lengthUnit = {}, double angleFactor = 0.0)
{
    const int metre = w.add("IFCSIUNIT(*,.LENGTHUNIT.,$,.METRE.)");
    const int radian = w.add("IFCSIUNIT(*,.PLANEANGLEUNIT.,$,.RADIAN.)");
    const int dimensions = w.add("IFCDIMENSIONALEXPONENTS(0,0,0,0,0,0,0)");
    int length = metre;
    int angle = radian;
    if (lengthUnit.rfind("FOOT:", 0) == 0) {
        const int factor = w.add("IFCMEASUREWITHUNIT(IFCREAL(" + lengthUnit.substr(5) + "),#1)");
        length = w.add("IFCCONVERSIONBASEDUNIT(" + IfcWriter::ref(dimensions) + ",.LENGTHUNIT.,'FEET'," +
                       IfcWriter::ref(factor) + ")");
    } else if (!lengthUnit.empty()) {
        length = w.add(lengthUnit);
    }
    if (angleFactor != 0.0) {
        std::ostringstream factor;
        factor.precision(17);
        factor << std::showpoint << "IFCMEASUREWITHUNIT(IFCPLANEANGLEMEASURE(" << angleFactor << "),#2)";
        angle = w.add("IFCCONVERSIONBASEDUNIT(" + IfcWriter::ref(dimensions) + ",.PLANEANGLEUNIT.,'Degrees'," +
                      IfcWriter::ref(w.add(factor.str())) + ")");
    }
    const int units = w.add("IFCUNITASSIGNMENT((" + IfcWriter::ref(length) + "," + IfcWriter::ref(angle) + "))");
    w.add("IFCPROJECT('p',$,'P',$,$,$,$,$," + IfcWriter::ref(units) + ")");
}

struct Segment {
    double x;
    double y;
    double direction;
    double startRadius;
    double endRadius;
    double length;
    const char* kind;
};

int alignment(IfcWriter& w, const std::string& name, const std::string& placement = "$")
{
    return w.add("IFCALIGNMENT('g',$,'" + name + "',$,$," + placement + ",$,$)");
}

// The horizontal layout with its segments; returns the layout's id.
int horizontal(IfcWriter& w, const std::vector<Segment>& segments)
{
    const int layout = w.add("IFCALIGNMENTHORIZONTAL('h',$,$,$,$,$,$)");
    std::string list;
    for (const Segment& s : segments) {
        std::ostringstream design;
        design.precision(17);
        const int point = w.add("IFCCARTESIANPOINT((" + std::to_string(s.x) + "," + std::to_string(s.y) + "))");
        design << "IFCALIGNMENTHORIZONTALSEGMENT($,$," << IfcWriter::ref(point) << "," << std::showpoint << s.direction
               << "," << s.startRadius << "," << s.endRadius << "," << s.length << ",$,." << s.kind << ".)";
        const int parameters = w.add(design.str());
        const int segment = w.add("IFCALIGNMENTSEGMENT('s',$,$,$,$,$,$," + IfcWriter::ref(parameters) + ")");
        list += (list.empty() ? "" : ",") + IfcWriter::ref(segment);
    }
    w.add("IFCRELNESTS('n',$,$,$," + IfcWriter::ref(layout) + ",(" + list + "))");
    return layout;
}

struct VerticalSegment {
    double distAlong;
    double length;
    double height;
    double startGradient;
    double endGradient;
    const char* kind;
};

int vertical(IfcWriter& w, const std::vector<VerticalSegment>& segments)
{
    const int layout = w.add("IFCALIGNMENTVERTICAL('v',$,$,$,$,$,$)");
    std::string list;
    for (const VerticalSegment& s : segments) {
        std::ostringstream design;
        design.precision(17);
        design << std::showpoint << "IFCALIGNMENTVERTICALSEGMENT($,$," << s.distAlong << "," << s.length << ","
               << s.height << "," << s.startGradient << "," << s.endGradient << ",$,." << s.kind << ".)";
        const int parameters = w.add(design.str());
        const int segment = w.add("IFCALIGNMENTSEGMENT('s',$,$,$,$,$,$," + IfcWriter::ref(parameters) + ")");
        list += (list.empty() ? "" : ",") + IfcWriter::ref(segment);
    }
    w.add("IFCRELNESTS('n',$,$,$," + IfcWriter::ref(layout) + ",(" + list + "))");
    return layout;
}

void nest(IfcWriter& w, int parent, const std::vector<int>& children)
{
    std::string list;
    for (const int child : children) list += (list.empty() ? "" : ",") + IfcWriter::ref(child);
    w.add("IFCRELNESTS('n',$,$,$," + IfcWriter::ref(parent) + ",(" + list + "))");
}

// A referent `distance` along the line with Pset_Stationing Station (and
// IncomingStation when not NaN).
int referent(IfcWriter& w, double distance, double station, double incoming = NAN)
{
    const int where = w.add("IFCPOINTBYDISTANCEEXPRESSION(IFCLENGTHMEASURE(" + std::to_string(distance) + "),$,$,$,$)");
    const int axes = w.add("IFCAXIS2PLACEMENTLINEAR(" + IfcWriter::ref(where) + ",$,$)");
    const int placement = w.add("IFCLINEARPLACEMENT($," + IfcWriter::ref(axes) + ",$)");
    const int id = w.add("IFCREFERENT('r',$,'R',$,$," + IfcWriter::ref(placement) + ",$,.STATION.)");
    std::string properties = IfcWriter::ref(
        w.add("IFCPROPERTYSINGLEVALUE('Station',$,IFCLENGTHMEASURE(" + std::to_string(station) + "),$)"));
    if (!std::isnan(incoming)) {
        properties += "," + IfcWriter::ref(w.add("IFCPROPERTYSINGLEVALUE('IncomingStation',$,IFCLENGTHMEASURE(" +
                                                 std::to_string(incoming) + "),$)"));
    }
    const int set = w.add("IFCPROPERTYSET('s',$,'Pset_Stationing',$,(" + properties + "))");
    w.add("IFCRELDEFINESBYPROPERTIES('d',$,$,$,(" + IfcWriter::ref(id) + ")," + IfcWriter::ref(set) + ")");
    return id;
}

vomel::ImportedLine import(const IfcWriter& w, const std::string& name = {})
{
    std::istringstream in(w.text());
    return vomel::readIfc(in, name);
}

// The point at a station in IFC terms: (easting, northing).
vomel::Point ifcPoint(const vomel::ImportedLine& line, double station)
{
    const vomel::Point p = vomel::elementChainPointAt(*line.chain, station);
    return {p.y, p.x};
}

const Segment kLine100{0.0, 0.0, 0.0, 0.0, 0.0, 100.0, "LINE"};

struct FrameCase {
    const char* name;
    std::string lengthUnit;  // as project() takes it
    double angleFactor;  // radians per angle unit, 0 for radians
    bool placed;  // at (1000, 2000, 50), turned a quarter counter-clockwise
    Segment segment;
    vomel::Point end;  // IFC x, y at the end of the segment, line unit
    vomel::LengthUnit unit;
};

TEST(IfcImport, UnitsAnglesAndPlacementGiveTheEndPoint)
{
    const double pi = std::numbers::pi;
    const double diagonal = 100 / std::sqrt(2.0);
    const FrameCase cases[] = {
        {"radians", "", 0, false, {0, 0, pi / 2, 0, 0, 100, "LINE"}, {0, 100}, vomel::LengthUnit::Metre},
        // Factors as files write them, rounded to 15 digits.
        {"degrees", "", 0.0174532925199433, false, {0, 0, 90, 0, 0, 100, "LINE"}, {0, 100}, vomel::LengthUnit::Metre},
        {"gradians",
         "",
         0.015707963267949,
         false,
         {0, 0, 50, 0, 0, 100, "LINE"},
         {diagonal, diagonal},
         vomel::LengthUnit::Metre},
        {"US survey feet",
         "FOOT:0.304800609601219",
         0,
         false,
         {0, 0, 0, 0, 0, 100, "LINE"},
         {100, 0},
         vomel::LengthUnit::UsSurveyFoot},
        {"international feet",
         "FOOT:0.3048",
         0,
         false,
         {0, 0, 0, 0, 0, 100, "LINE"},
         {100, 0},
         vomel::LengthUnit::InternationalFoot},
        {"millimetres converted",
         "IFCSIUNIT(*,.LENGTHUNIT.,.MILLI.,.METRE.)",
         0,
         false,
         {1000, 2000, 0, 0, 0, 100000, "LINE"},
         {101, 2},
         vomel::LengthUnit::Metre},
        {"placed", "", 0, true, {0, 0, 0, 0, 0, 100, "LINE"}, {1000, 2100}, vomel::LengthUnit::Metre},
        {"placed arc turning left",
         "",
         0,
         true,
         {0, 0, 0, 100, 100, 50 * pi, "CIRCULARARC"},
         {900, 2100},
         vomel::LengthUnit::Metre},
    };
    for (const FrameCase& c : cases) {
        IfcWriter w;
        project(w, c.lengthUnit, c.angleFactor);
        std::string placement = "$";
        if (c.placed) {
            const int origin = w.add("IFCCARTESIANPOINT((1000.,2000.,50.))");
            const int axis = w.add("IFCDIRECTION((0.,0.,1.))");
            const int ref = w.add("IFCDIRECTION((0.,1.,0.))");
            const int axes = w.add("IFCAXIS2PLACEMENT3D(" + IfcWriter::ref(origin) + "," + IfcWriter::ref(axis) + "," +
                                   IfcWriter::ref(ref) + ")");
            placement = IfcWriter::ref(w.add("IFCLOCALPLACEMENT($," + IfcWriter::ref(axes) + ")"));
        }
        const int a = alignment(w, "A", placement);
        nest(w, a, {horizontal(w, {c.segment})});
        const vomel::ImportedLine line = import(w);
        EXPECT_EQ(line.unit, c.unit) << c.name;
        const vomel::Point got = ifcPoint(line, line.chain->nodeStation[2]);
        EXPECT_NEAR(got.x, c.end.x, kExact) << c.name;
        EXPECT_NEAR(got.y, c.end.y, kExact) << c.name;
    }
}

TEST(IfcImport, ReferentsGiveTheStartStationAndStationEquations)
{
    IfcWriter w;
    project(w);
    const int a = alignment(w, "A");
    nest(w, a, {horizontal(w, {{0, 0, 0, 0, 0, 300, "LINE"}})});
    // Written out of order: the equation first, the start referent 10 m in.
    nest(w, a, {referent(w, 100, 1200, 1110), referent(w, 10, 1010)});
    const vomel::ImportedLine line = import(w);
    EXPECT_EQ(line.chain->nodeStation[1], 1000.0);
    ASSERT_EQ(line.chainBreaks.chainBreakCount, 1);
    EXPECT_EQ(line.chainBreaks.breakBackStation[1], 1110.0);
    EXPECT_EQ(line.chainBreaks.breakAheadStation[1], 1200.0);
    EXPECT_EQ(line.chainBreaks.breakBackStation[2], 1300.0);  // the end row
    // 150 m along: 40 m past the equation, on chain B.
    EXPECT_EQ(vomel::stationTextPlain(line.chainBreaks, 1150.0), "B1240");
    EXPECT_EQ(vomel::stationTextPlain(line.chainBreaks, 1050.0), "A1050");
}

TEST(IfcImport, LayoutsAreFoundByTypeInAnyNestAndOrder)
{
    IfcWriter w;
    project(w);
    const int a = alignment(w, "A");
    // The vertical in a nest of its own, written before the horizontal's.
    nest(w, a, {vertical(w, {{0, 100, 10, 0.01, 0.01, "CONSTANTGRADIENT"}})});
    nest(w, a, {horizontal(w, {kLine100})});
    const vomel::ImportedLine line = import(w);
    ASSERT_TRUE(line.profile) << line.profileProblem;
    EXPECT_NEAR(line.profile->elevationAt(50), 10.5, kExact);
    EXPECT_NEAR(ifcPoint(line, 100).x, 100, kExact);
}

TEST(IfcImport, NamesThroughEscapesAndRepeatedNames)
{
    IfcWriter w;
    project(w);
    const int first = alignment(w, "\\X2\\531752A0\\X0\\");
    nest(w, first, {horizontal(w, {kLine100})});
    const int second = alignment(w, "\\X2\\531752A0\\X0\\");
    nest(w, second, {horizontal(w, {{500, 0, 0, 0, 0, 100, "LINE"}})});
    const std::string name = "\xE5\x8C\x97\xE5\x8A\xA0";  // 北加 in UTF-8
    EXPECT_EQ(import(w).name, name);
    EXPECT_NEAR(ifcPoint(import(w, name), 0).x, 0, kExact);
    EXPECT_NEAR(ifcPoint(import(w, name + "#2"), 0).x, 500, kExact);
    std::istringstream in(w.text());
    const std::vector<vomel::IfcAlignmentInfo> list = vomel::listIfcAlignments(in);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1].name, name);
    EXPECT_EQ(list[1].segmentCount, 1);
    EXPECT_EQ(list[1].endStation, 100.0);
    const auto failure = vomel::testing::expectFailure<vomel::FormatFailure>([&] { import(w, name + "#3"); });
    EXPECT_NE(failure.reason().find("no alignment is called"), std::string::npos) << failure.reason();
}

struct NoteCase {
    const char* name;
    std::vector<Segment> segments;
    const char* note;  // "" for none
};

TEST(IfcImport, GapsAndKinksBetweenSegmentsAreNoted)
{
    const double pi = std::numbers::pi;
    const NoteCase cases[] = {
        {"joined", {kLine100, {100, 0, 0, 0, 0, 50, "LINE"}}, ""},
        {"joined within rounding", {kLine100, {100.00004, 0, 0, 0, 0, 50, "LINE"}}, ""},
        {"a gap",
         {kLine100, {100.01, 0, 0, 0, 0, 50, "LINE"}},
         "meet at station 100.0000 with a gap of 0.0100 m; imported as a corner"},
        {"a kink",
         {kLine100, {100, 0, pi / 180, 0, 0, 50, "LINE"}},
         "meet at station 100.0000 at an angle of -1.000000°; imported"},
        {"a closing segment of length 0 is skipped", {kLine100, {100, 0, 0, 0, 0, 0, "LINE"}}, ""},
    };
    for (const NoteCase& c : cases) {
        IfcWriter w;
        project(w);
        nest(w, alignment(w, "A"), {horizontal(w, c.segments)});
        const vomel::ImportedLine line = import(w);
        if (*c.note == '\0') {
            EXPECT_TRUE(line.notes.empty())
                << c.name << ": " << (line.notes.empty() ? "" : line.notes.front().english());
            continue;
        }
        ASSERT_EQ(line.notes.size(), 1u) << c.name;
        EXPECT_EQ(line.notes[0].english().rfind("alignment \"A\": segment 1 (#", 0), 0u) << line.notes[0].english();
        EXPECT_NE(line.notes[0].english().find(c.note), std::string::npos) << c.name << ": " << line.notes[0].english();
    }
}

// The closed forms of the vertical segments: z at x along a segment.
double parabola(const VerticalSegment& s, double x)
{
    return s.height + s.startGradient * x + (s.endGradient - s.startGradient) * x * x / (2 * s.length);
}
double circle(const VerticalSegment& s, double x)
{
    const double sin1 = std::sin(std::atan(s.startGradient));
    const double radius = s.length / (std::sin(std::atan(s.endGradient)) - sin1);
    const double sinX = sin1 + x / radius;
    return s.height + radius * (std::sqrt(1 - sin1 * sin1) - std::sqrt(1 - sinX * sinX));
}

struct ProfileCase {
    const char* name;
    std::vector<VerticalSegment> segments;
    double tolerance;  // metres
};

TEST(IfcImport, VerticalSegmentsFollowTheirClosedForms)
{
    const ProfileCase cases[] = {
        {"grade, crest, grade",
         {{0, 100, 50, 0.02, 0.02, "CONSTANTGRADIENT"},
          {100, 200, 52, 0.02, -0.03, "PARABOLICARC"},
          {300, 200, 51, -0.03, -0.03, "CONSTANTGRADIENT"}},
         kExact},
        {"sag from the start, no grades between",
         {{0, 150, 20, -0.04, 0.01, "PARABOLICARC"}, {150, 150, 17.75, 0.01, 0.03, "PARABOLICARC"}},
         kExact},
        {"flat circular crest",
         {{0, 100, 50, 0.01, 0.01, "CONSTANTGRADIENT"},
          {100, 100, 51, 0.01, -0.01, "CIRCULARARC"},
          {200, 300, 51, -0.01, -0.01, "CONSTANTGRADIENT"}},
         kExact},
        {"circular sag, then a circular crest",
         {{0, 80, 30, -0.03, 0.02, "CIRCULARARC"}, {80, 120, 29.600249837609443, 0.02, -0.01, "CIRCULARARC"}},
         kExact},
    };
    for (const ProfileCase& c : cases) {
        IfcWriter w;
        project(w);
        const int a = alignment(w, "A");
        nest(w, a, {horizontal(w, {{0, 0, 0, 0, 0, 500, "LINE"}}), vertical(w, c.segments)});
        const vomel::ImportedLine line = import(w);
        ASSERT_TRUE(line.profile) << c.name << ": " << line.profileProblem;
        EXPECT_TRUE(line.notes.empty()) << c.name << ": " << (line.notes.empty() ? "" : line.notes.front().english());
        double worst = 0.0;
        for (const VerticalSegment& s : c.segments) {
            for (double x = 0; x <= s.length; x += s.length / 40) {
                const bool arc = std::string(s.kind) == "CIRCULARARC";
                const double z = arc ? circle(s, x) : parabola(s, x);
                worst = std::max(worst, std::fabs(line.profile->elevationAt(s.distAlong + x) - z));
            }
        }
        EXPECT_LE(worst, c.tolerance) << c.name;
    }
}

struct RefusalCase {
    const char* name;
    std::string text;
    const char* reason;
};

TEST(IfcImport, FilesThatCannotBeImportedAreRefusedNamingTheInstance)
{
    auto with = [](const std::function<void(IfcWriter&)>& write) {
        IfcWriter w;
        write(w);
        return w.text();
    };
    const RefusalCase cases[] = {
        {"no alignment", with([](IfcWriter& w) { project(w); }), "the file holds no IfcAlignment"},
        {"no horizontal", with([](IfcWriter& w) {
             project(w);
             alignment(w, "A");
         }),
         "alignment \"A\": #"},
        {"length unit of a yard", with([](IfcWriter& w) {
             project(w, "FOOT:0.9144");
             nest(w, alignment(w, "A"), {horizontal(w, {kLine100})});
         }),
         "a length unit of 0.9144 m"},
        {"clothoid without a radius", with([](IfcWriter& w) {
             project(w);
             nest(w, alignment(w, "A"), {horizontal(w, {{0, 0, 0, 0, 0, 100, "CLOTHOID"}})});
         }),
         "a CLOTHOID segment with both radii 0"},
        {"stations decreasing", with([](IfcWriter& w) {
             project(w);
             const int a = alignment(w, "A");
             nest(w, a, {horizontal(w, {kLine100})});
             const int r = referent(w, 0, 1000);
             nest(w, a, {r});
             const int flag = w.add("IFCPROPERTYSINGLEVALUE('HasIncreasingStation',$,IFCBOOLEAN(.F.),$)");
             const int set = w.add("IFCPROPERTYSET('s',$,'Pset_Stationing',$,(#" + std::to_string(flag) + "))");
             w.add("IFCRELDEFINESBYPROPERTIES('d',$,$,$,(#" + std::to_string(r) + "),#" + std::to_string(set) + ")");
         }),
         "stations decreasing along the line (HasIncreasingStation false) cannot be imported"},
        {"a second horizontal layout", with([](IfcWriter& w) {
             project(w);
             nest(w, alignment(w, "A"), {horizontal(w, {kLine100}), horizontal(w, {kLine100})});
         }),
         "nests a second IFCALIGNMENTHORIZONTAL"},
        {"tilted placement", with([](IfcWriter& w) {
             project(w);
             const int origin = w.add("IFCCARTESIANPOINT((0.,0.,0.))");
             const int axis = w.add("IFCDIRECTION((0.,1.,0.))");
             const int ref = w.add("IFCDIRECTION((1.,0.,0.))");
             const int axes = w.add("IFCAXIS2PLACEMENT3D(#" + std::to_string(origin) + ",#" + std::to_string(axis) +
                                    ",#" + std::to_string(ref) + ")");
             const int placement = w.add("IFCLOCALPLACEMENT($,#" + std::to_string(axes) + ")");
             nest(w, alignment(w, "A", "#" + std::to_string(placement)), {horizontal(w, {kLine100})});
         }),
         "its Axis is not the vertical"},
    };
    for (const RefusalCase& c : cases) {
        const auto failure = vomel::testing::expectFailure<vomel::FormatFailure>([&] {
            std::istringstream in(c.text);
            vomel::readIfc(in);
        });
        EXPECT_NE(failure.reason().find(c.reason), std::string::npos) << c.name << ": " << failure.reason();
    }
}

}  // namespace
