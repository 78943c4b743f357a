#pragma once
// The Platform on the Qt desktop.

#include <QPointer>
#include <QWidget>

#include "ui/platform.h"

namespace vomel::gui {

class QtPlatform : public Platform {
public:
    // The window that owns the dialogs and is repainted.
    void setOwner(QWidget* owner) { owner_ = owner; }

    std::optional<std::string> askOpenFile(const FileDialogSpec& dialog) override;
    std::optional<std::string> askSaveFile(const FileDialogSpec& dialog) override;
    void showError(const ErrorMessage& message) override;
    void repaint() override;
    void showHelp(const std::string& path) override;
    void openAddress(const std::string& address) override;

private:
    QPointer<QWidget> owner_;
};

// The filter list of a file dialog in Qt's form: each description as the
// user sees it, followed by its patterns in parentheses. "*.*" means every
// file, as on the desktops these files come from.
QStringList qtNameFilters(const FileDialogSpec& dialog);

}  // namespace vomel::gui
