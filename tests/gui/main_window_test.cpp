// The main window's widgets: captions and first state, the keyboard path
// X, Enter, Y, Enter, the focus colour, the mode options and the buttons.
#include <atomic>
#include <chrono>
#include <deque>
#include <thread>

#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/about_dialog.h"
#include "gui/brand.h"
#include "gui/center_window.h"
#include "gui/help_window.h"
#include "gui/main_window.h"
#include "gui/profile_window.h"
#include "gui/qt_platform.h"
#include "session/run_messages.h"
#include "testing/fake_operations.h"
#include "testing/scripted_platform.h"
#include "ui/session_operations.h"
#include "ui/window_messages.h"
#include "ui/window_texts.h"

using namespace vomel;
using namespace vomel::gui;
using namespace vomel::ui;
using namespace vomel::drawing;
using namespace vomel::testing;
using vomel::testing::FakeOperations;

namespace {

// The desktop platform with its dialogs answered in order: file runs go to
// a worker thread as on the desktop.
class AnsweredDesktop : public QtPlatform {
public:
    std::deque<std::string> answers;
    std::vector<ErrorMessage> errors;

    std::optional<std::string> askOpenFile(const FileDialogSpec&) override { return next(); }
    std::optional<std::string> askSaveFile(const FileDialogSpec&) override { return next(); }
    void showError(const ErrorMessage& message) override { errors.push_back(message); }
    // The line has chain breaks.
    std::optional<bool> askYesNo(const std::string&, const std::string&) override { return true; }
    // Whether to end the program during a run: answered by `quitAnswer`.
    bool quitAnswer = false;
    std::vector<std::string> confirmations;
    bool confirm(const std::string&, const std::string& question) override
    {
        confirmations.push_back(question);
        return quitAnswer;
    }

private:
    std::optional<std::string> next()
    {
        if (answers.empty()) return std::nullopt;
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void controls_data();
    void controls();
    void firstState();
    void modeOptionsBeforeInitialisation();
    void modeOptionsAfterInitialisation();
    void typedPointWithoutTheMouse();
    void focusColour();
    void cancelledDialogShowsMessage();
    void helpButton();
    void moreSoftwareOpensHomePageThenAbout();
    void exitButtonEndsProgram();
    void refusedCoordinateTakesTheFocus();
    void lineInUseAndItsAnswers();
    void keyboardAfterInitialising();
    void fileRunOnWorkerThreadCancels();
    void quitDuringRun_data();
    void quitDuringRun();
    void enterNeverQuits();
    void beyondTheEndsIsMarked();
    void windowsFitTheScreen();
    void binaryExcerptIsVisible();
    void nextDialogOpensInLastFolder();

private:
    template <typename Widget>
    Widget* child(const char* name)
    {
        auto* widget = form->findChild<Widget*>(QString::fromLatin1(name));
        if (widget == nullptr) qFatal("no control %s", name);
        return widget;
    }
    void initialise();

    ScriptedPlatform* platform = nullptr;
    FakeOperations* operations = nullptr;
    MainWindow* form = nullptr;
};

void MainWindowTest::init()
{
    platform = new ScriptedPlatform;
    operations = new FakeOperations;
    form = new MainWindow(*platform, *operations);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form));
}

void MainWindowTest::cleanup()
{
    delete form;
    delete operations;
    delete platform;
}

void MainWindowTest::initialise()
{
    platform->answerDialog("a.jdx");
    platform->answerDialog("a.dl");
    child<QPushButton>("initialiseButton")->click();
    QVERIFY(form->workflow().isInitialised());
}

void MainWindowTest::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");

    const auto row = [](const char* name, const char* text, const char* tip = "") {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(text) << QString::fromUtf8(tip);
    };
    row("mainWindow", "Vomel V2.0");
    row("methodGroup", "方 法");
    row("mainLineMethod", "交点法—主线");
    row("rampMethod", "积木法—互通");
    row("modeGroup", "选 项");
    row("singlePointMode", "单个坐标");
    row("fileRunMode", "读取坐标文件");
    row("xLabel", "X坐标");
    row("yLabel", "Y坐标");
    row("stationLabel", "桩号");
    row("offsetLabel", "左距");
    row("xEdit", "", "回车光标切换到Y输入框\n");
    row("yEdit", "", "回车计算");
    row("stationEdit", "", "A、B、C...为断链标识");
    row("offsetEdit", "", "左正右负");
    row("statusLabel", "请先初始化读取平面、断链资料");
    row("initialiseButton", "  初 始 化");
    row("computeButton", "  计   算");
    row("exitButton", "  退  出");
    row("helpButton", "  帮  助");
    row("moreSoftwareButton", "  更多软件", "在浏览器中打开本项目的主页，并显示“关于”");
}

