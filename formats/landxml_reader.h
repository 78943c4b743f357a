#pragma once
// Interchange lines exchanged as LandXML 1.2: the horizontal geometry of an
// alignment (Alignments/Alignment/CoordGeom with Line, Curve and clothoid
// Spiral elements) read into an element chain, and its station equations
// (StaEquation) into a chain-break table.
//
// LandXML writes points as "northing easting [elevation]": the northing is
// X here. A curve or spiral turning "cw" turns from +X towards +Y, which is
// a positive radius in the chain. Lengths are metres: a file whose Units
// declare another linear unit is refused. The start point is the first element's
// Start, the start station the alignment's staStart, and the start azimuth
// the direction that makes the first element, laid out from its start
// radius, end radius and length, end at its End point. Every later element
// must then continue the chain without a gap or a kink.

#include <istream>
#include <memory>
#include <string>
#include <vector>

#include "stationing/chain_break.h"

namespace vomel {

namespace ramp {
struct ElementChain;
}

// Tolerances of the continuity check between consecutive elements. A
// LandXML file states each element's Start and End; the chain is laid out
// from the first Start alone, so these bound how far the file's own points
// may stray from the line that is imported.
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
    std::string name;        // the name attribute, bytes as in the file
    double startStation = 0; // staStart (0 when absent)
    double length = 0;       // sum of the elements' lengths, metres
    int elementCount = 0;    // Line, Curve and Spiral elements of CoordGeom
    int stationEquationCount = 0;
    long line = 0;           // line of the Alignment element in the file
};

// An imported alignment: the prepared chain (ready for
// interchangeStationToXY) and its chain breaks.
struct LandXmlLine {
    std::string name;
    std::shared_ptr<const ramp::ElementChain> chain;
    vomel::ChainBreaks chainBreaks;
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
// attribute or point, or a gap or kink between consecutive elements beyond
// the tolerances above, or a length unit other than metres, is a vomel::FormatFailure naming the alignment, the
// element and its line.
LandXmlLine readLandXml(std::istream& in, const std::string& alignmentName = {});

}  // namespace vomel
