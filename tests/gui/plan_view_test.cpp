// The plan view: its map from the plane to the screen, the line and points
// reduced to the screen's resolution (sizes checked on a 50 km line with
// 100,000 points), hit-testing for the hover text, station ticks across
// chain breaks, the run kept for the view without changing the results
// file, saving as PNG, and the window opened from the main window.
#include <cmath>
#include <fstream>
#include <limits>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolTip>
#include <QWheelEvent>
#include <QtTest>

#include "core/failure.h"
#include "drawing/plan_scene.h"
#include "drawing/plan_viewport.h"
#include "gui/curve_table_window.h"
#include "gui/main_window.h"
#include "gui/plan_view.h"
#include "gui/plan_window.h"
#include "gui/stakeout_window.h"
#include "session/session.h"
#include "stationing/chain_break.h"
#include "testing/bench_lines.h"
#include "testing/generated_lines.h"
#include "testing/scripted_platform.h"
#include "ui/session_operations.h"

using namespace vomel;
using namespace vomel::gui;
using namespace vomel::ui;
using namespace vomel::drawing;
using namespace vomel::testing;

namespace {

std::string example(const char* name) { return std::string(VOMEL_EXAMPLES_DIR) + "/" + name; }

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> fields(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string f; in >> f;) out.push_back(f);
    return out;
}

std::vector<std::string> dataLines(const std::string& path)
{
    std::istringstream in(readFile(path));
    std::vector<std::string> lines;
    std::string line;
    std::getline(in, line);  // header
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

double distanceToSegment(ScreenPoint p, ScreenPoint a, ScreenPoint b)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0.0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

bool onScreen(const PlanViewport& view, ScreenPoint s)
{
    return s.x >= 0.0 && s.y >= 0.0 && s.x < view.width() && s.y < view.height();
}

// The generated 50 km main line and 100,000 points around it, solved.
struct LongLine {
    std::shared_ptr<const PreparedLine> alignment;
    PlanScene scene;
};

const LongLine& longLine()
{
    static const LongLine line = [] {
        LongLine made;
        made.alignment = vomel::testing::mainLineFrom(vomel::testing::generatedJdFile(vomel::testing::LineShape{}));
        const auto generated =
            vomel::testing::generatedPoints([&](double s) { return made.alignment->poseAt(s); },
                                            made.alignment->startStation, made.alignment->endStation, 100'000, 60.0, 7);
        PlanRun run;
        for (const auto& g : generated) {
            run.points.push_back(g.point);
            run.solutions.push_back(made.alignment->solve(g.point.x, g.point.y));
        }
        made.scene = makePlanScene(*made.alignment, &run);
        return made;
    }();
    return line;
}

// The view shows the whole line as large as its margins allow, above the
// legend, and nothing coloured (a line, a mark, a label) is drawn on the
// legend: the scale bar and north arrow are black on white.
void expectFittedWithClearLegend(const PlanView& view)
{
    const PlanBounds& bounds = view.scene()->bounds;
    const PlanViewport& viewport = view.viewport();
    // North up, east right: the south-west corner is the bottom left.
    const ScreenPoint low = viewport.toScreen({bounds.minX, bounds.minY});
    const ScreenPoint high = viewport.toScreen({bounds.maxX, bounds.maxY});
    constexpr double pixelTolerance = 1e-6;
    QVERIFY(low.x >= PLAN_FIT_MARGIN - pixelTolerance && high.x <= viewport.width() - PLAN_FIT_MARGIN + pixelTolerance);
    QVERIFY(high.y >= PLAN_FIT_MARGIN - pixelTolerance &&
            low.y <= viewport.height() - PLAN_FIT_BOTTOM_MARGIN + pixelTolerance);
    const bool fillsAcross = high.x - low.x >= viewport.width() - 2.0 * PLAN_FIT_MARGIN - pixelTolerance;
    const bool fillsUp =
        low.y - high.y >= viewport.height() - PLAN_FIT_MARGIN - PLAN_FIT_BOTTOM_MARGIN - pixelTolerance;
    QVERIFY2(fillsAcross || fillsUp, "the view opens fitted to the line and its points");

    const QImage picture = view.render();
    const QRect legend = view.legendArea().toRect() & picture.rect();
    constexpr int greyChroma = 24;  // antialiased black on white stays within this of grey
    for (int y = legend.top(); y <= legend.bottom(); ++y) {
        for (int x = legend.left(); x <= legend.right(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            const int chroma = std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()});
            QVERIFY2(chroma <= greyChroma, qPrintable(QStringLiteral("colour at %1,%2 of the legend").arg(x).arg(y)));
        }
    }
}

}  // namespace

