#include "cli/copy_answers.h"

namespace vorlix {

void CopyAnswers::message(std::string_view text, MessageIcon) {
    m_said = std::string(text);
}

Answer CopyAnswers::ask(std::string_view text, Buttons buttons, MessageIcon) {
    m_said = std::string(text);
    return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
}

std::optional<std::string> CopyAnswers::chooseFileToOpen(const FileDialogRequest&) {
    return std::nullopt;
}

std::optional<std::string> CopyAnswers::chooseFileToSave(const FileDialogRequest&) {
    return m_destination;
}

}  // namespace vorlix
