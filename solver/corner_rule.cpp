#include "solver/corner_rule.h"

#include <algorithm>
#include <cmath>

#include "core/angles.h"

namespace vomel {

namespace {

// The component of (x, y) - from along the azimuth.
double along(Point from, double azimuth, double x, double y)
{
    return (x - from.x) * std::cos(azimuth) + (y - from.y) * std::sin(azimuth);
}

}  // namespace

void applyCornerRule(Solution& solution, const std::vector<LineCorner>& corners, double x, double y)
{
    if (corners.empty()) return;
    const auto first =
        std::lower_bound(corners.begin(), corners.end(), solution.station - CORNER_STATION_REACH,
                         [](const LineCorner& corner, double station) { return corner.station < station; });
    const double found = std::fabs(solution.offset);
    for (auto corner = first; corner != corners.end(); ++corner) {
        if (corner->station > solution.station + CORNER_STATION_REACH) break;
        // Beyond the end of the element before and short of the start of
        // the one after: neither has a perpendicular foot here.
        if (along(corner->arriving, corner->arrivingAzimuth, x, y) < 0.0) continue;
        if (along(corner->leaving, corner->leavingAzimuth, x, y) > 0.0) continue;
        const double toArriving = std::hypot(x - corner->arriving.x, y - corner->arriving.y);
        const double toLeaving = std::hypot(x - corner->leaving.x, y - corner->leaving.y);
        const Point foot = toArriving <= toLeaving ? corner->arriving : corner->leaving;
        const double distance = std::min(toArriving, toLeaving);
        if (distance > found + CORNER_DISTANCE_SLACK) continue;
        // Left positive along the mean tangent: the component of the point
        // towards +Y of the tangent is on the right.
        const double mean =
            corner->arrivingAzimuth + 0.5 * signedAngle(corner->leavingAzimuth - corner->arrivingAzimuth);
        const double right = (y - foot.y) * std::cos(mean) - (x - foot.x) * std::sin(mean);
        solution.station = corner->station;
        solution.offset = right > 0.0 ? -distance : distance;
        solution.footX = foot.x;
        solution.footY = foot.y;
        solution.place = FootPlace::Corner;
        return;
    }
}

void placeFoot(Solution& solution, double startStation, double endStation)
{
    if (solution.place == FootPlace::Corner) return;
    if (solution.station < startStation - LINE_END_TOLERANCE) {
        solution.place = FootPlace::BeforeStart;
    } else if (solution.station > endStation + LINE_END_TOLERANCE) {
        solution.place = FootPlace::AfterEnd;
    } else {
        solution.place = FootPlace::OnLine;
    }
}

}  // namespace vomel
