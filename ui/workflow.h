#pragma once
// The main window's workflow without any widgets: which method and mode are
// chosen, whether a design line has been initialised, what the status line
// says and which controls are enabled. The window shows WindowState and
// forwards its events here.

#include <atomic>
#include <functional>
#include <optional>
#include <string>

#include "ui/operations.h"
#include "ui/platform.h"
#include "ui/progress_throttle.h"

namespace vomel::ui {

enum class InputMode {
    SingleCoordinate,  // singlePointOption "单个坐标"
    CoordinateFile,  // fileRunOption "读取坐标文件"
};

// A typed field the last computation refused.
enum class TypedField { None, X, Y };

// What the window shows.
struct WindowState {
    std::string status;  // statusLabel
    bool computeEnabled = false;  // computeButton
    bool boxesEnabled = false;  // the four edits
    std::string station;  // stationEdit
    std::string offset;  // offsetEdit
    // The line computations use: its kind and file names.
    std::string line;
    // The method the method options show: the one chosen last, which the
    // next initialisation reads (the line in use may be of the other).
    Method method = Method::IntersectionPoint;
    // Counts the lines made current.
    long lineGeneration = 0;
    TypedField refusedField = TypedField::None;
    // In a project: the name of the typed point's line, shown beside the
    // answer; empty otherwise.
    std::string answerLine;
    // Where the foot of the answer shown lies: beyond an end, the station
    // and offset are the end's rule (a straight distance), not a foot.
    FootPlace answerPlace = FootPlace::OnLine;
    // A file run is under way: its progress, and the cancel control shown.
    bool running = false;
    long progressDone = 0;
    long progressTotal = 0;
};

// The files a line was initialised from by hand.
struct InitialisedFiles {
    Method method = Method::IntersectionPoint;
    std::string file;  // the JD file, or the element, LandXML or IFC file
    std::string chainBreakFile;  // empty: none
};

class Workflow {
public:
    Workflow(Platform& platform, Operations& operations,
             std::function<ProgressThrottle::Clock::time_point()> clock = ProgressThrottle::Clock::now);

    // Called whenever WindowState changes.
    void setStateListener(std::function<void(const WindowState&)> listener);

    const WindowState& state() const { return state_; }
    bool isInitialised() const { return initialised_; }
    Method method() const { return method_; }
    InputMode mode() const { return mode_; }

    // mainLineOption / rampOption: the method is only read when
    // initialising; it stays chosen after a failed or cancelled
    // initialisation, while the line in use stays the one before.
    void selectMethod(Method method);
    // singlePointOption / fileRunOption.
    void selectSingleCoordinate();
    void selectCoordinateFile();

    // initialiseButton: asks for the files of the selected method and prepares the
    // line. On failure the previous line, state and status stay.
    void initialise();

    // computeButton, or Enter in yEdit: solves the typed point or a whole
    // coordinate file, by the selected mode. Does nothing before a line has
    // been initialised.
    void compute(const std::string& xText, const std::string& yText);

    // Asks a running file run to stop; it stops before its next point with
    // the results file untouched. Safe to call from the window's thread
    // while the run works on another.
    void cancelRun() { cancelRequested_ = true; }
    bool isRunning() const { return state_.running; }
    // An operation is under way (its repaints may deliver events).
    bool isBusy() const { return busy_; }

    // A line was made current outside initialise() (a project's line,
    // described by `lineText`): as after an initialisation, the answers
    // shown go and the controls are ready for it.
    void lineMadeCurrent(const std::string& lineText);
    // Shows a status line, as the pane's operations end.
    void showStatus(const std::string& status);
    // The files of the line initialised by hand last, while it is the line
    // in use.
    const std::optional<InitialisedFiles>& initialisedFiles() const { return initialisedFiles_; }

private:
    void initialiseSteps();
    void computeSingle(const std::string& xText, const std::string& yText);
    // False, with the field refused, when a typed coordinate is no number.
    bool typedAccepted(const std::string& xText, const std::string& yText);
    void computeFile();
    // The same in a project (ui/workflow_project.cpp): each point on its
    // own line.
    void computeProjectPoint(const std::string& xText, const std::string& yText);
    void computeProjectFile();
    // Runs a file run's work with its progress shown, as computeFile does.
    void runWithProgress(const std::function<void(const PointProgress& progress)>& work);
    void makeReady();
    void refuseTyped(TypedField field, const std::string& message);
    // Adds what the import of the current line noticed to the status line.
    void showImportNotes();
    void notify();
    // `source` (a text of ui/) in the user's language.
    std::string text(const char* source) const;
    std::string chosenOrCancel(const std::optional<std::string>& path, const FileDialogSpec& dialog) const;

    Platform& platform_;
    Operations& operations_;
    std::function<ProgressThrottle::Clock::time_point()> clock_;
    std::function<void(const WindowState&)> listener_;
    WindowState state_;
    Method method_ = Method::IntersectionPoint;
    InputMode mode_ = InputMode::SingleCoordinate;
    bool initialised_ = false;
    bool busy_ = false;  // an operation is running; repaints may deliver events
    std::string stagedLine_;  // the description of the line being read
    InitialisedFiles stagedFiles_;
    std::optional<InitialisedFiles> initialisedFiles_;
    std::atomic<bool> cancelRequested_{false};
    std::atomic<long> progressDone_{0};
    std::atomic<long> progressTotal_{0};
};

}  // namespace vomel::ui
