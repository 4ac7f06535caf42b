#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorlix {

// Where the chat server listens. The address comes from outside the settings table, as
// "host:port" (an IPv6 host in brackets: "[::1]:7000").
struct ChatServerAddress {
    std::string host;
    std::uint16_t port = 0;

    // "host:port" again, for showing the address to the user.
    std::string text() const;

    // Empty when the text is not a host followed by a port from 1 to 65535.
    static std::optional<ChatServerAddress> parse(std::string_view text);
};

}  // namespace vorlix
