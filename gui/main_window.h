#pragma once
// The main window: method and mode options, the X and Y boxes with the
// station and offset they give, the status line and the buttons. The
// workflow rules live in Workflow; this class only shows its state and
// forwards events to it.

#include <QPointer>
#include <QWidget>

#include "ui/project_workflow.h"
#include "ui/workflow.h"

class QHBoxLayout;
class QVBoxLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace vomel::gui {
using ui::Operations;
using ui::Platform;
using ui::WindowState;
using ui::Workflow;
class AdvertWindow;
}  // namespace vomel::gui

namespace vomel::gui {

class PlanWindow;
class ProfileWindow;
class ProjectPane;

class MainWindow : public QWidget {
    Q_OBJECT

public:
    MainWindow(Platform& platform, Operations& operations, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Window load: the advert windows (right, then left), the help path,
    // centring.
    void startUp();

    const Workflow& workflow() const { return workflow_; }
    ui::ProjectWorkflow& projectWorkflow() { return projects_; }
    ProjectPane* projectPane() const { return projectPane_; }
    const std::string& helpPath() const { return helpPath_; }

    // The colour of a text box that has the focus.
    static QColor focusColour() { return {192, 255, 192}; }
    // The colour of the station and offset boxes when the point lies
    // beyond an end of the line (the values are no perpendicular foot).
    static QColor beyondEndsColour() { return {255, 224, 160}; }

signals:
    // The program is ending: every window closes.
    void quitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMethodGroup();
    void buildModeGroup();
    QHBoxLayout* buildStatusAndRun();
    QVBoxLayout* buildButtons();
    void connectControls();
    void showState(const WindowState& state);
    void initialise();
    void compute();
    void showHelp();
    void showMoreSoftware();
    void showCurveTable();
    void showStakeout();
    // Ends the program; during a file run only after the user confirms,
    // once the run has stopped.
    void endProgram();
    // False during a file run: asks whether to end it, and if so cancels it
    // and ends the program when it has stopped.
    bool mayEndNow();
    void markBeyondEnds(FootPlace place);
    // Opens the plan view (or brings it up) with the current scene.
    void showPlan();
    // Gives an open plan view the scene of the current line and run.
    void refreshPlan();
    // Opens the 纵断面 window (or brings it up) on the current line and run.
    void showProfile();
    void closeAdverts();
    // Shows or hides the project pane beside the controls.
    void showProjectPane(bool shown);
    void newProject();

    Platform& platform_;
    Operations& operations_;
    Workflow workflow_;
    ui::ProjectWorkflow projects_;
    std::string helpPath_;
    QPointer<AdvertWindow> rightAdvert_;
    QPointer<AdvertWindow> leftAdvert_;

    QGroupBox* methodGroup = nullptr;
    QRadioButton* mainLineOption = nullptr;
    QRadioButton* rampOption = nullptr;
    QGroupBox* modeGroup = nullptr;
    QRadioButton* singlePointOption = nullptr;
    QRadioButton* fileRunOption = nullptr;
    QLabel* xLabel = nullptr;
    QLineEdit* xEdit = nullptr;
    QLabel* yLabel = nullptr;
    QLineEdit* yEdit = nullptr;
    QLabel* stationLabel = nullptr;
    QLineEdit* stationEdit = nullptr;
    QLabel* offsetLabel = nullptr;
    QLineEdit* offsetEdit = nullptr;
    // In a project: the typed point's line, beside its answer.
    QLabel* answerLineLabel = nullptr;
    QLabel* statusLabel = nullptr;
    QLabel* lineLabel = nullptr;  // the line in use
    QProgressBar* progressBar = nullptr;
    QPushButton* cancelButton = nullptr;
    bool quitAfterRun_ = false;  // confirmed during a run
    QPushButton* initialiseButton = nullptr;
    QPushButton* computeButton = nullptr;
    QPushButton* exitButton = nullptr;
    QPushButton* helpButton = nullptr;
    QPushButton* moreSoftwareButton = nullptr;
    // The added buttons: the curve table and stakeout windows.
    QPushButton* curveTableButton = nullptr;
    QPushButton* stakeoutButton = nullptr;

    // An added button: opens the plan view.
    QPushButton* planButton = nullptr;
    QPointer<PlanWindow> planWindow_;

    // An added button: opens the 纵断面 window.
    QPushButton* profileButton = nullptr;
    QPointer<ProfileWindow> profileWindow_;

    // An added button: shows the project pane, hidden until then.
    QPushButton* projectButton = nullptr;
    ProjectPane* projectPane_ = nullptr;
};

}  // namespace vomel::gui
