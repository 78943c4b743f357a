#pragma once
// The Platform on the Qt desktop.

#include <QPointer>
#include <QWidget>

#include "ui/platform.h"

namespace vomel::gui {
using ui::ErrorMessage;
using ui::FileDialogSpec;
using ui::Platform;

// How often the window shows the progress of work on a worker thread.
inline constexpr int PROGRESS_POLL_MS = 50;

class QtPlatform : public Platform {
public:
    // The window that owns the dialogs and is repainted.
    void setOwner(QWidget* owner) { owner_ = owner; }

    std::optional<std::string> askOpenFile(const FileDialogSpec& dialog) override;
    std::optional<std::string> askSaveFile(const FileDialogSpec& dialog) override;
    std::optional<bool> askYesNo(const std::string& title, const std::string& question) override;
    bool confirm(const std::string& title, const std::string& question) override;
    void showError(const ErrorMessage& message) override;
    void repaint() override;
    void runInBackground(const std::function<void(const ProgressReport& reported)>& work,
                         const std::function<void()>& poll) override;
    void showHelp(const std::string& path) override;
    void openAddress(const std::string& address) override;
    std::string translate(const char* context, const char* source) const override;

private:
    std::optional<std::string> runFileDialog(const FileDialogSpec& dialog, bool save);

    QPointer<QWidget> owner_;
    // The folder of the file chosen last: the next dialog opens there (the
    // chain-break file beside its JD file, say).
    QString lastFolder_;
};

// Text of a message as the window shows it: control characters other than
// line feeds and tabs (a NUL in an excerpt of a binary line, say) shown as
// U+FFFD.
QString visibleText(QString text);
// The detail of an error box from its bytes in the local file-name encoding:
// every byte, also past a NUL of a quoted binary line, made visible.
QString visibleDetail(const std::string& detail);

// The filter list of a file dialog in Qt's form: each description as the
// user sees it, followed by its patterns in parentheses. "*.*" means every
// file, as on the desktops these files come from.
QStringList qtNameFilters(const FileDialogSpec& dialog);

}  // namespace vomel::gui
