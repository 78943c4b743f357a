#include "alignment/intersection_point_line.h"

#include <cmath>
#include <string>
#include <utility>

#include "alignment/table_cells.h"
#include "core/failure.h"

namespace vomel {

IntersectionPointLine::IntersectionPointLine(std::shared_ptr<const MainLine> line, const ChainBreaks& breaks)
    : DesignLine(breaks), line_(std::move(line))
{
    if (!line_) throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "no main line was read"));
    addImportNotes(line_->fitNotes);
    noteChainBreaksOutside(startStation(), endStation());
}

Point IntersectionPointLine::pointAt(double station) const { return mainLineStationToXY(*line_, station); }

LinePose IntersectionPointLine::poseAt(double station) const { return mainLineStationToPose(*line_, station); }

double IntersectionPointLine::startStation() const { return line_->jdStation[1]; }

double IntersectionPointLine::endStation() const { return line_->endStation(); }

std::vector<KeyPoint> IntersectionPointLine::keyPoints() const
{
    const MainLine& l = *line_;
    std::vector<KeyPoint> points;
    const auto n = static_cast<std::size_t>(l.jdCount);
    for (std::size_t i = 2; i < n; ++i) {
        const bool spiralIn = l.jdSpiralIn[i] != 0.0;
        const bool spiralOut = l.jdSpiralOut[i] != 0.0;
        points.push_back({l.zhStation[i], spiralIn ? "ZH" : "ZY"});
        if (spiralIn) points.push_back({l.hyStation[i], "HY"});
        if (spiralOut) points.push_back({l.yhStation[i], "YH"});
        points.push_back({l.hzStation[i], spiralOut ? "HZ" : "YZ"});
    }
    return points;
}

std::vector<IntersectionPoint> IntersectionPointLine::intersectionPoints() const
{
    const MainLine& l = *line_;
    std::vector<IntersectionPoint> points;
    const auto n = static_cast<std::size_t>(l.jdCount);
    for (std::size_t i = 2; i < n; ++i) {
        const std::string& name = l.jdName[i];
        points.push_back({{l.jdX[i], l.jdY[i]}, name.empty() ? "JD" + std::to_string(i - 1) : name});
    }
    return points;
}

std::vector<std::pair<Point, Point>> IntersectionPointLine::tangents() const
{
    const MainLine& l = *line_;
    std::vector<std::pair<Point, Point>> sides;
    const auto n = static_cast<std::size_t>(l.jdCount);
    for (std::size_t i = 1; i < n; ++i)
        sides.emplace_back(Point{l.jdX[i], l.jdY[i]}, Point{l.jdX[i + 1], l.jdY[i + 1]});
    return sides;
}

CurveTable IntersectionPointLine::curveTable() const
{
    const MainLine& l = *line_;
    const ChainBreaks& breaks = chainBreaks();
    CurveTable table;
    table.columns = {
        "name", "X",  "Y",  "deflection", "deflection_rad", "R", "Ls1", "Ls2", "RA1", "RA2", "T1", "T2", "L", "E", "ZH",
        "HY",   "QZ", "YH", "HZ"};
    const int n = l.jdCount;
    for (int i = 1; i <= n; ++i) {
        const auto r = static_cast<std::size_t>(i);
        std::vector<std::string> row(table.columns.size());
        row[0] = l.jdName[r];
        row[1] = inputCell(l.jdX[r]);
        row[2] = inputCell(l.jdY[r]);
        if (i == 1 || i == n) {
            // The start and end of the line: no curve, only a station.
            row[14] = stationCell(breaks, l.jdStation[r]);
        } else {
            // Hairpin rows hold R, Ls and RA negated as a marker; the
            // drawings give their magnitudes.
            const double midStation = l.zhStation[r] + l.curveLength[r] / 2;
            const Point mid = mainLineStationToXY(l, midStation);
            row[3] = angleDms(l.jdDeflection[r]);
            row[4] = radiansCell(l.jdDeflection[r]);
            row[5] = inputCell(std::fabs(l.jdRadius[r]));
            row[6] = inputCell(std::fabs(l.jdSpiralIn[r]));
            row[7] = inputCell(std::fabs(l.jdSpiralOut[r]));
            row[8] = inputCell(std::fabs(l.jdOuterRadiusIn[r]));
            row[9] = inputCell(std::fabs(l.jdOuterRadiusOut[r]));
            row[10] = lengthCell(l.tangentIn[r]);
            row[11] = lengthCell(l.tangentOut[r]);
            row[12] = lengthCell(l.curveLength[r]);
            row[13] = lengthCell(std::hypot(mid.x - l.jdX[r], mid.y - l.jdY[r]));
            row[14] = stationCell(breaks, l.zhStation[r]);
            row[15] = stationCell(breaks, l.hyStation[r]);
            row[16] = stationCell(breaks, midStation);
            row[17] = stationCell(breaks, l.yhStation[r]);
            row[18] = stationCell(breaks, l.hzStation[r]);
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

}  // namespace vomel
