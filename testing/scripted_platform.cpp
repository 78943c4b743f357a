#include "testing/scripted_platform.h"

namespace vomel::testing {

std::optional<std::string> ScriptedPlatform::nextAnswer(const FileDialogSpec& dialog)
{
    dialogsShown_.emplace_back(dialog.name);
    if (dialogHook_) dialogHook_();
    if (answers_.empty()) return std::nullopt;
    std::optional<std::string> answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

std::optional<std::string> ScriptedPlatform::askOpenFile(const FileDialogSpec& dialog) { return nextAnswer(dialog); }

std::optional<std::string> ScriptedPlatform::askSaveFile(const FileDialogSpec& dialog) { return nextAnswer(dialog); }

std::optional<bool> ScriptedPlatform::askYesNo(const std::string& title, const std::string& question)
{
    (void)title;
    questionsAsked_.push_back(question);
    if (questionAnswers_.empty()) return true;
    const std::optional<bool> answer = questionAnswers_.front();
    questionAnswers_.pop_front();
    return answer;
}

bool ScriptedPlatform::confirm(const std::string& title, const std::string& question)
{
    (void)title;
    questionsAsked_.push_back(question);
    if (questionAnswers_.empty()) return false;
    const std::optional<bool> answer = questionAnswers_.front();
    questionAnswers_.pop_front();
    return answer.value_or(false);
}

void ScriptedPlatform::showError(const ErrorMessage& message) { errors_.push_back(message); }

void ScriptedPlatform::repaint()
{
    ++repaintCount_;
    if (repaintHook_) repaintHook_();
}

void ScriptedPlatform::showHelp(const std::string& path) { helpShown_.push_back(path); }

void ScriptedPlatform::openAddress(const std::string& address) { addressesOpened_.push_back(address); }

}  // namespace vomel::testing
