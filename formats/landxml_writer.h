#pragma once
// A design line written as a LandXML 1.2 document: one Alignment with its
// CoordGeom (Line, clothoid Spiral and Curve elements, each with its Start
// and End, a Curve with its Center and PI, a Spiral with its PI), its chain
// breaks as StaEquation and its vertical profile as ProfAlign (PVI,
// ParaCurve, UnsymParaCurve, CircCurve). It is what readLandXml
// (formats/landxml_reader.h) reads back into the same line: every element
// starts where the line has it, with the tangent the line has there.
//
// Numbers carry 17 significant digits, so that each reads back as the
// double it was; directions are radians counter-clockwise from east, as the
// Units block says; lengths in the line's unit (metres, or the feet of a
// LandXML line read in feet). Points are "northing easting": X first.

#include <optional>
#include <string>
#include <vector>

#include "alignment/length_unit.h"
#include "alignment/vertical_profile.h"
#include "core/point.h"
#include "geometry/element_kind.h"
#include "stationing/chain_break.h"

namespace vomel {

// One element of the line: where it starts, with its start tangent (radians
// from +X towards +Y), its radii (signed as in an element chain, positive
// turning from +X towards +Y, INFINITE_RADIUS for a straight end) and
// length, and where the line has its end.
struct LandXmlElement {
    Point start;
    double startAzimuth = 0.0;
    ElementShape shape{INFINITE_RADIUS, INFINITE_RADIUS, 0.0};
    Point end;
};

struct LandXmlLine {
    std::string name;  // UTF-8
    LengthUnit unit = LengthUnit::Metre;
    double startStation = 0.0;  // continuous station of the first element's start
    std::vector<LandXmlElement> elements;
    ChainBreaks chainBreaks;
    std::optional<VerticalProfile> profile;
    std::string date;  // "2026-12-08", the LandXML root's date attribute
    std::string time;  // "10:15:00"
};

// The whole document, UTF-8. Throws vomel::GeometryFailure for a value that
// is not finite (no NaN or infinity is written but the INF of a radius).
std::string landXmlDocument(const LandXmlLine& line);

// A name as UTF-8: the bytes themselves when they are UTF-8, else read as
// GBK (the other encoding of our text files). Bytes that are neither
// become U+FFFD, one for each.
std::string utf8Name(const std::string& bytes);

}  // namespace vomel
