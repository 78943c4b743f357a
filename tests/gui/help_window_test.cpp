// The help: which language's pages open, where they are found (the build's
// copy, an installed tree), the help window showing them with back, forward
// and home in both languages, every link between the pages reaching an
// existing file and anchor, every picture shown, and every caption of every
// window named in that language's help.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "gui/about_dialog.h"
#include "gui/curve_table_window.h"
#include "gui/help_window.h"
#include "gui/main_window.h"
#include "gui/qt_platform.h"
#include "gui/stakeout_window.h"
#include "gui/window_language.h"
#include "testing/scripted_platform.h"
#include "ui/help_location.h"
#include "ui/session_operations.h"

using namespace vomel::gui;
using namespace vomel::ui;
using namespace vomel::drawing;
using namespace vomel::testing;

namespace {

// The build's copy of the help, laid out as installed: share/vomel/help
// beside the desktop program's folder.
QString buildHelpFolder() { return QString::fromUtf8(VOMEL_BUILD_HELP_DIR); }

QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

HelpWindow* openWindow(QWidget* owner)
{
    const QList<HelpWindow*> windows = owner->findChildren<HelpWindow*>();
    return windows.size() == 1 ? windows.front() : nullptr;
}

QStringList helpPages(const QString& language)
{
    QStringList pages;
    QDirIterator files(buildHelpFolder() + "/" + language, {"*.html"}, QDir::Files);
    while (files.hasNext()) pages << files.next();
    pages.sort();
    return pages;
}

// Runs of blanks (a line end, a no-break or ideographic space too) as one.
QString collapseBlanks(const QString& text)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"), QRegularExpression::UseUnicodePropertiesOption);
    return QString(text).replace(blanks, QStringLiteral(" ")).trimmed();
}

// Every page of a language as the help window shows it, blanks collapsed.
QString helpText(const QString& language)
{
    QString text;
    for (const QString& page : helpPages(language)) {
        QTextDocument document;
        document.setHtml(readText(page));
        text += collapseBlanks(document.toPlainText()) + QLatin1Char('\n');
    }
    return text;
}

// The caption rule: a caption is found in the help when, with the "&" of its
// keyboard key removed and its runs of blanks collapsed, it appears either
// with one blank for each run ("  计   算" as "计 算") or with none ("计算"),
// not as a part of a longer Latin word ("No" is not found in "None").
bool helpNames(const QString& help, const QString& caption)
{
    const QString shown = collapseBlanks(QString(caption).remove(QLatin1Char('&')));
    for (const QString& form : {shown, QString(shown).remove(QLatin1Char(' '))}) {
        const QRegularExpression word(QStringLiteral("(?<![A-Za-z0-9])") + QRegularExpression::escape(form) +
                                      QStringLiteral("(?![A-Za-z0-9])"));
        if (help.contains(word)) return true;
    }
    return false;
}

// The captions of WINDOW and the windows it owns: title, buttons (push,
// option and tool buttons), group boxes, and the labels that name a box
// (have a buddy) or end in a colon. Labels that show a value or a status
// are not captions.
QSet<QString> captionsOf(const QWidget& window)
{
    QSet<QString> captions{window.windowTitle()};
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        if (child->isWindow()) captions << child->windowTitle();
    }
    for (const auto* button : window.findChildren<QAbstractButton*>()) captions << button->text();
    for (const auto* group : window.findChildren<QGroupBox*>()) captions << group->title();
    for (const auto* label : window.findChildren<QLabel*>()) {
        const QString text = label->text().trimmed();
        if (label->buddy() != nullptr || text.endsWith(QLatin1Char(':')) || text.endsWith(QChar(0xFF1A))) {
            captions << text;
        }
    }
    captions.remove(QString());
    return captions;
}

// Scripted file dialogs, and the real message boxes of the desktop: each box
// shown has its captions collected, then is answered (yes to a question).
class CaptionCollectingPlatform : public ScriptedPlatform {
public:
    QSet<QString> boxCaptions;

    std::string translate(const char* context, const char* source) const override
    {
        return QCoreApplication::translate(context, source).toStdString();
    }
    std::optional<bool> askYesNo(const std::string& title, const std::string& question) override
    {
        collectNextBox();
        return desktop_.askYesNo(title, question);
    }
    void showError(const ErrorMessage& message) override
    {
        ScriptedPlatform::showError(message);
        collectNextBox();
        desktop_.showError(message);
    }

private:
    // Runs once the box is shown, inside its own event loop; looks again
    // until it is there.
    void collectNextBox()
    {
        QTimer::singleShot(0, [this] {
            if (!answerShownBox()) collectNextBox();
        });
    }

