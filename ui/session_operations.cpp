#include "ui/session_operations.h"

#include <filesystem>

#include "core/failure.h"
#include "drawing/plan_scene.h"
#include "drawing/project_plan_scene.h"
#include "drawing/thinned_points.h"
#include "session/project.h"
#include "session/project_run.h"
#include "session/session.h"
#include "ui/project_paths.h"

namespace vomel::ui {

using drawing::makePlanScene;
using drawing::makeProjectPlanScene;
using drawing::ProjectPlanRun;
using drawing::projectRunOnLine;
using drawing::ThinnedPoints;

namespace fs = std::filesystem;

// The open project: what the pane lists, the line in use, and the points of
// the last project file run.
struct SessionOperations::ProjectState {
    std::shared_ptr<const Project> project;
    ProjectOverview overview;
    // The folder the project's relative paths are read from: the folder of
    // the file it was loaded from, whatever it is saved as later.
    std::string folder;
    std::optional<std::size_t> lineInUse;
    std::shared_ptr<const ProjectPlanRun> run;
};

struct SessionOperations::State {
    std::shared_ptr<const PreparedLine> current;

    // The line being read, until it is built or discarded: a main line
    // waiting for its chain breaks, or a ramp read whole.
    std::shared_ptr<const vomel::MainLine> stagedMainLine;
    std::optional<vomel::ChainBreaks> stagedChainBreaks;
    std::shared_ptr<const DesignLine> stagedRamp;
    // The file the staged line was read from, named by a failure of the line
    // itself (one too long to sample, say).
    std::string stagedPath;

    // The points of the last successful file run on the current line, and
    // the plan scene drawn from both (made when first asked for).
    std::shared_ptr<const PlanRun> lastRun;
    std::shared_ptr<const PlanScene> scene;

    std::optional<ProjectState> project;

    // A project's line is in use.
    bool inProject() const { return project && project->lineInUse; }
    const Project& requireProjectLine() const
    {
        if (!inProject()) throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "no line of a project is in use"));
        return *project->project;
    }

    const PreparedLine& requireCurrent() const
    {
        if (!current) throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "no design line has been initialised"));
        return *current;
    }
};

SessionOperations::SessionOperations() : state_(std::make_unique<State>()) {}

SessionOperations::~SessionOperations() = default;

void SessionOperations::readMainLine(const std::string& jdPath)
{
    discardStagedLine();
    state_->stagedMainLine = loadMainLine(jdPath);
    state_->stagedPath = jdPath;
}

void SessionOperations::readChainBreaks(const std::string& chainBreakPath)
{
    if (!state_->stagedMainLine) throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "no main line has been read"));
    state_->stagedChainBreaks = loadChainBreaks(chainBreakPath, state_->stagedMainLine->endStation());
}

void SessionOperations::readElementChain(const std::string& elementPath)
{
    discardStagedLine();
    // An element file or a LandXML document, told apart by its content.
    state_->stagedRamp = loadElementLine(elementPath);
    state_->stagedPath = elementPath;
}

void SessionOperations::buildStagedLine()
{
    std::shared_ptr<const PreparedLine> built;
    try {
        if (state_->stagedMainLine) {
            built = prepareLine(state_->stagedMainLine, state_->stagedChainBreaks.value_or(vomel::ChainBreaks{}));
        } else if (state_->stagedRamp) {
            built = prepareLine(state_->stagedRamp);
        } else {
            throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "no design line has been read"));
        }
    } catch (Failure& failure) {
        if (!state_->stagedPath.empty()) failure.setFile(state_->stagedPath);
        throw;
    }
    state_->current = std::move(built);
    state_->lastRun.reset();
    state_->scene.reset();
    // A line initialised by hand is none of the project's.
    if (state_->project) state_->project->lineInUse.reset();
    discardStagedLine();
}

void SessionOperations::discardStagedLine()
{
    state_->stagedMainLine.reset();
    state_->stagedChainBreaks.reset();
    state_->stagedRamp.reset();
    state_->stagedPath.clear();
}

