#pragma once
// The window's catalogue as the command line reads it: the Chinese of the
// failures' wordings (context "Failure") and of the system's reasons
// ("SystemError"), taken at build time from gui/translations/vomel_zh_CN.ts,
// so that a translator's change reaches the window and vomel-cli alike.

#include <span>

namespace vomel::cli {

struct CatalogueEntry {
    const char* context;
    const char* source;
    const char* translation;
};

// Generated into the build folder by cli/catalogue/catalogue_table.cpp.
extern const std::span<const CatalogueEntry> CHINESE_CATALOGUE;

// The Chinese of `source` under `context`; `source` itself when the
// catalogue has no finished translation of it.
const char* chineseText(const char* context, const char* source);

}  // namespace vomel::cli