    bool answerShownBox()
    {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(window);
            if (box == nullptr || !box->isVisible()) continue;
            boxCaptions += captionsOf(*box);
            if (QAbstractButton* yes = box->button(QMessageBox::Yes)) {
                yes->click();
            } else {
                box->done(QMessageBox::Ok);
            }
            return true;
        }
        return false;
    }

    QtPlatform desktop_;
};

// Every caption of the windows in the installed language: the main window
// after an initialisation (with its chain-break question and a cancelled
// dialog's error box), its plan view and profile window, the curve table,
// stakeout, about and help windows.
QSet<QString> everyWindowsCaptions(const QString& language)
{
    CaptionCollectingPlatform platform;
    SessionOperations operations;
    MainWindow form(platform, operations);
    form.show();
    const QString examples = QString::fromUtf8(VOMEL_EXAMPLES_DIR);
    platform.answerDialog((examples + "/mainline.jdx").toStdString());
    platform.answerDialog((examples + "/mainline.dl").toStdString());
    form.findChild<QAbstractButton*>("initialiseButton")->click();
    form.findChild<QAbstractButton*>("initialiseButton")->click();  // the file dialog cancelled: an error box
    form.findChild<QAbstractButton*>("PlanButton")->click();
    form.findChild<QAbstractButton*>("profileButton")->click();
    QSet<QString> captions = captionsOf(form) + platform.boxCaptions;

    CurveTableWindow curves(platform, operations.currentLine(), &form);
    StakeoutWindow stakeout(platform, operations.currentLine(), &form);
    AboutDialog about({}, &form);
    HelpWindow help(&form);
    help.openHome(buildHelpFolder() + "/" + language + "/index.html", language.toStdString());
    for (const QWidget* window : std::initializer_list<const QWidget*>{&curves, &stakeout, &about, &help}) {
        captions += captionsOf(*window);
    }
    return captions;
}

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void language_data();
    void language();
    void foundInTheBuildAndWhenInstalled();
    void windowShowsThePages_data();
    void windowShowsThePages();
    void everyLinkResolves();
    void everyCaptionIsInTheHelp_data();
    void everyCaptionIsInTheHelp();
    void everyPictureIsShown_data();
    void everyPictureIsShown();
    void cleanup() { installWindowLanguage(WINDOW_LANGUAGE_CHINESE); }
};

void HelpWindowTest::language_data()
{
    QTest::addColumn<QStringList>("userLanguages");
    QTest::addColumn<QString>("expected");

    QTest::newRow("none") << QStringList{} << "zh_CN";
    QTest::newRow("Chinese") << QStringList{"zh-Hans-CN", "en-US"} << "zh_CN";
    QTest::newRow("Chinese, Taiwan") << QStringList{"zh_TW"} << "zh_CN";
    QTest::newRow("English") << QStringList{"en-GB", "zh-CN"} << "en";
    QTest::newRow("bare en") << QStringList{"en"} << "en";
    QTest::newRow("German first, then English") << QStringList{"de-DE", "en-US"} << "en";
    QTest::newRow("only German") << QStringList{"de-DE", "de"} << "zh_CN";
    QTest::newRow("a longer code that starts with en") << QStringList{"enm"} << "zh_CN";
}

void HelpWindowTest::language()
{
    QFETCH(QStringList, userLanguages);
    QFETCH(QString, expected);
    std::vector<std::string> tags;
    for (const QString& tag : userLanguages) tags.push_back(tag.toStdString());
    QCOMPARE(QString::fromStdString(helpLanguage(tags)), expected);
}

void HelpWindowTest::foundInTheBuildAndWhenInstalled()
{
    // From the desktop program's folder in the build.
    const std::string guiFolder = VOMEL_GUI_BINARY_DIR;
    for (const char* language : {HELP_LANGUAGE_CHINESE, HELP_LANGUAGE_ENGLISH}) {
        const QString page = QString::fromStdString(helpIndexPath(guiFolder, language));
        QCOMPARE(page, QDir::cleanPath(buildHelpFolder() + "/" + language + "/index.html"));
        QVERIFY(QFileInfo(page).isFile());
    }

    // From bin/ of an installed tree, the folder given with and without its
    // trailing separator.
    QTemporaryDir prefix;
    QVERIFY(prefix.isValid());
    QVERIFY(QDir(prefix.path()).mkpath("bin"));
    QVERIFY(QDir(prefix.path()).mkpath("share/vomel/help/en"));
    const QString installed = prefix.path() + "/share/vomel/help/en/index.html";
    QFile page(installed);
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.close();
    const std::string bin = (prefix.path() + "/bin").toStdString();
    QCOMPARE(QString::fromStdString(helpIndexPath(bin, "en")), installed);
    QCOMPARE(QString::fromStdString(helpIndexPath(bin + "/", "en")), installed);

    // Not there: the installed place is named, with no ".." or "//".
    const QString missing = QString::fromStdString(helpIndexPath(bin, "zh_CN"));
    QCOMPARE(missing, prefix.path() + "/share/vomel/help/zh_CN/index.html");

    // An unpacked folder with the help beside the program.
    QVERIFY(QDir(prefix.path()).mkpath("portable/help/zh_CN"));
    const QString portable = prefix.path() + "/portable/help/zh_CN/index.html";
    QFile portablePage(portable);
    QVERIFY(portablePage.open(QIODevice::WriteOnly));
    portablePage.close();
    QCOMPARE(QString::fromStdString(helpIndexPath((prefix.path() + "/portable").toStdString(), "zh_CN")), portable);
}

