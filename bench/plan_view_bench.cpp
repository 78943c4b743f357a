// The plan view on a generated 50 km main line with 100,000 solved points:
// building the scene, reducing the line and the points to the screen, a
// whole repaint at the fitted view and close in, and the hover search.
// A repaint well under 50 ms keeps zooming and panning smooth.
//
//   vomel_plan_view_bench            50 km, 100,000 points
//   vomel_plan_view_bench --smoke    5 km, 2,000 points (CI)
#include <cstring>
#include <memory>
#include <vector>

#include <QApplication>
#include <benchmark/benchmark.h>

#include "drawing/plan_scene.h"
#include "drawing/plan_viewport.h"
#include "gui/plan_view.h"
#include "testing/bench_lines.h"
#include "testing/generated_lines.h"

namespace {

double lineLength = 50'000.0;
std::size_t pointCount = 100'000;

struct Fixture {
    std::shared_ptr<const vomel::PreparedLine> alignment;
    vomel::drawing::PlanRun run;
    std::shared_ptr<const vomel::drawing::PlanScene> scene;
};

const Fixture& fixture()
{
    static const Fixture made = [] {
        Fixture f;
        vomel::testing::LineShape shape;
        shape.length = lineLength;
        f.alignment = vomel::testing::mainLineFrom(vomel::testing::generatedJdFile(shape));
        const auto points =
            vomel::testing::generatedPoints([&](double s) { return f.alignment->poseAt(s); }, f.alignment->startStation,
                                            f.alignment->endStation, pointCount, 60.0, 3);
        for (const auto& g : points) {
            f.run.points.push_back(g.point);
            f.run.solutions.push_back(f.alignment->solve(g.point.x, g.point.y));
        }
        f.scene =
            std::make_shared<const vomel::drawing::PlanScene>(vomel::drawing::makePlanScene(*f.alignment, &f.run));
        return f;
    }();
    return made;
}

void BM_BuildScene(benchmark::State& state)
{
    const Fixture& f = fixture();
    for (auto _ : state) benchmark::DoNotOptimize(vomel::drawing::makePlanScene(*f.alignment, &f.run));
}

// Zoom 1: the whole line; larger: that much closer, about its middle.
void BM_ReduceToScreen(benchmark::State& state)
{
    const Fixture& f = fixture();
    vomel::drawing::PlanViewport view;
    view.setSize(1200, 800);
    view.fit(f.scene->bounds, 40.0);
    view.zoomAt(view.toScreen(f.scene->line[f.scene->line.size() / 2]), static_cast<double>(state.range(0)));
    const vomel::drawing::PlanLineDetail detail(f.scene->line);
    std::size_t drawn = 0;
    for (auto _ : state) {
        const auto runs = detail.visibleRuns(view);
        const auto points = vomel::drawing::visiblePoints(f.scene->points, view);
        drawn = points.size();
        for (const auto& run : runs) drawn += run.size();
        benchmark::DoNotOptimize(drawn);
    }
    state.counters["drawn"] = static_cast<double>(drawn);
    state.counters["line_points"] = static_cast<double>(f.scene->line.size());
}

void BM_Repaint(benchmark::State& state)
{
    const Fixture& f = fixture();
    vomel::gui::PlanView view;
    view.resize(1200, 800);
    view.setScene(f.scene, true);
    const vomel::drawing::ScreenPoint middle = view.viewport().toScreen(f.scene->line[f.scene->line.size() / 2]);
    view.zoomAt(QPointF(middle.x, middle.y), static_cast<double>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(view.render());
}

void BM_Hover(benchmark::State& state)
{
    const Fixture& f = fixture();
    const vomel::drawing::PlanPointIndex index(f.scene->points);
    vomel::testing::Random random(5);
    for (auto _ : state) {
        const auto& p = f.scene->points[static_cast<std::size_t>(random.uniform(0.0, static_cast<double>(pointCount)))];
        benchmark::DoNotOptimize(index.nearest({p.at.x + 1.0, p.at.y - 1.0}, 10.0));
    }
}

}  // namespace

BENCHMARK(BM_BuildScene)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReduceToScreen)->Arg(1)->Arg(30)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Repaint)->Arg(1)->Arg(30)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Hover)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--smoke") == 0) {
            lineLength = 5'000.0;
            pointCount = 2'000;
        } else {
            args.push_back(argv[i]);
        }
    }
    int count = static_cast<int>(args.size());
    QApplication app(count, args.data());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
