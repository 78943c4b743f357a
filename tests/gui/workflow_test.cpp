// The main window's workflow without widgets: the state table, the mode
// switches, the dialogs and messages of initialisation and compute, the
// progress repaints, and the small rules around them.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include <QtTest>

#include "gui/qt_platform.h"
#include "session/run_messages.h"
#include "testing/fake_operations.h"
#include "testing/scripted_platform.h"
#include "ui/window_messages.h"
#include "ui/workflow.h"

using namespace vomel;
using namespace vomel::gui;
using namespace vomel::ui;
using namespace vomel::drawing;
using namespace vomel::testing;
using vomel::testing::FakeOperations;

using Answers = std::vector<std::optional<std::string>>;
Q_DECLARE_METATYPE(Answers)
Q_DECLARE_METATYPE(std::vector<std::string>)

namespace {

std::vector<std::string> dialogs(std::initializer_list<const char*> names) { return {names.begin(), names.end()}; }

}  // namespace

class WorkflowTest : public QObject {
    Q_OBJECT

private slots:
    void stateTable_data();
    void stateTable();
    void initialiseFailures_data();
    void initialiseFailures();
    void failedReinitialisationKeepsTheLine();
    void computeFailures_data();
    void computeFailures();
    void singlePointShowsStationAndOffset();
    void nothingComputesBeforeInitialisation();
    void progressRepaintsAreThrottledButCurrent();
    void progressThrottle();
    void typedCoordinatesAreStrict_data();
    void typedCoordinatesAreStrict();
    void beyondTheEndsIsSaid();
    void lineInUseIsShownAndKept();
    void cancelledRunSaysSo();
    void dialogFilters();
};

// Each action: "single" / "file" (mode options), "element" (rampOption),
// "init", "compute".
void WorkflowTest::stateTable_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("computeEnabled");
    QTest::addColumn<bool>("boxesEnabled");
    QTest::addColumn<bool>("initialised");

    const QString start = STATUS_START;
    QTest::newRow("start") << QStringList{} << start << false << false << false;
    QTest::newRow("file before init") << QStringList{"file"} << start << false << false << false;
    QTest::newRow("file and back before init") << QStringList{"file", "single"} << start << false << false << false;
    QTest::newRow("init in single mode") << QStringList{"init"} << QString(STATUS_SINGLE_READY) << true << true << true;
    QTest::newRow("init in file mode") << QStringList{"file", "init"} << QString(STATUS_FILE_READY) << true << false
                                       << true;
    QTest::newRow("file init then single")
        << QStringList{"file", "init", "single"} << QString(STATUS_SINGLE_READY) << true << true << true;
    QTest::newRow("init then file") << QStringList{"init", "file"} << QString(STATUS_FILE_READY) << true << false
                                    << true;
    QTest::newRow("element method init") << QStringList{"element", "init"} << QString(STATUS_SINGLE_READY) << true
                                         << true << true;
    QTest::newRow("single computation") << QStringList{"init", "compute"} << QString(STATUS_FINISHED) << true << true
                                        << true;
    // The closing status of a run counts its points (the fake's three).
    QTest::newRow("file run") << QStringList{"file", "init", "compute"} << QString("反算结束：共 3 个点") << true
                              << false << true;
    QTest::newRow("single again after a file run")
        << QStringList{"file", "init", "compute", "single"} << QString(STATUS_SINGLE_READY) << true << true << true;
}

void WorkflowTest::stateTable()
{
    QFETCH(QStringList, actions);
    QFETCH(QString, status);
    QFETCH(bool, computeEnabled);
    QFETCH(bool, boxesEnabled);
    QFETCH(bool, initialised);

    ScriptedPlatform platform;
    for (int i = 0; i < 8; ++i) platform.answerDialog("/data/file" + std::to_string(i) + ".txt");
    FakeOperations operations;
    Workflow workflow(platform, operations);
    WindowState shown;
    workflow.setStateListener([&](const WindowState& state) { shown = state; });

    for (const QString& action : actions) {
        if (action == "single") workflow.selectSingleCoordinate();
        if (action == "file") workflow.selectCoordinateFile();
        if (action == "element") workflow.selectMethod(Method::Element);
        if (action == "init") workflow.initialise();
        if (action == "compute") workflow.compute("1", "2");
    }

    QVERIFY(platform.errors().empty());
    QCOMPARE(QString::fromStdString(shown.status), status);
    QCOMPARE(shown.computeEnabled, computeEnabled);
    QCOMPARE(shown.boxesEnabled, boxesEnabled);
    QCOMPARE(workflow.isInitialised(), initialised);
}

