#pragma once
// The project pane's actions without any widgets: open, create, save and
// close a project, and choose its line in use. Each tells the main
// window's Workflow what changed, so that the window and the windows it
// opens follow the line in use as after an initialisation by hand.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "formats/project_file.h"
#include "ui/operations.h"
#include "ui/platform.h"
#include "ui/workflow.h"

namespace vomel::ui {

// Added to a project file's name saved without an extension.
inline constexpr const char* PROJECT_FILE_EXTENSION = ".vomelproj";

class ProjectWorkflow {
public:
    ProjectWorkflow(Platform& platform, Operations& operations, Workflow& workflow);

    // Asks for a project file and opens it; its first line becomes the line
    // in use. A failure leaves the project and the line as they were.
    void open();
    // Asks where to save a project named `name` of `lines` (their paths as
    // chosen), then saves and opens it. False, with nothing saved, when the
    // user cancels or the project cannot be loaded (said in the error box).
    bool create(const std::string& name, const std::vector<ProjectLineEntry>& lines);
    // Asks where and saves the open project there.
    void save();
    void close();
    // Makes the project's line `index` the line in use.
    void chooseLine(std::size_t index);

    // The line initialised by hand in the main window, as a project's line
    // named after its file; none when the line in use was not.
    std::optional<ProjectLineEntry> lineInUseSpec() const;

private:
    // The project's line in use has changed: the window follows it, and
    // the status line says `status` (%1 the ready text).
    void followLineInUse(const char* status, const std::string& subject);
    std::optional<std::string> askProjectPath();
    bool idle() const { return !workflow_.isBusy() && !workflow_.isRunning(); }

    Platform& platform_;
    Operations& operations_;
    Workflow& workflow_;
};

}  // namespace vomel::ui
