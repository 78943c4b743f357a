#include "app/vertical_curve_table.h"

#include <string>

#include "app/number_text.h"

namespace vomel {

namespace {

constexpr int STATION_DECIMALS = 3;
constexpr int LENGTH_DECIMALS = 4;
constexpr int ELEVATION_DECIMALS = 4;
constexpr int PERCENT_DECIMALS = 4;
constexpr double PERCENT = 100.0;

std::string stationCell(double station, const zxbas::ChainBreaks& breaks)
{
    const zxbas::StatedStation stated = zxbas::chainStationLetter(breaks, station);
    return (breaks.chainBreakCount != 0 ? std::string(1, stated.letter) : std::string()) +
           formatFixed(stated.stated, STATION_DECIMALS);
}

std::string percentCell(double grade) { return formatFixed(grade * PERCENT, PERCENT_DECIMALS); }

}  // namespace

CurveTable verticalCurveTable(const VerticalProfile& profile, const zxbas::ChainBreaks& breaks)
{
    CurveTable table;
    table.columns = {"grade_point", "station",   "elevation",     "grade_in_%",  "grade_out_%",
                     "R",           "T",         "E",             "type",        "start_station",
                     "start_elevation", "end_station", "end_elevation"};
    const auto& points = profile.gradePoints();
    const auto curves = profile.curveTable();
    for (std::size_t k = 0; k < points.size(); ++k) {
        std::vector<std::string> row(table.columns.size());
        row[0] = std::to_string(k + 1);
        row[1] = stationCell(points[k].station, breaks);
        row[2] = formatFixed(points[k].elevation, ELEVATION_DECIMALS);
        if (k > 0) row[3] = percentCell(profile.gradeAfter(k - 1));
        if (k + 1 < points.size()) row[4] = percentCell(profile.gradeAfter(k));
        if (k > 0 && k + 1 < points.size()) {
            const VerticalCurve& c = curves[k - 1];
            row[5] = formatGeneral(c.radius);
            if (c.radius > 0) {
                row[6] = formatFixed(c.tangentLength, LENGTH_DECIMALS);
                row[7] = formatFixed(c.externalDistance, LENGTH_DECIMALS);
                row[8] = c.crest ? "crest" : "sag";
                row[9] = stationCell(c.startStation, breaks);
                row[10] = formatFixed(c.startElevation, ELEVATION_DECIMALS);
                row[11] = stationCell(c.endStation, breaks);
                row[12] = formatFixed(c.endElevation, ELEVATION_DECIMALS);
            }
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

}  // namespace vomel
