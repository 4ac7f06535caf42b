#pragma once

#include <QObject>
#include <QString>

#include "core/result.h"

class QLocalServer;
class QLocalSocket;

namespace vorlix {

// The running desktop program's end of the local socket through which a second start hands
// over its command line. It works from the event loop alone, socket by socket as bytes arrive,
// so a sender that stalls never holds up the window.
class InstanceServer : public QObject {
    Q_OBJECT

public:
    explicit InstanceServer(QString socketPath, QObject* parent = nullptr);

    // Only the holder of the single-instance lock may listen: it removes whatever socket file
    // is in the way, which can then only be one left by an instance that ended without
    // cleaning up (a crash).
    [[nodiscard]] Result listen();

Q_SIGNALS:
    // A second start asked for the window, and for its catalogue (an absolute path) when it
    // named one. Emitted from the event loop after the sender was answered, so that a slot
    // may open dialogs.
    void activationRequested(const QString& catalogue);

private:
    void acceptConnections();
    void answer(QLocalSocket& socket, const QString& catalogue);

    QString m_socketPath;
    QLocalServer* m_server;
};

}  // namespace vorlix
