// The curve table and stakeout windows on the real core: the buttons that
// open them follow the initialised line, the table shows the prepared values
// (names in GBK or UTF-8), copies and saves them, and the stakeout dialog
// sets out typed stations and station files, naming what is wrong.
#include <fstream>
#include <sstream>
#include <string>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "alignment/intersection_point_line.h"
#include "gui/curve_table_window.h"
#include "gui/main_window.h"
#include "gui/stakeout_window.h"
#include "session/curve_table.h"
#include "session/run_messages.h"
#include "session/session.h"
#include "session/stakeout.h"
#include "stationing/stated_station.h"
#include "testing/scripted_platform.h"
#include "text/number_text.h"
#include "ui/session_operations.h"

using namespace vomel;
using namespace vomel::gui;
using namespace vomel::ui;
using namespace vomel::drawing;
using namespace vomel::testing;

namespace {

std::string data(const char* name) { return std::string(VOMEL_TEST_DATA_DIR) + "/gui/" + name; }

void writeFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::shared_ptr<const PreparedLine> mainLine()
{
    return initialiseAlignment(Method::IntersectionPoint, data("jd02_spiral_sym.jdx"), data("jd02_spiral_sym.dl"));
}

}  // namespace

class ExtrasWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(dir.isValid()); }
    void buttonsFollowTheInitialisedLine();
    void curveTableShowsThePreparedLine();
    void curveTableNamesInGbkAndUtf8_data();
    void curveTableNamesInGbkAndUtf8();
    void curveTableCopiesTheSelection();
    void curveTableSavesCsvWholeOrNotAtAll();
    void stakeoutTypedStation_data();
    void stakeoutTypedStation();
    void stakeoutFileRun();
    void stakeoutFileRunFailuresKeepTheOldFile();
    void stakeoutBoxesTakeTheMainWindowsFocusColour();

private:
    std::string temp(const char* name) const { return dir.filePath(name).toStdString(); }

    QTemporaryDir dir;
};

void ExtrasWindowsTest::buttonsFollowTheInitialisedLine()
{
    ScriptedPlatform platform;
    SessionOperations operations;
    MainWindow form(platform, operations);
    auto* curves = form.findChild<QPushButton*>("curveTableButton");
    auto* stakeout = form.findChild<QPushButton*>("stakeoutButton");
    QVERIFY(curves != nullptr && stakeout != nullptr);
    QCOMPARE(curves->text(), QString::fromUtf8("  曲 线 表"));
    QCOMPARE(stakeout->text(), QString::fromUtf8("  放  样"));
    QVERIFY(!curves->isEnabled());
    QVERIFY(!stakeout->isEnabled());

    // A cancelled initialisation leaves them off; a complete one turns them on.
    platform.answerDialog(std::nullopt);
    form.findChild<QPushButton*>("initialiseButton")->click();
    QVERIFY(!curves->isEnabled());
    platform.answerDialog(data("jd02_spiral_sym.jdx"));
    platform.answerDialog(data("jd02_spiral_sym.dl"));
    form.findChild<QPushButton*>("initialiseButton")->click();
    QCOMPARE(platform.errors().size(), std::size_t{1});
    QVERIFY(curves->isEnabled());
    QVERIFY(stakeout->isEnabled());
}

void ExtrasWindowsTest::curveTableShowsThePreparedLine()
{
    ScriptedPlatform platform;
    const auto line = mainLine();
    CurveTableWindow window(platform, line);
    auto* table = window.findChild<QTableWidget*>("curveTable");
    QVERIFY(table != nullptr);
    const CurveTable expected = curveTable(*line);
    QCOMPARE(table->rowCount(), dynamic_cast<const vomel::IntersectionPointLine&>(*line->line).table().jdCount);
    QCOMPARE(table->columnCount(), static_cast<int>(expected.columns.size()));
    for (int c = 0; c < table->columnCount(); ++c) {
        QCOMPARE(table->horizontalHeaderItem(c)->text().toStdString(), expected.columns[static_cast<std::size_t>(c)]);
        for (int r = 0; r < table->rowCount(); ++r) {
            QCOMPARE(table->item(r, c)->text().toStdString(),
                     expected.rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
        }
    }
    // Read-only: the values are the line's, not the user's.
    QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);
}

void ExtrasWindowsTest::curveTableNamesInGbkAndUtf8_data()
{
    QTest::addColumn<QByteArray>("nameBytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("GBK") << QByteArray("\xBD\xBB\xB5\xE3"
                                       "1")
                         << QString::fromUtf8("交点1");
    QTest::newRow("UTF-8") << QByteArray("交点1") << QString::fromUtf8("交点1");
    QTest::newRow("ASCII") << QByteArray("JD1") << QStringLiteral("JD1");
}

