#include "solver/sample_table.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <string>
#include <thread>
#include <vector>

#include "core/failure.h"

namespace vomel {

std::size_t sampleCountFor(double start, double end)
{
    if (!std::isfinite(start) || !std::isfinite(end)) {
        throw GeometryFailure(
            VOMEL_TRANSLATE_NOOP("Failure", "the start or end station of the line is not a finite number"));
    }
    if (end < start) {
        throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "the end station %1 lies below the start station %2"),
                              std::to_string(end), std::to_string(start));
    }
    const double intervals = std::floor((end - start) / SAMPLE_STEP);
    if (!(intervals < 1e15))
        throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "the line is too long to be sampled"));
    return static_cast<std::size_t>(intervals) + 2;
}

namespace {

// The points of samples [first, last) of `table`, its stations set.
void samplePoints(SampleTable& table, const PointFunction& pointAt, std::size_t first, std::size_t last)
{
    for (std::size_t j = first; j < last; ++j) {
        const Point p = pointAt(table.sampleStation[j]);
        table.sampleX[j] = requireFinite(p.x, VOMEL_TRANSLATE_NOOP("Failure", "X of a sample of the line"));
        table.sampleY[j] = requireFinite(p.y, VOMEL_TRANSLATE_NOOP("Failure", "Y of a sample of the line"));
    }
}

// samplePoints over all of `table` on up to `threads` threads, the calling
// thread taking the first run; the first failure by station is rethrown.
void samplePointsOn(SampleTable& table, const PointFunction& pointAt, unsigned threads)
{
    const std::size_t count = table.sampleStation.size();
    const std::size_t runs =
        std::clamp<std::size_t>(threads, 1, std::max<std::size_t>(count / MIN_SAMPLES_PER_THREAD, 1));
    std::vector<std::exception_ptr> failures(runs);
    const auto run = [&](std::size_t r) {
        try {
            samplePoints(table, pointAt, count * r / runs, count * (r + 1) / runs);
        } catch (...) {
            failures[r] = std::current_exception();
        }
    };
    std::vector<std::thread> pool;
    for (std::size_t r = 1; r < runs; ++r) pool.emplace_back(run, r);
    run(0);
    for (auto& thread : pool) thread.join();
    for (const auto& failure : failures) {
        if (failure) std::rethrow_exception(failure);
    }
}

}  // namespace

SampleTable buildSampleTable(double start, double end, const PointFunction& pointAt, unsigned threads)
{
    SampleTable table;
    const std::size_t n = sampleCountFor(start, end);
    table.sampleStep = SAMPLE_STEP;
    table.sampleStation.resize(n + 2);
    table.sampleX.resize(n + 2);
    table.sampleY.resize(n + 2);

    auto& station = table.sampleStation;
    station[0] = start - SAMPLE_STEP;
    station[1] = start;
    for (std::size_t j = 2; j + 1 <= n; ++j) station[j] = station[j - 1] + SAMPLE_STEP;
    station[n] = end;
    station[n + 1] = end + SAMPLE_STEP;

    samplePointsOn(table, pointAt, threads);
    table.sampleCount = n;
    return table;
}

}  // namespace vomel
