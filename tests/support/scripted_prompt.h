#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/user_prompt.h"

namespace vorlix::test {

// A user who answers from a script and remembers everything shown to them.
class ScriptedPrompt final : public UserPrompt {
public:
    std::vector<std::string> messages;  // every message and question text, in order
    std::deque<Answer> answers;         // answers to ask(); an empty script answers Cancel
    std::deque<std::optional<std::string>> files;  // answers to the file dialogs
    std::vector<FileDialogRequest> fileRequests;

    void message(std::string_view text, MessageIcon icon) override;
    Answer ask(std::string_view text, Buttons buttons, MessageIcon icon) override;
    std::optional<std::string> chooseFileToOpen(const FileDialogRequest& request) override;
    std::optional<std::string> chooseFileToSave(const FileDialogRequest& request) override;

private:
    std::optional<std::string> nextFile(const FileDialogRequest& request);
};

}  // namespace vorlix::test
