#include "gui/center_window.h"

#include <algorithm>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vomel::gui {

QPoint centeredTopLeft(QSize screen, QSize window)
{
    return {(screen.width() - window.width()) / 2, (screen.height() - window.height()) / 3};
}

namespace {

// Room kept for a window manager's frame and title bar, in pixels.
constexpr int FRAME_ALLOWANCE_PX = 48;

const QScreen* screenOf(const QWidget* window)
{
    const QScreen* screen = window->screen();
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

}  // namespace

void centreWindow(QWidget* window)
{
    const QScreen* screen = screenOf(window);
    if (screen == nullptr) return;
    const QRect area = screen->availableGeometry();
    const QPoint offset = centeredTopLeft(area.size(), window->frameGeometry().size());
    window->move(area.topLeft() + QPoint(std::max(offset.x(), 0), std::max(offset.y(), 0)));
}

QSize fittedSize(QSize wanted, QSize available)
{
    const QSize room = (available - QSize(FRAME_ALLOWANCE_PX, FRAME_ALLOWANCE_PX)).expandedTo(QSize(1, 1));
    return wanted.boundedTo(room);
}

void resizeToFit(QWidget* window, QSize wanted)
{
    const QScreen* screen = screenOf(window);
    window->resize(screen != nullptr ? fittedSize(wanted, screen->availableGeometry().size()) : wanted);
}

}  // namespace vomel::gui
