#pragma once
// Text boxes that take the window's focus colour while they have the focus,
// as the main window's do.

class QLineEdit;

namespace vomel::gui {

void highlightFocus(QLineEdit* box);

}  // namespace vomel::gui
