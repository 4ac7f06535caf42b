#pragma once

#include <QObject>
#include <QTimer>
#include <string_view>

#include "net/chat_transport.h"

class QTcpSocket;

namespace vorlix {

// The chat server connection over a QTcpSocket on the user-interface thread's event loop.
// Its outcome arrives as signals; an attempt that neither succeeds nor fails within the
// timeout is given up, so a silent server cannot keep the component "connecting".
class QtChatTransport : public QObject, public ChatTransport {
    Q_OBJECT

public:
    static constexpr int kDefaultTimeoutMs = 5000;

    explicit QtChatTransport(int timeoutMs = kDefaultTimeoutMs, QObject* parent = nullptr);
    ~QtChatTransport() override;

    void open(const ChatServerAddress& server) override;
    void send(std::string_view bytes) override;
    void close() override;

Q_SIGNALS:
    void connected();
    void connectFailed(const QString& reason);
    void closedByServer();
    void received(const QByteArray& bytes);

private:
    void fail(const QString& reason);
    void dropped();

    QTcpSocket* m_socket = nullptr;
    QTimer m_timeout;
    bool m_established = false;
};

}  // namespace vorlix
