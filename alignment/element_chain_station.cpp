#include "alignment/element_chain_station.h"

#include <algorithm>
#include <cmath>

#include "alignment/element_chain.h"
#include "core/failure.h"
#include "geometry/element_pose.h"

namespace vomel {

namespace {

// The pose on element k at distance d from its start node.
template <bool WithTangent>
vomel::LinePose poseOnElement(const ElementChain& chain, int k, double d)
{
    const auto start = static_cast<std::size_t>(k);
    const ElementEnd from{{chain.nodeX[start], chain.nodeY[start]}, chain.nodeAzimuth[start]};
    const ElementEnd to{{chain.endX[start], chain.endY[start]}, chain.endAzimuth[start]};
    return elementPose<WithTangent>(elementShape(chain, k), from, to, d);
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
    vomel::requireFinite(station, VOMEL_TRANSLATE_NOOP("Failure", "station"));
    const int n = std::clamp(chain.elementCount, 0, MAX_ELEMENTS);

    vomel::LinePose pose{{chain.nodeX[1], chain.nodeY[1]}, chain.nodeAzimuth[1], 0.0};
    const int k = elementIndexAt(chain, station);
    if (k >= 1) pose = poseOnElement<WithTangent>(chain, k, station - chain.nodeStation[k]);

    // The tangents beyond both ends take over, the end tangent last.
    if (station <= chain.nodeStation[1]) pose = poseOnTangent(chain, 1, station);
    if (station >= chain.nodeStation[n + 1]) pose = poseOnTangent(chain, n + 1, station);

    vomel::requireFinite(pose.point.x, VOMEL_TRANSLATE_NOOP("Failure", "point X"));
    vomel::requireFinite(pose.point.y, VOMEL_TRANSLATE_NOOP("Failure", "point Y"));
    if constexpr (WithTangent) {
        vomel::requireFinite(pose.azimuth, VOMEL_TRANSLATE_NOOP("Failure", "tangent azimuth"));
        vomel::requireFinite(pose.curvature, VOMEL_TRANSLATE_NOOP("Failure", "curvature"));
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

vomel::Point elementChainPointAt(const ElementChain& chain, double station)
{
    return evaluate<false>(chain, station).point;
}

vomel::LinePose elementChainPoseAt(const ElementChain& chain, double station) { return evaluate<true>(chain, station); }

}  // namespace vomel
