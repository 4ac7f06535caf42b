#include "gui/instance_client.h"

#include <QLocalSocket>

#include "gui/activation_message.h"

namespace vorlix {

bool handOverToRunningInstance(const QString& socketPath, const std::string& catalogue,
                               int patience) {
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(patience)) {
        return false;
    }
    socket.write(activationMessage(catalogue));
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(patience)) {
            return false;
        }
    }
    const QByteArray expected(kActivationReceived.data(),
                              static_cast<qsizetype>(kActivationReceived.size()));
    QByteArray answer;
    while (answer.size() < expected.size()) {
        if (!socket.waitForReadyRead(patience)) {
            return false;
        }
        answer += socket.readAll();
    }
    return answer.startsWith(expected);
}

}  // namespace vorlix
