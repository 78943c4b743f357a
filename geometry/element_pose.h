#pragma once
// The point of one element of a ramp at a distance along it, for each of
// the five kinds: one function serves both the layout of the nodes (the
// offset from an element's start to its end) and the point at a station.

#include <cmath>

#include "core/line_pose.h"
#include "core/point.h"
#include "geometry/element_kind.h"
#include "geometry/partial_spiral.h"
#include "geometry/spiral.h"

namespace vomel {

// Where an element starts or ends, and the azimuth of its tangent there.
struct ElementEnd {
    Point at;
    double azimuth = 0.0;
};

// Local offset (x, y) seen from a tangent of azimuth a, as a plane offset.
inline Point rotatedOffset(double x, double y, double a)
{
    return {x * std::cos(a) - y * std::sin(a), x * std::sin(a) + y * std::cos(a)};
}

// The point of `element` at distance d (0 <= d <= length) from its start.
// Every kind is laid out forwards from `start`, but the exit spiral, which
// is laid out backwards from `end`, where its curvature is 0. With
// WithTangent the tangent azimuth and the curvature there are filled in
// too; without, the azimuth is the start's (or for the exit spiral, the
// end's) and the curvature 0, which costs no trigonometry beyond the point.
template <bool WithTangent>
LinePose elementPose(const ElementShape& element, ElementEnd start, ElementEnd end, double d)
{
    const double r1 = element.startRadius;
    const double r2 = element.endRadius;
    const double length = element.length;
    const double a = start.azimuth;
    const double x0 = start.at.x;
    const double y0 = start.at.y;

    switch (elementKind(element)) {
    case ElementKind::Straight: return {{x0 + d * std::cos(a), y0 + d * std::sin(a)}, a, 0.0};
    case ElementKind::Arc: {
        const double turned = a + d / r1;
        return {
            {x0 + r1 * (std::sin(turned) - std::sin(a)), y0 - r1 * (std::cos(turned) - std::cos(a))}, turned, 1.0 / r1};
    }
    case ElementKind::EntrySpiral: {
        const double c = length * r2;
        const double x = spiralLocalX(d, c);
        const double y = spiralLocalY(d, c);
        const Point offset = rotatedOffset(x, y, a);
        LinePose pose{{x0 + offset.x, y0 + offset.y}, a, 0.0};
        // Curvature d / c grows from 0 at the start.
        if constexpr (WithTangent) pose = {pose.point, a + d * d / (2.0 * c), d / c};
        return pose;
    }
    case ElementKind::ExitSpiral: {
        // Laid out backwards from the end, where the curvature is 0.
        const double e = length - d;
        const double c = length * r1;
        const double x = spiralLocalX(e, c);
        const double y = spiralLocalY(e, c);
        const double b = end.azimuth;
        LinePose pose{
            {end.at.x - x * std::cos(b) - y * std::sin(b), end.at.y - x * std::sin(b) + y * std::cos(b)}, b, 0.0};
        // e before the end the tangent still lacks the turn e² / 2c.
        if constexpr (WithTangent) pose = {pose.point, b - e * e / (2.0 * c), e / c};
        return pose;
    }
    case ElementKind::PartialSpiral: {
        const Point local = partialSpiralLocal(element, d);
        const Point offset = rotatedOffset(local.x, local.y, a);
        LinePose pose{{x0 + offset.x, y0 + offset.y}, a, 0.0};
        if constexpr (WithTangent) {
            // Curvature runs linearly from 1/R1 to 1/R2 over the length; the
            // tangent has turned by its integral from the start.
            const double startCurvature = 1.0 / r1;
            const double curvatureRate = (1.0 / r2 - startCurvature) / length;
            pose = {pose.point, a + d * startCurvature + 0.5 * curvatureRate * d * d,
                    startCurvature + curvatureRate * d};
        }
        return pose;
    }
    }
    return {{x0, y0}, a, 0.0};
}

// The plane offset from the start of `element` to its end, for start and
// end tangents of azimuth a and b: elementPose at the far end of the
// element from a start (or, for the exit spiral, an end) at the origin.
inline Point elementSpan(const ElementShape& element, double a, double b)
{
    const ElementEnd origin{{0.0, 0.0}, a};
    const ElementEnd originAhead{{0.0, 0.0}, b};
    const ElementKind kind = elementKind(element);
    const bool spiral = kind == ElementKind::EntrySpiral || kind == ElementKind::ExitSpiral;
    if (spiral && element.length == 0.0) return {0.0, 0.0};
    if (kind == ElementKind::ExitSpiral) {
        // From the end back to the start, turned round.
        const Point back = elementPose<false>(element, origin, originAhead, 0.0).point;
        return {-back.x, -back.y};
    }
    return elementPose<false>(element, origin, originAhead, element.length).point;
}

}  // namespace vomel
