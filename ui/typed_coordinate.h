#pragma once
// A coordinate typed into the main window, read strictly: the whole text,
// blanks around it aside, must be one decimal number within the accepted
// magnitude. A typing mistake names the field instead of computing a
// confident wrong answer.

#include <optional>
#include <string>
#include <variant>

#include "ui/platform.h"

namespace vomel::ui {

struct TypedProblem {
    enum class Kind { Empty, NotANumber, OutOfRange };
    Kind kind;
    std::string message;  // names the field, e.g. "X坐标不是数字：\"12,5\""
};

// The number typed, or what is wrong with it. `fieldName` names the field in
// the message, which is in the platform's language.
std::variant<double, TypedProblem> readTypedCoordinate(const std::string& text, const std::string& fieldName,
                                                       const Platform& platform);

// The typed text without the blanks and tabs around it.
std::string typedNumberText(const std::string& text);

}  // namespace vomel::ui
