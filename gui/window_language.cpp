#include "gui/window_language.h"

#include <memory>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "ui/help_location.h"

namespace vomel::gui {

using namespace vomel::ui;

namespace {

// "en", "zh_CN", or empty for a name that is neither.
QString knownLanguage(const QString& name)
{
    const QString normalised = name.trimmed();
    if (normalised.compare(QLatin1String(WINDOW_LANGUAGE_ENGLISH), Qt::CaseInsensitive) == 0) {
        return QString::fromLatin1(WINDOW_LANGUAGE_ENGLISH);
    }
    if (normalised.compare(QLatin1String(WINDOW_LANGUAGE_CHINESE), Qt::CaseInsensitive) == 0 ||
        normalised.compare(QLatin1String("zh"), Qt::CaseInsensitive) == 0) {
        return QString::fromLatin1(WINDOW_LANGUAGE_CHINESE);
    }
    return {};
}

// The translators installed now: the window's, then Qt's own.
struct InstalledTranslators {
    std::unique_ptr<QTranslator> window;
    std::unique_ptr<QTranslator> qt;
};

InstalledTranslators& installed()
{
    static InstalledTranslators translators;
    return translators;
}

void removeInstalled()
{
    InstalledTranslators& translators = installed();
    for (auto* translator : {&translators.window, &translators.qt}) {
        if (*translator) QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
}

}  // namespace

LanguageChoice chooseWindowLanguage(const QStringList& arguments, const QString& environment,
                                    const QStringList& systemLanguages)
{
    LanguageChoice choice;
    const QString option = QStringLiteral("--lang");
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        QString value;
        if (argument == option && i + 1 < arguments.size()) {
            value = arguments[++i];
        } else if (argument.startsWith(option + '=')) {
            value = argument.mid(option.size() + 1);
        } else {
            choice.remainingArguments << argument;
            continue;
        }
        if (choice.language.isEmpty()) choice.language = knownLanguage(value);
    }
    if (choice.language.isEmpty()) choice.language = knownLanguage(environment);
    if (choice.language.isEmpty()) {
        std::vector<std::string> languages;
        for (const QString& tag : systemLanguages) languages.push_back(tag.toStdString());
        choice.language = QString::fromStdString(helpLanguage(languages));
    }
    return choice;
}

bool installWindowLanguage(const QString& language)
{
    removeInstalled();
    QLocale::setDefault(QLocale(language));
    InstalledTranslators& translators = installed();

    // Qt's own dialogs (file dialog, message box buttons), when Debian's
    // qt6-translations-l10n is installed; without it they stay English.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        translators.qt = std::move(qt);
    }

    auto window = std::make_unique<QTranslator>();
    if (!window->load(QStringLiteral(":/i18n/vomel_") + language)) return false;
    QCoreApplication::installTranslator(window.get());
    translators.window = std::move(window);
    return true;
}

}  // namespace vomel::gui
