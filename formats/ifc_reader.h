#pragma once
// Alignments exchanged as IFC 4.3 (ISO 16739-1:2024; schemas IFC4X3,
// IFC4X3_ADD1, IFC4X3_ADD2 and IFC4X3_TC1) in a STEP file: an IfcAlignment
// imported into an element chain with its stationing and its profile.
//
// The alignment's layouts are found by their entity type among what it
// nests (IfcAlignmentHorizontal, IfcAlignmentVertical; the cant is not
// used), whatever their order or the number of nests; an alignment without
// a horizontal layout of its own uses that of the alignment aggregating it.
// formats/ifc_horizontal.h, ifc_vertical.h, ifc_stationing.h, ifc_units.h
// and ifc_placement.h say how each part is read. The segments' coordinates
// are taken into the project frame by the alignment's ObjectPlacement; an
// IfcMapConversion is listed, not applied.
//
// What is imported but deserves the user's eye becomes a note: a gap or a
// kink between segments, a skipped segment, units converted or assumed,
// the geometric representation disagreeing with the design parameters. A
// vertical layout that cannot be imported leaves the plan without a
// profile, saying why.

#include <istream>
#include <string>
#include <vector>

#include "formats/imported_line.h"

namespace vomel {

// One IfcAlignment, as listed for the user to choose.
struct IfcAlignmentInfo {
    std::string name;  // UTF-8
    double startStation = 0.0;  // line unit
    double endStation = 0.0;  // start + the horizontal segments' lengths
    int segmentCount = 0;  // horizontal segments of non-zero length
    int stationEquationCount = 0;
    long line = 0;  // of the IfcAlignment instance
    LengthUnit unit = LengthUnit::Metre;
    std::string mapConversion;  // see ifc::mapConversionText; empty without one
};

// True when the stream begins (after blanks and a byte-order mark) with
// ISO-10303-21: a STEP file. The stream is left where it was.
bool looksLikeStep(std::istream& in);

// The IfcAlignment instances of the file, in file order. A file that is not
// a readable IFC 4.3 STEP file is a vomel::FormatFailure naming the line.
std::vector<IfcAlignmentInfo> listIfcAlignments(std::istream& in);

// Imports the alignment called `alignmentName` (the first when empty;
// "NAME#2" is the second of several called NAME, in file order). A file
// that cannot be read, an unknown name, a horizontal layout that is missing
// or holds a segment that cannot be imported is a vomel::FormatFailure
// naming the alignment, the instance (#id) and its line.
ImportedLine readIfc(std::istream& in, const std::string& alignmentName = {});

}  // namespace vomel
