#include "ui/help_path.h"

#include "ui/window_texts.h"

namespace vomel::gui {

std::string helpFilePath(const std::string& programFolder, char separator)
{
    if (programFolder.empty()) return HELP_FILE_NAME;
    std::string path = programFolder;
    if (path.back() != separator) path += separator;
    return path + HELP_FILE_NAME;
}

}  // namespace vomel::gui
