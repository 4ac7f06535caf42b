#pragma once

#include <memory>
#include <string>

#include "app/document_services.h"

namespace vorlix {

class CDialogServer;
class SettingsStore;

// The chat component as the document drives it: the chat server window, created hidden and
// unconnected, offering the shared catalogue file.
class DialogServerChat final : public ChatComponent {
public:
    DialogServerChat(SettingsStore& settings, const std::string& sharedDatabasePath);
    ~DialogServerChat() override;

    CDialogServer& window() { return *m_server; }

    void setWindowShown(bool shown) override;
    void connect() override;
    void shutDown() override;
    void setTransferManagerShown(bool shown) override;
    void setChattersShown(bool shown) override;
    void setVisibleTransfer(bool automatically) override;
    int activeTransfers() const override;
    int usersOnline() const override;
    std::string connectionState() const override;
    std::string accountState() const override;

private:
    std::unique_ptr<CDialogServer> m_server;
};

}  // namespace vorlix
