#include "gui/center_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vomel::windows {

QPoint centeredTopLeft(QSize screen, QSize window)
{
    return {(screen.width() - window.width()) / 2, (screen.height() - window.height()) / 3};
}

namespace {

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
    const QRect area = screen->geometry();
    window->move(area.topLeft() + centeredTopLeft(area.size(), window->frameGeometry().size()));
}

double twipsPerPixel(const QWidget* window)
{
    const QScreen* screen = screenOf(window);
    const double dpi = screen != nullptr ? screen->logicalDotsPerInchX() : 96.0;
    return 1440.0 / (dpi > 0.0 ? dpi : 96.0);
}

}  // namespace vomel::windows
