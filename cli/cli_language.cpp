#include "cli/cli_language.h"

#include <cctype>
#include <cstdlib>

namespace vomel::cli {

namespace {

std::string lowerCase(const std::string& text)
{
    std::string lower = text;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

bool isSet(const char* value) { return value != nullptr && value[0] != '\0'; }

}  // namespace

std::optional<Language> languageNamed(const std::string& name)
{
    const std::string lower = lowerCase(name);
    if (lower == "en") return Language::English;
    if (lower == "zh" || lower == "zh_cn") return Language::Chinese;
    return std::nullopt;
}

Language localeLanguage(const std::string& locale)
{
    // "zh" alone or followed by its territory, codeset or modifier; "zhx"
    // names no language of ours.
    if (locale.size() >= 2 && locale.compare(0, 2, "zh") == 0 &&
        (locale.size() == 2 || locale[2] == '_' || locale[2] == '.' || locale[2] == '@' || locale[2] == '-')) {
        return Language::Chinese;
    }
    return Language::English;
}

LanguageEnvironment processLanguageEnvironment()
{
    return {std::getenv("VOMEL_LANG"), std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG")};
}

LanguageChoice chooseLanguage(std::optional<Language> option, const LanguageEnvironment& environment)
{
    LanguageChoice choice;
    if (option) {
        choice.language = *option;
        return choice;
    }
    if (isSet(environment.vomelLang)) {
        if (const auto named = languageNamed(environment.vomelLang)) {
            choice.language = *named;
            return choice;
        }
        choice.warning = std::string("vomel-cli: VOMEL_LANG=") + environment.vomelLang + " is not " + LANGUAGE_NAMES +
                         "; the language follows the locale";
    }
    // As setlocale(LC_MESSAGES, "") reads them: the first that is set and
    // not empty decides, and with none the C locale speaks English.
    for (const char* locale : {environment.lcAll, environment.lcMessages, environment.lang}) {
        if (isSet(locale)) {
            choice.language = localeLanguage(locale);
            return choice;
        }
    }
    return choice;
}

}  // namespace vomel::cli
