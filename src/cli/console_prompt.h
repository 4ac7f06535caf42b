#pragma once

#include <string>
#include <vector>

#include "core/user_prompt.h"

namespace vorlix {

// The user prompt of a command: warnings go to stderr at once; information, what the desktop
// program would confirm in a message box, is kept for the command to print once its change is
// saved. Questions are not asked: they get Cancel.
class ConsolePrompt final : public UserPrompt {
public:
    void message(std::string_view text, MessageIcon icon) override;
    Answer ask(std::string_view text, Buttons buttons, MessageIcon icon) override;
    std::optional<std::string> chooseFileToOpen(const FileDialogRequest& request) override;
    std::optional<std::string> chooseFileToSave(const FileDialogRequest& request) override;

    // Prints the information kept so far on stdout, one line each.
    void printInformation();

private:
    std::vector<std::string> m_information;
};

}  // namespace vorlix
