#include "gui/dialog_server_chat.h"

#include "net/ui/dialog_server.h"

namespace vorlix {

DialogServerChat::DialogServerChat(SettingsStore& settings, const std::string& sharedDatabasePath)
    : m_server(std::make_unique<CDialogServer>(settings)) {
    m_server->setSharedDatabasePath(sharedDatabasePath);
    m_server->hide();
}

DialogServerChat::~DialogServerChat() = default;

void DialogServerChat::setWindowShown(bool shown) {
    m_server->setVisible(shown);
    if (shown) {
        m_server->raise();
        m_server->activateWindow();
    }
}

void DialogServerChat::connect() {
    m_server->connectToServer();
}

void DialogServerChat::shutDown() {
    m_server->remouteShutDown();
}

void DialogServerChat::setTransferManagerShown(bool shown) {
    if (shown) {
        m_server->showTransferManager();
    } else {
        m_server->hideTtansferManager();
    }
}

void DialogServerChat::setChattersShown(bool shown) {
    if (shown) {
        m_server->showChaterDialogs();
    } else {
        m_server->hideAllChaters();
    }
}

void DialogServerChat::setVisibleTransfer(bool automatically) {
    m_server->setVisibleTransfer(automatically ? 1 : 0);
}

int DialogServerChat::activeTransfers() const {
    return m_server->getActiveTransfers();
}

int DialogServerChat::usersOnline() const {
    return m_server->getUsersOnline();
}

std::string DialogServerChat::connectionState() const {
    return m_server->connectionState();
}

std::string DialogServerChat::accountState() const {
    return m_server->accountState();
}

}  // namespace vorlix
