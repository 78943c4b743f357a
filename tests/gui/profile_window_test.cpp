// The 纵断面 window: the vertical-curve table of a loaded profile, the
// drawing's grade points, curve ends and design line where the profile puts
// them, the surveyed points of a file run against the design surface, a
// malformed file refused with its line while the loaded profile stays, and
// the button that opens the window.
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "alignment/design_surface.h"
#include "alignment/vertical_curve_table.h"
#include "drawing/profile_scene.h"
#include "drawing/profile_viewport.h"
#include "formats/profile_file.h"
#include "gui/main_window.h"
#include "gui/profile_view.h"
#include "gui/profile_window.h"
#include "session/session.h"
#include "testing/scripted_platform.h"
#include "ui/session_operations.h"

using namespace vomel;
using namespace vomel::gui;
using namespace vomel::ui;
using namespace vomel::drawing;
using namespace vomel::testing;

namespace {

// Elevations computed twice the same way agree to rounding, metres.
constexpr double ELEVATION_TOLERANCE = 1e-9;
// Stations of ticks, metres; screen positions, pixels.
constexpr double STATION_TOLERANCE = 1e-6;
constexpr double PIXEL_TOLERANCE = 1e-9;
// A design elevation differs from the centre line's when the cross-fall
// is applied, by more than this (metres).
constexpr double CROSS_FALL_SEEN = 1e-6;

std::string example(const char* name) { return std::string(VOMEL_EXAMPLES_DIR) + "/" + name; }
std::string malformed(const char* name) { return std::string(VOMEL_TEST_DATA_DIR) + "/malformed/" + name; }

std::shared_ptr<const PreparedLine> mainLine()
{
    return initialiseAlignment(Method::IntersectionPoint, example("mainline.jdx"), example("mainline.dl"));
}

// The table's cells as the window shows them.
std::vector<std::vector<std::string>> shownRows(const QTableWidget& table)
{
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < table.rowCount(); ++r) {
        rows.emplace_back();
        for (int c = 0; c < table.columnCount(); ++c) rows.back().push_back(table.item(r, c)->text().toStdString());
    }
    return rows;
}

}  // namespace

class ProfileWindowTest : public QObject {
    Q_OBJECT

private slots:
    void examplesFillTheVerticalCurveTable();
    void sceneMarksWhereTheProfileSays();
    void viewportFitsWithARoundExaggeration_data();
    void viewportFitsWithARoundExaggeration();
    void stationTicksFollowTheChains();
    void fileRunPointsAgainstTheDesignSurface();
    void malformedFilesKeepTheLoadedProfile_data();
    void malformedFilesKeepTheLoadedProfile();
    void followsTheMainWindowsLine();
};

void ProfileWindowTest::examplesFillTheVerticalCurveTable()
{
    ScriptedPlatform platform;
    const auto line = mainLine();
    ProfileWindow window(platform);
    window.setLine(line, nullptr);
    QCOMPARE(window.table()->rowCount(), 0);
    QVERIFY(window.view()->scene() == nullptr);

    platform.answerDialog(example("mainline.profile"));
    window.findChild<QPushButton*>("loadProfileButton")->click();
    platform.answerDialog(example("mainline.crossfall"));
    window.findChild<QPushButton*>("loadCrossFallButton")->click();
    QVERIFY2(platform.errors().empty(), platform.errors().empty() ? "" : platform.errors()[0].detail.c_str());
    QCOMPARE(platform.dialogsShown(), (std::vector<std::string>{"ProfileDialog", "CrossFallDialog"}));

    const CurveTable expected =
        verticalCurveTable(*loadProfile(example("mainline.profile"), line->chainBreaks()), line->chainBreaks());
    QCOMPARE(window.table()->columnCount(), static_cast<int>(expected.columns.size()));
    QCOMPARE(window.table()->horizontalHeaderItem(1)->text(), QString::fromUtf8("桩号"));
    // The same cells, crest and sag in Chinese.
    std::vector<std::vector<std::string>> rows = expected.rows;
    for (auto& row : rows) {
        for (auto& cell : row) {
            if (cell == "crest") cell = "凸";
            if (cell == "sag") cell = "凹";
        }
    }
    QCOMPARE(shownRows(*window.table()), rows);
    // Stations after the chain breaks keep their letters: BK14+450 is the 4th point.
    QCOMPARE(window.table()->item(3, 1)->text(), QStringLiteral("B14450.000"));
    QVERIFY(window.statusText().contains(QStringLiteral("mainline.profile")));
    QVERIFY(window.statusText().contains(QStringLiteral("mainline.crossfall")));
    QVERIFY(window.view()->scene() != nullptr);
}

