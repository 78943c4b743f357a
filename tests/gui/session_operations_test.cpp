// The main window's workflow on the real core: the bundled lines are read
// through the (scripted) dialogs, typed points and coordinate files are
// solved, and malformed files give their messages without losing anything.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <QTemporaryDir>
#include <QtTest>

#include "session/run_messages.h"
#include "testing/malformed_cases.h"
#include "testing/scripted_platform.h"
#include "ui/session_operations.h"
#include "ui/window_messages.h"
#include "ui/workflow.h"

using namespace vomel;
using namespace vomel::ui;
using namespace vomel::drawing;
using namespace vomel::testing;

namespace {

std::string data(const char* name) { return std::string(VOMEL_TEST_DATA_DIR) + "/gui/" + name; }

std::vector<std::string> readLines(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

void writeFile(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

const std::string kEarlierResults = "an earlier run\r\n";

// A folder holding an earlier results file, a regular file and a folder.
struct FaultFolder {
    FaultFolder()
    {
        writeFile(path("kept.txt"), kEarlierResults);
        writeFile(path("plain"), "not a folder");
        std::filesystem::create_directory(path("sub"));
    }
    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
    std::vector<std::string> entries() const
    {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir.path().toStdString())) {
            names.push_back(e.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    QTemporaryDir dir;
};

const std::vector<std::string> kUntouched = {"kept.txt", "plain", "sub"};

// A workflow with the sound main line of the tests read, in file mode.
void initialiseSoundLine(ScriptedPlatform& platform, Workflow& workflow)
{
    workflow.selectCoordinateFile();
    platform.answerDialog(data("jd02_spiral_sym.jdx"));
    platform.answerDialog(data("jd02_spiral_sym.dl"));
    workflow.initialise();
}

std::string errorDetail(const ScriptedPlatform& platform)
{
    return platform.errors().empty() ? std::string("no error shown") : platform.errors()[0].detail;
}

}  // namespace

class SessionOperationsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(dir.isValid()); }
    void mainLineSingleAndFileRun();
    void elementLineHasNoChainBreakColumn();
    void landXmlInElementMethodCarriesChainBreaks();
    void landXmlCornerIsNotedAndAnswered();
    void malformedAlignmentKeepsPreviousLine_data();
    void malformedAlignmentKeepsPreviousLine();
    void malformedCoordinateFileWritesNothing_data();
    void malformedCoordinateFileWritesNothing();
    void cancelledSaveDialogWritesNothing();
    void cancelledRunKeepsResultsFile();
    void malformedCorpus_data();
    void malformedCorpus();
    void fileFaultsLoseNothing_data();
    void fileFaultsLoseNothing();

private:
    std::string temp(const char* name) const { return dir.filePath(name).toStdString(); }

    QTemporaryDir dir;
};

void SessionOperationsTest::mainLineSingleAndFileRun()
{
    ScriptedPlatform platform;
    SessionOperations operations;
    Workflow workflow(platform, operations);
    platform.answerDialog(data("jd02_spiral_sym.jdx"));
    platform.answerDialog(data("jd02_spiral_sym.dl"));
    workflow.initialise();
    QVERIFY2(platform.errors().empty(), platform.errors().empty() ? "" : platform.errors()[0].detail.c_str());
    QCOMPARE(platform.dialogsShown(), (std::vector<std::string>{"alignmentDialog", "chainBreakDialog"}));
    QCOMPARE(QString::fromStdString(workflow.state().status), QString(STATUS_SINGLE_READY));

    // P001 of the reference set: station 1771.4274065014 before the chain
    // break (letter A), offset 13.9158692017 to the left.
    workflow.compute("4674.7354", "1396.4025");
    QVERIFY(platform.errors().empty());
    QCOMPARE(workflow.state().station, std::string("A1771.427"));
    QCOMPARE(workflow.state().offset, std::string("13.916"));
    QCOMPARE(QString::fromStdString(workflow.state().status), QString(STATUS_FINISHED));

    workflow.selectCoordinateFile();
    const std::string results = temp("results.txt");
    platform.answerDialog(data("jd02_spiral_sym.xy"));
    platform.answerDialog(results);
    std::vector<std::string> progress;
    platform.setRepaintHook([&] { progress.push_back(workflow.state().status); });
    workflow.compute("", "");

    QVERIFY2(platform.errors().empty(), platform.errors().empty() ? "" : platform.errors()[0].detail.c_str());
    QCOMPARE(QString::fromStdString(workflow.state().status), QString::fromUtf8("反算结束：共 200 个点"));
    QVERIFY(!progress.empty());
    QCOMPARE(progress.front(), progressText(1, 200));
    const std::vector<std::string> lines = readLines(results);
    QCOMPARE(lines.size(), std::size_t{201});
    QVERIFY2(lines[1].rfind("P001 4674.7354  1396.4025 A 1771.4274", 0) == 0, lines[1].c_str());
    QVERIFY(lines[2].find(" B ") != std::string::npos);  // P002 lies after the break
}

void SessionOperationsTest::elementLineHasNoChainBreakColumn()
{
    ScriptedPlatform platform;
    SessionOperations operations;
    Workflow workflow(platform, operations);
    workflow.selectMethod(Method::Element);
    workflow.selectCoordinateFile();
    platform.answerDialog(data("ele01_basic.ele"));
    workflow.initialise();
    QVERIFY(platform.errors().empty());
    QCOMPARE(platform.dialogsShown(), std::vector<std::string>{"alignmentDialog"});

    const std::string results = temp("ele.txt");
    platform.answerDialog(data("ele01_basic.xy"));
    platform.answerDialog(results);
    workflow.compute("", "");
    QVERIFY(platform.errors().empty());
    const std::vector<std::string> lines = readLines(results);
    QCOMPARE(lines.size(), std::size_t{201});
    // Eight items: label, X, Y, station, offset, foot X, foot Y, elevation.
    std::istringstream first(lines[1]);
    std::vector<std::string> items;
    for (std::string item; first >> item;) items.push_back(item);
    QCOMPARE(items.size(), std::size_t{8});
    QCOMPARE(items[0], std::string("P001"));
    QVERIFY(items[3].rfind("71.330", 0) == 0);
}

void SessionOperationsTest::landXmlInElementMethodCarriesChainBreaks()
{
    // The alignment file of the element method may be LandXML, whatever its
    // name: its station equation (400 -> 420) gives the results file letters.
    const std::string renamed = temp("ramp.txt");
    writeFile(renamed, readFile(std::string(VOMEL_EXAMPLES_DIR) + "/ramp.xml"));
    ScriptedPlatform platform;
    SessionOperations operations;
    Workflow workflow(platform, operations);
    workflow.selectMethod(Method::Element);
    platform.answerDialog(renamed);
    workflow.initialise();
    QVERIFY2(platform.errors().empty(), platform.errors().empty() ? "" : platform.errors()[0].detail.c_str());
    QCOMPARE(platform.dialogsShown(), std::vector<std::string>{"alignmentDialog"});

    workflow.compute("3512575.7876453409", "501601.33243580029");  // the line at station 450 (its foot to 1e-9 m)
    QCOMPARE(workflow.state().station, std::string("B470.000"));
    QCOMPARE(workflow.state().offset, std::string("0.000"));

    workflow.selectCoordinateFile();
    const std::string results = temp("ramp_results.txt");
    platform.answerDialog(std::string(VOMEL_EXAMPLES_DIR) + "/ramp.xy");
    platform.answerDialog(results);
    workflow.compute("", "");
    QVERIFY2(platform.errors().empty(), platform.errors().empty() ? "" : platform.errors()[0].detail.c_str());
    const std::vector<std::string> lines = readLines(results);
    QVERIFY(lines.size() > 2);
    bool sawA = false;
    bool sawB = false;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        sawA = sawA || lines[i].find(" A ") != std::string::npos;
        sawB = sawB || lines[i].find(" B ") != std::string::npos;
    }
    QVERIFY(sawA && sawB);
}