TypedPointResult SessionOperations::solveTypedPoint(const std::string& xText, const std::string& yText)
{
    const PreparedLine& alignment = state_->requireCurrent();
    const SinglePointText result = computeSinglePoint(alignment, xText, yText);
    return {result.station, result.offset, result.solution.place};
}

FileRunSummary SessionOperations::solveCoordinateFile(const std::string& coordinatePath, const std::string& resultsPath,
                                                      const PointProgress& progress)
{
    // The run's points and feet are kept for the plan view, as the run
    // produced them, thinned evenly once there are more than the view can
    // show (the results file holds them all); they replace those of the
    // last run only when this one succeeds. Every point is counted against
    // the line's ends.
    const PreparedLine& alignment = state_->requireCurrent();
    ThinnedPoints kept;
    FileRunSummary summary;
    const SolvedChunkCallback keep = [&](const std::vector<SurveyPoint>& points,
                                         const std::vector<Solution>& solutions) {
        kept.add(points, solutions);
        summary.points += static_cast<long>(solutions.size());
        for (const Solution& solution : solutions) {
            if (solution.place == FootPlace::BeforeStart) ++summary.beforeStart;
            if (solution.place == FootPlace::AfterEnd) ++summary.afterEnd;
        }
    };
    try {
        computeFileRun(alignment, coordinatePath, resultsPath, HeaderEncoding::Gbk, progress, {}, keep);
    } catch (const NoPointFailure&) {
        return {};  // nothing was solved or written, and the last run stays
    }
    auto run = std::make_shared<PlanRun>();
    run->points = std::move(kept.points);
    run->solutions = std::move(kept.solutions);
    state_->lastRun = std::move(run);
    state_->scene.reset();
    return summary;
}

std::shared_ptr<const PlanScene> SessionOperations::planScene()
{
    if (!state_->current) return nullptr;
    if (!state_->scene && state_->inProject()) {
        const ProjectState& project = *state_->project;
        state_->scene = std::make_shared<const PlanScene>(
            makeProjectPlanScene(*project.project, *project.lineInUse, project.run.get()));
    }
    if (!state_->scene) {
        state_->scene = std::make_shared<const PlanScene>(makePlanScene(*state_->current, state_->lastRun.get()));
    }
    return state_->scene;
}

std::shared_ptr<const PlanRun> SessionOperations::lastRun() const { return state_->lastRun; }

std::shared_ptr<const PreparedLine> SessionOperations::currentLine() const { return state_->current; }

bool SessionOperations::hasLine() const { return state_->current != nullptr; }

namespace {

ProjectLineRow lineRow(const ProjectLine& line)
{
    const ChainBreaks& breaks = line.line->chainBreaks();
    return {line.name(),
            line.entry.kind,
            stationTextPlain(breaks, line.fromStation.value_or(line.line->startStation)),
            stationTextPlain(breaks, line.toStation.value_or(line.line->endStation)),
            breaks.chainBreakCount,
            line.surface.profile != nullptr};
}

}  // namespace

ProjectOverview SessionOperations::adopt(std::shared_ptr<const Project> project, const std::string& path)
{
    if (project->lines.empty()) throw FormatFailure(VOMEL_TRANSLATE_NOOP("Failure", "the project has no line"));
    ProjectState opened;
    opened.overview.name = project->name;
    opened.overview.path = path;
    for (const ProjectLine& line : project->lines) opened.overview.lines.push_back(lineRow(line));
    opened.folder = fs::path(path).parent_path().string();
    opened.lineInUse = 0;
    opened.project = std::move(project);
    discardStagedLine();
    state_->current = opened.project->lines.front().line;
    state_->project = std::move(opened);
    state_->lastRun.reset();
    state_->scene.reset();
    return state_->project->overview;
}

ProjectOverview SessionOperations::openProject(const std::string& path) { return adopt(loadProject(path), path); }

