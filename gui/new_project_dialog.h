#pragma once
// The dialog of a new project: its name and its lines, each added with the
// line dialog or taken from the line initialised in the main window, then
// saved where the user chooses and opened (ui::ProjectWorkflow::create).

#include <vector>

#include <QDialog>

#include "formats/project_file.h"
#include "ui/project_workflow.h"

class QLineEdit;
class QTreeWidget;

namespace vomel::ui {
class Platform;
}

namespace vomel::gui {

using ui::Platform;
using ui::ProjectWorkflow;

class NewProjectDialog : public QDialog {
    Q_OBJECT

public:
    NewProjectDialog(Platform& platform, ProjectWorkflow& projects, QWidget* parent = nullptr);

    // Adds a line to the list.
    void addLine(const ProjectLineEntry& line);
    const std::vector<ProjectLineEntry>& lines() const { return lines_; }
    // Asks where to save the project and saves it; closes the dialog when
    // it is saved and opened, else stays open with the lines.
    void save();

private:
    void addLineFromDialog();
    void addLineInUse();
    void removeLine();

    Platform& platform_;
    ProjectWorkflow& projects_;
    std::vector<ProjectLineEntry> lines_;
    QLineEdit* name_ = nullptr;
    QTreeWidget* list_ = nullptr;
};

}  // namespace vomel::gui
