// The main window's project pane on a stand-in for the core: opening a
// project lists its lines, a chosen line becomes the window's line in use,
// a typed point shows its line and makes it the line in use, a file run
// closes with each line's count, a new project's lines are saved relative
// to its folder, and the line dialog refuses what cannot make a line.
#include <algorithm>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "gui/main_window.h"
#include "gui/new_project_dialog.h"
#include "gui/plan_view.h"
#include "gui/plan_window.h"
#include "gui/project_line_dialog.h"
#include "gui/project_pane.h"
#include "session/project.h"
#include "testing/fake_operations.h"
#include "testing/scripted_platform.h"
#include "ui/project_paths.h"
#include "ui/project_texts.h"
#include "ui/session_operations.h"
#include "ui/window_messages.h"

using namespace vomel;
using namespace vomel::gui;
using namespace vomel::ui;
using namespace vomel::testing;
using namespace vomel::drawing;

namespace {

// Two lines as the stand-in opens them.
ProjectOverview twoLines()
{
    return {"东环互通",
            "/survey/east.vomelproj",
            {{"主线", ProjectLineKind::IntersectionPoint, "A0", "C20135.620", 2, true},
             {"A匝道", ProjectLineKind::Elements, "20", "480", 0, false}}};
}

QString utf8(const std::string& text) { return QString::fromStdString(text); }

// The detail of the first error shown, for a failed check's message.
const char* firstError(const ScriptedPlatform& platform)
{
    return platform.errors().empty() ? "" : platform.errors()[0].detail.c_str();
}

const std::string kInterchange = std::string(VOMEL_EXAMPLES_DIR) + "/interchange/";

// The window on the real core, its pane shown and the example interchange
// open.
struct CoreWindow {
    ScriptedPlatform platform;
    SessionOperations operations;
    MainWindow form{platform, operations};

    template <typename Widget>
    Widget* child(const char* name)
    {
        auto* widget = form.findChild<Widget*>(QString::fromLatin1(name));
        if (widget == nullptr) qFatal("no control %s", name);
        return widget;
    }
    void open()
    {
        form.show();
        child<QPushButton>("projectButton")->click();
        platform.answerDialog(kInterchange + "interchange.vomelproj");
        child<QPushButton>("openProjectButton")->click();
    }
    void type(const char* x, const char* y)
    {
        child<QLineEdit>("xEdit")->setText(x);
        child<QLineEdit>("yEdit")->setText(y);
        child<QPushButton>("computeButton")->click();
    }
    const PlanScene* plan()
    {
        auto* window = form.findChild<PlanWindow*>("PlanWindow");
        return window == nullptr ? nullptr : window->view()->scene();
    }
};

}  // namespace

class ProjectPaneTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void openListsTheLines();
    void failedOpenKeepsTheLine();
    void chosenLineIsTheLineInUse();
    void lineInitialisedByHandLeavesTheProject();
    void typedPointShowsItsLine_data();
    void typedPointShowsItsLine();
    void fileRunClosesWithCounts();
    void newProjectIsSavedRelativeToItsFolder();
    void newProjectTakesTheLineInUse();
    void saveAddsTheExtension();
    void projectPaths_data();
    void projectPaths();
    void lineDialogRefuses_data();
    void lineDialogRefuses();
    void lineDialogFollowsTheFile_data();
    void lineDialogFollowsTheFile();
    void pointTipNamesItsLine_data();
    void pointTipNamesItsLine();
    void interchangeOnTheCore();
    void interchangeRunAndSave();
    void newProjectOnTheCore();

private:
    template <typename Widget>
    Widget* child(const char* name)
    {
        auto* widget = form->findChild<Widget*>(QString::fromLatin1(name));
        if (widget == nullptr) qFatal("no control %s", name);
        return widget;
    }
    void openProject();
    QTreeWidget* lines() { return child<QTreeWidget>("projectLines"); }
    QString status() { return child<QLabel>("statusLabel")->text(); }
    QString lineInUse() { return child<QLabel>("lineLabel")->text(); }
    int selectedRow()
    {
        return lines()->selectedItems().isEmpty() ? -1 : lines()->indexOfTopLevelItem(lines()->selectedItems()[0]);
    }

    ScriptedPlatform* platform = nullptr;
    FakeOperations* operations = nullptr;
    MainWindow* form = nullptr;
};

