#pragma once

#include <optional>
#include <string>

namespace vorlix {

// The password for a command: from the environment variable VORLIX_PASSWORD when it is set,
// else asked for on the terminal without echo. Never from the command line, where other users
// could read it. Nullopt when there is neither a variable nor a terminal to ask on.
std::optional<std::string> readPassword(const std::string& prompt);

}  // namespace vorlix
