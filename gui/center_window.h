#pragma once
// Where the program's windows open: centred across the screen and a third
// of the free height down.

#include <QPoint>
#include <QSize>

class QWidget;

namespace vomel::gui {

// Left = (screen width - window width) / 2, top = (screen height - window height) / 3.
QPoint centeredTopLeft(QSize screen, QSize window);

// Places the window so on its screen's available area (without panels),
// its top left inside that area.
void centreWindow(QWidget* window);
// `wanted`, made small enough that the window with its frame and title bar
// fits the available area `available`.
QSize fittedSize(QSize wanted, QSize available);
// Resizes the window to `wanted` as far as its screen allows.
void resizeToFit(QWidget* window, QSize wanted);

}  // namespace vomel::gui