void ProjectPaneTest::init()
{
    platform = new ScriptedPlatform;
    operations = new FakeOperations;
    operations->projectToOpen = twoLines();
    form = new MainWindow(*platform, *operations);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
}

void ProjectPaneTest::cleanup()
{
    delete form;
    delete operations;
    delete platform;
}

void ProjectPaneTest::openProject()
{
    child<QPushButton>("projectButton")->click();
    QVERIFY(child<QWidget>("projectPane")->isVisible());
    platform->answerDialog("/survey/east.vomelproj");
    child<QPushButton>("openProjectButton")->click();
}

void ProjectPaneTest::openListsTheLines()
{
    // Hidden until asked for: the single-line window is as it was.
    QVERIFY(!child<QWidget>("projectPane")->isVisible());
    QVERIFY(!child<QPushButton>("saveProjectButton")->isEnabled());
    openProject();
    QVERIFY(operations->project() != nullptr);
    QCOMPARE(platform->dialogsShown(), std::vector<std::string>{"projectOpenDialog"});
    QCOMPARE(lines()->topLevelItemCount(), 2);
    const QStringList first{"主线", "JD table", "A0 – C20135.620", "2", "yes"};
    const QStringList second{"A匝道", "Element chain", "20 – 480", "0", "no"};
    for (int column = 0; column < 5; ++column) {
        QCOMPARE(lines()->topLevelItem(0)->text(column), first[column]);
        QCOMPARE(lines()->topLevelItem(1)->text(column), second[column]);
    }
    QCOMPARE(child<QLabel>("projectHeading")->text(), QString("东环互通 (east.vomelproj)"));
    // The first line is the line in use, and the window is ready for it.
    QCOMPARE(selectedRow(), 0);
    QCOMPARE(lineInUse(), QString("当前线路：主线 (project 东环互通)"));
    QVERIFY(status().startsWith("Project 东环互通 opened: 2 lines. "));
    QVERIFY(status().endsWith(QString::fromUtf8(STATUS_SINGLE_READY)));
    QVERIFY(child<QPushButton>("computeButton")->isEnabled());
    QVERIFY(child<QPushButton>("saveProjectButton")->isEnabled());
    QVERIFY(!child<QLabel>("projectNote")->isVisible());
}

void ProjectPaneTest::failedOpenKeepsTheLine()
{
    platform->answerDialog("a.jdx");
    platform->answerDialog("a.dl");
    child<QPushButton>("initialiseButton")->click();
    const QString before = lineInUse();
    operations->failingStep = "openProject";
    openProject();
    QVERIFY(operations->project() == nullptr);
    QCOMPARE(platform->errors().size(), std::size_t{1});
    QCOMPARE(utf8(platform->errors()[0].text), QString(PROJECT_NOT_OPENED));
    QCOMPARE(utf8(platform->errors()[0].detail), QString("line 7: bad field in openProject"));
    QCOMPARE(lineInUse(), before);
    QCOMPARE(lines()->topLevelItemCount(), 0);
    // A cancelled dialog says nothing.
    operations->failingStep.clear();
    child<QPushButton>("openProjectButton")->click();
    QCOMPARE(platform->errors().size(), std::size_t{1});
}

void ProjectPaneTest::chosenLineIsTheLineInUse()
{
    openProject();
    const long generation = form->workflow().state().lineGeneration;
    lines()->setCurrentItem(lines()->topLevelItem(1));
    QCOMPARE(operations->calls.back(), std::string("useProjectLine 1"));
    QCOMPARE(operations->projectLineInUse(), std::optional<std::size_t>(1));
    QCOMPARE(lineInUse(), QString("当前线路：A匝道 (project 东环互通)"));
    // As after an initialisation: the windows of the line in use follow it.
    QCOMPARE(form->workflow().state().lineGeneration, generation + 1);
    QCOMPARE(selectedRow(), 1);
    // Choosing the line in use again changes nothing.
    const std::size_t calls = operations->calls.size();
    lines()->setCurrentItem(lines()->topLevelItem(1));
    QCOMPARE(operations->calls.size(), calls);
    lines()->setCurrentItem(lines()->topLevelItem(0));
    QCOMPARE(operations->calls.back(), std::string("useProjectLine 0"));
    QCOMPARE(selectedRow(), 0);
}

