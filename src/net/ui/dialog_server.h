#pragma once

#include <QDialog>
#include <string>

#include "net/chat_connection.h"
#include "net/ui/qt_chat_transport.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QShowEvent;

namespace vorlix {

class SettingsStore;

// The chat server window: a modeless top-level window that shows the connection to the chat
// server, the chat account, the shared catalogue it offers and the two counters, and owns the
// transfer manager and chatter windows. The chat server's address is the setting chatserver
// ("host:port"), unless the environment variable VORLIX_CHAT_SERVER names one for this run;
// without either the window stays offline.
class CDialogServer : public QDialog {
    Q_OBJECT

public:
    static constexpr const char* kServerVariable = "VORLIX_CHAT_SERVER";

    explicit CDialogServer(SettingsStore& settings, QWidget* parent = nullptr);

    void setSharedDatabasePath(std::string path);
    const std::string& sharedDatabasePath() const;
    std::string connectionState() const;
    std::string accountState() const;

    void connectToServer();
    void remouteShutDown();
    void showTransferManager();
    void hideTtansferManager();
    void showChaterDialogs();
    void hideAllChaters();
    void setVisibleTransfer(int value);
    int getActiveTransfers() const;
    int getUsersOnline() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refresh();

    QtChatTransport m_transport;
    ChatConnection m_connection;
    QLabel* m_state = nullptr;
    QLabel* m_note = nullptr;
    QLabel* m_account = nullptr;
    QLabel* m_sharedPath = nullptr;
    QLabel* m_transfers = nullptr;
    QLabel* m_users = nullptr;
    QPushButton* m_connect = nullptr;
    QPushButton* m_disconnect = nullptr;
    QDialog* m_transferManager = nullptr;
    QLabel* m_transferCount = nullptr;
    QCheckBox* m_transferAutomatically = nullptr;
    QDialog* m_chatters = nullptr;
    QLabel* m_chatterUsers = nullptr;
};

}  // namespace vorlix
