// The window in two languages: the choice of language, the main window's
// captions and status, failure reasons (their wordings and the parts they
// are made of), the curve table's words, Qt's own dialogs, the main line
// without chain breaks, and every window and message box walked for texts in
// the other language.
#include <algorithm>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QtTest>

#include "core/failure.h"
#include "gui/about_dialog.h"
#include "gui/curve_table_texts.h"
#include "gui/curve_table_window.h"
#include "gui/help_window.h"
#include "gui/main_window.h"
#include "gui/profile_window.h"
#include "gui/qt_platform.h"
#include "gui/stakeout_window.h"
#include "gui/window_language.h"
#include "session/run_messages.h"
#include "session/session.h"
#include "testing/fake_operations.h"
#include "testing/scripted_platform.h"
#include "ui/failure_text.h"
#include "ui/session_operations.h"
#include "ui/window_messages.h"
#include "ui/workflow.h"

using namespace vomel;
using namespace vomel::gui;
using namespace vomel::ui;
using namespace vomel::drawing;
using namespace vomel::testing;
using vomel::testing::FakeOperations;

Q_DECLARE_METATYPE(std::optional<bool>)

namespace {

// A scripted desktop that speaks the installed language, as the Qt one does.
class TranslatingPlatform : public ScriptedPlatform {
public:
    std::string translate(const char* context, const char* source) const override
    {
        return QCoreApplication::translate(context, source).toStdString();
    }
};

std::string example(const char* name) { return std::string(VOMEL_EXAMPLES_DIR) + "/" + name; }

// A text the user can read and the widget (class and object name) or box
// that shows it.
struct Shown {
    QString where;
    QString text;
};

QString plainText(const QString& text)
{
    return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

// The captions, labels, tool tips, titles and table texts of `top` and its
// visible children.
void collectTexts(const QWidget& top, std::vector<Shown>& shown)
{
    QList<const QWidget*> widgets{&top};
    for (const QWidget* child : top.findChildren<QWidget*>()) {
        if (child->isVisibleTo(&top)) widgets << child;
    }
    for (const QWidget* widget : widgets) {
        const QString where = QString::fromLatin1(widget->metaObject()->className()) + " " + widget->objectName();
        auto add = [&](const QString& text) {
            if (!text.trimmed().isEmpty()) shown.push_back({where, plainText(text)});
        };
        if (widget->isWindow()) add(widget->windowTitle());
        add(widget->toolTip());
        if (const auto* label = qobject_cast<const QLabel*>(widget)) add(label->text());
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) add(button->text());
        if (const auto* group = qobject_cast<const QGroupBox*>(widget)) add(group->title());
        if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) add(edit->placeholderText());
        if (const auto* table = qobject_cast<const QTableWidget*>(widget)) {
            for (int c = 0; c < table->columnCount(); ++c) {
                if (table->horizontalHeaderItem(c) != nullptr) add(table->horizontalHeaderItem(c)->text());
                for (int r = 0; r < table->rowCount(); ++r) {
                    if (table->item(r, c) != nullptr) add(table->item(r, c)->text());
                }
            }
        }
    }
}

// Every visible window and the message boxes shown so far.
std::vector<Shown> everyText(const ScriptedPlatform& platform)
{
    std::vector<Shown> shown;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) collectTexts(*window, shown);
    }
    for (const ErrorMessage& box : platform.errors()) {
        shown.push_back({"message box", QString::fromStdString(box.text)});
        shown.push_back({"message box detail", QString::fromStdString(box.detail)});
    }
    return shown;
}

bool hasChinese(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x3000 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF);
    });
}

// The first run of two English words in `text` once file names and paths
// are taken out; empty if there is none.
QString englishWords(QString text, const QStringList& paths)
{
    for (const QString& path : paths) text.remove(path);
    text.remove(QRegularExpression(QStringLiteral("\\S*[/\\\\]\\S*")));  // paths
    text.remove(QRegularExpression(QStringLiteral("\\b[\\w-]+\\.[A-Za-z]{2,9}\\b")));  // file names
    static const QRegularExpression twoWords(QStringLiteral("\\b[A-Za-z]{2,}[ ,;:'\"()-]+[A-Za-z]{2,}\\b"));
    return twoWords.match(text).captured();
}

