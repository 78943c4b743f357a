// The direction of travel on each kind of element: constant on a straight,
// turned by d/R on an arc, by l²/(2C) on a clothoid at length l from its
// zero-curvature point (for an exit spiral, back from its end node).
#include "interchange/station_tangent.h"

#include <algorithm>

#include "app/failure.h"
#include "interchange/element_chain.h"
#include "interchange/element_kind.h"

namespace htbas {

namespace {

double elementTangent(const ElementChain& chain, int k, double d)
{
    const ElementShape e = elementShape(chain, k);
    const double a = chain.nodeAzimuth[static_cast<std::size_t>(k)];
    switch (elementKind(e)) {
    case ElementKind::Straight:
        return a;
    case ElementKind::Arc:
        return a + vomel::checkedDivide(d, e.startRadius, "arc tangent");
    case ElementKind::EntrySpiral:
        return a + vomel::checkedDivide(d * d, 2 * e.length * e.endRadius, "spiral tangent");
    case ElementKind::ExitSpiral: {
        const double rest = e.length - d;
        return chain.nodeAzimuth[static_cast<std::size_t>(k) + 1] -
               vomel::checkedDivide(rest * rest, 2 * e.length * e.startRadius, "spiral tangent");
    }
    case ElementKind::PartialSpiral: {
        // Turned by (l² - l1²)/(2C) from the start tangent, l = l1 + d,
        // written without the difference of two large squares.
        const PartialSpiralFrame frame = partialSpiralFrame(e, a);
        return a + vomel::checkedDivide(d * (2 * frame.startArc + d), 2 * frame.constant, "spiral tangent");
    }
    }
    return a;
}

}  // namespace

double interchangeTangentAzimuth(const ElementChain& chain, double station)
{
    vomel::requireFinite(station, "station");
    const int n = std::clamp(chain.elementCount, 0, MAX_ELEMENTS);
    const double* const stations = chain.nodeStation.data();
    double a = chain.nodeAzimuth[1];
    // The element choice of interchangeStationToXY: the one whose [start,
    // end) holds the station, then the tangents beyond both ends.
    const double* const firstPast = std::upper_bound(stations + 1, stations + n + 2, station);
    const int k = static_cast<int>(firstPast - stations) - 1;
    if (k >= 1 && k <= n) a = elementTangent(chain, k, station - stations[k]);
    if (station <= stations[1]) a = chain.nodeAzimuth[1];
    if (station >= stations[n + 1]) a = chain.nodeAzimuth[static_cast<std::size_t>(n) + 1];
    return vomel::requireFinite(a, "tangent azimuth");
}

}  // namespace htbas
