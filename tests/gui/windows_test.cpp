// The about box, the advert windows and their docking rule.
#include <optional>
#include <string>
#include <vector>

#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

#include "gui/about_dialog.h"
#include "gui/advert_window.h"
#include "gui/brand.h"
#include "gui/center_window.h"
#include "gui/clickable_label.h"
#include "gui/docking.h"

using namespace vomel::gui;

Q_DECLARE_METATYPE(DockingInput)
Q_DECLARE_METATYPE(std::optional<DockingMove>)

namespace {

// A 1920 x 1080 pixel screen; a 200 x 300 pixel window.
constexpr int SCREEN_W = 1920;
constexpr int WIN_W = 200;
constexpr int WIN_H = 300;

// The window with its top-left corner at `corner`, the cursor at `cursor`.
DockingInput window(QPoint corner, QPoint cursor)
{
    DockingInput in;
    in.msSinceShown = 6000;
    in.left = corner.x();
    in.top = corner.y();
    in.width = WIN_W;
    in.height = WIN_H;
    in.screenWidth = SCREEN_W;
    in.cursorX = cursor.x();
    in.cursorY = cursor.y();
    return in;
}

std::optional<DockingMove> move(int left, int top, bool front) { return DockingMove{left, top, front}; }

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT

private slots:
    void docking_data();
    void docking();
    void centreForm();
    void aboutClicks_data();
    void aboutClicks();
    void aboutOkCloses();
    void advertWindows_data();
    void advertWindows();
    void advertQuitLabelEndsProgram();
    void advertBrandLabelDoubleClickCloses();
    void advertMinimiseLabelMinimises();
};

void WindowsTest::docking_data()
{
    QTest::addColumn<DockingInput>("input");
    QTest::addColumn<std::optional<DockingMove>>("expected");

    const int middleTop = 300;
    const int far = 5000;  // a cursor far from every window

    // Top edge: hide upwards leaving a 3 px strip, reveal 1 px beyond the
    // edge when the cursor enters the strip.
    QTest::newRow("top edge, cursor away: hide") << window({900, 0}, {far, far}) << move(900, 3 - WIN_H, false);
    QTest::newRow("top within 4 px: hide") << window({900, 4}, {far, far}) << move(900, 3 - WIN_H, false);
    QTest::newRow("top 5 px down: stays") << window({900, 5}, {far, far}) << std::optional<DockingMove>{};
    QTest::newRow("hidden at top stays hidden") << window({900, 3 - WIN_H}, {far, far}) << move(900, 3 - WIN_H, false);
    QTest::newRow("cursor enters top strip: reveal") << window({900, 3 - WIN_H}, {950, 1}) << move(900, -1, true);

    // Left edge.
    QTest::newRow("left edge: hide") << window({0, middleTop}, {far, far}) << move(3 - WIN_W, middleTop, false);
    QTest::newRow("cursor enters left strip: reveal")
        << window({3 - WIN_W, middleTop}, {1, 400}) << move(-1, middleTop, true);
    QTest::newRow("revealed at left, cursor inside: stays revealed")
        << window({-1, middleTop}, {100, 400}) << move(-1, middleTop, true);

    // Right edge: only a window that touches it.
    QTest::newRow("right edge: hide") << window({SCREEN_W - WIN_W, middleTop}, {far / 10, far / 10})
                                      << move(SCREEN_W - 3, middleTop, false);
    QTest::newRow("1 px from the right edge: stays")
        << window({SCREEN_W - WIN_W - 1, middleTop}, {far / 10, far / 10}) << std::optional<DockingMove>{};
    QTest::newRow("cursor enters right strip: reveal")
        << window({SCREEN_W - 3, middleTop}, {1919, 400}) << move(SCREEN_W - WIN_W + 1, middleTop, true);

    // Away from the edges the user's place is kept, cursor in or out.
    QTest::newRow("middle, cursor away") << window({800, middleTop}, {far, far}) << std::optional<DockingMove>{};
    QTest::newRow("middle, cursor inside") << window({800, middleTop}, {900, 400}) << std::optional<DockingMove>{};
    // The cursor on the rectangle's border is not inside it.
    QTest::newRow("cursor on the border of a hidden window")
        << window({3 - WIN_W, middleTop}, {3, 300}) << move(3 - WIN_W, middleTop, false);

    DockingInput minimised = window({0, middleTop}, {far, far});
    minimised.minimised = true;
    QTest::newRow("minimised") << minimised << std::optional<DockingMove>{};
    DockingInput early = window({0, middleTop}, {far, far});
    early.msSinceShown = 4999;
    QTest::newRow("first five seconds") << early << std::optional<DockingMove>{};
    early.msSinceShown = 5000;
    QTest::newRow("after five seconds") << early << move(3 - WIN_W, middleTop, false);
}

void WindowsTest::docking()
{
    QFETCH(DockingInput, input);
    QFETCH(std::optional<DockingMove>, expected);

    const std::optional<DockingMove> step = dockingStep(input);
    QCOMPARE(step.has_value(), expected.has_value());
    if (!step) return;
    QCOMPARE(step->left, expected->left);
    QCOMPARE(step->top, expected->top);
    QCOMPARE(step->bringToFront, expected->bringToFront);
}