void writeFile(const QString& path, const char* bytes) { std::ofstream(path.toStdString(), std::ios::binary) << bytes; }

FormatFailure notANumberInLine7()
{
    FormatFailure failure(FailureCode::NotANumber, {"2", "\"12,5\""}, 7);
    failure.setFile("a.jdx");
    return failure;
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { installWindowLanguage(WINDOW_LANGUAGE_CHINESE); }
    void languageIsChosen_data();
    void languageIsChosen();
    void mainWindowSpeaksTheLanguage_data();
    void mainWindowSpeaksTheLanguage();
    void failureReasonsAreWorded_data();
    void failureReasonsAreWorded();
    void curveTableWords_data();
    void curveTableWords();
    void qtDialogsAreTranslated_data();
    void qtDialogsAreTranslated();
    void mainLineWithoutChainBreaks_data();
    void mainLineWithoutChainBreaks();
    void chainBreakQuestionOnTheDesktop();
    void curveTableCsvFollowsTheLanguage_data();
    void curveTableCsvFollowsTheLanguage();
    void composedReasonsAreWorded_data();
    void composedReasonsAreWorded();
    void everyWindowSpeaksTheLanguage_data();
    void everyWindowSpeaksTheLanguage();
};

void LanguageTest::languageIsChosen_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("environment");
    QTest::addColumn<QStringList>("system");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("remaining");
    const QStringList english{"en-GB"};
    const QStringList chinese{"zh-Hans-CN"};
    QTest::newRow("default is Chinese") << QStringList{"vomel"} << "" << QStringList{"de-DE"} << "zh_CN"
                                        << QStringList{"vomel"};
    QTest::newRow("system English") << QStringList{"vomel"} << "" << QStringList{"de-DE", "en-US"} << "en"
                                    << QStringList{"vomel"};
    QTest::newRow("environment over system")
        << QStringList{"vomel"} << "zh_CN" << english << "zh_CN" << QStringList{"vomel"};
    QTest::newRow("option over environment")
        << QStringList{"vomel", "--lang", "en", "-x"} << "zh_CN" << chinese << "en" << QStringList{"vomel", "-x"};
    QTest::newRow("option with =") << QStringList{"vomel", "--lang=zh_CN"} << "en" << english << "zh_CN"
                                   << QStringList{"vomel"};
    QTest::newRow("unknown option value skipped")
        << QStringList{"vomel", "--lang", "fr"} << "EN" << chinese << "en" << QStringList{"vomel"};
}

void LanguageTest::languageIsChosen()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, environment);
    QFETCH(QStringList, system);
    QFETCH(QString, language);
    QFETCH(QStringList, remaining);
    const LanguageChoice choice = chooseWindowLanguage(arguments, environment, system);
    QCOMPARE(choice.language, language);
    QCOMPARE(choice.remainingArguments, remaining);
}

void LanguageTest::mainWindowSpeaksTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("initialise");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("typedError");
    QTest::newRow("Chinese") << "zh_CN"
                             << "  初 始 化"
                             << "方 法"
                             << "请先初始化读取平面、断链资料"
                             << "X坐标不是数字：\"abc\"";
    QTest::newRow("English") << "en"
                             << "  Initialise"
                             << "Method"
                             << "First initialise: read the alignment and the chain breaks"
                             << "X is not a number: \"abc\"";
}

void LanguageTest::mainWindowSpeaksTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, initialise);
    QFETCH(QString, method);
    QFETCH(QString, status);
    QFETCH(QString, typedError);
    QVERIFY(installWindowLanguage(language));

    TranslatingPlatform platform;
    FakeOperations operations;
    MainWindow window(platform, operations);
    QCOMPARE(window.findChild<QPushButton*>("initialiseButton")->text(), initialise);
    QCOMPARE(window.findChild<QGroupBox*>("methodGroup")->title(), method);
    QCOMPARE(window.findChild<QLabel*>("statusLabel")->text(), status);

    // A typed mistake is said in the same language.
    Workflow workflow(platform, operations);
    platform.answerDialog("a.jdx");
    platform.answerDialog("a.dl");
    workflow.initialise();
    workflow.compute("abc", "1");
    QCOMPARE(platform.errors().size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(platform.errors()[0].text), typedError);
}

