// The cost of the design_elevation and dz columns: a CSV file run of
// generated points on a generated 50 km main line, without and with a
// profile (a grade point every 400 m with a vertical curve) and a
// cross-fall (superelevation every kilometre). Target: the run with the
// columns within 10 % of the run without them.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "session/session.h"
#include "testing/bench_lines.h"
#include "text/number_text.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t POINT_COUNT = 100'000;
constexpr double GRADE_POINT_SPACING = 400.0;  // metres
constexpr double CURVE_RADIUS = 3000.0;  // metres, room for every curve at grades within ±4 %
constexpr double MAX_OFFSET = 30.0;  // metres

struct Fixture {
    std::shared_ptr<const vomel::PreparedLine> line;
    vomel::DesignSurface surface;
    fs::path folder;
    std::string points;

    Fixture()
    {
        line = vomel::testing::mainLineFrom(vomel::testing::generatedJdFile({}));
        folder = fs::temp_directory_path() / "vomel-design-csv-bench";
        fs::create_directories(folder);
        points = (folder / "points.xy").string();
        const auto generated =
            vomel::testing::generatedPoints([this](double s) { return line->poseAt(s); }, line->startStation,
                                            line->endStation, POINT_COUNT, MAX_OFFSET, 7);
        std::ofstream out(points, std::ios::binary);
        for (const auto& g : generated) {
            out << g.point.label << ' ' << vomel::formatGeneral(g.point.x) << ' ' << vomel::formatGeneral(g.point.y)
                << ' ' << vomel::formatGeneral(g.point.elevation) << "\r\n";
        }

        std::vector<vomel::GradePoint> grades;
        std::vector<vomel::CrossFallRow> crossFall;
        int k = 0;
        for (double s = line->startStation; s < line->endStation + GRADE_POINT_SPACING; s += GRADE_POINT_SPACING, ++k) {
            grades.push_back({s, 150.0 + (k % 2 == 0 ? 0.0 : 12.0), CURVE_RADIUS, 0});
            crossFall.push_back({s, k % 5 == 0 ? 4.0 : -2.0, k % 5 == 0 ? -4.0 : -2.0, 0});
        }
        grades.front().radius = grades.back().radius = 0;
        surface.profile = std::make_shared<const vomel::VerticalProfile>(grades);
        surface.crossFall = std::make_shared<const vomel::CrossFall>(crossFall);
    }
    ~Fixture() { fs::remove_all(folder); }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void csvRun(benchmark::State& state, bool withElevation)
{
    Fixture& f = fixture();
    vomel::RunOptions options;
    options.threads = 1;
    const vomel::CsvColumns columns{withElevation ? &f.surface : nullptr, false};
    const std::string results = (f.folder / "results.csv").string();
    for (auto _ : state) vomel::computeCsvRun(*f.line, columns, f.points, results, {}, options);
    state.counters["points/s"] = benchmark::Counter(
        static_cast<double>(POINT_COUNT) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_CsvRunWithoutElevation(benchmark::State& state) { csvRun(state, false); }
void BM_CsvRunWithElevation(benchmark::State& state) { csvRun(state, true); }

BENCHMARK(BM_CsvRunWithoutElevation)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CsvRunWithElevation)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
