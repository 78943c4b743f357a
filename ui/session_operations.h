#pragma once
// The main window's operations on the core: it holds the current design
// line and the one being read, and replaces the current line only when a
// new one is complete.

#include <memory>

#include "ui/operations.h"

namespace vomel {
class Project;
}

namespace vomel::ui {

class SessionOperations : public Operations {
public:
    SessionOperations();
    ~SessionOperations() override;
    SessionOperations(const SessionOperations&) = delete;
    SessionOperations& operator=(const SessionOperations&) = delete;

    void readMainLine(const std::string& jdPath) override;
    void readChainBreaks(const std::string& chainBreakPath) override;
    void readElementChain(const std::string& elementPath) override;
    void buildStagedLine() override;
    void discardStagedLine() override;

    TypedPointResult solveTypedPoint(const std::string& xText, const std::string& yText) override;
    FileRunSummary solveCoordinateFile(const std::string& coordinatePath, const std::string& resultsPath,
                                       const PointProgress& progress) override;
    ProjectOverview openProject(const std::string& path) override;
    ProjectOverview createProject(const ProjectFile& file, const std::string& path) override;
    void saveProject(const std::string& path) override;
    void closeProject() override;
    const ProjectOverview* project() const override;
    std::optional<std::size_t> projectLineInUse() const override;
    void useProjectLine(std::size_t index) override;
    ProjectPointResult solveProjectPoint(const std::string& xText, const std::string& yText) override;
    ProjectRunSummary solveProjectFile(const std::string& coordinatePath, const std::string& resultsPath,
                                       const PointProgress& progress) override;

    std::shared_ptr<const PlanScene> planScene() override;
    std::shared_ptr<const PlanRun> lastRun() const override;

    std::shared_ptr<const PreparedLine> currentLine() const override;
    bool hasLine() const;

private:
    struct State;
    struct ProjectState;
    // Makes `project` (saved at `path`) the open one, its first line current.
    ProjectOverview adopt(std::shared_ptr<const Project> project, const std::string& path);
    std::unique_ptr<State> state_;
};

}  // namespace vomel::ui
