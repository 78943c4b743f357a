#pragma once
// The file run: every point of a coordinate file solved into a results
// file. The input is cut into chunks of whole lines, and each chunk is
// parsed, solved and formatted by the thread that takes it; the calling
// thread reads, hands out the chunks, works on them too while it waits, and
// writes the finished ones in file order. A regular file is read in blocks, so memory stays the
// same however long it is; a pipe, which can be read only once, is held
// whole first (within the bounds of a file held in memory). The results
// file holds the same bytes whatever the number of threads or the size of
// the chunks.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/failure.h"
#include "formats/atomic_file.h"
#include "formats/coordinate_file.h"
#include "solver/solution.h"

namespace vomel {

// Called with (i, count) for every point i from 1 to count, in order, on
// the calling thread, once the chunk that holds point i is solved and
// before its lines are written. May throw (a CancelledFailure, say) to stop
// the run: nothing is written then.
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

// Bytes of whole lines in a chunk for each point of RunOptions::chunkPoints
// (about the length of a typical coordinate line, so that a chunk holds
// about that many points).
inline constexpr std::size_t CHUNK_BYTES_PER_POINT = 48;

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

// What a file run writes: its header, then one line per solved point,
// appended to the chunk's buffer. Called from the worker threads and must
// be safe there.
struct ResultsLayout {
    std::string header;
    std::function<void(std::string& out, const SurveyPoint& point, const Solution& solution)> append;
};

// A coordinate file that lists no point: empty, or its first line blank.
// Nothing is written.
class NoPointFailure : public FormatFailure {
public:
    NoPointFailure();
};

// The number of points of a coordinate file: its lines up to the first
// blank line (blanks, tabs and CRs only) or the end, read in blocks.
long countListedPoints(const std::string& path);

// What a run does with each point, whatever its answer is (a Solution on
// one line, a ProjectSolution in a project): solve it, append its lines to
// the chunk's text of one or more results files (`append` is handed one
// text per header), and, when `solved` is set, show each chunk. `solve`
// and `append` are called from the worker threads and must be safe there.
template <class Result>
struct RunWork {
    std::function<Result(const SurveyPoint& point)> solve;
    std::vector<std::string> headers;  // one per results file
    std::function<void(std::vector<std::string>& outputs, const SurveyPoint& point, const Result& result)> append;
    std::function<void(const std::vector<SurveyPoint>& points, const std::vector<Result>& results)> solved;
    // Handed each chunk's answers alone, in file order on the calling
    // thread (cheaper than `solved`: the points are not kept).
    std::function<void(const std::vector<Result>& results)> tally;
    // Write a results file that got no line after its header too.
    bool keepUnused = true;
};

// The engine of every file run: reads the coordinate file, solves and
// writes every point into `resultsPaths` (one per header), each whole or
// not at all, under the rules of streamFileRun below. Instantiated for
// Solution and ProjectSolution.
template <class Result>
void streamRun(const RunWork<Result>& work, const std::string& coordinatePath,
               const std::vector<std::string>& resultsPaths, const ProgressCallback& progress,
               const RunOptions& options);

// Reads the coordinate file at `coordinatePath`, solves every point and
// writes the results file at `resultsPath` in `layout`, whole or not at all
// (the destination is checked, and its temporary file made, before the
// first point is solved). A file that lists no point is a NoPointFailure.
// The first failure in file order is thrown: a FormatFailure naming its
// line, or a GeometryFailure naming the point and its line; failures name
// the coordinate file, a cancellation from the progress callback excepted.
void streamFileRun(const PointSolver& solve, const ResultsLayout& layout, const std::string& coordinatePath,
                   const std::string& resultsPath, const ProgressCallback& progress, const RunOptions& options,
                   const SolvedChunkCallback& solved = {});

}  // namespace vomel
