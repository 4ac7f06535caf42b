#include "app/settings/drive_map_settings.h"

#include <cctype>
#include <string>

#include "app/setting_names.h"

namespace vorlix {

DriveLetterMap readDriveMap(const SettingsStore& settings) {
    DriveLetterMap map;
    for (char letter = kFirstDriveLetter; letter <= kLastDriveLetter; ++letter) {
        const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
        const std::string device =
            settings.readText(setting::kDriveMapKey, std::string{lower, ':'}, setting::kPathLimit);
        if (!device.empty()) {
            map[letter] = device;
        }
    }
    return map;
}

}  // namespace vorlix