void ExtrasWindowsTest::curveTableNamesInGbkAndUtf8()
{
    QFETCH(QByteArray, nameBytes);
    QFETCH(QString, shown);
    const std::string jd = temp("named.jdx");
    writeFile(jd, "START,0\r\nQD\r\n0 0 0 0 0\r\n" + nameBytes.toStdString() +
                      "\r\n500 0 300 0 0\r\nZD\r\n900 300 0 0 0\r\n");
    ScriptedPlatform platform;
    CurveTableWindow window(platform, initialiseAlignment(Method::IntersectionPoint, jd));
    auto* table = window.findChild<QTableWidget*>("curveTable");
    QCOMPARE(table->item(1, 0)->text(), shown);
}

void ExtrasWindowsTest::curveTableCopiesTheSelection()
{
    ScriptedPlatform platform;
    const auto line = mainLine();
    CurveTableWindow window(platform, line);
    auto* table = window.findChild<QTableWidget*>("curveTable");

    // Nothing selected: the whole table, header first, tab-separated.
    const QStringList all = window.selectionText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(all.size(), table->rowCount() + 1);
    QCOMPARE(all.front(), QStringLiteral("name\tX\tY\tdeflection\tdeflection_rad\tR\tLs1\tLs2\tRA1\tRA2\tT1\tT2\tL\t"
                                         "E\tZH\tHY\tQZ\tYH\tHZ"));

    // A block of cells: its columns' headers, then its rows.
    table->setRangeSelected(QTableWidgetSelectionRange(1, 0, 2, 1), true);
    const QString block = window.selectionText();
    const QString expected = QStringLiteral("name\tX\n") + table->item(1, 0)->text() + QLatin1Char('\t') +
                             table->item(1, 1)->text() + QLatin1Char('\n') + table->item(2, 0)->text() +
                             QLatin1Char('\t') + table->item(2, 1)->text() + QLatin1Char('\n');
    QCOMPARE(block, expected);
}

void ExtrasWindowsTest::curveTableSavesCsvWholeOrNotAtAll()
{
    ScriptedPlatform platform;
    const auto line = mainLine();
    CurveTableWindow window(platform, line);

    const std::string csv = temp("curves.csv");
    writeFile(csv, "earlier table\r\n");
    platform.answerDialog(std::nullopt);  // cancelled: nothing written, no error
    QVERIFY(!window.saveCsv());
    QVERIFY(platform.errors().empty());
    QCOMPARE(readFile(csv), std::string("earlier table\r\n"));

    platform.answerDialog(csv);
    QVERIFY(window.saveCsv());
    QCOMPARE(readFile(csv), curveTableCsv(curveTable(*line)));
    QCOMPARE(platform.dialogsShown().back(), std::string("CurveTableSaveDialog"));

    platform.answerDialog(temp("no-such-folder/curves.csv"));
    QVERIFY(!window.saveCsv());
    QCOMPARE(platform.errors().size(), std::size_t{1});
    QVERIFY2(platform.errors()[0].detail.find("no-such-folder") != std::string::npos,
             platform.errors()[0].detail.c_str());
}

void ExtrasWindowsTest::stakeoutTypedStation_data()
{
    QTest::addColumn<QString>("station");
    QTest::addColumn<QString>("offset");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("status");  // the status line, or a piece of it for faults

    // The line's chain break is the short chain 2600 -> 2650.
    QTest::newRow("stated station after the break") << "B2700"
                                                    << "-4.25" << true << "B2700  -4.250";
    QTest::newRow("lower-case letter") << "b2700.5"
                                       << "3" << true << "B2700.500  3.000";
    QTest::newRow("continuous station") << "1800"
                                        << "0" << true << "A1800  0.000";
    QTest::newRow("empty offset: on the line") << "1800"
                                               << "" << true << "A1800  0.000";
    QTest::newRow("skipped by the short chain") << "A2620"
                                                << "1" << false << "does not exist";
    QTest::newRow("no such chain") << "C100"
                                   << "1" << false << "there is no chain C";
    QTest::newRow("not a station") << "1200m"
                                   << "1" << false << "1200m";
    QTest::newRow("offset not a number") << "1800"
                                         << "left" << false << QString::fromUtf8("左距不是数字");
}

