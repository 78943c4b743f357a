#pragma once
// Where the program finds its help pages: the installed share folder beside
// its bin folder (the build keeps a copy laid out the same way), and which
// language's pages to open.

#include <string>
#include <vector>

namespace vomel::ui {

// The languages the help is written in; the first is the default.
inline constexpr const char* HELP_LANGUAGE_CHINESE = "zh_CN";
inline constexpr const char* HELP_LANGUAGE_ENGLISH = "en";

// The page each language's help opens with.
inline constexpr const char* HELP_INDEX_PAGE = "index.html";

// The help language for the user's languages, most preferred first, in
// BCP 47 or locale form ("en-GB", "zh-Hans-CN", "de_DE"): the first that is
// Chinese or English decides; Chinese when none is.
std::string helpLanguage(const std::vector<std::string>& userLanguages);

// The folders the shared data folder NAME ("help", "translations") is
// looked for in, most likely first: PROGRAM/../share/vomel/NAME (installed
// under a prefix, and the build's copy), then PROGRAM/NAME (an unpacked
// folder).
std::vector<std::string> dataFolderCandidates(const std::string& programFolder, const std::string& name);

// The index page of the help in LANGUAGE, in the first candidate folder that
// holds it; when none does, the path where an installed program would have
// it, so that the message about the missing help names a useful place.
std::string helpIndexPath(const std::string& programFolder, const std::string& language);

}  // namespace vomel::ui
