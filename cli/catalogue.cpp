#include "cli/catalogue.h"

#include <cstring>

namespace vomel::cli {

const char* chineseText(const char* context, const char* source)
{
    // A few dozen entries, looked up only when a failure is reported.
    for (const CatalogueEntry& entry : CHINESE_CATALOGUE) {
        if (std::strcmp(entry.context, context) == 0 && std::strcmp(entry.source, source) == 0) {
            return entry.translation;
        }
    }
    return source;
}

}  // namespace vomel::cli
