#include "alignment/vertical_curve_table.h"

#include <string>

#include "text/number_text.h"

namespace vomel {

namespace {

constexpr int ELEVATION_DECIMALS = 4;
constexpr int PERCENT_DECIMALS = 4;
constexpr double PERCENT = 100.0;

std::string percentCell(double grade) { return formatFixed(grade * PERCENT, PERCENT_DECIMALS); }

}  // namespace

CurveTable verticalCurveTable(const VerticalProfile& profile, const vomel::ChainBreaks& breaks)
{
    CurveTable table;
    table.columns = {"grade_point", "station",       "elevation",       "grade_in_%",  "grade_out_%",  "R", "T", "E",
                     "type",        "start_station", "start_elevation", "end_station", "end_elevation"};
    const auto& points = profile.gradePoints();
    const auto curves = profile.curveTable();
    for (std::size_t k = 0; k < points.size(); ++k) {
        std::vector<std::string> row(table.columns.size());
        row[0] = std::to_string(k + 1);
        row[1] = stationCell(breaks, points[k].station);
        row[2] = formatFixed(points[k].elevation, ELEVATION_DECIMALS);
        if (k > 0) row[3] = percentCell(profile.gradeAfter(k - 1));
        if (k + 1 < points.size()) row[4] = percentCell(profile.gradeAfter(k));
        if (k > 0 && k + 1 < points.size()) {
            const VerticalCurve& c = curves[k - 1];
            const bool unsymmetric = c.shape == VerticalCurveShape::UnsymmetricParabola && c.radius > 0;
            // An unsymmetric parabola: the radii and lengths of its two halves.
            row[5] =
                unsymmetric ? formatGeneral(c.radiusIn) + "/" + formatGeneral(c.radiusOut) : formatGeneral(c.radius);
            if (c.radius > 0) {
                row[6] =
                    unsymmetric ? lengthCell(c.lengthIn) + "/" + lengthCell(c.lengthOut) : lengthCell(c.tangentLength);
                row[7] = lengthCell(c.externalDistance);
                row[8] = c.crest ? "crest" : "sag";
                row[9] = stationCell(breaks, c.startStation);
                row[10] = formatFixed(c.startElevation, ELEVATION_DECIMALS);
                row[11] = stationCell(breaks, c.endStation);
                row[12] = formatFixed(c.endElevation, ELEVATION_DECIMALS);
            }
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

}  // namespace vomel
