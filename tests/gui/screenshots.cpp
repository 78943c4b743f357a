// Saves pictures for the documentation: the main window after a typed point
// and after a file run, the curve table of the line, the stakeout dialog
// setting out the typed point's station and offset again, and the plan view
// after the run, and the 纵断面 window with the profile and cross-fall files
// beside the line's JD file (same name, .profile and .crossfall) and the
// run's points. The dialogs are answered by the scripted platform;
// everything else is the real window and the real core.
//
//   vomel_screenshots OUTDIR LINE.jdx LINE.dl POINTS.xy X Y [XMIN YMIN XMAX YMAX]
//
// The optional rectangle (plane coordinates) is shown close up in a second
// picture of the plan view. The window speaks the language VOMEL_LANG names
// (Chinese by default); the English pictures' names end in "-en".
//
// The help's pictures go to OUTDIR/help/<language>/ (docs/help/zh_CN or
// docs/help/en when OUTDIR is docs): each window in that language, and the
// main window in each of its states (before initialisation, the chain-break
// question, after a typed point, during and after a file run). They are
// saved with a palette of at most 256 colours, which keeps each to a few
// tens of kilobytes.
#include <cstdio>
#include <cstdlib>
#include <utility>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "gui/about_dialog.h"
#include "gui/curve_table_window.h"
#include "gui/main_window.h"
#include "gui/plan_view.h"
#include "gui/plan_window.h"
#include "gui/profile_window.h"
#include "gui/qt_platform.h"
#include "gui/stakeout_window.h"
#include "gui/window_language.h"
#include "testing/scripted_platform.h"
#include "ui/session_operations.h"

using namespace vomel::gui;
using namespace vomel::ui;
using namespace vomel::drawing;
using namespace vomel::testing;

