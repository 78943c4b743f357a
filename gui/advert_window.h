#pragma once
// The advert windows: a page of the maker's site beside the main window,
// kept on top, docking at the screen edge it was dragged to. The download
// page stands at the right edge, the other page at the left.

#include <QElapsedTimer>
#include <QWidget>

class QNetworkAccessManager;
class QTextBrowser;
class QTimer;

namespace vomel::gui {

class ClickableLabel;

class AdvertWindow : public QWidget {
    Q_OBJECT

public:
    enum class Edge { Left, Right };

    // `page` is a page of the maker's site, relative to its home page.
    AdvertWindow(Edge edge, const char* page, QWidget* parent = nullptr);

    QString pageAddress() const;

signals:
    // quitLabel was clicked: the whole program ends.
    void quitRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void placeAtEdge();
    void navigate();
    void dockingCheck();
    // The frame's rectangle where the window really stands on the screen.
    QRect frameOnScreen() const;

    Edge edge_;
    const char* page_;
    bool loaded_ = false;
    QElapsedTimer shown_;
    QNetworkAccessManager* network_ = nullptr;

    QTextBrowser* pageView = nullptr;
    ClickableLabel* minimiseLabel = nullptr;
    ClickableLabel* quitLabel = nullptr;  // ends the program
    ClickableLabel* brandLabel = nullptr;  // a double click closes this window
    QTimer* dockingTimer = nullptr;  // the docking check
    QTimer* dockingDelay = nullptr;  // starts dockingTimer after a delay
};

// The pages of the two advert windows, relative to the maker's home page.
inline constexpr const char* RIGHT_ADVERT_PAGE = "gdownload.htm";
inline constexpr const char* LEFT_ADVERT_PAGE = "bdownload.htm";

// The page shown when the maker's page cannot be loaded.
QString localAdvertPage();

}  // namespace vomel::gui
