#include "ui/workflow.h"

#include <exception>
#include <optional>
#include <utility>

#include "core/failure.h"
#include "session/messages.h"

namespace vomel::gui {

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

std::string chosenOrCancel(const std::optional<std::string>& path, const FileDialogSpec& dialog)
{
    if (!path) throw CancelledFailure(std::string(dialog.title) + "：没有选择文件");
    return *path;
}

}  // namespace

Workflow::Workflow(Platform& platform, Operations& operations,
                   std::function<ProgressThrottle::Clock::time_point()> clock)
    : platform_(platform), operations_(operations), clock_(std::move(clock))
{
    state_.status = STATUS_START;
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
    state_.status = STATUS_SINGLE_READY;
    notify();
}

void Workflow::selectCoordinateFile()
{
    mode_ = InputMode::CoordinateFile;
    state_.boxesEnabled = false;
    if (initialised_) state_.status = STATUS_FILE_READY;
    notify();
}

void Workflow::initialise()
{
    if (busy_) return;
    const BusyScope busy(busy_);
    const std::string statusBefore = state_.status;
    try {
        initialiseSteps();
    } catch (const CancelledFailure& failure) {
        operations_.discardStagedLine();
        showStatus(statusBefore);
        platform_.showError({MSG_READ_CANCELLED, failure.what()});
        return;
    } catch (const std::exception& failure) {
        operations_.discardStagedLine();
        showStatus(statusBefore);
        platform_.showError({MSG_INIT_FORMAT, failure.what()});
        return;
    }
    initialised_ = true;
    state_.computeEnabled = true;
    if (mode_ == InputMode::SingleCoordinate) {
        state_.boxesEnabled = true;
        state_.status = STATUS_SINGLE_READY;
    } else {
        state_.status = STATUS_FILE_READY;
    }
    notify();
}

void Workflow::initialiseSteps()
{
    const std::string alignmentPath =
        chosenOrCancel(platform_.askOpenFile(ALIGNMENT_DIALOG), ALIGNMENT_DIALOG);
    if (method_ == MethodChoice::IntersectionPoint) {
        operations_.readMainLine(alignmentPath);
        const std::string chainBreakPath =
            chosenOrCancel(platform_.askOpenFile(CHAIN_BREAK_DIALOG), CHAIN_BREAK_DIALOG);
        operations_.readChainBreaks(chainBreakPath);
    } else {
        operations_.readElementChain(alignmentPath);
    }
    showStatus(STATUS_INITIALISING);
    operations_.buildStagedLine();
}

void Workflow::compute(const std::string& xText, const std::string& yText)
{
    if (busy_ || !initialised_) return;
    const BusyScope busy(busy_);
    try {
        if (mode_ == InputMode::SingleCoordinate) {
            computeSingle(xText, yText);
        } else {
            computeFile();
        }
    } catch (const CancelledFailure& failure) {
        notify();  // the status line shows where the run stopped
        platform_.showError({MSG_READ_CANCELLED, failure.what()});
    } catch (const std::exception& failure) {
        notify();
        platform_.showError({MSG_COMPUTE_FORMAT, failure.what()});
    }
}

void Workflow::computeSingle(const std::string& xText, const std::string& yText)
{
    const TypedPointResult result = operations_.solveTypedPoint(xText, yText);
    state_.station = result.station;
    state_.offset = result.offset;
    showStatus(STATUS_FINISHED);
}

void Workflow::computeFile()
{
    const std::string coordinatePath =
        chosenOrCancel(platform_.askOpenFile(COORDINATE_DIALOG), COORDINATE_DIALOG);
    // Asked before any point is solved, so that a cancel costs nothing.
    const std::string resultsPath =
        chosenOrCancel(platform_.askSaveFile(RESULTS_DIALOG), RESULTS_DIALOG);

    ProgressThrottle throttle(clock_);
    operations_.solveCoordinateFile(coordinatePath, resultsPath, [&](long i, long count) {
        state_.status = progressText(i, count);
        if (throttle.due()) {
            notify();
            platform_.repaint();
        }
    });
    showStatus(STATUS_FINISHED);
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

}  // namespace vomel::gui
