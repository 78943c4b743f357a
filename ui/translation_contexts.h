#pragma once
// The contexts under which the window's texts are translated. The texts of
// ui/, gui/ and session/messages.h are Chinese under "Window"; the failures'
// wordings (core/failure_code.h) are English under "Failure"; the curve
// table's column keys and element kinds are English under "CurveTable"; the
// project pane's texts are English under "Project".

#include "core/failure_code.h"

namespace vomel::ui {

inline constexpr const char* WINDOW_CONTEXT = "Window";
inline constexpr const char* FAILURE_CONTEXT = "Failure";
inline constexpr const char* CURVE_TABLE_CONTEXT = "CurveTable";
inline constexpr const char* PROJECT_CONTEXT = "Project";

}  // namespace vomel::ui
