#include "alignment/chain_preparation.h"

#include <cmath>
#include <string>

#include "core/angles.h"
#include "core/failure.h"
#include "text/number_text.h"
#include "alignment/element_chain.h"
#include "geometry/element_kind.h"
#include "geometry/partial_spiral.h"
#include "geometry/spiral.h"

namespace vomel::ramp {

namespace {

struct Offset {
    double dx;
    double dy;
};

std::string elementLabel(int i) { return "element " + std::to_string(i); }

// The faults a file can hold that no formula below could survive, named
// before anything is computed.
void checkElement(int i, const ElementShape& element)
{
    const double r1 = element.startRadius;
    const double r2 = element.endRadius;
    const double length = element.length;
    if (!std::isfinite(r1) || !std::isfinite(r2) || !std::isfinite(length)) {
        throw vomel::FormatFailure(elementLabel(i) + ": radius or length is not a finite number");
    }
    if (length < 0.0) {
        throw vomel::FormatFailure(elementLabel(i) + ": length " + std::to_string(length) +
                                   " is negative");
    }
    const ElementKind kind = elementKind(element);
    const bool dividesByStart = kind == ElementKind::Arc || kind == ElementKind::ExitSpiral ||
                                kind == ElementKind::PartialSpiral;
    const bool dividesByEnd = kind == ElementKind::EntrySpiral || kind == ElementKind::PartialSpiral;
    if ((dividesByStart && r1 == 0.0) || (dividesByEnd && r2 == 0.0)) {
        throw vomel::FormatFailure(elementLabel(i) + ": radius is 0");
    }
    if (kind == ElementKind::PartialSpiral && length == 0.0) {
        throw vomel::FormatFailure(elementLabel(i) + ": partial spiral constant is 0 (length 0)");
    }
    if (kind == ElementKind::PartialSpiral) {
        // Both radii have one sign: the tangent turns by the mean curvature
        // times the length.
        const double turn = 0.5 * (1.0 / std::fabs(r1) + 1.0 / std::fabs(r2)) * length;
        if (!(turn <= MAX_PARTIAL_SPIRAL_TURN)) {
            throw vomel::FormatFailure(elementLabel(i) + ": the partial spiral turns through " +
                                       vomel::formatGeneral(turn) + " rad; at most " +
                                       vomel::formatGeneral(MAX_PARTIAL_SPIRAL_TURN) +
                                       " (four full turns) are accepted");
        }
    }
}

// Runs one element's computation; a geometry fault names the element.
template <class Step>
void atElement(int i, Step step)
{
    try {
        step();
    } catch (const vomel::GeometryFailure& failure) {
        throw vomel::GeometryFailure(elementLabel(i) + ": " + failure.reason());
    }
}

// Plane offset from the start to the end of an element whose tangent has
// azimuth a at the start and b at the end.
Offset elementOffset(const ElementShape& element, double a, double b)
{
    const double r1 = element.startRadius;
    const double r2 = element.endRadius;
    const double length = element.length;
    switch (elementKind(element)) {
    case ElementKind::Straight:
        return {length * std::cos(a), length * std::sin(a)};
    case ElementKind::Arc: {
        const double end = a + length / r1;
        return {r1 * (std::sin(end) - std::sin(a)), -r1 * (std::cos(end) - std::cos(a))};
    }
    case ElementKind::EntrySpiral: {
        if (length == 0.0) return {0.0, 0.0};
        const double c = length * r2;
        const double x = vomel::spiralLocalX(length, c);
        const double y = vomel::spiralLocalY(length, c);
        return {x * std::cos(a) - y * std::sin(a), x * std::sin(a) + y * std::cos(a)};
    }
    case ElementKind::ExitSpiral: {
        // Laid out backwards from the zero-curvature end along the end tangent.
        if (length == 0.0) return {0.0, 0.0};
        const double c = length * r1;
        const double x = vomel::spiralLocalX(length, c);
        const double y = vomel::spiralLocalY(length, c);
        return {x * std::cos(b) + y * std::sin(b), x * std::sin(b) - y * std::cos(b)};
    }
    case ElementKind::PartialSpiral: {
        const vomel::Point local = partialSpiralLocal(element, length);
        return {local.x * std::cos(a) - local.y * std::sin(a),
                local.x * std::sin(a) + local.y * std::cos(a)};
    }
    }
    return {0.0, 0.0};
}

}  // namespace

void prepareElementChain(ElementChain& chain)
{
    const int n = chain.elementCount;
    if (n < 0 || n > MAX_ELEMENTS) {
        throw vomel::FormatFailure(std::to_string(n) + " elements; a chain holds at most " +
                                   std::to_string(MAX_ELEMENTS));
    }
    vomel::requireFinite(chain.chainStartStation, "start station");
    vomel::requireFinite(chain.chainStartX, "start X");
    vomel::requireFinite(chain.chainStartY, "start Y");
    vomel::requireFinite(chain.chainStartAzimuth, "start azimuth");
    for (int i = 1; i <= n; ++i) {
        checkElement(i, elementShape(chain, i));
    }

    // Everything is computed aside and only stored once the whole chain is
    // laid out, so that a failure leaves the chain as it was.
    ChainColumn station{};
    ChainColumn azimuth{};
    ChainColumn x{};
    ChainColumn y{};
    const double startAzimuth = chain.chainStartAzimuth;
    station[1] = chain.chainStartStation;
    azimuth[1] = startAzimuth;
    x[1] = chain.chainStartX;
    y[1] = chain.chainStartY;

    for (int i = 1; i <= n; ++i) {
        atElement(i, [&] {
            const ElementShape element = elementShape(chain, i);
            station[i + 1] = vomel::requireFinite(element.length + station[i], "node station");
            // Azimuths are summed unreduced and brought into [0, 2π) after.
            azimuth[i + 1] =
                vomel::requireFinite(azimuth[i] + elementDeflection(element), "node azimuth");
        });
    }
    for (int i = 1; i <= n + 1; ++i) azimuth[i] = normaliseAzimuth(azimuth[i]);
    for (int i = 1; i <= n; ++i) {
        atElement(i, [&] {
            const Offset offset = elementOffset(elementShape(chain, i), azimuth[i], azimuth[i + 1]);
            x[i + 1] = vomel::requireFinite(x[i] + offset.dx, "node X");
            y[i + 1] = vomel::requireFinite(y[i] + offset.dy, "node Y");
        });
    }

    for (int i = 1; i <= n + 1; ++i) {
        chain.nodeStation[i] = station[i];
        chain.nodeAzimuth[i] = azimuth[i];
        chain.nodeX[i] = x[i];
        chain.nodeY[i] = y[i];
    }
}

void layOutChain(ElementChain& chain)
{
    splitReverseSpirals(chain);
    prepareElementChain(chain);
}

}  // namespace vomel::ramp
