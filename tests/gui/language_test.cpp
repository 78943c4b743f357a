// The window in two languages: the choice of language, the main window's
// captions and status, failure reasons from their codes, the curve table's
// words, Qt's own dialogs, and the main line without chain breaks.
#include <algorithm>
#include <optional>
#include <string>

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "core/failure.h"
#include "fake_operations.h"
#include "gui/curve_table_texts.h"
#include "gui/main_window.h"
#include "gui/qt_platform.h"
#include "gui/window_language.h"
#include "session/messages.h"
#include "ui/failure_text.h"
#include "ui/scripted_platform.h"
#include "ui/window_messages.h"
#include "ui/workflow.h"

using namespace vomel;
using namespace vomel::gui;
using vomel::gui::test::FakeOperations;

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
    QCOMPARE(window.findChild<QPushButton*>("Command4")->text(), initialise);
    QCOMPARE(window.findChild<QGroupBox*>("Frame2")->title(), method);
    QCOMPARE(window.findChild<QLabel*>("Label1")->text(), status);

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
    GeometryFailure plain("division by zero in the spiral", 4);
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

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
