#include "net/chat_account_creation.h"

#include "accounts/text_digest.h"
#include "app/long_work.h"
#include "app/setting_names.h"
#include "app/settings_store.h"
#include "core/user_prompt.h"
#include "net/chat_account_form.h"
#include "net/chat_account_request.h"
#include "platform/http_client.h"

namespace vorlix {

ChatAccountCreation::ChatAccountCreation(SettingsStore& settings, HttpClient& http,
                                         UserPrompt& prompt, LongWork& longWork,
                                         const CodePage& codePage)
    : m_settings(settings),
      m_http(http),
      m_prompt(prompt),
      m_longWork(longWork),
      m_codePage(codePage) {}

bool ChatAccountCreation::submit(const ChatAccountForm& typed) {
    const auto refusals = formRefusals(typed);
    for (const std::string_view refusal : refusals) {
        m_prompt.message(refusal);
    }
    if (!refusals.empty()) {
        return false;
    }
    const std::string service = m_settings.readText(
        setting::kSettingsKey, setting::kChatAccountHost, setting::kAddressLimit);
    if (service.empty()) {
        m_prompt.message(kNoAccountServiceMessage, MessageIcon::Warning);
        return false;
    }
    const ChatAccountForm form = withOptionalFieldsGiven(typed);
    const std::string url = chatAccountRequestUrl(service, form);
    HttpReply reply;
    WorkProgress progress;
    m_longWork.run(std::string(kCreatingAccountCaption), progress,
                   [&] { reply = m_http.get(url); });
    if (reply.status == 0) {
        m_prompt.message(reply.error, MessageIcon::Stop);
        return false;
    }
    const ChatAccountReply answer = ChatAccountReply::of(reply.body);
    switch (answer.kind) {
        case ChatAccountReply::Kind::Refused:
            m_prompt.message(answer.refusal);
            return false;
        case ChatAccountReply::Kind::Corrupt:
            m_prompt.message(kCorruptReplyMessage);
            return false;
        case ChatAccountReply::Kind::Created:
            break;
    }
    m_prompt.message(std::string(kAccountSentMessage) + form.email);
    m_settings.writeText(setting::kSettingsKey, setting::kChatUser, form.name);
    m_settings.writeText(setting::kSettingsKey, setting::kChatPasswordDigest,
                         textDigest(form.password, m_codePage));
    return true;
}

}  // namespace vorlix
