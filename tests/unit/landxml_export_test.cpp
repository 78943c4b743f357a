// LandXML export: every example line, written and read back with the
// program's own reader, gives every surveyed point the same station,
// offset and design elevation; the document has what LandXML 1.2 requires
// of each element.
#include <cmath>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include "core/failure.h"
#include "formats/landxml_reader.h"
#include "formats/landxml_writer.h"
#include "formats/profile_file.h"
#include "session/line_export.h"
#include "session/project.h"
#include "session/session.h"

namespace {

using vomel::DesignSurface;
using vomel::PreparedLine;

// Station, offset and design elevation must come back to this, metres.
constexpr double kRoundTripTolerance = 1e-9;

const std::string kExamples = VOMEL_EXAMPLES_DIR;

struct ExampleLine {
    std::string name;
    std::shared_ptr<const PreparedLine> line;
    DesignSurface surface;
    std::string pointsFile;
    vomel::PointsFormat pointsFormat = vomel::PointsFormat::Plain;
};

std::vector<vomel::SurveyPoint> pointsOf(const ExampleLine& example)
{
    std::ifstream in(example.pointsFile, std::ios::binary);
    return vomel::readCoordinateFile(in, vomel::MAX_POINTS, example.pointsFormat);
}

// Every example line: the main line with its chain breaks and profile, the
// ramp as an element file and as LandXML, and each line of the
// interchange project with its profile and cross-fall.
std::vector<ExampleLine> exampleLines()
{
    std::vector<ExampleLine> lines;
    ExampleLine main{"mainline",
                     vomel::initialiseAlignment(vomel::Method::IntersectionPoint, kExamples + "/mainline.jdx",
                                                kExamples + "/mainline.dl"),
                     {},
                     kExamples + "/mainline.xy"};
    main.surface.profile = vomel::loadProfile(kExamples + "/mainline.profile", main.line->chainBreaks());
    main.surface.crossFall = vomel::loadCrossFall(kExamples + "/mainline.crossfall", main.line->chainBreaks());
    lines.push_back(main);
    lines.push_back({"ramp.ele",
                     vomel::initialiseAlignment(vomel::Method::Element, kExamples + "/ramp.ele"),
                     {},
                     kExamples + "/ramp.xy"});
    const auto xml = vomel::prepareLine(vomel::loadLandXml(kExamples + "/ramp.xml"));
    lines.push_back({"ramp.xml", xml, {xml->line->ownProfile(), nullptr}, kExamples + "/ramp.xy"});
    const auto project = vomel::loadProject(kExamples + "/interchange/interchange.vomelproj");
    for (const vomel::ProjectLine& each : project->lines) {
        lines.push_back({"interchange " + each.name(), each.line, each.surface, kExamples + "/interchange/points.dat",
                         vomel::PointsFormat::Cass});
    }
    return lines;
}

// The line and surface read back from the export of `example`; the
// cross-fall, which LandXML does not carry, goes along as it is.
struct ReadBack {
    std::shared_ptr<const PreparedLine> line;
    DesignSurface surface;
};

std::string documentOf(const ExampleLine& example)
{
    vomel::LandXmlLine exported = vomel::landXmlLineOf(*example.line, example.surface, example.name);
    exported.date = "2026-12-08";
    exported.time = "10:00:00";
    return vomel::landXmlDocument(exported);
}

ReadBack exportAndRead(const ExampleLine& example)
{
    std::istringstream document(documentOf(example));
    vomel::ImportedLine imported = vomel::readLandXml(document);
    ReadBack back;
    if (imported.profile) back.surface.profile = std::make_shared<vomel::VerticalProfile>(*imported.profile);
    back.surface.crossFall = example.surface.crossFall;
    back.line = vomel::prepareLine(vomel::importedDesignLine(std::move(imported)));
    return back;
}

struct LargestError {
    double value = 0.0;
    std::string where;
    void keep(double error, const std::string& place)
    {
        if (!(error <= value)) {
            value = error;
            where = place;
        }
    }
};

TEST(LandXmlExport, EveryExamplePointKeepsItsStationOffsetAndElevation)
{
    LargestError station, offset, elevation;
    int compared = 0;
    for (const ExampleLine& example : exampleLines()) {
        SCOPED_TRACE(example.name);
        const ReadBack back = exportAndRead(example);
        ASSERT_EQ(back.line->hasChainBreaks(), example.line->hasChainBreaks());
        ASSERT_EQ(static_cast<bool>(back.surface.profile), static_cast<bool>(example.surface.profile));
        for (const vomel::SurveyPoint& point : pointsOf(example)) {
            const std::string place = example.name + ", point " + point.label;
            const vomel::Solution a = example.line->solve(point.x, point.y);
            const vomel::Solution b = back.line->solve(point.x, point.y);
            const vomel::StatedStation statedA = vomel::chainStationLetter(example.line->chainBreaks(), a.station);
            const vomel::StatedStation statedB = vomel::chainStationLetter(back.line->chainBreaks(), b.station);
            EXPECT_EQ(statedA.letter, statedB.letter) << place;
            station.keep(std::fabs(statedA.stated - statedB.stated), place);
            offset.keep(std::fabs(a.offset - b.offset), place);
            const auto heightA = example.surface.elevationAt(a.station, a.offset);
            const auto heightB = back.surface.elevationAt(b.station, b.offset);
            ASSERT_EQ(heightA.has_value(), heightB.has_value()) << place;
            if (heightA) elevation.keep(std::fabs(*heightA - *heightB), place);
            ++compared;
        }
    }
    EXPECT_GT(compared, 375 * 5);
    EXPECT_LE(station.value, kRoundTripTolerance) << "largest at " << station.where;
    EXPECT_LE(offset.value, kRoundTripTolerance) << "largest at " << offset.where;
    EXPECT_LE(elevation.value, kRoundTripTolerance) << "largest at " << elevation.where;
    std::cout << "largest station error " << station.value << " m (" << station.where << "), offset " << offset.value
              << " m (" << offset.where << "), elevation " << elevation.value << " m (" << elevation.where << ")\n";
}

// What LandXML 1.2 requires of each element the export writes: its
// attributes, the elements it holds, its points ("northing easting"
// children) and, for a grade point, "station elevation" as its text.
struct Required {
    const char* element;
    std::vector<const char*> attributes;
    std::vector<const char*> blocks;
    std::vector<const char*> points;
    bool gradePoint = false;
};

const std::vector<Required> kRequired = {
    {"LandXML", {"date", "time", "version"}, {"Units", "Alignments"}, {}},
    {"Metric", {"areaUnit", "linearUnit", "volumeUnit", "temperatureUnit", "pressureUnit"}, {}, {}},
    {"Alignment", {"name", "length", "staStart"}, {"CoordGeom"}, {}},
    {"Line", {}, {}, {"Start", "End"}},
    {"Curve", {"rot"}, {}, {"Start", "Center", "End"}},
    {"Spiral", {"length", "radiusEnd", "radiusStart", "rot", "spiType"}, {}, {"Start", "PI", "End"}},
    {"StaEquation", {"staAhead", "staInternal"}, {}, {}},
    {"ProfAlign", {"name"}, {}, {}},
    {"PVI", {}, {}, {}, true},
    {"ParaCurve", {"length"}, {}, {}, true},
    {"UnsymParaCurve", {"lengthIn", "lengthOut"}, {}, {}, true},
    {"CircCurve", {"length", "radius"}, {}, {}, true},
};

// Two numbers as the text of a point or a grade point.
bool holdsTwoNumbers(const char* text)
{
    std::istringstream in(text);
    double a = NAN;
    double b = NAN;
    std::string rest;
    return static_cast<bool>(in >> a >> b) && std::isfinite(a) && std::isfinite(b) && !(in >> rest);
}

TEST(LandXmlExport, TheDocumentHasWhatLandXmlRequiresOfEachElement)
{
    for (const ExampleLine& example : exampleLines()) {
        SCOPED_TRACE(example.name);
        const std::string text = documentOf(example);
        pugi::xml_document document;
        ASSERT_TRUE(document.load_string(text.c_str())) << "not well-formed";
        EXPECT_STREQ(document.document_element().attribute("xmlns").value(),
                     "http://www.landxml.org/schema/LandXML-1.2");
        for (const Required& required : kRequired) {
            for (const pugi::xpath_node& found :
                 document.select_nodes((std::string("//") + required.element).c_str())) {
                const pugi::xml_node node = found.node();
                for (const char* attribute : required.attributes) {
                    EXPECT_FALSE(std::string(node.attribute(attribute).value()).empty())
                        << required.element << " lacks " << attribute;
                }
                for (const char* block : required.blocks) EXPECT_TRUE(node.child(block)) << required.element << block;
                for (const char* point : required.points) {
                    EXPECT_TRUE(holdsTwoNumbers(node.child(point).child_value())) << required.element << point;
                }
                if (required.gradePoint) {
                    EXPECT_TRUE(holdsTwoNumbers(node.child_value())) << required.element;
                }
            }
        }
        const auto count = [&](const char* path) { return document.select_nodes(path).size(); };
        EXPECT_EQ(count("//StaEquation"), static_cast<std::size_t>(example.line->chainBreaks().chainBreakCount));
        EXPECT_EQ(count("//ProfAlign"), example.surface.profile ? 1U : 0U);
        EXPECT_EQ(count("//Line") + count("//Curve") + count("//Spiral"),
                  vomel::landXmlElementsOf(*example.line).size());
    }
}

// The main line's curves with outer radii become spirals with both radii
// finite; its curves without spirals plain arcs.
TEST(LandXmlExport, IncompleteSpiralsKeepBothRadii)
{
    const std::vector<ExampleLine> lines = exampleLines();
    const std::string text = documentOf(lines.front());
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(text.c_str()));
    // examples/mainline.jdx: outer radii on JD5 (in), JD6 (out), JD7 (both)
    // and JD10 (in); JD3 and JD9 have no spirals.
    EXPECT_EQ(document.select_nodes("//Spiral[@radiusStart!='INF' and @radiusEnd!='INF']").size(), 5U);
    EXPECT_EQ(document.select_nodes("//Spiral[@radiusStart='INF' or @radiusEnd='INF']").size(), 11U);
    EXPECT_EQ(document.select_nodes("//Curve").size(), 10U);
    EXPECT_EQ(document.select_nodes("//Line").size(), 11U);
}

