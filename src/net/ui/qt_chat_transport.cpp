#include "net/ui/qt_chat_transport.h"

#include <QTcpSocket>

#include "app/ui/qt_text.h"

namespace vorlix {

QtChatTransport::QtChatTransport(int timeoutMs, QObject* parent) : QObject(parent) {
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(timeoutMs);
    QObject::connect(&m_timeout, &QTimer::timeout, this,
                     [this] { fail(QStringLiteral("the server did not answer in time")); });
}

QtChatTransport::~QtChatTransport() {
    close();
}

void QtChatTransport::open(const ChatServerAddress& server) {
    close();
    m_socket = new QTcpSocket(this);
    m_established = false;
    QObject::connect(m_socket, &QTcpSocket::connected, this, [this] {
        m_timeout.stop();
        m_established = true;
        Q_EMIT connected();
    });
    // An error after the connection was up is the connection ending; close() silences the
    // socket, so of an error and the disconnection that follows it only the first is reported.
    QObject::connect(m_socket, &QTcpSocket::errorOccurred, this, [this] {
        if (m_established) {
            dropped();
        } else {
            fail(m_socket->errorString());
        }
    });
    QObject::connect(m_socket, &QTcpSocket::disconnected, this, [this] { dropped(); });
    QObject::connect(m_socket, &QTcpSocket::readyRead, this,
                     [this] { Q_EMIT received(m_socket->readAll()); });
    m_timeout.start();
    m_socket->connectToHost(toQt(server.host), server.port);
}

void QtChatTransport::send(std::string_view bytes) {
    if (m_socket != nullptr) {
        m_socket->write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
}

void QtChatTransport::close() {
    m_timeout.stop();
    if (m_socket == nullptr) {
        return;
    }
    // Silenced first: dropping the socket must not report back into a caller that is itself
    // in the middle of disconnecting.
    m_socket->disconnect(this);
    m_socket->abort();
    m_socket->deleteLater();
    m_socket = nullptr;
}

void QtChatTransport::dropped() {
    close();
    Q_EMIT closedByServer();
}

void QtChatTransport::fail(const QString& reason) {
    close();
    Q_EMIT connectFailed(reason);
}

}  // namespace vorlix