void MainWindowTest::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);

    QWidget* widget = name == "mainWindow" ? form : form->findChild<QWidget*>(name);
    QVERIFY2(widget != nullptr, qPrintable(name));
    QString shown;
    if (name == "mainWindow")
        shown = widget->windowTitle();
    else if (auto* box = qobject_cast<QGroupBox*>(widget))
        shown = box->title();
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        shown = button->text();
    else if (auto* label = qobject_cast<QLabel*>(widget))
        shown = label->text();
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        shown = edit->text();
    QCOMPARE(shown, text);
    QCOMPARE(widget->toolTip(), toolTip);
}

void MainWindowTest::firstState()
{
    QVERIFY(child<QRadioButton>("mainLineMethod")->isChecked());
    QVERIFY(child<QRadioButton>("singlePointMode")->isChecked());
    QVERIFY(!child<QPushButton>("computeButton")->isEnabled());
    QVERIFY(child<QPushButton>("initialiseButton")->isEnabled());
    for (const char* box : {"offsetEdit", "xEdit", "yEdit", "stationEdit"}) {
        QVERIFY2(!child<QLineEdit>(box)->isEnabled(), box);
    }
    QVERIFY(child<QLineEdit>("stationEdit")->isReadOnly());
    QVERIFY(child<QLineEdit>("offsetEdit")->isReadOnly());
    QVERIFY(!child<QLineEdit>("xEdit")->isReadOnly());
}

void MainWindowTest::modeOptionsBeforeInitialisation()
{
    child<QRadioButton>("fileRunMode")->click();
    child<QRadioButton>("singlePointMode")->click();
    QVERIFY(child<QRadioButton>("singlePointMode")->isChecked());
    QVERIFY(!child<QLineEdit>("xEdit")->isEnabled());
    QVERIFY(!child<QPushButton>("computeButton")->isEnabled());
    QCOMPARE(child<QLabel>("statusLabel")->text(), QString::fromUtf8(STATUS_START));
}

void MainWindowTest::modeOptionsAfterInitialisation()
{
    child<QRadioButton>("fileRunMode")->click();
    initialise();
    QCOMPARE(child<QLabel>("statusLabel")->text(), QString::fromUtf8(STATUS_FILE_READY));
    QVERIFY(!child<QLineEdit>("xEdit")->isEnabled());
    QVERIFY(child<QPushButton>("computeButton")->isEnabled());

    child<QRadioButton>("singlePointMode")->click();
    QCOMPARE(child<QLabel>("statusLabel")->text(), QString::fromUtf8(STATUS_SINGLE_READY));
    for (const char* box : {"offsetEdit", "xEdit", "yEdit", "stationEdit"}) {
        QVERIFY2(child<QLineEdit>(box)->isEnabled(), box);
    }

    child<QRadioButton>("fileRunMode")->click();
    QCOMPARE(child<QLabel>("statusLabel")->text(), QString::fromUtf8(STATUS_FILE_READY));
    QVERIFY(!child<QLineEdit>("yEdit")->isEnabled());
}

void MainWindowTest::typedPointWithoutTheMouse()
{
    initialise();
    auto* x = child<QLineEdit>("xEdit");
    auto* y = child<QLineEdit>("yEdit");
    x->setFocus();
    QTRY_VERIFY(x->hasFocus());
    QTest::keyClicks(x, "350.25");
    QTest::keyClick(x, Qt::Key_Return);
    QTRY_VERIFY(y->hasFocus());
    QVERIFY(operations->calls.back().rfind("solveTypedPoint", 0) != 0);  // Enter in X computes nothing
    QTest::keyClicks(y, "800.5");
    QTest::keyClick(y, Qt::Key_Enter);  // the keypad's Enter works too

    QCOMPARE(operations->calls.back(), std::string("solveTypedPoint 350.25,800.5"));
    QCOMPARE(child<QLineEdit>("stationEdit")->text(), QStringLiteral("B350.25"));
    QCOMPARE(child<QLineEdit>("offsetEdit")->text(), QStringLiteral("800.5.000"));
    QCOMPARE(child<QLabel>("statusLabel")->text(), QString::fromUtf8(STATUS_FINISHED));
    QVERIFY(platform->errors().empty());
}

