// The command line's Chinese catalogue, read at build time from the
// window's translation source: every failure's wording is there and keeps
// the values of the English one.
#include <cstring>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "cli/catalogue.h"
#include "core/failure_code.h"

namespace {

using vomel::FailureCode;

// The places %1 ... %9 that `wording` fills.
std::set<char> places(const std::string& wording)
{
    std::set<char> found;
    for (std::size_t i = 0; i + 1 < wording.size(); ++i) {
        if (wording[i] == '%' && wording[i + 1] >= '1' && wording[i + 1] <= '9') found.insert(wording[i + 1]);
    }
    return found;
}

// The place of the plural ending ("field%2"), which Chinese has no need of.
char pluralPlace(const std::string& wording)
{
    const auto at = wording.find("field%");
    return at == std::string::npos ? '\0' : wording[at + 6];
}

TEST(ChineseCatalogue, EveryFailureIsWordedWithAllItsValues)
{
    // The codes follow None without gaps; past the last one the wording
    // falls back to None's "%1".
    int worded = 0;
    for (int i = static_cast<int>(FailureCode::None) + 1;; ++i) {
        const char* english = vomel::failureWording(static_cast<FailureCode>(i));
        if (std::strcmp(english, "%1") == 0) break;
        ++worded;
        SCOPED_TRACE(english);
        const std::string chinese = vomel::cli::chineseText("Failure", english);
        EXPECT_NE(chinese, english) << "no Chinese wording in gui/translations/vomel_zh_CN.ts";
        std::set<char> missing = places(english);
        for (const char place : places(chinese)) EXPECT_EQ(missing.erase(place), 1U) << "%" << place;
        missing.erase(pluralPlace(english));
        EXPECT_TRUE(missing.empty()) << "the Chinese wording drops a value";
    }
    EXPECT_EQ(worded, static_cast<int>(FailureCode::NoPointListed));
}

TEST(ChineseCatalogue, LinePrefixAndSystemReasons)
{
    EXPECT_STREQ(vomel::cli::chineseText("Failure", vomel::FAILURE_LINE_PREFIX), "第%1行：");
    EXPECT_STREQ(vomel::cli::chineseText("SystemError", "Permission denied"), "没有权限");
    // A text the catalogue does not hold comes back as it is.
    const char* unknown = "Operation not permitted";
    EXPECT_EQ(vomel::cli::chineseText("SystemError", unknown), unknown);
    EXPECT_EQ(vomel::cli::chineseText("Window", "Permission denied"), std::string("Permission denied"));
}

}  // namespace
