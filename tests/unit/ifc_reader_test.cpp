// IFC 4.3 alignments imported into element chains: the public samples'
// points against their independently computed coordinates, and the
// refusals naming the instance.
#include <cmath>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "alignment/element_chain_station.h"
#include "core/failure.h"
#include "formats/ifc_reader.h"
#include "testing/expect_failure.h"

namespace {

std::string ifcPath(const std::string& name) { return std::string(VOMEL_TEST_DATA_DIR) + "/ifc/" + name; }

vomel::ImportedLine importFile(const std::string& name, const std::string& alignment = {})
{
    std::ifstream in(ifcPath(name), std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + name);
    return vomel::readIfc(in, alignment);
}

// A row of NAME.expected.csv: alignment_name,station,x,y[,z], x the easting.
struct ExpectedPoint {
    double station = 0.0;
    double x = 0.0;
    double y = 0.0;
    double z = NAN;
};

std::vector<ExpectedPoint> readExpected(const std::string& name)
{
    std::ifstream in(ifcPath(name), std::ios::binary);
    std::string row;
    std::getline(in, row);  // the header
    std::vector<ExpectedPoint> points;
    while (std::getline(in, row)) {
        if (!row.empty() && row.back() == '\r') row.pop_back();
        if (row.empty()) continue;
        std::istringstream fields(row.substr(row.find(',') + 1));
        ExpectedPoint p;
        char comma = 0;
        fields >> p.station >> comma >> p.x >> comma >> p.y;
        if (fields.fail()) throw std::runtime_error(name + ": a row that does not parse: " + row);
        if (fields >> comma >> p.z; fields.fail()) p.z = NAN;
        points.push_back(p);
    }
    if (points.size() < 2) throw std::runtime_error("no rows in " + name);
    return points;
}

struct SampleCase {
    const char* file;
    double tolerance;  // of x, y and z, in the file's unit
    const char* name;
    vomel::LengthUnit unit;
};

TEST(IfcReader, SamplePointsAgreeWithTheirReferenceCoordinates)
{
    const SampleCase cases[] = {
        {"iif_H_Line_100.0_inf_300", 1e-9, "Spor", vomel::LengthUnit::Metre},
        {"iif_H_CircularArc_100.0_300_inf", 1e-9, "Spor", vomel::LengthUnit::Metre},
        {"iif_H_Clothoid_100.0_inf_300", 1e-9, "Spor", vomel::LengthUnit::Metre},
        {"iif_H_Clothoid_100.0_300_1000", 1e-9, "Spor", vomel::LengthUnit::Metre},
        // Expected values of 6 decimals, in international feet.
        {"aig_Generated_Horizontal_CircularArc_100.0_-300_-300_IntlFoot", 1e-6,
         "Horizontal_CircularArc_100.0_-300_-300_IntlFoot", vomel::LengthUnit::InternationalFoot},
        {"iif_V_ParabolicArc_100.0_10.0_0.5_1.0", 1e-9, "Spor", vomel::LengthUnit::Metre},
        {"iif_V_CircularArc_100.0_10.0_1.0_0.5", 1e-9, "Spor", vomel::LengthUnit::Metre},
    };
    for (const SampleCase& c : cases) {
        const std::string base = c.file;
        const vomel::ImportedLine line = importFile(base + ".ifc");
        EXPECT_EQ(line.name, c.name) << base;
        EXPECT_EQ(line.unit, c.unit) << base;
        EXPECT_TRUE(line.notes.empty()) << base << ": " << (line.notes.empty() ? "" : line.notes.front().english());
        const std::vector<ExpectedPoint> expected = readExpected(base + ".expected.csv");
        double worst = 0.0;
        for (const ExpectedPoint& p : expected) {
            const vomel::Point got = vomel::elementChainPointAt(*line.chain, p.station);
            // The chain's X is the northing, IFC's x the easting.
            worst = std::max({worst, std::fabs(got.y - p.x), std::fabs(got.x - p.y)});
            if (!std::isnan(p.z)) {
                ASSERT_TRUE(line.profile) << base << ": " << line.profileProblem;
                worst = std::max(worst, std::fabs(line.profile->elevationAt(p.station) - p.z));
            }
        }
        EXPECT_LE(worst, c.tolerance) << base;
        EXPECT_NEAR(vomel::elementChainPointAt(*line.chain, expected.back().station).y, expected.back().x, c.tolerance)
            << base << ": the end";
    }
}

TEST(IfcReader, SegmentKindsBeyondLineArcAndClothoidAreRefusedNamingTheInstance)
{
    const auto failure =
        vomel::testing::expectFailure<vomel::FormatFailure>([] { importFile("iif_H_HelmertCurve_100.0_inf_300.ifc"); });
    EXPECT_NE(failure.reason().find("#29 (IFCALIGNMENTHORIZONTALSEGMENT)"), std::string::npos) << failure.reason();
    EXPECT_NE(failure.reason().find("HELMERTCURVE"), std::string::npos) << failure.reason();
    EXPECT_NE(failure.reason().find("alignment \"Spor\""), std::string::npos) << failure.reason();
    EXPECT_EQ(failure.line(), 31);
}

struct RepresentationCase {
    const char* name;
    std::string from;  // replaced in the sample's text
    std::string to;
    const char* note;  // "" for none
};

TEST(IfcReader, AGeometricRepresentationThatDisagreesIsNoted)
{
    const std::string base = "aig_Generated_Horizontal_CircularArc_100.0_-300_-300_IntlFoot.ifc";
    std::ifstream in(ifcPath(base), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const RepresentationCase cases[] = {
        {"agrees", "", "", ""},
        // As a file declaring degrees while writing radians turns it.
        {"turned", "#51=IFCDIRECTION((1.,0.));", "#51=IFCDIRECTION((0.,1.));",
         "segment 1 (#42): its geometric representation #53 (IFCCURVESEGMENT) starts 0.0000 ft away, its direction "
         "turned -90.000000°"},
        {"moved", "#52=IFCAXIS2PLACEMENT2D(#41,#51);", "#52=IFCAXIS2PLACEMENT2D(#31,#51);",
         "starts 326.5672 ft away, its direction turned 0.000000°"},
    };
    for (const RepresentationCase& c : cases) {
        std::string changed = text;
        if (!c.from.empty()) changed.replace(changed.find(c.from), c.from.size(), c.to);
        std::istringstream file(changed);
        const vomel::ImportedLine line = vomel::readIfc(file);
        if (*c.note == '\0') {
            EXPECT_TRUE(line.notes.empty()) << c.name;
            continue;
        }
        ASSERT_EQ(line.notes.size(), 1u) << c.name;
        EXPECT_NE(line.notes[0].english().find(c.note), std::string::npos) << c.name << ": " << line.notes[0].english();
    }
}

}  // namespace
