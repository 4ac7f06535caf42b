#include "platform/disc/optical_drive_scan.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string_view>

namespace vorlix {

namespace {

void addCdromInfoNames(const std::string& procRoot, std::set<std::string>& names) {
    std::ifstream info(procRoot + "/sys/dev/cdrom/info");
    constexpr std::string_view kDriveName = "drive name:";
    for (std::string line; std::getline(info, line);) {
        if (line.starts_with(kDriveName)) {
            std::istringstream fields(line.substr(kDriveName.size()));
            for (std::string name; fields >> name;) {
                names.insert(name);
            }
        }
    }
}

void addBlockDeviceNames(const std::string& sysRoot, std::set<std::string>& names) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(sysRoot + "/block", error)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("sr")) {
            names.insert(name);
        }
    }
}

// "sr2" before "sr10": the number at the end counts, not its digits one by one.
bool inDeviceOrder(const std::string& a, const std::string& b) {
    auto split = [](const std::string& name) {
        const std::size_t digits = name.find_last_not_of("0123456789") + 1;
        return std::pair(name.substr(0, digits), name.substr(digits));
    };
    const auto [stemA, numberA] = split(a);
    const auto [stemB, numberB] = split(b);
    if (stemA != stemB) {
        return stemA < stemB;
    }
    if (numberA.size() != numberB.size()) {
        return numberA.size() < numberB.size();
    }
    return numberA < numberB;
}

}  // namespace

std::vector<std::string> opticalDeviceNames(const std::string& procRoot,
                                            const std::string& sysRoot) {
    std::set<std::string> names;
    addCdromInfoNames(procRoot, names);
    addBlockDeviceNames(sysRoot, names);
    std::vector<std::string> ordered(names.begin(), names.end());
    std::sort(ordered.begin(), ordered.end(), inDeviceOrder);
    return ordered;
}

}  // namespace vorlix
