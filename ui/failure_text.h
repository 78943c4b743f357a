#pragma once
// A failure as the window shows it: its file and line, and its reason in
// the user's language where the failure has a wording of its own.

#include <exception>
#include <string>

#include "ui/platform.h"

namespace vomel::ui {

// "FILE:LINE: reason", "FILE: reason", "line LINE: reason" or "reason" with
// the reason in the platform's language; a failure without a code, or an
// exception that is no Failure, keeps its English text.
std::string failureText(const std::exception& failure, const Platform& platform);

// The error box for `failure` under the message `text` (translated here).
ErrorMessage failureMessage(const char* text, const std::exception& failure, const Platform& platform);

}  // namespace vomel::ui
