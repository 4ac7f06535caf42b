#include "cli/console_prompt.h"

#include <cstdio>

namespace vorlix {

void ConsolePrompt::message(std::string_view text, MessageIcon icon) {
    if (icon == MessageIcon::Information) {
        m_information.emplace_back(text);
        return;
    }
    std::fprintf(stderr, "vorlix-cli: %.*s\n", static_cast<int>(text.size()), text.data());
}

Answer ConsolePrompt::ask(std::string_view text, Buttons, MessageIcon) {
    message(text, MessageIcon::Question);
    return Answer::Cancel;
}

std::optional<std::string> ConsolePrompt::chooseFileToOpen(const FileDialogRequest&) {
    return std::nullopt;
}

std::optional<std::string> ConsolePrompt::chooseFileToSave(const FileDialogRequest&) {
    return std::nullopt;
}

void ConsolePrompt::printInformation() {
    for (const std::string& line : m_information) {
        std::printf("%s\n", line.c_str());
    }
    m_information.clear();
}

}  // namespace vorlix
