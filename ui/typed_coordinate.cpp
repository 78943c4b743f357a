#include "ui/typed_coordinate.h"

#include <cmath>

#include "text/input_line.h"
#include "ui/translation_contexts.h"
#include "ui/window_messages.h"

namespace vomel::ui {

// Blanks and tabs around the number come from pasting; they are not typing
// mistakes.
std::string typedNumberText(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::variant<double, TypedProblem> readTypedCoordinate(const std::string& text, const std::string& fieldName,
                                                       const Platform& platform)
{
    const auto problem = [&](TypedProblem::Kind kind, const char* wording, const std::string& typed) {
        return TypedProblem{kind, fillPlaces(platform.translate(WINDOW_CONTEXT, wording), {fieldName, typed})};
    };
    const std::string trimmed = typedNumberText(text);
    if (trimmed.empty()) return problem(TypedProblem::Kind::Empty, TYPED_EMPTY, {});
    const std::optional<double> value = parseNumber(trimmed);
    if (!value) return problem(TypedProblem::Kind::NotANumber, TYPED_NOT_A_NUMBER, quotedExcerpt(trimmed));
    if (std::fabs(*value) > MAX_INPUT_MAGNITUDE) {
        return problem(TypedProblem::Kind::OutOfRange, TYPED_OUT_OF_RANGE, quotedExcerpt(trimmed));
    }
    return *value;
}

}  // namespace vomel::ui
