#pragma once
// The tooltip of a view that draws points: the text of the point under the
// cursor, or no tip where there is none.

#include <optional>

#include <QEvent>
#include <QHelpEvent>
#include <QString>
#include <QToolTip>
#include <QWidget>

namespace vomel::gui {

// Answers `event` when it asks for a tooltip, with textAt(position in the
// view) or by hiding the tip when that gives nothing; false for any other
// event, which the caller handles.
template <class TextAt>
bool answerHoverTip(QWidget& view, QEvent* event, TextAt textAt)
{
    if (event->type() != QEvent::ToolTip) return false;
    auto* help = static_cast<QHelpEvent*>(event);
    const std::optional<QString> text = textAt(help->pos());
    if (text) {
        QToolTip::showText(help->globalPos(), *text, &view);
    } else {
        QToolTip::hideText();
        event->ignore();
    }
    return true;
}

}  // namespace vomel::gui
