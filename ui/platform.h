#pragma once
// What the main window needs from the desktop, without naming a toolkit:
// file dialogs, the error message box, an explicit repaint, the help viewer,
// opening an address and the user's language. QtPlatform provides it on the desktop and
// ScriptedPlatform in tests.

#include <functional>
#include <optional>
#include <string>

#include "ui/file_dialogs.h"

namespace vomel::ui {

// A message of the error box: its text, and the precise reason shown on
// request.
struct ErrorMessage {
    std::string text;
    std::string detail;
};

class Platform {
public:
    virtual ~Platform() = default;

    // The chosen file's path, or nullopt when the dialog was cancelled.
    virtual std::optional<std::string> askOpenFile(const FileDialogSpec& dialog) = 0;
    // The save dialog only names the file; it creates nothing.
    virtual std::optional<std::string> askSaveFile(const FileDialogSpec& dialog) = 0;

    // A modal question with Yes and No: true for Yes, false for No, nullopt
    // when it was closed without an answer.
    virtual std::optional<bool> askYesNo(const std::string& title, const std::string& question) = 0;

    // A modal question before something that loses work: Yes and No, No
    // the default (Enter does not confirm by accident). True for Yes only.
    virtual bool confirm(const std::string& title, const std::string& question) = 0;

    // Modal box titled "错误" with the error icon and an OK button.
    virtual void showError(const ErrorMessage& message) = 0;

    // Paints the window now, during a long operation on the user-interface
    // thread.
    virtual void repaint() = 0;

    // Runs a long piece of work and returns when it has ended, rethrowing
    // what it threw. `work` reports its progress by calling the function it
    // is given; `poll` shows that progress and is only ever called on the
    // window's thread. The desktop runs the work on a worker thread, keeps
    // the window responsive and polls a few times a second; this default
    // runs it in place and polls on every report.
    using ProgressReport = std::function<void()>;
    virtual void runInBackground(const std::function<void(const ProgressReport& reported)>& work,
                                 const std::function<void()>& poll)
    {
        work(poll);
        poll();
    }

    // Shows the help file with the desktop's viewer; the viewer reports a
    // missing file itself.
    virtual void showHelp(const std::string& path) = 0;

    // Opens a web or mailto: address with the desktop's default handler; the
    // result is ignored.
    virtual void openAddress(const std::string& address) = 0;

    // `source`, a text marked with VOMEL_TRANSLATE_NOOP under `context`, in
    // the user's language; the text itself where it has no translation.
    virtual std::string translate(const char* context, const char* source) const
    {
        (void)context;
        return source;
    }
};

}  // namespace vomel::ui