void SessionOperationsTest::landXmlCornerIsNotedAndAnswered()
{
    // Two lines meeting at 90° at station 100: the import says so in the
    // status line, and a point outside the corner is answered by it.
    const std::string path = temp("corner.xml");
    writeFile(path, "<LandXML>\n<Alignments>\n<Alignment name=\"A\">\n<CoordGeom>\n"
                    "<Line><Start>0 0</Start><End>100 0</End></Line>\n"
                    "<Line><Start>100 0</Start><End>100 100</End></Line>\n"
                    "</CoordGeom>\n</Alignment>\n</Alignments>\n</LandXML>\n");
    ScriptedPlatform platform;
    SessionOperations operations;
    Workflow workflow(platform, operations);
    workflow.selectMethod(Method::Element);
    platform.answerDialog(path);
    workflow.initialise();
    QVERIFY2(platform.errors().empty(), platform.errors().empty() ? "" : platform.errors()[0].detail.c_str());
    QVERIFY2(workflow.state().status.find("导入提示：alignment \"A\": elements 1 and 2 meet at station 100.0000 at "
                                          "an angle of 90.000000°") != std::string::npos,
             workflow.state().status.c_str());

    workflow.compute("103", "-4");  // beyond the first line's end, short of the second's start
    QCOMPARE(workflow.state().station, std::string("100"));
    QCOMPARE(workflow.state().offset, std::string("5.000"));
    QCOMPARE(workflow.state().status, std::string("反算结束：点在线路转角外侧，垂足取转角点"));
    workflow.compute("50", "3");  // beside the first line: an ordinary foot
    QCOMPARE(workflow.state().station, std::string("50"));
    QCOMPARE(workflow.state().offset, std::string("-3.000"));
}

