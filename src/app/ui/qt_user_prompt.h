#pragma once

#include "core/user_prompt.h"

class QWidget;

namespace vorlix {

// Answers the logic's messages and questions with message boxes and file dialogs.
class QtUserPrompt final : public UserPrompt {
public:
    explicit QtUserPrompt(QWidget* parent = nullptr) : m_parent(parent) {}

    void message(std::string_view text, MessageIcon icon) override;
    Answer ask(std::string_view text, Buttons buttons, MessageIcon icon) override;
    std::optional<std::string> chooseFileToOpen(const FileDialogRequest& request) override;
    std::optional<std::string> chooseFileToSave(const FileDialogRequest& request) override;

private:
    QWidget* m_parent;
};

}  // namespace vorlix
