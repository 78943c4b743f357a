#include "gui/main_window.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <climits>

#include "core/failure.h"
#include "gui/about_dialog.h"
#include "gui/advert_window.h"
#include "gui/brand.h"
#include "gui/center_window.h"
#include "gui/curve_table_window.h"
#include "gui/focus_highlight.h"
#include "gui/help_window.h"
#include "gui/new_project_dialog.h"
#include "gui/plan_window.h"
#include "gui/profile_window.h"
#include "gui/project_pane.h"
#include "gui/stakeout_window.h"
#include "gui/window_text.h"
#include "session/run_messages.h"
#include "ui/failure_text.h"
#include "ui/project_pane.h"
#include "ui/project_texts.h"
#include "ui/window_messages.h"
#include "ui/window_texts.h"

namespace vomel::gui {

using namespace vomel::ui;
using namespace vomel::drawing;

namespace {

template <typename Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace

MainWindow::MainWindow(Platform& platform, Operations& operations, QWidget* parent)
    : QWidget(parent), platform_(platform), operations_(operations), workflow_(platform, operations),
      projects_(platform, operations, workflow_)
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(uiText(MAIN_WINDOW_CAPTION));
    buildControls();
    connectControls();
    workflow_.setStateListener([this](const WindowState& state) { showState(state); });
}

MainWindow::~MainWindow()
{
    delete rightAdvert_;
    delete leftAdvert_;
}

void MainWindow::buildControls()
{
    buildMethodGroup();
    buildModeGroup();
    QHBoxLayout* runRow = buildStatusAndRun();
    QVBoxLayout* buttons = buildButtons();
    auto* left = new QVBoxLayout;
    left->addWidget(methodGroup);
    left->addWidget(modeGroup);
    left->addWidget(lineLabel);
    left->addWidget(statusLabel);
    left->addLayout(runRow);
    projectPane_ = new ProjectPane(projects_, this);
    projectPane_->setVisible(false);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
    layout->addWidget(projectPane_, 1);
}

// 方 法: the two ways a line is given.
void MainWindow::buildMethodGroup()
{
    methodGroup = named(new QGroupBox(uiText(METHOD_GROUP_CAPTION), this), "methodGroup");
    mainLineOption = named(new QRadioButton(uiText(MAIN_LINE_OPTION_CAPTION), methodGroup), "mainLineMethod");
    rampOption = named(new QRadioButton(uiText(RAMP_OPTION_CAPTION), methodGroup), "rampMethod");
    mainLineOption->setChecked(true);
    auto* methodLayout = new QHBoxLayout(methodGroup);
    methodLayout->addWidget(mainLineOption);
    methodLayout->addWidget(rampOption);
    methodLayout->addStretch(1);
}

// 选 项: single point or coordinate file, and the four boxes.
void MainWindow::buildModeGroup()
{
    modeGroup = named(new QGroupBox(uiText(MODE_GROUP_CAPTION), this), "modeGroup");
    singlePointOption = named(new QRadioButton(uiText(SINGLE_POINT_OPTION_CAPTION), modeGroup), "singlePointMode");
    fileRunOption = named(new QRadioButton(uiText(FILE_RUN_OPTION_CAPTION), modeGroup), "fileRunMode");
    singlePointOption->setChecked(true);

    xLabel = named(new QLabel(uiText(X_LABEL_CAPTION), modeGroup), "xLabel");
    xEdit = named(new QLineEdit(modeGroup), "xEdit");
    xEdit->setToolTip(uiText(X_EDIT_TOOLTIP));
    yLabel = named(new QLabel(uiText(Y_LABEL_CAPTION), modeGroup), "yLabel");
    yEdit = named(new QLineEdit(modeGroup), "yEdit");
    yEdit->setToolTip(uiText(Y_EDIT_TOOLTIP));
    stationLabel = named(new QLabel(uiText(STATION_LABEL_CAPTION), modeGroup), "stationLabel");
    stationEdit = named(new QLineEdit(modeGroup), "stationEdit");
    stationEdit->setToolTip(uiText(STATION_EDIT_TOOLTIP));
    stationEdit->setReadOnly(true);
    offsetLabel = named(new QLabel(uiText(OFFSET_LABEL_CAPTION), modeGroup), "offsetLabel");
    offsetEdit = named(new QLineEdit(modeGroup), "offsetEdit");
    offsetEdit->setToolTip(uiText(OFFSET_EDIT_TOOLTIP));
    offsetEdit->setReadOnly(true);

    const std::pair<QLabel*, QLineEdit*> boxes[] = {
        {xLabel, xEdit}, {yLabel, yEdit}, {stationLabel, stationEdit}, {offsetLabel, offsetEdit}};
    auto* optionsLayout = new QGridLayout(modeGroup);
    optionsLayout->addWidget(singlePointOption, 0, 0, 1, 2);
    optionsLayout->addWidget(fileRunOption, 0, 2, 1, 2);
    int row = 1;
    for (const auto& [caption, box] : boxes) {
        caption->setBuddy(box);
        box->setMinimumWidth(180);
        highlightFocus(box);
        optionsLayout->addWidget(caption, row, 0);
        optionsLayout->addWidget(box, row, 1, 1, 3);
        ++row;
    }
    answerLineLabel = named(new QLabel(modeGroup), "answerLineLabel");
    answerLineLabel->setVisible(false);
    optionsLayout->addWidget(answerLineLabel, row, 1, 1, 3);
    optionsLayout->setColumnStretch(3, 1);
}

// The line in use, the status line, and the progress of a file run.
QHBoxLayout* MainWindow::buildStatusAndRun()
{
    statusLabel = named(new QLabel(this), "statusLabel");
    statusLabel->setFrameShape(QFrame::StyledPanel);
    statusLabel->setMinimumWidth(300);
    statusLabel->setWordWrap(true);

    lineLabel = named(new QLabel(this), "lineLabel");
    lineLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lineLabel->setWordWrap(true);

    // Shown during a file run only.
    progressBar = named(new QProgressBar(this), "progressBar");
    progressBar->setVisible(false);
    cancelButton = named(new QPushButton(uiText(CANCEL_RUN_CAPTION), this), "cancelButton");
    cancelButton->setVisible(false);
    auto* runRow = new QHBoxLayout;
    runRow->addWidget(progressBar, 1);
    runRow->addWidget(cancelButton);
    return runRow;
}

// The main buttons, then the added windows' buttons below them.
QVBoxLayout* MainWindow::buildButtons()
{
    initialiseButton = named(new QPushButton(uiText(INITIALISE_BUTTON_CAPTION), this), "initialiseButton");
    computeButton = named(new QPushButton(uiText(COMPUTE_BUTTON_CAPTION), this), "computeButton");
    exitButton = named(new QPushButton(uiText(EXIT_BUTTON_CAPTION), this), "exitButton");
    helpButton = named(new QPushButton(uiText(HELP_CAPTION), this), "helpButton");
    moreSoftwareButton = named(new QPushButton(uiText(MORE_SOFTWARE_CAPTION), this), "moreSoftwareButton");
    moreSoftwareButton->setToolTip(uiText(MORE_SOFTWARE_TOOLTIP));

    curveTableButton = named(new QPushButton(uiText(CURVE_TABLE_BUTTON_CAPTION), this), "curveTableButton");
    stakeoutButton = named(new QPushButton(uiText(STAKEOUT_BUTTON_CAPTION), this), "stakeoutButton");

    planButton = named(new QPushButton(uiText(PLAN_BUTTON_CAPTION), this), "PlanButton");
    planButton->setEnabled(false);
    profileButton = named(new QPushButton(uiText(PROFILE_BUTTON_CAPTION), this), "profileButton");
    profileButton->setEnabled(false);
    projectButton = named(new QPushButton(projectUiText(PROJECT_BUTTON_CAPTION), this), "projectButton");
    projectButton->setCheckable(true);

    auto* buttons = new QVBoxLayout;
    // Auto-default: Enter clicks the button that has the focus (outside a
    // dialog no button is clicked by Enter elsewhere). Not 退出: Enter never
    // ends the program, nor cancels a run; they take a click or Space.
    for (QPushButton* button : {initialiseButton, computeButton, exitButton, helpButton, moreSoftwareButton}) {
        button->setAutoDefault(button != exitButton);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    // The added windows' buttons sit below the main buttons, apart from them.
    for (QPushButton* button : {curveTableButton, stakeoutButton, planButton, profileButton, projectButton}) {
        button->setAutoDefault(true);
        buttons->addWidget(button);
    }
    cancelButton->setAutoDefault(false);
    return buttons;
}

void MainWindow::connectControls()
{
    connect(mainLineOption, &QRadioButton::clicked, this,
            [this] { workflow_.selectMethod(Method::IntersectionPoint); });
    connect(rampOption, &QRadioButton::clicked, this, [this] { workflow_.selectMethod(Method::Element); });
    connect(singlePointOption, &QRadioButton::clicked, this, [this] { workflow_.selectSingleCoordinate(); });
    connect(fileRunOption, &QRadioButton::clicked, this, [this] { workflow_.selectCoordinateFile(); });

    connect(xEdit, &QLineEdit::returnPressed, yEdit, [this] { yEdit->setFocus(Qt::TabFocusReason); });
    connect(yEdit, &QLineEdit::returnPressed, this, &MainWindow::compute);

    connect(initialiseButton, &QPushButton::clicked, this, &MainWindow::initialise);
    connect(cancelButton, &QPushButton::clicked, this, [this] { workflow_.cancelRun(); });
    connect(computeButton, &QPushButton::clicked, this, &MainWindow::compute);
    connect(exitButton, &QPushButton::clicked, this, &MainWindow::endProgram);
    connect(helpButton, &QPushButton::clicked, this, &MainWindow::showHelp);
    connect(moreSoftwareButton, &QPushButton::clicked, this, &MainWindow::showMoreSoftware);
    connect(curveTableButton, &QPushButton::clicked, this, &MainWindow::showCurveTable);
    connect(stakeoutButton, &QPushButton::clicked, this, &MainWindow::showStakeout);
    connect(planButton, &QPushButton::clicked, this, &MainWindow::showPlan);
    connect(profileButton, &QPushButton::clicked, this, &MainWindow::showProfile);
    connect(projectButton, &QPushButton::toggled, this, &MainWindow::showProjectPane);
    connect(projectPane_, &ProjectPane::newProjectRequested, this, &MainWindow::newProject);
}

void MainWindow::startUp()
{
    rightAdvert_ = new AdvertWindow(AdvertWindow::Edge::Right, RIGHT_ADVERT_PAGE);
    connect(rightAdvert_, &AdvertWindow::quitRequested, this, &MainWindow::endProgram);
    rightAdvert_->show();
    leftAdvert_ = new AdvertWindow(AdvertWindow::Edge::Left, LEFT_ADVERT_PAGE);
    connect(leftAdvert_, &AdvertWindow::quitRequested, this, &MainWindow::endProgram);
    leftAdvert_->show();

    helpPath_ = helpIndexForThisProgram();

    adjustSize();
    centreWindow(this);
}

void MainWindow::showState(const WindowState& state)
{
    statusLabel->setText(QString::fromStdString(state.status));
    lineLabel->setText(QString::fromStdString(state.line));
    (state.method == Method::Element ? rampOption : mainLineOption)->setChecked(true);

    // During a file run only its progress and cancel control take input;
    // the run's results replace the plan's points when it ends.
    const bool idle = !state.running;
    const bool runStarts = state.running && !cancelButton->isVisible();
    const bool runEnded = idle && cancelButton->isVisible();
    progressBar->setVisible(state.running);
    cancelButton->setVisible(state.running);
    // The focus goes to the run's own control before the others are locked,
    // rather than on to a neighbour such as 退出 (Enter does nothing there).
    if (runStarts) cancelButton->setFocus(Qt::OtherFocusReason);
    if (state.running) {
        progressBar->setRange(0, static_cast<int>(std::min<long>(state.progressTotal, INT_MAX)));
        progressBar->setValue(static_cast<int>(std::min<long>(state.progressDone, INT_MAX)));
    }
    for (QWidget* control : std::initializer_list<QWidget*>{initialiseButton, methodGroup, modeGroup}) {
        control->setEnabled(idle);
    }
    computeButton->setEnabled(state.computeEnabled && idle);
    const bool hasLine = operations_.currentLine() != nullptr;
    curveTableButton->setEnabled(hasLine);
    stakeoutButton->setEnabled(hasLine);
    for (QLineEdit* box : {offsetEdit, xEdit, yEdit, stationEdit}) box->setEnabled(state.boxesEnabled);
    stationEdit->setText(QString::fromStdString(state.station));
    offsetEdit->setText(QString::fromStdString(state.offset));
    answerLineLabel->setText(QString::fromStdString(state.answerLine));
    answerLineLabel->setVisible(!state.answerLine.empty());
    projectPane_->showState(projectPaneState(operations_, platform_), idle);
    markBeyondEnds(state.answerPlace);
    planButton->setEnabled(state.computeEnabled && idle);
    profileButton->setEnabled(hasLine && idle);
    if (!idle) return;
    // After a run: the next point to type, or the next run.
    if (runEnded) (xEdit->isEnabled() ? static_cast<QWidget*>(xEdit) : computeButton)->setFocus(Qt::OtherFocusReason);
    if (planWindow_ && planWindow_->isVisible()) refreshPlan();
    if (profileWindow_ && profileWindow_->isVisible()) {
        profileWindow_->setLine(operations_.currentLine(), operations_.lastRun());
    }
}

void MainWindow::markBeyondEnds(FootPlace place)
{
    const bool beyond = place == FootPlace::BeforeStart || place == FootPlace::AfterEnd;
    const QString tip = place == FootPlace::BeforeStart ? uiText(BEYOND_START_TIP) : uiText(BEYOND_END_TIP);
    const std::pair<QLineEdit*, const char*> boxes[] = {{stationEdit, STATION_EDIT_TOOLTIP},
                                                        {offsetEdit, OFFSET_EDIT_TOOLTIP}};
    for (const auto& [box, normalTip] : boxes) {
        // A style sheet, not the palette: the focus highlight owns the palette.
        box->setStyleSheet(beyond ? QStringLiteral("QLineEdit { background-color: %1; }").arg(beyondEndsColour().name())
                                  : QString());
        box->setToolTip(beyond ? tip : uiText(normalTip));
        box->setProperty("beyondEnds", beyond);
    }
}

void MainWindow::initialise()
{
    const long before = workflow_.state().lineGeneration;
    workflow_.initialise();
    // A new line: the next thing to do is typing a point.
    if (workflow_.state().lineGeneration != before && workflow_.mode() == InputMode::SingleCoordinate) {
        xEdit->setFocus(Qt::OtherFocusReason);
    }
}

void MainWindow::showPlan()
{
    if (!planWindow_) planWindow_ = new PlanWindow(platform_, this);
    refreshPlan();
    planWindow_->show();
    planWindow_->raise();
    planWindow_->activateWindow();
}

void MainWindow::showProfile()
{
    if (!operations_.currentLine()) return;
    if (!profileWindow_) profileWindow_ = new ProfileWindow(platform_, this);
    profileWindow_->setLine(operations_.currentLine(), operations_.lastRun());
    profileWindow_->show();
    profileWindow_->raise();
    profileWindow_->activateWindow();
}

void MainWindow::refreshPlan()
{
    try {
        planWindow_->setScene(operations_.planScene(), false);
    } catch (const Failure& failure) {
        // Closed first, so that the next change of state does not ask again.
        planWindow_->hide();
        platform_.showError(failureMessage(PLAN_FAILED, failure, platform_));
    }
}

void MainWindow::compute()
{
    workflow_.compute(xEdit->text().toStdString(), yEdit->text().toStdString());
    if (quitAfterRun_) {
        quitAfterRun_ = false;
        endProgram();
        return;
    }
    // A refused coordinate: back to its box to mend it.
    if (workflow_.state().refusedField == TypedField::X) xEdit->setFocus(Qt::OtherFocusReason);
    if (workflow_.state().refusedField == TypedField::Y) yEdit->setFocus(Qt::OtherFocusReason);
}

void MainWindow::showHelp() { platform_.showHelp(helpIndexForThisProgram()); }

void MainWindow::showMoreSoftware()
{
    platform_.openAddress(HOMEPAGE);
    AboutDialog about([this](const std::string& address) { platform_.openAddress(address); }, this);
    about.exec();
}

void MainWindow::showCurveTable()
{
    const auto line = operations_.currentLine();
    if (!line) return;
    try {
        CurveTableWindow window(platform_, line, this);
        window.exec();
    } catch (const Failure& failure) {
        platform_.showError(failureMessage(MSG_COMPUTE_FORMAT, failure, platform_));
    }
}

void MainWindow::showStakeout()
{
    const auto line = operations_.currentLine();
    if (!line) return;
    StakeoutWindow window(platform_, line, this);
    window.exec();
}

bool MainWindow::mayEndNow()
{
    if (!workflow_.isRunning()) return true;
    if (quitAfterRun_) return false;  // already asked and confirmed
    if (platform_.confirm(uiText(QUIT_TITLE).toStdString(), uiText(ASK_QUIT_DURING_RUN).toStdString())) {
        // The run stops before its next point, writes nothing, and
        // compute() ends the program once it has returned.
        quitAfterRun_ = true;
        workflow_.cancelRun();
    }
    return false;
}

void MainWindow::endProgram()
{
    if (!mayEndNow()) return;
    emit quitRequested();
    closeAdverts();
    close();
    QCoreApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends the program, after asking during a run:
    // the advert windows go too.
    if (!mayEndNow()) {
        event->ignore();
        return;
    }
    closeAdverts();
    QWidget::closeEvent(event);
}

void MainWindow::showProjectPane(bool shown)
{
    projectButton->setChecked(shown);
    projectPane_->setVisible(shown);
    if (shown) {
        projectPane_->showState(projectPaneState(operations_, platform_), !workflow_.isRunning());
    }
    // The window takes the pane's width, and gives it back.
    layout()->activate();
    adjustSize();
}

void MainWindow::newProject()
{
    NewProjectDialog dialog(platform_, projects_, this);
    dialog.exec();
}

void MainWindow::closeAdverts()
{
    // close(), not delete: this may run inside a click of an advert window.
    if (rightAdvert_) rightAdvert_->close();
    if (leftAdvert_) leftAdvert_->close();
}

}  // namespace vomel::gui
