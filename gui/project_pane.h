#pragma once
// The main window's project pane: open, create, save and close a project,
// the list of its lines (name, kind, extent, chain breaks, profile), and
// the line in use chosen there. The rules live in ui::ProjectWorkflow and
// ui::projectPaneState; this widget shows the state and forwards clicks.

#include <QWidget>

#include "ui/project_pane.h"
#include "ui/project_workflow.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace vomel::gui {

using ui::ProjectPaneState;
using ui::ProjectWorkflow;

class ProjectPane : public QWidget {
    Q_OBJECT

public:
    ProjectPane(ProjectWorkflow& projects, QWidget* parent = nullptr);

    // Shows the project, its lines and the line in use; `idle` is false
    // during a file run, when nothing here takes input.
    void showState(const ProjectPaneState& state, bool idle);
    QTreeWidget* lineList() const { return lines_; }

signals:
    // "New project" was clicked.
    void newProjectRequested();

private:
    void lineChosen();

    ProjectWorkflow& projects_;
    QLabel* heading_ = nullptr;
    QPushButton* openButton_ = nullptr;
    QPushButton* newButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QTreeWidget* lines_ = nullptr;
    QLabel* note_ = nullptr;
    bool showing_ = false;  // filling the list: its selection is no user's choice
};

// A text of the pane (under "Project") in the user's language.
QString projectUiText(const char* source);

}  // namespace vomel::gui
