#include "ui/session_operations.h"

#include "core/failure.h"
#include "drawing/plan_scene.h"
#include "drawing/thinned_points.h"
#include "session/session.h"

namespace vomel::ui {

using drawing::makePlanScene;
using drawing::ThinnedPoints;

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
    if (!state_->scene) {
        state_->scene = std::make_shared<const PlanScene>(makePlanScene(*state_->current, state_->lastRun.get()));
    }
    return state_->scene;
}

std::shared_ptr<const PlanRun> SessionOperations::lastRun() const { return state_->lastRun; }

std::shared_ptr<const PreparedLine> SessionOperations::currentLine() const { return state_->current; }

bool SessionOperations::hasLine() const { return state_->current != nullptr; }

}  // namespace vomel::ui
