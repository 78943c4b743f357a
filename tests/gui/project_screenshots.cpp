// Saves the pictures of the project pane for the documentation: the main
// window with the pane open on a project after a typed point (its line
// beside the answer), the same after a file run over the project (the
// counts of each line in the closing status), and the plan view of every
// line with the run's points coloured by line. The dialogs are answered by
// the scripted platform; the window and the core are the real ones.
//
//   vomel_project_screenshots OUTDIR PROJECT.vomelproj POINTS X Y
//
// The window speaks the language VOMEL_LANG names (Chinese by default); the
// English pictures' names end in "-en". The help's picture of the pane
// goes to OUTDIR/help/<language>/project-pane.png, with a palette of at
// most 256 colours as the help's other pictures.
#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "gui/main_window.h"
#include "gui/plan_view.h"
#include "gui/plan_window.h"
#include "gui/window_language.h"
#include "testing/scripted_platform.h"
#include "ui/session_operations.h"

using namespace vomel::gui;
using namespace vomel::ui;
using namespace vomel::testing;

namespace {

// Milliseconds a window is given to paint before it is grabbed.
constexpr int PAINT_WAIT_MS = 200;

// The scripted file dialogs, with the window's texts in the installed
// language.
class TranslatingPlatform : public ScriptedPlatform {
public:
    std::string translate(const char* context, const char* source) const override
    {
        return QCoreApplication::translate(context, source).toStdString();
    }
};

bool save(QWidget& window, const QString& path, bool small = false)
{
    QTest::qWait(PAINT_WAIT_MS);
    QImage picture = window.grab().toImage();
    if (small) picture = picture.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    if (picture.save(path)) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s OUTDIR PROJECT.vomelproj POINTS X Y\n", argv[0]);
        return 2;
    }
    const QString language =
        chooseWindowLanguage({}, qEnvironmentVariable("VOMEL_LANG"), {QString::fromLatin1(WINDOW_LANGUAGE_CHINESE)})
            .language;
    if (!installWindowLanguage(language)) return 1;
    const QString suffix = language == QLatin1String(WINDOW_LANGUAGE_ENGLISH) ? QStringLiteral("-en") : QString();
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const auto picture = [&out, &suffix](const char* name) {
        return out.filePath(QString::fromLatin1(name) + suffix + QStringLiteral(".png"));
    };
    const QString results = QDir::temp().filePath(QStringLiteral("vomel-project-screenshot.csv"));

    TranslatingPlatform platform;
    SessionOperations operations;
    MainWindow form(platform, operations);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) return 1;
    auto click = [&form](const char* name) { form.findChild<QAbstractButton*>(name)->click(); };

    click("projectButton");
    platform.answerDialog(argv[2]);
    click("openProjectButton");
    form.findChild<QLineEdit*>("xEdit")->setText(QString::fromLocal8Bit(argv[4]));
    form.findChild<QLineEdit*>("yEdit")->setText(QString::fromLocal8Bit(argv[5]));
    click("computeButton");
    form.adjustSize();
    if (!save(form, picture("project-pane"))) return 1;

    click("fileRunMode");
    platform.answerDialog(argv[3]);
    platform.answerDialog(results.toLocal8Bit().toStdString());
    click("computeButton");
    if (!save(form, picture("project-file-run"))) return 1;
    const QString helpPicture = out.filePath(QStringLiteral("help/") + language + QStringLiteral("/project-pane.png"));
    if (!save(form, helpPicture, true)) return 1;

    click("PlanButton");
    auto* plan = form.findChild<PlanWindow*>("PlanWindow");
    if (plan == nullptr) return 1;
    plan->resize(1100, 800);
    if (!QTest::qWaitForWindowExposed(plan)) return 1;
    plan->view()->fitAll();
    if (!save(*plan, picture("project-plan-view"))) return 1;

    for (const auto& error : platform.errors()) {
        std::fprintf(stderr, "error: %s (%s)\n", error.text.c_str(), error.detail.c_str());
    }
    QFile::remove(results);
    return platform.errors().empty() ? 0 : 1;
}
