#include "alignment/offset_point.h"

#include <cmath>

#include "core/angles.h"
#include "core/failure.h"

namespace vomel {

double tangentAzimuth(const LinePose& pose)
{
    return normaliseAzimuth(requireFinite(pose.azimuth, VOMEL_TRANSLATE_NOOP("Failure", "tangent azimuth")));
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): station then offset, as surveyors state a point
Point offsetPoint(const DesignLine& line, double station, double offset)
{
    requireFinite(offset, VOMEL_TRANSLATE_NOOP("Failure", "offset"));
    // One evaluation of the line gives both the point and its tangent.
    const LinePose pose = line.poseAt(station);
    const Point onLine = pose.point;
    const double a = tangentAzimuth(pose);
    // Left of the direction a is the direction a - π/2: (sin a, -cos a).
    const Point p{onLine.x + offset * std::sin(a), onLine.y - offset * std::cos(a)};
    requireFinite(p.x, VOMEL_TRANSLATE_NOOP("Failure", "X of the set-out point"));
    requireFinite(p.y, VOMEL_TRANSLATE_NOOP("Failure", "Y of the set-out point"));
    return p;
}

}  // namespace vomel