void ProfileWindowTest::sceneMarksWhereTheProfileSays()
{
    // K5+030 at 427.68 m between +5 % and -4 %, R = 2000 m: T = 90 m, the
    // curve from K4+940 to K5+120; a point without a curve at K5+300.
    const auto profile = std::make_shared<const VerticalProfile>(std::vector<GradePoint>{
        {4800.0, 416.18, 0.0, 1}, {5030.0, 427.68, 2000.0, 2}, {5300.0, 416.88, 0.0, 3}, {5500.0, 418.88, 0.0, 4}});
    const ProfileScene scene = makeProfileScene({profile, nullptr}, ChainBreaks{});

    QCOMPARE(scene.gradePoints.size(), std::size_t{4});
    for (std::size_t k = 0; k < 4; ++k) {
        QCOMPARE(scene.gradePoints[k].station, profile->gradePoints()[k].station);
        QCOMPARE(scene.gradePoints[k].elevation, profile->gradePoints()[k].elevation);
    }
    QCOMPARE(scene.gradePoints[1].stationText, std::string("K5+030.000"));
    QCOMPARE(scene.gradePoints[1].radius, 2000.0);

    // Only the curved point has ends, on its tangents.
    QCOMPARE(scene.curveEnds.size(), std::size_t{2});
    QVERIFY(scene.curveEnds[0].start && !scene.curveEnds[1].start);
    QCOMPARE(scene.curveEnds[0].gradePoint, std::size_t{1});
    QVERIFY(std::abs(scene.curveEnds[0].station - 4940.0) < ELEVATION_TOLERANCE);
    QVERIFY(std::abs(scene.curveEnds[1].station - 5120.0) < ELEVATION_TOLERANCE);
    QVERIFY(std::abs(scene.curveEnds[0].elevation - (427.68 - 0.05 * 90.0)) < ELEVATION_TOLERANCE);
    QVERIFY(std::abs(scene.curveEnds[1].elevation - (427.68 - 0.04 * 90.0)) < ELEVATION_TOLERANCE);

    // The design line runs from the first to the last point, ascending,
    // on the profile, through both curve ends, and 1 m apart on the curve.
    QCOMPARE(scene.design.front().station, 4800.0);
    QCOMPARE(scene.design.back().station, 5500.0);
    std::size_t onCurve = 0;
    for (std::size_t i = 0; i < scene.design.size(); ++i) {
        const ProfileSample& sample = scene.design[i];
        QVERIFY(std::abs(sample.elevation - profile->elevationAt(sample.station)) < ELEVATION_TOLERANCE);
        if (i > 0) QVERIFY(sample.station > scene.design[i - 1].station);
        if (sample.station >= 4940.0 - ELEVATION_TOLERANCE && sample.station <= 5120.0 + ELEVATION_TOLERANCE) ++onCurve;
    }
    QCOMPARE(onCurve, std::size_t{181});
    // The extent holds the grade point above the crest.
    QCOMPARE(scene.maxElevation, 427.68);
    QCOMPARE(scene.minElevation, 416.18);
}

void ProfileWindowTest::viewportFitsWithARoundExaggeration_data()
{
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("rise");
    QTest::addColumn<double>("exaggeration");
    // Plot 1000 x 500 px: 9 km and 60 m fit 75 times steeper: 50.
    QTest::newRow("long road") << 9000.0 << 60.0 << 50.0;
    QTest::newRow("exactly twice") << 1000.0 << 250.0 << 2.0;
    QTest::newRow("to scale when too tall") << 100.0 << 400.0 << 1.0;
    QTest::newRow("level: capped") << 10000.0 << 0.0 << PROFILE_MAX_EXAGGERATION;
}

