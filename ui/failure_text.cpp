#include "ui/failure_text.h"

#include "core/failure.h"
#include "ui/translation_contexts.h"

namespace vomel::ui {

namespace {

// The system's reasons (strerror in the C locale) the window translates;
// listed here so that the translation tools collect them.
[[maybe_unused]] constexpr const char* SYSTEM_REASONS[] = {
    VOMEL_TRANSLATE_NOOP("SystemError", "No such file or directory"),
    VOMEL_TRANSLATE_NOOP("SystemError", "Permission denied"),
    VOMEL_TRANSLATE_NOOP("SystemError", "Is a directory"),
    VOMEL_TRANSLATE_NOOP("SystemError", "Not a directory"),
    VOMEL_TRANSLATE_NOOP("SystemError", "No space left on device"),
    VOMEL_TRANSLATE_NOOP("SystemError", "Read-only file system"),
    VOMEL_TRANSLATE_NOOP("SystemError", "Disk quota exceeded"),
    VOMEL_TRANSLATE_NOOP("SystemError", "Input/output error"),
};

std::string reasonText(const Failure& failure, const Platform& platform)
{
    return failure.wording().translated(
        [&platform](const char* context, const char* source) { return platform.translate(context, source); });
}

}  // namespace

std::string failureText(const std::exception& exception, const Platform& platform)
{
    const auto* failure = dynamic_cast<const Failure*>(&exception);
    if (failure == nullptr) return exception.what();
    std::string text;
    if (!failure->file().empty()) {
        text = failure->file();
        if (failure->line() > 0) text += ":" + std::to_string(failure->line());
        text += ": ";
    } else if (failure->line() > 0) {
        text = fillPlaces(platform.translate(FAILURE_CONTEXT, FAILURE_LINE_PREFIX), {std::to_string(failure->line())});
    }
    return text + reasonText(*failure, platform);
}

ErrorMessage failureMessage(const char* text, const std::exception& failure, const Platform& platform)
{
    return {platform.translate(WINDOW_CONTEXT, text), failureText(failure, platform)};
}

}  // namespace vomel::ui