class PlanViewTest : public QObject {
    Q_OBJECT

private slots:
    void viewportIsNorthUpEastRight();
    void zoomKeepsThePointUnderTheCursorAndPanMovesByPixels();
    void fitShowsEverything();
    void lineIsSimplifiedToTheScreensResolution_data();
    void lineIsSimplifiedToTheScreensResolution();
    void pointsAreDrawnAtMostOnePerCellWithoutGaps();
    void hoverFindsTheNearestPointWithinReach();
    void ticksStandAtStatedStationsAcrossChainBreaks_data();
    void ticksStandAtStatedStationsAcrossChainBreaks();
    void keyPointsOfTheMainLineInOrder();
    void sceneCarriesTheLinesUnit();
    void windowsShowNoMetresOnALineInFeet();
    void runIsKeptForTheViewWithoutChangingTheResultsFile();
    void textOfFileBytesAndHover();
    void savePngIsWholeOrNothing();
    void windowOpensFromTheMainWindowAndFollowsTheRun();
    void viewZoomsPansAndHoversWithTheMouse();

private:
    QTemporaryDir dir;
    std::string temp(const char* name) const { return dir.filePath(QString::fromLatin1(name)).toStdString(); }
};

void PlanViewTest::viewportIsNorthUpEastRight()
{
    PlanViewport view;
    view.setSize(800, 600);
    PlanBounds b;
    b.add({3'500'000.0, 500'000.0});
    b.add({3'500'100.0, 500'200.0});
    view.fit(b, 0.0);
    const ScreenPoint centre = view.toScreen({3'500'050.0, 500'100.0});
    QCOMPARE(centre.x, 400.0);
    QCOMPARE(centre.y, 300.0);
    // 10 m north is higher on the screen, 10 m east further right.
    const ScreenPoint north = view.toScreen({3'500'060.0, 500'100.0});
    const ScreenPoint east = view.toScreen({3'500'050.0, 500'110.0});
    QVERIFY(north.y < centre.y);
    QCOMPARE(north.x, centre.x);
    QVERIFY(east.x > centre.x);
    QCOMPARE(east.y, centre.y);
    QCOMPARE(east.x - centre.x, centre.y - north.y);  // the same scale both ways

    double worst = 0.0;
    for (const Point p : {Point{3'500'000.0, 500'000.0}, Point{3'499'123.456, 500'987.654}, Point{0.0, 0.0}}) {
        const Point back = view.toWorld(view.toScreen(p));
        worst = std::max(worst, std::hypot(back.x - p.x, back.y - p.y));
    }
    QVERIFY2(worst < 1e-6, qPrintable(QString::number(worst)));
}

void PlanViewTest::zoomKeepsThePointUnderTheCursorAndPanMovesByPixels()
{
    PlanViewport view;
    view.setSize(640, 480);
    PlanBounds b;
    b.add({1000.0, 2000.0});
    b.add({1500.0, 2600.0});
    view.fit(b, 20.0);
    const ScreenPoint cursor{123.0, 321.0};
    const Point under = view.toWorld(cursor);
    const double scale = view.scale();
    view.zoomAt(cursor, 3.0);
    QCOMPARE(view.scale(), 3.0 * scale);
    const Point still = view.toWorld(cursor);
    QVERIFY(std::hypot(still.x - under.x, still.y - under.y) < 1e-9);

    // The scale never passes its limits, and a bad factor changes nothing.
    view.zoomAt(cursor, 1e12);
    QCOMPARE(view.scale(), PLAN_MAX_SCALE);
    view.zoomAt(cursor, 1e-30);
    QCOMPARE(view.scale(), PLAN_MIN_SCALE);
    view.zoomAt(cursor, std::numeric_limits<double>::quiet_NaN());
    QCOMPARE(view.scale(), PLAN_MIN_SCALE);

    view.zoomAt(cursor, 1.0 / PLAN_MIN_SCALE);  // back to one pixel a metre
    const Point p{1200.0, 2300.0};
    const ScreenPoint before = view.toScreen(p);
    view.panBy(35.0, -12.0);
    const ScreenPoint after = view.toScreen(p);
    QVERIFY(std::abs(after.x - before.x - 35.0) < 1e-6);
    QVERIFY(std::abs(after.y - before.y + 12.0) < 1e-6);
}

void PlanViewTest::fitShowsEverything()
{
    const PlanScene& scene = longLine().scene;
    for (const auto& [w, h] : {std::pair{1200.0, 800.0}, std::pair{300.0, 900.0}, std::pair{900.0, 200.0}}) {
        for (const double bottom : {40.0, 120.0}) {
            PlanViewport view;
            view.setSize(w, h);
            view.fit(scene.bounds, 40.0, bottom);
            const ScreenPoint low = view.toScreen({scene.bounds.minX, scene.bounds.minY});
            const ScreenPoint high = view.toScreen({scene.bounds.maxX, scene.bounds.maxY});
            // South-west corner bottom left, north-east top right, inside the margins.
            QVERIFY(low.x >= 40.0 - 1e-6 && low.y <= h - bottom + 1e-6);
            QVERIFY(high.x <= w - 40.0 + 1e-6 && high.y >= 40.0 - 1e-6);
            // Centred between the margins; one direction fills the space between them.
            QVERIFY(std::abs((low.x + high.x) / 2.0 - w / 2.0) < 1e-6);
            QVERIFY(std::abs((low.y + high.y) / 2.0 - (40.0 + h - bottom) / 2.0) < 1e-6);
            const bool fillsAcross = std::abs((high.x - low.x) - (w - 80.0)) < 1e-6;
            const bool fillsUp = std::abs((low.y - high.y) - (h - 40.0 - bottom)) < 1e-6;
            QVERIFY(fillsAcross || fillsUp);
        }
    }
}

void PlanViewTest::lineIsSimplifiedToTheScreensResolution_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<double>("largestShare");  // of the line's points drawn, at most
    QTest::newRow("whole line") << 1.0 << 0.1;
    QTest::newRow("50 times closer") << 50.0 << 0.1;
    QTest::newRow("a metre is 20 pixels") << 0.0 << 0.01;  // zoom 0: 20 px/m
}

void PlanViewTest::lineIsSimplifiedToTheScreensResolution()
{
    QFETCH(double, zoom);
    QFETCH(double, largestShare);
    const PlanScene& scene = longLine().scene;
    QVERIFY(scene.line.size() > 50'000);
    PlanViewport view;
    view.setSize(1200, 800);
    view.fit(scene.bounds, 40.0);
    const ScreenPoint middle = view.toScreen(scene.line[scene.line.size() / 2]);
    view.zoomAt(middle, zoom > 0.0 ? zoom : 20.0 / view.scale());

    const PlanLineDetail detail(scene.line);
    const auto runs = detail.visibleRuns(view);
    std::size_t drawn = 0;
    for (const auto& run : runs) drawn += run.size();
    QVERIFY(drawn >= 2);
    QVERIFY2(static_cast<double>(drawn) <= largestShare * static_cast<double>(scene.line.size()),
             qPrintable(QString("%1 points drawn of %2").arg(drawn).arg(scene.line.size())));

    // Every point of the line on screen lies within the resolution of what
    // is drawn: the drawn points are points of the line, in order, and each
    // point between two of them is checked against their segment.
    double worst = 0.0;
    std::size_t checked = 0;
    std::size_t run = 0;
    std::size_t next = 0;
    bool inside = false;
    for (const Point& p : scene.line) {
        const ScreenPoint s = view.toScreen(p);
        if (run < runs.size() && next < runs[run].size() && s.x == runs[run][next].x && s.y == runs[run][next].y) {
            inside = next + 1 < runs[run].size();
            if (++next == runs[run].size()) {
                ++run;
                next = 0;
            }
            continue;
        }
        if (!onScreen(view, s)) continue;
        QVERIFY2(inside, "a point of the line on screen lies outside every drawn part");
        worst = std::max(worst, distanceToSegment(s, runs[run][next - 1], runs[run][next]));
        ++checked;
    }
    QCOMPARE(run, runs.size());
    if (zoom == 1.0) QVERIFY(checked > 0);  // the whole line has points to leave out
    QVERIFY2(worst <= PLAN_LINE_RESOLUTION + 1e-9, qPrintable(QString("largest deviation %1 px").arg(worst)));
}

void PlanViewTest::pointsAreDrawnAtMostOnePerCellWithoutGaps()
{
    const PlanScene& scene = longLine().scene;
    QCOMPARE(scene.points.size(), std::size_t{100'000});
    PlanViewport view;
    view.setSize(200, 150);
    view.fit(scene.bounds, 0.0);
    view.zoomAt({100, 75}, 4.0);
    const std::vector<std::size_t> drawn = visiblePoints(scene.points, view);
    const auto cells = static_cast<std::size_t>(std::ceil(200 / PLAN_POINT_CELL) * std::ceil(150 / PLAN_POINT_CELL));
    QVERIFY(!drawn.empty());
    QVERIFY2(drawn.size() <= cells, qPrintable(QString::number(drawn.size())));

    auto cellOf = [](ScreenPoint s) {
        return std::pair{static_cast<long>(s.x / PLAN_POINT_CELL), static_cast<long>(s.y / PLAN_POINT_CELL)};
    };
    std::set<std::pair<long, long>> covered;
    for (const std::size_t i : drawn) {
        const ScreenPoint s = view.toScreen(scene.points[i].at);
        QVERIFY(onScreen(view, s));
        QVERIFY2(covered.insert(cellOf(s)).second, "two points drawn in one cell");
    }
    std::size_t onScreenCount = 0;
    for (const PlanPoint& p : scene.points) {
        const ScreenPoint s = view.toScreen(p.at);
        if (!onScreen(view, s)) continue;
        ++onScreenCount;
        QVERIFY2(covered.count(cellOf(s)) == 1, "a point on screen has no drawn point in its cell");
    }
    QVERIFY(onScreenCount > drawn.size());  // the reduction did something
}

void PlanViewTest::hoverFindsTheNearestPointWithinReach()
{
    const PlanScene& scene = longLine().scene;
    const PlanPointIndex index(scene.points);
    vomel::testing::Random random(11);
    int found = 0;
    for (int q = 0; q < 300; ++q) {
        const PlanPoint& near = scene.points[static_cast<std::size_t>(random.uniform(0.0, 100'000.0))];
        const Point at{near.at.x + random.uniform(-30.0, 30.0), near.at.y + random.uniform(-30.0, 30.0)};
        const double radius = random.uniform(0.0, 40.0);
        std::optional<std::size_t> want;
        double best = radius;
        for (std::size_t i = 0; i < scene.points.size(); ++i) {
            const double d = std::hypot(scene.points[i].at.x - at.x, scene.points[i].at.y - at.y);
            if (d < best || (d == best && !want)) {
                best = d;
                want = i;
            }
        }
        const std::optional<std::size_t> got = index.nearest(at, radius);
        QCOMPARE(got.has_value(), want.has_value());
        if (want) {
            QCOMPARE(*got, *want);
            ++found;
        }
    }
    QVERIFY(found > 30 && found < 300);  // both outcomes were exercised
    QVERIFY(!index.nearest({0.0, 0.0}, 1000.0));  // far from every point
    const PlanPointIndex none(std::vector<PlanPoint>{});
    QVERIFY(!none.nearest({0.0, 0.0}, 1e9));
}

void PlanViewTest::ticksStandAtStatedStationsAcrossChainBreaks_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("breaks");
    QTest::addColumn<QStringList>("firstAndLast");  // per chain: first and last tick
    // 14500 -> 14400: a long chain (stations 14400..14500 repeat);
    // 18200 -> 18235.62: a short chain.
    QTest::newRow("main line") << "mainline.jdx"
                               << "mainline.dl"
                               << QStringList{"A12000", "A14500", "B14500", "B18200", "C18300", "C21300"};
    // Station equation 400 -> 420.
    QTest::newRow("LandXML ramp") << "ramp.xml"
                                  << "" << QStringList{"A0", "A400", "B500", "B800"};
    QTest::newRow("element file, no breaks") << "ramp.ele"
                                             << "" << QStringList{"0", "700"};
}

void PlanViewTest::ticksStandAtStatedStationsAcrossChainBreaks()
{
    QFETCH(QString, line);
    QFETCH(QString, breaks);
    QFETCH(QStringList, firstAndLast);
    const auto alignment = breaks.isEmpty() ? initialiseAlignment(Method::Element, example(qPrintable(line)))
                                            : initialiseAlignment(Method::IntersectionPoint, example(qPrintable(line)),
                                                                  example(qPrintable(breaks)));
    const PlanScene scene = makePlanScene(*alignment);
    QStringList ends;
    QString chain = QStringLiteral("-");
    std::string previousText;
    double previous = -std::numeric_limits<double>::infinity();
    for (const PlanTick& tick : scene.ticks) {
        // A whole multiple of the spacing, at the continuous station that
        // carries exactly that stated station, in order along the line.
        QCOMPARE(std::fmod(tick.stated, PLAN_TICK_SPACING), 0.0);
        const vomel::StatedStation stated = vomel::chainStationLetter(alignment->chainBreaks(), tick.station);
        QVERIFY(std::abs(stated.stated - tick.stated) < 1e-6);
        QVERIFY(tick.station > previous);
        QVERIFY(tick.station >= alignment->startStation && tick.station <= alignment->endStation);
        const Point at = alignment->pointAt(tick.station);
        QVERIFY(std::hypot(at.x - tick.at.x, at.y - tick.at.y) < 1e-9);
        previous = tick.station;
        const QString letter = alignment->hasChainBreaks() ? QString(QChar(stated.letter)) : QString();
        QCOMPARE(QString::fromStdString(tick.text), letter + QString::number(tick.stated, 'f', 0));
        if (letter != chain) {
            if (!ends.isEmpty()) ends << QString::fromStdString(previousText);
            ends << QString::fromStdString(tick.text);
            chain = letter;
        }
        previousText = tick.text;
    }
    ends << QString::fromStdString(scene.ticks.back().text);
    QCOMPARE(ends, firstAndLast);
}

// The scale bar is labelled in the scene's unit: a LandXML line in feet is
// drawn, and measured, in feet.
void PlanViewTest::sceneCarriesTheLinesUnit()
{
    const auto feet = initialiseAlignment(Method::Element, VOMEL_TEST_DATA_DIR "/cli/straight_feet.xml");
    QCOMPARE(makePlanScene(*feet).unit, vomel::LengthUnit::UsSurveyFoot);
    const auto metres = initialiseAlignment(Method::Element, example("ramp.ele"));
    QCOMPARE(makePlanScene(*metres).unit, vomel::LengthUnit::Metre);
}

// Every length the windows show takes the line's unit: on a LandXML line in
// feet the scale bar is in feet and no text anywhere says metres.
void PlanViewTest::windowsShowNoMetresOnALineInFeet()
{
    ScriptedPlatform platform;
    SessionOperations operations;
    MainWindow form(platform, operations);
    form.findChild<QRadioButton*>("rampMethod")->click();
    platform.answerDialog(VOMEL_TEST_DATA_DIR "/cli/straight_feet.xml");
    form.findChild<QPushButton*>("initialiseButton")->click();
    QVERIFY2(platform.errors().empty(), platform.errors().empty() ? "" : platform.errors()[0].detail.c_str());
    form.findChild<QLineEdit*>("xEdit")->setText(QStringLiteral("400"));
    form.findChild<QLineEdit*>("yEdit")->setText(QStringLiteral("12.5"));
    form.findChild<QPushButton*>("computeButton")->click();
    QVERIFY(!form.findChild<QLineEdit*>("offsetEdit")->text().isEmpty());

    form.findChild<QPushButton*>("PlanButton")->click();
    const PlanView* plan = form.findChild<PlanWindow*>("PlanWindow")->view();
    QVERIFY2(plan->scaleBarText().endsWith(QStringLiteral(" ft")), qPrintable(plan->scaleBarText()));
    if (form.findChild<QPushButton*>("profileButton")->isEnabled()) {
        form.findChild<QPushButton*>("profileButton")->click();
    }
    CurveTableWindow curves(platform, operations.currentLine(), &form);
    StakeoutWindow stakeout(platform, operations.currentLine(), &form);
    stakeout.findChild<QLineEdit*>("stationBox")->setText(QStringLiteral("500"));
    stakeout.findChild<QLineEdit*>("offsetBox")->setText(QStringLiteral("-3"));
    stakeout.compute();

    // A number followed by a metre sign, Latin or Chinese.
    static const QRegularExpression metres(QStringLiteral("\\d\\s*(m|米)(?![A-Za-z0-9])"));
    QVERIFY(metres.match(QStringLiteral("50 m")).hasMatch());
    QStringList shown{plan->scaleBarText(), form.windowTitle()};
    for (const QWidget* widget : form.findChildren<QWidget*>()) {
        shown << widget->windowTitle() << widget->toolTip();
        if (const auto* label = qobject_cast<const QLabel*>(widget)) shown << label->text();
        if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) shown << edit->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) shown << button->text();
        if (const auto* table = qobject_cast<const QTableWidget*>(widget)) {
            for (int c = 0; c < table->columnCount(); ++c) {
                if (table->horizontalHeaderItem(c) != nullptr) shown << table->horizontalHeaderItem(c)->text();
                for (int r = 0; r < table->rowCount(); ++r) {
                    if (table->item(r, c) != nullptr) shown << table->item(r, c)->text();
                }
            }
        }
    }
    for (const QString& text : shown) QVERIFY2(!metres.match(text).hasMatch(), qPrintable(text));
}

void PlanViewTest::keyPointsOfTheMainLineInOrder()
{
    const auto alignment =
        initialiseAlignment(Method::IntersectionPoint, example("mainline.jdx"), example("mainline.dl"));
    const PlanScene scene = makePlanScene(*alignment);
    QCOMPARE(scene.keyPoints.front().name, std::string("起点"));
    QCOMPARE(scene.keyPoints.back().name, std::string("终点"));
    // JD3 has no spirals: ZY and YZ; the others ZH, HY, YH, HZ.
    std::string names;
    for (const PlanMark& mark : scene.keyPoints) names += mark.name + " ";
    QVERIFY2(names.find("HZ ZY YZ ZH") != std::string::npos, names.c_str());
    QCOMPARE(scene.intersectionPoints.size(), std::size_t(10));
    QCOMPARE(scene.intersectionPoints.front().name, std::string("JD1"));
    QCOMPARE(scene.intersectionPoints.front().at.x, 3522102.217);
    QCOMPARE(scene.tangents.size(), std::size_t(11));
    // Station texts carry the chain's letter and grow along each chain.
    QCOMPARE(scene.keyPoints.front().station, std::string("A12000"));
    QCOMPARE(scene.keyPoints.back().station.substr(0, 1), std::string("C"));

    // In the element method the joints are named from the elements' kinds,
    // and each run of curves turning one way has its intersection point.
    const auto ramp = initialiseAlignment(Method::Element, example("ramp.ele"));
    const PlanScene rampScene = makePlanScene(*ramp);
    std::string joints;
    for (const PlanMark& mark : rampScene.keyPoints) joints += mark.name + " ";
    QCOMPARE(joints, std::string("起点 ZH HY YH HH HH HY YH HY YH HZ 终点 "));
    // A reverse curve has an intersection point for each of its two turns.
    QCOMPARE(rampScene.intersectionPoints.size(), std::size_t(2));
    // Each lies on the tangents at the ends of its run: the straight's end
    // at 85 and the inflection at 341.345, then that and the last straight
    // at 747.095.
    const double pi = 4.0 * std::atan(1.0);
    auto along = [&](Point from, Point to, double station) {
        const double chord = std::atan2(to.y - from.y, to.x - from.x);
        const double tangent = ramp->poseAt(station).azimuth;
        return std::abs(std::remainder(chord - tangent, 2.0 * pi)) < 1e-9;
    };
    QCOMPARE(rampScene.tangents.size(), std::size_t(4));
    QVERIFY(along(rampScene.tangents[0].first, rampScene.tangents[0].second, 85.0));
    QVERIFY(along(rampScene.tangents[1].first, rampScene.tangents[1].second, 341.345));
    QVERIFY(along(rampScene.tangents[2].first, rampScene.tangents[2].second, 341.345));
    QVERIFY(along(rampScene.tangents[3].first, rampScene.tangents[3].second, 747.095));
}

void PlanViewTest::runIsKeptForTheViewWithoutChangingTheResultsFile()
{
    QVERIFY(dir.isValid());
    SessionOperations operations;
    QVERIFY(!operations.planScene());
    operations.readMainLine(example("mainline.jdx"));
    operations.readChainBreaks(example("mainline.dl"));
    operations.buildStagedLine();
    const auto lineOnly = operations.planScene();
    QVERIFY(lineOnly && lineOnly->points.empty());
    QCOMPARE(operations.planScene(), lineOnly);  // made once

    const std::string results = temp("results.txt");
    operations.solveCoordinateFile(example("mainline.xy"), results, {});
    const auto withRun = operations.planScene();
    QVERIFY(withRun != lineOnly);

    // The same results file as a run that keeps nothing.
    const std::string plain = temp("plain.txt");
    const auto alignment =
        initialiseAlignment(Method::IntersectionPoint, example("mainline.jdx"), example("mainline.dl"));
    computeFileRun(*alignment, example("mainline.xy"), plain, HeaderEncoding::Gbk);
    QCOMPARE(readFile(results), readFile(plain));

    // Every point, its label byte for byte, its station and foot as written.
    const std::vector<std::string> lines = dataLines(results);
    QCOMPARE(withRun->points.size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::vector<std::string> f = fields(lines[i]);
        const PlanPoint& p = withRun->points[i];
        QCOMPARE(p.label, f[0]);
        QCOMPARE(p.station.substr(0, 1), f[3]);  // the chain's letter
        QVERIFY(std::abs(std::stod(p.station.substr(1)) - std::stod(f[4])) < 6e-4);
        QVERIFY(std::abs(p.offset - std::stod(f[5])) < 6e-4);
        QVERIFY(std::abs(p.foot.x - std::stod(f[6])) < 6e-4);
        QVERIFY(std::abs(p.foot.y - std::stod(f[7])) < 6e-4);
    }

    // A failed run keeps the last good one; a new line has no points yet.
    const std::string broken = temp("broken.xy");
    std::ofstream(broken, std::ios::binary) << "P1 3521444.0 498722.1\r\nP2 oops 498759.9\r\n";
    QVERIFY_THROWS_EXCEPTION(vomel::Failure, operations.solveCoordinateFile(broken, temp("never.txt"), {}));
    QCOMPARE(operations.planScene(), withRun);
    operations.readElementChain(example("ramp.ele"));
    operations.buildStagedLine();
    QVERIFY(operations.planScene()->points.empty());
}

void PlanViewTest::textOfFileBytesAndHover()
{
    QCOMPARE(textFromFileBytes("\xB5\xE3"
                               "2"),
             QStringLiteral("点2"));  // GBK
    QCOMPARE(textFromFileBytes("\xE7\x82\xB9"
                               "2"),
             QStringLiteral("点2"));  // UTF-8
    QCOMPARE(textFromFileBytes("P001"), QStringLiteral("P001"));
    PlanPoint point;
    point.label = "\xB5\xE3"
                  "7";
    point.station = "B14523.456";
    point.offset = -2.3456;
    QCOMPARE(hoverText(point), QStringLiteral("点号 点7\n桩号 B14523.456\n左距 -2.346"));
}

void PlanViewTest::savePngIsWholeOrNothing()
{
    QImage image(64, 48, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("png")));
    const std::string path = temp("png/plan.png");
    savePng(image, path);
    const QImage back(QString::fromStdString(path));
    QCOMPARE(back.size(), QSize(64, 48));
    QCOMPARE(back.pixelColor(10, 10), QColor(Qt::red));

    const std::string nowhere = temp("png/no-such-folder/plan.png");
    try {
        savePng(image, nowhere);
        QFAIL("a PNG was saved into a folder that does not exist");
    } catch (const FileFailure& failure) {
        QCOMPARE(failure.file(), nowhere);
    }
    QVERIFY(!QFile::exists(QString::fromStdString(nowhere)));
    QCOMPARE(QDir(dir.filePath(QStringLiteral("png"))).entryList(QDir::Files),
             QStringList{"plan.png"});  // no temporary file left
}

void PlanViewTest::windowOpensFromTheMainWindowAndFollowsTheRun()
{
    ScriptedPlatform platform;
    SessionOperations operations;
    MainWindow form(platform, operations);
    auto* button = form.findChild<QPushButton*>("PlanButton");
    QVERIFY(button != nullptr);
    QVERIFY(!button->isEnabled());  // nothing to draw before an initialisation

    platform.answerDialog(example("mainline.jdx"));
    platform.answerDialog(example("mainline.dl"));
    form.findChild<QPushButton*>("initialiseButton")->click();
    QVERIFY(button->isEnabled());
    button->click();
    auto* window = form.findChild<PlanWindow*>("PlanWindow");
    QVERIFY(window != nullptr && window->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(window->view()->scene() != nullptr);
    QVERIFY(window->view()->scene()->points.empty());
    expectFittedWithClearLegend(*window->view());

    form.findChild<QRadioButton*>("fileRunMode")->click();
    platform.answerDialog(example("mainline.xy"));
    platform.answerDialog(temp("window-results.txt"));
    form.findChild<QPushButton*>("computeButton")->click();
    QVERIFY(platform.errors().empty());
    QCOMPARE(window->view()->scene()->points.size(), std::size_t(30));
    expectFittedWithClearLegend(*window->view());

    // Save as PNG through the window's own dialog.
    const std::string png = temp("window.png");
    platform.answerDialog(png);
    window->findChild<QPushButton*>("PlanSave")->click();
    QVERIFY(platform.errors().empty());
    QCOMPARE(QImage(QString::fromStdString(png)).size(), window->view()->size());
    platform.answerDialog(temp("no-such-folder/window.png"));
    window->findChild<QPushButton*>("PlanSave")->click();
    QCOMPARE(platform.errors().size(), std::size_t(1));
    QCOMPARE(platform.errors()[0].text, std::string(PLAN_SAVE_FAILED));
    QVERIFY(platform.errors()[0].detail.starts_with(temp("no-such-folder/window.png") + ": "));
}

void PlanViewTest::viewZoomsPansAndHoversWithTheMouse()
{
    auto scene = std::make_shared<PlanScene>(longLine().scene);
    PlanView view;
    view.resize(800, 600);
    view.setScene(scene, true);
    const PlanViewport fitted = view.viewport();

    // Hovering a point's screen position finds it (or a point as near).
    const PlanPoint& target = scene->points[4321];
    const ScreenPoint s = view.viewport().toScreen(target.at);
    const QPoint pixel(static_cast<int>(std::lround(s.x)), static_cast<int>(std::lround(s.y)));
    const std::optional<std::size_t> hovered = view.pointAt(pixel);
    QVERIFY(hovered.has_value());
    const ScreenPoint h = view.viewport().toScreen(scene->points[*hovered].at);
    QVERIFY(std::hypot(h.x - pixel.x(), h.y - pixel.y()) <= std::hypot(s.x - pixel.x(), s.y - pixel.y()) + 1e-9);
    QVERIFY(!view.pointAt(QPoint(2, 2)));  // the corner of a fitted view holds no point

    // The tooltip shows the hovered point's text, and none over the empty corner.
    QHelpEvent tip(QEvent::ToolTip, pixel, view.mapToGlobal(pixel));
    QApplication::sendEvent(&view, &tip);
    QCOMPARE(QToolTip::text(), hoverText(scene->points[*hovered]));
    QHelpEvent noTip(QEvent::ToolTip, QPoint(2, 2), view.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&view, &noTip);
    QTRY_VERIFY(QToolTip::text().isEmpty());

    // A wheel notch zooms about the cursor.
    const QPointF cursor(300, 200);
    const Point under = view.viewport().toWorld({cursor.x(), cursor.y()});
    QWheelEvent wheel(cursor, view.mapToGlobal(cursor), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&view, &wheel);
    QVERIFY(view.viewport().scale() > fitted.scale());
    const Point still = view.viewport().toWorld({cursor.x(), cursor.y()});
    QVERIFY(std::hypot(still.x - under.x, still.y - under.y) < 1e-6);

    // Dragging moves the picture with the cursor.
    const ScreenPoint before = view.viewport().toScreen(target.at);
    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QMouseEvent move(QEvent::MouseMove, QPointF(140, 70), view.mapToGlobal(QPointF(140, 70)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &move);
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, QPoint(140, 70));
    const ScreenPoint after = view.viewport().toScreen(target.at);
    QVERIFY(std::abs(after.x - before.x - 40.0) < 1e-6 && std::abs(after.y - before.y + 30.0) < 1e-6);

    // Fit all brings back the first picture; the picture renders at the view's size.
    view.fitAll();
    QCOMPARE(view.viewport().scale(), fitted.scale());
    QCOMPARE(view.render().size(), view.size());
}

QTEST_MAIN(PlanViewTest)
#include "plan_view_test.moc"
