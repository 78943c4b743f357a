#pragma once
// Where the program's windows open: centred across the screen and a third
// of the free height down.

#include <QPoint>
#include <QSize>

class QWidget;

namespace vomel::windows {

// Left = (screen width - window width) / 2, top = (screen height - window height) / 3.
QPoint centeredTopLeft(QSize screen, QSize window);

// Places the window so on its screen.
void centreWindow(QWidget* window);

// Twips per pixel of the window's screen (15 at 96 dots per inch).
double twipsPerPixel(const QWidget* window);

}  // namespace vomel::windows
