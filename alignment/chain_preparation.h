#pragma once
// Turns the element table into nodes: station, coordinates and tangent
// azimuth at the start of every element and at the end of the last.

namespace vomel {

struct ElementChain;

// Fills the node tables from the start values and the element table. An
// element that cannot be laid out (a radius of 0 where the
// geometry divides by it, a partial spiral whose constant is 0, a negative
// length, more than MAX_ELEMENTS elements) is a vomel::FormatFailure or
// vomel::GeometryFailure naming the element; the chain is then left
// unchanged.
void prepareElementChain(ElementChain& chain);

}  // namespace vomel
