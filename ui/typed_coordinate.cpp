#include "ui/typed_coordinate.h"

#include <cmath>

#include "text/input_line.h"
#include "ui/window_messages.h"

namespace vomel::gui {

// Blanks and tabs around the number come from pasting; they are not typing
// mistakes.
std::string typedNumberText(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::variant<double, TypedProblem> readTypedCoordinate(const std::string& text, const char* fieldName)
{
    const std::string trimmed = typedNumberText(text);
    const std::string name = fieldName;
    if (trimmed.empty()) return TypedProblem{TypedProblem::Kind::Empty, name + TYPED_EMPTY};
    const std::optional<double> value = parseNumber(trimmed);
    if (!value) {
        return TypedProblem{TypedProblem::Kind::NotANumber, name + TYPED_NOT_A_NUMBER + quotedExcerpt(trimmed)};
    }
    if (std::fabs(*value) > MAX_INPUT_MAGNITUDE) {
        return TypedProblem{TypedProblem::Kind::OutOfRange, name + TYPED_OUT_OF_RANGE + quotedExcerpt(trimmed)};
    }
    return *value;
}

}  // namespace vomel::gui
