#pragma once

#include <QByteArray>
#include <string>
#include <string_view>

namespace vorlix {

// What a second start of the desktop program sends the running one: "activate", a NUL byte,
// the catalogue path of its command line (empty for none) and a NUL byte. NUL ends each part
// because no path can hold one. The running program answers kActivationReceived.
inline constexpr std::string_view kActivateCommand = "activate";
inline constexpr std::string_view kActivationReceived = "ok\n";
// More than any path holds; a sender that goes beyond it is not the program.
inline constexpr qsizetype kActivationMessageLimit = 64 * 1024;

QByteArray activationMessage(const std::string& catalogue);

// The bytes received so far, read as an activation message.
struct ActivationReading {
    enum class State { Incomplete, Complete, Invalid };
    State state = State::Incomplete;
    std::string catalogue;  // when complete
};
ActivationReading readActivationMessage(const QByteArray& received);

}  // namespace vorlix
