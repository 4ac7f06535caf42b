#include "net/chat_connection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/setting_names.h"
#include "net/chat_transport.h"
#include "support/memory_settings.h"

namespace vorlix {
namespace {

// Records what the connection asks of the network; the test plays the network's answers.
class RecordingTransport final : public ChatTransport {
public:
    std::vector<std::string> opened;
    std::string sent;
    int closes = 0;

    void open(const ChatServerAddress& server) override { opened.push_back(server.text()); }
    void send(std::string_view bytes) override { sent.append(bytes); }
    void close() override { ++closes; }
};

constexpr const char* kServer = "127.0.0.1:7000";

class ChatConnectionTest : public testing::Test {
protected:
    test::MemorySettings m_settings;
    RecordingTransport m_transport;

    void setAccount(std::string_view name, std::string_view digest) {
        m_settings.writeText(setting::kSettingsKey, setting::kChatUser, name);
        m_settings.writeText(setting::kSettingsKey, setting::kChatPasswordDigest, digest);
    }

    // A connection that is up, the server's greeting not yet received.
    void connectOnline(ChatConnection& connection) {
        connection.connect();
        connection.onConnected();
        ASSERT_EQ(connection.connectionState(), "ONLINE");
    }
};

TEST_F(ChatConnectionTest, StartsOfflineHiddenAndWithZeroCounters) {
    ChatConnection connection(m_settings, m_transport, kServer);
    EXPECT_EQ(connection.connectionState(), "OFFLINE");
    EXPECT_EQ(connection.phase(), ChatPhase::Offline);
    EXPECT_FALSE(connection.transferManagerVisible());
    EXPECT_FALSE(connection.chattersVisible());
    EXPECT_EQ(connection.getActiveTransfers(), 0);
    EXPECT_EQ(connection.getUsersOnline(), 0);
    EXPECT_EQ(connection.sharedDatabasePath(), "");
    EXPECT_TRUE(m_transport.opened.empty());
}

TEST_F(ChatConnectionTest, KeepsTheSharedDatabasePath) {
    ChatConnection connection(m_settings, m_transport, "");
    connection.setSharedDatabasePath(
        "/home/u/.local/share/vorlix/MySharedDatabase/MySharedDatabase.vrd");
    EXPECT_EQ(connection.sharedDatabasePath(),
              "/home/u/.local/share/vorlix/MySharedDatabase/MySharedDatabase.vrd");
}

TEST_F(ChatConnectionTest, ConnectWithoutAUsableServerStaysOfflineAndOpensNothing) {
    const struct {
        const char* address;
        const char* note;
    } cases[] = {
        {"", "No chat server is configured."},
        {"nohost", "The chat server address \"nohost\" is not host:port."},
        {"host:99999", "The chat server address \"host:99999\" is not host:port."},
    };
    for (const auto& c : cases) {
        ChatConnection connection(m_settings, m_transport, c.address);
        connection.connect();
        EXPECT_EQ(connection.connectionState(), "OFFLINE") << c.address;
        EXPECT_EQ(connection.phase(), ChatPhase::Offline) << c.address;
        EXPECT_EQ(connection.note(), c.note);
        EXPECT_EQ(connection.getUsersOnline(), 0);
    }
    EXPECT_TRUE(m_transport.opened.empty());
}

TEST_F(ChatConnectionTest, TheServerIsTheSettingReadAtEveryConnectUnlessOverridden) {
    ChatConnection fromSettings(m_settings, m_transport, "");
    fromSettings.connect();
    EXPECT_EQ(fromSettings.note(), "No chat server is configured.");

    m_settings.writeText(setting::kSettingsKey, setting::kChatServer, "chat.example.org:7000");
    fromSettings.connect();
    EXPECT_EQ(fromSettings.note(), "Connecting to chat.example.org:7000 ...");
    fromSettings.remouteShutDown();

    m_settings.writeText(setting::kSettingsKey, setting::kChatServer, "[::1]:7001");
    fromSettings.connect();
    fromSettings.onConnected();
    EXPECT_EQ(fromSettings.note(), "Connected to [::1]:7001.");

    ChatConnection overridden(m_settings, m_transport, kServer);
    overridden.connect();
    EXPECT_EQ(m_transport.opened,
              (std::vector<std::string>{"chat.example.org:7000", "[::1]:7001", kServer}));
}

TEST_F(ChatConnectionTest, StaysOfflineWhileConnectingAndGoesOnlineOnceConnected) {
    setAccount("alice", "0cc175b9c0f1b6a831c399e269772661");
    ChatConnection connection(m_settings, m_transport, kServer);
    connection.connect();
    EXPECT_EQ(m_transport.opened, std::vector<std::string>{kServer});
    EXPECT_EQ(connection.phase(), ChatPhase::Connecting);
    EXPECT_EQ(connection.connectionState(), "OFFLINE");
    EXPECT_EQ(connection.note(), "Connecting to 127.0.0.1:7000 ...");

    connection.onConnected();
    EXPECT_EQ(connection.connectionState(), "ONLINE");
    EXPECT_EQ(m_transport.sent, "HELLO alice\n");
    EXPECT_EQ(connection.note(), "Connected to 127.0.0.1:7000.");
}

TEST_F(ChatConnectionTest, ConnectWhileConnectingOrOnlineOpensNoSecondConnection) {
    ChatConnection connection(m_settings, m_transport, kServer);
    connection.connect();
    connection.connect();
    connection.onConnected();
    connection.connect();
    EXPECT_EQ(m_transport.opened.size(), 1u);
    EXPECT_EQ(connection.connectionState(), "ONLINE");
}

TEST_F(ChatConnectionTest, GreetingCarriesOnlyTheFirstLineOfTheName) {
    setAccount("bob\r\nUSERS 99", "x");
    ChatConnection connection(m_settings, m_transport, kServer);
    connectOnline(connection);
    EXPECT_EQ(m_transport.sent, "HELLO bob\n");
}

TEST_F(ChatConnectionTest, FailedAttemptGoesBackOfflineWithTheReason) {
    ChatConnection connection(m_settings, m_transport, kServer);
    connection.connect();
    connection.onConnectFailed("Connection refused");
    EXPECT_EQ(connection.connectionState(), "OFFLINE");
    EXPECT_EQ(connection.phase(), ChatPhase::Offline);
    EXPECT_EQ(connection.note(), "Could not connect to 127.0.0.1:7000: Connection refused");
    // A later connect tries again.
    connection.connect();
    EXPECT_EQ(m_transport.opened.size(), 2u);
}

TEST_F(ChatConnectionTest, LateReportsAfterDisconnectingChangeNothing) {
    ChatConnection connection(m_settings, m_transport, kServer);
    connection.connect();
    connection.remouteShutDown();
    connection.onConnected();
    connection.onReceived("USERS 5\n");
    EXPECT_EQ(connection.connectionState(), "OFFLINE");
    EXPECT_EQ(connection.getUsersOnline(), 0);
    EXPECT_EQ(m_transport.sent, "");
}

TEST_F(ChatConnectionTest, RemouteShutDownWhenNotConnectedDoesNothing) {
    ChatConnection connection(m_settings, m_transport, kServer);
    connection.remouteShutDown();
    connection.remouteShutDown();
    EXPECT_EQ(connection.connectionState(), "OFFLINE");
    EXPECT_EQ(m_transport.closes, 0);
    EXPECT_EQ(connection.note(), "");
}

TEST_F(ChatConnectionTest, RemouteShutDownWhenConnectedClosesAndClearsTheCounters) {
    ChatConnection connection(m_settings, m_transport, kServer);
    connectOnline(connection);
    connection.onReceived("USERS 14\n");
    ASSERT_EQ(connection.getUsersOnline(), 14);

    connection.remouteShutDown();
    EXPECT_EQ(m_transport.closes, 1);
    EXPECT_EQ(connection.connectionState(), "OFFLINE");
    EXPECT_EQ(connection.getUsersOnline(), 0);
    EXPECT_EQ(connection.getActiveTransfers(), 0);
    EXPECT_EQ(connection.note(), "Disconnected.");
}

TEST_F(ChatConnectionTest, ServerClosingTheConnectionGoesOffline) {
    ChatConnection connection(m_settings, m_transport, kServer);
    connectOnline(connection);
    connection.onReceived("USERS 3\n");
    connection.onClosedByServer();
    EXPECT_EQ(connection.connectionState(), "OFFLINE");
    EXPECT_EQ(connection.getUsersOnline(), 0);
    EXPECT_EQ(connection.note(), "The chat server closed the connection.");
}

TEST_F(ChatConnectionTest, UsersOnlineFollowsTheServersLines) {
    const struct {
        std::vector<std::string> chunks;
        int users;
    } cases[] = {
        {{"USERS 2\n"}, 2},
        {{"USERS 2\r\n"}, 2},
        {{"USE", "RS 1", "4\n"}, 14},
        {{"USERS 2\nUSERS 7\n"}, 7},
        {{"USERS 7"}, 0},  // not ended by a line break yet
        {{"USERS 3\n", "USERS -1\n", "USERS x\n", "USERS \n", "USERS 4 4\n", "NEWS 9\n"}, 3},
        {{"USERS 99999999999\n"}, 0},
        {{"users 5\n"}, 0},
        {{std::string(600, 'x'), "USERS 8\n"}, 0},  // the tail of an overlong line
        {{std::string(600, 'x') + "\nUSERS 8\n"}, 8},
    };
    for (const auto& c : cases) {
        ChatConnection connection(m_settings, m_transport, kServer);
        connectOnline(connection);
        for (const std::string& chunk : c.chunks) {
            connection.onReceived(chunk);
        }
        EXPECT_EQ(connection.getUsersOnline(), c.users) << testing::PrintToString(c.chunks);
    }
}

TEST_F(ChatConnectionTest, APartialLineDoesNotSurviveReconnecting) {
    ChatConnection connection(m_settings, m_transport, kServer);
    connectOnline(connection);
    connection.onReceived("USERS 1");
    connection.remouteShutDown();
    connectOnline(connection);
    connection.onReceived("2\n");
    EXPECT_EQ(connection.getUsersOnline(), 0);
}

TEST_F(ChatConnectionTest, AccountStateIsZeroUnlessBothNameAndDigestAreSet) {
    const struct {
        const char* name;
        const char* digest;
        const char* state;
    } cases[] = {
        {"", "", "0"},
        {"alice", "", "0"},
        {"", "0cc175b9c0f1b6a831c399e269772661", "0"},
        {"alice", "0cc175b9c0f1b6a831c399e269772661", "1"},
    };
    for (const auto& c : cases) {
        setAccount(c.name, c.digest);
        ChatConnection connection(m_settings, m_transport, "");
        EXPECT_EQ(connection.accountState(), c.state) << c.name << " / " << c.digest;
    }
}

TEST_F(ChatConnectionTest, AccountCreatedLaterCountsAtOnce) {
    ChatConnection connection(m_settings, m_transport, "");
    ASSERT_EQ(connection.accountState(), "0");
    setAccount("carol", "9a0364b9e99bb480dd25e1f0284c8555");
    EXPECT_EQ(connection.accountState(), "1");
    EXPECT_EQ(connection.accountName(), "carol");
}

TEST_F(ChatConnectionTest, ShowAndHideTheTransferManagerAndChatters) {
    ChatConnection connection(m_settings, m_transport, "");
    connection.showTransferManager();
    EXPECT_TRUE(connection.transferManagerVisible());
    EXPECT_FALSE(connection.chattersVisible());
    connection.showChaterDialogs();
    EXPECT_TRUE(connection.chattersVisible());
    connection.hideTtansferManager();
    EXPECT_FALSE(connection.transferManagerVisible());
    EXPECT_TRUE(connection.chattersVisible());
    connection.hideAllChaters();
    EXPECT_FALSE(connection.chattersVisible());
}

TEST_F(ChatConnectionTest, SetVisibleTransferTakesOnlyOneAsOn) {
    ChatConnection connection(m_settings, m_transport, "");
    EXPECT_FALSE(connection.showsTransferAutomatically());
    const struct {
        int value;
        bool on;
    } cases[] = {{1, true}, {0, false}, {1, true}, {2, false}, {-1, false}};
    for (const auto& c : cases) {
        connection.setVisibleTransfer(c.value);
        EXPECT_EQ(connection.showsTransferAutomatically(), c.on) << c.value;
    }
}

TEST_F(ChatConnectionTest, StartsWithTheStoredTransferOption) {
    for (const std::uint32_t stored : {0u, 1u, 2u}) {
        m_settings.writeNumber(setting::kSettingsKey, setting::kTransferAuto, stored);
        ChatConnection connection(m_settings, m_transport, "");
        EXPECT_EQ(connection.showsTransferAutomatically(), stored == 1) << stored;
    }
}

}  // namespace
}  // namespace vorlix
