#include "app/tray_info_command.h"

#include <algorithm>

#include "app/setting_names.h"
#include "app/settings_store.h"

namespace vorlix {

namespace {

constexpr std::string_view kCommandAddress = "null.html";
constexpr std::string_view kCommandItem = "command";
constexpr std::string_view kCheckedItem = "checked";
constexpr std::string_view kCloseTrayInfo = "closetrayinfo";
constexpr std::string_view kChecked = "true";

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Decodes each "%XY" once; a "%" not followed by two hexadecimal digits stays as it is, as
// browsers leave it.
std::string percentDecoded(std::string_view address) {
    std::string decoded;
    decoded.reserve(address.size());
    for (std::size_t i = 0; i < address.size(); ++i) {
        if (address[i] == '%' && i + 2 < address.size()) {
            const int high = hexValue(address[i + 1]);
            const int low = hexValue(address[i + 2]);
            if (high >= 0 && low >= 0) {
                decoded.push_back(static_cast<char>(high * 16 + low));
                i += 2;
                continue;
            }
        }
        decoded.push_back(address[i]);
    }
    return decoded;
}

std::string itemOfDecoded(std::string_view decoded, std::string_view name) {
    const std::string opening = std::string(name) + ">";
    const std::size_t found = decoded.find(opening);
    if (found == std::string_view::npos) {
        return {};
    }
    const std::size_t start = found + opening.size();
    const std::size_t slash = decoded.find("</" + std::string(name), start);
    const std::size_t backslash = decoded.find("<\\" + std::string(name), start);
    const std::size_t end = std::min(slash, backslash);
    if (end == std::string_view::npos) {
        return {};
    }
    return std::string(decoded.substr(start, end - start));
}

}  // namespace

TrayInfoCommand::TrayInfoCommand(SettingsStore& settings) : m_settings(settings) {}

bool TrayInfoCommand::handle(std::string_view address) {
    const std::string decoded = percentDecoded(address);
    if (decoded.find(kCommandAddress) == std::string::npos) {
        return false;
    }
    if (itemOfDecoded(decoded, kCommandItem) == kCloseTrayInfo) {
        const bool neverShow = itemOfDecoded(decoded, kCheckedItem) == kChecked;
        m_settings.writeNumber(setting::kSettingsKey, setting::kShowTrayInfo, neverShow ? 0 : 1);
    }
    return true;
}

std::string TrayInfoCommand::item(std::string_view address, std::string_view name) {
    return itemOfDecoded(percentDecoded(address), name);
}

}  // namespace vorlix
