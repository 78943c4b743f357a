#pragma once
// The file run over a project: every point of a coordinate file given to
// its line (session/project.h) and solved there, on the engine of the
// single-line run (session/streamed_run.h): streamed, on every core, the
// same bytes whatever the number of threads, written whole or not at all.

#include <functional>
#include <string>
#include <vector>

#include "formats/results_file.h"
#include "session/project.h"
#include "session/streamed_run.h"

namespace vomel {

// How many points each line got, in the project's order, and how many no
// line held; `ambiguous` counts the points of perLine that were ambiguous.
struct ProjectRunCounts {
    std::vector<long> perLine;
    long unassigned = 0;
    long ambiguous = 0;
};

// "points per line: 主线 312, A匝道 40; unassigned 3; ambiguous 1", the
// closing line of a project run.
std::string projectCountsText(const Project& project, const ProjectRunCounts& counts);

// Shown each chunk of points with their answers, in file order (see
// SolvedChunkCallback).
using ProjectSolvedCallback =
    std::function<void(const std::vector<SurveyPoint>& points, const std::vector<ProjectSolution>& solutions)>;

// Name of the file of a results-folder run that takes the lines of the
// points no line holds, as they were read.
inline constexpr const char* UNASSIGNED_POINTS_FILE = "unassigned.txt";

// The CSV of every point (formats/results_csv.h) with two more columns:
// `line`, the name of the point's line (empty when unassigned, whose status
// is "unassigned"), and `other_line`, for an ambiguous point the line of
// the other foot. Design columns when some line has a profile; the code
// column for CASS points (options.pointsFormat).
ProjectRunCounts computeProjectCsvRun(const Project& project, const std::string& coordinatePath,
                                      const std::string& resultsPath, const ProgressCallback& progress = {},
                                      const RunOptions& options = {}, const ProjectSolvedCallback& solved = {});

// One results file per line that got a point, "<line name>.txt" in
// `folder` (which must exist), and the unassigned points' lines in
// UNASSIGNED_POINTS_FILE; every file written whole, and none unless the
// run succeeds.
ProjectRunCounts computeProjectResultsRun(const Project& project, const std::string& coordinatePath,
                                          const std::string& folder, HeaderEncoding encoding,
                                          const ProgressCallback& progress = {}, const RunOptions& options = {},
                                          const ProjectSolvedCallback& solved = {});

}  // namespace vomel