void MainWindowTest::focusColour()
{
    initialise();
    auto* x = child<QLineEdit>("xEdit");
    auto* y = child<QLineEdit>("yEdit");
    y->setFocus();  // initialising gave the focus to X
    QTRY_VERIFY(y->hasFocus());
    const QColor normal = x->palette().color(QPalette::Base);
    QVERIFY(normal != MainWindow::focusColour());

    x->setText("123");
    x->setFocus();
    QTRY_COMPARE(x->palette().color(QPalette::Base), QColor(192, 255, 192));
    QTRY_COMPARE(x->selectedText(), QStringLiteral("123"));  // the whole text is selected

    y->setFocus();
    QTRY_COMPARE(y->palette().color(QPalette::Base), QColor(192, 255, 192));
    QCOMPARE(x->palette().color(QPalette::Base), normal);
}

void MainWindowTest::cancelledDialogShowsMessage()
{
    platform->answerDialog(std::nullopt);
    child<QPushButton>("initialiseButton")->click();
    QCOMPARE(platform->errors().size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(platform->errors()[0].text), QString::fromUtf8("读取文件被取消！"));
    QCOMPARE(child<QLabel>("statusLabel")->text(), QString::fromUtf8(STATUS_START));
    QVERIFY(!child<QPushButton>("computeButton")->isEnabled());
}

void MainWindowTest::helpButton()
{
    child<QPushButton>("helpButton")->click();
    QCOMPARE(platform->helpShown().size(), std::size_t{1});
    const std::string expected = helpIndexForThisProgram();
    QCOMPARE(platform->helpShown()[0], expected);
    QVERIFY(QString::fromStdString(expected).endsWith("/index.html"));
    QVERIFY(!QString::fromStdString(expected).contains("//"));
}

void MainWindowTest::moreSoftwareOpensHomePageThenAbout()
{
    bool aboutShown = false;
    bool aboveAdverts = false;
    std::size_t addressesWhenShown = 0;
    QTimer::singleShot(0, this, [&] {
        auto* about = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
        if (about == nullptr) return;
        aboutShown = true;
        // Not covered by the advert windows, which stay on top.
        aboveAdverts = about->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        addressesWhenShown = platform->addressesOpened().size();
        about->findChild<QPushButton*>("okButton")->click();
    });
    child<QPushButton>("moreSoftwareButton")->click();  // returns when the box is closed

    QVERIFY(aboutShown);
    QVERIFY(aboveAdverts);
    QCOMPARE(addressesWhenShown, std::size_t{1});
    QCOMPARE(platform->addressesOpened(), std::vector<std::string>{HOMEPAGE});
}

void MainWindowTest::exitButtonEndsProgram()
{
    QSignalSpy ending(form, &MainWindow::quitRequested);
    child<QPushButton>("exitButton")->click();
    QCOMPARE(ending.count(), 1);
    QVERIFY(!form->isVisible());
}

void MainWindowTest::refusedCoordinateTakesTheFocus()
{
    initialise();
    child<QLineEdit>("xEdit")->setText("3512691.703");
    child<QLineEdit>("yEdit")->setText("501733,769");
    child<QPushButton>("computeButton")->click();
    QCOMPARE(platform->errors().size(), std::size_t{1});
    QCOMPARE(child<QLabel>("statusLabel")->text(), QString::fromUtf8("Y坐标不是数字：\"501733,769\""));
    QTRY_VERIFY(child<QLineEdit>("yEdit")->hasFocus());
    QVERIFY(child<QLineEdit>("stationEdit")->text().isEmpty());
}

void MainWindowTest::lineInUseAndItsAnswers()
{
    auto* line = child<QLabel>("lineLabel");
    QCOMPARE(line->text(), QString::fromUtf8(LINE_NONE));
    initialise();
    QVERIFY(line->text().contains("a.jdx") && line->text().contains("a.dl"));
    child<QLineEdit>("xEdit")->setText("5");
    child<QLineEdit>("yEdit")->setText("6");
    child<QPushButton>("computeButton")->click();
    QCOMPARE(child<QLineEdit>("stationEdit")->text(), QStringLiteral("B5"));

    // The other method, failed: the options keep the user's choice, the
    // line in use stays and is named, and the retry reads the chosen kind.
    child<QRadioButton>("rampMethod")->click();
    operations->failingStep = "readElementChain";
    platform->answerDialog("bad.ele");
    child<QPushButton>("initialiseButton")->click();
    QVERIFY(child<QRadioButton>("rampMethod")->isChecked());
    QVERIFY(line->text().contains("a.jdx"));
    QVERIFY(child<QLabel>("statusLabel")->text().contains("a.jdx"));
    QCOMPARE(child<QLineEdit>("stationEdit")->text(), QStringLiteral("B5"));

    operations->failingStep.clear();
    platform->answerDialog("ramp.ele");
    child<QPushButton>("initialiseButton")->click();
    QVERIFY(child<QRadioButton>("rampMethod")->isChecked());
    QVERIFY(line->text().contains("ramp.ele"));
    QVERIFY(child<QLineEdit>("stationEdit")->text().isEmpty());
    QVERIFY(child<QLineEdit>("offsetEdit")->text().isEmpty());
}

