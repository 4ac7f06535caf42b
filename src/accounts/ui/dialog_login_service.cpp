#include "accounts/ui/dialog_login_service.h"

#include "accounts/ui/dialog_login.h"

namespace vorlix {

DialogLoginService::DialogLoginService(UserPrompt& prompt, SettingsStore& settings,
                                       const CodePage& codePage, QWidget* parent)
    : m_prompt(prompt), m_settings(settings), m_codePage(codePage), m_parent(parent) {}

std::optional<Identity> DialogLoginService::login(const std::string& programFolder) {
    CDialogLogin dialog(programFolder, m_prompt, m_settings, m_codePage, m_parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.identity();
}

}  // namespace vorlix
