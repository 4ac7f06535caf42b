#include "online/server_list.h"

#include <string_view>

namespace vorlix {

namespace {

std::string_view protocolOf(std::string_view line) {
    const std::size_t start = line.find(' ');
    if (start == std::string_view::npos) {
        return {};
    }
    const std::size_t end = line.find(' ', start + 1);
    return line.substr(start + 1, end == std::string_view::npos ? end : end - start - 1);
}

}  // namespace

std::vector<std::string> httpServerLines(const std::vector<std::string>& siteLines) {
    std::vector<std::string> lines;
    for (const std::string& line : siteLines) {
        if (protocolOf(line) == "http") {
            lines.push_back(line);
        }
    }
    return lines;
}

}  // namespace vorlix
