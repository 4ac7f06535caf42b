#include "net/copy_messages.h"

#include <cstdio>

namespace vorlix {

std::string copyProgressMessage(int id, int percent, std::uint64_t bytes, double speed) {
    char text[128];
    std::snprintf(text, sizeof text, "|%d|%d|%llu|%f|", id, percent,
                  static_cast<unsigned long long>(bytes), speed);
    return text;
}

std::string copyCompletionMessage(int id, std::uint64_t bytes) {
    return "|" + std::to_string(id) + "|100|" + std::to_string(bytes) + "|";
}

std::string copyStopMessage(int id) {
    return "|" + std::to_string(id) + "|";
}

std::string copyMessageField(std::string_view message, int n) {
    std::size_t start = 0;
    for (int sign = 1; sign < n; ++sign) {
        start = message.find('|', start);
        if (start == std::string_view::npos) {
            return std::string(kMissingField);
        }
        ++start;
    }
    const std::size_t end = message.find('|', start);
    if (n < 2 || end == std::string_view::npos) {
        return std::string(kMissingField);
    }
    return std::string(message.substr(start, end - start));
}

}  // namespace vorlix
