// vomel: the desktop program.
#include <QApplication>

#include "gui/main_window.h"
#include "gui/qt_platform.h"
#include "ui/session_operations.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vomel"));

    vomel::gui::QtPlatform platform;
    vomel::gui::SessionOperations operations;
    vomel::gui::MainWindow form(platform, operations);
    platform.setOwner(&form);

    form.startUp();
    form.show();
    return QApplication::exec();
}