void WindowsTest::centreForm()
{
    QCOMPARE(centeredTopLeft({1920, 1080}, {400, 300}), QPoint(760, 260));
    QCOMPARE(centeredTopLeft({1024, 768}, {1024, 768}), QPoint(0, 0));
    QCOMPARE(centeredTopLeft({800, 600}, {1000, 900}), QPoint(-100, -100));
}

void WindowsTest::aboutClicks_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("address");

    const QString home = QString::fromUtf8(HOMEPAGE);
    QTest::newRow("header") << "banner" << home;
    QTest::newRow("header icon") << "bannerIcon" << home;
    QTest::newRow("banner") << "bannerText" << home;
    QTest::newRow("home page") << "homepageLabel" << home;
    QTest::newRow("e-mail") << "mailLabel" << QString::fromUtf8("mailto:") + QString::fromUtf8(EMAIL);
}

void WindowsTest::aboutClicks()
{
    QFETCH(QString, control);
    QFETCH(QString, address);

    std::vector<std::string> opened;
    AboutDialog about([&](const std::string& a) { opened.push_back(a); });
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QCOMPARE(about.windowTitle(), QString::fromUtf8(BRAND));
    auto* label = about.findChild<ClickableLabel*>(control);
    QVERIFY(label != nullptr);
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(2, 2));
    // Exactly one address, also for the icon inside the header.
    QCOMPARE(opened.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(opened[0]), address);
}

void WindowsTest::aboutOkCloses()
{
    AboutDialog about([](const std::string&) {});
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    // The banner shows its whole text: the label is as wide as its text
    // wants and lies inside the banner, which lies inside the dialog.
    auto* banner = about.findChild<QLabel*>("banner");
    auto* bannerText = about.findChild<QLabel*>("bannerText");
    QVERIFY(banner != nullptr && bannerText != nullptr);
    QVERIFY2(bannerText->width() >= bannerText->sizeHint().width(),
             qPrintable(QStringLiteral("%1 < %2").arg(bannerText->width()).arg(bannerText->sizeHint().width())));
    QVERIFY(banner->rect().contains(bannerText->geometry()));
    QVERIFY(about.rect().contains(banner->geometry()));
    auto* ok = about.findChild<QPushButton*>("okButton");
    QVERIFY(ok != nullptr);
    QCOMPARE(ok->text(), QString::fromUtf8("  确  定"));
    ok->click();
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Accepted));
}

void WindowsTest::advertWindows_data()
{
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("page");
    QTest::newRow("right edge") << true << "gdownload.htm";
    QTest::newRow("left edge") << false << "bdownload.htm";
}

void WindowsTest::advertWindows()
{
    QFETCH(bool, right);
    QFETCH(QString, page);

    QPointer<AdvertWindow> advert = right ? new AdvertWindow(AdvertWindow::Edge::Right, RIGHT_ADVERT_PAGE)
                                          : new AdvertWindow(AdvertWindow::Edge::Left, LEFT_ADVERT_PAGE);
    QCOMPARE(advert->windowTitle(), QString::fromUtf8("休息一下，马上回来！"));
    QVERIFY(advert->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(advert->pageAddress(), QString::fromUtf8(HOMEPAGE) + page);
    QVERIFY(advert->findChild<QTextBrowser*>("advertPage")->toPlainText().contains(QString::fromUtf8(BRAND)));
    QCOMPARE(advert->findChild<QTimer*>("dockingDelay")->interval(), 5000);
    QVERIFY(!advert->findChild<QTimer*>("dockingTimer")->isActive());

    advert->show();
    QVERIFY(QTest::qWaitForWindowExposed(advert));
    const QRect screen = advert->screen()->geometry();
    const QRect frame = advert->frameGeometry();
    if (right)
        QCOMPARE(frame.right() + 1, screen.right() + 1);
    else
        QCOMPARE(frame.left(), screen.left());
    QCOMPARE(frame.top(), screen.top() + (screen.height() - frame.height()) / 3);
    QVERIFY(advert->findChild<QTimer*>("dockingDelay")->isActive());
    delete advert;
}

void WindowsTest::advertQuitLabelEndsProgram()
{
    AdvertWindow advert(AdvertWindow::Edge::Right, RIGHT_ADVERT_PAGE);
    QSignalSpy quit(&advert, &AdvertWindow::quitRequested);
    advert.show();
    QTest::mouseClick(advert.findChild<ClickableLabel*>("quitLabel"), Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(quit.count(), 1);
}

void WindowsTest::advertBrandLabelDoubleClickCloses()
{
    QPointer<AdvertWindow> advert = new AdvertWindow(AdvertWindow::Edge::Left, LEFT_ADVERT_PAGE);
    advert->show();
    auto* label = advert->findChild<ClickableLabel*>("brandLabel");
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(advert->isVisible());  // a single click does nothing
    QTest::mouseDClick(label, Qt::LeftButton, {}, QPoint(2, 2));
    QTRY_VERIFY(advert.isNull());  // closed and deleted
}

void WindowsTest::advertMinimiseLabelMinimises()
{
    AdvertWindow advert(AdvertWindow::Edge::Right, RIGHT_ADVERT_PAGE);
    advert.show();
    QVERIFY(QTest::qWaitForWindowExposed(&advert));
    QTest::mouseClick(advert.findChild<ClickableLabel*>("minimiseLabel"), Qt::LeftButton, {}, QPoint(2, 2));
    QTRY_VERIFY(advert.isMinimized());
}

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
