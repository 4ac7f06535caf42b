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

}  // namespace vorlix
