#include "gui/focus_highlight.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QTimer>

#include "gui/main_window.h"

namespace vomel::gui {

using namespace vomel::ui;
using namespace vomel::drawing;

namespace {

// Paints the box it watches in the focus colour while it has the focus, and
// selects its text when it takes the focus, so typing replaces it.
class FocusHighlight : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = qobject_cast<QLineEdit*>(watched);
        if (box != nullptr && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
            QPalette palette = box->palette();
            palette.setColor(QPalette::Base, event->type() == QEvent::FocusIn
                                                 ? MainWindow::focusColour()
                                                 : QApplication::palette(box).color(QPalette::Base));
            box->setPalette(palette);
            // After the click that gave the focus has placed the cursor.
            if (event->type() == QEvent::FocusIn) QTimer::singleShot(0, box, &QLineEdit::selectAll);
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void highlightFocus(QLineEdit* box) { box->installEventFilter(new FocusHighlight(box)); }

}  // namespace vomel::gui
