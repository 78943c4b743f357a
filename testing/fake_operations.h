#pragma once
// A stand-in for the core's operations: records what the window asked for
// and fails where a test tells it to.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/failure.h"
#include "ui/operations.h"

namespace vomel::testing {

using ui::FileRunSummary;
using ui::Operations;
using ui::PointProgress;
using ui::ProjectLineRow;
using ui::ProjectOverview;
using ui::ProjectPointResult;
using ui::ProjectRunSummary;
using ui::TypedPointResult;

class FakeOperations : public Operations {
public:
    // The step that fails, by name ("readMainLine", ...), and how.
    std::string failingStep;
    bool failWithCancel = false;
    long pointCount = 3;  // points of the coordinate file
    long failAtPoint = 0;  // 0: no point fails
    std::vector<std::string> calls;
    int lines = 0;  // design lines made current
    bool staged = false;
    FootPlace typedPlace = FootPlace::OnLine;  // where every typed point lies
    long beforeStart = 0;  // file-run points before the start
    long afterEnd = 0;  // and after the end
    std::function<void(long i)> beforePoint;  // called before each file-run point

    // The project: what openProject opens, where each typed point goes, the
    // counts of a project file run; the project open and its line in use.
    ProjectOverview projectToOpen;
    ProjectPointResult projectPoint;
    ProjectRunSummary projectRun;
    std::optional<ProjectOverview> openProjectState;
    std::optional<std::size_t> lineInUse;
    ProjectFile createdFile;  // as createProject was given it

    void readMainLine(const std::string& path) override
    {
        step("readMainLine", path);
        staged = true;
    }
    void readChainBreaks(const std::string& path) override { step("readChainBreaks", path); }
    void readElementChain(const std::string& path) override
    {
        step("readElementChain", path);
        staged = true;
    }
    void buildStagedLine() override
    {
        step("buildStagedLine", "");
        ++lines;
        staged = false;
        lineInUse.reset();
    }
    void discardStagedLine() override
    {
        calls.emplace_back("discardStagedLine");
        staged = false;
    }
    TypedPointResult solveTypedPoint(const std::string& x, const std::string& y) override
    {
        step("solveTypedPoint", x + "," + y);
        return {"B" + x, y + ".000", typedPlace};
    }
    FileRunSummary solveCoordinateFile(const std::string& coordinates, const std::string& results,
                                       const PointProgress& progress) override
    {
        step("solveCoordinateFile", coordinates + ">" + results);
        for (long i = 1; i <= pointCount; ++i) {
            if (beforePoint) beforePoint(i);
            if (progress) progress(i, pointCount);
            if (i == failAtPoint) throw GeometryFailure(Wording("point " + std::to_string(i) + " has no foot"), i);
        }
        return {pointCount, beforeStart, afterEnd};
    }

    ProjectOverview openProject(const std::string& path) override
    {
        step("openProject", path);
        return madeCurrent(projectToOpen, path);
    }
    ProjectOverview createProject(const ProjectFile& file, const std::string& path) override
    {
        step("createProject", path);
        createdFile = file;
        ProjectOverview project{file.name, path, {}};
        for (const ProjectLineEntry& line : file.lines)
            project.lines.push_back({line.name, line.kind, "0", "1", 0, false});
        return madeCurrent(project, path);
    }
    void saveProject(const std::string& path) override { step("saveProject", path); }
    void closeProject() override
    {
        step("closeProject", "");
        openProjectState.reset();
        lineInUse.reset();
    }
    const ProjectOverview* project() const override { return openProjectState ? &*openProjectState : nullptr; }
    std::optional<std::size_t> projectLineInUse() const override { return lineInUse; }
    void useProjectLine(std::size_t index) override
    {
        step("useProjectLine", std::to_string(index));
        lineInUse = index;
        ++lines;
    }
    ProjectPointResult solveProjectPoint(const std::string& x, const std::string& y) override
    {
        step("solveProjectPoint", x + "," + y);
        if (projectPoint.assignment != Assignment::Unassigned && lineInUse != projectPoint.line) {
            lineInUse = projectPoint.line;
            ++lines;
        }
        return projectPoint;
    }
    ProjectRunSummary solveProjectFile(const std::string& coordinates, const std::string& results,
                                       const PointProgress& progress) override
    {
        step("solveProjectFile", coordinates + ">" + results);
        const long count = projectRun.points();
        for (long i = 1; i <= count; ++i) {
            if (progress) progress(i, count);
        }
        return projectRun;
    }

private:
    ProjectOverview madeCurrent(ProjectOverview project, const std::string& path)
    {
        project.path = path;
        openProjectState = project;
        lineInUse = 0;
        ++lines;
        return project;
    }

    void step(const std::string& name, const std::string& argument)
    {
        calls.push_back(argument.empty() ? name : name + " " + argument);
        if (name != failingStep) return;
        if (failWithCancel) throw CancelledFailure(Wording("cancelled in " + name));
        throw FormatFailure(Wording("bad field in " + name), 7);
    }
};

}  // namespace vomel::testing
