// vomel: the desktop program.
#include <cstdio>

#include <QApplication>
#include <QLocale>

#include "gui/main_window.h"
#include "gui/qt_platform.h"
#include "gui/window_language.h"
#include "ui/session_operations.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vomel"));

    const vomel::gui::LanguageChoice language = vomel::gui::chooseWindowLanguage(
        QApplication::arguments(), qEnvironmentVariable("VOMEL_LANG"), QLocale::system().uiLanguages());
    if (!vomel::gui::installWindowLanguage(language.language)) {
        std::fprintf(stderr, "vomel: the %s translation could not be loaded\n",
                     language.language.toLocal8Bit().constData());
    }

    vomel::gui::QtPlatform platform;
    vomel::ui::SessionOperations operations;
    vomel::gui::MainWindow form(platform, operations);
    platform.setOwner(&form);

    form.startUp();
    form.show();
    return QApplication::exec();
}
