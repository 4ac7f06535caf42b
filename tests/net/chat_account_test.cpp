#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/setting_names.h"
#include "core/code_page.h"
#include "core/md5.h"
#include "net/chat_account_creation.h"
#include "net/chat_account_form.h"
#include "net/chat_account_request.h"
#include "platform/http_client.h"
#include "support/document_fakes.h"
#include "support/memory_settings.h"
#include "support/scripted_prompt.h"

namespace vorlix {
namespace {

ChatAccountForm completeForm() {
    ChatAccountForm form;
    form.name = "anna";
    form.password = "secret";
    form.retypedPassword = "secret";
    form.firstName = "Anna";
    form.lastName = "Berg";
    form.email = "anna@example.org";
    return form;
}

struct RefusalCase {
    const char* what;
    void (*change)(ChatAccountForm&);
    std::vector<std::string_view> refusals;
};

TEST(ChatAccountForm, RefusesAnIncompleteFormAndAPasswordMismatchInOrder) {
    const std::vector<RefusalCase> cases = {
        {"complete", [](ChatAccountForm&) {}, {}},
        {"no user name", [](ChatAccountForm& f) { f.name.clear(); }, {kIncompleteFormMessage}},
        {"no password",
         [](ChatAccountForm& f) {
             f.password.clear();
             f.retypedPassword.clear();
         },
         {kIncompleteFormMessage}},
        {"no first name",
         [](ChatAccountForm& f) { f.firstName.clear(); },
         {kIncompleteFormMessage}},
        {"no last name", [](ChatAccountForm& f) { f.lastName.clear(); }, {kIncompleteFormMessage}},
        {"no e-mail", [](ChatAccountForm& f) { f.email.clear(); }, {kIncompleteFormMessage}},
        {"passwords differ",
         [](ChatAccountForm& f) { f.retypedPassword = "secreT"; },
         {kPasswordMismatchMessage, kIncompleteFormMessage}},
        {"retyped password missing",
         [](ChatAccountForm& f) { f.retypedPassword.clear(); },
         {kPasswordMismatchMessage, kIncompleteFormMessage}},
        {"optional fields may stay empty",
         [](ChatAccountForm& f) { f.country = f.city = f.address = f.gender = f.age = ""; },
         {}},
    };
    for (const RefusalCase& c : cases) {
        ChatAccountForm form = completeForm();
        c.change(form);
        EXPECT_EQ(formRefusals(form), c.refusals) << c.what;
    }
}

TEST(ChatAccountForm, EmptyOptionalFieldsAreSentAsNotGiven) {
    ChatAccountForm form = completeForm();
    form.city = "Lund";
    const ChatAccountForm sent = withOptionalFieldsGiven(form);
    EXPECT_EQ(sent.country, "N/A");
    EXPECT_EQ(sent.city, "Lund");
    EXPECT_EQ(sent.address, "N/A");
    EXPECT_EQ(sent.gender, "N/A");
    EXPECT_EQ(sent.age, "N/A");
    EXPECT_EQ(sent.name, "anna");
    EXPECT_EQ(sent.email, "anna@example.org");
}

TEST(ChatAccountRequest, SendsTheKeysInOrderWithEveryValuePercentEncoded) {
    ChatAccountForm form = withOptionalFieldsGiven(completeForm());
    form.password = "a&b#c d";
    form.retypedPassword = "never sent";
    form.city = "Malmö";
    form.name = "x&pass=stolen";

    EXPECT_EQ(chatAccountRequestUrl("accounts.example.org", form),
              "https://accounts.example.org/vorlixmedia/system/createnewaccount.php"
              "?name=x%26pass%3Dstolen&mail=anna%40example.org&pass=a%26b%23c%20d&fname=Anna"
              "&lname=Berg&country=N%2FA&city=Malm%C3%B6&age=N%2FA&gender=N%2FA&address=N%2FA");
}

TEST(ChatAccountRequest, TheServiceIsAHostOrAnAddressWithItsScheme) {
    const ChatAccountForm form = withOptionalFieldsGiven(completeForm());
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"accounts.example.org", "https://accounts.example.org/vorlixmedia/"},
        {"accounts.example.org:8443", "https://accounts.example.org:8443/vorlixmedia/"},
        {"http://127.0.0.1:8080", "http://127.0.0.1:8080/vorlixmedia/"},
        {"https://accounts.example.org/", "https://accounts.example.org/vorlixmedia/"},
    };
    for (const auto& [service, start] : cases) {
        EXPECT_EQ(chatAccountRequestUrl(service, form).rfind(start, 0), 0u) << service;
    }
}