void SessionOperationsTest::malformedAlignmentKeepsPreviousLine_data()
{
    QTest::addColumn<QString>("jd");
    QTest::addColumn<QString>("chainBreaks");
    QTest::newRow("non-numeric start station") << "START,abc\r\nQD\r\n0 0 0 0 0\r\n"
                                               << "";
    QTest::newRow("data line missing after a name") << "START,0\r\nQD\r\n"
                                                    << "";
    QTest::newRow("no records") << "START,0\r\n"
                                << "";
    QTest::newRow("malformed chain-break file") << ""
                                                << "2600 x\r\n";
}

void SessionOperationsTest::malformedAlignmentKeepsPreviousLine()
{
    QFETCH(QString, jd);
    QFETCH(QString, chainBreaks);

    ScriptedPlatform platform;
    SessionOperations operations;
    Workflow workflow(platform, operations);
    platform.answerDialog(data("jd02_spiral_sym.jdx"));
    platform.answerDialog(data("jd02_spiral_sym.dl"));
    workflow.initialise();
    workflow.compute("4674.7354", "1396.4025");
    const WindowState before = workflow.state();
    QCOMPARE(before.station, std::string("A1771.427"));

    const std::string badJd = temp("bad.jdx");
    const std::string badDl = temp("bad.dl");
    writeFile(badJd, jd.toStdString());
    writeFile(badDl, chainBreaks.toStdString());
    platform.answerDialog(jd.isEmpty() ? data("jd02_spiral_sym.jdx") : badJd);
    platform.answerDialog(chainBreaks.isEmpty() ? data("jd02_spiral_sym.dl") : badDl);
    workflow.initialise();

    QCOMPARE(platform.errors().size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(platform.errors()[0].text), QString(MSG_INIT_FORMAT));
    const std::string badFile = jd.isEmpty() ? badDl : badJd;
    QVERIFY2(platform.errors()[0].detail.find(badFile) != std::string::npos, platform.errors()[0].detail.c_str());
    // The status line names the line still in use.
    QCOMPARE(workflow.state().status, fillPlaces(STATUS_INIT_KEPT_LINE, {before.line}));
    QCOMPARE(workflow.state().line, before.line);

    // The previous line still answers the same.
    workflow.compute("4674.7354", "1396.4025");
    QCOMPARE(platform.errors().size(), std::size_t{1});
    QCOMPARE(workflow.state().station, before.station);
    QCOMPARE(workflow.state().offset, before.offset);
}

void SessionOperationsTest::malformedCoordinateFileWritesNothing_data()
{
    QTest::addColumn<QString>("coordinates");
    QTest::addColumn<QString>("message");
    const QString format = MSG_COMPUTE_FORMAT;
    QTest::newRow("two fields") << "P1 4674.7354 1396.4025\r\nP2 4674.7354\r\n" << format;
    QTest::newRow("non-numeric X") << "P1 4674.7x54 1396.4025\r\n" << format;
    // No point read: said so, and no results file is made or replaced.
    const QString noPoint = QString::fromUtf8("没有读到任何点：bad.xy 是空文件或第一行为空，结果文件未写入");
    QTest::newRow("empty") << "" << noPoint;
    QTest::newRow("blank lines only") << " \t\r\n\r\n   " << noPoint;
    QTest::newRow("blank first line") << "\r\nP1 4674.7354 1396.4025\r\n" << noPoint;
}

