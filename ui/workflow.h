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
    SingleCoordinate,  // Option1 "单个坐标"
    CoordinateFile,    // Option2 "读取坐标文件"
};

// What the window shows.
struct WindowState {
    std::string status;            // Label1
    bool computeEnabled = false;   // Command3
    bool boxesEnabled = false;     // Text1 .. Text4
    std::string station;           // Text4
    std::string offset;            // Text1
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

    // Option3 / Option4: the method is only read when initialising.
    void selectMethod(MethodChoice method) { method_ = method; }
    // Option1 / Option2.
    void selectSingleCoordinate();
    void selectCoordinateFile();

    // Command4: asks for the files of the selected method and prepares the
    // line. On failure the previous line, state and status stay.
    void initialise();

    // Command3, or Enter in Text3: solves the typed point or a whole
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
