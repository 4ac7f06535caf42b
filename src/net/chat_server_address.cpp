#include "net/chat_server_address.h"

#include <charconv>

namespace vorlix {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::string ChatServerAddress::text() const {
    const bool ipv6 = host.find(':') != std::string::npos;
    return (ipv6 ? "[" + host + "]" : host) + ":" + std::to_string(port);
}

std::optional<ChatServerAddress> ChatServerAddress::parse(std::string_view text) {
    text = trimmed(text);
    const auto colon = text.rfind(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view host = text.substr(0, colon);
    const std::string_view portText = text.substr(colon + 1);
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']') {
        host = host.substr(1, host.size() - 2);
    } else if (host.find(':') != std::string_view::npos) {
        return std::nullopt;  // an IPv6 host without brackets leaves the port ambiguous
    }
    unsigned port = 0;
    const char* end = portText.data() + portText.size();
    const auto [stop, error] = std::from_chars(portText.data(), end, port);
    if (host.empty() || portText.empty() || error != std::errc() || stop != end || port == 0 ||
        port > 65535) {
        return std::nullopt;
    }
    return ChatServerAddress{std::string(host), static_cast<std::uint16_t>(port)};
}

}  // namespace vorlix
