// The help: which language's pages open, where they are found (the build's
// copy, an installed tree), the help window showing them with back, forward
// and home in both languages, and every link between the pages reaching an
// existing file and anchor.
#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

#include "gui/help_window.h"
#include "gui/qt_platform.h"
#include "ui/help_location.h"

using namespace vomel::gui;

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

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
