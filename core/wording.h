#pragma once
// A text the program words in its user's language: an English pattern with
// places %1 ... %9, looked up in the translation catalogue under a context,
// and values that are literals (names, numbers, quoted excerpts) or texts of
// their own, so that a reason made of a prefix and an inner reason is
// translated in both parts.

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Marks a text that the desktop program translates, under `context`; it
// stands for the text itself.
#define VOMEL_TRANSLATE_NOOP(context, text) text

namespace vomel {

// The catalogue context of the failures' wordings.
inline constexpr const char* FAILURE_WORDING_CONTEXT = "Failure";
// The catalogue context of the system's reasons (strerror in the C locale).
inline constexpr const char* SYSTEM_REASON_CONTEXT = "SystemError";

// Looks up `source` under `context`; returns `source` where there is no
// translation.
using Translator = std::function<std::string(const char* context, const char* source)>;

class Wording {
public:
    Wording() = default;
    // A literal, kept as it is in every language.
    explicit Wording(std::string literal) : pattern_(std::move(literal)) {}
    // `pattern` translated under `context`, its places filled by `values`.
    Wording(const char* context, std::string pattern, std::vector<Wording> values)
        : context_(context), pattern_(std::move(pattern)), values_(std::move(values))
    {
    }

    // The text in English, as the program's own output shows it.
    std::string english() const;
    // The text with every pattern looked up by `translate`.
    std::string translated(const Translator& translate) const;

    bool empty() const { return pattern_.empty() && values_.empty(); }

private:
    const char* context_ = nullptr;  // nullptr: a literal
    std::string pattern_;
    std::vector<Wording> values_;
};

// A failure's wording: `pattern` (marked with VOMEL_TRANSLATE_NOOP under
// "Failure") with each value turned into a Wording (a std::string or a
// const char* is a literal; a Wording stays one).
inline Wording wordingValue(std::string literal) { return Wording(std::move(literal)); }
inline Wording wordingValue(Wording wording) { return wording; }

template <class... Values>
Wording worded(const char* pattern, Values&&... values)
{
    return Wording(FAILURE_WORDING_CONTEXT, pattern, {wordingValue(std::forward<Values>(values))...});
}

// `wording` with %1 ... %9 replaced by the values; a place without a value
// stays as it is.
std::string fillPlaces(std::string_view wording, const std::vector<std::string>& values);

}  // namespace vomel
