#include "gui/activation_message.h"

namespace vorlix {

QByteArray activationMessage(const std::string& catalogue) {
    QByteArray message(kActivateCommand.data(), static_cast<qsizetype>(kActivateCommand.size()));
    message.append('\0');
    message.append(catalogue.data(), static_cast<qsizetype>(catalogue.size()));
    message.append('\0');
    return message;
}

ActivationReading readActivationMessage(const QByteArray& received) {
    using State = ActivationReading::State;
    const qsizetype commandEnd = received.indexOf('\0');
    const QByteArrayView command =
        QByteArrayView(received).first(commandEnd < 0 ? received.size() : commandEnd);
    const QByteArrayView expected(kActivateCommand.data(),
                                  static_cast<qsizetype>(kActivateCommand.size()));
    // A wrong start is told at once, without waiting for bytes that may never come.
    if (commandEnd < 0 ? !expected.startsWith(command) : command != expected) {
        return {State::Invalid, {}};
    }
    const qsizetype pathEnd = commandEnd < 0 ? -1 : received.indexOf('\0', commandEnd + 1);
    if (pathEnd < 0) {
        return {received.size() > kActivationMessageLimit ? State::Invalid : State::Incomplete, {}};
    }
    if (pathEnd + 1 != received.size()) {
        return {State::Invalid, {}};
    }
    return {State::Complete, received.mid(commandEnd + 1, pathEnd - commandEnd - 1).toStdString()};
}

}  // namespace vorlix
