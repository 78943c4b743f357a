#pragma once
// The plan view's window: the view with a fit-all button, a button that
// saves the picture as PNG, and the plane coordinates under the cursor.

#include <memory>

#include <QWidget>

#include "drawing/plan_scene.h"
#include "ui/file_dialogs.h"
#include "ui/window_texts.h"

class QLabel;
class QPushButton;

namespace vomel::ui {
class Platform;
}  // namespace vomel::ui

namespace vomel::gui {
using drawing::PlanScene;

using ui::Platform;
class PlanView;

class PlanWindow : public QWidget {
    Q_OBJECT

public:
    explicit PlanWindow(Platform& platform, QWidget* parent = nullptr);

    // A new scene; fitted to the window when the line itself changed.
    void setScene(std::shared_ptr<const PlanScene> scene, bool fit);
    PlanView* view() const { return view_; }

    // Asks for a file name and writes the picture there whole (through a
    // temporary file), or reports why it could not.
    void saveImage();

private:
    Platform& platform_;
    PlanView* view_ = nullptr;
    QPushButton* fitButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QLabel* cursor_ = nullptr;
};

// Writes `image` as PNG to `path` whole or not at all (AtomicFile); a
// FileFailure naming the path when it cannot.
void savePng(const QImage& image, const std::string& path);

}  // namespace vomel::gui
