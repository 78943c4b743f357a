#pragma once
// The main window's workflow without any widgets: which method and mode are
// chosen, whether a design line has been initialised, what the status line
// says and which controls are enabled. The window shows WindowState and
// forwards its events here.

#include <functional>
#include <string>

#include "ui/operations.h"
#include "ui/platform.h"
#include "ui/progress_throttle.h"

namespace vomel::gui {

enum class InputMode {
    SingleCoordinate,  // singlePointOption "单个坐标"
    CoordinateFile,    // fileRunOption "读取坐标文件"
};

// What the window shows.
struct WindowState {
    std::string status;            // statusLabel
    bool computeEnabled = false;   // computeButton
    bool boxesEnabled = false;     // the four edits
    std::string station;           // stationEdit
    std::string offset;            // offsetEdit
};

class Workflow {
public:
    Workflow(Platform& platform, Operations& operations,
             std::function<ProgressThrottle::Clock::time_point()> clock = ProgressThrottle::Clock::now);

    // Called whenever WindowState changes.
    void setStateListener(std::function<void(const WindowState&)> listener);

    const WindowState& state() const { return state_; }
    bool isInitialised() const { return initialised_; }
    MethodChoice method() const { return method_; }
    InputMode mode() const { return mode_; }

    // mainLineOption / rampOption: the method is only read when initialising.
    void selectMethod(MethodChoice method) { method_ = method; }
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

private:
    void initialiseSteps();
    void computeSingle(const std::string& xText, const std::string& yText);
    void computeFile();
    void showStatus(const std::string& status);
    void notify();

    Platform& platform_;
    Operations& operations_;
    std::function<ProgressThrottle::Clock::time_point()> clock_;
    std::function<void(const WindowState&)> listener_;
    WindowState state_;
    MethodChoice method_ = MethodChoice::IntersectionPoint;
    InputMode mode_ = InputMode::SingleCoordinate;
    bool initialised_ = false;
    bool busy_ = false;  // an operation is running; repaints may deliver events
};

}  // namespace vomel::gui
