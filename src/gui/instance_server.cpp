#include "gui/instance_server.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <memory>

#include "app/ui/qt_text.h"
#include "gui/activation_message.h"

namespace vorlix {

namespace {

// A sender that has not said everything by then is not a second start of the program.
constexpr int kSenderPatience = 10000;

}  // namespace

InstanceServer::InstanceServer(QString socketPath, QObject* parent)
    : QObject(parent), m_socketPath(std::move(socketPath)), m_server(new QLocalServer(this)) {
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &InstanceServer::acceptConnections);
}

Result InstanceServer::listen() {
    QLocalServer::removeServer(m_socketPath);
    if (!m_server->listen(m_socketPath)) {
        return Result::failure(fromQt(m_socketPath) + ": " + fromQt(m_server->errorString()));
    }
    return Result::success();
}

void InstanceServer::acceptConnections() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto* patience = new QTimer(socket);
        patience->setSingleShot(true);
        connect(patience, &QTimer::timeout, socket, &QLocalSocket::abort);
        patience->start(kSenderPatience);
        auto received = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, patience, received] {
            received->append(socket->readAll());
            const ActivationReading reading = readActivationMessage(*received);
            if (reading.state == ActivationReading::State::Incomplete) {
                return;
            }
            patience->stop();
            disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
            if (reading.state == ActivationReading::State::Invalid) {
                socket->abort();
                return;
            }
            answer(*socket, toQt(reading.catalogue));
        });
    }
}

void InstanceServer::answer(QLocalSocket& socket, const QString& catalogue) {
    socket.write(kActivationReceived.data(), static_cast<qint64>(kActivationReceived.size()));
    socket.disconnectFromServer();
    // Never from inside the socket's own signal: the receiver may open dialogs.
    QMetaObject::invokeMethod(
        this, [this, catalogue] { Q_EMIT activationRequested(catalogue); }, Qt::QueuedConnection);
}

}  // namespace vorlix
