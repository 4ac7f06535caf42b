#include "cli/password_input.h"

#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace vorlix {

std::optional<std::string> readPassword(const std::string& prompt) {
    if (const char* fromEnvironment = std::getenv("VORLIX_PASSWORD")) {
        return std::string(fromEnvironment);
    }
    if (!::isatty(STDIN_FILENO)) {
        return std::nullopt;
    }
    std::fputs(prompt.c_str(), stderr);
    std::fflush(stderr);
    termios saved{};
    ::tcgetattr(STDIN_FILENO, &saved);
    termios silent = saved;
    silent.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &silent);
    std::string password;
    for (int c = std::getchar(); c != EOF && c != '\n'; c = std::getchar()) {
        password.push_back(static_cast<char>(c));
    }
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    std::fputc('\n', stderr);
    return password;
}

}  // namespace vorlix
