#pragma once
// The main window: method and mode options, the X and Y boxes with the
// station and offset they give, the status line and the buttons. The
// workflow rules live in Workflow; this class only shows its state and
// forwards events to it.

#include <QPointer>
#include <QWidget>

#include "ui/workflow.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vomel::windows {
class AdvertWindow;
}

namespace vomel::gui {

class PlanWindow;

class Form1 : public QWidget {
    Q_OBJECT

public:
    Form1(Platform& platform, Operations& operations, QWidget* parent = nullptr);
    ~Form1() override;

    // Window load: the advert windows (adfrm, then ad1frm), the help path,
    // centring.
    void startUp();

    const Workflow& workflow() const { return workflow_; }
    const std::string& helpPath() const { return helpPath_; }

    // The colour of a text box that has the focus.
    static QColor focusColour() { return {192, 255, 192}; }

signals:
    // The program is ending: every window closes.
    void quitRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void connectControls();
    void showState(const WindowState& state);
    void compute();
    void showHelp();
    void showMoreSoftware();
    void showCurveTable();
    void showStakeout();
    void endProgram();
    // Opens the plan view (or brings it up) with the current scene.
    void showPlan();
    // Gives an open plan view the scene of the current line and run.
    void refreshPlan();
    void closeAdverts();

    Platform& platform_;
    Operations& operations_;
    Workflow workflow_;
    std::string helpPath_;
    QPointer<windows::AdvertWindow> advert_;
    QPointer<windows::AdvertWindow> advert1_;

    QGroupBox* Frame2 = nullptr;
    QRadioButton* Option3 = nullptr;
    QRadioButton* Option4 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* xpcmdbutton2 = nullptr;
    QPushButton* xpcmdbutton1 = nullptr;
    // Beyond the original controls: the curve table and stakeout windows.
    QPushButton* curveTableButton = nullptr;
    QPushButton* stakeoutButton = nullptr;

    // Not one of the original controls: opens the plan view.
    QPushButton* planButton_ = nullptr;
    QPointer<PlanWindow> planWindow_;
};

}  // namespace vomel::gui
