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
#include <cmath>

#include "gui/brand.h"
#include "gui/center_window.h"
#include "gui/clickable_label.h"
#include "gui/docking.h"

namespace vomel::windows {

namespace {

constexpr const char* ADVERT_CAPTION = "休息一下，马上回来！";
constexpr int TIMER2_INTERVAL_MS = 5000;
constexpr int TIMER1_INTERVAL_MS = 1;
constexpr int PAGE_TIMEOUT_MS = 10000;

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

}  // namespace

QString localAdvertPage()
{
    const QString home = text(HOMEPAGE).toHtmlEscaped();
    return QStringLiteral("<html><body style='text-align:center'>"
                          "<h2>%1</h2><p>%2</p><p><a href='%3'>%3</a></p>"
                          "</body></html>")
        .arg(text(BRAND).toHtmlEscaped(), text(SLOGAN).toHtmlEscaped(), home);
}

AdvertWindow::AdvertWindow(Edge edge, const char* page, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), edge_(edge), page_(page)
{
    setWindowTitle(text(ADVERT_CAPTION));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(220, 320);

    WebBrowser1 = new QTextBrowser(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setOpenExternalLinks(true);
    WebBrowser1->setHtml(localAdvertPage());

    Image1 = new ClickableLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(style()->standardIcon(QStyle::SP_TitleBarMinButton).pixmap(16, 16));
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setToolTip(QStringLiteral("最小化"));

    Image2 = new ClickableLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(style()->standardIcon(QStyle::SP_TitleBarCloseButton).pixmap(16, 16));
    Image2->setCursor(Qt::PointingHandCursor);
    Image2->setToolTip(QStringLiteral("退出程序"));

    Label1 = new ClickableLabel(text(BRAND), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setToolTip(QStringLiteral("双击关闭本窗口"));

    auto* bar = new QHBoxLayout;
    bar->addWidget(Label1, 1);
    bar->addWidget(Image1);
    bar->addWidget(Image2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(WebBrowser1, 1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(TIMER2_INTERVAL_MS);

    connect(Image1, &ClickableLabel::clicked, this, &QWidget::showMinimized);
    connect(Image2, &ClickableLabel::clicked, this, &AdvertWindow::quitRequested);
    connect(Label1, &ClickableLabel::doubleClicked, this, &QWidget::close);
    connect(Timer2, &QTimer::timeout, this, [this] {
        Timer1->setInterval(TIMER1_INTERVAL_MS);
        if (!Timer1->isActive()) Timer1->start();
    });
    connect(Timer1, &QTimer::timeout, this, &AdvertWindow::dockingCheck);
}

QString AdvertWindow::pageAddress() const
{
    return text(HOMEPAGE) + text(page_);
}

void AdvertWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (loaded_) return;
    loaded_ = true;
    placeAtEdge();
    shown_.start();
    Timer2->start();
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
        WebBrowser1->setHtml(html);
    });
}

void AdvertWindow::dockingCheck()
{
    const QScreen* screen = this->screen();
    if (screen == nullptr) return;
    const double tpp = twipsPerPixel(this);
    const QRect area = screen->geometry();
    const QRect frame = frameGeometry().translated(-area.topLeft());
    const QPoint cursor = QCursor::pos(screen) - area.topLeft();
    auto twips = [tpp](int pixels) { return static_cast<int>(std::lround(pixels * tpp)); };

    DockingInput in;
    in.msSinceShown = shown_.isValid() ? shown_.elapsed() : 0;
    in.minimised = isMinimized();
    in.cursorX = cursor.x();
    in.cursorY = cursor.y();
    in.windowRect = {frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height()};
    in.left = twips(frame.left());
    in.top = twips(frame.top());
    in.width = twips(frame.width());
    in.height = twips(frame.height());
    in.screenWidth = twips(area.width());

    const std::optional<DockingMove> step = dockingStep(in);
    if (!step) return;
    auto pixels = [tpp](int twipValue) { return static_cast<int>(std::lround(twipValue / tpp)); };
    const QPoint target = area.topLeft() + QPoint(pixels(step->left), pixels(step->top));
    if (target == frameGeometry().topLeft()) return;
    move(target);
    if (step->bringToFront) {
        show();
        raise();
    }
}

adfrm::adfrm(QWidget* parent) : AdvertWindow(Edge::Right, "gdownload.htm", parent)
{
    setObjectName(QStringLiteral("adfrm"));
}

ad1frm::ad1frm(QWidget* parent) : AdvertWindow(Edge::Left, "bdownload.htm", parent)
{
    setObjectName(QStringLiteral("ad1frm"));
}

}  // namespace vomel::windows