ProjectOverview SessionOperations::createProject(const ProjectFile& file, const std::string& path)
{
    // Loaded first: a project that does not load is not saved.
    std::shared_ptr<const Project> project = loadProject(file, fs::path(path).parent_path().string(), path);
    saveProjectFile(file, path);
    return adopt(std::move(project), path);
}

void SessionOperations::saveProject(const std::string& path)
{
    if (!state_->project) throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "no project is open"));
    ProjectState& open = *state_->project;
    ProjectFile file{open.project->name, {}};
    for (const ProjectLine& line : open.project->lines) file.lines.push_back(line.entry);
    saveProjectFile(rebasedProjectFile(std::move(file), open.folder, fs::path(path).parent_path().string()), path);
    open.overview.path = path;
}

void SessionOperations::closeProject()
{
    if (state_->inProject()) {
        state_->lastRun.reset();
        state_->scene.reset();
    }
    state_->project.reset();
}

const ProjectOverview* SessionOperations::project() const
{
    return state_->project ? &state_->project->overview : nullptr;
}

std::optional<std::size_t> SessionOperations::projectLineInUse() const
{
    return state_->project ? state_->project->lineInUse : std::nullopt;
}

void SessionOperations::useProjectLine(std::size_t index)
{
    if (!state_->project || index >= state_->project->project->lines.size()) {
        throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "the project has no such line"));
    }
    ProjectState& open = *state_->project;
    discardStagedLine();
    state_->current = open.project->lines[index].line;
    open.lineInUse = index;
    state_->scene.reset();
    state_->lastRun.reset();
    if (open.run) state_->lastRun = std::make_shared<const PlanRun>(projectRunOnLine(*open.run, index));
}

ProjectPointResult SessionOperations::solveProjectPoint(const std::string& xText, const std::string& yText)
{
    // The same answer and texts as vomel-cli point --project.
    const Project& project = state_->requireProjectLine();
    const ProjectPointText shown = computeProjectPoint(project, xText, yText);
    const ProjectSolution& answer = shown.solution;
    ProjectPointResult result;
    result.assignment = answer.assignment;
    if (answer.assignment == Assignment::Unassigned || answer.line >= project.lines.size()) return result;
    result.line = answer.line;
    result.answer = {shown.shown.station, shown.shown.offset, answer.solution.place};
    result.ambiguous = answer.solution.ambiguous;
    result.otherLine = answer.otherLine;
    // The point's line is the line in use from now on.
    if (state_->project->lineInUse != answer.line) useProjectLine(answer.line);
    return result;
}

ProjectRunSummary SessionOperations::solveProjectFile(const std::string& coordinatePath, const std::string& resultsPath,
                                                      const PointProgress& progress)
{
    // As solveCoordinateFile: the points kept for the plan view thinned,
    // and kept only when the run succeeds.
    const Project& project = state_->requireProjectLine();
    ThinnedPoints kept;
    const ProjectSolvedCallback keep = [&kept](const std::vector<SurveyPoint>& points,
                                               const std::vector<ProjectSolution>& solutions) {
        kept.add(points, solutions);
    };
    ProjectRunCounts counts;
    try {
        RunOptions options;
        options.pointsFormat = pointsFormatOfFile(coordinatePath);
        counts = computeProjectCsvRun(project, coordinatePath, resultsPath, progress, options, keep);
    } catch (const NoPointFailure&) {
        return {};  // nothing was solved or written, and the last run stays
    }
    auto run = std::make_shared<ProjectPlanRun>();
    run->points = std::move(kept.points);
    run->solutions = std::move(kept.projectSolutions);
    ProjectState& open = *state_->project;
    open.run = std::move(run);
    state_->scene.reset();
    state_->lastRun = std::make_shared<const PlanRun>(projectRunOnLine(*open.run, *open.lineInUse));
    return {counts.perLine, counts.unassigned, counts.ambiguous};
}

}  // namespace vomel::ui
