#include "net/chat_connection.h"

#include <charconv>
#include <utility>

#include "app/setting_names.h"
#include "app/settings_store.h"
#include "net/chat_transport.h"

namespace vorlix {

namespace {

// No line of the protocol comes near this; a server that sends more is not followed.
constexpr std::size_t kMaxLineLength = 512;

}  // namespace

ChatConnection::ChatConnection(const SettingsStore& settings, ChatTransport& transport,
                               std::string serverOverride)
    : m_settings(settings),
      m_transport(transport),
      m_serverOverride(std::move(serverOverride)),
      m_showTransferAutomatically(
          settings.readNumber(setting::kSettingsKey, setting::kTransferAuto) == 1) {}

void ChatConnection::setSharedDatabasePath(std::string path) {
    m_sharedDatabasePath = std::move(path);
}

const std::string& ChatConnection::sharedDatabasePath() const {
    return m_sharedDatabasePath;
}

std::string ChatConnection::connectionState() const {
    return std::string(m_phase == ChatPhase::Online ? kOnline : kOffline);
}

std::string ChatConnection::accountState() const {
    const bool usable =
        !accountName().empty() &&
        !m_settings
             .readText(setting::kSettingsKey, setting::kChatPasswordDigest, setting::kTextLimit)
             .empty();
    return std::string(usable ? kAccount : kNoAccount);
}

std::string ChatConnection::accountName() const {
    return m_settings.readText(setting::kSettingsKey, setting::kChatUser, setting::kTextLimit);
}

ChatPhase ChatConnection::phase() const {
    return m_phase;
}

const std::string& ChatConnection::note() const {
    return m_note;
}

void ChatConnection::connect() {
    if (m_phase != ChatPhase::Offline) {
        return;
    }
    // Read at every connect, so that an address changed meanwhile is the one used.
    const std::string serverText =
        m_serverOverride.empty() ? m_settings.readText(setting::kSettingsKey, setting::kChatServer,
                                                       setting::kAddressLimit)
                                 : m_serverOverride;
    m_server = ChatServerAddress::parse(serverText);
    if (!m_server) {
        m_note = serverText.empty()
                     ? "No chat server is configured."
                     : "The chat server address \"" + serverText + "\" is not host:port.";
        return;
    }
    m_phase = ChatPhase::Connecting;
    m_note = "Connecting to " + m_server->text() + " ...";
    m_transport.open(*m_server);
}

void ChatConnection::remouteShutDown() {
    if (m_phase == ChatPhase::Offline) {
        return;
    }
    m_transport.close();
    goOffline("Disconnected.");
}

void ChatConnection::onConnected() {
    if (m_phase != ChatPhase::Connecting) {
        return;
    }
    m_phase = ChatPhase::Online;
    m_note = "Connected to " + m_server->text() + ".";
    std::string name = accountName();
    // A line break in the name would end the greeting early and start a line of its own.
    name = name.substr(0, name.find_first_of("\r\n"));
    m_transport.send("HELLO " + name + "\n");
}

void ChatConnection::onConnectFailed(std::string_view reason) {
    if (m_phase != ChatPhase::Connecting) {
        return;
    }
    m_transport.close();
    goOffline("Could not connect to " + m_server->text() + ": " + std::string(reason));
}

void ChatConnection::onClosedByServer() {
    if (m_phase != ChatPhase::Online) {
        return;
    }
    m_transport.close();
    goOffline("The chat server closed the connection.");
}

void ChatConnection::onReceived(std::string_view bytes) {
    if (m_phase != ChatPhase::Online) {
        return;
    }
    while (!bytes.empty()) {
        const auto end = bytes.find('\n');
        const std::string_view part = bytes.substr(0, end);
        if (!m_skippingLongLine) {
            m_pending.append(part);
        }
        if (m_pending.size() > kMaxLineLength) {
            m_pending.clear();
            m_skippingLongLine = true;
        }
        if (end == std::string_view::npos) {
            return;
        }
        if (!m_skippingLongLine) {
            handleLine(m_pending);
        }
        m_pending.clear();
        m_skippingLongLine = false;
        bytes.remove_prefix(end + 1);
    }
}

void ChatConnection::handleLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    constexpr std::string_view kUsers = "USERS ";
    if (!line.starts_with(kUsers)) {
        return;
    }
    const std::string_view number = line.substr(kUsers.size());
    int users = 0;
    const char* end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, users);
    if (!number.empty() && error == std::errc() && stop == end && users >= 0) {
        m_usersOnline = users;
    }
}

void ChatConnection::goOffline(std::string note) {
    m_phase = ChatPhase::Offline;
    m_note = std::move(note);
    m_usersOnline = 0;
    m_pending.clear();
    m_skippingLongLine = false;
}

void ChatConnection::showTransferManager() {
    m_transferManagerVisible = true;
}

void ChatConnection::hideTtansferManager() {
    m_transferManagerVisible = false;
}

bool ChatConnection::transferManagerVisible() const {
    return m_transferManagerVisible;
}

void ChatConnection::showChaterDialogs() {
    m_chattersVisible = true;
}

void ChatConnection::hideAllChaters() {
    m_chattersVisible = false;
}

bool ChatConnection::chattersVisible() const {
    return m_chattersVisible;
}

void ChatConnection::setVisibleTransfer(int value) {
    m_showTransferAutomatically = value == 1;
}

bool ChatConnection::showsTransferAutomatically() const {
    return m_showTransferAutomatically;
}

int ChatConnection::getActiveTransfers() const {
    return 0;
}

int ChatConnection::getUsersOnline() const {
    return m_phase == ChatPhase::Online ? m_usersOnline : 0;
}

}  // namespace vorlix
