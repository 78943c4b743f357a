#pragma once
// The design line of an interchange ramp as a chain of elements laid end to
// end from a start point: straights, circular arcs and clothoids, each given
// by its start radius, end radius and length. The tables are 1-based, one
// array per column; whoever holds the alignment owns one ElementChain.
//
// Building a chain: fill the start values and the rows (readElementFile in
// formats/element_file.h does), then layOutChain; then
// elementChainPointAt. The end station is nodeStation[elementCount + 1].

#include <array>
#include <cstddef>

#include "geometry/element_kind.h"

namespace vomel {

// Element lines of a file and rows after splitting reverse spirals.
inline constexpr int MAX_ROWS = 1000;

// Nodes run from 1 to elementCount + 1 within the same capacity.
inline constexpr int MAX_ELEMENTS = MAX_ROWS - 1;

using ChainColumn = std::array<double, MAX_ROWS + 1>;  // index 0 unused

struct ElementChain {
    // Start point, from the file's first line; the start azimuth in radians
    // from +X towards +Y (the file's packed D.MMSS is converted on reading).
    double chainStartStation = 0.0;
    double chainStartX = 0.0;
    double chainStartY = 0.0;
    double chainStartAzimuth = 0.0;

    // Element lines as read (radius 9999 = straight end, signed: positive
    // turns from +X towards +Y; length in metres).
    ChainColumn rowStartRadius{};
    ChainColumn rowEndRadius{};
    ChainColumn rowLength{};
    int rowCount = 0;

    // The rows after reverse spirals have been split at zero curvature.
    ChainColumn elementStartRadius{};
    ChainColumn elementEndRadius{};
    ChainColumn elementLength{};
    int elementCount = 0;

    // Element i given a start of its own (an exchange file states every
    // element's start point and tangent, see alignment/placed_chain.h):
    // elementPlaced[i] is set and the three columns hold that start, the
    // azimuth in radians. Any other element starts where the one before it
    // ends.
    std::array<bool, MAX_ROWS + 1> elementPlaced{};
    ChainColumn elementPlacedX{};
    ChainColumn elementPlacedY{};
    ChainColumn elementPlacedAzimuth{};

    // Node i is the start of element i, node elementCount + 1 the end of
    // the last. Stations and coordinates in the line's unit, tangent
    // azimuths in radians in [0, 2π).
    ChainColumn nodeStation{};
    ChainColumn nodeX{};
    ChainColumn nodeY{};
    ChainColumn nodeAzimuth{};

    // The end of element i laid out from its start: node i + 1, unless
    // element i + 1 has a start of its own.
    ChainColumn endX{};
    ChainColumn endY{};
    ChainColumn endAzimuth{};
};

// Splits the reverse spirals of the rows and lays out the nodes: the rows
// become a chain ready to use. Failures as splitReverseSpirals and
// prepareElementChain give them.
void layOutChain(ElementChain& chain);

// Element k of a chain's element table.
inline ElementShape elementShape(const ElementChain& chain, int k)
{
    const auto row = static_cast<std::size_t>(k);
    return {chain.elementStartRadius[row], chain.elementEndRadius[row], chain.elementLength[row]};
}

}  // namespace vomel

#include "alignment/chain_preparation.h"
#include "alignment/element_chain_station.h"
#include "alignment/reverse_spiral.h"
