// The LandXML import on what design programs export: real files reproduce
// their own element ends, joints that do not meet smoothly are imported as
// corners with a note, rounded numbers do not drift along the line, and
// what the schema leaves optional is worked out.
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "alignment/element_chain.h"
#include "core/angles.h"
#include "core/failure.h"
#include "formats/landxml_document.h"
#include "formats/landxml_reader.h"
#include "session/session.h"
#include "testing/element_chain_support.h"

namespace {

std::string dataPath(const std::string& name) { return std::string(VOMEL_TEST_DATA_DIR) + "/" + name; }

vomel::ImportedLine importText(const std::string& text, const std::string& name = {})
{
    std::istringstream in(text);
    return vomel::readLandXml(in, name);
}

// The file's Start and End points of every element of an alignment, in
// file order ("northing easting" as X, Y).
std::vector<std::pair<vomel::Point, vomel::Point>> fileEnds(const std::string& path, const std::string& name)
{
    std::ifstream in(path, std::ios::binary);
    const vomel::landxml::Document document(in);
    std::vector<std::pair<vomel::Point, vomel::Point>> ends;
    for (const pugi::xml_node& alignment : document.alignments()) {
        if (alignment.attribute("name").value() != name) continue;
        for (const pugi::xml_node& element : vomel::landxml::childNamed(alignment, "CoordGeom").children()) {
            if (element.type() != pugi::node_element || vomel::landxml::localName(element) == "Feature") continue;
            auto point = [&](const char* which) {
                const auto values =
                    vomel::landxml::parseNumberList(vomel::landxml::childNamed(element, which).child_value());
                return vomel::Point{values->at(0), values->at(1)};
            };
            ends.emplace_back(point("Start"), point("End"));
        }
    }
    return ends;
}

struct RealFileCase {
    const char* file;
    const char* alignment;
    std::size_t notes;  // joints with a kink or a gap
    bool profile;
};

// Every element of the shared exports starts on the file's Start and ends
// on its End: the largest difference over all of them, in the file's unit.
TEST(LandXmlImport, RealExportsReproduceTheirOwnElementEnds)
{
    const RealFileCase cases[] = {
        {"landxml/landxml_road_sample.xml", "Main Road", 3, true},
        {"landxml/Alignment_STN02.xml", "Asse_BP", 0, true},
        {"landxml/PR_Twin_Branch_section_alignment.xml", "PR_Twin_Branch_section", 0, true},
        {"landxml/BC003_ALX2_Cabling_alignments.xml", "A1", 0, true},
        {"landxml/BC003_ALX2_Cabling_alignments.xml", "A2", 0, true},
        {"landxml/BC003_ALX2_Cabling_alignments.xml", "A3", 0, true},
        {"landxml/BC003_ALX2_Cabling_alignments.xml", "A4", 0, true},
        {"landxml/BC003_ALX2_Cabling_alignments.xml", "A5", 0, true},
        {"landxml/BC003_ALX2_Cabling_alignments.xml", "A6", 0, true},
        {"landxml/BC003_ALX2_Cabling_alignments.xml", "A7", 0, true},
    };
    double worst = 0.0;
    std::string worstAt;
    for (const RealFileCase& c : cases) {
        std::ifstream in(dataPath(c.file), std::ios::binary);
        const vomel::ImportedLine line = vomel::readLandXml(in, c.alignment);
        EXPECT_EQ(line.notes.size(), c.notes)
            << c.alignment << (line.notes.empty() ? "" : ": " + line.notes[0].english());
        // The profile imports whole: every grade point without a vertical
        // curve lies on it, and the curves leave the grades where they end.
        EXPECT_EQ(line.profile.has_value(), c.profile) << c.alignment << ": " << line.profileProblem;
        if (line.profile) {
            for (const vomel::GradePoint& point : line.profile->gradePoints()) {
                if (point.radius != 0.0) continue;
                EXPECT_NEAR(line.profile->elevationAt(point.station), point.elevation, 1e-9)
                    << c.alignment << " at " << point.station;
            }
        }
        const auto ends = fileEnds(dataPath(c.file), c.alignment);
        const vomel::ElementChain& chain = *line.chain;
        ASSERT_EQ(static_cast<std::size_t>(chain.elementCount), ends.size()) << c.alignment;
        for (std::size_t k = 1; k <= ends.size(); ++k) {
            const auto& [start, end] = ends[k - 1];
            const double atStart = std::hypot(chain.nodeX[k] - start.x, chain.nodeY[k] - start.y);
            const double atEnd = std::hypot(chain.endX[k] - end.x, chain.endY[k] - end.y);
            if (std::max(atStart, atEnd) > worst) {
                worst = std::max(atStart, atEnd);
                worstAt = std::string(c.alignment) + " element " + std::to_string(k);
            }
        }
    }
    EXPECT_LE(worst, 1e-6) << "largest difference " << worst << " at " << worstAt;
    std::ostringstream figure;
    figure << worst << " at " << worstAt;
    RecordProperty("largest_difference", figure.str());
}

// Two elements from (0, 0) northwards; the second starts at `second`
// ("northing easting") and runs to `secondEnd`.
std::string twoLines(const std::string& second, const std::string& secondEnd)
{
    return "<LandXML>\n<Alignments>\n<Alignment name=\"A\" staStart=\"0\">\n<CoordGeom>\n"
           "<Line><Start>0 0</Start><End>100 0</End></Line>\n"
           "<Line><Start>" +
           second + "</Start><End>" + secondEnd +
           "</End></Line>\n</CoordGeom>\n</Alignment>\n</Alignments>\n</LandXML>\n";
}

struct JointCase {
    const char* name;
    std::string text;
    const char* note;  // a piece of the one note, or "" for none
    double x, y;  // a point to solve
    vomel::FootPlace place;
    double station;
    double offset;
};

// A point in the wedge outside a corner is answered by the corner; inside
// the wedge the nearer of the two feet wins, as everywhere.
TEST(LandXmlImport, JointsThatDoNotMeetSmoothlyAreCorners)
{
    // The second line turns 6° to the right (towards +Y): the outer wedge
    // is on the left, towards -Y.
    const double turn6 = 6.0 * vomel::PI / 180.0;
    const std::string kink6 =
        std::to_string(100.0 + 100.0 * std::cos(turn6)) + " " + std::to_string(100.0 * std::sin(turn6));
    const double turnSmall = 0.01 * vomel::PI / 180.0;
    const std::string kinkSmall =
        std::to_string(100.0 + 1000.0 * std::cos(turnSmall)) + " " + std::to_string(1000.0 * std::sin(turnSmall));
    const JointCase cases[] = {
        {"6° kink, point outside", twoLines("100 0", kink6),
         "elements 1 and 2 meet at station 100.0000 at an angle of 6.0000", 101.0, -10.0, vomel::FootPlace::Corner,
         100.0, std::hypot(1.0, 10.0)},
        {"6° kink, point inside", twoLines("100 0", kink6), "at an angle of 6.0000", 100.0, 10.0,
         vomel::FootPlace::OnLine, 100.0 + 10.0 * std::sin(turn6), -10.0 * std::cos(turn6)},
        {"0.01° kink, point outside", twoLines("100 0", kinkSmall), "at an angle of 0.0100", 100.001, -10.0,
         vomel::FootPlace::Corner, 100.0, std::hypot(0.001, 10.0)},
        {"2 mm gap", twoLines("100.002 0", "200 0"), "with a gap of 0.0020 m", 100.001, -5.0, vomel::FootPlace::Corner,
         100.0, 5.0},
        {"smooth", twoLines("100 0", "200 0"), "", 100.0, -5.0, vomel::FootPlace::OnLine, 100.0, 5.0},
    };
    for (const JointCase& c : cases) {
        const vomel::ImportedLine imported = importText(c.text);
        if (*c.note == '\0') {
            EXPECT_TRUE(imported.notes.empty()) << c.name << ": " << imported.notes.front().english();
        } else {
            ASSERT_EQ(imported.notes.size(), 1u) << c.name;
            EXPECT_NE(imported.notes[0].english().find(c.note), std::string::npos)
                << c.name << ": " << imported.notes[0].english();
        }
        const auto alignment = vomel::prepareLine(vomel::importedDesignLine(imported));
        for (const auto solver : {vomel::SolverChoice::Fast, vomel::SolverChoice::Reference}) {
            const vomel::Solution s = alignment->solve(c.x, c.y, solver);
            EXPECT_EQ(s.place, c.place) << c.name;
            EXPECT_NEAR(s.station, c.station, 1e-6) << c.name;
            EXPECT_NEAR(s.offset, c.offset, 1e-6) << c.name;
        }
    }
}

// A chain of 20 elements laid out exactly, written with every radius and
// length rounded to 4 decimals and the points to 10: each element, laid
// out from its own Start, still ends on the file's End.
TEST(LandXmlImport, RoundedRadiiAndLengthsDoNotDrift)
{
    vomel::ElementChain exact;
    exact.chainStartX = 3500000.0;
    exact.chainStartY = 500000.0;
    exact.chainStartAzimuth = 0.7;
    const double rows[][3] = {{9999, 9999, 123.45678},
                              {9999, 333.33333, 80.12345},
                              {333.33333, 333.33333, 150.5555},
                              {333.33333, 9999, 80.12345},
                              {9999, 9999, 55.55555},
                              {9999, -777.77777, 60.66666},
                              {-777.77777, -777.77777, 210.1234},
                              {-777.77777, -1555.5555, 45.4545},
                              {-1555.5555, 9999, 70.70707},
                              {9999, 9999, 99.99999}};
    for (int repeat = 0; repeat < 2; ++repeat) {
        for (const auto& row : rows) {
            const int i = ++exact.rowCount;
            exact.rowStartRadius[i] = row[0];
            exact.rowEndRadius[i] = row[1];
            exact.rowLength[i] = row[2];
        }
    }
    vomel::layOutChain(exact);
    ASSERT_EQ(exact.elementCount, 20);

    auto fixed = [](double value, int decimals) {
        std::ostringstream out;
        out.setf(std::ios::fixed);
        out.precision(decimals);
        out << value;
        return out.str();
    };
    auto radius = [&](double r) { return r == vomel::INFINITE_RADIUS ? std::string("INF") : fixed(std::fabs(r), 4); };
    std::string text = "<LandXML>\n<Alignments>\n<Alignment name=\"R\">\n<CoordGeom>\n";
    for (int k = 1; k <= 20; ++k) {
        const double r1 = exact.elementStartRadius[k];
        const double r2 = exact.elementEndRadius[k];
        const std::string points = "<Start>" + fixed(exact.nodeX[k], 10) + " " + fixed(exact.nodeY[k], 10) +
                                   "</Start><End>" + fixed(exact.endX[k], 10) + " " + fixed(exact.endY[k], 10) +
                                   "</End>";
        const std::string rot = (r1 != vomel::INFINITE_RADIUS ? r1 : r2) > 0 ? "cw" : "ccw";
        const std::string length = "length=\"" + fixed(exact.elementLength[k], 4) + "\"";
        if (r1 == vomel::INFINITE_RADIUS && r2 == vomel::INFINITE_RADIUS) {
            text += "<Line " + length + ">" + points + "</Line>\n";
        } else if (r1 == r2) {
            text += "<Curve rot=\"" + rot + "\" radius=\"" + radius(r1) + "\" " + length + ">" + points + "</Curve>\n";
        } else {
            text += "<Spiral spiType=\"clothoid\" rot=\"" + rot + "\" radiusStart=\"" + radius(r1) + "\" radiusEnd=\"" +
                    radius(r2) + "\" " + length + ">" + points + "</Spiral>\n";
        }
    }
    text += "</CoordGeom>\n</Alignment>\n</Alignments>\n</LandXML>\n";

    const vomel::ImportedLine imported = importText(text);
    EXPECT_TRUE(imported.notes.empty()) << imported.notes.front().english();
    const vomel::ElementChain& chain = *imported.chain;
    double worst = 0.0;
    int worstAt = 0;
    for (int k = 1; k <= 20; ++k) {
        const double miss = std::hypot(chain.endX[k] - exact.endX[k], chain.endY[k] - exact.endY[k]);
        if (miss > worst) {
            worst = miss;
            worstAt = k;
        }
    }
    EXPECT_LE(worst, 1e-6) << "element " << worstAt;
}

struct OptionalCase {
    const char* name;
    std::string elements;
    std::string extra;  // after CoordGeom
    double radius;  // of element 2, signed as in the chain (0: not checked)
    double length;  // of element 2
    double breakBack;  // the first chain break's back station (0: not checked)
};

// What the schema leaves optional is worked out from what it defines.
TEST(LandXmlImport, OptionalAttributesAreWorkedOut)
{
    const std::string line = "<Line><Start>0 0</Start><End>100 0</End></Line>\n";
    // A quarter circle of radius 100 to the right, from (100, 0) heading +X:
    // centre (100, 100), end (200, 100).
    const std::string points = "<Start>100 0</Start><Center>100 100</Center><End>200 100</End>";
    const double quarter = 50.0 * vomel::PI;
    const OptionalCase cases[] = {
        {"Curve without radius or length", line + "<Curve rot=\"cw\">" + points + "</Curve>", "", 100.0, quarter, 0},
        {"Curve given in full",
         line + "<Curve rot=\"cw\" radius=\"100\" length=\"" + std::to_string(quarter) + "\">" + points + "</Curve>",
         "", 100.0, quarter, 0},
        {"Spiral length from its constant",
         line + "<Spiral rot=\"ccw\" radiusStart=\"INF\" radiusEnd=\"300\" "
                "constant=\"173.205080757\"><Start>100 0</Start></Spiral>",
         "", -300.0, 100.0, 0},
        {"StaEquation without staBack", line + "<Line><Start>100 0</Start><End>200 0</End></Line>\n",
         "<StaEquation staInternal=\"150\" staAhead=\"1000\"/>\n", 0, 0, 150.0},
    };
    for (const OptionalCase& c : cases) {
        std::string elements = c.elements;
        // The spiral's End from the chain itself: only its length is missing.
        if (elements.find("<Spiral") != std::string::npos) {
            vomel::ElementChain spiral;
            spiral.chainStartX = 100.0;
            spiral.rowCount = 1;
            spiral.rowStartRadius[1] = vomel::INFINITE_RADIUS;
            spiral.rowEndRadius[1] = -300.0;
            spiral.rowLength[1] = 100.0;
            vomel::layOutChain(spiral);
            std::ostringstream end;
            end.precision(17);
            end << "<End>" << spiral.endX[1] << " " << spiral.endY[1] << "</End>";
            elements.replace(elements.find("</Spiral>"), 0, end.str());
        }
        const vomel::ImportedLine imported =
            importText("<LandXML>\n<Alignments>\n<Alignment name=\"A\">\n<CoordGeom>\n" + elements + "</CoordGeom>\n" +
                       c.extra + "</Alignment>\n</Alignments>\n</LandXML>\n");
        const vomel::ElementChain& chain = *imported.chain;
        EXPECT_TRUE(imported.notes.empty()) << c.name << ": " << imported.notes.front().english();
        if (c.radius != 0.0) {
            EXPECT_NEAR(chain.elementEndRadius[2], c.radius, 1e-6) << c.name;
            EXPECT_NEAR(chain.elementLength[2], c.length, 1e-6) << c.name;
        }
        if (c.breakBack != 0.0) {
            ASSERT_EQ(imported.chainBreaks.chainBreakCount, 1) << c.name;
            EXPECT_DOUBLE_EQ(imported.chainBreaks.breakBackStation[1], c.breakBack) << c.name;
            EXPECT_DOUBLE_EQ(imported.chainBreaks.breakAheadStation[1], 1000.0) << c.name;
        }
    }
}

struct AngleUnitCase {
    const char* unit;
    const char* dir;  // north-east at 45° from east: the element's own direction
};

// A Line too short for its chord to give its direction takes its dir in
// the file's directionUnit, counter-clockwise from east.
TEST(LandXmlImport, DirectionsAreReadInTheDeclaredUnit)
{
    const AngleUnitCase cases[] = {
        {"radians", "0.785398163397448"},
        {"decimal degrees", "45"},
        {"grads", "50"},
        {"decimal dd.mm.ss", "45.0000"},
    };
    for (const AngleUnitCase& c : cases) {
        const std::string text = std::string("<LandXML>\n<Units><Metric linearUnit=\"meter\" directionUnit=\"") +
                                 c.unit +
                                 "\"/></Units>\n<Alignments>\n<Alignment name=\"A\">\n<CoordGeom>\n"
                                 "<Line dir=\"" +
                                 c.dir +
                                 "\" length=\"0.005\"><Start>0 0</Start><End>0.0035355 0.0035355</End></Line>\n"
                                 "</CoordGeom>\n</Alignment>\n</Alignments>\n</LandXML>\n";
        const vomel::ImportedLine imported = importText(text);
        // 45° from east is an azimuth of 45° from north.
        EXPECT_NEAR(imported.chain->nodeAzimuth[1], vomel::PI / 4.0, 1e-12) << c.unit;
    }
    const auto failure = [] {
        try {
            importText("<LandXML>\n<Units><Metric directionUnit=\"mils\"/></Units>\n<Alignments>\n"
                       "<Alignment name=\"A\"><CoordGeom><Line><Start>0 0</Start><End>1 0</End></Line>"
                       "</CoordGeom></Alignment>\n</Alignments>\n</LandXML>\n");
        } catch (const vomel::FormatFailure& f) {
            return f;
        }
        return vomel::FormatFailure("no failure");
    }();
    EXPECT_NE(failure.reason().find("directionUnit is \"mils\""), std::string::npos) << failure.reason();
    EXPECT_EQ(failure.line(), 2);
}

}  // namespace