void LanguageTest::failureReasonsAreWorded_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("numberText");
    QTest::addColumn<QString>("openText");
    QTest::addColumn<QString>("lineOnly");
    QTest::addColumn<QString>("message");
    QTest::newRow("Chinese") << "zh_CN"
                             << "a.jdx:7: 第2个字段不是数字：\"12,5\""
                             << "b.dl: 无法打开文件：文件或文件夹不存在"
                             << "第3行：断链多于99个"
                             << "数据文件格式有误！";
    QTest::newRow("English") << "en"
                             << "a.jdx:7: field 2 is not a number: \"12,5\""
                             << "b.dl: cannot open the file: No such file or directory"
                             << "line 3: more than 99 chain breaks"
                             << "A data file is malformed!";
}

void LanguageTest::failureReasonsAreWorded()
{
    QFETCH(QString, language);
    QFETCH(QString, numberText);
    QFETCH(QString, openText);
    QFETCH(QString, lineOnly);
    QFETCH(QString, message);
    QVERIFY(installWindowLanguage(language));
    const TranslatingPlatform platform;

    const FormatFailure number = notANumberInLine7();
    // The command line's English stays whatever the window's language.
    QCOMPARE(std::string(number.what()), std::string("a.jdx:7: field 2 is not a number: \"12,5\""));
    QCOMPARE(QString::fromStdString(failureText(number, platform)), numberText);

    FileFailure open(FailureCode::CannotOpen, {"No such file or directory"});
    open.setFile("b.dl");
    QCOMPARE(QString::fromStdString(failureText(open, platform)), openText);
    QCOMPARE(QString::fromStdString(failureText(FormatFailure(FailureCode::TooManyChainBreaks, {"99"}, 3), platform)),
             lineOnly);

    // Without a code the English reason is shown as it is.
    GeometryFailure plain(Wording("division by zero in the spiral"), 4);
    plain.setFile("c.ele");
    QCOMPARE(failureText(plain, platform), std::string(plain.what()));

    const ErrorMessage box = failureMessage(MSG_INIT_FORMAT, number, platform);
    QCOMPARE(QString::fromStdString(box.text), message);
    QCOMPARE(QString::fromStdString(box.detail), numberText);
}

void LanguageTest::curveTableWords_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<QStringList>("cells");
    const QStringList keys{"name", "deflection", "deflection_rad", "R", "ZH"};
    QTest::newRow("Chinese") << "zh_CN" << QStringList{"交点名", "偏角", "偏角(弧度)", "半径R", "ZH"}
                             << QStringList{"节点 3", "积木 12", "入口缓和曲线", "JD1"};
    QTest::newRow("English") << "en" << keys << QStringList{"node 3", "element 12", "entry spiral", "JD1"};
}

void LanguageTest::curveTableWords()
{
    QFETCH(QString, language);
    QFETCH(QStringList, headers);
    QFETCH(QStringList, cells);
    QVERIFY(installWindowLanguage(language));
    const char* keys[] = {"name", "deflection", "deflection_rad", "R", "ZH"};
    QStringList shown;
    for (const char* key : keys) shown << curveTableHeader(key);
    QCOMPARE(shown, headers);
    QCOMPARE(curveTableCell("item", "node 3", "node 3"), cells[0]);
    QCOMPARE(curveTableCell("item", "element 12", "element 12"), cells[1]);
    QCOMPARE(curveTableCell("kind", "entry spiral", "entry spiral"), cells[2]);
    // A name is no word of the table: it stays as the file has it.
    QCOMPARE(curveTableCell("name", "JD1", "JD1"), cells[3]);
}

void LanguageTest::qtDialogsAreTranslated_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("Chinese") << "zh_CN"
                             << "取消";
    QTest::newRow("English") << "en"
                             << "Cancel";
}

// Qt's own file dialog and message box buttons follow the window's language
// (Debian's qt6-translations-l10n).
void LanguageTest::qtDialogsAreTranslated()
{
    QFETCH(QString, language);
    QFETCH(QString, cancel);
    QVERIFY(installWindowLanguage(language));
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    QVERIFY(buttons != nullptr);
    QPushButton* cancelButton = buttons->button(QDialogButtonBox::Cancel);
    QVERIFY(cancelButton != nullptr);
    QVERIFY2(cancelButton->text().remove('&').startsWith(cancel), qPrintable(cancelButton->text()));
}

