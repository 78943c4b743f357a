#include "ui/help_location.h"

#include <filesystem>
#include <system_error>

namespace vomel::ui {

namespace {

bool startsWithLanguage(const std::string& tag, const std::string& language)
{
    if (tag.compare(0, language.size(), language) != 0) return false;
    // "en" matches "en", "en-GB" and "en_US", not a longer code such as "enm".
    return tag.size() == language.size() || tag[language.size()] == '-' || tag[language.size()] == '_';
}

}  // namespace

std::string helpLanguage(const std::vector<std::string>& userLanguages)
{
    for (const std::string& tag : userLanguages) {
        if (startsWithLanguage(tag, "zh")) return HELP_LANGUAGE_CHINESE;
        if (startsWithLanguage(tag, "en")) return HELP_LANGUAGE_ENGLISH;
    }
    return HELP_LANGUAGE_CHINESE;
}

std::vector<std::string> dataFolderCandidates(const std::string& programFolder, const std::string& name)
{
    const std::filesystem::path program = programFolder.empty() ? "." : programFolder;
    return {
        (program / ".." / "share" / "vomel" / name).lexically_normal().string(),
        (program / name).lexically_normal().string(),
    };
}

std::string helpIndexPath(const std::string& programFolder, const std::string& language)
{
    const std::vector<std::string> folders = dataFolderCandidates(programFolder, "help");
    for (const std::string& folder : folders) {
        const std::filesystem::path page = std::filesystem::path(folder) / language / HELP_INDEX_PAGE;
        std::error_code error;
        if (std::filesystem::is_regular_file(page, error)) return page.string();
    }
    return (std::filesystem::path(folders.front()) / language / HELP_INDEX_PAGE).string();
}

}  // namespace vomel::ui
