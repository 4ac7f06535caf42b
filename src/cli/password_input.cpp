#include "cli/password_input.h"

#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>

namespace vorlix {

namespace {

// The terminal settings from before echo was switched off. A signal handler can reach nothing
// else, so they live here for the time of the prompt.
termios g_savedTerminal{};

constexpr std::array kEndingSignals = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// Puts echo back and lets the signal take its usual course; tcsetattr and raise may be called
// from a signal handler.
void restoreTerminalAndResignal(int signal) {
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &g_savedTerminal);
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    ::sigaction(signal, &standard, nullptr);
    ::raise(signal);
}

// Echo is off from construction to destruction, however the prompt ends: by Enter, by end of
// input or by a signal that ends the program.
class EchoOff {
public:
    EchoOff() {
        ::tcgetattr(STDIN_FILENO, &g_savedTerminal);
        struct sigaction restoring {};
        restoring.sa_handler = restoreTerminalAndResignal;
        for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
            ::sigaction(kEndingSignals[i], &restoring, &m_previous[i]);
        }
        termios silent = g_savedTerminal;
        silent.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &silent);
    }
    ~EchoOff() {
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &g_savedTerminal);
        for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
            ::sigaction(kEndingSignals[i], &m_previous[i], nullptr);
        }
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    std::array<struct sigaction, kEndingSignals.size()> m_previous{};
};

}  // namespace

std::optional<std::string> readPassword(const std::string& prompt) {
    if (const char* fromEnvironment = std::getenv("VORLIX_PASSWORD")) {
        return std::string(fromEnvironment);
    }
    if (!::isatty(STDIN_FILENO)) {
        return std::nullopt;
    }
    std::string password;
    {
        // Echo goes off before the prompt shows, so nothing typed ahead of it is echoed.
        const EchoOff echoOff;
        std::fputs(prompt.c_str(), stderr);
        std::fflush(stderr);
        for (int c = std::getchar(); c != EOF && c != '\n'; c = std::getchar()) {
            password.push_back(static_cast<char>(c));
        }
    }
    std::fputc('\n', stderr);
    return password;
}

}  // namespace vorlix
