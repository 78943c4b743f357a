#pragma once
// Text boxes that take the window's focus colour while they have the focus
// and select their text as they take it: the main window's and the added
// windows' alike.

class QLineEdit;

namespace vomel::gui {

void highlightFocus(QLineEdit* box);

}  // namespace vomel::gui