void HelpWindowTest::windowShowsThePages_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("phrase");  // on the index page
    QTest::addColumn<QString>("filesPhrase");  // on the input-file page
    QTest::addColumn<QString>("backText");

    QTest::newRow("Chinese") << "zh_CN"
                             << "Vomel 帮助"
                             << "左正右负"
                             << "断前桩号"
                             << "后退";
    QTest::newRow("English") << "en"
                             << "Vomel Help"
                             << "left positive"
                             << "back station"
                             << "Back";
}

void HelpWindowTest::windowShowsThePages()
{
    QFETCH(QString, language);
    QFETCH(QString, title);
    QFETCH(QString, phrase);
    QFETCH(QString, filesPhrase);
    QFETCH(QString, backText);

    QWidget owner;
    QtPlatform platform;
    platform.setOwner(&owner);
    const QString index = buildHelpFolder() + "/" + language + "/index.html";
    platform.showHelp(index.toStdString());

    HelpWindow* window = openWindow(&owner);
    QVERIFY(window != nullptr);
    QVERIFY(window->isVisible());
    QTextBrowser* browser = window->browser();
    QCOMPARE(browser->source(), QUrl::fromLocalFile(index));
    QVERIFY2(browser->toPlainText().contains(phrase), qPrintable(browser->toPlainText().left(300)));
    QCOMPARE(window->windowTitle(), title);

    auto* back = window->findChild<QToolButton*>("helpBack");
    auto* forward = window->findChild<QToolButton*>("helpForward");
    auto* home = window->findChild<QToolButton*>("helpHome");
    QVERIFY(back && forward && home);
    QCOMPARE(back->text(), backText);
    QVERIFY(!back->isEnabled());

    // A link followed inside the window from the keyboard (the second link
    // of the index, after the other language's), then back, forward and home.
    const QUrl files = QUrl::fromLocalFile(buildHelpFolder() + "/" + language + "/files.html");
    browser->setFocus();
    QTest::keyClick(browser, Qt::Key_Tab);
    QTest::keyClick(browser, Qt::Key_Tab);
    QTest::keyClick(browser, Qt::Key_Return);
    QCOMPARE(browser->source().adjusted(QUrl::RemoveFragment), files);
    QVERIFY(browser->toPlainText().contains(filesPhrase));
    QVERIFY(window->windowTitle() != title);
    QVERIFY(back->isEnabled());
    back->click();
    QCOMPARE(browser->source(), QUrl::fromLocalFile(index));
    QVERIFY(forward->isEnabled());
    forward->click();
    QCOMPARE(browser->source().adjusted(QUrl::RemoveFragment), files);
    home->click();
    QCOMPARE(browser->source(), QUrl::fromLocalFile(index));
    QVERIFY(browser->toPlainText().contains(phrase));

    // Asking again reuses the one window and starts from the index.
    browser->setSource(browser->source().resolved(QUrl("cli.html")));
    platform.showHelp(index.toStdString());
    QCOMPARE(owner.findChildren<HelpWindow*>().size(), 1);
    QCOMPARE(browser->source(), QUrl::fromLocalFile(index));
    QVERIFY(!back->isEnabled());
    home->click();
    QCOMPARE(browser->source(), QUrl::fromLocalFile(index));
}

