#include "drawing/project_plan_scene.h"

#include <cmath>

#include "core/failure.h"
#include "session/project.h"
#include "text/number_text.h"

namespace vomel::drawing {

namespace {

Point finite(Point p)
{
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
        throw GeometryFailure(
            VOMEL_TRANSLATE_NOOP("Failure", "the plan view cannot draw %1: a coordinate is not finite"),
            worded(VOMEL_TRANSLATE_NOOP("Failure", "a line of the project")));
    }
    return p;
}

PlanProjectLine projectLine(const ProjectLine& line)
{
    PlanProjectLine drawn{line.name(), {}, {}, 0.0};
    const SampleTable& samples = line.line->samples;
    drawn.line.reserve(samples.sampleCount);
    for (std::size_t i = 1; i <= samples.sampleCount; ++i) {
        drawn.line.push_back(finite({samples.sampleX[i], samples.sampleY[i]}));
    }
    const double middle = 0.5 * (line.line->startStation + line.line->endStation);
    const LinePose pose = line.line->poseAt(middle);
    drawn.labelAt = finite(pose.point);
    drawn.labelAzimuth = std::isfinite(pose.azimuth) ? pose.azimuth : 0.0;
    return drawn;
}

PlanPoint projectPoint(const Project& project, const SurveyPoint& point, const ProjectSolution& answer)
{
    const Point at = finite({point.x, point.y});
    if (answer.assignment == Assignment::Unassigned || answer.line >= project.lines.size()) {
        return {point.label, at, at, {}, 0.0, PlanPointGroup::Unassigned, 0, 0};
    }
    const Solution& solution = answer.solution;
    if (!std::isfinite(solution.offset) || !std::isfinite(solution.station)) {
        throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "the plan view cannot draw the point %1: not finite"),
                              point.label);
    }
    const PreparedLine& line = *project.lines[answer.line].line;
    const bool ambiguous = solution.ambiguous && answer.otherLine < project.lines.size();
    return {point.label,
            at,
            finite({solution.footX, solution.footY}),
            stationTextPlain(line.chainBreaks(), solution.station),
            solution.offset,
            ambiguous ? PlanPointGroup::Ambiguous : PlanPointGroup::Line,
            answer.line,
            ambiguous ? answer.otherLine : answer.line};
}

}  // namespace

PlanScene makeProjectPlanScene(const Project& project, std::size_t lineInUse, const ProjectPlanRun* run)
{
    if (lineInUse >= project.lines.size()) {
        throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "no design line has been initialised"));
    }
    PlanScene scene = makePlanScene(*project.lines[lineInUse].line);
    scene.lineInUse = lineInUse;
    for (const ProjectLine& line : project.lines) {
        scene.projectLines.push_back(projectLine(line));
        for (const Point& p : scene.projectLines.back().line) scene.bounds.add(p);
    }
    if (run != nullptr) {
        if (run->points.size() != run->solutions.size()) {
            throw GeometryFailure(
                VOMEL_TRANSLATE_NOOP("Failure", "the plan view was given points and solutions that do not match"));
        }
        scene.points.reserve(run->points.size());
        for (std::size_t i = 0; i < run->points.size(); ++i) {
            scene.points.push_back(projectPoint(project, run->points[i], run->solutions[i]));
            scene.bounds.add(scene.points.back().at);
            scene.bounds.add(scene.points.back().foot);
        }
    }
    return scene;
}

PlanRun projectRunOnLine(const ProjectPlanRun& run, std::size_t line)
{
    PlanRun onLine;
    for (std::size_t i = 0; i < run.points.size() && i < run.solutions.size(); ++i) {
        const ProjectSolution& answer = run.solutions[i];
        if (answer.assignment == Assignment::Unassigned || answer.line != line) continue;
        onLine.points.push_back(run.points[i]);
        onLine.solutions.push_back(answer.solution);
    }
    return onLine;
}

}  // namespace vomel::drawing
