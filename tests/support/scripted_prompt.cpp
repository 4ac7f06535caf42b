#include "support/scripted_prompt.h"

namespace vorlix::test {

void ScriptedPrompt::message(std::string_view text, MessageIcon) {
    messages.emplace_back(text);
}

Answer ScriptedPrompt::ask(std::string_view text, Buttons, MessageIcon) {
    messages.emplace_back(text);
    if (answers.empty()) {
        return Answer::Cancel;
    }
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedPrompt::nextFile(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    if (files.empty()) {
        return std::nullopt;
    }
    auto file = files.front();
    files.pop_front();
    return file;
}

std::optional<std::string> ScriptedPrompt::chooseFileToOpen(const FileDialogRequest& request) {
    return nextFile(request);
}

std::optional<std::string> ScriptedPrompt::chooseFileToSave(const FileDialogRequest& request) {
    return nextFile(request);
}

}  // namespace vorlix::test
