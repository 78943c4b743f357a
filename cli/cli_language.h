#pragma once
// The language vomel-cli reports failures in, chosen as the window chooses
// its own: `--lang zh|en`, else VOMEL_LANG, else the locale (LC_ALL,
// LC_MESSAGES, LANG: the first set and not empty decides).

#include <optional>
#include <string>

namespace vomel::cli {

enum class Language { English, Chinese };

// The accepted names, for the usage error and the warning.
inline constexpr const char* LANGUAGE_NAMES = "zh or en";

// The language named `name`: "zh", "zh_CN" or "en", in any case; nothing
// for any other name.
std::optional<Language> languageNamed(const std::string& name);

// The language of a locale name (LC_ALL's, LC_MESSAGES's or LANG's value):
// Chinese for zh, zh_CN.UTF-8, zh_TW@..., English for any other, C and
// POSIX included.
Language localeLanguage(const std::string& locale);

// The variables that decide when no --lang is given; nullptr for unset.
struct LanguageEnvironment {
    const char* vomelLang = nullptr;
    const char* lcAll = nullptr;
    const char* lcMessages = nullptr;
    const char* lang = nullptr;
};

LanguageEnvironment processLanguageEnvironment();

struct LanguageChoice {
    Language language = Language::English;
    // One line (without its end) to show when VOMEL_LANG names no language;
    // empty otherwise.
    std::string warning;
};

// The language for `option` (the value of --lang, already known to be a
// language) or, without it, for the environment.
LanguageChoice chooseLanguage(std::optional<Language> option, const LanguageEnvironment& environment);

}  // namespace vomel::cli