void ProjectPaneTest::lineInitialisedByHandLeavesTheProject()
{
    openProject();
    platform->answerDialog("b.jdx");
    platform->answerDialog("b.dl");
    child<QPushButton>("initialiseButton")->click();
    QCOMPARE(selectedRow(), -1);
    QVERIFY(child<QLabel>("projectNote")->isVisible());
    QCOMPARE(child<QLabel>("projectNote")->text(), QString(LINE_NOT_IN_PROJECT));
    // Points go to the line initialised by hand, as without a project.
    child<QLineEdit>("xEdit")->setText("1");
    child<QLineEdit>("yEdit")->setText("2");
    child<QPushButton>("computeButton")->click();
    QCOMPARE(operations->calls.back(), std::string("solveTypedPoint 1,2"));
    QVERIFY(!child<QLabel>("answerLineLabel")->isVisible());
}

void ProjectPaneTest::typedPointShowsItsLine_data()
{
    QTest::addColumn<int>("assignment");
    QTest::addColumn<int>("line");
    QTest::addColumn<bool>("ambiguous");
    QTest::addColumn<QString>("station");
    QTest::addColumn<QString>("answerLine");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("rowInUse");

    QTest::newRow("on the line in use") << int(Assignment::Nearest) << 0 << false << "B1000.000"
                                        << "Line: 主线"
                                        << "Finished: the point belongs to 主线" << 0;
    QTest::newRow("on another line") << int(Assignment::Nearest) << 1 << false << "B1000.000"
                                     << "Line: A匝道"
                                     << "Finished: the point belongs to A匝道" << 1;
    QTest::newRow("ambiguous") << int(Assignment::Nearest) << 1 << true << "B1000.000"
                               << "Line: A匝道"
                               << "Finished: the point belongs to A匝道, but 主线 is as near: check it" << 1;
    QTest::newRow("ambiguous on its own line")
        << int(Assignment::Nearest) << 0 << true << "B1000.000"
        << "Line: 主线"
        << "Finished: the point belongs to 主线, but another part of it is as near: check it" << 0;
    QTest::newRow("unassigned") << int(Assignment::Unassigned) << 0 << false << ""
                                << "" << QString(POINT_UNASSIGNED) << 0;
}

void ProjectPaneTest::typedPointShowsItsLine()
{
    QFETCH(int, assignment);
    QFETCH(int, line);
    QFETCH(bool, ambiguous);
    QFETCH(QString, station);
    QFETCH(QString, answerLine);
    QFETCH(QString, status);
    QFETCH(int, rowInUse);

    openProject();
    operations->projectPoint.assignment = static_cast<Assignment>(assignment);
    operations->projectPoint.line = static_cast<std::size_t>(line);
    operations->projectPoint.ambiguous = ambiguous;
    operations->projectPoint.otherLine = 0;
    if (operations->projectPoint.assignment != Assignment::Unassigned) {
        operations->projectPoint.answer = {"B1000.000", "2.500", FootPlace::OnLine};
    }
    child<QLineEdit>("xEdit")->setText("3521500");
    child<QLineEdit>("yEdit")->setText("498800");
    child<QPushButton>("computeButton")->click();
    QCOMPARE(operations->calls.back(), std::string("solveProjectPoint 3521500,498800"));
    QCOMPARE(child<QLineEdit>("stationEdit")->text(), station);
    QCOMPARE(child<QLabel>("answerLineLabel")->text(), answerLine);
    QCOMPARE(child<QLabel>("answerLineLabel")->isVisible(), !answerLine.isEmpty());
    QCOMPARE(this->status(), status);
    QCOMPARE(selectedRow(), rowInUse);
    QVERIFY(lineInUse().contains(rowInUse == 0 ? "主线" : "A匝道"));
}

