#pragma once
// The plan view's window: the view with a fit-all button, a button that
// saves the picture as PNG, and the plane coordinates under the cursor.

#include <QWidget>
#include <memory>

#include "app/gui/file_dialogs.h"
#include "app/gui/plan_scene.h"

class QLabel;
class QPushButton;

namespace vomel::gui {

class Platform;
class PlanView;

inline constexpr const char* PLAN_WINDOW_CAPTION = "平面图";
inline constexpr const char* PLAN_FIT_CAPTION = "全图显示";
inline constexpr const char* PLAN_SAVE_CAPTION = "保存图片…";
inline constexpr const char* PLAN_SAVE_FAILED = "保存图片失败！";
inline constexpr FileDialogSpec PLAN_IMAGE_DIALOG{"PlanImageDialog", "保存平面图", "PNG图片(*.png)|*.png"};

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

// Writes `image` as PNG to `path` through a temporary file; returns the
// reason on failure, an empty string on success.
std::string savePng(const QImage& image, const std::string& path);

}  // namespace vomel::gui