namespace {

struct LengthCase {
    const char* length;
    const char* note;  // a piece of the one note, or "" for none
};

// The alignment's length attribute is a check on the elements' sum: a
// rounding passes, a difference is said and the line imported as it is.
TEST(LandXmlImport, StatedLengthIsOnlyCompared)
{
    const LengthCase cases[] = {
        {"100.0000001", ""},
        {"100.5", "its length attribute 100.5 differs from the elements' sum 100.0000 m"},
    };
    for (const LengthCase& c : cases) {
        const vomel::ImportedLine imported =
            importText(std::string("<LandXML>\n<Alignments>\n<Alignment name=\"A\" length=\"") + c.length +
                       "\">\n<CoordGeom>\n<Line><Start>0 0</Start><End>100 0</End></Line>\n</CoordGeom>\n"
                       "</Alignment>\n</Alignments>\n</LandXML>\n");
        EXPECT_DOUBLE_EQ(vomel::testing::endStation(*imported.chain), 100.0) << c.length;
        if (*c.note == '\0') {
            EXPECT_TRUE(imported.notes.empty()) << c.length << ": " << imported.notes.front().english();
        } else {
            ASSERT_EQ(imported.notes.size(), 1u) << c.length;
            EXPECT_NE(imported.notes[0].english().find(c.note), std::string::npos) << imported.notes[0].english();
        }
    }
}

}  // namespace