void WorkflowTest::initialiseFailures_data()
{
    QTest::addColumn<bool>("element");
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<QString>("failingStep");
    QTest::addColumn<std::vector<std::string>>("dialogsShown");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("detailPart");

    const QString cancelled = MSG_READ_CANCELLED;
    const QString format = MSG_INIT_FORMAT;
    QTest::newRow("alignment dialog cancelled") << false << Answers{std::nullopt} << QString()
                                                << dialogs({"alignmentDialog"}) << cancelled << QString("读取平面资料");
    QTest::newRow("chain-break dialog cancelled")
        << false << Answers{"a.jdx", std::nullopt} << QString() << dialogs({"alignmentDialog", "chainBreakDialog"})
        << cancelled << QString("读取断链资料");
    QTest::newRow("malformed JD file") << false << Answers{"a.jdx", "a.dl"} << QString("readMainLine")
                                       << dialogs({"alignmentDialog"}) << format
                                       << QString("line 7: bad field in readMainLine");
    QTest::newRow("malformed chain-break file")
        << false << Answers{"a.jdx", "a.dl"} << QString("readChainBreaks")
        << dialogs({"alignmentDialog", "chainBreakDialog"}) << format << QString("readChainBreaks");
    QTest::newRow("sampling fails") << false << Answers{"a.jdx", "a.dl"} << QString("buildStagedLine")
                                    << dialogs({"alignmentDialog", "chainBreakDialog"}) << format
                                    << QString("buildStagedLine");
    QTest::newRow("element dialog cancelled") << true << Answers{std::nullopt} << QString()
                                              << dialogs({"alignmentDialog"}) << cancelled << QString("读取平面资料");
    QTest::newRow("malformed element file") << true << Answers{"a.ele", "never asked"} << QString("readElementChain")
                                            << dialogs({"alignmentDialog"}) << format << QString("readElementChain");
}

void WorkflowTest::initialiseFailures()
{
    QFETCH(bool, element);
    QFETCH(Answers, answers);
    QFETCH(QString, failingStep);
    QFETCH(std::vector<std::string>, dialogsShown);
    QFETCH(QString, message);
    QFETCH(QString, detailPart);

    ScriptedPlatform platform;
    for (const auto& answer : answers) platform.answerDialog(answer);
    FakeOperations operations;
    operations.failingStep = failingStep.toStdString();
    Workflow workflow(platform, operations);
    if (element) workflow.selectMethod(Method::Element);

    workflow.initialise();

    QCOMPARE(platform.dialogsShown(), dialogsShown);
    QCOMPARE(platform.errors().size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(platform.errors()[0].text), message);
    QVERIFY2(QString::fromStdString(platform.errors()[0].detail).contains(detailPart),
             platform.errors()[0].detail.c_str());
    QVERIFY(!workflow.isInitialised());
    QVERIFY(!operations.staged);  // the half-read line is dropped
    QCOMPARE(operations.lines, 0);
    // Nothing else changed: not even "正在初始化......" stays behind.
    QCOMPARE(QString::fromStdString(workflow.state().status), QString(STATUS_START));
    QVERIFY(!workflow.state().computeEnabled);
    QVERIFY(!workflow.state().boxesEnabled);
}

void WorkflowTest::failedReinitialisationKeepsTheLine()
{
    ScriptedPlatform platform;
    platform.answerDialog("good.jdx");
    platform.answerDialog("good.dl");
    platform.answerDialog("bad.jdx");
    FakeOperations operations;
    Workflow workflow(platform, operations);
    workflow.initialise();
    QCOMPARE(operations.lines, 1);

    operations.failingStep = "readMainLine";
    workflow.initialise();

    QCOMPARE(platform.errors().size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(platform.errors()[0].text), QString(MSG_INIT_FORMAT));
    QVERIFY(workflow.isInitialised());
    QVERIFY(workflow.state().computeEnabled);
    QVERIFY(workflow.state().boxesEnabled);
    // The status line names the line still in use.
    QCOMPARE(QString::fromStdString(workflow.state().status),
             QString::fromUtf8("初始化未完成，计算仍用原线路。当前线路：交点法—主线  交点：good.jdx  断链：good.dl"));
    QCOMPARE(operations.lines, 1);
}

