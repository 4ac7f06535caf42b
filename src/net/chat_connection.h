#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "net/chat_server_address.h"

namespace vorlix {

class ChatTransport;
class SettingsStore;

enum class ChatPhase { Offline, Connecting, Online };

// The chat and transfer component's state behind its window: the shared catalogue it offers,
// the connection to the chat server, the chat account, the transfer manager and chatter
// windows' visibility and the two counters the commands panel polls.
//
// The line protocol with the server: once the connection is up the component sends
// "HELLO <chat user name>"; the server answers, then and whenever the number changes,
// "USERS <n>". Other lines are ignored. This component runs no transfers itself, so the count
// of active transfers stays 0.
class ChatConnection {
public:
    static constexpr std::string_view kOffline = "OFFLINE";
    static constexpr std::string_view kOnline = "ONLINE";
    static constexpr std::string_view kNoAccount = "0";
    static constexpr std::string_view kAccount = "1";

    // The chat server is the setting chatserver, "host:port", unless serverOverride names one
    // for this connection's lifetime; empty leaves it to the setting.
    ChatConnection(const SettingsStore& settings, ChatTransport& transport,
                   std::string serverOverride);

    void setSharedDatabasePath(std::string path);
    const std::string& sharedDatabasePath() const;

    // "OFFLINE" while not connected, also while a connection is being made.
    std::string connectionState() const;
    // "0" while `info3` or `info4` is empty, read each time so a new account counts at once.
    std::string accountState() const;
    std::string accountName() const;
    ChatPhase phase() const;
    // What the last connect or disconnect came to, for the window.
    const std::string& note() const;

    // Starts connecting and returns at once; without a usable server address it stays offline.
    void connect();
    // Safe in every phase: drops the connection or the attempt.
    void remouteShutDown();

    // Reports from the transport.
    void onConnected();
    void onConnectFailed(std::string_view reason);
    void onClosedByServer();
    void onReceived(std::string_view bytes);

    void showTransferManager();
    void hideTtansferManager();
    bool transferManagerVisible() const;
    void showChaterDialogs();
    void hideAllChaters();
    bool chattersVisible() const;

    // 1 shows the transfer manager by itself when a transfer starts; any other value does not.
    void setVisibleTransfer(int value);
    bool showsTransferAutomatically() const;

    int getActiveTransfers() const;
    int getUsersOnline() const;

private:
    void handleLine(std::string_view line);
    void goOffline(std::string note);

    const SettingsStore& m_settings;
    ChatTransport& m_transport;
    std::string m_serverOverride;
    // The server of the last connect.
    std::optional<ChatServerAddress> m_server;
    std::string m_sharedDatabasePath;
    ChatPhase m_phase = ChatPhase::Offline;
    std::string m_note;
    std::string m_pending;  // received bytes not yet ended by a line break
    bool m_skippingLongLine = false;
    bool m_transferManagerVisible = false;
    bool m_chattersVisible = false;
    bool m_showTransferAutomatically = false;
    int m_usersOnline = 0;
};

}  // namespace vorlix
