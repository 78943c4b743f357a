#include "geometry/partial_spiral.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/failure.h"
#include "geometry/spiral_span.h"

namespace vomel {

namespace {

// Eight-point Gauss-Legendre rule on [-1, 1]: nodes ±x, weights w.
constexpr std::array<double, 4> GAUSS_NODES = {0.1834346424956498, 0.5255324099163290, 0.7966664774136267,
                                               0.9602898564975363};
constexpr std::array<double, 4> GAUSS_WEIGHTS = {0.3626837833783620, 0.3137066458778873, 0.2223810344533745,
                                                 0.1012285362903763};

// Upper bound on panels, so a corrupt element cannot stall the program.
constexpr double MAX_QUADRATURE_PANELS = 1e6;

}  // namespace

vomel::Point partialSpiralLocalByQuadrature(const ElementShape& element, double d)
{
    // Tangent turned from the start tangent at s metres from the start:
    // s / R1 + s² (1/R2 - 1/R1) / (2 L).
    const double startCurvature =
        vomel::checkedDivide(1.0, element.startRadius, VOMEL_TRANSLATE_NOOP("Failure", "partial spiral"));
    const double endCurvature =
        vomel::checkedDivide(1.0, element.endRadius, VOMEL_TRANSLATE_NOOP("Failure", "partial spiral"));
    const double curvatureRate = vomel::checkedDivide(endCurvature - startCurvature, element.length,
                                                      VOMEL_TRANSLATE_NOOP("Failure", "partial spiral"));
    auto azimuthAt = [&](double s) { return s * startCurvature + 0.5 * curvatureRate * s * s; };

    const double largestCurvature = std::max(std::fabs(startCurvature), std::fabs(endCurvature));
    const double panels =
        std::min(std::ceil(largestCurvature * d / QUADRATURE_PANEL_ANGLE) + 1.0, MAX_QUADRATURE_PANELS);
    const int count = static_cast<int>(panels);
    const double width = d / count;
    double x = 0.0;
    double y = 0.0;
    for (int p = 0; p < count; ++p) {
        const double middle = (p + 0.5) * width;
        for (std::size_t g = 0; g < GAUSS_NODES.size(); ++g) {
            const double half = 0.5 * width * GAUSS_NODES[g];
            for (const double s : {middle - half, middle + half}) {
                const double a = azimuthAt(s);
                x += GAUSS_WEIGHTS[g] * std::cos(a);
                y += GAUSS_WEIGHTS[g] * std::sin(a);
            }
        }
    }
    return {vomel::requireFinite(0.5 * width * x, VOMEL_TRANSLATE_NOOP("Failure", "partial spiral")),
            vomel::requireFinite(0.5 * width * y, VOMEL_TRANSLATE_NOOP("Failure", "partial spiral"))};
}

vomel::Point partialSpiralLocal(const ElementShape& element, double d)
{
    // The clothoid's zero-curvature tangent, seen from the start tangent.
    const PartialSpiralFrame frame = partialSpiralFrame(element, 0.0);
    const double l1 = frame.startArc;
    const double l2 = l1 + d;
    const double farthest = std::max(std::fabs(l1), std::fabs(l2));
    const double angle = farthest * farthest / (2.0 * std::fabs(frame.constant));
    if (angle > SPAN_SERIES_MAX_ANGLE) return partialSpiralLocalByQuadrature(element, d);

    const double u = spiralSpanX(l1, l2, frame.constant);
    const double v = spiralSpanY(l1, l2, frame.constant);
    const double t = frame.zeroCurvatureAzimuth;
    return {u * std::cos(t) - v * std::sin(t), u * std::sin(t) + v * std::cos(t)};
}

}  // namespace vomel
