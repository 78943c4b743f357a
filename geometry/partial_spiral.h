#pragma once
// The offset along a partial spiral (curvature changing linearly from 1/R1
// to 1/R2, both finite, same sign) from its start to a point on it.
//
// Seen as a piece of one clothoid, the piece lies at l1 = c / R1 from the
// clothoid's zero-curvature point. When R1 and R2 are close, c is huge and
// l1 far out: the power series in l² / (2c) then sums terms of many
// thousand metres to a result of a few, and loses millimetres. Beyond
// SPAN_SERIES_MAX_ANGLE the offset is integrated from the element's own
// start instead, where nothing large appears.

#include "core/angles.h"
#include "core/point.h"
#include "geometry/element_kind.h"

namespace vomel {

// Largest tangent angle l² / (2|c|) (radians) at which the clothoid series
// is summed: its largest term is then about e^4 ≈ 55 times the arc length,
// which costs 1e-14 of it in rounding.
inline constexpr double SPAN_SERIES_MAX_ANGLE = 4.0;

// Largest change of tangent (radians) over one panel of the quadrature;
// eight Gauss-Legendre points on it leave an error far below 1e-15 of the
// panel's length.
inline constexpr double QUADRATURE_PANEL_ANGLE = 0.25;

// Largest turn of the tangent along one partial spiral, radians: four full
// turns, beyond any road. It bounds the quadrature's panels per point (at
// most 2 × this / QUADRATURE_PANEL_ANGLE + 1), so that sampling a line
// costs a bounded number of operations a metre.
inline constexpr double MAX_PARTIAL_SPIRAL_TURN = 8.0 * PI;

// Offset from the start of the partial spiral `element` to its point at
// distance d from the start (0 <= d <= length), in the frame of the start
// tangent: x along it, y a quarter turn further from +X towards +Y.
vomel::Point partialSpiralLocal(const ElementShape& element, double d);

// The same offset by integrating the tangent direction from the start
// (Gauss-Legendre, panels of at most QUADRATURE_PANEL_ANGLE).
vomel::Point partialSpiralLocalByQuadrature(const ElementShape& element, double d);

}  // namespace vomel