void ProfileWindowTest::viewportFitsWithARoundExaggeration()
{
    QFETCH(double, length);
    QFETCH(double, rise);
    QFETCH(double, exaggeration);
    ProfileScene scene;
    scene.minStation = 1000.0;
    scene.maxStation = 1000.0 + length;
    scene.minElevation = 200.0;
    scene.maxElevation = 200.0 + rise;
    ProfileViewport view;
    view.fit(scene, {70.0, 30.0, 1000.0, 500.0});
    QCOMPARE(view.exaggeration(), exaggeration);
    QCOMPARE(view.verticalScale(), view.horizontalScale() * exaggeration);
    // Everything inside the plot, elevation up, centred.
    const ScreenPoint low = view.toScreen(scene.minStation, scene.minElevation);
    const ScreenPoint high = view.toScreen(scene.maxStation, scene.maxElevation);
    QVERIFY(low.x >= 70.0 - PIXEL_TOLERANCE && high.x <= 1070.0 + PIXEL_TOLERANCE);
    QVERIFY(high.y >= 30.0 - PIXEL_TOLERANCE && low.y <= 530.0 + PIXEL_TOLERANCE);
    QVERIFY(high.y <= low.y);
    QVERIFY(std::abs((low.y + high.y) / 2.0 - 280.0) < PIXEL_TOLERANCE);
    QVERIFY(std::abs(view.stationAt(low.x) - scene.minStation) < PIXEL_TOLERANCE);
    QVERIFY(std::abs(view.elevationAt(high.y) - scene.maxElevation) < PIXEL_TOLERANCE);
}

void ProfileWindowTest::stationTicksFollowTheChains()
{
    // The example line: 14500 back is 14400 ahead (a long chain: B14500 is
    // at 14600), 18200 back is 18235.62 ahead (a short chain: C18500 is at
    // 18564.38).
    const auto line = mainLine();
    const auto ticks = stationTicks(line->chainBreaks(), 14000.0, 18600.0, 500.0);
    std::vector<std::string> texts;
    for (const auto& tick : ticks) {
        texts.push_back(tick.text);
        const StatedStation stated = chainStationLetter(line->chainBreaks(), tick.station);
        QVERIFY(std::abs(stated.stated - std::round(stated.stated / 500.0) * 500.0) < STATION_TOLERANCE);
    }
    QCOMPARE(texts, (std::vector<std::string>{"AK14+000", "AK14+500", "BK14+500", "BK15+000", "BK15+500", "BK16+000",
                                              "BK16+500", "BK17+000", "BK17+500", "BK18+000", "CK18+500"}));
    QVERIFY(std::abs(ticks[2].station - 14600.0) < STATION_TOLERANCE);
    QVERIFY(std::abs(ticks.back().station - 18564.38) < STATION_TOLERANCE);
    QCOMPARE(roundStep(0.7), 1.0);
    QCOMPARE(roundStep(130.0), 200.0);
    QCOMPARE(roundStep(500.0), 500.0);
}