void ProjectPaneTest::fileRunClosesWithCounts()
{
    operations->projectToOpen.lines.push_back({"B匝道", ProjectLineKind::LandXml, "0", "300", 0, false});
    openProject();
    operations->projectRun = {{312, 0, 40}, 3, 1};
    child<QRadioButton>("fileRunMode")->click();
    platform->answerDialog("points.xy");
    platform->answerDialog("results.csv");
    child<QPushButton>("computeButton")->click();
    QCOMPARE(operations->calls.back(), std::string("solveProjectFile points.xy>results.csv"));
    QCOMPARE(platform->dialogsShown().back(), std::string("projectResultsDialog"));
    // A line without points is left out; the unassigned and ambiguous
    // points are always counted.
    QCOMPARE(status(), QString("Finished: 355 points: 主线 312, B匝道 40, unassigned 3, ambiguous 1"));
    QVERIFY(platform->errors().empty());

    // A file of no point writes nothing, and says so.
    operations->projectRun = {{0, 0, 0}, 0, 0};
    platform->answerDialog("empty.xy");
    platform->answerDialog("results.csv");
    child<QPushButton>("computeButton")->click();
    QCOMPARE(platform->errors().size(), std::size_t{1});
    QVERIFY(status().contains("empty.xy"));
}

void ProjectPaneTest::newProjectIsSavedRelativeToItsFolder()
{
    NewProjectDialog dialog(*platform, form->projectWorkflow(), form);
    dialog.findChild<QLineEdit*>("projectNameBox")->setText("  东环互通 ");
    ProjectLineEntry main;
    main.name = "主线";
    main.file = "/survey/lines/main.jdx";
    main.chainBreakFile = "/survey/lines/main.dl";
    main.profileFile = "/survey/main.profile";
    ProjectLineEntry ramp;
    ramp.name = "A匝道";
    ramp.kind = ProjectLineKind::Elements;
    ramp.file = "/other/ramp.ele";
    dialog.addLine(main);
    dialog.addLine(ramp);
    platform->answerDialog("/survey/east");
    dialog.findChild<QPushButton*>("saveNewProjectButton")->click();
    QCOMPARE(operations->calls.back(), std::string("createProject /survey/east.vomelproj"));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const ProjectFile& file = operations->createdFile;
    QCOMPARE(utf8(file.name), QString("东环互通"));
    QCOMPARE(file.lines.size(), std::size_t{2});
    QCOMPARE(utf8(file.lines[0].file), QString("lines/main.jdx"));
    QCOMPARE(utf8(file.lines[0].chainBreakFile), QString("lines/main.dl"));
    QCOMPARE(utf8(file.lines[0].profileFile), QString("main.profile"));
    QCOMPARE(utf8(file.lines[1].file), QString("../other/ramp.ele"));
    QCOMPARE(lines()->topLevelItemCount(), 2);
    QVERIFY(status().startsWith("Project saved as east.vomelproj: 2 lines. "));
}

void ProjectPaneTest::newProjectTakesTheLineInUse()
{
    NewProjectDialog dialog(*platform, form->projectWorkflow(), form);
    // Without a line initialised by hand there is nothing to take.
    dialog.findChild<QPushButton*>("addLineInUseButton")->click();
    QCOMPARE(platform->errors().size(), std::size_t{1});
    QCOMPARE(utf8(platform->errors()[0].text), QString(NO_LINE_INITIALISED));
    // Nor is a project of no line saved.
    dialog.findChild<QPushButton*>("saveNewProjectButton")->click();
    QCOMPARE(utf8(platform->errors().back().text), QString(PROJECT_WITHOUT_LINES));
    QVERIFY(platform->dialogsShown().empty());

    platform->answerDialog("/survey/east main.jdx");
    platform->answerDialog("/survey/east main.dl");
    child<QPushButton>("initialiseButton")->click();
    dialog.findChild<QPushButton*>("addLineInUseButton")->click();
    QCOMPARE(dialog.lines().size(), std::size_t{1});
    const ProjectLineEntry& line = dialog.lines()[0];
    QCOMPARE(utf8(line.name), QString("east main"));
    QCOMPARE(line.kind, ProjectLineKind::IntersectionPoint);
    QCOMPARE(utf8(line.file), QString("/survey/east main.jdx"));
    QCOMPARE(utf8(line.chainBreakFile), QString("/survey/east main.dl"));
    // Taken twice, it would give the project two lines of one name.
    dialog.findChild<QPushButton*>("addLineInUseButton")->click();
    QCOMPARE(dialog.lines().size(), std::size_t{1});
    QCOMPARE(utf8(platform->errors().back().text), QString(LINE_NAME_TAKEN));
    // A cancelled save keeps the dialog and its lines.
    dialog.findChild<QPushButton*>("saveNewProjectButton")->click();
    QCOMPARE(dialog.lines().size(), std::size_t{1});
    QVERIFY(operations->project() == nullptr);
}