void MainWindowTest::keyboardAfterInitialising()
{
    auto* initialiseButton = child<QPushButton>("initialiseButton");
    initialiseButton->setFocus();
    QTRY_VERIFY(initialiseButton->hasFocus());
    platform->answerDialog("a.jdx");
    platform->answerDialog("a.dl");
    QTest::keyClick(initialiseButton, Qt::Key_Return);  // Enter clicks the focused button
    QVERIFY(form->workflow().isInitialised());
    QTRY_VERIFY(child<QLineEdit>("xEdit")->hasFocus());  // ready for typing X

    child<QLineEdit>("xEdit")->setText("1");
    child<QLineEdit>("yEdit")->setText("2");
    auto* computeButton = child<QPushButton>("computeButton");
    computeButton->setFocus();
    QTRY_VERIFY(computeButton->hasFocus());
    QTest::keyClick(computeButton, Qt::Key_Enter);
    QCOMPARE(operations->calls.back(), std::string("solveTypedPoint 1,2"));
}

void MainWindowTest::fileRunOnWorkerThreadCancels()
{
    AnsweredDesktop desktop;
    FakeOperations slow;
    slow.pointCount = 1000000;
    const std::thread::id windowThread = std::this_thread::get_id();
    bool workedElsewhere = true;
    slow.beforePoint = [&](long) {
        if (std::this_thread::get_id() == windowThread) workedElsewhere = false;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    };
    MainWindow window(desktop, slow);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    desktop.answers = {"a.jdx", "a.dl", "p.xy", "r.txt"};
    window.findChild<QPushButton*>("initialiseButton")->click();
    window.findChild<QRadioButton*>("fileRunMode")->click();

    auto* progress = window.findChild<QProgressBar*>("progressBar");
    auto* cancel = window.findChild<QPushButton*>("cancelButton");
    QVERIFY(!progress->isVisible() && !cancel->isVisible());
    bool sawProgress = false;
    bool othersLocked = false;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, this, [&] {
        if (sawProgress || !cancel->isVisible() || progress->value() <= 0) return;
        sawProgress = true;
        QCOMPARE(progress->maximum(), 1000000);
        othersLocked = !window.findChild<QPushButton*>("initialiseButton")->isEnabled() &&
                       !window.findChild<QPushButton*>("computeButton")->isEnabled();
        QTest::mouseClick(cancel, Qt::LeftButton);
    });
    watcher.start(10);
    auto* computeButton = window.findChild<QPushButton*>("computeButton");
    computeButton->setFocus();
    QTest::keyClick(computeButton, Qt::Key_Return);  // returns when the run has ended
    watcher.stop();

    QVERIFY(sawProgress);
    QVERIFY(othersLocked);
    QVERIFY(workedElsewhere);
    QVERIFY(desktop.errors.empty());
    QCOMPARE(window.findChild<QLabel*>("statusLabel")->text(), QString::fromUtf8(STATUS_RUN_CANCELLED));
    QVERIFY(!progress->isVisible() && !cancel->isVisible());
    QVERIFY(computeButton->isEnabled());
    QVERIFY(computeButton->hasFocus());  // not moved on to 退出 while the run locked it
}

// Ending the program during a file run asks first (No the default); Yes
// stops the run before its next point, writes nothing, then ends it.
void MainWindowTest::quitDuringRun_data()
{
    QTest::addColumn<bool>("byCloseBox");
    QTest::addColumn<bool>("answer");
    QTest::newRow("退出, yes") << false << true;
    QTest::newRow("退出, no") << false << false;
    QTest::newRow("window closed, yes") << true << true;
    QTest::newRow("window closed, no") << true << false;
}

