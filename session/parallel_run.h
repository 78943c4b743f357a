#pragma once
// The run over a coordinate file on every core: the file is read and the
// results written a chunk of points at a time, so memory stays the same
// however long the file; within a chunk the points are shared out among
// worker threads in contiguous runs and their lines joined in file order, so
// the results file holds the same bytes whatever the number of threads or
// the size of the chunks.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "formats/coordinate_file.h"
#include "formats/results_file.h"
#include "solver/dispatcher.h"
#include "stationing/chain_break.h"

namespace vomel {

// Called with (i, count) for every point i from 1 to count, in order, on
// the calling thread, before the chunk that holds point i is solved.
using ProgressCallback = std::function<void(long i, long count)>;

// Solves one point; must be safe to call from several threads at once.
using PointSolver = std::function<Solution(double x, double y)>;

enum class SolverChoice {
    Fast,  // sample index, short bisection, Newton on perpendicularity
    Reference,  // full scan of the samples and bisection to the end
};

// Points read, solved and written at a time: about 100 kB of coordinates
// and as much of results, which stay in the cache and are reused from chunk
// to chunk (larger ones are fresh pages from the system each time), and
// small enough that the workers finish together at the end of a run
// (2048 points take a few milliseconds).
inline constexpr std::size_t DEFAULT_CHUNK_POINTS = 2048;

// Shown each chunk of points with their solutions, in file order, after the
// chunk's lines have been handed to the results file; the results file
// itself does not depend on it. May throw to stop the run.
using SolvedChunkCallback =
    std::function<void(const std::vector<SurveyPoint>& points, const std::vector<Solution>& solutions)>;

struct RunOptions {
    SolverChoice solver = SolverChoice::Fast;
    unsigned threads = 0;  // 0: one per core
    std::size_t chunkPoints = DEFAULT_CHUNK_POINTS;
    PointsFormat pointsFormat = PointsFormat::Plain;  // of the coordinate file
};

// The number of worker threads for a request: 0 means every core (at least
// one).
unsigned workerCount(unsigned requested);

// Solves every point into `solutions` (resized to match) with `threads`
// workers. A failure of a point is rethrown as a GeometryFailure naming the
// point's label and line; with several failing points, the first in file
// order is reported.
void solvePoints(const PointSolver& solve, const std::vector<SurveyPoint>& points, std::vector<Solution>& solutions,
                 unsigned threads);

// What a file run writes: its header, then one line per solved point.
// `line` is called from the worker threads and must be safe there.
struct ResultsLayout {
    std::string header;
    std::function<std::string(const SurveyPoint& point, const Solution& solution)> line;
    // When set, appends the same bytes as `line` to a buffer; used instead
    // of `line` where it saves a string per point.
    std::function<void(std::string& out, const SurveyPoint& point, const Solution& solution)> append = {};
};

// Reads the coordinate file at `coordinatePath`, solves every point and
// writes the results file at `resultsPath` in `layout`, whole or not at all.
// Failures name the file, and its line where one is to blame.
void streamFileRun(const PointSolver& solve, const ResultsLayout& layout, const std::string& coordinatePath,
                   const std::string& resultsPath, const ProgressCallback& progress, const RunOptions& options,
                   const SolvedChunkCallback& solved = {});

}  // namespace vomel
