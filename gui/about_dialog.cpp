#include "gui/about_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <utility>

#include "gui/brand.h"
#include "gui/center_window.h"
#include "gui/clickable_label.h"

namespace vomel::windows {

namespace {

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

ClickableLabel* linkLabel(const QString& caption, QWidget* parent)
{
    auto* label = new ClickableLabel(caption, parent);
    label->setCursor(Qt::PointingHandCursor);
    label->setStyleSheet(QStringLiteral("color: #0645ad; text-decoration: underline;"));
    return label;
}

}  // namespace

aboutfrm::aboutfrm(OpenAddress openAddress, QWidget* parent)
    : QDialog(parent), openAddress_(std::move(openAddress))
{
    setObjectName(QStringLiteral("aboutfrm"));
    setWindowTitle(text(BRAND));

    picBGHead = new ClickableLabel(this);
    picBGHead->setObjectName(QStringLiteral("picBGHead"));
    picBGHead->setCursor(Qt::PointingHandCursor);
    picBGHead->setAutoFillBackground(true);
    picBGHead->setStyleSheet(QStringLiteral("background-color: #2f6f4f;"));
    picBGHead->setMinimumHeight(64);

    picBGHeadIcon = new ClickableLabel(picBGHead);
    picBGHeadIcon->setObjectName(QStringLiteral("picBGHeadIcon"));
    picBGHeadIcon->setCursor(Qt::PointingHandCursor);
    picBGHeadIcon->setPixmap(style()->standardIcon(QStyle::SP_DesktopIcon).pixmap(40, 40));

    lblBGHeadInfo1 = new ClickableLabel(text(BRAND) + "  " + text(SLOGAN), picBGHead);
    lblBGHeadInfo1->setObjectName(QStringLiteral("lblBGHeadInfo1"));
    lblBGHeadInfo1->setCursor(Qt::PointingHandCursor);
    lblBGHeadInfo1->setStyleSheet(QStringLiteral("color: white; font-size: 14pt; font-weight: bold;"));

    auto* headLayout = new QHBoxLayout(picBGHead);
    headLayout->addWidget(picBGHeadIcon);
    headLayout->addWidget(lblBGHeadInfo1, 1);

    Label4 = linkLabel(text(HOMEPAGE), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    lblHomepage = linkLabel(text(EMAIL), this);
    lblHomepage->setObjectName(QStringLiteral("lblHomepage"));

    auto* details = new QGridLayout;
    const std::pair<const char*, QWidget*> rows[] = {
        {"单 位：", new QLabel(text(ORGANISATION), this)},
        {"作 者：", new QLabel(text(AUTHOR), this)},
        {"软件下载：", new QLabel(text(DOWNLOAD_SITE), this)},
        {"E-mail：", lblHomepage},
    };
    int row = 0;
    for (const auto& [caption, value] : rows) {
        details->addWidget(new QLabel(text(caption), this), row, 0, Qt::AlignRight);
        details->addWidget(value, row, 1);
        ++row;
    }
    details->addWidget(Label4, row, 0, 1, 2, Qt::AlignCenter);
    details->setColumnStretch(1, 1);

    Command1 = new QPushButton(text("  确  定"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picBGHead);
    layout->addLayout(details);
    layout->addLayout(buttons);

    for (ClickableLabel* label : {picBGHead, picBGHeadIcon, lblBGHeadInfo1, Label4}) {
        connect(label, &ClickableLabel::clicked, this, &aboutfrm::openHomepage);
    }
    connect(lblHomepage, &ClickableLabel::clicked, this, &aboutfrm::writeMail);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
}

void aboutfrm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!placed_) {
        placed_ = true;
        CenterForm(this);
    }
}

void aboutfrm::openHomepage()
{
    if (openAddress_) openAddress_(HOMEPAGE);
}

void aboutfrm::writeMail()
{
    if (openAddress_) openAddress_(std::string("mailto:") + EMAIL);
}

}  // namespace vomel::windows
