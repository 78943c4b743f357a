#include "gui/help_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLocale>
#include <QPointer>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "gui/center_window.h"
#include "ui/help_location.h"

namespace vomel::gui {

using namespace vomel::ui;

namespace {

// Labels of the buttons, in the language of the pages they move between.
struct HelpButtonTexts {
    const char* back;
    const char* forward;
    const char* home;
    const char* title;  // until the page gives its own
};

HelpButtonTexts buttonTexts(const std::string& language)
{
    if (language == HELP_LANGUAGE_ENGLISH) return {"Back", "Forward", "Home", "Vomel Help"};
    return {"后退", "前进", "首页", "Vomel 帮助"};
}

// Help window size in pixels: wide enough for the examples' longest lines.
constexpr int HELP_WINDOW_WIDTH = 900;
constexpr int HELP_WINDOW_HEIGHT = 700;

QToolButton* toolButton(QStyle::StandardPixmap icon, const char* name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return button;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    back_ = toolButton(QStyle::SP_ArrowBack, "helpBack", this);
    forward_ = toolButton(QStyle::SP_ArrowForward, "helpForward", this);
    home_ = toolButton(QStyle::SP_DirHomeIcon, "helpHome", this);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    // Links between the pages stay in the browser; web and mail links go to
    // the desktop.
    browser_->setOpenExternalLinks(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addWidget(home_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    resizeToFit(this, {HELP_WINDOW_WIDTH, HELP_WINDOW_HEIGHT});

    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(home_, &QToolButton::clicked, browser_, &QTextBrowser::home);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        if (!browser_->documentTitle().isEmpty()) setWindowTitle(browser_->documentTitle());
    });
}

bool HelpWindow::openHome(const QString& page, const std::string& language)
{
    const HelpButtonTexts texts = buttonTexts(language);
    back_->setText(QString::fromUtf8(texts.back));
    forward_->setText(QString::fromUtf8(texts.forward));
    home_->setText(QString::fromUtf8(texts.home));
    setWindowTitle(QString::fromUtf8(texts.title));

    if (!QFileInfo(page).isReadable()) return false;
    // Clearing the history keeps only the page shown, which home() then
    // returns to.
    browser_->setSource(QUrl::fromLocalFile(QFileInfo(page).absoluteFilePath()));
    browser_->clearHistory();
    return !browser_->document()->isEmpty();
}

std::string helpIndexForThisProgram()
{
    std::vector<std::string> languages;
    for (const QString& tag : QLocale().uiLanguages()) languages.push_back(tag.toStdString());
    return helpIndexPath(QCoreApplication::applicationDirPath().toLocal8Bit().toStdString(), helpLanguage(languages));
}

bool openHelpWindow(const QString& page, QWidget* owner)
{
    static QPointer<HelpWindow> window;
    if (!window || window->parentWidget() != owner) {
        delete window;
        window = new HelpWindow(owner);
    }
    // The language is the name of the folder the page lies in.
    const std::string language = QFileInfo(page).dir().dirName().toStdString();
    if (!window->openHome(page, language)) return false;
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}

}  // namespace vomel::gui
