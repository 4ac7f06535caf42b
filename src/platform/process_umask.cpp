#include "platform/process_umask.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>
#include <string>

namespace vorlix {

namespace {

constexpr std::string_view kUmaskField = "Umask:";
constexpr mode_t kUsualUmask = 022;
constexpr mode_t kPermissionBits = 0777;

std::optional<mode_t> readProcessUmask() {
    std::ifstream file("/proc/self/status");
    if (!file) {
        return std::nullopt;
    }
    std::ostringstream text;
    text << file.rdbuf();
    return umaskFromStatus(text.str());
}

}  // namespace

std::optional<mode_t> umaskFromStatus(std::string_view status) {
    for (std::size_t start = 0; start < status.size();) {
        const std::size_t end = std::min(status.find('\n', start), status.size());
        std::string_view line = status.substr(start, end - start);
        start = end + 1;
        if (!line.starts_with(kUmaskField)) {
            continue;
        }
        line.remove_prefix(kUmaskField.size());
        const std::size_t digits = line.find_first_not_of(" \t");
        if (digits == std::string_view::npos) {
            return std::nullopt;
        }
        line.remove_prefix(digits);
        unsigned value = 0;
        const auto [rest, error] =
            std::from_chars(line.data(), line.data() + line.size(), value, 8);
        if (error != std::errc() || rest != line.data() + line.size() || value > kPermissionBits) {
            return std::nullopt;
        }
        return static_cast<mode_t>(value);
    }
    return std::nullopt;
}

mode_t processUmask() {
    static const mode_t mask = readProcessUmask().value_or(kUsualUmask);
    return mask;
}

}  // namespace vorlix
