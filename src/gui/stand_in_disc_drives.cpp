#include "gui/stand_in_disc_drives.h"

namespace vorlix {

std::vector<DiscSource> StandInDiscDrives::opticalDrives() {
    return {};
}

DiscSource StandInDiscDrives::addImage(const std::string& path) {
    return {DiscSourceKind::Image, {}, path};
}

DiscSource StandInDiscDrives::addFolder(const std::string& path) {
    return {DiscSourceKind::Folder, {}, path};
}

std::unique_ptr<DiscVolume> StandInDiscDrives::open(const std::string&) {
    return nullptr;
}

std::optional<std::string> StandInDiscDrives::resolve(const std::string&) {
    return std::nullopt;
}

}  // namespace vorlix
