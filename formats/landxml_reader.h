#pragma once
// Interchange lines exchanged as LandXML 1.2: the horizontal geometry of an
// alignment (Alignments/Alignment/CoordGeom with Line, Curve and clothoid
// Spiral elements) read into an element chain, its station equations
// (StaEquation) into a chain-break table, and its vertical profile
// (Profile/ProfAlign, formats/landxml_profile.h) into grade points with
// vertical curves.
//
// LandXML writes points as "northing easting [elevation]": the northing is
// X here. A curve or spiral turning "cw" turns from +X towards +Y, which is
// a positive radius in the chain. Directions (dir, dirStart) run
// counter-clockwise from east in the Units' directionUnit, angles (theta)
// in its angularUnit. Lengths are metres, or feet when the file's Units
// hold no Metric and an Imperial linearUnit of USSurveyFoot or IntnlFoot
// ("foot" too): the line is then read and computed in feet, every length
// in the file's own unit. Any other unit is refused.
//
// The file's coordinates are the design: every element is laid out from
// its own Start and start tangent (formats/landxml_elements.h), the
// stations run from staStart by the elements' lengths. Where consecutive
// elements do not meet (a gap) or meet at an angle (a kink) beyond the
// joint tolerances of alignment/placed_chain.h, the line is imported with a
// corner there and a note says so. A profile that cannot be used leaves
// the plan standing, with the reason in profileProblem.

#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "formats/imported_line.h"

namespace vomel {

struct ElementChain;

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
// attribute or point, an element whose stated numbers contradict its
// points, or a length unit other than metres or feet is a
// vomel::FormatFailure naming the alignment, the element and its line.
ImportedLine readLandXml(std::istream& in, const std::string& alignmentName = {});

}  // namespace vomel
