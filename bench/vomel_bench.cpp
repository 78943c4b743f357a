// Benchmarks of the back-calculation on a generated 50 km main line (grid
// coordinates, 80+ curves with spirals, some incomplete, both turns) and an
// element chain of the same length, with points within 60 m of the line.
//
//   vomel_bench                  the full table
//   vomel_bench --smoke          small lines and batches (CI)
//
// Points per second are the items_per_second counter; the reference path
// solves a smaller batch of the same points, since it scans every sample.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <benchmark/benchmark.h>

#include "session/session.h"
#include "solver/fast_solver.h"
#include "testing/bench_lines.h"

namespace {

using vomel::SolverChoice;

struct Sizes {
    double lineLength = 50'000.0;  // metres
    double initLength = 100'000.0;  // metres, for the initialisation
    std::size_t fastPoints = 200'000;
    std::size_t referencePoints = 2'000;
    std::size_t nearestCheckPoints = 20'000;
};

Sizes sizes;

constexpr double MAX_OFFSET = 60.0;  // metres either side

enum class Kind { MainLine, ElementChain };

struct Workload {
    std::shared_ptr<const vomel::PreparedLine> alignment;
    std::vector<vomel::SurveyPoint> points;
    std::vector<vomel::testing::GeneratedPoint> generated;
};

const Workload& workload(Kind kind)
{
    static std::map<Kind, Workload> cache;
    auto found = cache.find(kind);
    if (found != cache.end()) return found->second;
    Workload w;
    const vomel::testing::LineShape shape{sizes.lineLength, 3'500'000.0, 500'000.0, 2024};
    w.alignment = kind == Kind::MainLine
                      ? vomel::testing::mainLineFrom(vomel::testing::generatedJdFile(shape))
                      : vomel::testing::elementChainFrom(vomel::testing::generatedElementFile(shape));
    w.generated =
        vomel::testing::generatedPoints([&](double s) { return w.alignment->poseAt(s); }, w.alignment->startStation,
                                        w.alignment->endStation, sizes.fastPoints, MAX_OFFSET, 99);
    for (const auto& g : w.generated) w.points.push_back(g.point);
    return cache.emplace(kind, std::move(w)).first->second;
}

// Solves every point into `solutions` on `threads` threads, each taking a
// contiguous run of the points (the calling thread the first).
void solveAll(const vomel::PointSolver& solve, const std::vector<vomel::SurveyPoint>& points,
              std::vector<vomel::Solution>& solutions, unsigned threads)
{
    solutions.resize(points.size());
    const std::size_t workers = std::clamp<std::size_t>(threads, 1, std::max<std::size_t>(points.size(), 1));
    const auto run = [&](std::size_t w) {
        for (std::size_t i = points.size() * w / workers; i < points.size() * (w + 1) / workers; ++i) {
            solutions[i] = solve(points[i].x, points[i].y);
        }
    };
    std::vector<std::thread> pool;
    for (std::size_t w = 1; w < workers; ++w) pool.emplace_back(run, w);
    run(0);
    for (auto& t : pool) t.join();
}

void solveBatch(benchmark::State& state, Kind kind, SolverChoice solver)
{
    const Workload& w = workload(kind);
    const unsigned threads = static_cast<unsigned>(state.range(0));
    const std::size_t count = solver == SolverChoice::Fast ? sizes.fastPoints : sizes.referencePoints;
    const std::vector<vomel::SurveyPoint> points(w.points.begin(),
                                                 w.points.begin() + static_cast<std::ptrdiff_t>(count));
    const vomel::PreparedLine& alignment = *w.alignment;
    const vomel::FastLine fast = alignment.fastLine();
    const vomel::PointSolver solve = [&](double x, double y) {
        return solver == SolverChoice::Fast ? vomel::solvePointFast(fast, x, y)
                                            : alignment.solve(x, y, SolverChoice::Reference);
    };
    std::vector<vomel::Solution> solutions;
    for (auto _ : state) {
        solveAll(solve, points, solutions, threads);
        benchmark::DoNotOptimize(solutions.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(count));
    state.counters["points"] = static_cast<double>(count);
    state.counters["samples"] = static_cast<double>(alignment.samples.sampleCount);
}

void BM_SolveMainLineReference(benchmark::State& s) { solveBatch(s, Kind::MainLine, SolverChoice::Reference); }
void BM_SolveMainLineFast(benchmark::State& s) { solveBatch(s, Kind::MainLine, SolverChoice::Fast); }
void BM_SolveElementChainReference(benchmark::State& s) { solveBatch(s, Kind::ElementChain, SolverChoice::Reference); }
void BM_SolveElementChainFast(benchmark::State& s) { solveBatch(s, Kind::ElementChain, SolverChoice::Fast); }

// Precision of both paths on the reference batch: against the exact foot
// the point was made from, and against each other. Counters in metres.
void precision(benchmark::State& state, Kind kind)
{
    const Workload& w = workload(kind);
    const vomel::PreparedLine& alignment = *w.alignment;
    const vomel::FastLine fast = alignment.fastLine();
    double fastStation = 0, fastOffset = 0, fastFoot = 0, refStation = 0, refOffset = 0, apartStation = 0,
           apartOffset = 0, residual = 0, otherSample = 0, fallBacks = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < sizes.referencePoints; ++i) {
            const auto& g = w.generated[i];
            vomel::FastSolveTrace trace;
            const auto f = vomel::solvePointFast(fast, g.point.x, g.point.y, &trace);
            const auto r = alignment.solve(g.point.x, g.point.y, SolverChoice::Reference);
            const vomel::Point exact = alignment.pointAt(g.station);
            fastStation = std::max(fastStation, std::fabs(f.station - g.station));
            fastOffset = std::max(fastOffset, std::fabs(f.offset - g.offset));
            fastFoot = std::max(fastFoot, std::hypot(f.footX - exact.x, f.footY - exact.y));
            refStation = std::max(refStation, std::fabs(r.station - g.station));
            refOffset = std::max(refOffset, std::fabs(r.offset - g.offset));
            apartStation = std::max(apartStation, std::fabs(f.station - r.station));
            apartOffset = std::max(apartOffset, std::fabs(f.offset - r.offset));
            residual = std::max(residual,
                                std::fabs(vomel::perpendicularityResidual([&](double s) { return alignment.poseAt(s); },
                                                                          f.station, {g.point.x, g.point.y})));
            if (trace.nearestSample != vomel::nearestSample(alignment.samples, g.point.x, g.point.y)) ++otherSample;
            if (!trace.newtonConverged) ++fallBacks;
        }
    }
    // The nearest sample of the index against the full scan on a larger
    // share of the fast batch (the scan is what makes the reference slow).
    for (std::size_t i = 0; i < sizes.nearestCheckPoints; ++i) {
        const auto& p = w.points[i];
        if (alignment.sampleIndex.nearest(alignment.samples, p.x, p.y) !=
            vomel::nearestSample(alignment.samples, p.x, p.y)) {
            ++otherSample;
        }
    }
    state.counters["nearest_checked"] = static_cast<double>(sizes.nearestCheckPoints + sizes.referencePoints);
    state.counters["fast_station_err"] = fastStation;
    state.counters["fast_offset_err"] = fastOffset;
    state.counters["fast_foot_err"] = fastFoot;
    state.counters["ref_station_err"] = refStation;
    state.counters["ref_offset_err"] = refOffset;
    state.counters["fast_vs_ref_station"] = apartStation;
    state.counters["fast_vs_ref_offset"] = apartOffset;
    state.counters["fast_residual"] = residual;
    state.counters["other_nearest_sample"] = otherSample;
    state.counters["newton_fall_backs"] = fallBacks;
}

void BM_PrecisionMainLine(benchmark::State& s) { precision(s, Kind::MainLine); }
void BM_PrecisionElementChain(benchmark::State& s) { precision(s, Kind::ElementChain); }

// Initialisation of a long main line: reading the intersection-point file,
// the curve elements, the sample table and its index.
void BM_InitialiseMainLine(benchmark::State& state)
{
    const std::string text = vomel::testing::generatedJdFile({sizes.initLength, 3'500'000.0, 500'000.0, 77});
    double length = 0.0;
    for (auto _ : state) {
        const auto alignment = vomel::testing::mainLineFrom(text);
        length = alignment->endStation - alignment->startStation;
        benchmark::DoNotOptimize(alignment.get());
    }
    state.counters["line_m"] = length;
}

void BM_InitialiseElementChain(benchmark::State& state)
{
    const std::string text = vomel::testing::generatedElementFile({sizes.initLength, 3'500'000.0, 500'000.0, 77});
    double length = 0.0;
    for (auto _ : state) {
        const auto alignment = vomel::testing::elementChainFrom(text);
        length = alignment->endStation - alignment->startStation;
        benchmark::DoNotOptimize(alignment.get());
    }
    state.counters["line_m"] = length;
}

void registerAll()
{
    for (auto* bench : {benchmark::RegisterBenchmark("SolveMainLine/reference", BM_SolveMainLineReference),
                        benchmark::RegisterBenchmark("SolveMainLine/fast", BM_SolveMainLineFast),
                        benchmark::RegisterBenchmark("SolveElementChain/reference", BM_SolveElementChainReference),
                        benchmark::RegisterBenchmark("SolveElementChain/fast", BM_SolveElementChainFast)}) {
        bench->ArgName("threads")->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("Precision/MainLine", BM_PrecisionMainLine)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Precision/ElementChain", BM_PrecisionElementChain)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Initialise/MainLine", BM_InitialiseMainLine)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Initialise/ElementChain", BM_InitialiseElementChain)->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv)
{
    // --smoke: small lines and batches, for a quick run in CI.
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--smoke") == 0) {
            sizes = {3'000.0, 3'000.0, 2'000, 200, 500};
        } else {
            args.push_back(argv[i]);
        }
    }
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
