// A whole file run, as the program does it: initialise a generated main
// line (22 km, about 40 curves with spirals, at grid coordinates) from its
// file, then solve a generated coordinate file of many points within 50 m
// of it into a results file. Prints the wall time, points per second, the
// CPU time per point (user + system, all threads, and the calling thread's
// share: it reads and writes while the workers parse, solve and format) and
// the peak memory of the process. On a machine shared with other work the
// wall time depends on the load; the CPU time per point is the figure to
// compare between runs.
//
// With several thread counts (--threads 1,2, the default) the runs
// alternate over --rounds rounds, and a summary sets the median rates side
// by side with the Clothoids library's closest-point search (17,500 points/s
// on one core of the machine these targets were set on) and the targets:
// one thread at least 25 times that rate, two threads at least 1.8 times one.
// With --per-core, one thread also runs pinned to each of the first two
// processors: on a virtual machine they need not be equally fast, and two
// threads can do at most what the two of them do together.
//
//   vomel_file_run_bench --points 100000 [--threads 1,2] [--rounds 5]
//                        [--per-core] [--reference] [--folder DIR]
//                        [--chunk N] [--length M] [--offset M]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sched.h>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <vector>

#include "session/session.h"
#include "testing/bench_lines.h"

namespace {

namespace fs = std::filesystem;

// Points generated at a time while writing the coordinate file.
constexpr std::size_t GENERATE_BATCH = 100'000;

// User + system CPU seconds of the process (RUSAGE_SELF) or of the calling
// thread (RUSAGE_THREAD).
double cpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

long peakMemoryKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The Clothoids library's closest-point search on such a line, one core.
constexpr double CLOTHOIDS_POINTS_PER_SECOND = 17'500.0;
// One thread end to end at least this many times that rate.
constexpr double ONE_THREAD_TARGET_FACTOR = 25.0;
// Two threads at least this many times one thread.
constexpr double TWO_THREAD_TARGET_RATIO = 1.8;

// Thread counts from "1,2"; 0 stands for every core.
std::vector<unsigned> threadCounts(const std::string& list)
{
    std::vector<unsigned> counts;
    std::size_t at = 0;
    while (at <= list.size()) {
        const std::size_t comma = std::min(list.find(',', at), list.size());
        counts.push_back(static_cast<unsigned>(std::strtoul(list.substr(at, comma - at).c_str(), nullptr, 10)));
        at = comma + 1;
    }
    return counts;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

const char* verdict(bool met) { return met ? "met" : "NOT met"; }

// Runs `run` with the calling thread pinned to processor `cpu`, then lets
// it run anywhere again; false when the processor cannot be had.
bool onProcessor(int cpu, const std::function<void()>& run)
{
    cpu_set_t before;
    if (sched_getaffinity(0, sizeof before, &before) != 0) return false;
    cpu_set_t only;
    CPU_ZERO(&only);
    CPU_SET(cpu, &only);
    if (sched_setaffinity(0, sizeof only, &only) != 0) return false;
    run();
    sched_setaffinity(0, sizeof before, &before);
    return true;
}

void writeText(const fs::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int main(int argc, char** argv)
{
    std::size_t points = 100'000;
    std::string threadList = "1,2";
    int rounds = 1;
    std::size_t chunk = vomel::DEFAULT_CHUNK_POINTS;
    bool reference = false;
    bool perCore = false;
    double length = 22'000.0;  // metres of line
    double offset = 50.0;  // metres either side, at most
    fs::path folder = fs::temp_directory_path() / "vomel-file-run-bench";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--points" && hasValue) {
            points = std::strtoull(argv[++i], nullptr, 10);
        } else if (arg == "--threads" && hasValue) {
            threadList = argv[++i];
        } else if (arg == "--rounds" && hasValue) {
            rounds = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--chunk" && hasValue) {
            chunk = std::strtoull(argv[++i], nullptr, 10);
        } else if (arg == "--length" && hasValue) {
            length = std::strtod(argv[++i], nullptr);
        } else if (arg == "--offset" && hasValue) {
            offset = std::strtod(argv[++i], nullptr);
        } else if (arg == "--folder" && hasValue) {
            folder = argv[++i];
        } else if (arg == "--per-core") {
            perCore = true;
        } else if (arg == "--reference") {
            reference = true;
        } else {
            std::fprintf(
                stderr,
                "usage: %s [--points N] [--threads N[,N...]] [--rounds R] [--per-core] [--chunk N] [--reference] "
                "[--folder DIR] [--length M] [--offset M]\n",
                argv[0]);
            return 2;
        }
    }

    try {
        fs::create_directories(folder);
        const vomel::testing::LineShape shape{length, 3'500'000.0, 500'000.0, 2024};
        std::string tag = std::to_string(static_cast<long>(length));
        tag += "m-";
        tag += std::to_string(static_cast<long>(offset));
        tag += "m-";
        const fs::path jd = folder / (tag + "line.jdx");
        writeText(jd, vomel::testing::generatedJdFile(shape));
        const auto line = vomel::initialiseAlignment(vomel::Method::IntersectionPoint, jd.string());

        // The coordinate file, made a batch at a time and kept for reruns.
        const fs::path coordinates = folder / (tag + "points-" + std::to_string(points) + ".xy");
        if (!fs::exists(coordinates)) {
            const fs::path partial = folder / "points.partial";
            std::ofstream out(partial, std::ios::binary);
            for (std::size_t done = 0; done < points; done += GENERATE_BATCH) {
                const std::size_t batch = std::min(GENERATE_BATCH, points - done);
                auto generated =
                    vomel::testing::generatedPoints([&](double s) { return line->poseAt(s); }, line->startStation,
                                                    line->endStation, batch, offset, 1000 + done);
                for (auto& g : generated) g.point.label = "P" + std::to_string(done + g.point.line);
                out << vomel::testing::coordinateFileText(generated);
            }
            out.close();
            if (!out) throw std::runtime_error("cannot write " + partial.string());
            fs::rename(partial, coordinates);
        }

        const long before = peakMemoryKb();
        std::map<unsigned, std::vector<double>> rates;  // points/s by worker count
        // One whole file run; returns its points per second.
        const auto fileRun = [&](unsigned threads, const char* where) {
            const double processCpuBefore = cpuSeconds(RUSAGE_SELF);
            const double threadCpuBefore = cpuSeconds(RUSAGE_THREAD);
            const auto started = std::chrono::steady_clock::now();
            vomel::computeFileRun(
                *line, coordinates.string(), (folder / "results.txt").string(), vomel::HeaderEncoding::Gbk, {},
                {reference ? vomel::SolverChoice::Reference : vomel::SolverChoice::Fast, threads, chunk});
            const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
            // Microseconds of CPU a point: 1e6 s / points.
            const double perPoint = 1e6 / static_cast<double>(std::max<std::size_t>(points, 1));
            const double processCpu = (cpuSeconds(RUSAGE_SELF) - processCpuBefore) * perPoint;
            const double threadCpu = (cpuSeconds(RUSAGE_THREAD) - threadCpuBefore) * perPoint;
            const double rate = static_cast<double>(points) / seconds;
            std::printf("line: %.0f m, %d curves; ", line->endStation - line->startStation,
                        static_cast<int>(line->line->intersectionPoints().size()));
            std::printf("file run: %zu points, %s path, %u thread(s)%s: %.3f s, %.0f points/s; "
                        "CPU %.3f us/point (calling thread %.3f us/point); "
                        "peak memory %.1f MB (%.1f MB before the run)\n",
                        points, reference ? "reference" : "fast", vomel::workerCount(threads), where, seconds, rate,
                        processCpu, threadCpu, static_cast<double>(peakMemoryKb()) / 1024.0,
                        static_cast<double>(before) / 1024.0);
            return rate;
        };
        std::vector<double> onCore[2];  // one thread pinned to processor 0 and 1
        for (int round = 0; round < rounds; ++round) {
            for (const unsigned threads : threadCounts(threadList)) {
                rates[vomel::workerCount(threads)].push_back(fileRun(threads, ""));
            }
            for (int cpu = 0; perCore && cpu < 2; ++cpu) {
                const char* where = cpu == 0 ? " on processor 0" : " on processor 1";
                onProcessor(cpu, [&] { onCore[cpu].push_back(fileRun(1, where)); });
            }
        }

        std::printf("\nmedians of %d round(s); the Clothoids library: %.0f points/s on one core\n", rounds,
                    CLOTHOIDS_POINTS_PER_SECOND);
        for (const auto& [workers, measured] : rates) {
            std::printf("  %u thread(s): %.0f points/s, %.1f x the Clothoids library\n", workers, median(measured),
                        median(measured) / CLOTHOIDS_POINTS_PER_SECOND);
        }
        if (!reference && rates.count(1) != 0) {
            const double one = median(rates[1]);
            std::printf("  target: one thread at least %.0f points/s (%.0f x): %s\n",
                        ONE_THREAD_TARGET_FACTOR * CLOTHOIDS_POINTS_PER_SECOND, ONE_THREAD_TARGET_FACTOR,
                        verdict(one >= ONE_THREAD_TARGET_FACTOR * CLOTHOIDS_POINTS_PER_SECOND));
            if (rates.count(2) != 0) {
                const double ratio = median(rates[2]) / one;
                std::printf("  target: two threads at least %.1f x one thread: %.2f x, %s\n", TWO_THREAD_TARGET_RATIO,
                            ratio, verdict(ratio >= TWO_THREAD_TARGET_RATIO));
            }
        }
        if (!onCore[0].empty() && !onCore[1].empty()) {
            const double first = median(onCore[0]);
            const double second = median(onCore[1]);
            std::printf("  one thread on processor 0: %.0f points/s, on processor 1: %.0f points/s; together %.0f "
                        "points/s, %.2f x the faster\n",
                        first, second, first + second, (first + second) / std::max(first, second));
            if (rates.count(2) != 0) {
                std::printf("  two threads reach %.0f %% of what the two processors do together\n",
                            100.0 * median(rates[2]) / (first + second));
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vomel_file_run_bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
