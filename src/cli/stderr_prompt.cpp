#include "cli/stderr_prompt.h"

#include <cstdio>

namespace vorlix {

void StderrPrompt::message(std::string_view text, MessageIcon) {
    std::fprintf(stderr, "vorlix-cli: %.*s\n", static_cast<int>(text.size()), text.data());
}

Answer StderrPrompt::ask(std::string_view text, Buttons, MessageIcon icon) {
    message(text, icon);
    return m_answer;
}

std::optional<std::string> StderrPrompt::chooseFileToOpen(const FileDialogRequest&) {
    return std::nullopt;
}

std::optional<std::string> StderrPrompt::chooseFileToSave(const FileDialogRequest&) {
    return std::nullopt;
}

}  // namespace vorlix
