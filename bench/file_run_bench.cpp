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
//   vomel_file_run_bench --points 10000000 [--threads N] [--reference]
//                        [--folder DIR] [--chunk N] [--length M] [--offset M]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <sys/resource.h>

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

void writeText(const fs::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int main(int argc, char** argv)
{
    std::size_t points = 1'000'000;
    unsigned threads = 0;
    std::size_t chunk = vomel::DEFAULT_CHUNK_POINTS;
    bool reference = false;
    double length = 22'000.0;  // metres of line
    double offset = 50.0;  // metres either side, at most
    fs::path folder = fs::temp_directory_path() / "vomel-file-run-bench";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--points" && hasValue) {
            points = std::strtoull(argv[++i], nullptr, 10);
        } else if (arg == "--threads" && hasValue) {
            threads = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
        } else if (arg == "--chunk" && hasValue) {
            chunk = std::strtoull(argv[++i], nullptr, 10);
        } else if (arg == "--length" && hasValue) {
            length = std::strtod(argv[++i], nullptr);
        } else if (arg == "--offset" && hasValue) {
            offset = std::strtod(argv[++i], nullptr);
        } else if (arg == "--folder" && hasValue) {
            folder = argv[++i];
        } else if (arg == "--reference") {
            reference = true;
        } else {
            std::fprintf(stderr,
                         "usage: %s [--points N] [--threads N] [--chunk N] [--reference] [--folder DIR] [--length M] "
                         "[--offset M]\n",
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
        const double processCpuBefore = cpuSeconds(RUSAGE_SELF);
        const double threadCpuBefore = cpuSeconds(RUSAGE_THREAD);
        const auto started = std::chrono::steady_clock::now();
        vomel::computeFileRun(*line, coordinates.string(), (folder / "results.txt").string(),
                              vomel::HeaderEncoding::Gbk, {},
                              {reference ? vomel::SolverChoice::Reference : vomel::SolverChoice::Fast, threads, chunk});
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        // Microseconds of CPU a point: 1e6 s / points.
        const double perPoint = 1e6 / static_cast<double>(std::max<std::size_t>(points, 1));
        const double processCpu = (cpuSeconds(RUSAGE_SELF) - processCpuBefore) * perPoint;
        const double threadCpu = (cpuSeconds(RUSAGE_THREAD) - threadCpuBefore) * perPoint;
        std::printf("line: %.0f m, %d curves; ", line->endStation - line->startStation,
                    static_cast<int>(line->line->intersectionPoints().size()));
        std::printf("file run: %zu points, %s path, %u thread(s): %.2f s, %.0f points/s; "
                    "CPU %.3f us/point (calling thread %.3f us/point); "
                    "peak memory %.1f MB (%.1f MB before the run)\n",
                    points, reference ? "reference" : "fast", vomel::workerCount(threads), seconds,
                    static_cast<double>(points) / seconds, processCpu, threadCpu,
                    static_cast<double>(peakMemoryKb()) / 1024.0, static_cast<double>(before) / 1024.0);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vomel_file_run_bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
