#pragma once

#include "app/document_services.h"
#include "net/chat_account_creation.h"

namespace vorlix {

// Runs the chat account dialog modally over the creation it sends the form with.
class DialogChatAccountService final : public ChatAccountService {
public:
    DialogChatAccountService(SettingsStore& settings, HttpClient& http, UserPrompt& prompt,
                             LongWork& longWork, const CodePage& codePage);

    void createAccount() override;

private:
    ChatAccountCreation m_creation;
};

}  // namespace vorlix
