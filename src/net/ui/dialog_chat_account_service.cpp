#include "net/ui/dialog_chat_account_service.h"

#include <QApplication>

#include "net/ui/dialog_chat_account.h"

namespace vorlix {

DialogChatAccountService::DialogChatAccountService(SettingsStore& settings, HttpClient& http,
                                                   UserPrompt& prompt, LongWork& longWork,
                                                   const CodePage& codePage)
    : m_creation(settings, http, prompt, longWork, codePage) {}

void DialogChatAccountService::createAccount() {
    CDialogChatAccount dialog(m_creation, QApplication::activeWindow());
    dialog.exec();
}

}  // namespace vorlix
