#pragma once
// The contexts under which the window's texts are translated. The texts of
// ui/ and session/messages.h are Chinese under "Window"; the failures'
// wordings (core/failure_code.h) are English under "Failure".

#include "core/failure_code.h"

namespace vomel::gui {

inline constexpr const char* WINDOW_CONTEXT = "Window";
inline constexpr const char* FAILURE_CONTEXT = "Failure";

}  // namespace vomel::gui
