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
// chain breaks) other_station then gives (empty otherwise); residual is the distance in metres from the point to the
// point set out again from the computed station and offset.

#include <string>

#include "formats/coordinate_file.h"
#include "session/parallel_run.h"
#include "session/stakeout.h"
#include "solver/dispatcher.h"

namespace vomel {

struct PreparedLine;

// A foot this close to an end of the line (metres) is on the line.
inline constexpr double LINE_END_TOLERANCE = 1e-6;

// Where a foot's continuous station lies against the line's ends.
const char* footStatus(const PreparedLine& alignment, double station);

// The header row with its CR LF.
std::string csvResultsHeader();

// The row of one solved point with its CR LF.
std::string csvResultsLine(const PreparedLine& alignment, const SurveyPoint& point, const Solution& solution);
// The same bytes appended to `out`, without a string per number.
void appendCsvResultsLine(std::string& out, const PreparedLine& alignment, const SurveyPoint& point,
                          const Solution& solution);

// The file run of computeFileRun writing CSV rows: streamed a chunk at a
// time, the chosen algorithm on the chosen number of threads (the rows do
// not depend on the thread count), the CSV file written whole through a
// temporary file or not at all. Failures name the coordinate file and the
// point's line.
void computeCsvRun(const PreparedLine& alignment, const std::string& coordinatePath, const std::string& resultsPath,
                   const ProgressCallback& progress = {}, const RunOptions& options = {});

}  // namespace vomel
