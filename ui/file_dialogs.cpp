#include "ui/file_dialogs.h"

namespace vomel::ui {

namespace {

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        if (end == std::string_view::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

}  // namespace

std::vector<FileFilter> parseFilter(std::string_view filter)
{
    std::vector<FileFilter> filters;
    const std::vector<std::string_view> parts = split(filter, '|');
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        FileFilter entry{std::string(parts[i]), {}};
        for (std::string_view pattern : split(parts[i + 1], ';')) {
            if (!pattern.empty()) entry.patterns.emplace_back(pattern);
        }
        filters.push_back(std::move(entry));
    }
    return filters;
}

}  // namespace vomel::ui