void WorkflowTest::computeFailures_data()
{
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<long>("failAtPoint");
    QTest::addColumn<std::vector<std::string>>("dialogsShown");
    QTest::addColumn<bool>("solved");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("status");

    QTest::newRow("coordinate dialog cancelled") << Answers{std::nullopt} << 0L << dialogs({"coordinateDialog"})
                                                 << false << QString(MSG_READ_CANCELLED) << QString(STATUS_FILE_READY);
    // The destination is asked for before any point is solved.
    QTest::newRow("save dialog cancelled")
        << Answers{"p.xy", std::nullopt} << 0L << dialogs({"coordinateDialog", "resultsDialog"}) << false
        << QString(MSG_READ_CANCELLED) << QString(STATUS_FILE_READY);
    // The status line shows the point the run stopped at.
    QTest::newRow("a point fails") << Answers{"p.xy", "r.txt"} << 2L << dialogs({"coordinateDialog", "resultsDialog"})
                                   << true << QString(MSG_COMPUTE_FORMAT) << QString::fromStdString(progressText(2, 3));
    // A file without a point is no success: said in the box and the status.
    const QString noPoint = QString::fromUtf8("没有读到任何点：p.xy 是空文件或第一行为空，结果文件未写入");
    QTest::newRow("no point in the file")
        << Answers{"/d/p.xy", "r.txt"} << -1L << dialogs({"coordinateDialog", "resultsDialog"}) << true << noPoint
        << noPoint;
}

void WorkflowTest::computeFailures()
{
    QFETCH(Answers, answers);
    QFETCH(long, failAtPoint);
    QFETCH(std::vector<std::string>, dialogsShown);
    QFETCH(bool, solved);
    QFETCH(QString, message);
    QFETCH(QString, status);

    ScriptedPlatform platform;
    platform.answerDialog("a.jdx");
    platform.answerDialog("a.dl");
    FakeOperations operations;
    Workflow workflow(platform, operations);
    workflow.selectCoordinateFile();
    workflow.initialise();
    QVERIFY(workflow.isInitialised());
    for (const auto& answer : answers) platform.answerDialog(answer);
    // -1: the coordinate file lists no point.
    operations.failAtPoint = std::max(failAtPoint, 0L);
    if (failAtPoint < 0) operations.pointCount = 0;
    operations.calls.clear();
    const std::size_t dialogsBefore = platform.dialogsShown().size();

    workflow.compute("", "");

    const std::vector<std::string> shown(platform.dialogsShown().begin() + static_cast<long>(dialogsBefore),
                                         platform.dialogsShown().end());
    QCOMPARE(shown, dialogsShown);
    QCOMPARE(!operations.calls.empty(), solved);
    QCOMPARE(platform.errors().size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(platform.errors()[0].text), message);
    QCOMPARE(QString::fromStdString(workflow.state().status), status);
    QVERIFY(workflow.state().computeEnabled);
}

void WorkflowTest::singlePointShowsStationAndOffset()
{
    ScriptedPlatform platform;
    platform.answerDialog("a.ele");
    FakeOperations operations;
    Workflow workflow(platform, operations);
    workflow.selectMethod(Method::Element);
    workflow.initialise();

    workflow.compute("12", "3");
    QCOMPARE(operations.calls.back(), std::string("solveTypedPoint 12,3"));
    QCOMPARE(workflow.state().station, std::string("B12"));
    QCOMPARE(workflow.state().offset, std::string("3.000"));
    QCOMPARE(QString::fromStdString(workflow.state().status), QString(STATUS_FINISHED));

    // A failure keeps the results shown before.
    operations.failingStep = "solveTypedPoint";
    workflow.compute("5", "6");
    QCOMPARE(platform.errors().size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(platform.errors()[0].text), QString(MSG_COMPUTE_FORMAT));
    QCOMPARE(workflow.state().station, std::string("B12"));
}

