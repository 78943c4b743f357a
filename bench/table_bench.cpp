// The station coordinate table of a generated 22 km main line: 10,000 rows
// (a row every 2.2 m) with two offsets and a profile, built and written as
// CSV. Target: under 0.1 s.
//   vomel_table_bench --smoke     a 3 km line, for a quick run in CI
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "formats/station_table_writers.h"
#include "session/station_table.h"
#include "testing/bench_lines.h"

namespace {

constexpr std::size_t ROW_COUNT = 10'000;
constexpr double GRADE_POINT_SPACING = 400.0;  // metres
constexpr double CURVE_RADIUS = 3000.0;  // metres

double lineLength = 22'000.0;  // metres; --smoke makes it shorter

struct Fixture {
    std::shared_ptr<const vomel::PreparedLine> line;
    vomel::DesignSurface surface;
    vomel::StationTableOptions options;

    Fixture()
    {
        vomel::testing::LineShape shape;
        shape.length = lineLength;
        line = vomel::testing::mainLineFrom(vomel::testing::generatedJdFile(shape));
        std::vector<vomel::GradePoint> grades;
        int k = 0;
        for (double s = line->startStation; s < line->endStation + GRADE_POINT_SPACING; s += GRADE_POINT_SPACING, ++k) {
            grades.push_back({s, 150.0 + (k % 2 == 0 ? 0.0 : 12.0), CURVE_RADIUS, 0});
        }
        grades.front().radius = grades.back().radius = 0;
        surface.profile = std::make_shared<const vomel::VerticalProfile>(grades);
        options.stations.interval = (line->endStation - line->startStation) / static_cast<double>(ROW_COUNT);
        options.offsets = {-3.75, 3.75};
        options.design = &surface;
    }
};

void BM_StationTableCsv(benchmark::State& state)
{
    static const Fixture f;
    std::size_t rows = 0;
    for (auto _ : state) {
        const vomel::StationTable table = vomel::stationTable(*f.line, f.options);
        const std::string text = vomel::stationTableCsv(table, {});
        benchmark::DoNotOptimize(text.data());
        rows = table.rows.size();
    }
    state.counters["rows"] = static_cast<double>(rows);
}

BENCHMARK(BM_StationTableCsv)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--smoke") == 0) {
            lineLength = 3'000.0;
        } else {
            args.push_back(argv[i]);
        }
    }
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
