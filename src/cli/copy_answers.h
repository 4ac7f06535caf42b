#pragma once

#include <string>

#include "core/user_prompt.h"

namespace vorlix {

// Answers a copy's questions for the command line: the destination is the one given, a
// missing disc is not waited for, and whatever the copy would show is kept as the reason it
// failed.
class CopyAnswers final : public UserPrompt {
public:
    explicit CopyAnswers(std::string destination) : m_destination(std::move(destination)) {}

    // The last message or question; empty when there was none.
    const std::string& said() const { return m_said; }

    void message(std::string_view text, MessageIcon icon) override;
    Answer ask(std::string_view text, Buttons buttons, MessageIcon icon) override;
    std::optional<std::string> chooseFileToOpen(const FileDialogRequest& request) override;
    std::optional<std::string> chooseFileToSave(const FileDialogRequest& request) override;

private:
    std::string m_destination;
    std::string m_said;
};

}  // namespace vorlix
