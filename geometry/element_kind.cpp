#include "geometry/element_kind.h"

#include "core/failure.h"

namespace vomel {

using vomel::checkedDivide;

ElementKind elementKind(double startRadius, double endRadius)
{
    if (startRadius == INFINITE_RADIUS && endRadius == INFINITE_RADIUS) return ElementKind::Straight;
    if (startRadius == endRadius) return ElementKind::Arc;
    if (startRadius == INFINITE_RADIUS) return ElementKind::EntrySpiral;
    if (endRadius == INFINITE_RADIUS) return ElementKind::ExitSpiral;
    return ElementKind::PartialSpiral;
}

double elementDeflection(const ElementShape& element)
{
    const double startRadius = element.startRadius;
    const double endRadius = element.endRadius;
    const double length = element.length;
    switch (elementKind(element)) {
    case ElementKind::Straight: return 0.0;
    case ElementKind::Arc: return checkedDivide(length, startRadius, VOMEL_TRANSLATE_NOOP("Failure", "arc deflection"));
    case ElementKind::EntrySpiral:
        // Curvature grows linearly from 0 to 1/R2: the mean is half of it.
        return checkedDivide(length, 2.0 * endRadius, VOMEL_TRANSLATE_NOOP("Failure", "spiral deflection"));
    case ElementKind::ExitSpiral:
        return checkedDivide(length, 2.0 * startRadius, VOMEL_TRANSLATE_NOOP("Failure", "spiral deflection"));
    case ElementKind::PartialSpiral:
        // Mean curvature (1/R1 + 1/R2) / 2 over the length.
        return checkedDivide(checkedDivide((endRadius + startRadius) * length / 2.0, startRadius,
                                           VOMEL_TRANSLATE_NOOP("Failure", "spiral deflection")),
                             endRadius, VOMEL_TRANSLATE_NOOP("Failure", "spiral deflection"));
    }
    return 0.0;
}

PartialSpiralFrame partialSpiralFrame(const ElementShape& element, double startAzimuth)
{
    const double startRadius = element.startRadius;
    const double endRadius = element.endRadius;
    const double length = element.length;
    // Curvature 1/R1 at the start and 1/R2 at the end, changing by
    // (1/R2 - 1/R1) / L per metre: c = L R1 R2 / (R1 - R2). The start lies
    // at l1 = c / R1 from the zero-curvature point, where the tangent is
    // turned back by l1² / (2c) from the start tangent.
    const double constant = vomel::requireFinite(
        checkedDivide(length * startRadius * endRadius, startRadius - endRadius, "spiral constant"),
        VOMEL_TRANSLATE_NOOP("Failure", "spiral constant"));
    const double startArc = checkedDivide(constant, startRadius, VOMEL_TRANSLATE_NOOP("Failure", "spiral constant"));
    const double turn =
        checkedDivide(startArc * startArc, 2.0 * constant, VOMEL_TRANSLATE_NOOP("Failure", "spiral constant"));
    return {constant, startArc, startAzimuth - turn};
}

}  // namespace vomel
