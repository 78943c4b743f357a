#pragma once
// A design line of either kind exported as LandXML 1.2
// (formats/landxml_writer.h): a main line laid out as its straights,
// spirals and arcs, a ramp element by element, with its chain breaks and
// the profile of its design surface.
//
// Before anything is written the document is read back with the program's
// own reader and the line it gives compared with the source along every
// element: points, stated stations and design elevations. Where they differ
// by more than EXPORT_AGREEMENT_TOLERANCE nothing is written and the
// failure names the station; where the line holds something the document
// gives back only as written (a corner of an imported line, a cross-fall
// LandXML's ProfAlign cannot carry) a note says so.

#include <memory>
#include <string>
#include <vector>

#include "alignment/design_surface.h"
#include "core/wording.h"
#include "formats/landxml_writer.h"

namespace vomel {

struct PreparedLine;

// How far the line read back from the document may lie from the source,
// in the line's unit: a thousand times the rounding of coordinates of some
// 10^6 m, far below any fault of layout.
inline constexpr double EXPORT_AGREEMENT_TOLERANCE = 1e-6;

// The line as the LandXML writer takes it (date and time left empty).
// A line of a kind that has no LandXML form is a GeometryFailure.
LandXmlLine landXmlLineOf(const PreparedLine& line, const DesignSurface& surface, const std::string& name);

// The elements of a main line or a ramp, in station order.
std::vector<LandXmlElement> landXmlElementsOf(const PreparedLine& line);

// Exports the line to `path` (whole or not at all) after the check above;
// returns the notes. `date` and `time` stamp the document.
std::vector<Wording> exportLandXml(const PreparedLine& line, const DesignSurface& surface, const std::string& name,
                                   const std::string& path, const std::string& date, const std::string& time);

// The largest distance between the source line and the line read back
// from `document`, over the ends and quarter points of every element, and
// the same for the stated stations and design elevations; each with the
// continuous station where it is largest.
struct ExportAgreement {
    double pointDistance = 0.0;
    double pointStation = 0.0;
    double stationDifference = 0.0;
    double stationAt = 0.0;
    double elevationDifference = 0.0;
    double elevationAt = 0.0;
    std::vector<Wording> notes;  // the reader's notes on the document
};
ExportAgreement compareExport(const PreparedLine& line, const DesignSurface& surface, const std::string& document);

}  // namespace vomel