void ProjectPaneTest::saveAddsTheExtension()
{
    openProject();
    platform->answerDialog("/elsewhere/copy");
    child<QPushButton>("saveProjectButton")->click();
    QCOMPARE(operations->calls.back(), std::string("saveProject /elsewhere/copy.vomelproj"));
    QCOMPARE(status(), QString("Project saved: copy.vomelproj"));
    platform->answerDialog("/elsewhere/copy.txt");
    child<QPushButton>("saveProjectButton")->click();
    QCOMPARE(operations->calls.back(), std::string("saveProject /elsewhere/copy.txt"));
    child<QPushButton>("closeProjectButton")->click();
    QCOMPARE(lines()->topLevelItemCount(), 0);
    // The line in use stays, no longer the project's.
    QCOMPARE(lineInUse(), QString("当前线路：主线"));
    QCOMPARE(status(), QString(PROJECT_CLOSED));
    QVERIFY(!child<QPushButton>("saveProjectButton")->isEnabled());
    QCOMPARE(child<QLabel>("projectHeading")->text(), QString(NO_PROJECT_OPEN));
}

void ProjectPaneTest::projectPaths_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("rebased");

    QTest::newRow("same folder") << "main.jdx"
                                 << "/a"
                                 << "/a"
                                 << "main.jdx";
    QTest::newRow("into a subfolder") << "main.jdx"
                                      << "/a"
                                      << "/a/b"
                                      << "../main.jdx";
    QTest::newRow("out of a subfolder") << "b/main.jdx"
                                        << "/a"
                                        << "/"
                                        << "a/b/main.jdx";
    QTest::newRow("sideways") << "../x/main.jdx"
                              << "/a/b"
                              << "/a/c"
                              << "../x/main.jdx";
    QTest::newRow("absolute stays") << "/data/main.jdx"
                                    << "/a"
                                    << "/data/sub"
                                    << "../main.jdx";
    QTest::newRow("dots folded") << "./b/../main.jdx"
                                 << "/a"
                                 << "/a"
                                 << "main.jdx";
}

void ProjectPaneTest::projectPaths()
{
    QFETCH(QString, path);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, rebased);

    ProjectFile file{"p", {ProjectLineEntry{}}};
    file.lines[0].file = path.toStdString();
    file.lines[0].profileFile = path.toStdString();
    const ProjectFile moved = rebasedProjectFile(file, from.toStdString(), to.toStdString());
    QCOMPARE(utf8(moved.lines[0].file), rebased);
    QCOMPARE(utf8(moved.lines[0].profileFile), rebased);
    // An absent file stays absent.
    QVERIFY(moved.lines[0].chainBreakFile.empty());
}

void ProjectPaneTest::lineDialogRefuses_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("problem");

    QTest::newRow("no name") << "  "
                             << "a.ele" << QString(LINE_NEEDS_NAME);
    QTest::newRow("name taken") << "主线"
                                << "a.ele" << QString(LINE_NAME_TAKEN);
    QTest::newRow("no file") << "A匝道"
                             << "" << QString(LINE_NEEDS_FILE);
    QTest::newRow("a line") << " A匝道 "
                            << "a.ele"
                            << "";
}

void ProjectPaneTest::lineDialogRefuses()
{
    QFETCH(QString, name);
    QFETCH(QString, file);
    QFETCH(QString, problem);

    ProjectLineDialog dialog(*platform, {"主线"});
    dialog.findChild<QLineEdit*>("lineNameBox")->setText(name);
    dialog.findChild<QLineEdit*>("lineFileBox")->setText(file);
    dialog.findChild<QPushButton*>("lineOkButton")->click();
    QCOMPARE(dialog.findChild<QLabel*>("lineProblem")->text(), problem);
    QCOMPARE(dialog.result() == QDialog::Accepted, problem.isEmpty());
    if (problem.isEmpty()) {
        QCOMPARE(utf8(dialog.line().name), QString("A匝道"));
        QCOMPARE(utf8(dialog.line().file), QString("a.ele"));
    }
}

