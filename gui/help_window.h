#pragma once
// The help window: the help's HTML pages in a browser with back, forward
// and home, links between the pages followed inside it, web links handed
// to the desktop.

#include <string>

#include <QString>
#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace vomel::gui {

class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows PAGE, a local HTML file, and makes it the page Home returns to.
    // The buttons are labelled in LANGUAGE ("zh_CN" or "en"), the language
    // of the pages. False when the page cannot be read.
    bool openHome(const QString& page, const std::string& language);

    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
    QToolButton* home_ = nullptr;
};

// The help's index page for this program (found relative to its folder) in
// the language of the user's locale.
std::string helpIndexForThisProgram();

// Opens PAGE in the one help window of OWNER (made on first use, raised
// afterwards). False when the page cannot be read.
bool openHelpWindow(const QString& page, QWidget* owner);

}  // namespace vomel::gui