void MainWindowTest::quitDuringRun()
{
    QFETCH(bool, byCloseBox);
    QFETCH(bool, answer);
    AnsweredDesktop desktop;
    desktop.quitAnswer = answer;
    FakeOperations slow;
    slow.pointCount = 400;
    // The worker waits at point 10 until the question has been answered,
    // so that the run is under way when the program is asked to end.
    std::atomic<long> lastPoint{0};
    std::atomic<bool> asked{false};
    slow.beforePoint = [&](long i) {
        lastPoint = i;
        for (int waited = 0; i == 10 && !asked && waited < 10000; ++waited) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    };
    MainWindow window(desktop, slow);
    QSignalSpy ending(&window, &MainWindow::quitRequested);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    desktop.answers = {"a.jdx", "a.dl", "p.xy", "r.txt"};
    window.findChild<QPushButton*>("initialiseButton")->click();
    window.findChild<QRadioButton*>("fileRunMode")->click();

    QWidget* focusDuringRun = nullptr;
    QTimer quitter;
    connect(&quitter, &QTimer::timeout, this, [&] {
        if (asked || !window.workflow().isRunning() || lastPoint < 10) return;
        focusDuringRun = window.focusWidget();
        if (byCloseBox) {
            window.close();
        } else {
            window.findChild<QPushButton*>("exitButton")->click();
        }
        asked = true;
    });
    quitter.start(5);
    window.findChild<QPushButton*>("computeButton")->click();  // returns when the run has ended
    quitter.stop();

    QVERIFY(asked);
    QCOMPARE(desktop.confirmations, std::vector<std::string>{ASK_QUIT_DURING_RUN});
    QCOMPARE(focusDuringRun, window.findChild<QPushButton*>("cancelButton"));
    QVERIFY(desktop.errors.empty());
    QCOMPARE(ending.count(), answer ? 1 : 0);
    QCOMPARE(window.isVisible(), !answer);
    if (answer) {
        QCOMPARE(lastPoint.load(), 10L);  // stopped at once: the run wrote nothing
        QCOMPARE(window.findChild<QLabel*>("statusLabel")->text(), QString::fromUtf8(STATUS_RUN_CANCELLED));
    } else {
        QCOMPARE(lastPoint.load(), slow.pointCount);
        QCOMPARE(window.findChild<QLabel*>("statusLabel")->text(), QString::fromUtf8("反算结束：共 400 个点"));
        // After the run the focus is on the run's own button, not on 退出.
        QCOMPARE(window.focusWidget(), window.findChild<QPushButton*>("computeButton"));
    }
}

// Enter on a focused 退出 does nothing; only the buttons that start work
// take Enter.
void MainWindowTest::enterNeverQuits()
{
    QSignalSpy ending(form, &MainWindow::quitRequested);
    auto* exitButton = child<QPushButton>("exitButton");
    QVERIFY(!exitButton->autoDefault() && !exitButton->isDefault());
    QVERIFY(!child<QPushButton>("cancelButton")->autoDefault());
    for (QPushButton* button : form->findChildren<QPushButton*>()) QVERIFY(!button->isDefault());
    exitButton->setFocus();
    QTRY_VERIFY(exitButton->hasFocus());
    QTest::keyClick(exitButton, Qt::Key_Return);
    QTest::keyClick(exitButton, Qt::Key_Enter);
    QCOMPARE(ending.count(), 0);
    QVERIFY(form->isVisible());
}

// Beyond an end the station and offset boxes are marked, with a tip saying
// the values are not of a perpendicular foot; the next answer on the line
// clears the mark.
void MainWindowTest::beyondTheEndsIsMarked()
{
    initialise();
    auto* station = child<QLineEdit>("stationEdit");
    auto* offset = child<QLineEdit>("offsetEdit");
    const std::pair<FootPlace, const char*> places[] = {{FootPlace::AfterEnd, BEYOND_END_TIP},
                                                        {FootPlace::BeforeStart, BEYOND_START_TIP},
                                                        {FootPlace::Corner, nullptr},
                                                        {FootPlace::AfterEnd, BEYOND_END_TIP},
                                                        {FootPlace::OnLine, nullptr}};
    for (const auto& [place, tip] : places) {
        operations->typedPlace = place;
        child<QLineEdit>("xEdit")->setText("9000");
        child<QLineEdit>("yEdit")->setText("1");
        child<QPushButton>("computeButton")->click();
        QCOMPARE(station->text(), QStringLiteral("B9000"));  // the values are shown
        for (QLineEdit* box : {station, offset}) {
            QCOMPARE(box->property("beyondEnds").toBool(), tip != nullptr);
            QCOMPARE(box->styleSheet().contains(MainWindow::beyondEndsColour().name()), tip != nullptr);
        }
        QCOMPARE(station->toolTip(), QString::fromUtf8(tip != nullptr ? tip : STATION_EDIT_TOOLTIP));
        QCOMPARE(offset->toolTip(), QString::fromUtf8(tip != nullptr ? tip : OFFSET_EDIT_TOOLTIP));
    }
}