void ProjectPaneTest::lineDialogFollowsTheFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("kind");

    QTest::newRow("JD file") << "/survey/主线.jdx" << int(ProjectLineKind::IntersectionPoint);
    QTest::newRow("element file") << "/survey/主线.ele" << int(ProjectLineKind::Elements);
    QTest::newRow("LandXML") << "/survey/主线.XML" << int(ProjectLineKind::LandXml);
    QTest::newRow("IFC") << "/survey/主线.ifc" << int(ProjectLineKind::Ifc);
    // A .txt file may be either: the kind chosen stays.
    QTest::newRow("text file") << "/survey/主线.txt" << int(ProjectLineKind::Elements);
}

void ProjectPaneTest::lineDialogFollowsTheFile()
{
    QFETCH(QString, file);
    QFETCH(int, kind);

    ProjectLineDialog dialog(*platform, {});
    dialog.findChild<QComboBox*>("lineKindBox")->setCurrentIndex(1);
    platform->answerDialog(file.toStdString());
    dialog.findChild<QPushButton*>("lineFileBoxBrowse")->click();
    QCOMPARE(platform->dialogsShown().back(), std::string("lineFileDialog"));
    QCOMPARE(int(dialog.line().kind), kind);
    QCOMPARE(utf8(dialog.line().file), file);
    QCOMPARE(utf8(dialog.line().name), QString("主线"));
    // A chain-break file chosen renames nothing.
    platform->answerDialog("/survey/other.dl");
    dialog.findChild<QPushButton*>("lineChainBreakBoxBrowse")->click();
    QCOMPARE(utf8(dialog.line().chainBreakFile), QString("/survey/other.dl"));
    QCOMPARE(utf8(dialog.line().name), QString("主线"));
}

void ProjectPaneTest::pointTipNamesItsLine_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("otherLine");
    QTest::addColumn<QString>("lastLine");

    QTest::newRow("on its line") << int(PlanPointGroup::Line) << 1 << "Line A匝道";
    QTest::newRow("unassigned") << int(PlanPointGroup::Unassigned) << 1 << QString(POINT_UNASSIGNED_TIP);
    QTest::newRow("ambiguous") << int(PlanPointGroup::Ambiguous) << 0 << "Line A匝道, as near as 主线";
    QTest::newRow("ambiguous on its line")
        << int(PlanPointGroup::Ambiguous) << 1 << "Line A匝道, as near to another part of it";
}

void ProjectPaneTest::pointTipNamesItsLine()
{
    QFETCH(int, group);
    QFETCH(int, otherLine);
    QFETCH(QString, lastLine);

    PlanScene scene;
    scene.projectLines = {{"主线", {}, {}, 0.0}, {"A匝道", {}, {}, 0.0}};
    PlanPoint point{
        "P1", {}, {}, "A30.000", 2.0, static_cast<PlanPointGroup>(group), 1, static_cast<std::size_t>(otherLine)};
    const QStringList tip = hoverText(point, scene).split('\n');
    // A point no line holds has no station nor offset: its label alone.
    QCOMPARE(tip.constFirst(), QString(group == int(PlanPointGroup::Unassigned) ? "P1" : "点号 P1"));
    QCOMPARE(tip.constLast(), lastLine);
    // A single line's scene shows no line.
    QCOMPARE(hoverText(point, PlanScene{}), hoverText(point));
}