void ProfileWindowTest::fileRunPointsAgainstTheDesignSurface()
{
    QTemporaryDir dir;
    ScriptedPlatform platform;
    SessionOperations operations;
    MainWindow form(platform, operations);
    auto* button = form.findChild<QPushButton*>("profileButton");
    QVERIFY(button != nullptr && !button->isEnabled());
    platform.answerDialog(example("mainline.jdx"));
    platform.answerDialog(example("mainline.dl"));
    form.findChild<QPushButton*>("initialiseButton")->click();
    QVERIFY(button->isEnabled());

    // The window opened before the run follows it.
    button->click();
    auto* window = form.findChild<ProfileWindow*>("ProfileWindow");
    QVERIFY(window != nullptr && window->isVisible());
    platform.answerDialog(example("mainline.profile"));
    window->findChild<QPushButton*>("loadProfileButton")->click();
    platform.answerDialog(example("mainline.crossfall"));
    window->findChild<QPushButton*>("loadCrossFallButton")->click();
    QVERIFY(window->view()->scene()->points.empty());

    form.findChild<QRadioButton*>("fileRunMode")->click();
    platform.answerDialog(example("mainline.xy"));
    platform.answerDialog(dir.filePath("results.txt").toStdString());
    form.findChild<QPushButton*>("computeButton")->click();
    QVERIFY2(platform.errors().empty(), platform.errors().empty() ? "" : platform.errors()[0].detail.c_str());

    // Every point of the file with an elevation and a station on the
    // profile, with the design elevation at its own station and offset.
    const auto line = operations.currentLine();
    const DesignSurface surface{loadProfile(example("mainline.profile"), line->chainBreaks()),
                                loadCrossFall(example("mainline.crossfall"), line->chainBreaks())};
    std::ifstream in(example("mainline.xy"), std::ios::binary);
    std::map<std::string, double> expected;  // label: design elevation
    std::size_t withoutElevation = 0;
    std::size_t outside = 0;
    for (std::string text; std::getline(in, text) && !text.empty();) {
        std::istringstream fields(text);
        std::string label;
        double x = 0.0;
        double y = 0.0;
        double z = 0.0;
        fields >> label >> x >> y;
        if (!(fields >> z)) {
            ++withoutElevation;
            continue;
        }
        const Solution solution = line->solve(x, y);
        const auto design = surface.elevationAt(solution.station, solution.offset);
        if (!design) {
            ++outside;
            continue;
        }
        expected[label] = *design;
    }
    const ProfileScene* scene = window->view()->scene();
    QVERIFY(scene != nullptr);
    QVERIFY(!expected.empty());
    QCOMPARE(scene->points.size(), expected.size());
    QCOMPARE(scene->pointsWithoutElevation, withoutElevation);
    QCOMPARE(scene->pointsOutsideProfile, outside);
    bool anyOffset = false;
    for (const ProfilePoint& point : scene->points) {
        QVERIFY(expected.count(point.label) == 1);
        QVERIFY(std::abs(point.designElevation - expected[point.label]) < ELEVATION_TOLERANCE);
        // The cross-fall counts: off the centre line the design differs from the profile.
        if (std::abs(point.offset) > 1.0) {
            anyOffset = true;
            QVERIFY(std::abs(point.designElevation - surface.profile->elevationAt(point.station)) > CROSS_FALL_SEEN);
        }
        QVERIFY(point.elevation >= scene->minElevation && point.elevation <= scene->maxElevation);
    }
    QVERIFY(anyOffset);
    QVERIFY(window->statusText().contains(QString::number(expected.size())));

    // Hovering a drawn point names it.
    window->resize(1000, 720);
    QApplication::processEvents();
    const ProfilePoint& first = scene->points.front();
    const ScreenPoint at = window->view()->viewport().toScreen(first.station, first.elevation);
    const QPoint pixel(static_cast<int>(std::lround(at.x)), static_cast<int>(std::lround(at.y)));
    const auto hovered = window->view()->pointAt(pixel);
    QVERIFY(hovered.has_value());
    QVERIFY(window->view()->hoverText(scene->points[*hovered]).contains(QString::fromUtf8("设计高程")));
    QVERIFY(!window->view()->render().isNull());
}

void ProfileWindowTest::malformedFilesKeepTheLoadedProfile_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("where");
    QTest::newRow("negative radius") << "loadProfileButton"
                                     << "profile_negative_radius.profile"
                                     << "profile_negative_radius.profile:2:";
    QTest::newRow("out of order") << "loadProfileButton"
                                  << "profile_stations_out_of_order.profile"
                                  << "profile_stations_out_of_order.profile:3:";
    QTest::newRow("cross-fall with two fields") << "loadCrossFallButton"
                                                << "crossfall_two_fields.crossfall"
                                                << "crossfall_two_fields.crossfall:2:";
}

