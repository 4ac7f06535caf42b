#pragma once

#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/user_prompt.h"

namespace vorlix::test {

// A message or question as the user saw it.
struct Shown {
    std::string text;
    MessageIcon icon = MessageIcon::None;
    std::optional<Buttons> buttons;  // a question's buttons; none for a message

    bool operator==(const Shown&) const = default;
};

void PrintTo(const Shown& shown, std::ostream* out);

// A user who answers from a script and remembers everything shown to them.
class ScriptedPrompt final : public UserPrompt {
public:
    std::vector<std::string> messages;  // every message and question text, in order
    std::vector<Shown> shown;           // the same with their icons and buttons
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