void ExtrasWindowsTest::stakeoutTypedStation()
{
    QFETCH(QString, station);
    QFETCH(QString, offset);
    QFETCH(bool, valid);
    QFETCH(QString, status);

    ScriptedPlatform platform;
    const auto line = mainLine();
    StakeoutWindow window(platform, line);
    auto* x = window.findChild<QLineEdit*>("xBox");
    auto* y = window.findChild<QLineEdit*>("yBox");
    x->setText(QStringLiteral("stale"));
    window.findChild<QLineEdit*>("stationBox")->setText(station);
    auto* offsetBox = window.findChild<QLineEdit*>("offsetBox");
    offsetBox->setText(offset);
    // Enter in the offset box computes.
    QTest::keyClick(offsetBox, Qt::Key_Return);

    const QString shown = window.findChild<QLabel*>("stakeoutStatus")->text();
    QVERIFY(platform.errors().empty());
    if (!valid) {
        QVERIFY2(shown.contains(status), qPrintable(shown));
        QVERIFY(x->text().isEmpty() && y->text().isEmpty());
        return;
    }
    QCOMPARE(shown, status);
    const auto typed = vomel::parseStationText(station.toStdString());
    QVERIFY(typed.has_value());
    const Point p = offsetPoint(*line, vomel::continuousStation(line->chainBreaks(), *typed), offset.toDouble());
    QCOMPARE(x->text().toStdString(), formatFixed(p.x, 4));
    QCOMPARE(y->text().toStdString(), formatFixed(p.y, 4));
}

void ExtrasWindowsTest::stakeoutFileRun()
{
    ScriptedPlatform platform;
    const auto line = mainLine();
    StakeoutWindow window(platform, line);
    const std::string stations = temp("run.st");
    const std::string output = temp("run.xy");
    writeFile(stations, "S1 B2700 -4.25 12.5\r\nS2 1800 3\r\n");
    platform.answerDialog(stations);
    platform.answerDialog(output);
    window.runFile();

    QVERIFY2(platform.errors().empty(), platform.errors().empty() ? "" : platform.errors()[0].detail.c_str());
    QCOMPARE(platform.dialogsShown(), (std::vector<std::string>{"StakeoutStationDialog", "StakeoutSaveDialog"}));
    std::istringstream in(readFile(output));
    const auto points = readCoordinateFile(in);
    QCOMPARE(points.size(), std::size_t{2});
    QCOMPARE(points[0].label, std::string("S1"));
    QCOMPARE(points[0].elevation, 12.5);
    // Solved again, the first point comes back at B2700, 4.25 m to the right.
    const Solution back = line->solve(points[0].x, points[0].y);
    QVERIFY(std::fabs(back.station - 2650.0) < 1e-5);
    QVERIFY(std::fabs(back.offset + 4.25) < 1e-6);
    QVERIFY(window.findChild<QLabel*>("stakeoutStatus")->text().contains(QString::fromStdString(output)));
}

void ExtrasWindowsTest::stakeoutFileRunFailuresKeepTheOldFile()
{
    ScriptedPlatform platform;
    StakeoutWindow window(platform, mainLine());
    const std::string output = temp("kept.xy");
    writeFile(output, "earlier points\r\n");

    // A station the chain does not hold, on line 2.
    const std::string stations = temp("bad.st");
    writeFile(stations, "S1 1800 3\r\nS2 A2620 0\r\n");
    platform.answerDialog(stations);
    platform.answerDialog(output);
    window.runFile();
    QCOMPARE(platform.errors().size(), std::size_t{1});
    QCOMPARE(platform.errors()[0].text, std::string(MSG_COMPUTE_FORMAT));
    QVERIFY2(platform.errors()[0].detail.find("bad.st:2:") != std::string::npos, platform.errors()[0].detail.c_str());
    QCOMPARE(readFile(output), std::string("earlier points\r\n"));

    // Cancelled dialogs: the system's message, nothing written.
    platform.answerDialog(std::nullopt);
    window.runFile();
    platform.answerDialog(stations);
    platform.answerDialog(std::nullopt);
    window.runFile();
    QCOMPARE(platform.errors().size(), std::size_t{3});
    QCOMPARE(platform.errors()[1].text, std::string(MSG_READ_CANCELLED));
    QCOMPARE(platform.errors()[2].text, std::string(MSG_READ_CANCELLED));
    QCOMPARE(readFile(output), std::string("earlier points\r\n"));
}

void ExtrasWindowsTest::stakeoutBoxesTakeTheMainWindowsFocusColour()
{
    ScriptedPlatform platform;
    StakeoutWindow window(platform, mainLine());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* station = window.findChild<QLineEdit*>("stationBox");
    auto* offset = window.findChild<QLineEdit*>("offsetBox");
    const QColor normal = QApplication::palette(station).color(QPalette::Base);
    QVERIFY(normal != MainWindow::focusColour());
    station->setText(QStringLiteral("B15000"));
    station->setFocus();
    QTRY_COMPARE(station->palette().color(QPalette::Base), MainWindow::focusColour());
    QTRY_COMPARE(station->selectedText(), QStringLiteral("B15000"));  // typing replaces it
    offset->setFocus();
    QTRY_COMPARE(offset->palette().color(QPalette::Base), MainWindow::focusColour());
    QCOMPARE(station->palette().color(QPalette::Base), normal);
}

QTEST_MAIN(ExtrasWindowsTest)
#include "extras_windows_test.moc"
