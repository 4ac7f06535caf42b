#include "platform/disc/drive_letters.h"

#include <algorithm>
#include <filesystem>

#include "platform/disc/catalogued_path.h"

namespace vorlix {

namespace {

std::string canonical(const std::string& path) {
    std::error_code error;
    const auto resolved = std::filesystem::canonical(path, error);
    return error ? path : resolved.string();
}

}  // namespace

std::vector<DiscSource> assignOpticalLetters(const std::vector<std::string>& devices,
                                             const DriveLetterMap& overrides,
                                             const std::set<char>& taken) {
    std::map<char, std::string> byLetter;
    std::set<std::string> overridden;
    for (const auto& override : overrides) {
        const std::string& device = override.second;
        const std::string wanted = canonical(device);
        const auto known = std::find_if(devices.begin(), devices.end(), [&](const auto& d) {
            return d == device || canonical(d) == wanted;
        });
        const std::string location = known == devices.end() ? device : *known;
        byLetter[override.first] = location;
        overridden.insert(location);
    }
    char next = kFirstDriveLetter;
    for (const std::string& device : devices) {
        if (overridden.contains(device)) {
            continue;
        }
        while (next <= kLastDriveLetter && (byLetter.contains(next) || taken.contains(next))) {
            ++next;
        }
        if (next > kLastDriveLetter) {
            break;
        }
        byLetter[next] = device;
    }
    std::vector<DiscSource> drives;
    for (const auto& [letter, device] : byLetter) {
        drives.push_back({DiscSourceKind::OpticalDrive, driveRoot(letter), device});
    }
    return drives;
}

}  // namespace vorlix