void HelpWindowTest::everyLinkResolves()
{
    // href and src values of the pages; web and mail links are not files.
    const QRegularExpression linkPattern(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
    const QRegularExpression externalPattern(QStringLiteral("^[a-z]+:"));
    int internalLinks = 0;
    QStringList pagesPerLanguage[2];
    const QString languages[2] = {QStringLiteral("zh_CN"), QStringLiteral("en")};

    for (int l = 0; l < 2; ++l) {
        QDirIterator pages(buildHelpFolder() + "/" + languages[l], {"*.html"}, QDir::Files);
        while (pages.hasNext()) {
            const QString page = pages.next();
            pagesPerLanguage[l] << QFileInfo(page).fileName();
            const QString text = readText(page);
            QVERIFY2(!text.isEmpty(), qPrintable(page));
            auto links = linkPattern.globalMatch(text);
            while (links.hasNext()) {
                const QString link = links.next().captured(1);
                if (externalPattern.match(link).hasMatch()) continue;
                ++internalLinks;
                const QString file = link.section('#', 0, 0);
                const QString anchor = link.section('#', 1);
                const QString target =
                    file.isEmpty() ? page : QDir::cleanPath(QFileInfo(page).absolutePath() + "/" + file);
                QVERIFY2(QFileInfo(target).isFile(), qPrintable(page + ": " + link));
                if (!anchor.isEmpty()) {
                    const QString targetText = readText(target);
                    QVERIFY2(targetText.contains("id=\"" + anchor + "\"") ||
                                 targetText.contains("name=\"" + anchor + "\""),
                             qPrintable(page + ": no anchor for " + link));
                }
            }
        }
        pagesPerLanguage[l].sort();
    }
    // Both languages have the same pages, and the pages do link to each other.
    QVERIFY(pagesPerLanguage[0].contains("index.html"));
    QCOMPARE(pagesPerLanguage[0], pagesPerLanguage[1]);
    QVERIFY(internalLinks >= 50);
}

void HelpWindowTest::everyCaptionIsInTheHelp_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("someCaptions");  // proof that the windows were walked

    QTest::newRow("Chinese") << "zh_CN" << QStringList{"  初 始 化", "  纵 断 面", "载入横坡...", "单 位：", "是(&Y)"};
    QTest::newRow("English") << "en"
                             << QStringList{"  Initialise", "  Profile", "Load cross-fall...", "Organisation:", "&Yes"};
}

void HelpWindowTest::everyCaptionIsInTheHelp()
{
    QFETCH(QString, language);
    QFETCH(QStringList, someCaptions);
    QVERIFY(installWindowLanguage(language));

    const QSet<QString> captions = everyWindowsCaptions(language);
    for (const QString& caption : someCaptions) QVERIFY2(captions.contains(caption), qPrintable(caption));
    const QString help = helpText(language);
    QStringList missing;
    for (const QString& caption : captions) {
        if (!helpNames(help, caption)) missing << '"' + caption + '"';
    }
    missing.sort();
    QVERIFY2(missing.isEmpty(), qPrintable(language + " help does not name: " + missing.join(", ")));

    // The rule itself: a spaced caption is found either way, a short word
    // only as a word.
    QVERIFY(helpNames("按 计 算 键", "  计   算") && helpNames("按计算键", "  计   算"));
    QVERIFY(!helpNames("None of these", "&No") && helpNames("choose No here", "&No"));
}

void HelpWindowTest::everyPictureIsShown_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("Chinese") << "zh_CN";
    QTest::newRow("English") << "en";
}

void HelpWindowTest::everyPictureIsShown()
{
    QFETCH(QString, language);
    // The pictures vomel_screenshots makes for the help: every window and
    // every state of the main window.
    const QStringList windows{
        "main-start", "chain-break-question", "main-point", "main-running", "main-file-run", "curve-table", "stakeout",
        "plan-view",  "profile-window",       "about"};
    const QRegularExpression imagePattern(QStringLiteral("<img [^>]*src=\"([^\"]*)\""));
    HelpWindow window;
    QSet<QString> shown;
    for (const QString& page : helpPages(language)) {
        QVERIFY(window.openHome(page, language.toStdString()));
        auto images = imagePattern.globalMatch(readText(page));
        while (images.hasNext()) {
            const QString source = images.next().captured(1);
            // As the help window finds it: relative to the page shown.
            const QVariant image = window.browser()->loadResource(QTextDocument::ImageResource, QUrl(source));
            QVERIFY2(!image.value<QImage>().isNull() || !image.value<QPixmap>().isNull() ||
                         !QImage::fromData(image.toByteArray()).isNull(),
                     qPrintable(page + ": " + source));
            shown << QFileInfo(source).completeBaseName();
        }
    }
    for (const QString& picture : windows) QVERIFY2(shown.contains(picture), qPrintable(picture + " is not shown"));
    // Every picture in the folder is shown somewhere.
    for (const QString& file : QDir(buildHelpFolder() + "/" + language).entryList({"*.png"}, QDir::Files)) {
        QVERIFY2(shown.contains(QFileInfo(file).completeBaseName()), qPrintable(file + " is shown nowhere"));
    }
}

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
