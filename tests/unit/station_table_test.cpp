// The station coordinate table: key points against the curve table and the
// line, multiples of the interval across chain breaks, offsets left
// positive, azimuths in 度分秒, and the CASS output read back.
#include <cmath>
#include <numbers>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "alignment/offset_point.h"
#include "formats/cass_points.h"
#include "formats/station_table_writers.h"
#include "session/curve_table.h"
#include "session/session.h"
#include "session/station_table.h"
#include "stationing/stated_station.h"
#include "text/number_text.h"

namespace {

constexpr double kExact = 1e-9;  // metres: key points and multiples against the line
constexpr double kInterval = 20.0;  // metres between rows

struct LineCase {
    const char* name;
    vomel::Method method;
    std::string file;
    std::string chainBreaks;
};

std::string example(const char* name) { return std::string(VOMEL_EXAMPLES_DIR) + "/" + name; }
std::string data(const char* name) { return std::string(VOMEL_TEST_DATA_DIR) + "/" + name; }

// The main line with two chain breaks (a long and a short chain), a line
// with curves without spirals and a hairpin, and a ramp of elements.
const std::vector<LineCase>& lineCases()
{
    static const std::vector<LineCase> cases = {
        {"main_line_with_chain_breaks", vomel::Method::IntersectionPoint, example("mainline.jdx"),
         example("mainline.dl")},
        {"hairpin_and_plain_arcs", vomel::Method::IntersectionPoint, data("mixed_hairpin.jdx"), ""},
        {"ramp_of_elements", vomel::Method::Element, example("ramp.ele"), ""},
    };
    return cases;
}

vomel::StationTable tableOf(const vomel::PreparedLine& line, std::vector<double> offsets = {})
{
    vomel::StationTableOptions options;
    options.stations.interval = kInterval;
    options.offsets = std::move(offsets);
    return vomel::stationTable(line, options);
}

bool named(const vomel::StationTableRow& row, const std::string& name)
{
    for (const auto& n : row.names) {
        if (n.kind == vomel::TablePointKind::KeyPoint && n.keyPoint == name) return true;
    }
    return false;
}

// The stated station as the curve table prints it.
std::string statedCell(const vomel::StationTable& table, const vomel::StationTableRow& row)
{
    return (table.chainLetters ? std::string(1, row.stated.letter) : std::string()) +
           vomel::formatFixed(row.stated.stated, 3);
}

TEST(StationTable, KeyPointsAreTheLinesOwnAtTheirPoints)
{
    for (const LineCase& c : lineCases()) {
        SCOPED_TRACE(c.name);
        const auto line = vomel::initialiseAlignment(c.method, c.file, c.chainBreaks);
        const vomel::StationTable table = tableOf(*line, {3.75});
        for (const vomel::KeyPoint& key : line->line->keyPoints()) {
            int found = 0;
            for (const auto& row : table.rows) {
                if (!named(row, key.name) || std::fabs(row.station - key.station) > kExact) continue;
                ++found;
                const vomel::Point on = line->pointAt(key.station);
                EXPECT_NEAR(row.point.x, on.x, kExact);
                EXPECT_NEAR(row.point.y, on.y, kExact);
                const vomel::Point beside = vomel::offsetPoint(*line->line, key.station, 3.75);
                EXPECT_NEAR(row.offsetPoints.at(0).x, beside.x, kExact);
                EXPECT_NEAR(row.offsetPoints.at(0).y, beside.y, kExact);
            }
            EXPECT_EQ(found, 1) << key.name << " at " << key.station;
        }
    }
}

// Every station of a curve-table row is a row of the table under one of
// the names the column stands for (a curve without spirals names its ends
// ZY and YZ, and its HY and YH fall on them).
TEST(StationTable, KeyPointsAgreeWithTheCurveTable)
{
    const std::vector<std::pair<std::string, std::set<std::string>>> columns = {
        {"ZH", {"ZH", "ZY"}}, {"HY", {"HY", "ZY"}}, {"QZ", {"QZ"}}, {"YH", {"YH", "YZ"}}, {"HZ", {"HZ", "YZ"}}};
    for (const LineCase& c : lineCases()) {
        if (c.method != vomel::Method::IntersectionPoint) continue;
        SCOPED_TRACE(c.name);
        const auto line = vomel::initialiseAlignment(c.method, c.file, c.chainBreaks);
        const vomel::CurveTable curves = vomel::curveTable(*line);
        const vomel::StationTable table = tableOf(*line);
        for (std::size_t r = 1; r + 1 < curves.rows.size(); ++r) {
            for (const auto& [column, names] : columns) {
                std::size_t at = 0;
                while (curves.columns[at] != column) ++at;
                const std::string& cell = curves.rows[r][at];
                bool found = false;
                for (const auto& row : table.rows) {
                    for (const std::string& name : names)
                        found = found || (named(row, name) && statedCell(table, row) == cell);
                }
                EXPECT_TRUE(found) << "row " << r << " " << column << " " << cell;
            }
        }
    }
}

// At every multiple of the interval within each chain exactly one row, at
// the point `station` gives for it; both readings of each break.
TEST(StationTable, MultiplesWithinEachChainAcrossChainBreaks)
{
    const auto line =
        vomel::initialiseAlignment(vomel::Method::IntersectionPoint, example("mainline.jdx"), example("mainline.dl"));
    const vomel::StationTable table = tableOf(*line);
    struct Chain {
        char letter;
        double from, to;  // stated
    };
    const double end = vomel::chainStationLetter(line->chainBreaks(), line->endStation).stated;
    for (const Chain chain : {Chain{'A', 12000, 14500}, Chain{'B', 14400, 18200}, Chain{'C', 18235.62, end}}) {
        SCOPED_TRACE(chain.letter);
        for (double k = std::ceil(chain.from / kInterval); k * kInterval <= chain.to; ++k) {
            int found = 0;
            for (const auto& row : table.rows) {
                if (row.stated.letter != chain.letter || std::fabs(row.stated.stated - k * kInterval) > 1e-6) continue;
                ++found;
                const double s =
                    vomel::continuousStation(line->chainBreaks(), vomel::StatedStation{k * kInterval, chain.letter});
                EXPECT_NEAR(row.point.x, line->pointAt(s).x, kExact);
                EXPECT_NEAR(row.point.y, line->pointAt(s).y, kExact);
            }
            EXPECT_EQ(found, 1) << k * kInterval;
        }
    }
    std::vector<std::string> breakRows;
    for (const auto& row : table.rows) {
        for (const auto& n : row.names) {
            if (n.kind == vomel::TablePointKind::ChainBreak) breakRows.push_back(statedCell(table, row));
        }
    }
    EXPECT_EQ(breakRows, (std::vector<std::string>{"A14500.000", "B14400.000", "B18200.000", "C18235.620"}));
    // In order along the line, no station twice.
    for (std::size_t i = 1; i < table.rows.size(); ++i) {
        const auto& a = table.rows[i - 1];
        const auto& b = table.rows[i];
        EXPECT_TRUE(a.stated.letter < b.stated.letter || b.stated.stated - a.stated.stated > 1e-6)
            << statedCell(table, b);
        EXPECT_LE(a.station, b.station + 1e-6);
    }
    // The start is a multiple: one row, named.
    EXPECT_EQ(statedCell(table, table.rows.front()), "A12000.000");
    EXPECT_EQ(table.rows.front().names.size(), 1u);
}

// At every millimetre around each key point: the multiple that prints as
// the key point's station is its row, at the key point's own station, and
// no station is printed twice.
TEST(StationTable, MultipleAtAKeyPointIsItsRow)
{
    const auto line = vomel::initialiseAlignment(vomel::Method::IntersectionPoint, data("mixed_hairpin.jdx"));
    for (const vomel::KeyPoint& key : line->line->keyPoints()) {
        vomel::StationTableOptions options;
        options.stations.interval = 0.001;
        options.stations.from = key.station - 0.5;
        options.stations.to = key.station + 0.5;
        const vomel::StationTable table = vomel::stationTable(*line, options);
        int named = 0;
        for (std::size_t i = 0; i < table.rows.size(); ++i) {
            const auto& row = table.rows[i];
            if (i > 0) {
                EXPECT_NE(vomel::tableStationText(table, table.rows[i - 1]), vomel::tableStationText(table, row));
            }
            if (row.names.empty()) continue;
            ++named;
            EXPECT_NEAR(row.station, key.station, kExact) << key.name;
        }
        EXPECT_EQ(named, 1) << key.name << " at " << key.station;
        // 1000 or 1001 millimetres, the key point among them.
        EXPECT_GE(table.rows.size(), 1000u) << key.name;
        EXPECT_LE(table.rows.size(), 1001u) << key.name;
    }
}

// Inside curves and spirals the curve interval, elsewhere the interval.
TEST(StationTable, CurveIntervalInsideCurvesOnly)
{
    const auto line = vomel::initialiseAlignment(vomel::Method::IntersectionPoint, data("mixed_hairpin.jdx"));
    vomel::StationTableOptions options;
    options.stations.interval = 50;
    options.stations.curveInterval = 10;
    const vomel::StationTable table = vomel::stationTable(*line, options);
    int inCurves = 0;
    for (const auto& row : table.rows) {
        if (!row.names.empty()) continue;
        const double k = row.stated.stated / 10;
        EXPECT_NEAR(k, std::round(k), 1e-9);
        if (std::fmod(row.stated.stated, 50) != 0) {
            ++inCurves;
            EXPECT_NE(line->poseAt(row.station).curvature, 0.0) << row.stated.stated;
        }
    }
    EXPECT_GT(inCurves, 100);
}

// Left positive: on the survey grid (X north, Y east) the left of the
// tangent t is where t × (p - centre) < 0.
TEST(StationTable, OffsetsLeftPositive)
{
    const auto line = vomel::initialiseAlignment(vomel::Method::IntersectionPoint, data("mixed_hairpin.jdx"));
    const std::vector<double> offsets = {7.5, -3.75};
    const vomel::StationTable table = tableOf(*line, offsets);
    for (const auto& row : table.rows) {
        for (std::size_t i = 0; i < offsets.size(); ++i) {
            const double dx = row.offsetPoints[i].x - row.point.x;
            const double dy = row.offsetPoints[i].y - row.point.y;
            EXPECT_NEAR(std::hypot(dx, dy), std::fabs(offsets[i]), kExact);
            const double cross = std::cos(row.azimuth) * dy - std::sin(row.azimuth) * dx;
            EXPECT_NEAR(cross, -offsets[i], kExact) << row.stated.stated;
        }
    }
}

TEST(StationTable, AzimuthInDegreesMinutesSeconds)
{
    struct Case {
        double degrees, minutes, seconds;
        const char* dms;
    };
    const std::vector<Case> cases = {
        {0, 0, 0, "0°00'00.000\""},          {45, 30, 15.25, "45°30'15.250\""},
        {10, 0, 59.9995, "10°01'00.000\""},  // the carry runs into the minute
        {10, 0, 59.9994, "10°00'59.999\""},  {89, 59, 59.9996, "90°00'00.000\""},  // and on into the degree
        {359, 59, 59.9996, "0°00'00.000\""},  // a full turn is north
        {180, 0, 0.0004, "180°00'00.000\""},
    };
    for (const Case& c : cases) {
        const double radians = (c.degrees + c.minutes / 60 + c.seconds / 3600) * std::numbers::pi / 180;
        EXPECT_EQ(vomel::azimuthDmsText(radians), c.dms) << c.dms;
    }
    EXPECT_EQ(vomel::azimuthDegreesText(2 * std::numbers::pi - 1e-12), "0.00000000");
    EXPECT_EQ(vomel::azimuthDegreesText(std::numbers::pi / 2), "90.00000000");
}

// Every point of the CASS output, read back by the CASS reader: named by
// its station and side, at the table's coordinates and elevation.
TEST(StationTable, CassReadBack)
{
    const auto line =
        vomel::initialiseAlignment(vomel::Method::IntersectionPoint, example("mainline.jdx"), example("mainline.dl"));
    vomel::DesignSurface surface;
    surface.profile = std::make_shared<const vomel::VerticalProfile>(
        std::vector<vomel::GradePoint>{{11000, 100, 0, 0}, {30000, 130, 0, 0}});
    vomel::StationTableOptions options;
    options.stations.interval = 100;
    options.offsets = {3.75, -3.75};
    options.design = &surface;
    const vomel::StationTable table = vomel::stationTable(*line, options);
    std::istringstream in(vomel::stationTableCass(table, {}));
    std::string text;
    long lineNumber = 0;
    for (const auto& row : table.rows) {
        const std::string station = vomel::tableStationText(table, row);
        const std::vector<std::string> names = {station, station + "L3.75", station + "R3.75"};
        const std::vector<vomel::Point> points = {row.point, row.offsetPoints[0], row.offsetPoints[1]};
        const std::vector<std::optional<double>> elevations = {row.elevation, row.offsetElevations[0],
                                                               row.offsetElevations[1]};
        for (std::size_t i = 0; i < names.size(); ++i) {
            ASSERT_TRUE(std::getline(in, text));
            text.pop_back();  // CR
            const vomel::SurveyPoint point = vomel::parseCassLine(text, ++lineNumber);
            EXPECT_EQ(point.label, names[i]);
            EXPECT_NEAR(point.x, points[i].x, 1e-8);  // 15 significant digits of 3.5e6
            EXPECT_NEAR(point.y, points[i].y, 1e-8);
            EXPECT_NEAR(point.elevation, elevations[i].value(), 1e-9);
        }
    }
    EXPECT_FALSE(std::getline(in, text));
    EXPECT_EQ(table.rowsBeyondProfile, 0u);
}

}  // namespace
