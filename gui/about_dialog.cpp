#include "gui/about_dialog.h"

#include <utility>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/brand.h"
#include "gui/center_window.h"
#include "gui/clickable_label.h"
#include "gui/window_text.h"

namespace vomel::gui {

using namespace vomel::ui;

namespace {

using vomel::gui::uiText;

// The default slogan and download site, translated like the window's texts;
// other values set at build time are shown as they are.
[[maybe_unused]] constexpr const char* DEFAULT_BRAND_TEXTS[] = {VOMEL_TRANSLATE_NOOP("Window", "道路测量反算"),
                                                                VOMEL_TRANSLATE_NOOP("Window", "Vomel 下载")};

ClickableLabel* linkLabel(const QString& caption, QWidget* parent)
{
    auto* label = new ClickableLabel(caption, parent);
    label->setCursor(Qt::PointingHandCursor);
    label->setStyleSheet(QStringLiteral("color: #0645ad; text-decoration: underline;"));
    return label;
}

}  // namespace

AboutDialog::AboutDialog(OpenAddress openAddress, QWidget* parent)
    : QDialog(parent), openAddress_(std::move(openAddress))
{
    // Above the advert windows, which stay on top at the screen's edges: a
    // wide box (English, or at twice the scale) reaches under them.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(uiText(BRAND));

    banner = new ClickableLabel(this);
    banner->setObjectName(QStringLiteral("banner"));
    banner->setCursor(Qt::PointingHandCursor);
    banner->setAutoFillBackground(true);
    banner->setStyleSheet(QStringLiteral("background-color: #2f6f4f;"));

    bannerIcon = new ClickableLabel(banner);
    bannerIcon->setObjectName(QStringLiteral("bannerIcon"));
    bannerIcon->setCursor(Qt::PointingHandCursor);
    bannerIcon->setPixmap(style()->standardIcon(QStyle::SP_DesktopIcon).pixmap(40, 40));

    bannerText = new ClickableLabel(uiText(BRAND) + "  " + uiText(SLOGAN), banner);
    bannerText->setObjectName(QStringLiteral("bannerText"));
    bannerText->setCursor(Qt::PointingHandCursor);
    bannerText->setStyleSheet(QStringLiteral("color: white; font-size: 14pt; font-weight: bold;"));

    auto* headLayout = new QHBoxLayout(banner);
    headLayout->addWidget(bannerIcon);
    headLayout->addWidget(bannerText, 1);
    // A label's own size hint knows nothing of the widgets laid out on it:
    // the banner takes its layout's minimum so that the dialog is wide
    // enough for the whole brand and slogan at any font and scale.
    headLayout->setSizeConstraint(QLayout::SetMinimumSize);

    homepageLabel = linkLabel(uiText(HOMEPAGE), this);
    homepageLabel->setObjectName(QStringLiteral("homepageLabel"));
    mailLabel = linkLabel(uiText(EMAIL), this);
    mailLabel->setObjectName(QStringLiteral("mailLabel"));

    auto* details = new QGridLayout;
    const std::pair<const char*, QWidget*> rows[] = {
        {VOMEL_TRANSLATE_NOOP("Window", "单 位："), new QLabel(uiText(ORGANISATION), this)},
        {VOMEL_TRANSLATE_NOOP("Window", "作 者："), new QLabel(uiText(AUTHOR), this)},
        {VOMEL_TRANSLATE_NOOP("Window", "软件下载："), new QLabel(uiText(DOWNLOAD_SITE), this)},
        {VOMEL_TRANSLATE_NOOP("Window", "E-mail："), mailLabel},
    };
    int row = 0;
    for (const auto& [caption, value] : rows) {
        details->addWidget(new QLabel(uiText(caption), this), row, 0, Qt::AlignRight);
        details->addWidget(value, row, 1);
        ++row;
    }
    details->addWidget(homepageLabel, row, 0, 1, 2, Qt::AlignCenter);
    details->setColumnStretch(1, 1);

    okButton = new QPushButton(uiText(VOMEL_TRANSLATE_NOOP("Window", "  确  定")), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(banner);
    layout->addLayout(details);
    layout->addLayout(buttons);

    for (ClickableLabel* label : {banner, bannerIcon, bannerText, homepageLabel}) {
        connect(label, &ClickableLabel::clicked, this, &AboutDialog::openHomepage);
    }
    connect(mailLabel, &ClickableLabel::clicked, this, &AboutDialog::writeMail);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!placed_) {
        placed_ = true;
        centreWindow(this);
    }
}

void AboutDialog::openHomepage()
{
    if (openAddress_) openAddress_(HOMEPAGE);
}

void AboutDialog::writeMail()
{
    if (openAddress_) openAddress_(std::string("mailto:") + EMAIL);
}

}  // namespace vomel::gui
