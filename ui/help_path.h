#pragma once
// Where the help file lives: in the program's own folder.

#include <string>

namespace vomel::gui {

// The folder, a separator unless the folder already ends with one, then
// "vomel.chm".
std::string helpFilePath(const std::string& programFolder, char separator = '/');

}  // namespace vomel::gui
