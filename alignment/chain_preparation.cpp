#include "alignment/chain_preparation.h"

#include <cmath>
#include <string>

#include "alignment/element_chain.h"
#include "core/angles.h"
#include "core/failure.h"
#include "geometry/element_kind.h"
#include "geometry/element_pose.h"
#include "geometry/partial_spiral.h"
#include "text/number_text.h"

namespace vomel {

namespace {

// "element I: reason"
template <class... Values>
[[noreturn]] void failElement(int i, const char* reason, Values&&... values)
{
    throw vomel::FormatFailure(VOMEL_TRANSLATE_NOOP("Failure", "element %1: %2"), std::to_string(i),
                               vomel::worded(reason, std::forward<Values>(values)...));
}

// The faults a file can hold that no formula below could survive, named
// before anything is computed.
void checkElement(int i, const ElementShape& element)
{
    const double r1 = element.startRadius;
    const double r2 = element.endRadius;
    const double length = element.length;
    if (!std::isfinite(r1) || !std::isfinite(r2) || !std::isfinite(length)) {
        failElement(i, VOMEL_TRANSLATE_NOOP("Failure", "radius or length is not a finite number"));
    }
    if (length < 0.0) {
        failElement(i, VOMEL_TRANSLATE_NOOP("Failure", "length %1 is negative"), std::to_string(length));
    }
    const ElementKind kind = elementKind(element);
    const bool dividesByStart =
        kind == ElementKind::Arc || kind == ElementKind::ExitSpiral || kind == ElementKind::PartialSpiral;
    const bool dividesByEnd = kind == ElementKind::EntrySpiral || kind == ElementKind::PartialSpiral;
    if ((dividesByStart && r1 == 0.0) || (dividesByEnd && r2 == 0.0)) {
        failElement(i, VOMEL_TRANSLATE_NOOP("Failure", "radius is 0"));
    }
    if (kind == ElementKind::PartialSpiral && length == 0.0) {
        failElement(i, VOMEL_TRANSLATE_NOOP("Failure", "partial spiral constant is 0 (length 0)"));
    }
    if (kind == ElementKind::PartialSpiral) {
        // Both radii have one sign: the tangent turns by the mean curvature
        // times the length.
        const double turn = 0.5 * (1.0 / std::fabs(r1) + 1.0 / std::fabs(r2)) * length;
        if (!(turn <= MAX_PARTIAL_SPIRAL_TURN)) {
            failElement(
                i,
                VOMEL_TRANSLATE_NOOP(
                    "Failure", "the partial spiral turns through %1 rad; at most %2 (four full turns) are accepted"),
                vomel::formatGeneral(turn), vomel::formatGeneral(MAX_PARTIAL_SPIRAL_TURN));
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
        throw vomel::GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "element %1: %2"), std::to_string(i),
                                     failure.wording());
    }
}

// The element count, the start and every element's own values.
void checkChainInput(const ElementChain& chain)
{
    const int n = chain.elementCount;
    if (n < 0 || n > MAX_ELEMENTS) {
        throw vomel::FormatFailure(VOMEL_TRANSLATE_NOOP("Failure", "%1 elements; a chain holds at most %2"),
                                   std::to_string(n), std::to_string(MAX_ELEMENTS));
    }
    vomel::requireFinite(chain.chainStartStation, VOMEL_TRANSLATE_NOOP("Failure", "start station"));
    vomel::requireFinite(chain.chainStartX, VOMEL_TRANSLATE_NOOP("Failure", "start X"));
    vomel::requireFinite(chain.chainStartY, VOMEL_TRANSLATE_NOOP("Failure", "start Y"));
    vomel::requireFinite(chain.chainStartAzimuth, VOMEL_TRANSLATE_NOOP("Failure", "start azimuth"));
    for (int i = 1; i <= n; ++i) {
        checkElement(i, elementShape(chain, i));
    }
}

}  // namespace

void prepareElementChain(ElementChain& chain)
{
    checkChainInput(chain);
    const int n = chain.elementCount;

    // Everything is computed aside and only stored once the whole chain is
    // laid out, so that a failure leaves the chain as it was.
    ChainColumn station{};
    ChainColumn azimuth{};
    ChainColumn x{};
    ChainColumn y{};
    ChainColumn endAzimuth{};
    ChainColumn endX{};
    ChainColumn endY{};
    station[1] = chain.chainStartStation;
    azimuth[1] = chain.chainStartAzimuth;
    x[1] = chain.chainStartX;
    y[1] = chain.chainStartY;

    // Each element starts at its own start where it has one, else where
    // the element before it ends.
    const auto placed = [&chain](int i) { return chain.elementPlaced[static_cast<std::size_t>(i)]; };
    for (int i = 1; i <= n; ++i) {
        atElement(i, [&] {
            const ElementShape element = elementShape(chain, i);
            if (placed(i)) {
                azimuth[i] = vomel::requireFinite(chain.elementPlacedAzimuth[i],
                                                  VOMEL_TRANSLATE_NOOP("Failure", "start azimuth"));
            } else if (i > 1) {
                azimuth[i] = endAzimuth[i - 1];
            }
            station[i + 1] =
                vomel::requireFinite(element.length + station[i], VOMEL_TRANSLATE_NOOP("Failure", "node station"));
            // Azimuths are summed unreduced and brought into [0, 2π) after.
            endAzimuth[i] = vomel::requireFinite(azimuth[i] + elementDeflection(element),
                                                 VOMEL_TRANSLATE_NOOP("Failure", "node azimuth"));
        });
    }
    for (int i = 1; i <= n; ++i) {
        azimuth[i] = normaliseAzimuth(azimuth[i]);
        endAzimuth[i] = normaliseAzimuth(endAzimuth[i]);
    }
    azimuth[n + 1] = n >= 1 ? endAzimuth[n] : normaliseAzimuth(azimuth[1]);
    for (int i = 1; i <= n; ++i) {
        atElement(i, [&] {
            if (placed(i)) {
                x[i] = vomel::requireFinite(chain.elementPlacedX[i], VOMEL_TRANSLATE_NOOP("Failure", "start X"));
                y[i] = vomel::requireFinite(chain.elementPlacedY[i], VOMEL_TRANSLATE_NOOP("Failure", "start Y"));
            } else if (i > 1) {
                x[i] = endX[i - 1];
                y[i] = endY[i - 1];
            }
            const Point span = elementSpan(elementShape(chain, i), azimuth[i], endAzimuth[i]);
            endX[i] = vomel::requireFinite(x[i] + span.x, VOMEL_TRANSLATE_NOOP("Failure", "node X"));
            endY[i] = vomel::requireFinite(y[i] + span.y, VOMEL_TRANSLATE_NOOP("Failure", "node Y"));
        });
    }
    if (n >= 1) {
        x[n + 1] = endX[n];
        y[n + 1] = endY[n];
    }

    for (int i = 1; i <= n + 1; ++i) {
        chain.nodeStation[i] = station[i];
        chain.nodeAzimuth[i] = azimuth[i];
        chain.nodeX[i] = x[i];
        chain.nodeY[i] = y[i];
    }
    for (int i = 1; i <= n; ++i) {
        chain.endAzimuth[i] = endAzimuth[i];
        chain.endX[i] = endX[i];
        chain.endY[i] = endY[i];
    }
}

void layOutChain(ElementChain& chain)
{
    splitReverseSpirals(chain);
    prepareElementChain(chain);
}

}  // namespace vomel
