#include "session/parallel_run.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sys/stat.h>
#include <thread>

#include "core/failure.h"
#include "session/streamed_run.h"
#include "text/file_reading.h"
#include "text/input_line.h"

namespace vomel {

namespace {

constexpr const char* FILE_CHANGED =
    VOMEL_TRANSLATE_NOOP("Failure", "the file changed while it was being read (%1 points counted, %2 read)");

// The first failure of a run of points, by file order.
struct PointFailure {
    std::size_t index = 0;
    std::exception_ptr error;
};

// Solves points [first, last) and formats nothing; stops at its first
// failure, which it keeps.
void solveRun(const PointSolver& solve, const std::vector<SurveyPoint>& points, std::vector<Solution>& solutions,
              std::size_t first, std::size_t last, std::optional<PointFailure>& failure)
{
    for (std::size_t i = first; i < last; ++i) {
        try {
            solutions[i] = solve(points[i].x, points[i].y);
        } catch (...) {
            failure = PointFailure{i, std::current_exception()};
            return;
        }
    }
}

[[noreturn]] void rethrowNamed(const SurveyPoint& point, const std::exception_ptr& error)
{
    try {
        std::rethrow_exception(error);
    } catch (const GeometryFailure& failure) {
        throw GeometryFailure(point.line, VOMEL_TRANSLATE_NOOP("Failure", "point %1: %2"), quotedExcerpt(point.label),
                              failure.wording());
    }
}

// Runs body(first, last, worker) over [0, count) split into `threads`
// contiguous runs, each on its own thread (the calling thread takes the
// first).
template <class Body>
void shareOut(std::size_t count, unsigned threads, Body body)
{
    const std::size_t workers = std::clamp<std::size_t>(threads, 1, std::max<std::size_t>(count, 1));
    std::vector<std::thread> pool;
    pool.reserve(workers - 1);
    const auto bound = [&](std::size_t w) { return count * w / workers; };
    for (std::size_t w = 1; w < workers; ++w) pool.emplace_back(body, bound(w), bound(w + 1), w);
    body(bound(0), bound(1), std::size_t{0});
    for (auto& t : pool) t.join();
}

// Solves and formats one chunk into `text`, one part per worker, the parts
// in file order. The parts keep their capacity from chunk to chunk.
void solveChunk(const PointSolver& solve, const ResultsLayout& layout, const std::vector<SurveyPoint>& points,
                std::vector<Solution>& solutions, unsigned threads, std::vector<std::string>& text)
{
    solutions.resize(points.size());
    const std::size_t workers = std::clamp<std::size_t>(threads, 1, std::max<std::size_t>(points.size(), 1));
    std::vector<std::optional<PointFailure>> failures(workers);
    if (text.size() < workers) text.resize(workers);
    for (auto& part : text) part.clear();
    shareOut(points.size(), threads, [&](std::size_t first, std::size_t last, std::size_t w) {
        solveRun(solve, points, solutions, first, last, failures[w]);
        if (failures[w]) return;
        for (std::size_t i = first; i < last; ++i) {
            try {
                text[w] += layout.line(points[i], solutions[i]);
            } catch (...) {
                failures[w] = PointFailure{i, std::current_exception()};
                return;
            }
        }
    });
    for (const auto& failure : failures) {
        if (failure) rethrowNamed(points[failure->index], failure->error);
    }
}

bool isRegularFile(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

unsigned workerCount(unsigned requested)
{
    if (requested != 0) return requested;
    return std::max(1u, std::thread::hardware_concurrency());
}

void solvePoints(const PointSolver& solve, const std::vector<SurveyPoint>& points, std::vector<Solution>& solutions,
                 unsigned threads)
{
    solutions.resize(points.size());
    const std::size_t workers = std::clamp<std::size_t>(threads, 1, std::max<std::size_t>(points.size(), 1));
    std::vector<std::optional<PointFailure>> failures(workers);
    shareOut(points.size(), threads, [&](std::size_t first, std::size_t last, std::size_t w) {
        solveRun(solve, points, solutions, first, last, failures[w]);
    });
    for (const auto& failure : failures) {
        if (failure) rethrowNamed(points[failure->index], failure->error);
    }
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): coordinate file in, results file out, as the user picks them
void streamFileRun(const PointSolver& solve, const ResultsLayout& layout, const std::string& coordinatePath,
                   const std::string& resultsPath, const ProgressCallback& progress, const RunOptions& options,
                   const SolvedChunkCallback& solved)
{
    const unsigned threads = workerCount(options.threads);
    const std::size_t chunk = std::max<std::size_t>(options.chunkPoints, 1);
    try {
        std::ifstream in = openForReading(coordinatePath);
        // A regular file is counted in a first pass and then streamed, of
        // any size; a pipe can be read only once, so its points are all
        // read first (within the bounds of a file held in memory).
        std::vector<SurveyPoint> all;
        long count = 0;
        const bool streamed = isRegularFile(coordinatePath);
        if (streamed) {
            in.close();
            // The points are counted first only for the progress's total: a
            // run without progress reads the file once.
            if (progress) count = countListedPoints(coordinatePath);
            // The destination is checked (and its temporary file made)
            // before the first point is solved.
            AtomicFile writer(resultsPath);
            writer.write(layout.header);
            ProgressCallback announce;
            if (progress) announce = [&progress, count](long i, long) { progress(i, count); };
            const long done = streamPoints(solve, layout, coordinatePath, options.pointsFormat, writer, announce,
                                           threads, chunk, solved);
            if (progress && done != count) {
                throw FileFailure(FILE_CHANGED, std::to_string(count), std::to_string(done));
            }
            writer.commit();
            return;
        }
        all = readCoordinateFile(in, MAX_POINTS, options.pointsFormat);
        if (in.bad()) throw FileFailure(VOMEL_TRANSLATE_NOOP("Failure", "the file could not be read to its end"));
        count = static_cast<long>(all.size());

        // The destination is checked (and its temporary file made) before
        // the first point is solved.
        AtomicFile writer(resultsPath);
        writer.write(layout.header);

        std::vector<SurveyPoint> points;
        std::vector<Solution> solutions;
        std::vector<std::string> text;
        std::size_t next = 0;  // next point of `all`
        long done = 0;
        for (;;) {
            points.clear();
            const std::size_t end = std::min(all.size(), next + chunk);
            points.assign(all.begin() + static_cast<std::ptrdiff_t>(next),
                          all.begin() + static_cast<std::ptrdiff_t>(end));
            next = end;
            if (points.empty()) break;
            // Every point is announced, in order, before its chunk is
            // solved; a callback that throws stops the run there.
            if (progress) {
                for (std::size_t i = 1; i <= points.size(); ++i) progress(done + static_cast<long>(i), count);
            }
            solveChunk(solve, layout, points, solutions, threads, text);
            for (const auto& part : text) writer.write(part);
            if (solved) solved(points, solutions);
            done += static_cast<long>(points.size());
        }
        if (done != count) {
            throw FileFailure(FILE_CHANGED, std::to_string(count), std::to_string(done));
        }
        writer.commit();
    } catch (Failure& failure) {
        // A cancellation from the progress callback belongs to no file.
        if (dynamic_cast<CancelledFailure*>(&failure) == nullptr) failure.setFile(coordinatePath);
        throw;
    }
}

}  // namespace vomel
