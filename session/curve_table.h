#pragma once
// The curve table: the prepared design line laid out row by row, so that a
// user can check it against the design drawings. The values are read from
// the tables the back-calculation uses, not computed a second time.

#include <string>
#include <vector>

#include "alignment/design_line.h"
#include "alignment/table_cells.h"

namespace vomel {

struct PreparedLine;

// The line's own table (DesignLine::curveTable): for a main line one row
// per intersection point, for a ramp one row per node and per element.
// Values read from the files (X, Y of the intersection points, R, Ls, RA,
// element radii and lengths) in their general form; computed lengths (T1,
// T2, L, E, node X and Y) with 4 decimals; angles in radians with 10
// decimals; stations with 3 decimals and their chain letter when the line
// has chain breaks.
CurveTable curveTable(const PreparedLine& alignment);

// Columns padded to their widest cell (UTF-8 characters counted once),
// separated by two blanks, LF line ends.
std::string curveTableText(const CurveTable& table);

// RFC 4180 CSV: a header row, CR LF line ends; a cell holding a comma, a
// quote or a line end is quoted, its quotes doubled.
std::string curveTableCsv(const CurveTable& table);

}  // namespace vomel
