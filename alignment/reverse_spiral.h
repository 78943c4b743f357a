#pragma once
// A spiral whose two finite radii have opposite signs passes through zero
// curvature inside the element; it is split there into an exit spiral and
// an entry spiral.

#include <utility>

#include "geometry/element_kind.h"

namespace vomel {

struct ElementChain;

// Both radii finite and of opposite signs: the curvature passes through 0
// inside the element. A radius of 0 (product exactly 0) is not split.
bool isReverseSpiral(double startRadius, double endRadius);

// A reverse spiral split where its curvature is 0: the exit spiral from R1,
// then the entry spiral to R2. Curvature runs linearly from 1/R1 to 1/R2,
// so it is 0 at the fraction |R2| / (|R1| + |R2|) of the length.
std::pair<ElementShape, ElementShape> splitAtZeroCurvature(const ElementShape& spiral);

// Splits every reverse spiral of the row tables in place, raises rowCount by
// the number split and copies the rows into the element table. More than
// MAX_ROWS rows after splitting is a vomel::FormatFailure, and the chain is
// then left unchanged.
void splitReverseSpirals(ElementChain& chain);

}  // namespace vomel
