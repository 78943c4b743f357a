#pragma once
// The window's language: Chinese (zh_CN), the default, or English (en).
// Chosen by `--lang en|zh_CN` on the command line, else by VOMEL_LANG, else
// by the system's languages (the first that is Chinese or English).

#include <QLocale>
#include <QString>
#include <QStringList>

namespace vomel::gui {

inline constexpr const char* WINDOW_LANGUAGE_CHINESE = "zh_CN";
inline constexpr const char* WINDOW_LANGUAGE_ENGLISH = "en";

// The language asked for by `arguments` (the program's, "--lang en" or
// "--lang=en"), else by `environment` (VOMEL_LANG's value), else by
// `systemLanguages` (most preferred first); an unknown name is skipped.
// Also gives the arguments left without the option.
struct LanguageChoice {
    QString language;
    QStringList remainingArguments;
};
LanguageChoice chooseWindowLanguage(const QStringList& arguments, const QString& environment,
                                    const QStringList& systemLanguages);

// Puts the window's and Qt's own translations for `language` in place of
// any installed before, and makes it the default locale (the help follows
// it). False when the window's translation could not be loaded.
bool installWindowLanguage(const QString& language);

}  // namespace vomel::gui
