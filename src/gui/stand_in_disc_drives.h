#pragma once

#include "platform/disc_drives.h"

namespace vorlix {

// Takes the place of the Linux drive map until the program is given one: no drives, nothing to
// open or resolve.
class StandInDiscDrives final : public DiscDrives {
public:
    std::vector<DiscSource> opticalDrives() override;
    DiscSource addImage(const std::string& path) override;
    DiscSource addFolder(const std::string& path) override;
    std::unique_ptr<DiscVolume> open(const std::string& root) override;
    std::optional<std::string> resolve(const std::string& cataloguedPath) override;
};

}  // namespace vorlix