// Every window opens within the screen's available area with room for its
// frame, also the large ones on a small screen.
void MainWindowTest::windowsFitTheScreen()
{
    QCOMPARE(fittedSize({900, 650}, {1920, 1040}), QSize(900, 650));
    QCOMPARE(fittedSize({900, 650}, {1440, 900}), QSize(900, 650));
    QCOMPARE(fittedSize({1000, 720}, {1024, 700}), QSize(976, 652));
    QCOMPARE(fittedSize({1000, 720}, {20, 20}), QSize(1, 1));

    initialise();
    child<QPushButton>("PlanButton")->click();
    ProfileWindow profile(*platform, form);
    const QRect available = form->screen()->availableGeometry();
    for (QWidget* window : {form->findChild<QWidget*>("PlanWindow"), static_cast<QWidget*>(&profile)}) {
        QVERIFY(window != nullptr);
        QVERIFY2(window->height() < available.height() && window->width() < available.width(),
                 qPrintable(window->objectName()));
    }
}

// A failure quoting a binary line shows all of it, its control bytes made
// visible, not a lone quote cut at the first NUL.
void MainWindowTest::binaryExcerptIsVisible()
{
    const QString shown = visibleText(QString::fromLatin1("p.xy:1: field 1 is not a number: \"\x01\x02"
                                                          "AB") +
                                      QChar(0) + QStringLiteral("C\"\nnext\tline"));
    QVERIFY2(shown.endsWith(QStringLiteral("C\"\nnext\tline")), qPrintable(shown));
    QVERIFY(shown.contains(QChar(QChar::ReplacementCharacter)));
    for (const QChar c : shown) QVERIFY(c == u'\n' || c == u'\t' || c.category() != QChar::Other_Control);

    // A binary coordinate file through the run as the window makes it: the
    // box's detail ends with the excerpt's closing quote.
    SessionOperations session;
    ScriptedPlatform scripted;
    Workflow workflow(scripted, session);
    workflow.selectCoordinateFile();
    scripted.answerDialog(std::string(VOMEL_EXAMPLES_DIR) + "/mainline.jdx");
    scripted.answerDialog(std::string(VOMEL_EXAMPLES_DIR) + "/mainline.dl");
    workflow.initialise();
    QTemporaryDir folder;
    const QString points = folder.filePath("binary.xy");
    QFile file(points);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("P1 \0\x01\xff"
                          "AB 34\n",
                          12));
    file.close();
    scripted.answerDialog(points.toStdString());
    scripted.answerDialog(folder.filePath("out.txt").toStdString());
    workflow.compute("", "");
    QCOMPARE(scripted.errors().size(), std::size_t{1});
    const QString detail = visibleDetail(scripted.errors()[0].detail);
    QVERIFY2(detail.endsWith(QStringLiteral("AB\"")), qPrintable(detail));
    QVERIFY(!QFile::exists(folder.filePath("out.txt")));
}

// The chain-break dialog opens beside the JD file just chosen.
void MainWindowTest::nextDialogOpensInLastFolder()
{
    QTemporaryDir folder;
    const QString jd = folder.filePath("line.jdx");
    QFile file(jd);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    QtPlatform desktop;
    QString openedIn;
    int dialogs = 0;
    QTimer answerer;
    connect(&answerer, &QTimer::timeout, this, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        if (++dialogs == 1) {
            dialog->selectFile(jd);
            static_cast<QDialog*>(dialog)->accept();
        } else {
            openedIn = dialog->directory().absolutePath();
            dialog->reject();
        }
    });
    answerer.start(10);
    QCOMPARE(QString::fromStdString(desktop.askOpenFile(ALIGNMENT_DIALOG).value_or("")), jd);
    QVERIFY(!desktop.askOpenFile(CHAIN_BREAK_DIALOG).has_value());
    QCOMPARE(openedIn, QDir(folder.path()).absolutePath());
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
