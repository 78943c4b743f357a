#pragma once
// A label that reports clicks and double clicks: the pictures and links of
// the about box and the advert windows. It takes the mouse events it
// reports, so a label inside another clickable label fires only once.

#include <QLabel>
#include <QMouseEvent>

namespace vomel::gui {

class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton) {
            event->accept();
            return;
        }
        QLabel::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton) {
            event->accept();
            if (rect().contains(event->position().toPoint())) emit clicked();
            return;
        }
        QLabel::mouseReleaseEvent(event);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton) {
            event->accept();
            emit doubleClicked();
            return;
        }
        QLabel::mouseDoubleClickEvent(event);
    }
};

}  // namespace vomel::gui
