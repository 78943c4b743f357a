#include "ui/session_operations.h"

#include <filesystem>
#include <fstream>

#include "core/failure.h"
#include "drawing/plan_scene.h"
#include "drawing/thinned_points.h"
#include "session/results_csv.h"
#include "session/session.h"

namespace vomel::ui {

using drawing::makePlanScene;
using drawing::ThinnedPoints;

namespace {

// The rule of the CSV results' status column, so that the window and the
// CSV file agree on every point.
LinePlace placeOnLine(const PreparedLine& alignment, const Solution& solution)
{
    if (solution.corner) return LinePlace::Corner;
    const std::string_view status = footStatus(alignment, solution.station);
    if (status == "before-start") return LinePlace::BeforeStart;
    if (status == "after-end") return LinePlace::AfterEnd;
    return LinePlace::OnLine;
}

// Whether the regular file at `path` lists a point: its first line holds
// something other than blanks, tabs and CRs (a blank line ends the list, as
// the run reads it). Reads only up to the first line's end. A file that is
// not regular, or does not open, is left to the run to report.
bool listsNoPoint(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    for (char c = 0; file.get(c);) {
        if (c == '\n') return true;
        if (c != ' ' && c != '\t' && c != '\r') return false;
    }
    return file.eof();
}

}  // namespace

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
    return {result.station, result.offset, placeOnLine(alignment, result.solution)};
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
    // Nothing to solve: no results file is made, and the last run stays.
    if (listsNoPoint(coordinatePath)) return {};
    ThinnedPoints kept;
    FileRunSummary summary;
    const SolvedChunkCallback keep = [&](const std::vector<SurveyPoint>& points,
                                         const std::vector<Solution>& solutions) {
        kept.add(points, solutions);
        summary.points += static_cast<long>(solutions.size());
        for (const Solution& solution : solutions) {
            const LinePlace place = placeOnLine(alignment, solution);
            if (place == LinePlace::BeforeStart) ++summary.beforeStart;
            if (place == LinePlace::AfterEnd) ++summary.afterEnd;
        }
    };
    computeFileRun(alignment, coordinatePath, resultsPath, HeaderEncoding::Gbk, progress, {}, keep);
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
    if (!state_->scene) {
        state_->scene = std::make_shared<const PlanScene>(makePlanScene(*state_->current, state_->lastRun.get()));
    }
    return state_->scene;
}

std::shared_ptr<const PlanRun> SessionOperations::lastRun() const { return state_->lastRun; }

std::shared_ptr<const PreparedLine> SessionOperations::currentLine() const { return state_->current; }

bool SessionOperations::hasLine() const { return state_->current != nullptr; }

}  // namespace vomel::ui