void WorkflowTest::nothingComputesBeforeInitialisation()
{
    for (const bool fileMode : {false, true}) {
        ScriptedPlatform platform;
        platform.answerDialog("p.xy");
        FakeOperations operations;
        Workflow workflow(platform, operations);
        if (fileMode) workflow.selectCoordinateFile();
        workflow.compute("1", "2");
        QVERIFY(platform.dialogsShown().empty());
        QVERIFY(operations.calls.empty());
        QVERIFY(platform.errors().empty());
    }
}

void WorkflowTest::progressRepaintsAreThrottledButCurrent()
{
    // A clock that advances 1 ms each time it is read: 10 000 points take
    // about 10 s of "time", so about 200 repaints at 20 a second.
    using Clock = ProgressThrottle::Clock;
    Clock::time_point now{};
    auto clock = [&now] {
        now += std::chrono::milliseconds(1);
        return now;
    };

    ScriptedPlatform platform;
    platform.answerDialog("a.ele");
    platform.answerDialog("p.xy");
    platform.answerDialog("r.txt");
    FakeOperations operations;
    operations.pointCount = 10000;
    Workflow workflow(platform, operations, clock);
    workflow.selectMethod(Method::Element);
    workflow.selectCoordinateFile();
    workflow.initialise();

    std::vector<std::string> painted;
    platform.setRepaintHook([&] { painted.push_back(workflow.state().status); });
    workflow.compute("", "");

    QVERIFY(platform.errors().empty());
    QVERIFY2(painted.size() >= 150 && painted.size() <= 260, std::to_string(painted.size()).c_str());
    QCOMPARE(QString::fromStdString(painted.front()), QString::fromStdString(progressText(1, 10000)));
    QCOMPARE(QString::fromStdString(painted.back()), QString::fromUtf8("反算结束：共 10000 个点"));
    // Each repaint shows one point's own text, in increasing order.
    long previous = 0;
    for (std::size_t i = 0; i + 1 < painted.size(); ++i) {
        const QString text = QString::fromStdString(painted[i]);
        const QRegularExpressionMatch match =
            QRegularExpression(QString::fromUtf8("^正在反算第 (\\d+) 个   共 10000 个$")).match(text);
        QVERIFY2(match.hasMatch(), painted[i].c_str());
        const long point = match.captured(1).toLong();
        QVERIFY(point > previous);
        previous = point;
    }
}

void WorkflowTest::progressThrottle()
{
    using Clock = ProgressThrottle::Clock;
    Clock::time_point now{};
    ProgressThrottle throttle([&now] { return now; }, std::chrono::milliseconds(50));
    QVERIFY(throttle.due());  // the first point always shows
    now += std::chrono::milliseconds(49);
    QVERIFY(!throttle.due());
    now += std::chrono::milliseconds(1);
    QVERIFY(throttle.due());
    QVERIFY(!throttle.due());
    now += std::chrono::seconds(10);
    QVERIFY(throttle.due());
}

// A typing mistake names its field and computes nothing; a good number,
// blanks around it aside, reaches the solver as typed.
void WorkflowTest::typedCoordinatesAreStrict_data()
{
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<int>("field");  // TypedField
    QTest::addColumn<QString>("message");

    const auto x = static_cast<int>(TypedField::X);
    const auto y = static_cast<int>(TypedField::Y);
    const auto none = static_cast<int>(TypedField::None);
    QTest::newRow("text") << "abc"
                          << "1" << x << QString::fromUtf8("X坐标不是数字：\"abc\"");
    QTest::newRow("empty X") << ""
                             << "1" << x << QString::fromUtf8("X坐标为空，请输入数字");
    QTest::newRow("blank Y") << "1"
                             << "  " << y << QString::fromUtf8("Y坐标为空，请输入数字");
    QTest::newRow("decimal comma") << "1"
                                   << "501733,769" << y << QString::fromUtf8("Y坐标不是数字：\"501733,769\"");
    QTest::newRow("trailing letters") << "3512691.703abc"
                                      << "1" << x << QString::fromUtf8("X坐标不是数字：\"3512691.703abc\"");
    QTest::newRow("inner blank") << "35 12"
                                 << "1" << x << QString::fromUtf8("X坐标不是数字：\"35 12\"");
    QTest::newRow("beyond range") << "1"
                                  << "-2e9" << y
                                  << QString::fromUtf8("Y坐标超出范围（绝对值不大于1000000000）：\"-2e9\"");
    QTest::newRow("range limit accepted") << "1e9"
                                          << "-1e9" << none << QString();
    QTest::newRow("blanks and tabs around") << " \t3512691.703 "
                                            << "501733.769\t" << none << QString();
}

