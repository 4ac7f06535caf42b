#include "net/ui/dialog_chat_account.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "app/setting_names.h"
#include "app/ui/qt_long_work.h"
#include "core/code_page.h"
#include "core/md5.h"
#include "net/chat_account_creation.h"
#include "net/chat_account_form.h"
#include "net/chat_account_request.h"
#include "online/scripted_http_server.h"
#include "platform/http/curl_http_client.h"
#include "support/memory_settings.h"
#include "support/scripted_prompt.h"
#include "support/widget_lookup.h"

namespace vorlix {

namespace {

using test::child;

// The real client, noting the thread each request runs on.
struct ThreadNotingHttp final : HttpClient {
    CurlHttpClient client;
    std::mutex mutex;
    std::vector<std::thread::id> threads;
    HttpReply get(const std::string& url) override {
        {
            const std::lock_guard lock(mutex);
            threads.push_back(std::this_thread::get_id());
        }
        return client.get(url);
    }
    HttpReply post(const std::string& url, const std::string& body,
                   const std::string& headers) override {
        return client.post(url, body, headers);
    }
};

void type(CDialogChatAccount& dialog, const char* field, const QString& text) {
    QLineEdit* edit = child<QLineEdit>(dialog, field);
    edit->clear();
    QTest::keyClicks(edit, text);
}

void clickOk(CDialogChatAccount& dialog) {
    QPushButton* ok = child<QDialogButtonBox>(dialog, "buttons")->button(QDialogButtonBox::Ok);
    QTest::mouseClick(ok, Qt::LeftButton);
}

}  // namespace

class DialogChatAccountTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::ScriptedHttpServer> m_server;
    std::unique_ptr<test::MemorySettings> m_settings;
    std::unique_ptr<ThreadNotingHttp> m_http;
    std::unique_ptr<test::ScriptedPrompt> m_prompt;
    std::unique_ptr<QtLongWork> m_longWork;
    Windows1252 m_codePage;
    std::unique_ptr<ChatAccountCreation> m_creation;
    std::unique_ptr<CDialogChatAccount> m_dialog;

    void fillRequiredFields(const QString& password) {
        type(*m_dialog, "name", QStringLiteral("anna"));
        type(*m_dialog, "password", password);
        type(*m_dialog, "retypedPassword", password);
        type(*m_dialog, "firstName", QStringLiteral("Anna"));
        type(*m_dialog, "lastName", QStringLiteral("Berg"));
        type(*m_dialog, "email", QStringLiteral("anna@example.org"));
    }

    std::string stored(std::string_view name) const {
        return m_settings->readText(setting::kSettingsKey, name, setting::kTextLimit);
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        m_server = std::make_unique<test::ScriptedHttpServer>();
        m_settings = std::make_unique<test::MemorySettings>();
        m_settings->writeText(setting::kSettingsKey, setting::kChatAccountHost,
                              "http://" + m_server->address());
        m_http = std::make_unique<ThreadNotingHttp>();
        m_prompt = std::make_unique<test::ScriptedPrompt>();
        m_longWork = std::make_unique<QtLongWork>();
        m_creation = std::make_unique<ChatAccountCreation>(*m_settings, *m_http, *m_prompt,
                                                           *m_longWork, m_codePage);
        m_dialog = std::make_unique<CDialogChatAccount>(*m_creation);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    }

    void cleanup() {
        m_dialog.reset();
        m_creation.reset();
        m_server.reset();
    }

    void showsTheFormWithItsLimits() {
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Dialog"));
        QCOMPARE(child<QGroupBox>(*m_dialog, "loginData")->title(),
                 QStringLiteral("Personal Login Data"));
        QCOMPARE(child<QLabel>(*m_dialog, "requiredNote")->text(),
                 QStringLiteral("* indicates a required field"));
        const QString forty(40, QLatin1Char('w'));
        for (const char* limited :
             {"name", "password", "retypedPassword", "firstName", "lastName", "email"}) {
            type(*m_dialog, limited, forty);
            QCOMPARE(child<QLineEdit>(*m_dialog, limited)->text().size(), 32);
        }
        type(*m_dialog, "age", QStringLiteral("123"));
        QCOMPARE(child<QLineEdit>(*m_dialog, "age")->text(), QStringLiteral("12"));
        for (const char* open : {"country", "city", "address", "gender"}) {
            type(*m_dialog, open, forty);
            QCOMPARE(child<QLineEdit>(*m_dialog, open)->text(), forty);
        }
    }

    void thePasswordReachesTheServicePercentEncodedFromAWorker() {
        m_server->script(std::string(kCreateAccountPath), {200, "<success>\r\n"});
        fillRequiredFields(QStringLiteral("p&ss#word"));
        type(*m_dialog, "city", QStringLiteral("Lund"));

        clickOk(*m_dialog);

        const std::vector<test::RecordedRequest> requests = m_server->requests();
        QCOMPARE(requests.size(), std::size_t{1});
        const test::RecordedRequest& request = requests[0];
        QCOMPARE(request.method, std::string("GET"));
        QCOMPARE(request.path(), std::string(kCreateAccountPath));
        QVERIFY2(request.target.find("&pass=p%26ss%23word&") != std::string::npos,
                 request.target.c_str());
        QCOMPARE(request.query("pass"), std::string("p&ss#word"));
        QCOMPARE(request.query("fname"), std::string("Anna"));
        QCOMPARE(request.query("city"), std::string("Lund"));
        QCOMPARE(request.query("country"), std::string("N/A"));
        QCOMPARE(request.query("age"), std::string("N/A"));
        QCOMPARE(m_http->threads.size(), std::size_t{1});
        QVERIFY(m_http->threads[0] != std::this_thread::get_id());

        QCOMPARE(m_prompt->messages,
                 std::vector<std::string>{"Your login data have been sent to: anna@example.org"});
        QCOMPARE(stored(setting::kChatUser), std::string("anna"));
        QCOMPARE(stored(setting::kChatPasswordDigest), md5Hex("p&ss#word"));
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QVERIFY(!m_dialog->isVisible());
    }

    void aRefusalIsShownAsSentAndTheFormStays() {
        m_server->script(std::string(kCreateAccountPath),
                         {200, "<error>This user name is taken</error>\n"});
        fillRequiredFields(QStringLiteral("secret"));

        clickOk(*m_dialog);

        QCOMPARE(m_server->requests().size(), std::size_t{1});
        QCOMPARE(m_prompt->messages, std::vector<std::string>{"This user name is taken"});
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(stored(setting::kChatUser), std::string());
        QCOMPARE(stored(setting::kChatPasswordDigest), std::string());
    }

    void anIncompleteFormIsNotSent() {
        fillRequiredFields(QStringLiteral("secret"));
        type(*m_dialog, "retypedPassword", QStringLiteral("secreT"));

        clickOk(*m_dialog);

        QVERIFY(m_server->requests().empty());
        QCOMPARE(m_prompt->messages,
                 (std::vector<std::string>{std::string(kPasswordMismatchMessage),
                                           std::string(kIncompleteFormMessage)}));
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(stored(setting::kChatUser), std::string());
    }
};

}  // namespace vorlix

QTEST_MAIN(vorlix::DialogChatAccountTest)
#include "dialog_chat_account_test.moc"