void ProfileWindowTest::malformedFilesKeepTheLoadedProfile()
{
    QFETCH(QString, button);
    QFETCH(QString, file);
    QFETCH(QString, where);
    ScriptedPlatform platform;
    ProfileWindow window(platform);
    window.setLine(mainLine(), nullptr);
    platform.answerDialog(example("mainline.profile"));
    window.findChild<QPushButton*>("loadProfileButton")->click();
    const VerticalProfile* before = window.profile();
    const auto rows = shownRows(*window.table());
    const QString status = window.statusText();
    const ProfileScene* scene = window.view()->scene();

    platform.answerDialog(malformed(file.toStdString().c_str()));
    window.findChild<QPushButton*>(button)->click();
    QCOMPARE(platform.errors().size(), std::size_t{1});
    QCOMPARE(platform.errors()[0].text, std::string("数据文件格式有误！"));
    QVERIFY2(QString::fromStdString(platform.errors()[0].detail).contains(where), platform.errors()[0].detail.c_str());
    QCOMPARE(window.profile(), before);
    QCOMPARE(shownRows(*window.table()), rows);
    QCOMPARE(window.statusText(), status);
    QCOMPARE(window.view()->scene(), scene);

    // A cancelled dialog changes nothing and says nothing.
    platform.answerDialog(std::nullopt);
    window.findChild<QPushButton*>(button)->click();
    QCOMPARE(platform.errors().size(), std::size_t{1});
    QCOMPARE(window.profile(), before);
}

// A new line in the main window: the readout and the points go, the
// profile is read again quietly and, where it does not fit the line, the
// window says so itself; after its file dialogs the window is on top.
void ProfileWindowTest::followsTheMainWindowsLine()
{
    ScriptedPlatform platform;
    SessionOperations operations;
    MainWindow form(platform, operations);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    platform.answerDialog(example("mainline.jdx"));
    platform.answerDialog(example("mainline.dl"));
    form.findChild<QPushButton*>("initialiseButton")->click();
    form.findChild<QPushButton*>("profileButton")->click();
    auto* window = form.findChild<ProfileWindow*>("ProfileWindow");
    QVERIFY(window != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(window));

    // As a window manager does, the dialog's owner comes up.
    platform.setDialogHook([&] { form.activateWindow(); });
    platform.answerDialog(example("mainline.profile"));
    window->findChild<QPushButton*>("loadProfileButton")->click();
    QTRY_VERIFY(window->isActiveWindow());
    QVERIFY(window->profile() != nullptr);
    auto* readout = window->findChild<QLabel*>("profileCursor");
    emit window->view()->cursorMoved(12500.0, 255.0);
    QVERIFY(!readout->text().isEmpty());

    // The ramp has no chain B: the profile does not fit it.
    form.findChild<QRadioButton*>("rampMethod")->click();
    platform.answerDialog(example("ramp.ele"));
    form.findChild<QPushButton*>("initialiseButton")->click();
    QVERIFY2(platform.errors().empty(), platform.errors().empty() ? "" : platform.errors()[0].detail.c_str());
    QVERIFY(form.workflow().state().line.find("ramp.ele") != std::string::npos);
    QVERIFY(readout->text().isEmpty());
    QVERIFY(window->profile() == nullptr);
    QCOMPARE(window->table()->rowCount(), 0);
    QVERIFY2(window->statusText().contains(QString::fromUtf8("mainline.profile 与当前线路不符")),
             qPrintable(window->statusText()));
    // The long reason wraps: the window keeps its width.
    const int widthBefore = window->width();
    QApplication::processEvents();
    QCOMPARE(window->width(), widthBefore);
    QVERIFY(window->frameGeometry().width() <= window->screen()->availableGeometry().width());

    // Back on the main line the same file is read again and fits.
    form.findChild<QRadioButton*>("mainLineMethod")->click();
    platform.answerDialog(example("mainline.jdx"));
    platform.answerDialog(example("mainline.dl"));
    form.findChild<QPushButton*>("initialiseButton")->click();
    QVERIFY(platform.errors().empty());
    QVERIFY(window->profile() != nullptr);
    QVERIFY(window->table()->rowCount() > 0);
    QCOMPARE(window->statusText().contains(QString::fromUtf8("不符")), false);
}

QTEST_MAIN(ProfileWindowTest)
#include "profile_window_test.moc"
