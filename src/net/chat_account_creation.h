#pragma once

#include <string_view>

namespace vorlix {

class CodePage;
class HttpClient;
class LongWork;
class SettingsStore;
class UserPrompt;
struct ChatAccountForm;

inline constexpr std::string_view kAccountSentMessage = "Your login data have been sent to: ";
inline constexpr std::string_view kCorruptReplyMessage =
    "Corrupt message from server. Please restart and try again.";
inline constexpr std::string_view kNoAccountServiceMessage =
    "No chat account service is set. Set its address with: vorlix-cli config set "
    "chataccounthost HOST";
inline constexpr std::string_view kCreatingAccountCaption = "Creating the chat account...";

// What OK of the chat account form does: refuses an incomplete form, sends the account request
// to the service of the setting chataccounthost on a worker, shows what came back and, when the
// account was made, keeps its name (info3) and password digest (info4) in the settings.
class ChatAccountCreation {
public:
    ChatAccountCreation(SettingsStore& settings, HttpClient& http, UserPrompt& prompt,
                        LongWork& longWork, const CodePage& codePage);

    // True when the account was made and the form can close; otherwise the form stays, the
    // reason shown and nothing stored.
    [[nodiscard]] bool submit(const ChatAccountForm& typed);

private:
    SettingsStore& m_settings;
    HttpClient& m_http;
    UserPrompt& m_prompt;
    LongWork& m_longWork;
    const CodePage& m_codePage;
};

}  // namespace vorlix
