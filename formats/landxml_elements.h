#pragma once
// The horizontal elements of a LandXML alignment (Line, Curve and clothoid
// Spiral of its CoordGeom), each fitted to its own Start and End: the
// file's coordinates are the design, its radii, lengths and directions are
// read and checked against them.
//
// An element's start tangent comes from its own attributes, in this order:
// a Curve's Center, a Spiral's PI, the Start-End chord with the element's
// shape (a Line's chord is its direction), the stated dir or dirStart. An
// element too short for any of these continues the tangent of its
// neighbour. Its length is the one that reaches the End from the Start
// with the stated radii (a Curve with a Center: radius and sweep from the
// Center); a stated length that disagrees beyond the rounding tolerance is
// a refusal, as is an End that the element cannot reach. A stated length
// or direction that agrees with the points to their own rounding (a few
// units in the last place of the coordinates) is taken as stated: it
// carries the digits the coordinates lost, so a file written with full
// precision reads back to the bit, stations and tangents alike.

#include <optional>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "alignment/length_unit.h"
#include "alignment/placed_chain.h"
#include "core/point.h"
#include "core/wording.h"

namespace vomel::landxml {

class Document;

// A chord shorter than this (metres) gives no usable direction: the
// rounding of the coordinates (LANDXML_COORDINATE_RESOLUTION) would turn it
// by more than the kink tolerance.
inline constexpr double LANDXML_COORDINATE_RESOLUTION = 1e-4;
inline constexpr double MIN_DIRECTION_CHORD = 100.0 * LANDXML_COORDINATE_RESOLUTION;

// A stated length or radius may differ from the one the element's points
// give by this much (metres) plus LANDXML_RELATIVE_TOLERANCE of itself: the
// rounding of the numbers written. Beyond it the element contradicts
// itself.
inline constexpr double LANDXML_LAYOUT_TOLERANCE = 0.001;
inline constexpr double LANDXML_RELATIVE_TOLERANCE = 1e-6;

// How a direction or angle attribute is written (Units directionUnit and
// angularUnit): radians, grads, decimal degrees or packed DD.MMSS.
enum class AngleUnit { Radian, Grad, Degree, PackedDms };

// The angle units of a document's Units block (radians where it names
// none). An unknown unit is a vomel::FormatFailure naming the line.
struct AngleUnits {
    AngleUnit direction = AngleUnit::Radian;
    AngleUnit angle = AngleUnit::Radian;
};
AngleUnits angleUnitsOf(const Document& document);

// One element read from the file, fitted to its points.
struct FittedElement {
    std::string kind;  // "Line", "Curve" or "Spiral"
    long line = 0;
    Point start;  // the file's Start and End, X the northing
    Point end;
    std::optional<double> startAzimuth;  // radians from +X towards +Y; none if too short to tell
    ElementShape shape{INFINITE_RADIUS, INFINITE_RADIUS, 0.0};
};

// Where a message points: the alignment and the unit of its lengths.
struct ElementContext {
    const Document& document;
    std::string alignment;
    LengthUnit unit;
    AngleUnits angles;
};

// The elements of the alignment's CoordGeom in file order, each fitted to
// its own Start and End; every element has a start tangent once read
// (borrowed from a neighbour where it is too short to have its own).
// Faults are vomel::FormatFailure naming the alignment, the element and
// its line.
std::vector<FittedElement> readFittedElements(const ElementContext& context, const pugi::xml_node& alignment);

// "alignment "A", element 3 (Curve): " and `reason`, worded.
vomel::Wording elementReason(const ElementContext& context, int index, const std::string& kind, vomel::Wording reason);

}  // namespace vomel::landxml
