// The main window's computations while a project's line is in use: a typed
// point goes to its own line, which becomes the line in use, and a file
// run writes every point with its line and closes with each line's count.
#include <filesystem>

#include "core/failure.h"
#include "ui/project_pane.h"
#include "ui/project_texts.h"
#include "ui/typed_coordinate.h"
#include "ui/window_messages.h"
#include "ui/workflow.h"

namespace vomel::ui {

void Workflow::computeProjectPoint(const std::string& xText, const std::string& yText)
{
    if (!typedAccepted(xText, yText)) return;
    const std::optional<std::size_t> lineBefore = operations_.projectLineInUse();
    const ProjectPointResult result = operations_.solveProjectPoint(typedNumberText(xText), typedNumberText(yText));
    const ProjectOverview* project = operations_.project();
    if (result.assignment == Assignment::Unassigned || project == nullptr || result.line >= project->lines.size()) {
        state_.station.clear();
        state_.offset.clear();
        state_.answerLine.clear();
        state_.answerPlace = FootPlace::OnLine;
        showStatus(projectText(platform_, POINT_UNASSIGNED));
        return;
    }
    // The point's line is the line in use now: the windows that show the
    // line in use follow it.
    if (operations_.projectLineInUse() != lineBefore) {
        state_.line = projectLineText(*project, result.line, platform_);
        ++state_.lineGeneration;
    }
    const std::string& lineName = project->lines[result.line].name;
    state_.station = result.answer.station;
    state_.offset = result.answer.offset;
    state_.answerPlace = result.answer.place;
    state_.answerLine = fillPlaces(projectText(platform_, ANSWER_LINE), {lineName});
    if (result.ambiguous && result.otherLine < project->lines.size()) {
        showStatus(result.otherLine == result.line
                       ? fillPlaces(projectText(platform_, POINT_AMBIGUOUS_ON_ITS_LINE), {lineName})
                       : fillPlaces(projectText(platform_, POINT_AMBIGUOUS),
                                    {lineName, project->lines[result.otherLine].name}));
        return;
    }
    const char* beyond = placeStatus(result.answer.place);
    showStatus(beyond != nullptr ? text(beyond) : fillPlaces(projectText(platform_, POINT_ON_LINE), {lineName}));
}

void Workflow::computeProjectFile()
{
    const std::string coordinatePath =
        chosenOrCancel(platform_.askOpenFile(PROJECT_COORDINATE_DIALOG), PROJECT_COORDINATE_DIALOG);
    const std::string resultsPath =
        chosenOrCancel(platform_.askSaveFile(PROJECT_RESULTS_DIALOG), PROJECT_RESULTS_DIALOG);
    ProjectRunSummary summary;
    runWithProgress([&](const PointProgress& progress) {
        summary = operations_.solveProjectFile(coordinatePath, resultsPath, progress);
    });
    const ProjectOverview* project = operations_.project();
    if (summary.points() == 0 || project == nullptr) {
        const std::string name = std::filesystem::path(coordinatePath).filename().string();
        const std::string message = fillPlaces(text(NO_POINT_READ), {name});
        showStatus(message);
        platform_.showError({message, {}});
        return;
    }
    showStatus(projectRunStatus(summary, *project, platform_));
}

}  // namespace vomel::ui
