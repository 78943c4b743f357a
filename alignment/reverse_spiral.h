#pragma once
// A spiral whose two finite radii have opposite signs passes through zero
// curvature inside the element; it is split there into an exit spiral and
// an entry spiral.

namespace vomel::ramp {

struct ElementChain;

// Splits every reverse spiral of the row tables in place, raises rowCount by
// the number split and copies the rows into the element table. More than
// MAX_ROWS rows after splitting is a vomel::FormatFailure, and the chain is
// then left unchanged.
void splitReverseSpirals(ElementChain& chain);

}  // namespace vomel::ramp
