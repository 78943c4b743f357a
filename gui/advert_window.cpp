#include "gui/advert_window.h"

#include <QCursor>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QScreen>
#include <QStringDecoder>
#include <QStyle>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/brand.h"
#include "gui/center_window.h"
#include "gui/clickable_label.h"
#include "gui/docking.h"
#include "gui/window_text.h"

namespace vomel::gui {

using namespace vomel::ui;

namespace {

using vomel::gui::uiText;

constexpr const char* ADVERT_CAPTION = VOMEL_TRANSLATE_NOOP("Window", "休息一下，马上回来！");
constexpr int DOCKING_CHECK_INTERVAL_MS = 1;
constexpr int PAGE_TIMEOUT_MS = 10000;

}  // namespace

QString localAdvertPage()
{
    const QString home = uiText(HOMEPAGE).toHtmlEscaped();
    return QStringLiteral("<html><body style='text-align:center'>"
                          "<h2>%1</h2><p>%2</p><p><a href='%3'>%3</a></p>"
                          "</body></html>")
        .arg(uiText(BRAND).toHtmlEscaped(), uiText(SLOGAN).toHtmlEscaped(), home);
}

AdvertWindow::AdvertWindow(Edge edge, const char* page, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), edge_(edge), page_(page)
{
    // The object names the window's tests look for.
    setObjectName(edge == Edge::Right ? QStringLiteral("rightAdvert") : QStringLiteral("leftAdvert"));
    setWindowTitle(uiText(ADVERT_CAPTION));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(220, 320);

    pageView = new QTextBrowser(this);
    pageView->setObjectName(QStringLiteral("advertPage"));
    pageView->setOpenExternalLinks(true);
    pageView->setHtml(localAdvertPage());

    minimiseLabel = new ClickableLabel(this);
    minimiseLabel->setObjectName(QStringLiteral("minimiseLabel"));
    minimiseLabel->setPixmap(style()->standardIcon(QStyle::SP_TitleBarMinButton).pixmap(16, 16));
    minimiseLabel->setCursor(Qt::PointingHandCursor);
    minimiseLabel->setToolTip(uiText(VOMEL_TRANSLATE_NOOP("Window", "最小化")));

    quitLabel = new ClickableLabel(this);
    quitLabel->setObjectName(QStringLiteral("quitLabel"));
    quitLabel->setPixmap(style()->standardIcon(QStyle::SP_TitleBarCloseButton).pixmap(16, 16));
    quitLabel->setCursor(Qt::PointingHandCursor);
    quitLabel->setToolTip(uiText(VOMEL_TRANSLATE_NOOP("Window", "退出程序")));

    brandLabel = new ClickableLabel(uiText(BRAND), this);
    brandLabel->setObjectName(QStringLiteral("brandLabel"));
    brandLabel->setToolTip(uiText(VOMEL_TRANSLATE_NOOP("Window", "双击关闭本窗口")));

    auto* bar = new QHBoxLayout;
    bar->addWidget(brandLabel, 1);
    bar->addWidget(minimiseLabel);
    bar->addWidget(quitLabel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(pageView, 1);

    dockingTimer = new QTimer(this);
    dockingTimer->setObjectName(QStringLiteral("dockingTimer"));
    dockingDelay = new QTimer(this);
    dockingDelay->setObjectName(QStringLiteral("dockingDelay"));
    dockingDelay->setInterval(static_cast<int>(DOCKING_DELAY_MS));

    connect(minimiseLabel, &ClickableLabel::clicked, this, &QWidget::showMinimized);
    connect(quitLabel, &ClickableLabel::clicked, this, &AdvertWindow::quitRequested);
    connect(brandLabel, &ClickableLabel::doubleClicked, this, &QWidget::close);
    connect(dockingDelay, &QTimer::timeout, this, [this] {
        dockingTimer->setInterval(DOCKING_CHECK_INTERVAL_MS);
        if (!dockingTimer->isActive()) dockingTimer->start();
    });
    connect(dockingTimer, &QTimer::timeout, this, &AdvertWindow::dockingCheck);
}

QString AdvertWindow::pageAddress() const { return uiText(HOMEPAGE) + uiText(page_); }

void AdvertWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (loaded_) return;
    loaded_ = true;
    placeAtEdge();
    shown_.start();
    dockingDelay->start();
    navigate();
}

void AdvertWindow::placeAtEdge()
{
    const QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->geometry();
    const QSize size = frameGeometry().size();
    const int left = edge_ == Edge::Right ? area.width() - size.width() : 0;
    move(area.left() + left, area.top() + centeredTopLeft(area.size(), size).y());
}

void AdvertWindow::navigate()
{
    if (network_ == nullptr) network_ = new QNetworkAccessManager(this);
    QNetworkRequest request{QUrl(pageAddress())};
    request.setTransferTimeout(PAGE_TIMEOUT_MS);
    QNetworkReply* reply = network_->get(request);
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        reply->deleteLater();
        if (reply->error() != QNetworkReply::NoError) return;  // the local page stays
        const QByteArray page = reply->readAll();
        QStringDecoder decoder = QStringDecoder::decoderForHtml(page);
        const QString html = decoder.isValid() ? decoder.decode(page) : QString::fromUtf8(page);
        pageView->setHtml(html);
    });
}

QRect AdvertWindow::frameOnScreen() const
{
    // A window manager may keep part of a window on the screen when it is
    // moved beyond an edge (the title bar, or some 20 px of it) without
    // telling Qt, whose geometry then holds the place asked for. The place
    // of the client area is asked of the display itself; the frame keeps
    // its margins around it.
    const QPoint frameMargin = geometry().topLeft() - frameGeometry().topLeft();
    return {mapToGlobal(QPoint(0, 0)) - frameMargin, frameGeometry().size()};
}

void AdvertWindow::dockingCheck()
{
    const QScreen* screen = this->screen();
    if (screen == nullptr) return;
    const QRect area = screen->geometry();
    const QRect frame = frameOnScreen().translated(-area.topLeft());
    const QPoint cursor = QCursor::pos(screen) - area.topLeft();

    DockingInput in;
    in.msSinceShown = shown_.isValid() ? shown_.elapsed() : 0;
    in.minimised = isMinimized();
    in.cursorX = cursor.x();
    in.cursorY = cursor.y();
    in.left = frame.left();
    in.top = frame.top();
    in.width = frame.width();
    in.height = frame.height();
    in.screenWidth = area.width();

    const std::optional<DockingMove> step = dockingStep(in);
    if (!step) return;
    const QPoint target = area.topLeft() + QPoint(step->left, step->top);
    // Against the place last asked for, not the one the window manager
    // granted: asking again for a place it refuses would repeat every tick.
    if (target == frameGeometry().topLeft()) return;
    move(target);
    if (step->bringToFront) {
        show();
        raise();
    }
}

}  // namespace vomel::gui