namespace {

// Milliseconds a window is given to paint before it is grabbed.
constexpr int PAINT_WAIT_MS = 200;

// Saves a grab of WINDOW as PATH with a palette of at most 256 colours.
bool saveSmallPicture(QWidget& window, const QString& path)
{
    QTest::qWait(PAINT_WAIT_MS);
    const QImage picture = window.grab().toImage().convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    if (picture.save(path)) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

// The scripted file dialogs, with the window's texts in the installed
// language. The yes/no question is the real message box: it is grabbed once
// (QUESTION_PICTURE, when set) and answered "yes".
class TranslatingPlatform : public ScriptedPlatform {
public:
    std::string translate(const char* context, const char* source) const override
    {
        return QCoreApplication::translate(context, source).toStdString();
    }

    void pictureNextQuestion(QWidget* owner, const QString& path)
    {
        owner_ = owner;
        questionPicture_ = path;
    }
    bool questionPictureSaved() const { return questionPictureSaved_; }

    std::optional<bool> askYesNo(const std::string& title, const std::string& question) override
    {
        if (questionPicture_.isEmpty()) return ScriptedPlatform::askYesNo(title, question);
        const QString path = std::exchange(questionPicture_, QString());
        QTimer::singleShot(0, [this, path] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(window);
                if (box == nullptr || !box->isVisible()) continue;
                questionPictureSaved_ = saveSmallPicture(*box, path);
                box->button(QMessageBox::Yes)->click();
                return;
            }
        });
        QtPlatform dialogs;
        dialogs.setOwner(owner_);
        return dialogs.askYesNo(title, question);
    }

private:
    QWidget* owner_ = nullptr;
    QString questionPicture_;
    bool questionPictureSaved_ = false;
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 7 && argc != 11) {
        std::fprintf(stderr, "usage: %s OUTDIR LINE.jdx LINE.dl POINTS.xy X Y [XMIN YMIN XMAX YMAX]\n", argv[0]);
        return 2;
    }
    const QString language =
        chooseWindowLanguage({}, qEnvironmentVariable("VOMEL_LANG"), {QString::fromLatin1(WINDOW_LANGUAGE_CHINESE)})
            .language;
    if (!installWindowLanguage(language)) return 1;
    const QString suffix = language == QLatin1String(WINDOW_LANGUAGE_ENGLISH) ? QStringLiteral("-en") : QString();
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QDir helpOut(out.filePath(QStringLiteral("help/") + language));
    if (!helpOut.exists()) {
        std::fprintf(stderr, "no help folder %s\n", qPrintable(helpOut.path()));
        return 1;
    }
    const QString results = QDir::temp().filePath(QStringLiteral("vomel-screenshot-results.txt"));

    TranslatingPlatform platform;
    SessionOperations operations;
    MainWindow form(platform, operations);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) return 1;

    auto click = [&form](const char* name) { form.findChild<QAbstractButton*>(name)->click(); };
    const auto picture = [&out, &suffix](const char* name) {
        return out.filePath(QString::fromLatin1(name) + suffix + QStringLiteral(".png"));
    };
    const auto helpPicture = [&helpOut](const char* name) {
        return helpOut.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    };
    auto saveHelp = [&helpPicture](QWidget& window, const char* name) {
        return saveSmallPicture(window, helpPicture(name));
    };
    auto save = [&picture](QWidget& window, const char* name) {
        QTest::qWait(PAINT_WAIT_MS);
        const QString path = picture(name);
        if (!window.grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return false;
        }
        return true;
    };

    if (!saveHelp(form, "main-start")) return 1;
    platform.answerDialog(argv[2]);
    platform.answerDialog(argv[3]);
    platform.pictureNextQuestion(&form, helpPicture("chain-break-question"));
    click("initialiseButton");
    if (!platform.questionPictureSaved()) return 1;
    form.findChild<QLineEdit*>("xEdit")->setText(QString::fromLocal8Bit(argv[5]));
    form.findChild<QLineEdit*>("yEdit")->setText(QString::fromLocal8Bit(argv[6]));
    click("computeButton");
    if (!save(form, "single-point") || !saveHelp(form, "main-point")) return 1;
    {
        AboutDialog about({}, &form);
        about.show();
        if (!QTest::qWaitForWindowExposed(&about)) return 1;
        if (!save(about, "about") || !saveHelp(about, "about")) return 1;
    }
    const QString station = form.findChild<QLineEdit*>("stationEdit")->text();
    const QString offset = form.findChild<QLineEdit*>("offsetEdit")->text();

    click("fileRunMode");
    platform.answerDialog(argv[4]);
    platform.answerDialog(results.toLocal8Bit().toStdString());
    // The first progress report shows the progress bar and the cancel button.
    bool runningSaved = false;
    platform.setRepaintHook([&] {
        if (runningSaved || !form.findChild<QWidget*>("cancelButton")->isVisible()) return;
        form.layout()->activate();
        runningSaved = saveSmallPicture(form, helpPicture("main-running"));
    });
    click("computeButton");
    platform.setRepaintHook({});
    if (!runningSaved) return 1;
    if (!save(form, "file-run") || !saveHelp(form, "main-file-run")) return 1;

    CurveTableWindow curves(platform, operations.currentLine(), &form);
    curves.show();
    if (!QTest::qWaitForWindowExposed(&curves)) return 1;
    if (!save(curves, "curve-table")) return 1;
    curves.resize(760, 360);
    if (!saveHelp(curves, "curve-table")) return 1;
    curves.close();

    StakeoutWindow stakeout(platform, operations.currentLine(), &form);
    stakeout.show();
    if (!QTest::qWaitForWindowExposed(&stakeout)) return 1;
    stakeout.findChild<QLineEdit*>("stationBox")->setText(station);
    stakeout.findChild<QLineEdit*>("offsetBox")->setText(offset);
    stakeout.findChild<QAbstractButton*>("stakeoutComputeButton")->click();
    if (!save(stakeout, "stakeout") || !saveHelp(stakeout, "stakeout")) return 1;

    click("PlanButton");
    auto* plan = form.findChild<PlanWindow*>("PlanWindow");
    if (plan == nullptr) return 1;
    plan->resize(1100, 760);
    if (!QTest::qWaitForWindowExposed(plan)) return 1;
    plan->view()->fitAll();
    QTest::qWait(200);
    auto savePlan = [&picture, plan](const char* name) {
        QTest::qWait(200);
        const QString path = picture(name);
        if (!plan->grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return false;
        }
        return true;
    };
    if (!savePlan("plan-view")) return 1;
    plan->resize(760, 520);
    plan->view()->fitAll();
    if (!saveHelp(*plan, "plan-view")) return 1;
    plan->resize(1100, 760);
    plan->view()->fitAll();
    if (argc == 11) {
        PlanBounds area;
        area.add({std::atof(argv[7]), std::atof(argv[8])});
        area.add({std::atof(argv[9]), std::atof(argv[10])});
        plan->view()->showBounds(area);
        if (!savePlan("plan-view-detail")) return 1;
    }

    // The profile and cross-fall files beside the JD file, when there are.
    const QFileInfo jd(QString::fromLocal8Bit(argv[2]));
    const QString profilePath = jd.dir().filePath(jd.completeBaseName() + QStringLiteral(".profile"));
    const QString crossFallPath = jd.dir().filePath(jd.completeBaseName() + QStringLiteral(".crossfall"));
    if (QFileInfo::exists(profilePath)) {
        click("profileButton");
        auto* profile = form.findChild<ProfileWindow*>("ProfileWindow");
        if (profile == nullptr) return 1;
        profile->resize(1200, 820);
        if (!QTest::qWaitForWindowExposed(profile)) return 1;
        platform.answerDialog(profilePath.toLocal8Bit().toStdString());
        profile->findChild<QAbstractButton*>("loadProfileButton")->click();
        if (QFileInfo::exists(crossFallPath)) {
            platform.answerDialog(crossFallPath.toLocal8Bit().toStdString());
            profile->findChild<QAbstractButton*>("loadCrossFallButton")->click();
        }
        if (!save(*profile, "profile-window")) return 1;
        profile->resize(860, 620);
        if (!saveHelp(*profile, "profile-window")) return 1;
    }

    for (const auto& error : platform.errors()) {
        std::fprintf(stderr, "error: %s (%s)\n", error.text.c_str(), error.detail.c_str());
    }
    QFile::remove(results);
    return platform.errors().empty() ? 0 : 1;
}