void SessionOperationsTest::malformedCoordinateFileWritesNothing()
{
    QFETCH(QString, coordinates);
    QFETCH(QString, message);

    ScriptedPlatform platform;
    SessionOperations operations;
    Workflow workflow(platform, operations);
    initialiseSoundLine(platform, workflow);

    const std::string points = temp("bad.xy");
    const std::string results = temp("kept.txt");
    writeFile(points, coordinates.toStdString());
    writeFile(results, "an earlier run\r\n");
    platform.answerDialog(points);
    platform.answerDialog(results);
    workflow.compute("", "");

    QCOMPARE(platform.errors().size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(platform.errors()[0].text), message);
    if (message == MSG_COMPUTE_FORMAT) {
        QVERIFY2(platform.errors()[0].detail.find(points) != std::string::npos, platform.errors()[0].detail.c_str());
    } else {
        QCOMPARE(QString::fromStdString(workflow.state().status), message);
    }
    QCOMPARE(readFile(results), std::string("an earlier run\r\n"));

    // Nor is a results file left where there was none.
    const std::string fresh = temp("fresh.txt");
    platform.answerDialog(points);
    platform.answerDialog(fresh);
    workflow.compute("", "");
    QCOMPARE(platform.errors().size(), std::size_t{2});
    QVERIFY(!std::filesystem::exists(fresh));
}

void SessionOperationsTest::cancelledSaveDialogWritesNothing()
{
    ScriptedPlatform platform;
    SessionOperations operations;
    Workflow workflow(platform, operations);
    initialiseSoundLine(platform, workflow);

    const int repaintsBefore = platform.repaintCount();
    platform.answerDialog(data("jd02_spiral_sym.xy"));
    platform.answerDialog(std::nullopt);
    workflow.compute("", "");
    QCOMPARE(platform.errors().size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(platform.errors()[0].text), QString(MSG_READ_CANCELLED));
    QCOMPARE(platform.repaintCount(), repaintsBefore);  // no point was solved
    QCOMPARE(QString::fromStdString(workflow.state().status), QString(STATUS_FILE_READY));
}

// The operations with a hook before every progress report of a file run.
class HookedOperations : public SessionOperations {
public:
    std::function<void(long i)> beforeReport;

    FileRunSummary solveCoordinateFile(const std::string& coordinatePath, const std::string& resultsPath,
                                       const PointProgress& progress) override
    {
        return SessionOperations::solveCoordinateFile(coordinatePath, resultsPath, [&](long i, long count) {
            if (beforeReport) beforeReport(i);
            progress(i, count);
        });
    }
};

void SessionOperationsTest::cancelledRunKeepsResultsFile()
{
    ScriptedPlatform platform;
    HookedOperations operations;
    Workflow workflow(platform, operations);
    initialiseSoundLine(platform, workflow);

    QTemporaryDir folder;
    const QString results = folder.filePath("kept.txt");
    const QByteArray before = "results of an earlier run\r\n";
    {
        QFile file(results);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    long reports = 0;
    operations.beforeReport = [&](long i) {
        ++reports;
        if (i == 1) workflow.cancelRun();
    };
    platform.answerDialog(data("jd02_spiral_sym.xy"));
    platform.answerDialog(results.toStdString());
    workflow.compute("", "");

    QCOMPARE(reports, 1L);
    QVERIFY(platform.errors().empty());
    QCOMPARE(QString::fromStdString(workflow.state().status), QString::fromUtf8(STATUS_RUN_CANCELLED));
    QFile file(results);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"kept.txt"});
}

std::vector<vomel::testing::malformed::Case> corpus()
{
    return vomel::testing::malformed::readCases(std::string(VOMEL_TEST_DATA_DIR) + "/malformed");
}

// The corpus files the main window reads: the line, its chain breaks and the
// coordinate file (the design files have their own windows).
bool readByTheMainWindow(vomel::testing::malformed::Kind kind)
{
    return kind == vomel::testing::malformed::Kind::IntersectionPoint ||
           kind == vomel::testing::malformed::Kind::ChainBreak || kind == vomel::testing::malformed::Kind::Element ||
           kind == vomel::testing::malformed::Kind::Coordinates;
}

void SessionOperationsTest::malformedCorpus_data()
{
    QTest::addColumn<int>("index");
    const auto cases = corpus();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        if (readByTheMainWindow(cases[i].kind)) QTest::newRow(cases[i].file.c_str()) << static_cast<int>(i);
    }
}