void WorkflowTest::typedCoordinatesAreStrict()
{
    QFETCH(QString, x);
    QFETCH(QString, y);
    QFETCH(int, field);
    QFETCH(QString, message);

    ScriptedPlatform platform;
    platform.answerDialog("a.ele");
    FakeOperations operations;
    Workflow workflow(platform, operations);
    workflow.selectMethod(Method::Element);
    workflow.initialise();
    workflow.compute("7", "8");  // an answer that a refused point must not leave shown
    QCOMPARE(workflow.state().station, std::string("B7"));

    workflow.compute(x.toStdString(), y.toStdString());
    QCOMPARE(static_cast<int>(workflow.state().refusedField), field);
    if (field == static_cast<int>(TypedField::None)) {
        QVERIFY(platform.errors().empty());
        const std::string typed = x.trimmed().toStdString() + "," + y.trimmed().toStdString();
        QCOMPARE(operations.calls.back(), "solveTypedPoint " + typed);
        return;
    }
    QCOMPARE(operations.calls.back(), std::string("solveTypedPoint 7,8"));  // nothing computed
    QCOMPARE(platform.errors().size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(platform.errors()[0].text), message);
    QCOMPARE(QString::fromStdString(workflow.state().status), message);
    QVERIFY(workflow.state().station.empty());
    QVERIFY(workflow.state().offset.empty());
}

void WorkflowTest::beyondTheEndsIsSaid()
{
    ScriptedPlatform platform;
    platform.answerDialog("a.ele");
    FakeOperations operations;
    Workflow workflow(platform, operations);
    workflow.selectMethod(Method::Element);
    workflow.initialise();

    const std::pair<FootPlace, const char*> typed[] = {{FootPlace::BeforeStart, STATUS_BEFORE_START},
                                                       {FootPlace::AfterEnd, STATUS_AFTER_END},
                                                       {FootPlace::OnLine, STATUS_FINISHED}};
    for (const auto& [place, status] : typed) {
        operations.typedPlace = place;
        workflow.compute("1", "2");
        QCOMPARE(QString::fromStdString(workflow.state().status), QString::fromUtf8(status));
        QCOMPARE(workflow.state().station, std::string("B1"));  // the values stay
        QCOMPARE(workflow.state().answerPlace, place);  // for the boxes' mark
    }

    workflow.selectCoordinateFile();
    operations.pointCount = 9;
    operations.beforeStart = 2;
    operations.afterEnd = 1;
    platform.answerDialog("p.xy");
    platform.answerDialog("r.txt");
    workflow.compute("", "");
    QCOMPARE(QString::fromStdString(workflow.state().status),
             QString::fromUtf8("反算结束：共 9 个点，2 个在起点之前，1 个在终点之后"));
    QVERIFY(platform.errors().empty());
}

// The window says which line computations use; a new line clears the
// answers of the one before; a failed initialisation keeps the method the
// user chose, so that the retry reads that kind of file.
void WorkflowTest::lineInUseIsShownAndKept()
{
    ScriptedPlatform platform;
    FakeOperations operations;
    Workflow workflow(platform, operations);
    QCOMPARE(QString::fromStdString(workflow.state().line), QString::fromUtf8(LINE_NONE));

    platform.answerDialog("/data/road/line 1.jdx");
    platform.answerDialog("/data/road/line1.dl");
    workflow.initialise();
    QCOMPARE(QString::fromStdString(workflow.state().line),
             QString::fromUtf8("当前线路：交点法—主线  交点：line 1.jdx  断链：line1.dl"));
    workflow.compute("1", "2");
    QCOMPARE(workflow.state().station, std::string("B1"));

    workflow.selectMethod(Method::Element);
    QCOMPARE(workflow.state().method, Method::Element);
    operations.failingStep = "readElementChain";
    platform.answerDialog("/data/ramp.ele");
    workflow.initialise();
    QCOMPARE(workflow.state().method, Method::Element);  // still the user's choice
    QCOMPARE(workflow.method(), Method::Element);
    QVERIFY(QString::fromStdString(workflow.state().line).contains("line 1.jdx"));
    QVERIFY(QString::fromStdString(workflow.state().status).contains("line 1.jdx"));
    QCOMPARE(workflow.state().station, std::string("B1"));  // still this line's answer

    // The retry, without touching the options, reads an element file.
    operations.failingStep.clear();
    operations.calls.clear();
    platform.answerDialog("/data/ramp.ele");
    workflow.initialise();
    QCOMPARE(operations.calls.front(), std::string("readElementChain /data/ramp.ele"));
    QCOMPARE(QString::fromStdString(workflow.state().line), QString::fromUtf8("当前线路：积木法—互通  积木：ramp.ele"));
    QCOMPARE(workflow.state().method, Method::Element);
    QVERIFY(workflow.state().station.empty());
    QVERIFY(workflow.state().offset.empty());
    QCOMPARE(workflow.state().lineGeneration, 2L);
}

