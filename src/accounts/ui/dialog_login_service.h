#pragma once

#include "app/document_services.h"

class QWidget;

namespace vorlix {

class CodePage;
class SettingsStore;
class UserPrompt;

// Logs the user in with the login dialog, run modally over the main window.
class DialogLoginService final : public LoginService {
public:
    DialogLoginService(UserPrompt& prompt, SettingsStore& settings, const CodePage& codePage,
                       QWidget* parent = nullptr);

    std::optional<Identity> login(const std::string& programFolder) override;

private:
    UserPrompt& m_prompt;
    SettingsStore& m_settings;
    const CodePage& m_codePage;
    QWidget* m_parent;
};

}  // namespace vorlix
