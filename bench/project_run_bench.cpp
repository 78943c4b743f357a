// A whole interchange in one run against its main line alone: a generated
// main line of 22 km (as in vomel_file_run_bench) with 9 ramps of 0.5 to
// 1.5 km leaving its right edge at small angles, held in a project file;
// a coordinate file of many points, nine in ten within 50 m of the main
// line and the rest within 20 m of a ramp. Side by side, alternating over
// --rounds rounds: the file run of every point on the main line alone, and
// the project run that gives each point its own line (one results file
// per line), both end to end from the coordinate file to the results. The
// target: the project run at no less than 80 % of the single-line rate.
// Prints the peak memory too, which must not grow with the points.
//
//   vomel_project_run_bench [--points N] [--threads N] [--rounds R] [--folder DIR]
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <vector>

#include "session/project_run.h"
#include "session/session.h"
#include "testing/generated_lines.h"

namespace {

namespace fs = std::filesystem;
using vomel::testing::formatted;

constexpr double MAIN_LINE_LENGTH = 22'000.0;  // metres
constexpr int RAMPS = 9;
// The project run at least this fraction of the single-line rate.
constexpr double TARGET_RATIO = 0.8;
// Points near the main line, of every ten.
constexpr std::size_t MAIN_LINE_SHARE_OF_TEN = 9;
constexpr double MAIN_LINE_OFFSET = 50.0;  // metres either side, at most
constexpr double RAMP_OFFSET = 20.0;
constexpr std::size_t GENERATE_BATCH = 100'000;

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

// Radians as packed degrees D.MMSS, the element file's azimuth.
std::string packedDegrees(double azimuth)
{
    double degrees = std::fmod(azimuth * 180.0 / std::numbers::pi, 360.0);
    if (degrees < 0) degrees += 360.0;
    const double whole = std::floor(degrees);
    const double minutes = std::floor((degrees - whole) * 60.0);
    const double seconds = ((degrees - whole) * 60.0 - minutes) * 60.0;
    return formatted("%.8f", whole + minutes / 100.0 + seconds / 10'000.0);
}

// A ramp leaving the main line's right edge (10 m out) at `station`, 3°
// off its tangent, turning away on a spiral and an arc, then straight.
std::string rampFile(const vomel::PreparedLine& main, double station, double length)
{
    const vomel::LinePose pose = main.poseAt(station);
    const double edge = -10.0;  // right of the line
    const double x = pose.point.x + edge * std::sin(pose.azimuth);
    const double y = pose.point.y - edge * std::cos(pose.azimuth);
    const double azimuth = pose.azimuth + 3.0 * std::numbers::pi / 180.0;
    std::string text = "0 " + formatted("%.4f %.4f ", x, y) + packedDegrees(azimuth) + "\n";
    text += "9999 9999 40\n9999 400 80\n";
    text += formatted("400 400 %.3f\n", 0.4 * length);
    text += formatted("400 9999 80\n9999 9999 %.3f\n", 0.6 * length - 200.0);
    return text;
}

// The main line, its ramps and the project file in `folder`.
fs::path writeInterchange(const fs::path& folder, fs::path& mainLinePath)
{
    const vomel::testing::LineShape shape{MAIN_LINE_LENGTH, 3'500'000.0, 500'000.0, 2024};
    mainLinePath = folder / "main.jdx";
    writeText(mainLinePath, vomel::testing::generatedJdFile(shape));
    const auto main = vomel::initialiseAlignment(vomel::Method::IntersectionPoint, mainLinePath.string());
    std::string project = "vomel-project 1\nname = bench\n\n[line]\nname = main\njd = main.jdx\n";
    vomel::testing::Random random(7);
    for (int i = 0; i < RAMPS; ++i) {
        const double station = main->startStation + (i + 0.5) * (main->endStation - main->startStation) / RAMPS;
        const std::string name = "ramp" + std::to_string(i + 1);
        writeText(folder / (name + ".ele"), rampFile(*main, station, random.uniform(500.0, 1500.0)));
        project += "\n[line]\nname = " + name + "\nelements = " + name + ".ele\n";
    }
    const fs::path projectPath = folder / "interchange.vomelproj";
    writeText(projectPath, project);
    return projectPath;
}

// The coordinate file, made a batch at a time and kept for reruns.
fs::path writePoints(const fs::path& folder, const vomel::Project& project, std::size_t points)
{
    const fs::path coordinates = folder / ("points-" + std::to_string(points) + ".xy");
    if (fs::exists(coordinates)) return coordinates;
    std::ofstream out(folder / "points.partial", std::ios::binary);
    for (std::size_t done = 0; done < points; done += GENERATE_BATCH) {
        const std::size_t batch = std::min(GENERATE_BATCH, points - done);
        const std::size_t onMain = batch * MAIN_LINE_SHARE_OF_TEN / 10;
        const auto& main = *project.lines.front().line;
        auto generated = vomel::testing::generatedPoints([&](double s) { return main.poseAt(s); }, main.startStation,
                                                         main.endStation, onMain, MAIN_LINE_OFFSET, 1000 + done);
        for (std::size_t k = onMain; k < batch; ++k) {
            const auto& ramp = *project.lines[1 + k % RAMPS].line;
            auto one = vomel::testing::generatedPoints([&](double s) { return ramp.poseAt(s); }, ramp.startStation,
                                                       ramp.endStation, 1, RAMP_OFFSET, 5000 + done + k);
            generated.push_back(one.front());
        }
        for (std::size_t k = 0; k < generated.size(); ++k) generated[k].point.label = "P" + std::to_string(done + k);
        out << vomel::testing::coordinateFileText(generated);
    }
    out.close();
    if (!out) throw std::runtime_error("cannot write the points");
    fs::rename(folder / "points.partial", coordinates);
    return coordinates;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <class Run>
double timed(std::size_t points, Run run)
{
    const auto started = std::chrono::steady_clock::now();
    run();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    return static_cast<double>(points) / seconds;
}

}  // namespace

int main(int argc, char** argv)
{
    std::size_t points = 1'000'000;
    unsigned threads = 1;
    int rounds = 3;
    fs::path folder = fs::temp_directory_path() / "vomel-project-run-bench";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--points" && hasValue) {
            points = std::strtoull(argv[++i], nullptr, 10);
        } else if (arg == "--threads" && hasValue) {
            threads = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
        } else if (arg == "--rounds" && hasValue) {
            rounds = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--folder" && hasValue) {
            folder = argv[++i];
        } else {
            std::fprintf(stderr, "usage: %s [--points N] [--threads N] [--rounds R] [--folder DIR]\n", argv[0]);
            return 2;
        }
    }
    try {
        fs::create_directories(folder / "results");
        fs::path mainLinePath;
        const auto projectPath = writeInterchange(folder, mainLinePath);
        const auto project = vomel::loadProject(projectPath.string());
        const auto coordinates = writePoints(folder, *project, points).string();
        const auto& main = *project->lines.front().line;
        const vomel::RunOptions options{vomel::SolverChoice::Fast, threads};
        std::printf("interchange: main line %.0f m and %d ramps; %zu points, %u thread(s)\n",
                    main.endStation - main.startStation, RAMPS, points, vomel::workerCount(threads));
        const long before = peakMemoryKb();
        std::vector<double> single;
        std::vector<double> whole;
        vomel::ProjectRunCounts counts;
        for (int round = 0; round < rounds; ++round) {
            single.push_back(timed(points, [&] {
                vomel::computeFileRun(main, coordinates, (folder / "single.txt").string(), vomel::HeaderEncoding::Gbk,
                                      {}, options);
            }));
            whole.push_back(timed(points, [&] {
                counts = vomel::computeProjectResultsRun(*project, coordinates, (folder / "results").string(),
                                                         vomel::HeaderEncoding::Gbk, {}, options);
            }));
            std::printf("  round %d: main line alone %.0f points/s, the whole project %.0f points/s\n", round + 1,
                        single.back(), whole.back());
        }
        const double ratio = median(whole) / median(single);
        std::printf("%s\n", vomel::projectCountsText(*project, counts).c_str());
        std::printf("medians of %d round(s): main line alone %.0f points/s, project %.0f points/s: %.0f %% "
                    "(target at least %.0f %%: %s)\n",
                    rounds, median(single), median(whole), 100.0 * ratio, 100.0 * TARGET_RATIO,
                    ratio >= TARGET_RATIO ? "met" : "NOT met");
        std::printf("peak memory %.1f MB (%.1f MB before the runs)\n", static_cast<double>(peakMemoryKb()) / 1024.0,
                    static_cast<double>(before) / 1024.0);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vomel_project_run_bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
