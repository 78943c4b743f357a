#pragma once
// Results as UTF-8 CSV for spreadsheets and scripts, one row per point with
// where its foot lies on the line and a self-check of the solution.
//
// Columns: label, x, y, letter, station, offset, foot_x, foot_y, elevation,
// status, residual, other_station. letter is empty on a line without chain
// breaks; station is the stated station; status is "before-start",
// "after-end" or "on-line", "corner" when the point lies in the wedge
// outside a corner of the line (a kink or gap between two elements of an
// exchange file: station, offset and foot are those of the corner), or
// "ambiguous" when another part of the line has a foot practically as
// near, whose stated station (with its chain letter when the line has
// chain breaks) other_station then gives (empty otherwise); residual is the
// distance in metres from the point to the point set out again from the
// computed station and offset.
//
// Columns the run computes follow: with a design surface,
// `design_elevation` (at the point's station and offset; empty beyond the
// profile) and `dz` (the point's elevation minus the design elevation;
// empty when the point's line gives no elevation); for points read from
// CASS data, `code`.

#include <string>

#include "alignment/design_line.h"
#include "alignment/design_surface.h"
#include "formats/coordinate_file.h"
#include "solver/solution.h"

namespace vomel {

// The columns after the common ones.
struct CsvColumns {
    const DesignSurface* design = nullptr;  // adds design_elevation and dz
    bool code = false;  // adds code
    // The line other_station is stated on, when not the point's own (the
    // other line of a project).
    const DesignLine* otherLine = nullptr;
};

// One RFC 4180 cell: quoted when it holds a comma, a quote or a line end,
// its quotes doubled; otherwise as it is.
std::string csvCell(const std::string& cell);

// The header row with its CR LF.
std::string csvResultsHeader(const CsvColumns& columns = {});

// The row of one point solved on `line`, with its CR LF, appended to `out`
// without a string per number.
void appendCsvResultsLine(std::string& out, const DesignLine& line, const SurveyPoint& point, const Solution& solution,
                          const CsvColumns& columns = {});

// The row of a point that no line of a project holds: its label,
// coordinates and elevation, status "unassigned", the other cells empty.
void appendCsvUnassignedLine(std::string& out, const SurveyPoint& point, const CsvColumns& columns = {});

// The same row as a string of its own.
std::string csvResultsLine(const DesignLine& line, const SurveyPoint& point, const Solution& solution,
                           const CsvColumns& columns = {});

}  // namespace vomel
