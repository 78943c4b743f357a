#pragma once
// The main line as an intersection-point (JD) table: the columns read from
// the file, the curve elements derived from them, and the point of the line
// at a continuous station.
//
// Rows are numbered from 1 as in the file: row 1 is the start point, row
// jdCount the end point, rows 2..jdCount-1 carry a curve each. Side i runs
// from row i to row i+1. Lengths in metres, angles in radians, azimuths
// measured from +X towards +Y; a positive deflection turns from +X towards
// +Y (to the right on a survey grid).

#include <string>
#include <vector>

#include "core/line_pose.h"
#include "core/point.h"
#include "core/wording.h"

namespace vomel {

// Most intersection-point rows a table holds, start and end point included.
inline constexpr int JD_CAPACITY = 1000;

// One column of the table: index 0 unused, rows 1..JD_CAPACITY.
using Column = std::vector<double>;

struct MainLine {
    MainLine();

    // Number of rows read, start and end point included.
    int jdCount = 0;
    // Station of row 1, from the file header.
    double startStation = 0.0;

    // Input columns, as read (the five curve columns are negated on hairpin
    // rows by computeCurveElements).
    std::vector<std::string> jdName;  // bytes as in the file (GBK or UTF-8)
    Column jdX, jdY;
    Column jdRadius;  // R of the circular arc
    Column jdSpiralIn;  // Ls1, ZH to HY; 0 = no entry spiral
    Column jdSpiralOut;  // Ls2, YH to HZ; 0 = no exit spiral
    Column jdOuterRadiusIn;  // RA1 at ZH; 0 = the spiral starts at infinite radius
    Column jdOuterRadiusOut;  // RA2 at HZ; 0 = infinite
    Column jdIsHairpin;  // 1 when the name holds "HT" in any case
    Column jdHairpinInForward;  // 1: the incoming side keeps its direction
    Column jdHairpinOutForward;  // 1: the outgoing side keeps its direction

    // Derived columns (computeCurveElements).
    Column sideAzimuth;  // rows 1..n-1
    Column jdDeflection;  // signed; |alpha| > pi on hairpin rows
    Column jdStation;  // rows 1..n; row n is the end of the line
    Column tangentIn;  // T1, ZH to the intersection point
    Column tangentOut;  // T2, intersection point to HZ
    Column curveLength;  // ZH to HZ, positive
    Column spiralExtraIn;  // clothoid length from its origin to ZH
    Column spiralExtraOut;  // clothoid length from HZ to its origin
    Column originAzimuthIn;  // tangent azimuth at the entry clothoid's origin
    Column originAzimuthOut;  // tangent azimuth at the exit clothoid's origin
    Column originTurn;  // signed turn between the two origin tangents
    Column zhStation, hyStation, yhStation, hzStation;
    Column zhX, zhY, hyX, hyY, hzX, hzY;  // rows 1..n (end rows: the row's own point)
    Column hyAzimuth;  // tangent azimuth at HY, not reduced
    // True when zhStation[2..jdCount-1] never falls, so that the curve of a
    // station can be found by binary search (set by computeCurveElements).
    bool zhStationsAscending = false;
    // Curves that overlap by no more than the table's rounding allows, one
    // sentence each (set by computeCurveElements).
    std::vector<vomel::Wording> fitNotes;

    // Station of the end of the line (valid after computeCurveElements).
    double endStation() const { return jdStation[static_cast<std::size_t>(jdCount)]; }
};

// Derives every curve element of rows 1..jdCount from the input columns.
// Runs once on a freshly read table: it negates the curve columns of
// hairpin rows. Fewer than two rows is a FormatFailure; a curve that cannot
// be laid out (deflection or radius 0, an outer radius equal to or, with a
// spiral, smaller than the radius, parallel sides, a value that is not
// finite) or curves that do not fit on their sides (main_line_fit.h) are a
// GeometryFailure naming the row and the amounts.
void computeCurveElements(MainLine& line);

// The point of the line at a continuous station; before the start and after
// the end the first and last sides are extended. Needs computeCurveElements.
vomel::Point mainLineStationToXY(const MainLine& line, double station);

// The same point with the tangent azimuth towards increasing station and the
// curvature there (d azimuth / d station), as the element that holds the
// station gives them.
vomel::LinePose mainLineStationToPose(const MainLine& line, double station);

// The curve whose stations are searched for `station`: the first row i of
// 2..jdCount-2 with zhStation[i] <= station < zhStation[i+1], else
// jdCount-1. A binary search when the ZH stations ascend, a scan otherwise.
int curveIndexAt(const MainLine& line, double station);

// "intersection point 3 (JD2)": how failures name a row.
vomel::Wording rowLabel(const MainLine& line, int row);

}  // namespace vomel
