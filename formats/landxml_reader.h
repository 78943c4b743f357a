#pragma once
// Interchange lines exchanged as LandXML 1.2: the horizontal geometry of an
// alignment (Alignments/Alignment/CoordGeom with Line, Curve and clothoid
// Spiral elements) read into an element chain, its station equations
// (StaEquation) into a chain-break table, and its vertical profile
// (Profile/ProfAlign) into grade points with vertical curves.
//
// LandXML writes points as "northing easting [elevation]": the northing is
// X here. A curve or spiral turning "cw" turns from +X towards +Y, which is
// a positive radius in the chain. Lengths are metres, or feet when the
// file's Units hold no Metric and an Imperial linearUnit of USSurveyFoot or
// IntnlFoot ("foot" too): the line is then read and computed in feet, every
// length in the file's own unit. Any other unit is refused.
//
// The profile is the first ProfAlign of the alignment's Profile elements:
// PVI "station elevation" grade points, ParaCurve (a symmetric parabola of
// the given length, R = length / |i1 - i2|) and UnsymParaCurve with equal
// lengthIn and lengthOut (the same parabola). Its stations are the
// alignment's continuous stations, counted from staStart. A CircCurve, an
// unsymmetric parabola or any other element is refused, naming its line.
//
// The start point is the first element's
// Start, the start station the alignment's staStart, and the start azimuth
// the direction that makes the first element, laid out from its start
// radius, end radius and length, end at its End point. Every later element
// must then continue the chain without a gap or a kink.

#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "formats/imported_line.h"

namespace vomel {

namespace ramp {
struct ElementChain;
}

// Tolerances of the continuity check between consecutive elements. A
// LandXML file states each element's Start and End; the chain is laid out
// from the first Start alone, so these bound how far the file's own points
// may stray from the line that is imported.
//
// Both are metres; a file in feet is held to the same distances.
//
// An element's Start may lie this far (metres) from the previous End.
inline constexpr double LANDXML_GAP_TOLERANCE = 0.001;
// An element's End may lie this far (metres) from where the chain, laid
// out from the first element's Start, puts it.
inline constexpr double LANDXML_LAYOUT_TOLERANCE = 0.001;
// Two consecutive elements' tangents may differ by this much at their joint
// (radians, about 10 seconds of arc) ...
inline constexpr double LANDXML_KINK_TOLERANCE = 5e-5;
// ... plus the direction error of a chord this long over which coordinates
// rounded to this much (metres) are compared: resolution / chord length.
inline constexpr double LANDXML_COORDINATE_RESOLUTION = 1e-4;

// One alignment of a LandXML file, as listed for the user to choose.
struct LandXmlAlignmentInfo {
    std::string name;  // the name attribute, bytes as in the file
    double startStation = 0;  // staStart (0 when absent)
    double length = 0;  // sum of the elements' lengths, metres
    int elementCount = 0;  // Line, Curve and Spiral elements of CoordGeom
    int stationEquationCount = 0;
    long line = 0;  // line of the Alignment element in the file
};

// True when the stream's first non-blank character (after a byte-order
// mark) is '<': an XML document, never an element file, whose lines start
// with numbers. The stream is left where it was.
bool looksLikeXml(std::istream& in);

// The alignments of a LandXML document, in file order. A document that is
// not well-formed XML or whose root is not LandXML is a
// vomel::FormatFailure naming the line.
std::vector<LandXmlAlignmentInfo> listLandXmlAlignments(std::istream& in);

// Imports the alignment called `alignmentName`, or the first one when the
// name is empty. A malformed document, no alignment, an unknown name, an
// element other than Line, Curve or clothoid Spiral, a missing or invalid
// attribute or point, a gap or kink between consecutive elements beyond
// the tolerances above, a length unit other than metres or feet, or a
// profile that cannot be read (see above; a fault of the grade points as a
// profile file names it), is a vomel::FormatFailure naming the alignment,
// the element and its line.
ImportedLine readLandXml(std::istream& in, const std::string& alignmentName = {});

}  // namespace vomel