void LanguageTest::mainLineWithoutChainBreaks_data()
{
    QTest::addColumn<std::optional<bool>>("answer");
    QTest::addColumn<bool>("initialised");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("dialogs");
    QTest::newRow("no chain breaks") << std::optional<bool>(false) << true
                                     << "当前线路：交点法—主线  交点：a.jdx  断链：无" << 1;
    QTest::newRow("chain breaks") << std::optional<bool>(true) << true
                                  << "当前线路：交点法—主线  交点：a.jdx  断链：a.dl" << 2;
    QTest::newRow("question closed") << std::optional<bool>() << false << "当前线路：无" << 1;
}

// At the chain-break step the user may say the line has none: no file is
// asked for and the line is built without chain breaks.
void LanguageTest::mainLineWithoutChainBreaks()
{
    QFETCH(std::optional<bool>, answer);
    QFETCH(bool, initialised);
    QFETCH(QString, line);
    QFETCH(int, dialogs);
    ScriptedPlatform platform;
    platform.answerDialog("a.jdx");
    platform.answerDialog("a.dl");
    platform.answerQuestion(answer);
    FakeOperations operations;
    Workflow workflow(platform, operations);
    workflow.initialise();

    QCOMPARE(platform.questionsAsked().size(), std::size_t{1});
    QCOMPARE(platform.dialogsShown().size(), static_cast<std::size_t>(dialogs));
    QCOMPARE(workflow.isInitialised(), initialised);
    QCOMPARE(QString::fromStdString(workflow.state().line), line);
    const bool readChainBreaks =
        std::find(operations.calls.begin(), operations.calls.end(), "readChainBreaks a.dl") != operations.calls.end();
    QCOMPARE(readChainBreaks, answer.value_or(false));
    if (!initialised) {
        QCOMPARE(platform.errors().size(), std::size_t{1});
        QCOMPARE(platform.errors()[0].text, std::string(MSG_READ_CANCELLED));
    }
}

// The desktop asks with a message box whose buttons are in the window's
// language; No means no chain breaks, closing it cancels.
void LanguageTest::chainBreakQuestionOnTheDesktop()
{
    QVERIFY(installWindowLanguage(WINDOW_LANGUAGE_CHINESE));
    QtPlatform desktop;
    QString noCaption;
    QMessageBox::StandardButton press = QMessageBox::No;
    QTimer answerer;
    connect(&answerer, &QTimer::timeout, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || box->objectName() != QLatin1String("questionBox")) return;
        noCaption = box->button(QMessageBox::No)->text();
        if (press == QMessageBox::Cancel) {
            box->reject();
        } else {
            box->button(press)->click();
        }
    });
    answerer.start(10);
    QCOMPARE(desktop.askYesNo("读取断链资料", ASK_CHAIN_BREAKS), std::optional<bool>(false));
    QVERIFY2(noCaption.contains(QStringLiteral("否")), qPrintable(noCaption));
    press = QMessageBox::Yes;
    QCOMPARE(desktop.askYesNo("读取断链资料", ASK_CHAIN_BREAKS), std::optional<bool>(true));
    press = QMessageBox::Cancel;
    QCOMPARE(desktop.askYesNo("读取断链资料", ASK_CHAIN_BREAKS), std::optional<bool>());
}

void LanguageTest::curveTableCsvFollowsTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("firstHeader");
    QTest::newRow("Chinese, in GBK") << "zh_CN" << QByteArray("\xbd\xbb\xb5\xe3\xc3\xfb,");  // 交点名
    QTest::newRow("English") << "en" << QByteArray("name,");
}

// The window's CSV has the window's headers; the rows keep the names as the
// file holds them.
void LanguageTest::curveTableCsvFollowsTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QByteArray, firstHeader);
    QVERIFY(installWindowLanguage(language));
    QTemporaryDir dir;
    TranslatingPlatform platform;
    CurveTableWindow window(
        platform, initialiseAlignment(Method::IntersectionPoint, example("mainline.jdx"), example("mainline.dl")));
    const QString csv = dir.filePath("curves.csv");
    platform.answerDialog(csv.toStdString());
    QVERIFY(window.saveCsv());
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY2(text.startsWith(firstHeader), text.left(60).constData());
    QVERIFY(text.contains("\r\nJD1,"));
}