struct NameCase {
    std::string bytes;
    std::string utf8;
};

TEST(LandXmlExport, NamesAreWrittenAsUtf8)
{
    const std::vector<NameCase> cases = {
        {"K0 main", "K0 main"},
        {"\xE4\xB8\xBB\xE7\xBA\xBF", "\xE4\xB8\xBB\xE7\xBA\xBF"},  // 主线, already UTF-8
        {"\xD6\xF7\xCF\xDF", "\xE4\xB8\xBB\xE7\xBA\xBF"},  // 主线 in GBK
        {"A\xFF", "A\xEF\xBF\xBD"},  // neither
    };
    for (const NameCase& c : cases) EXPECT_EQ(vomel::utf8Name(c.bytes), c.utf8) << c.bytes;
}

// Lines of every kind the test data holds, exported and read back: the
// points, stated stations and design elevations at the ends and quarter
// points of every element agree to the round-trip tolerance.

TEST(LandXmlExport, EveryTestLineReadsBack)
{
    const std::string data = VOMEL_TEST_DATA_DIR;
    const std::vector<std::string> files = {
        "jd02_spiral_sym.jdx",
        "jd04_incomplete.jdx",
        "mixed_hairpin.jdx",
        "irt_clothoid_300_1000.ele",
        "irt_clothoid_m300_minf.ele",
        "landxml/landxml_road_sample.xml",  // in feet, with corners
        "landxml/landxml_vertical_curves.xml",  // CircCurve and UnsymParaCurve
        "landxml/PR_Twin_Branch_section_alignment.xml",
        "landxml/Alignment_STN02.xml",
        "ifc/iif_H_Clothoid_100.0_300_1000.ifc",
        "ifc/iif_V_ParabolicArc_100.0_10.0_0.5_1.0.ifc",
    };
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const std::string path = data + "/" + file;
        const bool mainLine = path.ends_with(".jdx");
        const auto line =
            vomel::initialiseAlignment(mainLine ? vomel::Method::IntersectionPoint : vomel::Method::Element, path);
        const DesignSurface surface{line->line->ownProfile(), nullptr};
        const std::string document = vomel::landXmlDocument(vomel::landXmlLineOf(*line, surface, file));
        const vomel::ExportAgreement agreement = vomel::compareExport(*line, surface, document);
        EXPECT_LE(agreement.pointDistance, kRoundTripTolerance) << "at " << agreement.pointStation;
        EXPECT_LE(agreement.stationDifference, kRoundTripTolerance) << "at " << agreement.stationAt;
        EXPECT_LE(agreement.elevationDifference, kRoundTripTolerance) << "at " << agreement.elevationAt;
        EXPECT_EQ(agreement.notes.size(), line->line->importNotes().size());
    }
}

// The check before writing sees a document that would move the line: the
// main line's export with its start station or its first chain break's
// ahead station moved by a millimetre.
struct MovedCase {
    std::string written;
    std::string moved;
    double pointDistance;
    double stationDifference;
};

TEST(LandXmlExport, TheCheckSeesAMovedLine)
{
    const ExampleLine main = exampleLines().front();
    const std::vector<MovedCase> cases = {
        {"staStart=\"12000\"", "staStart=\"12000.001\"", 0.001, 0.0},
        {"staAhead=\"14400\"", "staAhead=\"14400.001\"", 0.0, 0.001},
    };
    for (const MovedCase& c : cases) {
        SCOPED_TRACE(c.moved);
        std::string document = documentOf(main);
        const std::size_t at = document.find(c.written);
        ASSERT_NE(at, std::string::npos);
        document.replace(at, c.written.size(), c.moved);
        const vomel::ExportAgreement agreement = vomel::compareExport(*main.line, main.surface, document);
        EXPECT_NEAR(agreement.pointDistance, c.pointDistance, 1e-9);
        EXPECT_NEAR(agreement.stationDifference, c.stationDifference, 1e-9);
    }
}

}  // namespace
