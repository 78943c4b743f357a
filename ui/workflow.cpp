#include "ui/workflow.h"

#include <exception>
#include <filesystem>
#include <optional>
#include <utility>
#include <variant>

#include "core/failure.h"
#include "session/run_messages.h"
#include "session/session.h"
#include "ui/failure_text.h"
#include "ui/translation_contexts.h"
#include "ui/typed_coordinate.h"
#include "ui/window_messages.h"
#include "ui/window_texts.h"

namespace vomel::ui {

namespace {

// Marks the workflow busy for the length of one operation.
class BusyScope {
public:
    explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
    ~BusyScope() { busy_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& busy_;
};

// The name of a file without its folder, byte for byte.
std::string fileName(const std::string& path) { return std::filesystem::path(path).filename().string(); }

// Marks a file run under way for its length.
class RunningScope {
public:
    explicit RunningScope(WindowState& state) : state_(state) { state_.running = true; }
    ~RunningScope() { state_.running = false; }
    RunningScope(const RunningScope&) = delete;
    RunningScope& operator=(const RunningScope&) = delete;

private:
    WindowState& state_;
};

}  // namespace

std::string Workflow::chosenOrCancel(const std::optional<std::string>& path, const FileDialogSpec& dialog) const
{
    if (!path) throw CancelledFailure(Wording(fillPlaces(text(NO_FILE_CHOSEN), {text(dialog.title)})));
    return *path;
}

std::string Workflow::text(const char* source) const { return platform_.translate(WINDOW_CONTEXT, source); }

Workflow::Workflow(Platform& platform, Operations& operations,
                   std::function<ProgressThrottle::Clock::time_point()> clock)
    : platform_(platform), operations_(operations), clock_(std::move(clock))
{
    state_.status = text(STATUS_START);
    state_.line = text(LINE_NONE);
}

void Workflow::selectMethod(Method method)
{
    method_ = method;
    state_.method = method;
}

void Workflow::setStateListener(std::function<void(const WindowState&)> listener)
{
    listener_ = std::move(listener);
    notify();
}

void Workflow::selectSingleCoordinate()
{
    mode_ = InputMode::SingleCoordinate;
    if (!initialised_) return;
    state_.boxesEnabled = true;
    state_.status = text(STATUS_SINGLE_READY);
    notify();
}

void Workflow::selectCoordinateFile()
{
    mode_ = InputMode::CoordinateFile;
    state_.boxesEnabled = false;
    if (initialised_) state_.status = text(STATUS_FILE_READY);
    notify();
}

void Workflow::initialise()
{
    if (busy_) return;
    const BusyScope busy(busy_);
    const std::string statusBefore = state_.status;
    // A failed or cancelled initialisation leaves the line in use, and the
    // method the user chose stays chosen, so that the next initialisation
    // reads the kind of file meant; the status line names the line still
    // in use.
    const auto keepLine = [this, &statusBefore] {
        operations_.discardStagedLine();
        showStatus(initialised_ ? fillPlaces(text(STATUS_INIT_KEPT_LINE), {state_.line}) : statusBefore);
    };
    try {
        initialiseSteps();
    } catch (const CancelledFailure& failure) {
        keepLine();
        platform_.showError(failureMessage(MSG_READ_CANCELLED, failure, platform_));
        return;
    } catch (const std::exception& failure) {
        keepLine();
        platform_.showError(failureMessage(MSG_INIT_FORMAT, failure, platform_));
        return;
    }
    state_.method = method_;
    state_.line = stagedLine_;
    initialisedFiles_ = stagedFiles_;
    makeReady();
    showImportNotes();
    notify();
}

void Workflow::lineMadeCurrent(const std::string& lineText)
{
    state_.line = lineText;
    initialisedFiles_.reset();
    makeReady();
    showImportNotes();
    notify();
}

// A new line is in use: the answers shown belong to the line before.
void Workflow::makeReady()
{
    initialised_ = true;
    ++state_.lineGeneration;
    state_.station.clear();
    state_.offset.clear();
    state_.answerLine.clear();
    state_.answerPlace = FootPlace::OnLine;
    state_.refusedField = TypedField::None;
    state_.computeEnabled = true;
    if (mode_ == InputMode::SingleCoordinate) {
        state_.boxesEnabled = true;
        state_.status = text(STATUS_SINGLE_READY);
    } else {
        state_.status = text(STATUS_FILE_READY);
    }
}

void Workflow::showImportNotes()
{
    const auto line = operations_.currentLine();
    if (!line || line->line->importNotes().empty()) return;
    std::string notes;
    for (const Wording& note : line->line->importNotes()) {
        if (!notes.empty()) notes += text(IMPORT_NOTES_SEPARATOR);
        notes += note.translated(
            [this](const char* context, const char* source) { return platform_.translate(context, source); });
    }
    state_.status = fillPlaces(text(IMPORT_NOTES_TEMPLATE), {state_.status, notes});
}

void Workflow::initialiseSteps()
{
    const FileDialogSpec& alignmentDialog = method_ == Method::IntersectionPoint ? ALIGNMENT_DIALOG : ELEMENT_DIALOG;
    const std::string alignmentPath = chosenOrCancel(platform_.askOpenFile(alignmentDialog), alignmentDialog);
    stagedFiles_ = {method_, alignmentPath, {}};
    if (method_ == Method::IntersectionPoint) {
        operations_.readMainLine(alignmentPath);
        const std::optional<bool> hasChainBreaks =
            platform_.askYesNo(text(CHAIN_BREAK_DIALOG.title), text(ASK_CHAIN_BREAKS));
        if (!hasChainBreaks)
            throw CancelledFailure(Wording(fillPlaces(text(NO_FILE_CHOSEN), {text(CHAIN_BREAK_DIALOG.title)})));
        std::string chainBreakName = text(LINE_NO_CHAIN_BREAKS);
        if (*hasChainBreaks) {
            const std::string chainBreakPath =
                chosenOrCancel(platform_.askOpenFile(CHAIN_BREAK_DIALOG), CHAIN_BREAK_DIALOG);
            operations_.readChainBreaks(chainBreakPath);
            stagedFiles_.chainBreakFile = chainBreakPath;
            chainBreakName = fileName(chainBreakPath);
        }
        stagedLine_ = text(LINE_PREFIX) + text(MAIN_LINE_OPTION_CAPTION) + text(LINE_JD_FILE) +
                      fileName(alignmentPath) + text(LINE_CHAIN_BREAK_FILE) + chainBreakName;
    } else {
        operations_.readElementChain(alignmentPath);
        stagedLine_ = text(LINE_PREFIX) + text(RAMP_OPTION_CAPTION) + text(LINE_ELEMENT_FILE) + fileName(alignmentPath);
    }
    showStatus(text(STATUS_INITIALISING));
    operations_.buildStagedLine();
}

void Workflow::compute(const std::string& xText, const std::string& yText)
{
    if (busy_ || !initialised_) return;
    const BusyScope busy(busy_);
    // While a project's line is in use, every point goes to its own line.
    const bool inProject = operations_.projectLineInUse().has_value();
    try {
        if (mode_ == InputMode::SingleCoordinate) {
            inProject ? computeProjectPoint(xText, yText) : computeSingle(xText, yText);
        } else {
            inProject ? computeProjectFile() : computeFile();
        }
    } catch (const CancelledFailure& failure) {
        if (cancelRequested_) {
            // Asked for with the cancel button: nothing was written, which
            // the status line says.
            showStatus(text(STATUS_RUN_CANCELLED));
            return;
        }
        notify();  // the status line shows where the run stopped
        platform_.showError(failureMessage(MSG_READ_CANCELLED, failure, platform_));
    } catch (const std::exception& failure) {
        notify();
        platform_.showError(failureMessage(MSG_COMPUTE_FORMAT, failure, platform_));
    }
}

bool Workflow::typedAccepted(const std::string& xText, const std::string& yText)
{
    const auto x = readTypedCoordinate(xText, text(X_FIELD_NAME), platform_);
    if (const auto* problem = std::get_if<TypedProblem>(&x)) {
        refuseTyped(TypedField::X, problem->message);
        return false;
    }
    const auto y = readTypedCoordinate(yText, text(Y_FIELD_NAME), platform_);
    if (const auto* problem = std::get_if<TypedProblem>(&y)) {
        refuseTyped(TypedField::Y, problem->message);
        return false;
    }
    state_.refusedField = TypedField::None;
    return true;
}

void Workflow::computeSingle(const std::string& xText, const std::string& yText)
{
    if (!typedAccepted(xText, yText)) return;
    const TypedPointResult result = operations_.solveTypedPoint(typedNumberText(xText), typedNumberText(yText));
    state_.station = result.station;
    state_.offset = result.offset;
    state_.answerPlace = result.place;
    state_.answerLine.clear();
    const char* beyond = placeStatus(result.place);
    showStatus(text(beyond != nullptr ? beyond : STATUS_FINISHED));
}

void Workflow::refuseTyped(TypedField field, const std::string& message)
{
    // Nothing is computed, and no answer of other coordinates stays beside
    // the typed ones.
    state_.station.clear();
    state_.offset.clear();
    state_.answerLine.clear();
    state_.answerPlace = FootPlace::OnLine;
    state_.refusedField = field;
    showStatus(message);
    platform_.showError({message, {}});
}

void Workflow::computeFile()
{
    const std::string coordinatePath = chosenOrCancel(platform_.askOpenFile(COORDINATE_DIALOG), COORDINATE_DIALOG);
    // Asked before any point is solved, so that a cancel costs nothing.
    const std::string resultsPath = chosenOrCancel(platform_.askSaveFile(RESULTS_DIALOG), RESULTS_DIALOG);

    FileRunSummary summary;
    runWithProgress([&](const PointProgress& progress) {
        summary = operations_.solveCoordinateFile(coordinatePath, resultsPath, progress);
    });
    if (summary.points == 0) {
        const std::string message = fillPlaces(text(NO_POINT_READ), {fileName(coordinatePath)});
        showStatus(message);
        platform_.showError({message, {}});
    } else if (summary.beforeStart + summary.afterEnd > 0) {
        showStatus(fileRunEndsStatus(summary.points, summary.beforeStart, summary.afterEnd,
                                     text(FILE_RUN_ENDS_TEMPLATE).c_str()));
    } else {
        showStatus(fillPlaces(text(FILE_RUN_COUNT_TEMPLATE), {std::to_string(summary.points)}));
    }
}

void Workflow::runWithProgress(const std::function<void(const PointProgress& progress)>& run)
{
    cancelRequested_ = false;
    progressDone_ = 0;
    progressTotal_ = 0;
    const RunningScope running(state_);
    notify();

    // The run reports to atomics from whichever thread it works on; the
    // window's thread shows them.
    ProgressThrottle throttle(clock_);
    const std::string cancelledReason = text(RUN_CANCELLED_REASON);
    const std::string progressTemplate = text(PROGRESS_TEMPLATE);
    const auto work = [&](const Platform::ProgressReport& reported) {
        run([&](long i, long count) {
            if (cancelRequested_) throw CancelledFailure(Wording(cancelledReason));
            progressDone_ = i;
            progressTotal_ = count;
            reported();
        });
    };
    const auto poll = [&] {
        const long total = progressTotal_;
        if (total == 0) return;
        state_.progressDone = progressDone_;
        state_.progressTotal = total;
        state_.status = progressText(state_.progressDone, total, progressTemplate.c_str());
        if (throttle.due()) {
            notify();
            platform_.repaint();
        }
    };
    platform_.runInBackground(work, poll);
    state_.running = false;
}

void Workflow::showStatus(const std::string& status)
{
    state_.status = status;
    notify();
    platform_.repaint();
}

void Workflow::notify()
{
    if (listener_) listener_(state_);
}

}  // namespace vomel::ui
