#pragma once
// The five kinds of element, told apart by their two radii alone, with the
// quantities of each kind that both the node preparation and the point at
// a station need.

namespace vomel {

// A start or end radius of exactly this value (metres) marks a straight end
// of an element: an infinite radius. -9999 and values near 9999 are
// ordinary radii.
inline constexpr double INFINITE_RADIUS = 9999.0;

enum class ElementKind {
    Straight,  // 9999 → 9999
    Arc,  // R → R
    EntrySpiral,  // 9999 → R2: zero curvature at the start
    ExitSpiral,  // R1 → 9999: zero curvature at the end
    PartialSpiral,  // R1 → R2 ≠ R1, both finite and of one sign
};

// The three numbers that describe an element: radii in metres (signed, 9999
// for a straight end) and its length along the line in metres.
struct ElementShape {
    double startRadius;
    double endRadius;
    double length;
};

// Exact comparisons with the marker 9999, in this order: straight, arc,
// entry spiral, exit spiral, partial spiral.
ElementKind elementKind(double startRadius, double endRadius);
inline ElementKind elementKind(const ElementShape& e) { return elementKind(e.startRadius, e.endRadius); }

// The signed change of azimuth along the element, radians.
double elementDeflection(const ElementShape& element);

// A partial spiral seen as a piece of one clothoid: its signed constant c
// (curvature l / c), the arc lengths l1 and l2 = l1 + length of its ends
// from the clothoid's zero-curvature point, and the clothoid's tangent
// azimuth there for a start tangent of azimuth `startAzimuth`.
struct PartialSpiralFrame {
    double constant;
    double startArc;
    double zeroCurvatureAzimuth;
};

PartialSpiralFrame partialSpiralFrame(const ElementShape& element, double startAzimuth);

}  // namespace vomel
