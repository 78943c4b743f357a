#pragma once
// What the plan view draws of a project: every line with its name, the line
// in use in full (marks, intersection points, station ticks), and the
// points of the last project file run, each in the colour of its line, the
// unassigned and the ambiguous ones marked apart.

#include <cstddef>
#include <vector>

#include "drawing/plan_scene.h"
#include "session/project_solution.h"

namespace vomel {
class Project;
}

namespace vomel::drawing {

// The points of a project file run with their lines' answers.
struct ProjectPlanRun {
    std::vector<SurveyPoint> points;
    std::vector<ProjectSolution> solutions;
};

// The scene of `project` with its line `lineInUse` in use and, when given,
// a run over it. A value that is not finite is a GeometryFailure.
PlanScene makeProjectPlanScene(const Project& project, std::size_t lineInUse, const ProjectPlanRun* run = nullptr);

// The points of `run` on the project's line `line`, for the windows of the
// line in use (the profile's surveyed points).
PlanRun projectRunOnLine(const ProjectPlanRun& run, std::size_t line);

}  // namespace vomel::drawing