// Every file of the malformed corpus through the window: the operation's
// message, the exact file, line and reason, the earlier results file kept.
void SessionOperationsTest::malformedCorpus()
{
    QFETCH(int, index);
    const vomel::testing::malformed::Case c = corpus().at(static_cast<std::size_t>(index));
    const std::string path = std::string(VOMEL_TEST_DATA_DIR) + "/malformed/" + c.file;
    const std::string detail = vomel::testing::malformed::detailOf(path, c.line, c.reason);

    FaultFolder folder;
    ScriptedPlatform platform;
    SessionOperations operations;
    Workflow workflow(platform, operations);
    const char* message = MSG_INIT_FORMAT;
    switch (c.kind) {
    case vomel::testing::malformed::Kind::IntersectionPoint:
        platform.answerDialog(path);
        platform.answerDialog(data("jd02_spiral_sym.dl"));
        workflow.initialise();
        break;
    case vomel::testing::malformed::Kind::ChainBreak:
        platform.answerDialog(data("jd02_spiral_sym.jdx"));
        platform.answerDialog(path);
        workflow.initialise();
        break;
    case vomel::testing::malformed::Kind::Element:
        workflow.selectMethod(Method::Element);
        platform.answerDialog(path);
        workflow.initialise();
        break;
    case vomel::testing::malformed::Kind::Coordinates:
        initialiseSoundLine(platform, workflow);
        QVERIFY2(platform.errors().empty(), errorDetail(platform).c_str());
        platform.answerDialog(path);
        platform.answerDialog(folder.path("kept.txt"));
        workflow.compute("", "");
        message = MSG_COMPUTE_FORMAT;
        break;
    case vomel::testing::malformed::Kind::Profile:
    case vomel::testing::malformed::Kind::CrossFall:
    case vomel::testing::malformed::Kind::CassPoints:
    case vomel::testing::malformed::Kind::LandXml: QFAIL("not a file the main window reads");
    }

    QCOMPARE(platform.errors().size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(platform.errors()[0].text), QString(message));
    QCOMPARE(QString::fromStdString(platform.errors()[0].detail), QString::fromStdString(detail));
    QCOMPARE(readFile(folder.path("kept.txt")), kEarlierResults);
    QCOMPARE(folder.entries(), kUntouched);
    QVERIFY(workflow.state().station.find("nan") == std::string::npos);
    QVERIFY(workflow.state().offset.find("nan") == std::string::npos);
}

void SessionOperationsTest::fileFaultsLoseNothing_data()
{
    QTest::addColumn<QString>("coordinates");  // "@NAME": NAME in the fault folder
    QTest::addColumn<QString>("results");
    QTest::addColumn<QString>("reason");  // after "PATH: "
    const QString points = QString::fromStdString(data("jd02_spiral_sym.xy"));
    QTest::newRow("destination under a regular file") << points << "@plain/out.txt"
                                                      << "cannot reach the results file: Not a directory";
    QTest::newRow("destination in /proc") << points << "/proc/vomel-results.txt"
                                          << "cannot create a file in the folder /proc: No such file or directory";
    QTest::newRow("destination is a folder") << points << "@sub"
                                             << "the results file is a folder: Is a directory";
    QTest::newRow("destination is a full device") << points << "/dev/full"
                                                  << "cannot write the results file: No space left on device";
    QTest::newRow("coordinate file is a folder") << "@sub"
                                                 << "@kept.txt"
                                                 << "cannot read the file: it is a folder";
    QTest::newRow("coordinate file is missing") << "@none.xy"
                                                << "@kept.txt"
                                                << "cannot open the file: No such file or directory";
}

// Destinations and inputs that the file system refuses, even to root: the
// message names the file and the reason; the earlier results file is kept
// and no temporary file is left beside it.
void SessionOperationsTest::fileFaultsLoseNothing()
{
    QFETCH(QString, coordinates);
    QFETCH(QString, results);
    QFETCH(QString, reason);
    FaultFolder folder;
    const auto resolve = [&folder](const QString& name) {
        return name.startsWith('@') ? folder.path(name.mid(1).toStdString().c_str()) : name.toStdString();
    };
    const std::string coordinatePath = resolve(coordinates);
    const std::string resultsPath = resolve(results);
    const std::string failing = coordinates.startsWith('@') ? coordinatePath : resultsPath;

    ScriptedPlatform platform;
    SessionOperations operations;
    Workflow workflow(platform, operations);
    initialiseSoundLine(platform, workflow);
    QVERIFY2(platform.errors().empty(), errorDetail(platform).c_str());
    platform.answerDialog(coordinatePath);
    platform.answerDialog(resultsPath);
    workflow.compute("", "");

    QCOMPARE(platform.errors().size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(platform.errors()[0].text), QString(MSG_COMPUTE_FORMAT));
    QCOMPARE(QString::fromStdString(platform.errors()[0].detail), QString::fromStdString(failing + ": ") + reason);
    QCOMPARE(readFile(folder.path("kept.txt")), kEarlierResults);
    QCOMPARE(folder.entries(), kUntouched);
}

QTEST_GUILESS_MAIN(SessionOperationsTest)
#include "session_operations_test.moc"
