#pragma once

#include "core/user_prompt.h"

namespace vorlix {

// What the desktop program would show in a message box goes to stderr. Questions are shown the
// same way and answered with a fixed answer: the command has decided beforehand, from its
// options, what the user would say.
class StderrPrompt final : public UserPrompt {
public:
    explicit StderrPrompt(Answer answer = Answer::Cancel) : m_answer(answer) {}

    void message(std::string_view text, MessageIcon icon) override;
    Answer ask(std::string_view text, Buttons buttons, MessageIcon icon) override;
    std::optional<std::string> chooseFileToOpen(const FileDialogRequest& request) override;
    std::optional<std::string> chooseFileToSave(const FileDialogRequest& request) override;

private:
    Answer m_answer;
};

}  // namespace vorlix