void ProjectPaneTest::interchangeOnTheCore()
{
    CoreWindow core;
    core.open();
    QVERIFY2(core.platform.errors().empty(), firstError(core.platform));
    auto* list = core.child<QTreeWidget>("projectLines");
    QCOMPARE(list->topLevelItemCount(), 5);
    // Extent as stated stations (the station window where the file gives
    // one), chain breaks, profile.
    const QStringList rows[] = {{"主线", "JD table", "A10000 – B14555.446", "1", "yes"},
                                {"B匝道", "JD table", "A15 – B555", "1", "yes"},
                                {"C匝道", "LandXML", "0 – 547.500", "0", "yes"}};
    for (const QStringList& row : rows) {
        const QList<QTreeWidgetItem*> found = list->findItems(row[0], Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        for (int column = 1; column < 5; ++column) QCOMPARE(found[0]->text(column), row[column]);
    }

    // The plan view draws every line; it follows the line chosen.
    core.child<QPushButton>("PlanButton")->click();
    QVERIFY(core.plan() != nullptr);
    QCOMPARE(core.plan()->projectLines.size(), std::size_t{5});
    list->setCurrentItem(list->topLevelItem(2));
    QCOMPARE(core.operations.projectLineInUse(), std::optional<std::size_t>(2));
    const auto line = core.operations.currentLine();
    const auto loaded = loadProject(kInterchange + "interchange.vomelproj");
    QCOMPARE(line->endStation, loaded->lines[2].line->endStation);
    QCOMPARE(line->samples.sampleCount, loaded->lines[2].line->samples.sampleCount);
    QCOMPARE(core.plan()->lineInUse, std::size_t{2});
    QCOMPARE(core.plan()->line.size(), line->samples.sampleCount);

    // A view the user zoomed stays as it is while the line in use changes.
    auto* view = core.form.findChild<PlanWindow*>("PlanWindow")->view();
    view->zoomAt(QPointF(100, 100), 4.0);
    const double zoomed = view->viewport().scale();
    list->setCurrentItem(list->topLevelItem(3));
    QCOMPARE(core.plan()->lineInUse, std::size_t{3});
    QCOMPARE(view->viewport().scale(), zoomed);

    // B002 of the example, set out at A30 2 m left on B匝道, typed while the
    // main line is in use: B匝道 becomes the line in use.
    list->setCurrentItem(list->topLevelItem(0));
    core.type("3542769.7364", "513531.5885");
    QCOMPARE(core.child<QLineEdit>("stationEdit")->text(), QString("A30.000"));
    QCOMPARE(core.child<QLineEdit>("offsetEdit")->text(), QString("2.000"));
    QCOMPARE(core.child<QLabel>("answerLineLabel")->text(), QString("Line: B匝道"));
    QCOMPARE(list->indexOfTopLevelItem(list->currentItem()), 2);
    QCOMPARE(core.plan()->lineInUse, std::size_t{2});
    // U001 lies where no line holds it.
    core.type("3541565.8902", "512752.4918");
    QCOMPARE(core.child<QLabel>("statusLabel")->text(), QString(POINT_UNASSIGNED));
    QVERIFY(core.child<QLineEdit>("stationEdit")->text().isEmpty());
    QVERIFY(core.platform.errors().empty());
}

void ProjectPaneTest::interchangeRunAndSave()
{
    CoreWindow core;
    core.open();
    QTemporaryDir folder;
    const std::string results = folder.filePath("points.csv").toStdString();
    core.child<QRadioButton>("fileRunMode")->click();
    core.platform.answerDialog(kInterchange + "points.dat");
    core.platform.answerDialog(results);
    core.child<QPushButton>("computeButton")->click();
    QVERIFY2(core.platform.errors().empty(), firstError(core.platform));
    // Each line's points as the example's expected answers give them.
    const QString status = core.child<QLabel>("statusLabel")->text();
    QVERIFY2(status.startsWith("Finished: 375 points: 主线 173, A匝道 49, B匝道 50, C匝道 50, D匝道 50, "
                               "unassigned 3, ambiguous "),
             qPrintable(status));
    QFile csv(QString::fromStdString(results));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QVERIFY(csv.readLine().contains(",line,other_line"));
    // The plan view colours the run's points by line.
    core.child<QPushButton>("PlanButton")->click();
    QCOMPARE(core.plan()->points.size(), std::size_t{375});
    const auto unassigned = std::count_if(core.plan()->points.begin(), core.plan()->points.end(),
                                          [](const PlanPoint& p) { return p.group == PlanPointGroup::Unassigned; });
    QCOMPARE(unassigned, 3);

    // Saved in another folder, the project still names the same files.
    const std::string copy = folder.filePath("elsewhere/copy.vomelproj").toStdString();
    QVERIFY(QDir(folder.path()).mkdir("elsewhere"));
    core.platform.answerDialog(copy);
    core.child<QPushButton>("saveProjectButton")->click();
    QVERIFY(core.platform.errors().empty());
    const auto reloaded = loadProject(copy);
    QCOMPARE(reloaded->lines.size(), std::size_t{5});
    const auto original = loadProject(kInterchange + "interchange.vomelproj");
    for (std::size_t k = 0; k < original->lines.size(); ++k) {
        QCOMPARE(reloaded->lines[k].entry.name, original->lines[k].entry.name);
        QCOMPARE(reloaded->lines[k].line->endStation, original->lines[k].line->endStation);
        QCOMPARE(reloaded->lines[k].surface.profile != nullptr, original->lines[k].surface.profile != nullptr);
    }
}

void ProjectPaneTest::newProjectOnTheCore()
{
    const std::string data = std::string(VOMEL_TEST_DATA_DIR) + "/project/";
    CoreWindow core;
    core.form.show();
    core.child<QPushButton>("projectButton")->click();
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir("sub"));
    const QString saved = folder.filePath("sub/new.vomelproj");

    // A line whose file is missing: said, and nothing saved.
    {
        NewProjectDialog dialog(core.platform, core.form.projectWorkflow(), &core.form);
        ProjectLineEntry missing;
        missing.name = "主线";
        missing.file = data + "missing.jdx";
        dialog.addLine(missing);
        core.platform.answerDialog(saved.toStdString());
        dialog.save();
        QCOMPARE(core.platform.errors().size(), std::size_t{1});
        QCOMPARE(utf8(core.platform.errors()[0].text), QString(PROJECT_NOT_CREATED));
        QVERIFY(utf8(core.platform.errors()[0].detail).contains("missing.jdx"));
        QVERIFY(!QFile::exists(saved));
        QVERIFY(core.operations.project() == nullptr);
    }

    // The lines' files named from the new project's folder, and opened.
    NewProjectDialog dialog(core.platform, core.form.projectWorkflow(), &core.form);
    ProjectLineEntry main;
    main.name = "主线";
    main.file = data + "mainline.jdx";
    main.chainBreakFile = data + "mainline.dl";
    main.profileFile = data + "mainline.profile";
    ProjectLineEntry ramp;
    ramp.name = "A匝道";
    ramp.kind = ProjectLineKind::Elements;
    ramp.file = data + "ramp.ele";
    dialog.addLine(main);
    dialog.addLine(ramp);
    core.platform.answerDialog(saved.toStdString());
    dialog.save();
    QCOMPARE(core.platform.errors().size(), std::size_t{1});
    QVERIFY(QFile::exists(saved));
    const auto reloaded = loadProject(saved.toStdString());
    QCOMPARE(reloaded->lines.size(), std::size_t{2});
    QVERIFY(!QDir::isAbsolutePath(utf8(reloaded->lines[1].entry.file)));
    QCOMPARE(core.operations.projectLineInUse(), std::optional<std::size_t>(0));
    QCOMPARE(core.child<QTreeWidget>("projectLines")->topLevelItemCount(), 2);

    // The same lines with a maximum offset of 60 m, over a plain coordinate
    // file: the points the examples set beyond the lines' ends (6 of the
    // main line's, 4 of the ramp's) and the far point are held by neither,
    // as vomel-cli solve --project counts them.
    core.platform.answerDialog(data + "two_lines.vomelproj");
    core.child<QPushButton>("openProjectButton")->click();
    core.child<QRadioButton>("fileRunMode")->click();
    core.platform.answerDialog(data + "mixed.xy");
    core.platform.answerDialog(folder.filePath("mixed.csv").toStdString());
    core.child<QPushButton>("computeButton")->click();
    QCOMPARE(core.platform.errors().size(), std::size_t{1});
    QCOMPARE(core.child<QLabel>("statusLabel")->text(),
             QString("Finished: 62 points: 主线 24, A匝道 27, unassigned 11, ambiguous 0"));
}

QTEST_MAIN(ProjectPaneTest)
#include "project_pane_test.moc"