TEST(ChatAccountReply, ReadsTheMarkersOfTheFirstLine) {
    using Kind = ChatAccountReply::Kind;
    struct Case {
        std::string body;
        Kind kind;
        std::string refusal;
    };
    const std::vector<Case> cases = {
        {"<success>\r\n", Kind::Created, ""},
        {"ok <success> sent", Kind::Created, ""},
        {"<error>Name already taken</error>\r\n<success>", Kind::Refused, "Name already taken"},
        {"<error></error>", Kind::Refused, ""},
        {"<error>both <success></error>", Kind::Refused, "both <success>"},
        {"<error>no closing tag", Kind::Corrupt, ""},
        {"hello\n<success>", Kind::Corrupt, ""},
        {"", Kind::Corrupt, ""},
    };
    for (const Case& c : cases) {
        const ChatAccountReply reply = ChatAccountReply::of(c.body);
        EXPECT_EQ(reply.kind, c.kind) << c.body;
        EXPECT_EQ(reply.refusal, c.refusal) << c.body;
    }
}

// Answers every request with the same reply and keeps the addresses asked for.
struct ScriptedHttp final : HttpClient {
    HttpReply reply;
    std::vector<std::string> urls;
    HttpReply get(const std::string& url) override {
        urls.push_back(url);
        return reply;
    }
    HttpReply post(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
};

struct ChatAccountCreationTest : ::testing::Test {
    test::MemorySettings settings;
    ScriptedHttp http;
    test::ScriptedPrompt prompt;
    test::InPlaceLongWork longWork;
    Windows1252 codePage;
    ChatAccountCreation creation{settings, http, prompt, longWork, codePage};

    ChatAccountCreationTest() {
        settings.writeText(setting::kSettingsKey, setting::kChatAccountHost,
                           "accounts.example.org");
    }

    std::string stored(std::string_view name) {
        return settings.readText(setting::kSettingsKey, name, setting::kTextLimit);
    }
};

TEST_F(ChatAccountCreationTest, AMadeAccountIsStoredAndTheAddressShown) {
    http.reply = {200, "<success>\n", ""};
    EXPECT_TRUE(creation.submit(completeForm()));

    ASSERT_EQ(http.urls.size(), 1u);
    EXPECT_NE(http.urls[0].find("&pass=secret&"), std::string::npos);
    EXPECT_EQ(longWork.captions, (std::vector<std::string>{std::string(kCreatingAccountCaption)}));
    EXPECT_EQ(prompt.messages,
              (std::vector<std::string>{"Your login data have been sent to: anna@example.org"}));
    EXPECT_EQ(stored(setting::kChatUser), "anna");
    EXPECT_EQ(stored(setting::kChatPasswordDigest), md5Hex("secret"));
}

TEST_F(ChatAccountCreationTest, WhatKeepsTheFormOpenStoresNothing) {
    struct Case {
        const char* what;
        HttpReply reply;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"refused", {200, "<error>Name already taken</error>\n", ""}, "Name already taken"},
        {"no markers", {200, "Welcome!\n<success>", ""}, std::string(kCorruptReplyMessage)},
        {"no connection", {0, "", "Couldn't connect to server"}, "Couldn't connect to server"},
    };
    for (const Case& c : cases) {
        prompt.messages.clear();
        http.reply = c.reply;
        EXPECT_FALSE(creation.submit(completeForm())) << c.what;
        EXPECT_EQ(prompt.messages, std::vector<std::string>{c.message}) << c.what;
        EXPECT_EQ(stored(setting::kChatUser), "") << c.what;
        EXPECT_EQ(stored(setting::kChatPasswordDigest), "") << c.what;
    }
}

TEST_F(ChatAccountCreationTest, ARefusedFormIsNeverSent) {
    ChatAccountForm form = completeForm();
    form.retypedPassword = "other";
    EXPECT_FALSE(creation.submit(form));
    EXPECT_EQ(prompt.messages, (std::vector<std::string>{std::string(kPasswordMismatchMessage),
                                                         std::string(kIncompleteFormMessage)}));
    EXPECT_TRUE(http.urls.empty());
    EXPECT_EQ(stored(setting::kChatUser), "");
}

TEST_F(ChatAccountCreationTest, WithoutAServiceNothingIsSent) {
    settings.writeText(setting::kSettingsKey, setting::kChatAccountHost, "");
    EXPECT_FALSE(creation.submit(completeForm()));
    EXPECT_EQ(prompt.messages, std::vector<std::string>{std::string(kNoAccountServiceMessage)});
    EXPECT_TRUE(http.urls.empty());
}

}  // namespace
}  // namespace vorlix
