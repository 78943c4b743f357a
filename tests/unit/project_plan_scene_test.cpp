// The plan scene of a project: every line of the example interchange with
// its name, the line in use drawn in full, and each point of a run in the
// group of its line (unassigned and ambiguous apart), its foot and station
// on that line.
#include <cmath>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "core/failure.h"
#include "drawing/project_plan_scene.h"
#include "session/project.h"
#include "session/session.h"

namespace {

using vomel::Assignment;
using vomel::Point;
using vomel::ProjectSolution;
using vomel::drawing::PlanPointGroup;
using vomel::drawing::ProjectPlanRun;

const std::string kInterchange = std::string(VOMEL_EXAMPLES_DIR) + "/interchange/";

// The interchange's points, each solved in the project.
ProjectPlanRun solvedRun(const vomel::Project& project)
{
    std::ifstream in(kInterchange + "points.dat", std::ios::binary);
    ProjectPlanRun run;
    run.points = vomel::readCoordinateFile(in, vomel::MAX_POINTS, vomel::PointsFormat::Cass);
    for (const vomel::SurveyPoint& point : run.points) run.solutions.push_back(project.solve(point));
    return run;
}

double nearestDistance(const std::vector<Point>& line, Point p)
{
    double nearest = INFINITY;
    for (const Point& q : line) nearest = std::min(nearest, std::hypot(q.x - p.x, q.y - p.y));
    return nearest;
}

class ProjectPlanScene : public ::testing::Test {
protected:
    static void SetUpTestSuite() { project_ = vomel::loadProject(kInterchange + "interchange.vomelproj"); }
    static std::shared_ptr<const vomel::Project> project_;
};

std::shared_ptr<const vomel::Project> ProjectPlanScene::project_;

TEST_F(ProjectPlanScene, DrawsEveryLineWithItsName)
{
    const vomel::Project& project = *project_;
    for (std::size_t inUse = 0; inUse < project.lines.size(); ++inUse) {
        const auto scene = vomel::drawing::makeProjectPlanScene(project, inUse);
        ASSERT_EQ(scene.projectLines.size(), project.lines.size());
        EXPECT_EQ(scene.lineInUse, inUse);
        for (std::size_t k = 0; k < project.lines.size(); ++k) {
            const auto& drawn = scene.projectLines[k];
            EXPECT_EQ(drawn.name, project.lines[k].name());
            EXPECT_EQ(drawn.line.size(), project.lines[k].line->samples.sampleCount);
            // The name stands on its own line, a sample apart at most.
            EXPECT_LE(nearestDistance(drawn.line, drawn.labelAt), 1.0) << drawn.name;
            for (const Point& p : drawn.line) {
                ASSERT_TRUE(p.x >= scene.bounds.minX && p.x <= scene.bounds.maxX && p.y >= scene.bounds.minY &&
                            p.y <= scene.bounds.maxY)
                    << drawn.name;
            }
        }
        // The line in use is the one drawn in full, with its marks.
        ASSERT_EQ(scene.line.size(), scene.projectLines[inUse].line.size());
        EXPECT_EQ(scene.line.back().x, scene.projectLines[inUse].line.back().x);
        EXPECT_EQ(scene.line.back().y, scene.projectLines[inUse].line.back().y);
        EXPECT_FALSE(scene.keyPoints.empty());
    }
}

TEST_F(ProjectPlanScene, ColoursPointsByTheirLine)
{
    const vomel::Project& project = *project_;
    ProjectPlanRun run = solvedRun(project);
    ASSERT_EQ(run.points.size(), 375u);
    // One point as near to a second line, as a gore may give.
    run.points.push_back(run.points.front());
    run.solutions.push_back(run.solutions.front());
    run.solutions.back().solution.ambiguous = true;
    run.solutions.back().otherLine = 1;

    const auto scene = vomel::drawing::makeProjectPlanScene(project, 0, &run);
    ASSERT_EQ(scene.points.size(), run.points.size());
    std::size_t unassigned = 0;
    std::size_t ambiguous = 0;
    std::vector<std::size_t> perLine(project.lines.size(), 0);
    for (std::size_t i = 0; i < run.points.size(); ++i) {
        const auto& drawn = scene.points[i];
        const ProjectSolution& answer = run.solutions[i];
        EXPECT_EQ(drawn.label, run.points[i].label);
        if (answer.assignment == Assignment::Unassigned) {
            ++unassigned;
            EXPECT_EQ(drawn.group, PlanPointGroup::Unassigned) << drawn.label;
            EXPECT_TRUE(drawn.station.empty());
            EXPECT_EQ(drawn.foot.x, drawn.at.x);
            continue;
        }
        ++perLine[answer.line];
        EXPECT_EQ(drawn.line, answer.line) << drawn.label;
        EXPECT_EQ(drawn.foot.x, answer.solution.footX);
        EXPECT_EQ(drawn.offset, answer.solution.offset);
        // The station as that line states it, with its chain letter.
        const vomel::PreparedLine& line = *project.lines[answer.line].line;
        EXPECT_EQ(drawn.station, vomel::stationTextPlain(line.chainBreaks(), answer.solution.station));
        if (answer.solution.ambiguous) {
            ++ambiguous;
            EXPECT_EQ(drawn.group, PlanPointGroup::Ambiguous) << drawn.label;
            EXPECT_EQ(drawn.otherLine, answer.otherLine);
        } else {
            EXPECT_EQ(drawn.group, PlanPointGroup::Line) << drawn.label;
        }
    }
    EXPECT_GT(unassigned, 0u);
    EXPECT_GT(ambiguous, 0u);
    for (std::size_t k = 0; k < perLine.size(); ++k) {
        EXPECT_GT(perLine[k], 0u) << project.lines[k].name();
        // The windows of the line in use are given that line's points.
        EXPECT_EQ(vomel::drawing::projectRunOnLine(run, k).points.size(), perLine[k]);
    }
}

TEST_F(ProjectPlanScene, RefusesWhatItCannotDraw)
{
    const vomel::Project& project = *project_;
    EXPECT_THROW(vomel::drawing::makeProjectPlanScene(project, project.lines.size()), vomel::GeometryFailure);
    ProjectPlanRun mismatched;
    mismatched.points.resize(2);
    mismatched.solutions.resize(1);
    EXPECT_THROW(vomel::drawing::makeProjectPlanScene(project, 0, &mismatched), vomel::GeometryFailure);
    ProjectPlanRun notFinite;
    notFinite.points.resize(1);
    notFinite.points[0].x = NAN;
    notFinite.solutions.resize(1);
    EXPECT_THROW(vomel::drawing::makeProjectPlanScene(project, 0, &notFinite), vomel::GeometryFailure);
}

}  // namespace