void LanguageTest::composedReasonsAreWorded_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Chinese") << "zh_CN"
                             << "交点 2（JD1）：偏角为 0（两边成一直线）";
    QTest::newRow("English") << "en"
                             << "intersection point 2 (JD1): deflection is 0 (the sides run straight on)";
}

// A reason made of a prefix and an inner reason is translated in both parts;
// its English stays the command line's.
void LanguageTest::composedReasonsAreWorded()
{
    QFETCH(QString, language);
    QFETCH(QString, shown);
    QVERIFY(installWindowLanguage(language));
    const TranslatingPlatform platform;
    const GeometryFailure failure(
        VOMEL_TRANSLATE_NOOP("Failure", "%1: %2"),
        worded(VOMEL_TRANSLATE_NOOP("Failure", "intersection point %1 (%2)"), "2", "JD1"),
        worded(VOMEL_TRANSLATE_NOOP("Failure", "deflection is 0 (the sides run straight on)")));
    QCOMPARE(std::string(failure.what()),
             std::string("intersection point 2 (JD1): deflection is 0 (the sides run straight on)"));
    QCOMPARE(QString::fromStdString(failureText(failure, platform)), shown);
}

enum class Scene {
    Fresh,
    EveryWindowAfterARun,
    AboutBox,
    Help,
    LandXmlCorner,
    BadJdFile,
    StraightJdFile,
    BadProfile,
    BadCrossFall,
    BadCoordinateFile,
    BadLandXmlFile,
    BadIfcFile,
};

void LanguageTest::everyWindowSpeaksTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("scene");
    const std::pair<const char*, Scene> scenes[] = {
        {"main window", Scene::Fresh},
        {"every window after a run", Scene::EveryWindowAfterARun},
        {"about box", Scene::AboutBox},
        {"help", Scene::Help},
        {"LandXML line with a corner", Scene::LandXmlCorner},
        {"bad JD file", Scene::BadJdFile},
        {"JD table running straight on", Scene::StraightJdFile},
        {"bad profile", Scene::BadProfile},
        {"bad cross-fall file", Scene::BadCrossFall},
        {"bad coordinate file", Scene::BadCoordinateFile},
        {"bad LandXML file", Scene::BadLandXmlFile},
        {"bad IFC file", Scene::BadIfcFile},
    };
    for (const char* language : {"en", "zh_CN"}) {
        for (const auto& [name, scene] : scenes) {
            QTest::addRow("%s: %s", language, name) << QString::fromLatin1(language) << static_cast<int>(scene);
        }
    }
}

