#pragma once
// The window's texts in the user's language: the Chinese texts of ui/ are
// translated under the "Window" context, the failures' English wordings
// under "Failure" (see gui/translations/).

#include <QCoreApplication>
#include <QString>

#include "ui/translation_contexts.h"

namespace vomel::gui {

// A text of ui/ or of this folder, marked for translation under "Window".
inline QString uiText(const char* source) { return QCoreApplication::translate(WINDOW_CONTEXT, source); }

}  // namespace vomel::gui
