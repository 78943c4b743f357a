#pragma once
// A Platform that answers from a script and records what it was asked:
// used by the tests and the screenshot tool, never shows a modal dialog.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/platform.h"

namespace vomel::testing {

using ui::ErrorMessage;
using ui::FileDialogSpec;
using ui::Platform;

class ScriptedPlatform : public Platform {
public:
    // Answers for the next dialogs, in order; nullopt cancels. A dialog
    // with no answer left is cancelled.
    void answerDialog(std::optional<std::string> path) { answers_.push_back(std::move(path)); }

    std::optional<std::string> askOpenFile(const FileDialogSpec& dialog) override;
    std::optional<std::string> askSaveFile(const FileDialogSpec& dialog) override;
    // Answers the next question from the script; Yes when none is left.
    std::optional<bool> askYesNo(const std::string& title, const std::string& question) override;
    // Answers the next question from the same script; No when none is left.
    bool confirm(const std::string& title, const std::string& question) override;
    void answerQuestion(std::optional<bool> answer) { questionAnswers_.push_back(answer); }
    const std::vector<std::string>& questionsAsked() const { return questionsAsked_; }
    void showError(const ErrorMessage& message) override;
    void repaint() override;
    void showHelp(const std::string& path) override;
    void openAddress(const std::string& address) override;

    // Called on every repaint, e.g. to let a test look at the window.
    void setRepaintHook(std::function<void()> hook) { repaintHook_ = std::move(hook); }
    // Called as every file dialog is shown, e.g. to do what a window
    // manager does around it.
    void setDialogHook(std::function<void()> hook) { dialogHook_ = std::move(hook); }

    // Names of the dialogs shown ("alignmentDialog", ...), in order.
    const std::vector<std::string>& dialogsShown() const { return dialogsShown_; }
    const std::vector<ErrorMessage>& errors() const { return errors_; }
    const std::vector<std::string>& helpShown() const { return helpShown_; }
    const std::vector<std::string>& addressesOpened() const { return addressesOpened_; }
    int repaintCount() const { return repaintCount_; }
    std::size_t answersLeft() const { return answers_.size(); }

private:
    std::optional<std::string> nextAnswer(const FileDialogSpec& dialog);

    std::deque<std::optional<std::string>> answers_;
    std::vector<std::string> dialogsShown_;
    std::deque<std::optional<bool>> questionAnswers_;
    std::vector<std::string> questionsAsked_;
    std::vector<ErrorMessage> errors_;
    std::vector<std::string> helpShown_;
    std::vector<std::string> addressesOpened_;
    std::function<void()> repaintHook_;
    std::function<void()> dialogHook_;
    int repaintCount_ = 0;
};

}  // namespace vomel::testing
