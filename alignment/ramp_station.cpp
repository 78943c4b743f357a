#include "alignment/ramp_station.h"

#include <algorithm>
#include <cmath>

#include "core/failure.h"
#include "alignment/element_chain.h"
#include "geometry/element_kind.h"
#include "geometry/partial_spiral.h"
#include "geometry/spiral.h"

namespace vomel::ramp {

namespace {

// Local offset (x, y) seen from a tangent of azimuth a, as a plane offset.
vomel::Point rotated(double x, double y, double a)
{
    return {x * std::cos(a) - y * std::sin(a), x * std::sin(a) + y * std::cos(a)};
}

// A place on the chain: element k, at distance d (0 <= d < L) from its
// start node.
struct ElementPlace {
    int k;
    double d;
};

template <bool WithTangent>
vomel::LinePose poseOnElement(const ElementChain& chain, ElementPlace place)
{
    const int k = place.k;
    const double d = place.d;
    const ElementShape element = elementShape(chain, k);
    const double r1 = element.startRadius;
    const double r2 = element.endRadius;
    const double length = element.length;
    const double a = chain.nodeAzimuth[k];
    const double x0 = chain.nodeX[k];
    const double y0 = chain.nodeY[k];

    switch (elementKind(element)) {
    case ElementKind::Straight:
        return {{x0 + d * std::cos(a), y0 + d * std::sin(a)}, a, 0.0};
    case ElementKind::Arc: {
        const double turned = a + d / r1;
        return {{x0 + r1 * (std::sin(turned) - std::sin(a)), y0 - r1 * (std::cos(turned) - std::cos(a))},
                turned,
                1.0 / r1};
    }
    case ElementKind::EntrySpiral: {
        const double c = length * r2;
        const vomel::Point offset =
            rotated(vomel::spiralLocalX(d, c), vomel::spiralLocalY(d, c), a);
        vomel::LinePose pose{{x0 + offset.x, y0 + offset.y}, a, 0.0};
        // Curvature d / c grows from 0 at the start node.
        if constexpr (WithTangent) pose = {pose.point, a + d * d / (2.0 * c), d / c};
        return pose;
    }
    case ElementKind::ExitSpiral: {
        // Laid out backwards from the end node, where the curvature is 0.
        const double e = length - d;
        const double c = length * r1;
        const double x = vomel::spiralLocalX(e, c);
        const double y = vomel::spiralLocalY(e, c);
        const double b = chain.nodeAzimuth[k + 1];
        vomel::LinePose pose{{chain.nodeX[k + 1] - x * std::cos(b) - y * std::sin(b),
                              chain.nodeY[k + 1] - x * std::sin(b) + y * std::cos(b)},
                             b,
                             0.0};
        // e before the end the tangent still lacks the turn e² / 2c.
        if constexpr (WithTangent) pose = {pose.point, b - e * e / (2.0 * c), e / c};
        return pose;
    }
    case ElementKind::PartialSpiral: {
        const vomel::Point local = partialSpiralLocal(element, d);
        const vomel::Point offset = rotated(local.x, local.y, a);
        vomel::LinePose pose{{x0 + offset.x, y0 + offset.y}, a, 0.0};
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

// The point at `station` on the tangent through node `node`.
vomel::LinePose poseOnTangent(const ElementChain& chain, int node, double station)
{
    const double e = station - chain.nodeStation[node];
    const double a = chain.nodeAzimuth[node];
    return {{chain.nodeX[node] + e * std::cos(a), chain.nodeY[node] + e * std::sin(a)}, a, 0.0};
}

template <bool WithTangent>
vomel::LinePose evaluate(const ElementChain& chain, double station)
{
    vomel::requireFinite(station, "station");
    const int n = std::clamp(chain.elementCount, 0, MAX_ELEMENTS);

    vomel::LinePose pose{{chain.nodeX[1], chain.nodeY[1]}, chain.nodeAzimuth[1], 0.0};
    const int k = elementIndexAt(chain, station);
    if (k >= 1) pose = poseOnElement<WithTangent>(chain, {k, station - chain.nodeStation[k]});

    // The tangents beyond both ends take over, the end tangent last.
    if (station <= chain.nodeStation[1]) pose = poseOnTangent(chain, 1, station);
    if (station >= chain.nodeStation[n + 1]) pose = poseOnTangent(chain, n + 1, station);

    vomel::requireFinite(pose.point.x, "point X");
    vomel::requireFinite(pose.point.y, "point Y");
    if constexpr (WithTangent) {
        vomel::requireFinite(pose.azimuth, "tangent azimuth");
        vomel::requireFinite(pose.curvature, "curvature");
    }
    return pose;
}

}  // namespace

int elementIndexAt(const ElementChain& chain, double station)
{
    const int n = std::clamp(chain.elementCount, 0, MAX_ELEMENTS);
    const double* const stations = chain.nodeStation.data();
    // Node stations never decrease, so the element whose interval
    // [start, end) holds the station is the one before the first node past
    // it; an element of length 0 has an empty interval and is never chosen.
    const double* const firstPast = std::upper_bound(stations + 1, stations + n + 2, station);
    const int k = static_cast<int>(firstPast - stations) - 1;
    return (k >= 1 && k <= n) ? k : 0;
}

vomel::Point interchangeStationToXY(const ElementChain& chain, double station)
{
    return evaluate<false>(chain, station).point;
}

vomel::LinePose interchangeStationToPose(const ElementChain& chain, double station)
{
    return evaluate<true>(chain, station);
}

}  // namespace vomel::ramp
