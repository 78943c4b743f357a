#pragma once
// A chain of elements as an exchange file (LandXML, IFC) gives it: every
// element with its own start point and start tangent, laid out from them
// rather than from the end of the element before. The file's coordinates
// are the design, so rounding in its radii and lengths cannot add up along
// the line; where consecutive elements do not meet (a gap) or meet at an
// angle (a kink), the line keeps that joint as a corner.

#include <memory>
#include <vector>

#include "alignment/element_chain.h"
#include "core/point.h"

namespace vomel {

// One element with the start the file gives it. Coordinates and length in
// the line's unit; X is the northing, Y the easting; the azimuth in
// radians from +X towards +Y; radii signed as in the chain (positive turns
// from +X towards +Y), INFINITE_RADIUS for a straight end.
struct PlacedElement {
    Point start;
    double startAzimuth = 0.0;
    ElementShape shape{INFINITE_RADIUS, INFINITE_RADIUS, 0.0};
};

// The laid-out chain of `elements` (at least one, at most MAX_ROWS after
// splitting), stations running from `startStation` by the elements'
// lengths. A reverse spiral (radii of opposite signs) is split where its
// curvature is 0, its second half continuing the first. Failures as
// prepareElementChain gives them, naming the element of `elements`.
std::shared_ptr<ElementChain> layOutPlacedChain(double startStation, const std::vector<PlacedElement>& elements);

// A joint between element `element` - 1 and `element` of a laid-out chain
// (elements after splitting), where the later one starts: its station, how
// far its start lies from the earlier one's end (the line's unit) and the
// angle between the earlier one's end tangent and its start tangent
// (radians, positive turning from +X towards +Y).
struct ChainJoint {
    int element = 0;
    double station = 0.0;
    double gap = 0.0;
    double kink = 0.0;
};

// Every joint of the chain, in station order.
std::vector<ChainJoint> chainJoints(const ElementChain& chain);

// Two elements whose ends lie farther apart than this (metres) do not meet:
// a gap, beyond the rounding of any coordinates a design program writes.
inline constexpr double JOINT_GAP_TOLERANCE = 1e-4;
// Two elements whose tangents differ by more than this (radians, about 10
// seconds of arc) meet at an angle: a kink.
inline constexpr double JOINT_KINK_TOLERANCE = 5e-5;

// A joint with a gap or a kink: the line has a corner there. `metresPerUnit`
// is the size of the line's unit, since the gap is in that unit.
bool isCorner(const ChainJoint& joint, double metresPerUnit);

}  // namespace vomel