// Opens the windows and dialogs of one scene and reads every text the user
// can see: in English no Chinese character, in Chinese no English sentence
// (two English words) outside file names, numbers and units.
void LanguageTest::everyWindowSpeaksTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(int, scene);
    QVERIFY(installWindowLanguage(language));
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString bad = dir.filePath("bad.txt");
    writeFile(bad, "this is no data file\n1 2 three\n");
    const QString straight = dir.filePath("straight.jdx");
    writeFile(straight, "K0,0\nQD\n0 0 0 0 0\nJD1\n100 0 100 0 0\nZD\n200 0 0 0 0\n");

    TranslatingPlatform platform;
    SessionOperations operations;
    MainWindow form(platform, operations);
    form.show();
    auto click = [&](const char* name) {
        auto* button = form.findChild<QPushButton*>(name);
        QVERIFY2(button != nullptr && button->isEnabled(), name);
        button->click();
    };
    auto initialise = [&](const std::string& jd) {
        platform.answerDialog(jd);
        platform.answerDialog(example("mainline.dl"));
        click("initialiseButton");
    };
    auto profileWindow = [&]() {
        click("profileButton");
        return form.findChild<ProfileWindow*>("ProfileWindow");
    };
    std::optional<AboutDialog> about;
    std::optional<HelpWindow> help;
    std::optional<CurveTableWindow> curveTable;
    std::optional<StakeoutWindow> stakeout;
    switch (static_cast<Scene>(scene)) {
    case Scene::Fresh: break;
    case Scene::EveryWindowAfterARun: {
        initialise(example("mainline.jdx"));
        form.findChild<QRadioButton*>("fileRunMode")->click();
        platform.answerDialog(example("mainline.xy"));
        platform.answerDialog(dir.filePath("results.txt").toStdString());
        click("computeButton");
        QVERIFY(platform.errors().empty());
        click("PlanButton");
        ProfileWindow* profile = profileWindow();
        QVERIFY(profile != nullptr);
        platform.answerDialog(example("mainline.profile"));
        QVERIFY(profile->loadProfileFile());
        platform.answerDialog(example("mainline.crossfall"));
        QVERIFY(profile->loadCrossFallFile());
        // The main window runs these two as modal dialogs: opened here as it
        // opens them, but without blocking.
        curveTable.emplace(platform, operations.currentLine());
        curveTable->show();
        stakeout.emplace(platform, operations.currentLine());
        stakeout->show();
        break;
    }
    case Scene::AboutBox:
        about.emplace([](const std::string&) {});
        about->show();
        break;
    case Scene::Help:
        help.emplace();
        help->show();
        break;
    case Scene::LandXmlCorner: {
        // Imported with a note on its corner, shown in the status line.
        const QString corner = dir.filePath("corner.xml");
        writeFile(corner, "<LandXML><Alignments><Alignment name=\"A\"><CoordGeom>"
                          "<Line><Start>0 0</Start><End>100 0</End></Line>"
                          "<Line><Start>100 0</Start><End>100 100</End></Line>"
                          "</CoordGeom></Alignment></Alignments></LandXML>\n");
        form.findChild<QRadioButton*>("rampMethod")->click();
        platform.answerDialog(corner.toStdString());
        click("initialiseButton");
        break;
    }
    case Scene::BadJdFile: initialise(bad.toStdString()); break;
    case Scene::StraightJdFile: initialise(straight.toStdString()); break;
    case Scene::BadProfile:
    case Scene::BadCrossFall: {
        initialise(example("mainline.jdx"));
        ProfileWindow* profile = profileWindow();
        QVERIFY(profile != nullptr);
        platform.answerDialog(bad.toStdString());
        QVERIFY(static_cast<Scene>(scene) == Scene::BadProfile ? !profile->loadProfileFile()
                                                               : !profile->loadCrossFallFile());
        break;
    }
    case Scene::BadCoordinateFile:
        initialise(example("mainline.jdx"));
        form.findChild<QRadioButton*>("fileRunMode")->click();
        platform.answerDialog(bad.toStdString());
        platform.answerDialog(dir.filePath("results.txt").toStdString());
        click("computeButton");
        break;
    case Scene::BadLandXmlFile:
    case Scene::BadIfcFile:
        // The element method reads LandXML and IFC files as its line.
        form.findChild<QRadioButton*>("rampMethod")->click();
        platform.answerDialog(
            std::string(VOMEL_TEST_DATA_DIR) + "/malformed/" +
            (static_cast<Scene>(scene) == Scene::BadLandXmlFile ? "landxml_cubic_spiral.xml" : "ifc_cut_short.ifc"));
        click("initialiseButton");
        break;
    }

    const std::vector<Shown> shown = everyText(platform);
    QVERIFY(!shown.empty());
    const bool failureScene = static_cast<Scene>(scene) >= Scene::BadJdFile;
    QCOMPARE(!platform.errors().empty(), failureScene);
    // File names and the maker's names are shown as they are in every language.
    const QStringList paths{dir.path(), QString::fromLatin1(VOMEL_EXAMPLES_DIR),
                            QString::fromLatin1(VOMEL_TEST_DATA_DIR), QStringLiteral(VOMEL_ORGANISATION),
                            QStringLiteral(VOMEL_AUTHOR)};
    for (const Shown& text : shown) {
        if (language == QLatin1String("en")) {
            QVERIFY2(!hasChinese(text.text), qPrintable(text.where + ": " + text.text));
        } else {
            const QString words = englishWords(text.text, paths);
            QVERIFY2(words.isEmpty(), qPrintable(text.where + ": \"" + words + "\" in " + text.text));
        }
    }
    for (QWidget* window : QApplication::topLevelWidgets()) window->close();
}

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