void WorkflowTest::cancelledRunSaysSo()
{
    ScriptedPlatform platform;
    platform.answerDialog("a.ele");
    platform.answerDialog("p.xy");
    platform.answerDialog("r.txt");
    FakeOperations operations;
    operations.pointCount = 100;
    Workflow workflow(platform, operations);
    workflow.selectMethod(Method::Element);
    workflow.selectCoordinateFile();
    workflow.initialise();

    std::vector<bool> runningSeen;
    platform.setRepaintHook([&] { runningSeen.push_back(workflow.state().running); });
    long lastPoint = 0;
    operations.beforePoint = [&](long i) {
        lastPoint = i;
        if (i == 40) workflow.cancelRun();
    };
    workflow.compute("", "");
    QCOMPARE(lastPoint, 40L);  // stopped before point 40 was reported
    QVERIFY(platform.errors().empty());
    QCOMPARE(QString::fromStdString(workflow.state().status), QString::fromUtf8(STATUS_RUN_CANCELLED));
    QVERIFY(!workflow.state().running);
    QVERIFY(!runningSeen.empty() && runningSeen.front());

    // The next run starts afresh.
    operations.beforePoint = {};
    platform.answerDialog("p.xy");
    platform.answerDialog("r.txt");
    workflow.compute("", "");
    QCOMPARE(QString::fromStdString(workflow.state().status), QString::fromUtf8("反算结束：共 100 个点"));
}

void WorkflowTest::dialogFilters()
{
    const std::vector<FileFilter> alignment = parseFilter(ALIGNMENT_DIALOG.filter);
    QCOMPARE(alignment.size(), std::size_t{2});
    QCOMPARE(alignment[0].description, std::string("平面文件(*.txt;*.jdx)"));
    QCOMPARE(alignment[0].patterns, (std::vector<std::string>{"*.txt", "*.jdx"}));
    QCOMPARE(alignment[1].description, std::string("所有文件（*.*)"));
    QCOMPARE(alignment[1].patterns, (std::vector<std::string>{"*.*"}));

    QCOMPARE(qtNameFilters(ALIGNMENT_DIALOG), (QStringList{QString::fromUtf8("平面文件(*.txt;*.jdx) (*.txt *.jdx)"),
                                                           QString::fromUtf8("所有文件（*.*) (*)")}));
    // In the element method the element filter is the one chosen at first.
    QCOMPARE(qtNameFilters(ELEMENT_DIALOG),
             (QStringList{QString::fromUtf8("积木、LandXML及IFC文件(*.ele;*.xml;*.ifc) (*.ele *.xml *.ifc)"),
                          QString::fromUtf8("平面文件(*.txt;*.jdx) (*.txt *.jdx)"),
                          QString::fromUtf8("所有文件（*.*) (*)")}));
    QCOMPARE(qtNameFilters(COORDINATE_DIALOG).constFirst(), QString::fromUtf8("坐标文件(*.txt;*.xy) (*.txt *.xy)"));
    QCOMPARE(qtNameFilters(CHAIN_BREAK_DIALOG).constFirst(), QString::fromUtf8("断链文件(*.txt;*.dl) (*.txt *.dl)"));
    QCOMPARE(qtNameFilters(RESULTS_DIALOG).constFirst(), QString::fromUtf8("桩号距离文件(*.txt) (*.txt)"));
    QCOMPARE(QString::fromUtf8(RESULTS_DIALOG.title), QString::fromUtf8("保存桩号距离文件"));
}

QTEST_GUILESS_MAIN(WorkflowTest)
#include "workflow_test.moc"
