#include "net/ui/gui_thread_prompt.h"

#include <QThread>

namespace vorlix {

GuiThreadPrompt::GuiThreadPrompt(UserPrompt& prompt) : m_prompt(prompt) {}

// Checked again on the user-interface thread: a request that was on its way when the prompt
// ended shows nothing either.
template <typename Work>
void GuiThreadPrompt::onGuiThread(Work work) {
    const auto unlessEnded = [this, &work] {
        if (!m_ended) {
            work();
        }
    };
    if (QThread::currentThread() == m_context.thread()) {
        unlessEnded();
    } else {
        QMetaObject::invokeMethod(&m_context, unlessEnded, Qt::BlockingQueuedConnection);
    }
}

void GuiThreadPrompt::message(std::string_view text, MessageIcon icon) {
    const std::string copy(text);
    onGuiThread([this, &copy, icon] { m_prompt.message(copy, icon); });
}

Answer GuiThreadPrompt::ask(std::string_view text, Buttons buttons, MessageIcon icon) {
    const std::string copy(text);
    Answer answer = buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    onGuiThread(
        [this, &copy, &answer, buttons, icon] { answer = m_prompt.ask(copy, buttons, icon); });
    return answer;
}

std::optional<std::string> GuiThreadPrompt::chooseFileToOpen(const FileDialogRequest& request) {
    std::optional<std::string> chosen;
    onGuiThread([this, &request, &chosen] { chosen = m_prompt.chooseFileToOpen(request); });
    return chosen;
}

std::optional<std::string> GuiThreadPrompt::chooseFileToSave(const FileDialogRequest& request) {
    std::optional<std::string> chosen;
    onGuiThread([this, &request, &chosen] { chosen = m_prompt.chooseFileToSave(request); });
    return chosen;
}

}  // namespace vorlix
