#pragma once

#include <QObject>
#include <atomic>

#include "core/user_prompt.h"

namespace vorlix {

// Lets a worker thread ask the user: each message, question and file dialog is shown by the
// user-interface thread while the worker waits for the answer. Once ended it shows nothing
// more and answers as if the user had cancelled, so that workers finish while the program
// ends.
class GuiThreadPrompt final : public UserPrompt {
public:
    // prompt: the user-interface thread's prompt, which must outlive this.
    explicit GuiThreadPrompt(UserPrompt& prompt);

    void end() { m_ended = true; }

    void message(std::string_view text, MessageIcon icon) override;
    Answer ask(std::string_view text, Buttons buttons, MessageIcon icon) override;
    std::optional<std::string> chooseFileToOpen(const FileDialogRequest& request) override;
    std::optional<std::string> chooseFileToSave(const FileDialogRequest& request) override;

private:
    // Runs work on the user-interface thread and waits for it; nothing once ended.
    template <typename Work>
    void onGuiThread(Work work);

    UserPrompt& m_prompt;
    QObject m_context;  // lives on the user-interface thread
    std::atomic<bool> m_ended = false;
};

}  // namespace vorlix
