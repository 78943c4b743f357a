#pragma once
// The advert windows: a page of the maker's site beside the main window,
// kept on top, docking at the screen edge it was dragged to. adfrm stands at
// the right edge, ad1frm at the left.

#include <QElapsedTimer>
#include <QWidget>

class QNetworkAccessManager;
class QTextBrowser;
class QTimer;

namespace vomel::windows {

class ClickableLabel;

class AdvertWindow : public QWidget {
    Q_OBJECT

public:
    enum class Edge { Left, Right };

    // `page` is a page of the maker's site, relative to its home page.
    AdvertWindow(Edge edge, const char* page, QWidget* parent = nullptr);

    QString pageAddress() const;

signals:
    // Image2 was clicked: the whole program ends.
    void quitRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void placeAtEdge();  // CenterForm1
    void navigate();
    void dockingCheck();

    Edge edge_;
    const char* page_;
    bool loaded_ = false;
    QElapsedTimer shown_;
    QNetworkAccessManager* network_ = nullptr;

    QTextBrowser* WebBrowser1 = nullptr;
    ClickableLabel* Image1 = nullptr;  // minimise
    ClickableLabel* Image2 = nullptr;  // end the program
    ClickableLabel* Label1 = nullptr;  // double click closes this window
    QTimer* Timer1 = nullptr;          // docking check
    QTimer* Timer2 = nullptr;          // starts Timer1 after a delay
};

class adfrm : public AdvertWindow {
    Q_OBJECT

public:
    explicit adfrm(QWidget* parent = nullptr);
};

class ad1frm : public AdvertWindow {
    Q_OBJECT

public:
    explicit ad1frm(QWidget* parent = nullptr);
};

// The page shown when the maker's page cannot be loaded.
QString localAdvertPage();

}  // namespace vomel::windows
