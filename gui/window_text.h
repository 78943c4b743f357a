#pragma once
// The one way the window puts a text in the user's language: every text is
// a constant marked with VOMEL_TRANSLATE_NOOP under its context (the Chinese
// texts of ui/ and gui/ under "Window", the failures' English wordings under
// "Failure", the curve table's keys under "CurveTable"; see
// gui/translations/) and is looked up here, in the installed translations.

#include <QCoreApplication>
#include <QString>

#include "ui/translation_contexts.h"

namespace vomel::gui {
using ui::WINDOW_CONTEXT;

// `source` in the user's language; the text itself where it has no
// translation.
inline QString translatedText(const char* context, const char* source)
{
    return QCoreApplication::translate(context, source);
}

// A text of the window, marked under "Window".
inline QString uiText(const char* source) { return translatedText(WINDOW_CONTEXT, source); }

}  // namespace vomel::gui
